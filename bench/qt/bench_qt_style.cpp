// The nuvelkit style's timings: a full repaint of a QPushButton under the style (its picture
// from the style's cache) against the same button under Fusion, rendered the same way into a
// QImage, at a dialog button's size and at 250 x 100, at rest and hovered; and what drawing a
// picture the cache does not hold yet costs (a button of a size not seen before). The ratios
// print with their targets in their names:
//
//   QT_QPA_PLATFORM=offscreen build/bin/nk_bench_qt --benchmark_filter=QtStyle
#include "bench/bench_timing.h"
#include "qt/style/nuvel_style.h"

#include <QImage>
#include <QPushButton>
#include <QStyleFactory>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using nk::bench::ThreadNanoseconds;
using nk::bench::TimeBatch;

struct Pair {
    QPushButton ours{"Command1"};
    QPushButton fusion{"Command1"};
    QImage image;
    Pair(QStyle* style, QStyle* fusionStyle, QSize size, bool hovered)
        : image(size, QImage::Format_ARGB32_Premultiplied) {
        for (QPushButton* b : {&ours, &fusion}) {
            b->setStyle(b == &ours ? style : fusionStyle);
            b->resize(size);
            // Hovered as the style option sees it: the button is under the pointer.
            b->setAttribute(Qt::WA_UnderMouse, hovered);
        }
    }
    double Ours() {
        return TimeBatch([&] { Render(ours); });
    }
    double Fusion() {
        return TimeBatch([&] { Render(fusion); });
    }
    void Render(QPushButton& b) {
        b.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
};

// One case: a button pair, what its ratio is called, and the time each side took in all.
struct Case {
    const char* ratio;
    Pair pair;
    double ours = 0;
    double fusion = 0;
};

void BM_QtStyleTargets(benchmark::State& state) {
    nk::qt::style::NuvelStyle style{nk::qt::style::Settings{}};
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    Case cases[] = {
        {"style/fusion_100x32(<=1.5)", {&style, fusion.get(), {100, 32}, false}},
        {"style/fusion_250x100(<=1.5)", {&style, fusion.get(), {250, 100}, false}},
        {"style/fusion_hovered(<=1.5)", {&style, fusion.get(), {100, 32}, true}},
    };
    for (Case& c : cases)
        c.pair.Ours(), c.pair.Fusion(); // the pictures drawn once, into the cache
    QPushButton fresh("Command1");
    fresh.setStyle(&style);
    QImage freshImage(400, 100, QImage::Format_ARGB32_Premultiplied);

    double miss = 0;
    int width = 100;
    for (auto _ : state) {
        for (Case& c : cases) {
            c.ours += c.pair.Ours();
            c.fusion += c.pair.Fusion();
        }
        fresh.resize(++width % 300 + 60, 32); // a size the cache has not seen
        const double start = ThreadNanoseconds();
        fresh.render(&freshImage);
        miss += ThreadNanoseconds() - start;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["style_100x32_ns"] = cases[0].ours / n;
    state.counters["fusion_100x32_ns"] = cases[0].fusion / n;
    for (const Case& c : cases)
        state.counters[c.ratio] = c.ours / c.fusion;
    state.counters["uncached_draw_ns"] = miss / n;
}
BENCHMARK(BM_QtStyleTargets)->Iterations(200)->Unit(benchmark::kMicrosecond);

} // namespace
