// What a control costs in the headless host (as `nuvelkit render` runs it): a form of 100
// NuvelCommand controls of 160 x 50 made and composed, against the same form's surfaces alone
// (100 surfaces of that size made and filled, composed into the form's frame). Memory is the
// heap the form holds once composed, per control; the surfaces' own is 32 kB a control.
//
//   build/bin/nk_bench --benchmark_filter=Cost
#include "bench/bench_timing.h"
#include "host/forms/form.h"
#include "host/surface/surface_canvas.h"
#include "kit/classes.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kControls = 100, kW = 160, kH = 50, kColumns = 10;

// Bytes of heap in use: the small blocks and the large ones malloc maps by themselves.
double HeapBytes() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd);
}

std::unique_ptr<nk::Form> CommandGrid(const std::vector<const nk::InterfaceTable*>& classes) {
    auto form =
        std::make_unique<nk::Form>(classes, nk::FormSettings{.width = kColumns * kW,
                                                             .height = kControls / kColumns * kH,
                                                             .timerInterval = 0});
    for (int i = 0; i < kControls; ++i)
        form->Add("NuvelCommand", "Command" + std::to_string(i + 1), (i % kColumns) * kW,
                  (i / kColumns) * kH, kW, kH);
    return form;
}

// The surfaces alone: each made, filled with the form's back colour and copied into a frame.
nk::Image SurfacesAlone(std::vector<std::unique_ptr<nk::SurfaceCanvas>>& surfaces) {
    for (int i = 0; i < kControls; ++i) {
        surfaces.push_back(
            std::make_unique<nk::SurfaceCanvas>(kW, kH, 0xC0C0C0, 0, nk::Font{}, 1.0));
        surfaces.back()->Cls();
    }
    nk::Image frame(kColumns * kW, kControls / kColumns * kH);
    for (int i = 0; i < kControls; ++i) {
        const nk::Image& s = surfaces[i]->pixels();
        const int left = (i % kColumns) * kW, top = (i / kColumns) * kH;
        for (int y = 0; y < kH; ++y)
            std::copy_n(&s.pixels[static_cast<std::size_t>(y) * kW], kW,
                        &frame.pixels[static_cast<std::size_t>(top + y) * frame.width + left]);
    }
    return frame;
}

void BM_CostHeadlessForm(benchmark::State& state) {
    const auto classes = nk::AllClasses();
    double form = 0, alone = 0, formBytes = 0, aloneBytes = 0;
    for (auto _ : state) {
        double heap = HeapBytes();
        double start = nk::bench::ThreadNanoseconds();
        {
            auto made = CommandGrid(classes);
            const nk::Image shown = made->Compose();
            form += nk::bench::ThreadNanoseconds() - start;
            formBytes += HeapBytes() - heap;
            benchmark::DoNotOptimize(shown.pixels.data());
        }
        heap = HeapBytes();
        start = nk::bench::ThreadNanoseconds();
        {
            std::vector<std::unique_ptr<nk::SurfaceCanvas>> surfaces;
            const nk::Image shown = SurfacesAlone(surfaces);
            alone += nk::bench::ThreadNanoseconds() - start;
            aloneBytes += HeapBytes() - heap;
            benchmark::DoNotOptimize(shown.pixels.data());
        }
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["form_ms"] = form / n / 1e6;
    state.counters["surfaces_ms"] = alone / n / 1e6;
    state.counters["form/surfaces(<=10)"] = form / alone;
    state.counters["kB_per_control(<=150)"] = formBytes / n / kControls / 1024;
    state.counters["surfaces_kB_per_control"] = aloneBytes / n / kControls / 1024;
}
BENCHMARK(BM_CostHeadlessForm)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
