// Shaping and display order: HarfBuzz shapes the runs in scripts that join, combine or
// reorder their letters, FriBidi works out which runs go right to left, and each line is
// put in display order from the levels.
#include "host/surface/text_cells.h"

#include <algorithm>
#include <array>
#include <memory>

#include <fribidi/fribidi.h>
#include <harfbuzz/hb.h>

namespace nk::text::detail {

namespace {

bool ShapedScript(hb_script_t s) {
    switch (s) {
    case HB_SCRIPT_ARABIC:
    case HB_SCRIPT_HEBREW:
    case HB_SCRIPT_SYRIAC:
    case HB_SCRIPT_THAANA:
    case HB_SCRIPT_NKO:
    case HB_SCRIPT_DEVANAGARI:
    case HB_SCRIPT_BENGALI:
    case HB_SCRIPT_GURMUKHI:
    case HB_SCRIPT_GUJARATI:
    case HB_SCRIPT_ORIYA:
    case HB_SCRIPT_TAMIL:
    case HB_SCRIPT_TELUGU:
    case HB_SCRIPT_KANNADA:
    case HB_SCRIPT_MALAYALAM:
    case HB_SCRIPT_SINHALA:
    case HB_SCRIPT_THAI:
    case HB_SCRIPT_LAO:
    case HB_SCRIPT_TIBETAN:
    case HB_SCRIPT_MYANMAR:
    case HB_SCRIPT_KHMER:
    case HB_SCRIPT_MONGOLIAN:
        return true;
    default:
        return false;
    }
}

// Combining marks and the invisible joiners take part in shaping in every script.
bool Combining(hb_unicode_funcs_t* u, char32_t c) {
    switch (hb_unicode_general_category(u, c)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_FORMAT:
        return true;
    default:
        return false;
    }
}

// Whether `c` belongs to the cluster of the character before it, `previous`: combining
// marks, joiners and selectors do, and so does whatever a zero-width joiner joins on.
bool ContinuesCluster(hb_unicode_funcs_t* u, char32_t c, char32_t previous) {
    return previous == 0x200D || Combining(u, c);
}

// No character below U+0300 needs shaping or runs right to left.
constexpr char32_t kFirstSpecial = 0x300;

bool NeedsShaping(hb_unicode_funcs_t* u, char32_t c) {
    return c >= kFirstSpecial && (Combining(u, c) || ShapedScript(hb_unicode_script(u, c)));
}

bool RightToLeft(char32_t c) {
    if (c < kFirstSpecial) return false;
    const FriBidiCharType t = fribidi_get_bidi_type(c);
    return FRIBIDI_IS_RTL(t) || FRIBIDI_IS_EXPLICIT(t) || FRIBIDI_IS_ISOLATE(t);
}

bool Neutral(hb_script_t s) {
    return s == HB_SCRIPT_COMMON || s == HB_SCRIPT_INHERITED || s == HB_SCRIPT_UNKNOWN;
}

bool LineEnd(char32_t c) {
    return c == U'\n' || c == U'\r';
}

// Sets the levels of one paragraph; a paragraph takes its direction from its first
// strong character.
static_assert(sizeof(FriBidiChar) == sizeof(std::uint32_t) &&
              sizeof(FriBidiCharType) == sizeof(std::uint32_t) &&
              sizeof(FriBidiBracketType) == sizeof(std::uint32_t) &&
              sizeof(FriBidiLevel) == sizeof(std::int8_t));

void LevelParagraph(const std::vector<std::uint32_t>& chars, std::size_t begin, std::size_t end,
                    ShapeCache& room, Cells& cells) {
    const auto len = static_cast<FriBidiStrIndex>(end - begin);
    if (len <= 0) return;
    room.types.resize(end - begin);
    room.brackets.resize(end - begin);
    room.levels.assign(end - begin, 0);
    auto* types = reinterpret_cast<FriBidiCharType*>(room.types.data());
    auto* brackets = reinterpret_cast<FriBidiBracketType*>(room.brackets.data());
    fribidi_get_bidi_types(chars.data() + begin, len, types);
    fribidi_get_bracket_types(chars.data() + begin, len, types, brackets);
    FriBidiParType direction = FRIBIDI_PAR_ON;
    if (fribidi_get_par_embedding_levels_ex(types, brackets, len, &direction,
                                            reinterpret_cast<FriBidiLevel*>(room.levels.data())) ==
        0)
        return; // out of memory: left to right
    for (std::size_t i = begin; i < end; ++i)
        cells[i].level = static_cast<std::uint8_t>(std::max<int>(0, room.levels[i - begin]));
}

// Whether the bidirectional algorithm can only put a character at level one when every
// strong character around it runs right to left: no left-to-right letters, numbers,
// explicit embeddings or paragraph ends (a paragraph of neutrals alone runs left to right).
bool RightToLeftOrNeutral(char32_t c) {
    switch (fribidi_get_bidi_type(c)) {
    case FRIBIDI_TYPE_RTL:
    case FRIBIDI_TYPE_AL:
    case FRIBIDI_TYPE_WS:
    case FRIBIDI_TYPE_ON:
    case FRIBIDI_TYPE_CS:
    case FRIBIDI_TYPE_NSM:
    case FRIBIDI_TYPE_SS:
        return true;
    default:
        return false;
    }
}

bool Level(const std::vector<std::uint32_t>& chars, bool singleLine, ShapeCache& room,
           Cells& cells) {
    if (std::all_of(chars.begin(), chars.end(), RightToLeftOrNeutral)) {
        // Right-to-left letters with only neutrals between them: all at level one.
        for (std::size_t i = 0; i < cells.size(); ++i)
            cells[i].level = 1;
        return true;
    }
    std::size_t begin = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (singleLine || !LineEnd(cells[i].c)) continue;
        LevelParagraph(chars, begin, i, room, cells);
        begin = i + 1;
    }
    LevelParagraph(chars, begin, cells.size(), room, cells);
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i].level & 1) return true;
    return false;
}

