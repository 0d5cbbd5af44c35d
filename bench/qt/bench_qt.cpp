// The Qt widgets' timings: a full repaint of a 250 x 100 NuvelCommand widget through Qt (the
// control's Paint and QWidget::render into a QImage) against a QPushButton of the same size
// and caption in the Fusion style rendered the same way, and the time from a synthetic hover
// entry to repainted pixels for both. BM_QtTargets times them side by side in one run and
// reports the ratios as its counters:
//
//   QT_QPA_PLATFORM=offscreen build/bin/nk_bench_qt
#include "bench/bench_timing.h"
#include "framework/variant.h"
#include "host/forms/form.h"
#include "qt/control_widget.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHoverEvent>
#include <QImage>
#include <QMouseEvent>
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

// Sends a synthetic pointer entry at the centre, or a move out of the widget.
void Enter(QWidget& w) {
    QEnterEvent enter(kInside, w.mapToGlobal(kInside), w.mapToGlobal(kInside));
    QApplication::sendEvent(&w, &enter);
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

// CPU nanoseconds of one entry and the repaint that shows it, the widget left at rest
// again outside the timing.
template <typename Render> double HoverEntry(QWidget& w, Render&& render) {
    const double start = ThreadNanoseconds();
    Enter(w);
    render();
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
    renderNuvel();
    renderButton();

    double repaint = 0, pushRepaint = 0, hover = 0, pushHover = 0, all = 0, pushAll = 0;
    for (auto _ : state) {
        repaint += TimeBatch([&] {
            control->site().Paint();
            renderNuvel();
        });
        pushRepaint += TimeBatch(renderButton);
        all += ProcessBatch([&] {
            control->site().Paint();
            renderNuvel();
        });
        pushAll += ProcessBatch(renderButton);
        hover += HoverEntry(nuvel, renderNuvel);
        pushHover += HoverEntry(button, renderButton);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["nuvel_repaint_ns"] = repaint / n;
    state.counters["pushbutton_repaint_ns"] = pushRepaint / n;
    state.counters["repaint/pushbutton(<=0.15)"] = repaint / pushRepaint;
    state.counters["process_repaint/pushbutton(<=0.15)"] = all / pushAll;
    state.counters["pushbutton_process_repaint_ns"] = pushAll / n;
    state.counters["nuvel_hover_ns"] = hover / n;
    state.counters["pushbutton_hover_ns"] = pushHover / n;
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
