// Fonts and the glyph cache.
#include "host/surface/text.h"

#include "host/surface/text_cells.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <harfbuzz/hb-ft.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

namespace nk::text {

namespace {

// Faces larger than this many pixels are drawn at this size: a glyph of a thousand-point
// font would otherwise cost hundreds of megabytes of coverage.
constexpr int kMaxPixelSize = 1024;
// Sized fonts kept once nothing else holds them.
constexpr std::size_t kKeepFonts = 48;

struct Library {
    FT_Library lib = nullptr;
    Library() {
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    }
    ~Library() {
        if (lib) FT_Done_FreeType(lib);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
};

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

// Where a font name and style lead: a face file, and the styles to make up because the
// family has no such face.
struct FaceChoice {
    std::string file;
    int index = 0;
    bool embolden = false;
    bool oblique = false;
};

// fontconfig's sorted list for a family and style: each face with the characters it has.
struct FallbackList {
    struct Entry {
        FaceChoice choice;
        FcCharSet* charset = nullptr; // a reference of the list's own
    };
    std::vector<Entry> entries;
    FallbackList() = default;
    FallbackList(const FallbackList&) = delete;
    FallbackList& operator=(const FallbackList&) = delete;
    ~FallbackList() {
        for (const Entry& e : entries)
            FcCharSetDestroy(e.charset);
    }
};

struct FaceHandle {
    std::shared_ptr<Library> library; // outlives the face
    FT_Face face = nullptr;
    ~FaceHandle() {
        if (face) FT_Done_Face(face);
    }
};

namespace {

class Engine {
public:
    std::mutex mutex;

    std::shared_ptr<SizedFont> Resolve(const Font& font) {
        const int px = PixelSize(font.size);
        const std::optional<FaceChoice> choice = Choose(font.name, font.bold, font.italic);
        std::shared_ptr<SizedFont> f = choice ? Sized(*choice, px) : nullptr;
        if (f) {
            if (!f->hasFallbacks()) f->SetFallbacks(Sorted(font.name, font.bold, font.italic));
            return f;
        }
        f = Fallback(px);
        if (f && !f->hasFallbacks()) f->SetFallbacks(Sorted(kLastResort, false, false));
        return f;
    }

    // DejaVu Sans at a pixel size: the face of last resort.
    std::shared_ptr<SizedFont> Fallback(int px) {
        if (auto choice = Choose(kLastResort, false, false))
            if (auto f = Sized(*choice, px)) return f;
        return Sized(LastResortFile(), px);
    }

    // A face of a fallback list at a pixel size, kept apart from the fonts captions
    // resolve to so that fallback fonts never look further themselves.
    std::shared_ptr<SizedFont> FallbackSized(const FaceChoice& choice, int px) {
        const SizeKey key{choice.file, choice.index, px, choice.embolden, choice.oblique};
        if (auto it = fallbackSized_.find(key); it != fallbackSized_.end()) return it->second;
        auto face = Face(choice.file, choice.index);
        std::shared_ptr<SizedFont> font;
        if (face) {
            font = std::make_shared<SizedFont>(face, px, choice.embolden, choice.oblique, true);
            if (!font->ok()) font = nullptr;
        }
        fallbackSized_.emplace(key, font);
        return font;
    }

    // The list fontconfig sorts for a family and style, cached by both.
    std::shared_ptr<const FallbackList> Sorted(const std::string& name, bool bold, bool italic) {
        const NameKey key{Lower(name), bold, italic};
        if (auto it = sorted_.find(key); it != sorted_.end()) return it->second;
        auto list = Sort(name, bold, italic);
        sorted_.emplace(key, list);
        return list;
    }

private:
    using NameKey = std::tuple<std::string, bool, bool>;
    using SizeKey = std::tuple<std::string, int, int, bool, bool>;

    std::shared_ptr<Library> library_ = std::make_shared<Library>();
    bool fcTried_ = false;
    bool fcReady_ = false;
    std::map<NameKey, std::optional<FaceChoice>> names_;
    std::map<std::pair<std::string, int>, std::shared_ptr<FaceHandle>> faces_;
    std::map<SizeKey, std::shared_ptr<SizedFont>> sized_;
    std::map<SizeKey, std::shared_ptr<SizedFont>> fallbackSized_;
    std::map<NameKey, std::shared_ptr<const FallbackList>> sorted_;

    static constexpr const char* kLastResort = "DejaVu Sans";
    static FaceChoice LastResortFile() {
        return {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0, false, false};
    }

