// Text on the raster surface: fonts found through fontconfig, glyphs rendered by FreeType
// into a cache of the kit's own, and the layout of Print, TextWidth, TextHeight and
// DrawText.
//
// Font sizes are points at 96 dots per inch. A surface font resolves to a face file by
// its name and styles ("Arial" finds Liberation Sans); DejaVu Sans stands in when nothing
// else loads. A character the chosen face lacks comes from the first face of fontconfig's
// sorted list for the font's family, style and language that has it. Runs in scripts
// that join or reorder their letters, and combining marks, are shaped by HarfBuzz;
// right-to-left text is put in display order by the bidirectional algorithm (FriBidi).
// The faces, their sizes and their glyphs are shared by the whole process and guarded by
// one lock: hold TextLock() while using a SizedFont.
#pragma once

#include "framework/font.h"
#include "framework/values.h"
#include "host/surface/raster.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct hb_font_t;

namespace nk::text {

namespace detail {
struct ShapeCache;
}

// One rendered glyph: 8-bit coverage, `width` x `rows`, placed relative to the pen on the
// baseline.
struct Glyph {
    std::int32_t left = 0; // columns from the pen to the bitmap's left edge
    std::int32_t top = 0;  // rows from the bitmap's top edge down to the baseline
    std::int32_t width = 0;
    std::int32_t rows = 0;
    std::int32_t advance = 0; // pixels the pen moves on
    std::int32_t stride = 0;  // bytes per row: the width padded with empty columns to a
                              // multiple of four, so that blending runs in whole groups
    std::uint32_t offset = 0; // of the coverage bytes in the font's store
};

// Line metrics in whole pixels.
struct Metrics {
    int pixelSize = 0;    // the em size
    int ascent = 0;       // rows above the baseline
    int descent = 0;      // rows from the baseline down
    int height = 0;       // ascent + descent: the height of one line
    int aveCharWidth = 0; // the average character width, for tab stops
    int underlineTop = 0; // first row of an underline, counted from the baseline down
    int underlineThickness = 1;
    int strikeTop = 0; // first row of a strikethru line, counted from the baseline up
    int strikeThickness = 1;
};

struct FaceHandle;   // a FreeType face, private to the text engine
struct FallbackList; // the faces to take missing characters from, private to the engine

// A face at one pixel size, with its synthetic styles and its glyph cache: a flat table
// for the first 256 characters and a map for the rest. Glyph references stay valid for
// the life of the font; coverage pointers until the next GetGlyph.
class SizedFont {
public:
    // A fallback-only font never looks further for the characters it lacks.
    SizedFont(std::shared_ptr<FaceHandle> face, int pixelSize, bool embolden, bool oblique,
              bool fallbackOnly = false);
    ~SizedFont();
    SizedFont(const SizedFont&) = delete;
    SizedFont& operator=(const SizedFont&) = delete;

    const Metrics& metrics() const { return metrics_; }
    bool ok() const { return ok_; }
    // The glyph of a character, rendered on first use. A character the face lacks comes
    // from the fallback face when that has it, else the face's own missing-glyph box.
    const Glyph& GetGlyph(char32_t c) {
        if (c < kFlat) {
            if (flatLoaded_[c]) return flat_[c];
            return LoadFlat(c);
        }
        return LoadOther(c);
    }
    const std::uint8_t* Coverage(const Glyph& g) const { return store_.data() + g.offset; }

    // Whether the face itself has the character.
    bool Has(char32_t c) const;
    // The font whose face draws a character: this one when its face has it, else the
    // first of the fallback list that has it, else this one (its missing-glyph box).
    SizedFont& FontFor(char32_t c);
    // The glyph of a glyph index of the face, rendered on first use.
    const Glyph& GetGlyphAt(unsigned glyphIndex);
    // HarfBuzz's font over this face at this size, ready to shape; nullptr when HarfBuzz
    // cannot take the face.
    hb_font_t* Shaper();
    // The pixels synthetic bold adds to each advance.
    int emboldenAdvance() const { return emboldenAdvance_; }

    // What this font shaped lately.
    detail::ShapeCache& shapeCache();

    bool hasFallbacks() const { return fallbacks_ != nullptr; }
    void SetFallbacks(std::shared_ptr<const FallbackList> list);

private:
    static constexpr char32_t kFlat = 256;
    const Glyph& LoadFlat(char32_t c);
    const Glyph& LoadOther(char32_t c);
    Glyph Render(char32_t c);
    bool RenderFrom(FaceHandle& face, unsigned glyphIndex, Glyph& out);
    SizedFont* FallbackFor(char32_t c);