// What a run of cells is drawn with.
struct RunKey {
    SizedFont* font = nullptr;
    hb_script_t script = HB_SCRIPT_COMMON;
    std::uint8_t level = 0;
    bool operator==(const RunKey&) const = default;
};

class Shaper {
public:
    Shaper(SizedFont& font, Cells& cells, const std::vector<std::uint32_t>& chars,
           hb_buffer_t* buffer, std::vector<Piece>& out)
        : font_(font), cells_(cells), chars_(chars), out_(out),
          unicode_(hb_unicode_funcs_get_default()), buffer_(buffer) {}

    // Splits the cells into runs of one font, script and level and shapes the runs that
    // need it. Control characters end runs and are never shaped.
    void Run() {
        const hb_script_t first = FirstScript();
        RunKey key;
        key.script = first;
        std::size_t begin = 0;
        bool shape = false;
        bool open = false;
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            Cell& cell = cells_[i];
            if (!cell.glyph) {
                if (open && shape) ShapeRun(begin, i, key);
                open = false;
                continue;
            }
            RunKey next = KeyOf(cell, open ? &key : nullptr, key.script);
            if (open && !(next == key)) {
                if (shape) ShapeRun(begin, i, key);
                open = false;
            }
            if (!open) {
                begin = i;
                shape = false;
                open = true;
            }
            key = next;
            shape = shape || NeedsShaping(unicode_, cell.c);
        }
        if (open && shape) ShapeRun(begin, cells_.size(), key);
        Mirror();
    }

