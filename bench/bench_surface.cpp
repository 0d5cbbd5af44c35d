// Timings of the raster surface against memcpy, cairo and pixman, measured side by side in
// one run, then each figure with its ratio against the target.
//
//   bash tools/kit.sh bench                    every benchmark, then the table
//   build/bin/nk_bench --benchmark_filter=Arc  a subset (the table shows what ran)
#include "framework/frames.h"
#include "host/surface/surface_canvas.h"

#include <benchmark/benchmark.h>
#include <cairo.h>
#include <pixman.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using nk::Font;
using nk::Image;
using nk::Picture;
using nk::SurfaceCanvas;

constexpr int kW = 250, kH = 100;
constexpr double kLeftStart = 1.4485810, kLeftEnd = 4.8344202;
constexpr double kRightStart = 4.5551748, kRightEnd = 1.7278250;

Image Gradient(int w, int h, int bits) {
    Image im(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            im.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x & 0xFF) << 16 |
                          static_cast<std::uint32_t>(y * 2 & 0xFF) << 8 |
                          static_cast<std::uint32_t>((x ^ y) & 0xFF);
    if (bits == 1)
        for (auto& p : im.pixels)
            p = (p & 0x80) ? 0xFFFFFFFFu : 0xFF000000u;
    im.bitsPerPixel = bits;
    return im;
}

Font Caption() {
    Font f;
    f.name = "Liberation Sans";
    f.size = 15; // 20 pixels at 96 dots per inch
    return f;
}

// --- memcpy -------------------------------------------------------------------------

void BM_Memcpy(benchmark::State& state) {
    std::vector<std::uint32_t> a(kW * kH, 0xFF123456u), b(kW * kH);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size() * 4);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Memcpy);

// --- the surface ----------------------------------------------------------------------

void BM_SurfaceBlit(benchmark::State& state) {
    SurfaceCanvas c(kW, kH, 0xFFFFFF, 0, Font{});
    const Picture p = nk::MakePicture(Gradient(kW, kH, 32), "g");
    for (auto _ : state) {
        c.PaintPicture(p, 0, 0);
        benchmark::DoNotOptimize(c.pixels().pixels.data());
    }
}
BENCHMARK(BM_SurfaceBlit);

void BM_SurfaceStretchNearest(benchmark::State& state) {
    SurfaceCanvas c(2 * kW, 2 * kH, 0xFFFFFF, 0, Font{});
    const Picture p = nk::MakePicture(Gradient(kW, kH, 1), "mono");
    for (auto _ : state) {
        c.PaintPicture(p, 0, 0, 2 * kW, 2 * kH);
        benchmark::DoNotOptimize(c.pixels().pixels.data());
    }
}
BENCHMARK(BM_SurfaceStretchNearest);

void BM_SurfaceStretchSmooth(benchmark::State& state) {
    SurfaceCanvas c(2 * kW, 2 * kH, 0xFFFFFF, 0, Font{});
    const Picture p = nk::MakePicture(Gradient(kW, kH, 32), "colour");
    for (auto _ : state) {
        c.PaintPicture(p, 0, 0, 2 * kW, 2 * kH);
        benchmark::DoNotOptimize(c.pixels().pixels.data());
    }
}
BENCHMARK(BM_SurfaceStretchSmooth);

void BM_SurfaceFrameLines(benchmark::State& state) {
    SurfaceCanvas c(kW, kH, nk::kButtonFace, 0, Font{});
    for (auto _ : state) {
        nk::DrawRaisedFrame(c, 0, 0, kW - 1, kH - 1);
        benchmark::DoNotOptimize(c.pixels().pixels.data());
    }
}
BENCHMARK(BM_SurfaceFrameLines);

void BM_SurfaceArcs(benchmark::State& state) {
    SurfaceCanvas c(kW, kH, nk::kButtonFace, 0, Font{});
    for (auto _ : state) {
        c.Arc(16, 15, 14, nk::k3DLight, kLeftStart, kLeftEnd);
        c.Arc(150, 15, 14, nk::k3DLight, kRightStart, kRightEnd);
        benchmark::DoNotOptimize(c.pixels().pixels.data());
    }
}
BENCHMARK(BM_SurfaceArcs);