    bool Ready() {
        if (!fcTried_) {
            fcTried_ = true;
            fcReady_ = FcInit() == FcTrue;
        }
        return fcReady_;
    }

    // The pattern fontconfig matches and sorts for a family and style.
    static FcPattern* Pattern(const std::string& name, bool bold, bool italic) {
        FcPattern* pattern = FcPatternCreate();
        if (!pattern) return nullptr;
        if (!name.empty())
            FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern); // adds the language of the environment
        return pattern;
    }

    // The face file of a matched or sorted pattern and the styles to make up for it.
    static std::optional<FaceChoice> ChoiceOf(FcPattern* font, bool bold, bool italic) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file)
            return std::nullopt;
        FaceChoice c;
        c.file = reinterpret_cast<const char*>(file);
        int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
        FcBool embolden = FcFalse;
        if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) c.index = index;
        FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(font, FC_SLANT, 0, &slant);
        FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
        c.embolden = bold && (embolden == FcTrue || weight < FC_WEIGHT_DEMIBOLD);
        c.oblique = italic && slant == FC_SLANT_ROMAN;
        return c;
    }

    std::shared_ptr<const FallbackList> Sort(const std::string& name, bool bold, bool italic) {
        auto list = std::make_shared<FallbackList>();
        if (!Ready()) return list;
        FcPattern* pattern = Pattern(name, bold, italic);
        if (!pattern) return list;
        FcResult result = FcResultNoMatch;
        FcFontSet* set = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result);
        FcPatternDestroy(pattern);
        if (!set) return list;
        for (int i = 0; i < set->nfont; ++i) {
            FcPattern* font = set->fonts[i];
            FcBool scalable = FcFalse;
            FcCharSet* charset = nullptr;
            if (FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) != FcResultMatch || !scalable)
                continue; // bitmap faces are not drawn
            if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch || !charset)
                continue;
            if (auto choice = ChoiceOf(font, bold, italic))
                list->entries.push_back({*choice, FcCharSetCopy(charset)});
        }
        FcFontSetDestroy(set);
        return list;
    }

    std::optional<FaceChoice> Choose(const std::string& name, bool bold, bool italic) {
        const NameKey key{Lower(name), bold, italic};
        if (auto it = names_.find(key); it != names_.end()) return it->second;
        std::optional<FaceChoice> choice = Match(name, bold, italic);
        names_.emplace(key, choice);
        return choice;
    }

    std::optional<FaceChoice> Match(const std::string& name, bool bold, bool italic) {
        if (!Ready()) return std::nullopt;
        FcPattern* pattern = Pattern(name, bold, italic);
        if (!pattern) return std::nullopt;
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (!match) return std::nullopt;
        std::optional<FaceChoice> choice = ChoiceOf(match, bold, italic);
        FcPatternDestroy(match);
        return choice;
    }

    std::shared_ptr<FaceHandle> Face(const std::string& file, int index) {
        const auto key = std::make_pair(file, index);
        if (auto it = faces_.find(key); it != faces_.end()) return it->second;
        if (!library_->lib) return nullptr;
        auto handle = std::make_shared<FaceHandle>();
        handle->library = library_;
        if (FT_New_Face(library_->lib, file.c_str(), index, &handle->face) != 0) {
            handle->face = nullptr;
            return nullptr;
        }
        faces_.emplace(key, handle);
        return handle;
    }

    std::shared_ptr<SizedFont> Sized(const FaceChoice& choice, int px) {
        const SizeKey key{choice.file, choice.index, px, choice.embolden, choice.oblique};
        if (auto it = sized_.find(key); it != sized_.end()) return it->second;
        auto face = Face(choice.file, choice.index);
        if (!face) return nullptr;
        auto font = std::make_shared<SizedFont>(face, px, choice.embolden, choice.oblique);
        if (!font->ok()) return nullptr;
        Trim();
        sized_.emplace(key, font);
        return font;
    }

    // Lets go of sized fonts that nobody else holds once there are many.
    void Trim() {
        if (sized_.size() < kKeepFonts) return;
        for (auto it = sized_.begin(); it != sized_.end();) {
            if (it->second.use_count() == 1)
                it = sized_.erase(it);
            else
                ++it;
        }
    }
};

Engine& TheEngine() {
    static Engine engine;
    return engine;
}

int RoundPositive(double v) {
    return static_cast<int>(std::lround(std::max(0.0, v)));
}

} // namespace

int PixelSize(double points) {
    if (!std::isfinite(points)) return 1;
    const double px = std::round(points * 96.0 / 72.0);
    if (px < 1) return 1;
    if (px > kMaxPixelSize) return kMaxPixelSize;
    return static_cast<int>(px);
}

