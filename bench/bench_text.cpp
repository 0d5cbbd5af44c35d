// Captions beyond the Latin letters against cairo with HarfBuzz shaping: a cached Chinese
// caption, whose characters come from a fallback font, and an Arabic caption, shaped and
// put right to left on every draw. cairo is given the font that has the characters and
// HarfBuzz's glyphs for the text each time, as an application doing its own shaping would.
#include "host/surface/surface_canvas.h"

#include <benchmark/benchmark.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <harfbuzz/hb.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kW = 250, kH = 100;
constexpr double kPixels = 20; // Liberation Sans 15 points at 96 dots per inch
constexpr const char* kChinese = "打开文件夹";
constexpr const char* kArabic = "فتح الملف";
// Nine captions drawn in turn, one more than a font keeps shaped, so each is shaped afresh.
const std::vector<std::string> kArabicInTurn = {"فتح الملف",   "حفظ الملف",   "إغلاق الملف",
                                                "نسخ الملف",   "لصق الملف",   "قص الملف",
                                                "طباعة الملف", "تحرير الملف", "حذف الملف"};

void OurCaptions(benchmark::State& state, const std::vector<std::string>& texts) {
    nk::Font font;
    font.name = "Liberation Sans";
    font.size = 15;
    nk::SurfaceCanvas c(kW, kH, 0xFFFFFF, 0, font);
    const nk::Rect r{0, 0, kW, kH};
    for (const std::string& text : texts)
        c.DrawText(text, r, 0x25); // warm the glyph cache
    std::size_t next = 0;
    for (auto _ : state) {
        c.DrawText(texts[next], r, 0x25);
        next = next + 1 == texts.size() ? 0 : next + 1;
        benchmark::DoNotOptimize(c.pixels().pixels.data());
    }
}

void OurCaption(benchmark::State& state, const char* text) {
    OurCaptions(state, {text});
}

void BM_SurfaceCaptionChinese(benchmark::State& state) {
    OurCaption(state, kChinese);
}
BENCHMARK(BM_SurfaceCaptionChinese);

void BM_SurfaceCaptionArabic(benchmark::State& state) {
    OurCaption(state, kArabic);
}
BENCHMARK(BM_SurfaceCaptionArabic);

void BM_SurfaceCaptionArabicInTurn(benchmark::State& state) {
    OurCaptions(state, kArabicInTurn);
}
BENCHMARK(BM_SurfaceCaptionArabicInTurn);

// The file fontconfig finds for a family.
std::string FileOf(const char* family) {
    std::string file;
    FcPattern* p = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, p, FcMatchPattern);
    FcDefaultSubstitute(p);
    FcResult result = FcResultNoMatch;
    if (FcPattern* m = FcFontMatch(nullptr, p, &result)) {
        FcChar8* f = nullptr;
        if (FcPatternGetString(m, FC_FILE, 0, &f) == FcResultMatch)
            file = reinterpret_cast<char*>(f);
        FcPatternDestroy(m);
    }
    FcPatternDestroy(p);
    return file;
}

template <class T, void (*Free)(T*)> using Owned = std::unique_ptr<T, decltype(Free)>;

void CairoShaped(benchmark::State& state, const char* family,
                 const std::vector<std::string>& texts) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kW, kH);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, kPixels);
    cairo_set_source_rgb(cr, 0, 0, 0);

    Owned<hb_blob_t, hb_blob_destroy> blob(hb_blob_create_from_file(FileOf(family).c_str()),
                                           hb_blob_destroy);
    Owned<hb_face_t, hb_face_destroy> face(hb_face_create(blob.get(), 0), hb_face_destroy);
    Owned<hb_font_t, hb_font_destroy> font(hb_font_create(face.get()), hb_font_destroy);
    hb_font_set_scale(font.get(), static_cast<int>(kPixels * 64), static_cast<int>(kPixels * 64));
    Owned<hb_buffer_t, hb_buffer_destroy> buffer(hb_buffer_create(), hb_buffer_destroy);
    std::vector<cairo_glyph_t> glyphs;
    std::vector<cairo_text_cluster_t> clusters;

    const auto draw = [&](const std::string& caption) {
        const char* text = caption.c_str();
        const int bytes = static_cast<int>(caption.size());
        hb_buffer_clear_contents(buffer.get());
        hb_buffer_add_utf8(buffer.get(), text, bytes, 0, bytes);
        hb_buffer_guess_segment_properties(buffer.get());
        hb_shape(font.get(), buffer.get(), nullptr, 0);
        unsigned n = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer.get(), &n);
        const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer.get(), &n);
        glyphs.resize(n);
        double x = 10;
        for (unsigned i = 0; i < n; ++i) {
            glyphs[i] = {info[i].codepoint, x + pos[i].x_offset / 64.0,
                         60 - pos[i].y_offset / 64.0};
            x += pos[i].x_advance / 64.0;
        }
        // Clusters go in text order; right-to-left glyphs come last character first, and
        // cairo is told so.
        const bool backward = hb_buffer_get_direction(buffer.get()) == HB_DIRECTION_RTL;
        clusters.clear();
        for (unsigned k = 0; k < n;) {
            const unsigned start = info[backward ? n - 1 - k : k].cluster;
            unsigned j = k;
            while (j < n && info[backward ? n - 1 - j : j].cluster == start)
                ++j;
            const unsigned end =
                j < n ? info[backward ? n - 1 - j : j].cluster : static_cast<unsigned>(bytes);
            clusters.push_back({static_cast<int>(end - start), static_cast<int>(j - k)});
            k = j;
        }
        cairo_show_text_glyphs(cr, text, bytes, glyphs.data(), static_cast<int>(n), clusters.data(),
                               static_cast<int>(clusters.size()),
                               backward ? CAIRO_TEXT_CLUSTER_FLAG_BACKWARD
                                        : static_cast<cairo_text_cluster_flags_t>(0));
        cairo_surface_flush(surface);
    };
    for (const std::string& text : texts)
        draw(text); // warm cairo's glyph cache
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS)
        state.SkipWithError(cairo_status_to_string(cairo_status(cr)));
    std::size_t next = 0;
    for (auto _ : state) {
        draw(texts[next]);
        next = next + 1 == texts.size() ? 0 : next + 1;
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

void BM_CairoShapedChinese(benchmark::State& state) {
    CairoShaped(state, "Droid Sans Fallback", {kChinese});
}
BENCHMARK(BM_CairoShapedChinese);

void BM_CairoShapedArabic(benchmark::State& state) {
    CairoShaped(state, "DejaVu Sans", {kArabic});
}
BENCHMARK(BM_CairoShapedArabic);

void BM_CairoShapedArabicInTurn(benchmark::State& state) {
    CairoShaped(state, "DejaVu Sans", kArabicInTurn);
}
BENCHMARK(BM_CairoShapedArabicInTurn);

} // namespace