void BM_SurfaceCaption(benchmark::State& state) {
    SurfaceCanvas c(kW, kH, 0xFFFFFF, 0, Caption());
    const nk::Rect r{0, 0, kW, kH};
    c.DrawText("Hello World", r, 0x25); // warm the glyph cache
    for (auto _ : state) {
        c.DrawText("Hello World", r, 0x25);
        benchmark::DoNotOptimize(c.pixels().pixels.data());
    }
}
BENCHMARK(BM_SurfaceCaption);

// --- pixman ---------------------------------------------------------------------------

struct PixmanPair {
    std::vector<std::uint32_t> srcBits, dstBits;
    pixman_image_t* src = nullptr;
    pixman_image_t* dst = nullptr;
    PixmanPair(int sw, int sh, int dw, int dh) : srcBits(Gradient(sw, sh, 32).pixels) {
        dstBits.assign(static_cast<std::size_t>(dw) * dh, 0xFFFFFFFFu);
        src = pixman_image_create_bits(PIXMAN_a8r8g8b8, sw, sh, srcBits.data(), sw * 4);
        dst = pixman_image_create_bits(PIXMAN_a8r8g8b8, dw, dh, dstBits.data(), dw * 4);
    }
    ~PixmanPair() {
        pixman_image_unref(src);
        pixman_image_unref(dst);
    }
    PixmanPair(const PixmanPair&) = delete;
    PixmanPair& operator=(const PixmanPair&) = delete;
    void Scale(double factor, pixman_filter_t filter) {
        pixman_transform_t t;
        pixman_transform_init_scale(&t, pixman_double_to_fixed(1 / factor),
                                    pixman_double_to_fixed(1 / factor));
        pixman_image_set_transform(src, &t);
        pixman_image_set_filter(src, filter, nullptr, 0);
    }
};

void BM_PixmanBlit(benchmark::State& state) {
    PixmanPair p(kW, kH, kW, kH);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, p.src, nullptr, p.dst, 0, 0, 0, 0, 0, 0, kW, kH);
        benchmark::DoNotOptimize(p.dstBits.data());
    }
}
BENCHMARK(BM_PixmanBlit);

void BM_PixmanStretchNearest(benchmark::State& state) {
    PixmanPair p(kW, kH, 2 * kW, 2 * kH);
    p.Scale(2, PIXMAN_FILTER_NEAREST);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, p.src, nullptr, p.dst, 0, 0, 0, 0, 0, 0, 2 * kW,
                                 2 * kH);
        benchmark::DoNotOptimize(p.dstBits.data());
    }
}
BENCHMARK(BM_PixmanStretchNearest);

void BM_PixmanStretchBilinear(benchmark::State& state) {
    PixmanPair p(kW, kH, 2 * kW, 2 * kH);
    p.Scale(2, PIXMAN_FILTER_BILINEAR);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, p.src, nullptr, p.dst, 0, 0, 0, 0, 0, 0, 2 * kW,
                                 2 * kH);
        benchmark::DoNotOptimize(p.dstBits.data());
    }
}
BENCHMARK(BM_PixmanStretchBilinear);

// --- cairo ----------------------------------------------------------------------------

struct CairoSurface {
    cairo_surface_t* surface;
    cairo_t* cr;
    CairoSurface(int w, int h)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)),
          cr(cairo_create(surface)) {
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
    }
    ~CairoSurface() {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    CairoSurface(const CairoSurface&) = delete;
    CairoSurface& operator=(const CairoSurface&) = delete;
};