std::unique_lock<std::mutex> TextLock() {
    return std::unique_lock<std::mutex>(TheEngine().mutex);
}

std::shared_ptr<SizedFont> ResolveFont(const Font& font) {
    return TheEngine().Resolve(font);
}

SizedFont::SizedFont(std::shared_ptr<FaceHandle> face, int pixelSize, bool embolden, bool oblique,
                     bool fallbackOnly)
    : face_(std::move(face)), pixelSize_(pixelSize), embolden_(embolden), oblique_(oblique),
      fallbackOnly_(fallbackOnly) {
    FT_Face f = face_->face;
    if (!f || FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(pixelSize)) != 0) return;
    Metrics m;
    m.pixelSize = pixelSize;
    const double scale = f->units_per_EM > 0 ? pixelSize / static_cast<double>(f->units_per_EM) : 0;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && scale > 0 && os2->usWinAscent + os2->usWinDescent > 0) {
        m.ascent = RoundPositive(os2->usWinAscent * scale);
        m.descent = RoundPositive(os2->usWinDescent * scale);
        m.aveCharWidth = RoundPositive(os2->xAvgCharWidth * scale);
        m.strikeThickness = std::max(1, RoundPositive(os2->yStrikeoutSize * scale));
        m.strikeTop = static_cast<int>(std::lround(os2->yStrikeoutPosition * scale));
    } else {
        m.ascent = static_cast<int>((f->size->metrics.ascender + 63) >> 6);
        m.descent = static_cast<int>((-f->size->metrics.descender + 63) >> 6);
        m.strikeThickness = std::max(1, pixelSize / 14);
        m.strikeTop = m.ascent * 3 / 10 + m.strikeThickness;
    }
    if (scale > 0 && f->underline_thickness > 0) {
        const double thickness = f->underline_thickness * scale;
        m.underlineThickness = std::max(1, RoundPositive(thickness));
        m.underlineTop =
            static_cast<int>(std::lround(-f->underline_position * scale - thickness / 2));
    } else {
        m.underlineThickness = std::max(1, pixelSize / 14);
        m.underlineTop = 1;
    }
    if (embolden_) {
        m.underlineThickness = std::max(m.underlineThickness, pixelSize / 12);
        // What FreeType's synthetic bold adds to an advance.
        const FT_Pos strength = FT_MulFix(f->units_per_EM, f->size->metrics.y_scale) / 24;
        emboldenAdvance_ = static_cast<int>((strength + 32) >> 6);
    }
    m.height = m.ascent + m.descent;
    // Keep the underline inside the line so that clipping to the line keeps it.
    m.underlineTop = std::clamp(m.underlineTop, 0, std::max(0, m.descent - m.underlineThickness));
    metrics_ = m;
    ok_ = m.height > 0;
    if (ok_ && m.aveCharWidth <= 0) metrics_.aveCharWidth = std::max(1, GetGlyph(U'x').advance);
}

SizedFont::~SizedFont() = default;

void SizedFont::SetFallbacks(std::shared_ptr<const FallbackList> list) {
    fallbacks_ = std::move(list);
    opened_.assign(fallbacks_ ? fallbacks_->entries.size() : 0, nullptr);
}

bool SizedFont::Has(char32_t c) const {
    return ok_ && FT_Get_Char_Index(face_->face, c) != 0;
}

SizedFont& SizedFont::FontFor(char32_t c) {
    if (Has(c)) return *this;
    SizedFont* other = FallbackFor(c);
    return other ? *other : *this;
}

SizedFont* SizedFont::FallbackFor(char32_t c) {
    if (fallbackOnly_ || !ok_) return nullptr;
    if (auto it = fallbackFor_.find(c); it != fallbackFor_.end()) return it->second;
    SizedFont* found = nullptr;
    const auto usable = [&](const std::shared_ptr<SizedFont>& f) {
        return f && f->face_ != face_ && f->Has(c);
    };
    if (fallbacks_ && !fallbacks_->entries.empty()) {
        for (std::size_t i = 0; i < fallbacks_->entries.size() && !found; ++i) {
            const FallbackList::Entry& e = fallbacks_->entries[i];
            if (!FcCharSetHasChar(e.charset, c)) continue;
            if (!opened_[i]) opened_[i] = TheEngine().FallbackSized(e.choice, pixelSize_);
            if (usable(opened_[i])) found = opened_[i].get();
        }
    } else {
        // Without fontconfig the face of last resort is the one fallback.
        if (opened_.empty())
            opened_.push_back(TheEngine().FallbackSized(
                {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}, pixelSize_));
        if (usable(opened_[0])) found = opened_[0].get();
    }
    fallbackFor_.emplace(c, found);
    return found;
}

