// The Qt widgets' timings: a full repaint of a 250 x 100 NuvelCommand widget through Qt (the
// control's Paint and QWidget::render into a QImage) against a QPushButton of the same size
// and caption in the Fusion style rendered the same way, and against Qt's own floor for that
// size (QPainter::drawImage of a premultiplied image of it into the same target); and a hover
// frame: the synthetic pointer entry (the entry event and the move that comes with it) and
// the repaint of what it damaged, for both widgets. BM_QtTargets times them side by side in
// one run and reports the ratios as its counters, each with its target in its name:
//
//   QT_QPA_PLATFORM=offscreen build/bin/nk_bench_qt --benchmark_filter=QtTargets
#include "bench/bench_timing.h"
#include "framework/variant.h"
#include "host/forms/form.h"
#include "qt/control_widget.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHoverEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

using nk::bench::ThreadNanoseconds;
using nk::bench::TimeBatch;

// CPU nanoseconds of the whole process: Qt hands parts of some paintings (the push button's
// gradients) to its pool threads, which the thread clock does not see.
double ProcessNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

template <typename Fn> double ProcessBatch(Fn&& fn, int batch = 16) {
    const double start = ProcessNanoseconds();
    for (int i = 0; i < batch; ++i)
        fn();
    return (ProcessNanoseconds() - start) / batch;
}

constexpr int kW = 250, kH = 100;
const QPointF kInside(125, 50);
const QPointF kOutside(-20, -20);

// Sends a synthetic pointer entry at the centre (the entry, the move that the window system
// sends with it, the hover entry), or a move out of the widget.
void Enter(QWidget& w) {
    QEnterEvent enter(kInside, w.mapToGlobal(kInside), w.mapToGlobal(kInside));
    QApplication::sendEvent(&w, &enter);
    QMouseEvent move(QEvent::MouseMove, kInside, w.mapToGlobal(kInside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
    QHoverEvent hover(QEvent::HoverEnter, kInside, w.mapToGlobal(kInside), kOutside);
    QApplication::sendEvent(&w, &hover);
}

void Leave(QWidget& w) {
    QMouseEvent move(QEvent::MouseMove, kOutside, w.mapToGlobal(kOutside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
    QHoverEvent hover(QEvent::HoverLeave, kOutside, w.mapToGlobal(kOutside), kInside);
    QApplication::sendEvent(&w, &hover);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&w, &leave);
}

// CPU nanoseconds of one entry and the repaint (`frame`) that shows it, the widget left at
// rest again and repainted whole (`render`) outside the timing.
template <typename Frame, typename Render>
double HoverEntry(QWidget& w, Frame&& frame, Render&& render) {
    const double start = ThreadNanoseconds();
    Enter(w);
    frame();
    const double spent = ThreadNanoseconds() - start;
    Leave(w);
    render();
    return spent;
}

void BM_QtTargets(benchmark::State& state) {
    nk::qt::ControlWidget nuvel("NuvelCommand");
    nuvel.setObjectName("Command1");
    nuvel.resize(kW, kH);
    nuvel.setMember("CoolButton", nk::Variant::Boolean(nk::kTrue));
    nuvel.setMember("CoolUseGlow", nk::Variant::Boolean(nk::kTrue));
    nk::FormControl* control = nuvel.formControl();
    if (!control) {
        state.SkipWithError(nuvel.error().toStdString().c_str());
        return;
    }

    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    QPushButton button("Command1");
    button.setStyle(fusion.get());
    button.setAttribute(Qt::WA_Hover);
    button.resize(kW, kH);

    QImage nuvelImage(kW, kH, QImage::Format_ARGB32_Premultiplied);
    QImage buttonImage(kW, kH, QImage::Format_ARGB32_Premultiplied);
    auto renderNuvel = [&] {
        nuvel.render(&nuvelImage);
        benchmark::DoNotOptimize(nuvelImage.constBits());
    };
    auto renderButton = [&] {
        button.render(&buttonImage);
        benchmark::DoNotOptimize(buttonImage.constBits());
    };
    // The hover frame repaints what the entry damaged, as Qt's next frame would.
    auto frameNuvel = [&] {
        const QRegion damaged = nuvel.pendingRepaint();
        nuvel.render(&nuvelImage, damaged.boundingRect().topLeft(), damaged);
        benchmark::DoNotOptimize(nuvelImage.constBits());
    };
    // Qt's floor: one premultiplied image of the widget's size drawn into the same target.
    QImage source(kW, kH, QImage::Format_ARGB32_Premultiplied);
    source.fill(0xFFD4D0C8u);
    auto drawFloor = [&] {
        QPainter p(&nuvelImage);
        p.drawImage(0, 0, source);
        p.end();
        benchmark::DoNotOptimize(nuvelImage.constBits());
    };
    renderNuvel();
    renderButton();

    // A few entries per round, after one that is not counted: the first after the push
    // button's painting finds the caches full of the button's work.
    constexpr int kEntries = 4;
    const auto hoverEntries = [&](QWidget& w, auto&& frame, auto&& render) {
        HoverEntry(w, frame, render);
        double spent = 0;
        for (int i = 0; i < kEntries; ++i)
            spent += HoverEntry(w, frame, render);
        return spent / kEntries;
    };
    double repaint = 0, expose = 0, pushRepaint = 0, floor = 0, hover = 0, pushHover = 0, all = 0,
           pushAll = 0;
    for (auto _ : state) {
        repaint += TimeBatch([&] {
            control->site().Paint();
            renderNuvel();
        });
        expose += TimeBatch(renderNuvel);
        pushRepaint += TimeBatch(renderButton);
        floor += TimeBatch(drawFloor);
        all += ProcessBatch([&] {
            control->site().Paint();
            renderNuvel();
        });
        pushAll += ProcessBatch(renderButton);
        hover += hoverEntries(nuvel, frameNuvel, renderNuvel);
        pushHover += hoverEntries(button, renderButton, renderButton);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["nuvel_repaint_ns"] = repaint / n;
    state.counters["pushbutton_repaint_ns"] = pushRepaint / n;
    state.counters["floor_drawimage_ns"] = floor / n;
    state.counters["repaint/pushbutton(<=0.12)"] = repaint / pushRepaint;
    state.counters["process_repaint/pushbutton(<=0.12)"] = all / pushAll;
    state.counters["repaint/floor(<=1.3)"] = repaint / floor;
    state.counters["pushbutton_process_repaint_ns"] = pushAll / n;
    // The widget painted again as it stands (an expose: Qt's paint event alone), which is
    // what Qt asks of a widget whose pixels it lost; the repaint above also has the control
    // draw itself whole first, one full pass over its background of its own.
    state.counters["nuvel_expose_ns"] = expose / n;
    state.counters["expose/floor"] = expose / floor;
    state.counters["expose/pushbutton"] = expose / pushRepaint;
    state.counters["nuvel_hover_ns"] = hover / n;
    state.counters["pushbutton_hover_ns"] = pushHover / n;
    state.counters["hover/repaint(<=2)"] = hover / repaint;
    state.counters["hover/pushbutton"] = hover / pushHover;
}
BENCHMARK(BM_QtTargets)->Iterations(300)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
