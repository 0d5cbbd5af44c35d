// NuvelCommand's timings: a full repaint of a 250 x 100 button (background, caption, frame)
// through the headless host against the same work through cairo and a memcpy of the surface,
// and GenerateGradientPicture against cairo filling the same 256 boxes. BM_CommandTargets
// times them side by side, in CPU time, in one run and reports the ratios as its counters:
//
//   build/bin/nk_bench --benchmark_filter=Command
#include "bench/bench_timing.h"
#include "bench/command_button.h"
#include "host/hosts/control_site.h"
#include "set1/command/nuvel_command.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cmath>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr int kW = 250, kH = 100;
// The gradient is measured on a wide button, where the X1 pattern is made of
// filled boxes.
constexpr int kGradientW = 300, kGradientH = 100;

using nk::bench::MakeCommandButton;

// The same repaint through cairo: the background, the caption centred, eight
// frame lines.
class CairoButton {
public:
    explicit CairoButton(const nk::Image& background) : back_(background) {
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kW, kH);
        cr_ = cairo_create(surface_);
        backSurface_ = cairo_image_surface_create_for_data(
            reinterpret_cast<unsigned char*>(back_.pixels.data()), CAIRO_FORMAT_ARGB32, back_.width,
            back_.height, back_.width * 4);
        cairo_select_font_face(cr_, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                               CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr_, 11); // 8.25 points at 96 dots per inch
        cairo_text_extents_t e;
        cairo_text_extents(cr_, "Command1", &e);
        textX_ = (kW - e.width) / 2 - e.x_bearing;
        textY_ = (kH - e.height) / 2 - e.y_bearing;
        cairo_set_line_width(cr_, 1);
    }
    ~CairoButton() {
        cairo_surface_destroy(backSurface_);
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    CairoButton(const CairoButton&) = delete;
    CairoButton& operator=(const CairoButton&) = delete;

    void Repaint() {
        cairo_set_source_surface(cr_, backSurface_, 0, 0);
        cairo_paint(cr_);
        cairo_set_source_rgb(cr_, 1, 1, 1);
        cairo_move_to(cr_, textX_, textY_);
        cairo_show_text(cr_, "Command1");
        const double r = kW - 1, b = kH - 1;
        Line(0, 0, 0, b, 1, 1, 1);
        Line(1, 1, 1, b - 1, 0.83, 0.82, 0.78);
        Line(0, 0, r, 0, 1, 1, 1);
        Line(1, 1, r - 1, 1, 0.83, 0.82, 0.78);
        Line(r, b, 0, b, 0.25, 0.25, 0.25);
        Line(r - 1, b - 1, 1, b - 1, 0.5, 0.5, 0.5);
        Line(r, b, r, 0, 0.25, 0.25, 0.25);
        Line(r - 1, b - 1, r - 1, 1, 0.5, 0.5, 0.5);
        cairo_surface_flush(surface_);
    }
    unsigned char* data() { return cairo_image_surface_get_data(surface_); }

private:
    // A one-pixel line through the centres of the pixels it covers.
    void Line(double x1, double y1, double x2, double y2, double r, double g, double b) {
        cairo_set_source_rgb(cr_, r, g, b);
        cairo_move_to(cr_, x1 + 0.5, y1 + 0.5);
        cairo_line_to(cr_, x2 + 0.5, y2 + 0.5);
        cairo_stroke(cr_);
    }

    nk::Image back_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
    cairo_surface_t* backSurface_;
    double textX_ = 0, textY_ = 0;
};