const Glyph& SizedFont::GetGlyphAt(unsigned glyphIndex) {
    if (auto it = byIndex_.find(glyphIndex); it != byIndex_.end()) return it->second;
    Glyph g;
    if (!ok_ || !RenderFrom(*face_, glyphIndex, g)) g = Glyph{};
    return byIndex_.emplace(glyphIndex, g).first->second;
}

detail::ShapeCache& SizedFont::shapeCache() {
    if (!shapeCache_) shapeCache_ = std::make_unique<detail::ShapeCache>();
    return *shapeCache_;
}

hb_font_t* SizedFont::Shaper() {
    if (!ok_) return nullptr;
    if (!shaper_) {
        // HarfBuzz reads the face's tables through FreeType once and then places glyphs
        // from them on its own, in 26.6 pixels at this size.
        hb_face_t* face = hb_ft_face_create_referenced(face_->face);
        hb_font_t* font = hb_font_create(face);
        hb_face_destroy(face);
        if (!font) return nullptr;
        hb_font_set_scale(font, pixelSize_ * 64, pixelSize_ * 64);
        hb_font_set_ppem(font, static_cast<unsigned>(pixelSize_),
                         static_cast<unsigned>(pixelSize_));
        shaper_ = {font, &hb_font_destroy};
    }
    return shaper_.get();
}

const Glyph& SizedFont::LoadFlat(char32_t c) {
    flat_[c] = Render(c);
    flatLoaded_.set(c);
    return flat_[c];
}

const Glyph& SizedFont::LoadOther(char32_t c) {
    if (auto it = others_.find(c); it != others_.end()) return it->second;
    return others_.emplace(c, Render(c)).first->second;
}

Glyph SizedFont::Render(char32_t c) {
    Glyph g;
    FT_Face f = face_->face;
    if (!ok_ || !f) return g;
    FT_UInt index = FT_Get_Char_Index(f, c);
    if (index == 0 && c >= 0x20) {
        // A character this face lacks: take it from the first fallback face that has it.
        if (SizedFont* fallback = FallbackFor(c)) {
            const Glyph& other = fallback->GetGlyph(c);
            g = other;
            g.offset = static_cast<std::uint32_t>(store_.size());
            const std::uint8_t* src = fallback->Coverage(other);
            store_.insert(store_.end(), src,
                          src + static_cast<std::size_t>(other.stride) * other.rows);
            return g;
        }
    }
    if (!RenderFrom(*face_, index, g)) g = Glyph{};
    return g;
}

bool SizedFont::RenderFrom(FaceHandle& face, unsigned glyphIndex, Glyph& out) {
    FT_Face f = face.face;
    // Several sizes share one face: select this one before loading.
    if (FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(pixelSize_)) != 0) return false;
    if (FT_Load_Glyph(f, glyphIndex, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return false;
    FT_GlyphSlot slot = f->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (embolden_) FT_GlyphSlot_Embolden(slot);
        if (oblique_) FT_GlyphSlot_Oblique(slot);
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return false;
    const FT_Bitmap& bm = slot->bitmap;
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = static_cast<std::int32_t>(bm.width);
    out.rows = static_cast<std::int32_t>(bm.rows);
    out.advance = static_cast<std::int32_t>((slot->advance.x + 32) >> 6);
    out.stride = (out.width + 3) & ~3;
    out.offset = static_cast<std::uint32_t>(store_.size());
    store_.resize(store_.size() + static_cast<std::size_t>(out.stride) * out.rows, 0);
    std::uint8_t* dst = store_.data() + out.offset;
    for (int y = 0; y < out.rows; ++y) {
        const int pitch = bm.pitch;
        const unsigned char* row =
            pitch >= 0 ? bm.buffer + static_cast<std::ptrdiff_t>(y) * pitch
                       : bm.buffer + static_cast<std::ptrdiff_t>(out.rows - 1 - y) * -pitch;
        std::uint8_t* d = dst + static_cast<std::size_t>(y) * out.stride;
        if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) {
            std::memcpy(d, row, static_cast<std::size_t>(out.width));
        } else if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
            for (int x = 0; x < out.width; ++x)
                d[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
        } else {
            std::memset(d, 0, static_cast<std::size_t>(out.width));
        }
    }
    return true;
}

char32_t NextChar(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t c = 0, min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
        min = 0x10000;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(i + k);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return c;
}

} // namespace nk::text
