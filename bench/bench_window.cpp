// The windowed host's costs, in CPU time, with SDL's offscreen video driver unless
// SDL_VIDEODRIVER names another (under a real X server: SDL_VIDEODRIVER=x11):
//
//   BM_WindowIdle         the demo form open for NK_IDLE_SECONDS (10) with its timer running:
//                         the process's CPU time as a share of the wall time, and its memory
//   BM_WindowHoverAgainstFull  on a form of 200 buttons, the frame after a hover change on one
//                         button against a frame that composes and presents the whole form
//   BM_WindowFirstFrame   opening the window of a 200-button form and its first frame
//
//   build/bin/nk_bench --benchmark_filter=Window
#include "host/forms/form.h"
#include "host/window/window_host.h"
#include "kit/classes.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

void UseHeadlessDriversUnlessAsked() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

double Seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double StatusMegabytes(const std::string& key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key + ":", 0) == 0) return std::atof(line.c_str() + key.size() + 1) / 1024;
    return 0;
}

// 200 buttons in a grid of 20 x 10, with no timer, so that a frame is composing and
// presenting only.
std::unique_ptr<nk::Form> ButtonGrid(const std::vector<const nk::InterfaceTable*>& classes) {
    auto form = std::make_unique<nk::Form>(
        classes, nk::FormSettings{.width = 800, .height = 400, .timerInterval = 0});
    for (int i = 0; i < 200; ++i)
        form->Add("NuvelCommand", "Command" + std::to_string(i), (i % 20) * 40, (i / 20) * 40, 38,
                  38);
    return form;
}

void BM_WindowIdle(benchmark::State& state) {
    UseHeadlessDriversUnlessAsked();
    const char* asked = std::getenv("NK_IDLE_SECONDS");
    const double seconds = asked ? std::atof(asked) : 10.0;
    const auto classes = nk::AllClasses();
    std::string error;
    auto form =
        nk::Form::Load(std::string(NK_SOURCE_DIR) + "/examples/demo/demo.nkform", classes, error);
    if (!form) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state) {
        nk::WindowHost window(*form);
        if (!window.ok()) {
            state.SkipWithError(window.error().c_str());
            return;
        }
        const double wall = Seconds(CLOCK_MONOTONIC), cpu = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        std::thread stop([&] {
            std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
            window.PostQuit();
        });
        const int frames = window.Run();
        stop.join();
        const double spentWall = Seconds(CLOCK_MONOTONIC) - wall;
        const double spentCpu = Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu;
        state.counters["cpu_percent_of_wall"] = 100 * spentCpu / spentWall;
        state.counters["frames"] = frames;
        state.counters["presents"] = window.presented().count;
        state.counters["rss_mb"] = StatusMegabytes("VmRSS");
        state.counters["peak_rss_mb"] = StatusMegabytes("VmHWM");
    }
}
BENCHMARK(BM_WindowIdle)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

double ThreadNanoseconds() {
    return Seconds(CLOCK_THREAD_CPUTIME_ID) * 1e9;
}

void BM_WindowHoverAgainstFull(benchmark::State& state) {
    UseHeadlessDriversUnlessAsked();
    const auto classes = nk::AllClasses();
    auto form = ButtonGrid(classes);
    nk::WindowHost window(*form, {.startSound = false});
    if (!window.ok()) {
        state.SkipWithError(window.error().c_str());
        return;
    }
    window.Frame(0);
    const nk::FormControl& button = *form->Find("Command47");
    std::uint64_t now = 0;
    bool over = false;
    double input = 0, hover = 0, full = 0;
    for (auto _ : state) {
        // The pointer's move and the button's own repaint of its hover look...
        double start = ThreadNanoseconds();
        over = !over;
        window.PostMouseMotion(button.left() + (over ? 10 : 39), button.top() + 10);
        window.Pump();
        input += ThreadNanoseconds() - start;
        // ...then the frame that composes and presents what changed.
        start = ThreadNanoseconds();
        window.Frame(now += 16);
        hover += ThreadNanoseconds() - start;

        start = ThreadNanoseconds();
        window.Invalidate();
        window.Frame(now += 16);
        full += ThreadNanoseconds() - start;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["input_us"] = input / n / 1000;
    state.counters["hover_us"] = hover / n / 1000;
    state.counters["full_us"] = full / n / 1000;
    state.counters["hover_percent_of_full"] = 100 * hover / full;
}
BENCHMARK(BM_WindowHoverAgainstFull)->Unit(benchmark::kMillisecond);

void BM_WindowFirstFrame(benchmark::State& state) {
    UseHeadlessDriversUnlessAsked();
    const auto classes = nk::AllClasses();
    double open = 0, first = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto form = ButtonGrid(classes);
        state.ResumeTiming();
        double start = ThreadNanoseconds();
        nk::WindowHost window(*form, {.startSound = false});
        open += ThreadNanoseconds() - start;
        start = ThreadNanoseconds();
        window.Frame(0);
        first += ThreadNanoseconds() - start;
        benchmark::DoNotOptimize(window.shown().pixels.data());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["open_ms"] = open / n / 1e6;
    state.counters["first_frame_ms"] = first / n / 1e6;
}
BENCHMARK(BM_WindowFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