    std::shared_ptr<FaceHandle> face_;
    std::shared_ptr<const FallbackList> fallbacks_;
    std::vector<std::shared_ptr<SizedFont>> opened_;       // by place in the fallback list
    std::unordered_map<char32_t, SizedFont*> fallbackFor_; // nullptr: no face has it
    std::unordered_map<unsigned, Glyph> byIndex_;
    std::unique_ptr<hb_font_t, void (*)(hb_font_t*)> shaper_{nullptr, nullptr};
    std::unique_ptr<detail::ShapeCache> shapeCache_;
    int pixelSize_;
    bool embolden_;
    bool oblique_;
    bool fallbackOnly_;
    bool ok_ = false;
    int emboldenAdvance_ = 0;
    Metrics metrics_;
    std::array<Glyph, kFlat> flat_{};
    std::bitset<kFlat> flatLoaded_;
    std::unordered_map<char32_t, Glyph> others_;
    std::vector<std::uint8_t> store_;
};

// The lock that guards every font, face and glyph cache.
std::unique_lock<std::mutex> TextLock();

// The sized font for a surface font, shared process-wide; nullptr when no face at all can
// be loaded. Call with TextLock() held.
std::shared_ptr<SizedFont> ResolveFont(const Font& font);

// The pixel em size of a font size in points at 96 dots per inch (at least 1).
int PixelSize(double points);

// Where text goes and how it looks.
struct Pen {
    raster::View view;
    raster::Box clip;    // already limited to the view
    std::uint32_t color; // 0xFFRRGGBB
    bool underline = false;
    bool strikethru = false;
};

// The width of the widest line and the number of lines ("\r\n", "\n" and "\r" break).
struct Extent {
    int width = 0;
    int lines = 1;
};
Extent MeasureText(SizedFont& font, std::string_view text);

// Draws text line by line, the first line's top-left corner at (x, y) and each further
// line at (nextLineX, y + line height * i). Returns the number of lines.
int PrintText(SizedFont& font, const Pen& pen, std::string_view text, std::int64_t x,
              std::int64_t y, std::int64_t nextLineX);

// The DrawText flags (see framework/host.h) as layout choices. When the tab-stop flag is
// set, the high byte of the low word is the number of characters per tab (eight when it is
// zero), so the no-clip and no-prefix bits, which lie in that byte, do not apply.
struct DrawTextFlags {
    bool center = false;
    bool right = false;
    bool vcenter = false;   // with singleLine only
    bool bottom = false;    // 0x08, with singleLine only
    bool wordBreak = false; // unless singleLine
    bool singleLine = false;
    bool expandTabs = false;
    bool clip = true;
    bool prefix = true;
    int tabChars = 8;
};
DrawTextFlags ParseDrawTextFlags(unsigned flags);

// Lays out and draws text in a rectangle by the DrawText flags.
void DrawTextInRect(SizedFont& font, Pen pen, std::string_view text, const Rect& r, unsigned flags);

// Text drawn at a device scale: the font at `scale` times the size, rasterising what the
// logical font laid out.
struct DeviceText {
    SizedFont* font = nullptr;
    double scale = 1.0;
};

// The same on a surface of `device.scale` device pixels per logical pixel: `font` and `r`
// are logical and decide the lines (where words break, which characters are marked); each
// line is then drawn with the device font, aligned in the scaled rectangle by the flags.
void DrawTextInRect(SizedFont& font, Pen pen, std::string_view text, const Rect& r, unsigned flags,
                    const DeviceText& device);

// The most characters of a caption that are laid out and drawn, so that a caption of any
// length costs bounded work: far more than a control shows, well short of what makes
// shaping slow. Every character counts, line ends and access-key prefixes included.
inline constexpr std::size_t kCaptionLimit = 4096;

// The part of a caption that is laid out: the whole of it up to kCaptionLimit characters,
// else its first kCaptionLimit characters. The cut falls between two characters, never
// inside a UTF-8 sequence, and before the cluster the cut would split (a letter and the
// combining marks, joiners and selectors that follow it) unless that cluster is longer
// than any real one.
std::string_view CaptionCut(std::string_view text);

// Decodes the UTF-8 character at text[i] and moves i past it; a malformed sequence gives
// U+FFFD and moves past one byte.
char32_t NextChar(std::string_view text, std::size_t& i);

} // namespace nk::text
