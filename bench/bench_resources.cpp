// The built-in bitmaps with their finer variants: the time a control's first load of a skin
// takes (the 1x bitmap and its 1.5x, 2x and 3x PNGs decoded), and the memory the variants
// take decoded, for one skin and for every bitmap of both libraries.
#include "host/codec/codec.h"
#include "host/hosts/control_site.h"
#include "set1/classes.h"
#include "set2/classes.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

// Decoded bytes of every variant a library carries, at four bytes a pixel.
double VariantMegabytes(const nk::ResourceLibrary& lib) {
    std::uint64_t pixels = 0;
    for (const nk::ResourceVariant& v : lib.variants) {
        const nk::DecodeResult d = nk::DecodePng(v.bytes, std::string(lib.name));
        if (d.ok()) pixels += d.image.pixels.size();
    }
    return static_cast<double>(pixels) * 4 / (1024.0 * 1024.0);
}

double VariantFileMegabytes(const nk::ResourceLibrary& lib) {
    std::uint64_t bytes = 0;
    for (const nk::ResourceVariant& v : lib.variants)
        bytes += v.bytes.size();
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// A fresh host each round, the last user of the picture gone before it, so each load decodes
// the background 101 and each of its variants asked for.
void BM_LoadSkinWithVariants(benchmark::State& state) {
    const nk::InterfaceTable& cls = *nk::Nuvset1Classes().front();
    double variantBytes = 0;
    for (auto _ : state) {
        nk::ControlSite site(cls);
        const nk::Picture p = site.host().LoadResPicture(101);
        variantBytes = 0;
        for (const nk::ScaledImage& v : p->variants())
            variantBytes += static_cast<double>(v.image()->pixels.size()) * 4;
        benchmark::DoNotOptimize(p);
    }
    state.counters["skin_variants_KB"] = variantBytes / 1024.0;
    const nk::ResourceLibrary& set1 = *cls.resources;
    const nk::ResourceLibrary& set2 = *nk::Nuvset2Classes().front()->resources;
    state.counters["nuvset1_variants_MB"] = VariantMegabytes(set1);
    state.counters["nuvset2_variants_MB"] = VariantMegabytes(set2);
    state.counters["nuvset1_variant_files_MB"] = VariantFileMegabytes(set1);
    state.counters["nuvset2_variant_files_MB"] = VariantFileMegabytes(set2);
}
BENCHMARK(BM_LoadSkinWithVariants)->Unit(benchmark::kMillisecond);

} // namespace