void SetColour(cairo_t* cr, nk::OleColor c) {
    const std::uint32_t rgb = nk::ResolveColor(c);
    cairo_set_source_rgb(cr, (rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0,
                         (rgb & 0xFF) / 255.0);
}

void BM_CairoBlit(benchmark::State& state) {
    CairoSurface s(kW, kH);
    Image g = Gradient(kW, kH, 32);
    cairo_surface_t* src = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(g.pixels.data()), CAIRO_FORMAT_ARGB32, kW, kH, kW * 4);
    cairo_set_operator(s.cr, CAIRO_OPERATOR_SOURCE);
    for (auto _ : state) {
        cairo_set_source_surface(s.cr, src, 0, 0);
        cairo_paint(s.cr);
        cairo_surface_flush(s.surface);
    }
    cairo_surface_destroy(src);
}
BENCHMARK(BM_CairoBlit);

// The eight lines of the raised frame, one pixel wide on pixel centres.
void BM_CairoFrameLines(benchmark::State& state) {
    CairoSurface s(kW, kH);
    cairo_set_line_width(s.cr, 1);
    cairo_set_line_cap(s.cr, CAIRO_LINE_CAP_SQUARE);
    const double l = 0.5, t = 0.5, r = kW - 0.5, b = kH - 0.5;
    struct Seg {
        double x0, y0, x1, y1;
        nk::OleColor c;
    };
    const Seg segs[] = {
        {l, t, l, b - 1, nk::k3DHighlight}, {l + 1, t + 1, l + 1, b - 2, nk::k3DLight},
        {l, t, r - 1, t, nk::k3DHighlight}, {l + 1, t + 1, r - 2, t + 1, nk::k3DLight},
        {r, b, l, b, nk::k3DDarkShadow},    {r - 1, b - 1, l + 1, b - 1, nk::kButtonShadow},
        {r, b, r, t, nk::k3DDarkShadow},    {r - 1, b - 1, r - 1, t + 1, nk::kButtonShadow}};
    for (auto _ : state) {
        for (const Seg& g : segs) {
            SetColour(s.cr, g.c);
            cairo_move_to(s.cr, g.x0, g.y0);
            cairo_line_to(s.cr, g.x1, g.y1);
            cairo_stroke(s.cr);
        }
        cairo_surface_flush(s.surface);
    }
}
BENCHMARK(BM_CairoFrameLines);

void BM_CairoArcs(benchmark::State& state) {
    CairoSurface s(kW, kH);
    cairo_set_line_width(s.cr, 1);
    SetColour(s.cr, nk::k3DLight);
    // cairo's angles turn clockwise on screen: counter-clockwise from a to b is
    // cairo_arc_negative from -a to -b.
    for (auto _ : state) {
        cairo_new_sub_path(s.cr);
        cairo_arc_negative(s.cr, 16.5, 15.5, 14, -kLeftStart, -kLeftEnd);
        cairo_stroke(s.cr);
        cairo_new_sub_path(s.cr);
        cairo_arc_negative(s.cr, 150.5, 15.5, 14, -kRightStart, -kRightEnd);
        cairo_stroke(s.cr);
        cairo_surface_flush(s.surface);
    }
}
BENCHMARK(BM_CairoArcs);

void BM_CairoShowGlyphs(benchmark::State& state) {
    CairoSurface s(kW, kH);
    cairo_select_font_face(s.cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(s.cr, 20);
    cairo_set_source_rgb(s.cr, 0, 0, 0);
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(s.cr), 10, 60, "Hello World", -1,
                                     &glyphs, &count, nullptr, nullptr, nullptr);
    cairo_show_glyphs(s.cr, glyphs, count); // warm cairo's glyph cache
    for (auto _ : state) {
        cairo_show_glyphs(s.cr, glyphs, count);
        cairo_surface_flush(s.surface);
    }
    cairo_glyph_free(glyphs);
}
BENCHMARK(BM_CairoShowGlyphs);

// --- the table ------------------------------------------------------------------------

