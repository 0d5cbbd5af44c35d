// What a Qt widget of the kit costs against Qt's own: a window of 100 NuvelCommand widgets of
// 160 x 50 in a grid, made, shown and painted to its first frame, against the same window of
// 100 QPushButtons; the heap each widget holds once shown; and a window of 1,000 mixed
// controls (all seven classes): its first frame, its memory and its idle CPU with its form
// timer running.
//
//   QT_QPA_PLATFORM=offscreen build/bin/nk_bench_qt --benchmark_filter=Cost
#include "qt/form_timer.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGridLayout>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <ctime>
#include <functional>
#include <memory>

namespace {

double ProcessSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double HeapBytes() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd);
}

using MakeWidget = std::function<QWidget*(int index)>;

// A window of `count` widgets in a grid of `columns`, each at most 160 x 50.
std::unique_ptr<QWidget> Grid(int count, int columns, const MakeWidget& make) {
    auto window = std::make_unique<QWidget>();
    auto* grid = new QGridLayout(window.get()); // owned by the window
    grid->setSpacing(2);
    for (int i = 0; i < count; ++i) {
        QWidget* w = make(i);
        w->setMaximumSize(160, 50);
        grid->addWidget(w, i / columns, i % columns);
    }
    return window;
}

// Made, shown and painted whole: the CPU seconds and the heap bytes it takes, the window
// kept for what follows.
struct Shown {
    std::unique_ptr<QWidget> window;
    double seconds = 0;
    double bytes = 0;
};

Shown ShowGrid(int count, int columns, const MakeWidget& make) {
    Shown out;
    const double heap = HeapBytes(), start = ProcessSeconds();
    out.window = Grid(count, columns, make);
    out.window->show();
    out.window->repaint(); // the first frame, painted now into the backing store
    QApplication::processEvents();
    out.seconds = ProcessSeconds() - start;
    out.bytes = HeapBytes() - heap;
    return out;
}

QWidget* Command(int i) {
    auto* w = new nk::qt::NuvelCommand;
    w->setCaption(QString("Command%1").arg(i + 1));
    return w;
}

QWidget* PushButton(int i) {
    return new QPushButton(QString("Command%1").arg(i + 1));
}

// The seven classes in turn.
QWidget* Mixed(int i) {
    switch (i % 7) {
    case 0:
        return Command(i);
    case 1:
        return new nk::qt::NuvelHCommand;
    case 2:
        return new nk::qt::NuvelSphere;
    case 3:
        return new nk::qt::NuvelCheck;
    case 4:
        return new nk::qt::NuvelScreen;
    case 5:
        return new nk::qt::NuvelFill;
    default:
        return new nk::qt::NuvelPad;
    }
}

void BM_CostHundredCommands(benchmark::State& state) {
    double nuvel = 0, push = 0, nuvelBytes = 0, pushBytes = 0;
    for (auto _ : state) {
        // Each window goes before the next is made, so every round starts cold: the first
        // NuvelCommand decodes the pictures again.
        {
            Shown s = ShowGrid(100, 10, Command);
            nuvel += s.seconds;
            nuvelBytes += s.bytes;
        }
        QApplication::processEvents();
        {
            Shown s = ShowGrid(100, 10, PushButton);
            push += s.seconds;
            pushBytes += s.bytes;
        }
        QApplication::processEvents();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["nuvel_ms"] = nuvel / n * 1e3;
    state.counters["pushbutton_ms"] = push / n * 1e3;
    state.counters["first_show/pushbutton(<=10)"] = nuvel / push;
    state.counters["nuvel_kB_per_widget(<=150)"] = nuvelBytes / n / 100 / 1024;
    state.counters["pushbutton_kB_per_widget"] = pushBytes / n / 100 / 1024;
    state.counters["memory/pushbutton"] = nuvelBytes / pushBytes;
}
BENCHMARK(BM_CostHundredCommands)->Iterations(3)->Unit(benchmark::kMillisecond);

// The share of a core the process spends while its event loop runs for `ms` milliseconds.
double IdleShare(int ms) {
    const double cpu = ProcessSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return (ProcessSeconds() - cpu) / (static_cast<double>(wall.elapsed()) / 1e3);
}

void BM_CostThousandMixed(benchmark::State& state) {
    for (auto _ : state) {
        Shown s = ShowGrid(1000, 40, Mixed);
        nk::qt::FormTimer timer(s.window.get());
        // One step of every control, apart from the painting it asks for.
        const double stepStart = ProcessSeconds();
        for (int i = 0; i < 100; ++i)
            timer.step();
        const double step = (ProcessSeconds() - stepStart) / 100;
        QApplication::processEvents();
        // The same without the timer: what the widgets cost a window that shows them alone.
        const double still = IdleShare(1000);
        timer.start();
        // Idle: the event loop running for a second with the timer stepping the controls.
        const double idle = IdleShare(1000);
        state.counters["first_frame_ms"] = s.seconds * 1e3;
        state.counters["timer_step_ms"] = step * 1e3;
        state.counters["MB"] = s.bytes / (1024 * 1024);
        state.counters["kB_per_widget"] = s.bytes / 1000 / 1024;
        state.counters["idle_percent_of_a_core(<=1)"] = idle * 100;
        state.counters["idle_without_timer_percent"] = still * 100;
    }
}
BENCHMARK(BM_CostThousandMixed)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
