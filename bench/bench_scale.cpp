// A full repaint of a 250 x 100 NuvelCommand at device scale 2 against four times its
// repaint at scale 1 (the same work on four times the pixels), in CPU time in one loop:
//
//   build/bin/nk_bench --benchmark_filter=Scale
#include "bench/bench_timing.h"
#include "bench/command_button.h"
#include "host/hosts/control_site.h"
#include "set1/command/nuvel_command.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The button the command benchmarks place, drawing at `scale`.
std::unique_ptr<nk::ControlSite> MakeScaledButton(double scale) {
    return nk::bench::MakeCommandButton(250, 100, scale);
}

void BM_ScaleCommandRepaint(benchmark::State& state) {
    auto one = MakeScaledButton(1.0);
    auto two = MakeScaledButton(2.0);
    nk::Control& a = *one->control();
    nk::Control& b = *two->control();
    double at1 = 0, at2 = 0;
    for (auto _ : state) {
        at1 += nk::bench::TimeBatch([&] {
            a.Paint();
            benchmark::DoNotOptimize(one->host().surface().pixels().pixels.data());
        });
        at2 += nk::bench::TimeBatch([&] {
            b.Paint();
            benchmark::DoNotOptimize(two->host().surface().pixels().pixels.data());
        });
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["repaint_1x_ns"] = at1 / n;
    state.counters["repaint_2x_ns"] = at2 / n;
    state.counters["2x/(4*1x)(<=1.0)"] = at2 / (4 * at1);
}
BENCHMARK(BM_ScaleCommandRepaint)->Iterations(200)->Unit(benchmark::kMicrosecond);

} // namespace