class Collector : public benchmark::ConsoleReporter {
public:
    // CPU time per iteration: on a shared machine the wall clock also counts the time
    // other processes held the core, which would blur the ratios.
    std::map<std::string, double> ns;
    // With repetitions, the median of each benchmark; without, its single run.
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (!median && r.run_type != Run::RT_Iteration) continue;
            const double perUnit = benchmark::GetTimeUnitMultiplier(r.time_unit);
            const std::string name = r.run_name.function_name;
            if (median || !medians_.count(name)) ns[name] = r.GetAdjustedCPUTime() / perUnit * 1e9;
            if (median) medians_.insert(name);
        }
        ConsoleReporter::ReportRuns(runs);
    }

private:
    std::set<std::string> medians_;
};

struct Target {
    const char* what;
    const char* ours;
    const char* reference;
    const char* against;
    double limit;
};

void PrintTable(const std::map<std::string, double>& ns) {
    const Target targets[] = {
        {"own-size blit 250x100", "BM_SurfaceBlit", "BM_Memcpy", "memcpy", 1.25},
        {"2x stretch, nearest", "BM_SurfaceStretchNearest", "BM_PixmanStretchNearest",
         "pixman nearest", 0.6},
        {"2x stretch, smooth", "BM_SurfaceStretchSmooth", "BM_PixmanStretchBilinear",
         "pixman bilinear", 1.0},
        {"8 frame lines", "BM_SurfaceFrameLines", "BM_CairoFrameLines", "cairo stroke", 0.15},
        {"2 arcs, radius 14", "BM_SurfaceArcs", "BM_CairoArcs", "cairo arc", 0.25},
        {"cached caption", "BM_SurfaceCaption", "BM_CairoShowGlyphs", "cairo_show_glyphs", 0.6},
        {"Chinese caption", "BM_SurfaceCaptionChinese", "BM_CairoShapedChinese", "hb + cairo text",
         0.8},
        {"Arabic caption", "BM_SurfaceCaptionArabic", "BM_CairoShapedArabic", "hb + cairo text",
         0.8},
        {"Arabic, 9 in turn", "BM_SurfaceCaptionArabicInTurn", "BM_CairoShapedArabicInTurn",
         "hb + cairo text", 0.8},
        {"own-size blit (info)", "BM_SurfaceBlit", "BM_PixmanBlit", "pixman SRC", 0},
        {"own-size blit (info)", "BM_SurfaceBlit", "BM_CairoBlit", "cairo paint", 0},
    };
    std::printf("\nCPU time per operation\n%-22s %11s %-18s %11s %7s %7s\n", "operation",
                "ours (ns)", "against", "theirs (ns)", "ratio", "target");
    int met = 0, total = 0;
    for (const Target& t : targets) {
        const auto a = ns.find(t.ours), b = ns.find(t.reference);
        if (a == ns.end() || b == ns.end()) continue;
        const double ratio = a->second / b->second;
        char target[32] = "";
        const char* verdict = "";
        if (t.limit > 0) {
            std::snprintf(target, sizeof target, "<=%.2f", t.limit);
            ++total;
            if (ratio <= t.limit) {
                ++met;
                verdict = "met";
            } else {
                verdict = "MISSED";
            }
        }
        std::printf("%-22s %11.0f %-18s %11.0f %7.3f %7s %s\n", t.what, a->second, t.against,
                    b->second, ratio, target, verdict);
    }
    std::printf("%d of %d targets met\n", met, total);
}

} // namespace

int main(int argc, char** argv) {
    // Five repetitions and their medians unless the command line says otherwise: the
    // machine may be shared, and the median shrugs off a disturbed repetition.
    std::vector<char*> args(argv, argv + argc);
    std::string reps = "--benchmark_repetitions=5",
                only = "--benchmark_report_aggregates_only=true",
                minTime = "--benchmark_min_time=0.2";
    bool chosen = false;
    for (int i = 1; i < argc; ++i)
        chosen = chosen || std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0;
    if (!chosen) {
        args.insert(args.begin() + 1, {reps.data(), only.data(), minTime.data()});
    }
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    PrintTable(collector.ns);
    benchmark::Shutdown();
    return 0;
}