private:
    SizedFont& font_;
    Cells& cells_;
    const std::vector<std::uint32_t>& chars_;
    std::vector<Piece>& out_;
    hb_unicode_funcs_t* unicode_;
    hb_buffer_t* buffer_;

    hb_script_t FirstScript() const {
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            const hb_script_t s = hb_unicode_script(unicode_, cells_[i].c);
            if (!Neutral(s)) return s;
        }
        return HB_SCRIPT_COMMON;
    }

    // Marks, joiners, spaces and punctuation stay in the font and script of what they
    // follow when that font has them, so that a run is not broken up by them.
    RunKey KeyOf(const Cell& cell, const RunKey* previous, hb_script_t script) {
        RunKey key;
        key.level = cell.level;
        const hb_script_t s = hb_unicode_script(unicode_, cell.c);
        key.script = Neutral(s) ? script : s;
        if (previous && Neutral(s) && previous->font->Has(cell.c))
            key.font = previous->font;
        else
            key.font = &font_.FontFor(cell.c);
        return key;
    }

    static std::int32_t Pixels(hb_position_t v) { return static_cast<std::int32_t>((v + 32) >> 6); }

    void ShapeRun(std::size_t begin, std::size_t end, const RunKey& key) {
        hb_font_t* font = key.font->Shaper();
        hb_buffer_t* buf = buffer_;
        if (!font || !buf || !hb_buffer_allocation_successful(buf)) return;
        hb_buffer_clear_contents(buf);
        hb_buffer_add_utf32(buf, chars_.data(), static_cast<int>(chars_.size()),
                            static_cast<unsigned>(begin), static_cast<int>(end - begin));
        hb_buffer_set_direction(buf, (key.level & 1) ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
        hb_buffer_set_script(buf, key.script);
        hb_buffer_set_language(buf, hb_language_get_default());
        hb_shape(font, buf, nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buf, &count);
        const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buf, &count);
        for (std::size_t i = begin; i < end; ++i) {
            Cell& cell = cells_[i];
            cell.glyph = nullptr;
            cell.advance = 0;
            cell.count = 0;
            cell.leader = static_cast<std::uint32_t>(i);
        }
        std::size_t last = end; // the cluster of the glyph before
        for (unsigned k = 0; k < count; ++k) {
            const std::size_t at = info[k].cluster;
            if (at < begin || at >= end) continue;
            Cell& cell = cells_[at];
            // A cluster's glyphs come one after another; one that came apart is dropped.
            if (at != last && cell.count > 0) continue;
            if (cell.count == 0) cell.first = static_cast<std::uint32_t>(out_.size());
            Piece p;
            p.glyph = &key.font->GetGlyphAt(info[k].codepoint);
            p.font = key.font;
            p.dx = Pixels(pos[k].x_offset);
            p.dy = Pixels(pos[k].y_offset);
            p.advance = Pixels(pos[k].x_advance);
            if (p.advance != 0) p.advance += key.font->emboldenAdvance();
            out_.push_back(p);
            cell.advance += p.advance;
            ++cell.count;
            last = at;
        }
        std::uint32_t leader = static_cast<std::uint32_t>(begin);
        for (std::size_t i = begin; i < end; ++i) {
            if (cells_[i].count > 0) leader = static_cast<std::uint32_t>(i);
            cells_[i].leader = leader;
        }
    }

    // Characters drawn on their own inside right-to-left runs show their mirror image:
    // an opening parenthesis there faces the other way.
    void Mirror() {
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            Cell& cell = cells_[i];
            FriBidiChar mirrored = 0;
            if (cell.glyph && (cell.level & 1) && fribidi_get_mirror_char(cell.c, &mirrored))
                cell.glyph = &font_.GetGlyph(mirrored);
        }
    }
};

using Entry = ShapeCache::Entry;

bool SameText(const Entry& e, const Cells& cells, bool singleLine) {
    if (e.singleLine != singleLine || e.chars.size() != cells.size()) return false;
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (e.chars[i] != cells[i].c) return false;
    return true;
}

// The cached entry for the text, moved to the front; nullptr when there is none.
const Entry* Find(ShapeCache& cache, const Cells& cells, bool singleLine) {
    for (std::size_t i = 0; i < cache.entries.size(); ++i) {
        if (!SameText(cache.entries[i], cells, singleLine)) continue;
        std::rotate(cache.entries.begin(), cache.entries.begin() + static_cast<std::ptrdiff_t>(i),
                    cache.entries.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        return &cache.entries.front();
    }
    return nullptr;
}

bool Apply(const Entry& e, Cells& cells, Shaped& out) {
    if (!e.special) return false;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        Cell& cell = cells[i];
        const Cell& shaped = e.cells[i];
        cell.glyph = shaped.glyph;
        cell.level = shaped.level;
        cell.count = shaped.count;
        cell.advance = shaped.advance;
        cell.first = shaped.first;
        cell.leader = shaped.leader;
    }
    out.pieces = &e.pieces;
    out.reorder = e.reorder;
    return true;
}

