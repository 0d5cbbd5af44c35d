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

void BM_QtStyleTargets(benchmark::State& state) {
    nk::qt::style::NuvelStyle style{nk::qt::style::Settings{}};
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    Pair small(&style, fusion.get(), {100, 32}, false);
    Pair large(&style, fusion.get(), {250, 100}, false);
    Pair hovered(&style, fusion.get(), {100, 32}, true);
    for (Pair* p : {&small, &large, &hovered})
        p->Ours(), p->Fusion(); // the pictures drawn once, into the cache
    QPushButton fresh("Command1");
    fresh.setStyle(&style);
    QImage freshImage(400, 100, QImage::Format_ARGB32_Premultiplied);

    double s = 0, sf = 0, l = 0, lf = 0, h = 0, hf = 0, miss = 0;
    int width = 100;
    for (auto _ : state) {
        s += small.Ours();
        sf += small.Fusion();
        l += large.Ours();
        lf += large.Fusion();
        h += hovered.Ours();
        hf += hovered.Fusion();
        fresh.resize(++width % 300 + 60, 32); // a size the cache has not seen
        const double start = ThreadNanoseconds();
        fresh.render(&freshImage);
        miss += ThreadNanoseconds() - start;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["style_100x32_ns"] = s / n;
    state.counters["fusion_100x32_ns"] = sf / n;
    state.counters["style/fusion_100x32(<=1.5)"] = s / sf;
    state.counters["style/fusion_250x100(<=1.5)"] = l / lf;
    state.counters["style/fusion_hovered(<=1.5)"] = h / hf;
    state.counters["uncached_draw_ns"] = miss / n;
}
BENCHMARK(BM_QtStyleTargets)->Iterations(200)->Unit(benchmark::kMicrosecond);

} // namespace
