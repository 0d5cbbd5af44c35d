// nk_resgen: draws every numbered bitmap and synthesises the sounds, writes them as BMP and
// wave files, checks each against the resource list, and writes for each library a C++ source
// that embeds its files and defines its resource table.
//
//   nk_resgen OUTDIR [--allow-missing]
//
// OUTDIR receives nuvset1/<n>.bmp, nuvset2/<n>.bmp, nuvset1/401.wav, nuvset1/402.wav, each
// bitmap painted finer as <library>/<n>@1.5x.png, @2x.png and @3x.png, nuvset1_table.cpp and
// nuvset2_table.cpp. A resource that differs from the list (size, depth, wave size; for a
// variant the scaled size), is not in it, or comes twice fails the run with a message naming
// it. A resource or variant of the list that nothing generated fails the run too, unless
// --allow-missing is given, in which case it is reported and left out.
//
// The drawings are painted on two threads; each is the same whichever thread paints it.
#include "resources/generator.h"
#include "resources/resource_pack.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

using nk::resgen::ResourceSpec;

// Allowed: one line per library with the numbers still to come. Otherwise: one error per
// resource, with its role.
void ReportMissing(const std::vector<const ResourceSpec*>& missing, bool allowed) {
    if (!allowed) {
        for (const ResourceSpec* listed : missing)
            std::cerr << "nk_resgen: missing: " << nk::resgen::ResourcePath(*listed) << " ("
                      << listed->role << ")\n";
        return;
    }
    std::map<std::string_view, std::string> byLibrary;
    for (const ResourceSpec* listed : missing) {
        std::string& ids = byLibrary[listed->library];
        ids += ' ';
        ids += std::to_string(listed->id);
    }
    for (const auto& [library, ids] : byLibrary)
        std::cout << "nk_resgen: " << library << ": not generated yet:" << ids << "\n";
}

// Every bitmap of both libraries at 1x and each variant scale, in a fixed order: each group of
// drawings at each scale is one task, and two threads take the tasks in turn. Each task fills
// its own slot, so the order (and every pixel) is the same whichever thread paints it.
std::vector<nk::resgen::GeneratedBitmap> PaintAllScales() {
    using Group = void (*)(std::vector<nk::resgen::GeneratedBitmap>&, float);
    const Group groups[] = {nk::resgen::GenerateSet1Bitmaps, nk::resgen::GenerateScreenBitmaps,
                            nk::resgen::GenerateSet2Bitmaps};
    std::vector<float> scales{1.0f};
    scales.insert(scales.end(), std::begin(nk::resgen::kVariantScales),
                  std::end(nk::resgen::kVariantScales));
    const std::size_t tasks = scales.size() * std::size(groups);
    std::vector<std::vector<nk::resgen::GeneratedBitmap>> slots(tasks);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t t; (t = next++) < tasks;)
            groups[t % std::size(groups)](slots[t], scales[t / std::size(groups)]);
    };
    std::thread helper(work);
    work();
    helper.join();
    std::vector<nk::resgen::GeneratedBitmap> all;
    for (auto& slot : slots)
        std::move(slot.begin(), slot.end(), std::back_inserter(all));
    return all;
}

bool WriteBytes(const std::filesystem::path& path, const std::string_view bytes,
                std::string& error) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    f.close();
    if (!f) {
        error = path.string() + ": cannot write";
        return false;
    }
    return true;
}

bool WriteLibrary(const std::filesystem::path& dir, std::string_view library,
                  const std::string& function, const nk::resgen::ResourcePack& pack,
                  std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(dir / library, ec);
    if (ec) {
        error = (dir / library).string() + ": cannot create: " + ec.message();
        return false;
    }
    for (const nk::resgen::PackedResource& r : pack.resources()) {
        if (r.listed->library != library) continue;
        const std::string_view bytes(reinterpret_cast<const char*>(r.bytes.data()), r.bytes.size());
        if (!WriteBytes(dir / nk::resgen::ResourcePath(*r.listed), bytes, error)) return false;
    }
    for (const nk::resgen::PackedVariant& v : pack.variants()) {
        if (v.listed->library != library) continue;
        const std::string_view bytes(reinterpret_cast<const char*>(v.bytes.data()), v.bytes.size());
        if (!WriteBytes(dir / nk::resgen::VariantPath(*v.listed, v.scale), bytes, error))
            return false;
    }
    return WriteBytes(dir / (std::string(library) + "_table.cpp"),
                      nk::resgen::TableSource(library, function, pack), error);
}

// One line per library: how many variants, their bytes as embedded, and the memory they take
// decoded (four bytes a pixel); then the run time.
void ReportVariants(const nk::resgen::ResourcePack& pack, double seconds) {
    struct Sum {
        std::size_t count = 0, bytes = 0, pixels = 0;
    };
    std::map<std::string_view, Sum> byLibrary;
    for (const nk::resgen::PackedVariant& v : pack.variants()) {
        Sum& sum = byLibrary[v.listed->library];
        ++sum.count;
        sum.bytes += v.bytes.size();
        sum.pixels += v.pixels;
    }
    for (const auto& [library, sum] : byLibrary) {
        char line[200];
        std::snprintf(line, sizeof line,
                      "nk_resgen: %.*s: %zu variants at 1.5x, 2x and 3x: %zu bytes as PNG, "
                      "%.1f MB decoded\n",
                      static_cast<int>(library.size()), library.data(), sum.count, sum.bytes,
                      static_cast<double>(sum.pixels) * 4 / (1024.0 * 1024.0));
        std::cout << line;
    }
    char line[80];
    std::snprintf(line, sizeof line, "nk_resgen: painted and packed in %.1f s\n", seconds);
    std::cout << line;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::string(argv[2]) != "--allow-missing")) {
        std::cerr << "usage: nk_resgen OUTDIR [--allow-missing]\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const bool allowMissing = argc == 3;

    const auto started = std::chrono::steady_clock::now();
    std::vector<nk::resgen::GeneratedSound> sounds;
    nk::resgen::GenerateSounds(sounds);

    nk::resgen::ResourcePack pack;
    for (const auto& b : PaintAllScales())
        pack.AddBitmap(b);
    for (const auto& s : sounds)
        pack.AddSound(s);
    const std::vector<const ResourceSpec*> missing = pack.Missing();
    ReportMissing(missing, allowMissing);
    const std::vector<std::string> missingVariants = pack.MissingVariants();
    if (!allowMissing)
        for (const std::string& path : missingVariants)
            std::cerr << "nk_resgen: missing: " << path << "\n";
    for (const std::string& e : pack.errors())
        std::cerr << "nk_resgen: " << e << "\n";
    if (!pack.errors().empty() ||
        (!allowMissing && (!missing.empty() || !missingVariants.empty()))) {
        std::cerr << "nk_resgen: the generated resources do not match the resource list\n";
        return 1;
    }

    std::string error;
    if (!WriteLibrary(dir, "nuvset1", "Nuvset1Resources", pack, error) ||
        !WriteLibrary(dir, "nuvset2", "Nuvset2Resources", pack, error)) {
        std::cerr << "nk_resgen: " << error << "\n";
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "nk_resgen: " << pack.resources().size() << " resources written to "
              << dir.string() << "\n";
    ReportVariants(pack, seconds);
    return 0;
}