// The entry to shape a text into: a new one at the front while there is room, else the
// least recently used one, emptied and moved to the front; long texts go to the spare.
Entry& Slot(ShapeCache& cache, std::size_t length) {
    Entry* e = &cache.spare;
    if (length <= ShapeCache::kLongest) {
        if (cache.entries.size() < ShapeCache::kEntries) cache.entries.emplace_back();
        std::rotate(cache.entries.begin(), cache.entries.end() - 1, cache.entries.end());
        e = &cache.entries.front();
    }
    e->chars.clear();
    e->cells.clear();
    e->pieces.clear();
    e->reorder = false;
    return *e;
}

// Shapes and levels the cells afresh into an entry.
void Fresh(SizedFont& font, Cells& cells, bool singleLine, ShapeCache& cache, Entry& e) {
    e.singleLine = singleLine;
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    bool rtl = false, shaped = false;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        e.chars.push_back(cells[i].c);
        rtl = rtl || RightToLeft(cells[i].c);
        shaped = shaped || NeedsShaping(unicode, cells[i].c);
    }
    e.special = rtl || shaped;
    if (!e.special) return;
    if (!cache.buffer) cache.buffer = {hb_buffer_create(), &hb_buffer_destroy};
    if (rtl) e.reorder = Level(e.chars, singleLine, cache, cells);
    Shaper(font, cells, e.chars, cache.buffer.get(), e.pieces).Run();
    e.cells.assign(&cells[0], &cells[0] + cells.size());
}

} // namespace

bool Shape(SizedFont& font, Cells& cells, bool singleLine, Shaped& out) {
    ShapeCache& cache = font.shapeCache();
    if (const Entry* hit = Find(cache, cells, singleLine)) return Apply(*hit, cells, out);
    Entry& e = Slot(cache, cells.size());
    Fresh(font, cells, singleLine, cache, e);
    out.pieces = &e.pieces;
    out.reorder = e.reorder;
    return e.special;
}

void DisplayOrder(const Cells& cells, std::size_t begin, std::size_t end,
                  Scratch<std::uint32_t, 96>& order) {
    int highest = 0, lowestOdd = 255;
    for (std::size_t i = begin; i < end; ++i) {
        order.push_back(static_cast<std::uint32_t>(i));
        const int level = cells[i].level;
        highest = std::max(highest, level);
        if (level & 1) lowestOdd = std::min(lowestOdd, level);
    }
    // From the highest level down to the lowest odd one, reverse every stretch of cells
    // at that level or above.
    const std::size_t n = order.size();
    for (int level = highest; level >= lowestOdd && level > 0; --level) {
        for (std::size_t i = 0; i < n;) {
            if (cells[order[i]].level < level) {
                ++i;
                continue;
            }
            std::size_t j = i;
            while (j < n && cells[order[j]].level >= level)
                ++j;
            std::reverse(&order[i], &order[i] + (j - i));
            i = j;
        }
    }
}

} // namespace nk::text::detail

namespace nk::text {

namespace {

// The longest cluster the cut keeps whole; longer ones are cut between characters.
constexpr std::size_t kLongestCluster = 32;

} // namespace

std::string_view CaptionCut(std::string_view text) {
    if (text.size() <= kCaptionLimit) return text; // each character takes a byte at least
    struct Seen {
        std::size_t at = 0; // where the character begins
        char32_t c = 0;
    };
    std::array<Seen, kLongestCluster + 1> recent; // the last characters kept, by count
    std::size_t end = 0, count = 0;
    while (end < text.size() && count < kCaptionLimit) {
        Seen& s = recent[count++ % recent.size()];
        s.at = end;
        s.c = NextChar(text, end);
    }
    if (end >= text.size()) return text;
    std::size_t after = end;
    char32_t dropped = NextChar(text, after);
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    // Back over the cluster the first dropped character continues, to where it begins.
    std::size_t cut = end;
    for (std::size_t k = 1; k <= kLongestCluster; ++k) {
        const Seen& before = recent[(count - k) % recent.size()];
        if (!detail::ContinuesCluster(unicode, dropped, before.c)) return text.substr(0, cut);
        cut = before.at;
        dropped = before.c;
    }
    return text.substr(0, end);
}

} // namespace nk::text