// The 256 boxes of the X1 pattern on the wide button, each in its colour of the
// ramp.
class CairoGradient {
public:
    CairoGradient() {
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kGradientW, kGradientH);
        cr_ = cairo_create(surface_);
        const double span = kGradientW - 2;
        const double k = span / 255;
        for (int i = 0; i <= 255; ++i) {
            const double x1 = i - k, x2 = i * k;
            boxes_.push_back(
                {std::min(x1, x2), std::fabs(x2 - x1) + 1, std::nearbyint(i / 2.0), i});
        }
    }
    ~CairoGradient() {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    CairoGradient(const CairoGradient&) = delete;
    CairoGradient& operator=(const CairoGradient&) = delete;

    void Draw() {
        for (const Box& b : boxes_) {
            cairo_set_source_rgb(cr_, b.half / 255, b.half / 255, b.full / 255.0);
            cairo_rectangle(cr_, b.left, 0, b.width, kGradientH);
            cairo_fill(cr_);
        }
        cairo_surface_flush(surface_);
    }
    unsigned char* data() { return cairo_image_surface_get_data(surface_); }

private:
    struct Box {
        double left, width, half;
        int full;
    };
    std::vector<Box> boxes_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

nk::Image Background(nk::ControlSite& site) {
    const nk::Picture p = site.host().LoadResPicture(101);
    return p && p->image() ? *p->image() : nk::Image(kW, kH, 0xFF336699u);
}

void BM_CommandRepaint(benchmark::State& state) {
    auto site = MakeCommandButton(kW, kH);
    nk::Control& button = *site->control();
    for (auto _ : state) {
        button.Paint();
        benchmark::DoNotOptimize(site->host().surface().pixels().pixels.data());
    }
}
BENCHMARK(BM_CommandRepaint);

void BM_CairoCommandRepaint(benchmark::State& state) {
    auto site = MakeCommandButton(kW, kH);
    CairoButton cairo(Background(*site));
    for (auto _ : state) {
        cairo.Repaint();
        benchmark::DoNotOptimize(cairo.data());
    }
}
BENCHMARK(BM_CairoCommandRepaint);

void BM_CommandGenerateGradient(benchmark::State& state) {
    auto site = MakeCommandButton(kGradientW, kGradientH);
    site->Set("CoolButton", nk::Variant::Boolean(nk::kTrue));
    site->Set("BackPicture", nk::Variant::Long(nk::NKPictureX1));
    nk::Control& button = *site->control();
    for (auto _ : state) {
        button.Resize(); // regenerates the picture and does not repaint
        benchmark::DoNotOptimize(site->host().surface().pixels().pixels.data());
    }
}
BENCHMARK(BM_CommandGenerateGradient);

void BM_CairoGradientBoxes(benchmark::State& state) {
    CairoGradient cairo;
    for (auto _ : state) {
        cairo.Draw();
        benchmark::DoNotOptimize(cairo.data());
    }
}
BENCHMARK(BM_CairoGradientBoxes);

using nk::bench::TimeBatch;

// Every operation timed in turn in the same loop, so that the ratios compare
// like with like.
void BM_CommandTargets(benchmark::State& state) {
    auto site = MakeCommandButton(kW, kH);
    nk::Control& button = *site->control();
    CairoButton cairo(Background(*site));
    auto wide = MakeCommandButton(kGradientW, kGradientH);
    wide->Set("CoolButton", nk::Variant::Boolean(nk::kTrue));
    wide->Set("BackPicture", nk::Variant::Long(nk::NKPictureX1));
    nk::Control& gradient = *wide->control();
    CairoGradient boxes;
    std::vector<std::uint32_t> from(kW * kH, 0xFF123456u), to(kW * kH);

    double repaint = 0, cairoRepaint = 0, copy = 0, generate = 0, cairoBoxes = 0;
    for (auto _ : state) {
        repaint += TimeBatch([&] {
            button.Paint();
            benchmark::DoNotOptimize(site->host().surface().pixels().pixels.data());
        });
        cairoRepaint += TimeBatch([&] {
            cairo.Repaint();
            benchmark::DoNotOptimize(cairo.data());
        });
        copy += TimeBatch([&] {
            std::memcpy(to.data(), from.data(), from.size() * 4);
            benchmark::DoNotOptimize(to.data());
            benchmark::ClobberMemory();
        });
        generate += TimeBatch([&] { gradient.Resize(); }, 4);
        cairoBoxes += TimeBatch(
            [&] {
                boxes.Draw();
                benchmark::DoNotOptimize(boxes.data());
            },
            4);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["repaint_ns"] = repaint / n;
    state.counters["cairo_repaint_ns"] = cairoRepaint / n;
    state.counters["memcpy_ns"] = copy / n;
    state.counters["repaint/cairo(<=0.4)"] = repaint / cairoRepaint;
    state.counters["repaint/memcpy(<=2.0)"] = repaint / copy;
    state.counters["gradient_ns"] = generate / n;
    state.counters["cairo_boxes_ns"] = cairoBoxes / n;
    state.counters["gradient/cairo(<=0.15)"] = generate / cairoBoxes;
}
BENCHMARK(BM_CommandTargets)->Iterations(200)->Unit(benchmark::kMicrosecond);

} // namespace
