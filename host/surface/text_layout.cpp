// The layout of text: lines, word breaks, tabs, access-key prefixes, alignment and the
// lines under and through the text.
#include "host/surface/text.h"

#include "framework/host.h"
#include "host/surface/text_cells.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace nk::text {

namespace {

using detail::Cell;
using detail::Cells;
using detail::Scratch;
using detail::Shaped;

struct LineSpan {
    std::size_t begin = 0, end = 0;
    std::int64_t width = 0;
};

using Lines = Scratch<LineSpan, 16>;

struct Options {
    bool prefix = false;     // "&" marks the next character, "&&" draws one
    bool singleLine = false; // line ends do not break
    bool wordBreak = false;
    bool expandTabs = false;
    int tabChars = 8;
};

// Decodes the text into cells, resolving glyphs and access-key marks. Returns whether any
// character lies beyond the Latin letters, where shaping and right-to-left runs begin.
bool Decode(SizedFont& font, std::string_view text, const Options& o, Cells& cells) {
    bool markNext = false;
    bool beyondLatin = false;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextChar(text, i);
        if (o.prefix && c == U'&' && !markNext) {
            if (i < text.size() && text[i] == '&') {
                ++i; // "&&" draws one ampersand
            } else {
                markNext = true;
                continue;
            }
        }
        Cell cell;
        cell.c = c;
        cell.mark = markNext;
        markNext = false;
        if (c >= 0x20 && c != 0x7F) cell.glyph = &font.GetGlyph(c);
        beyondLatin = beyondLatin || c >= 0x300;
        cells.push_back(cell);
    }
    return beyondLatin;
}

class Advancer {
public:
    Advancer(SizedFont& font, const Options& o)
        : tab_(o.expandTabs ? o.tabChars * font.metrics().aveCharWidth : 0), expand_(o.expandTabs),
          space_(font.GetGlyph(U' ').advance) {}
    // How far the pen moves over a cell, `x` columns from the start of its line.
    std::int64_t operator()(const Cell& cell, std::int64_t x) const {
        if (cell.glyph) return cell.glyph->advance;
        if (cell.advance >= 0) return cell.advance; // drawn by shaped glyphs
        if (cell.c != U'\t') return 0;
        if (!expand_) return space_;
        if (tab_ <= 0) return 0;
        const std::int64_t base = x < 0 ? 0 : x;
        return (base / tab_ + 1) * tab_ - x;
    }

private:
    std::int64_t tab_;
    bool expand_;
    std::int64_t space_;
};

bool IsBlank(char32_t c) {
    return c == U' ' || c == U'\t';
}

std::int64_t Width(const Cells& cells, std::size_t b, std::size_t e, const Advancer& adv) {
    std::int64_t x = 0;
    for (std::size_t i = b; i < e; ++i)
        x += adv(cells[i], x);
    return x;
}

// Breaks one hard line at word boundaries so that each piece fits `maxWidth` where it
// can; a word wider than that stays whole on a line of its own. The blanks at a break
// are dropped.
void WrapLine(const Cells& cells, std::size_t begin, std::size_t end, std::int64_t maxWidth,
              const Advancer& adv, Lines& lines) {
    std::size_t start = begin;
    while (true) {
        std::size_t pos = start, fitEnd = start;
        std::int64_t x = 0, fitX = 0;
        bool anyWord = false;
        bool done = false;
        std::size_t nextStart = end;
        while (true) {
            std::int64_t sx = x;
            std::size_t i = pos;
            while (i < end && IsBlank(cells[i].c))
                sx += adv(cells[i], sx), ++i;
            if (i == end) {
                if (!anyWord) fitX = sx; // a line of blanks only
                done = true;
                break;
            }
            const std::size_t wordStart = i;
            std::int64_t wx = sx;
            while (i < end && !IsBlank(cells[i].c))
                wx += adv(cells[i], wx), ++i;
            if (!anyWord || wx <= maxWidth) {
                anyWord = true;
                fitEnd = i;
                fitX = wx;
                pos = i;
                x = wx;
                if (i == end) {
                    done = true;
                    break;
                }
                continue;
            }
            nextStart = wordStart;
            break;
        }
        if (done) {
            lines.push_back({start, anyWord ? fitEnd : end, fitX});
            return;
        }
        lines.push_back({start, fitEnd, fitX});
        start = nextStart;
    }
}

void BreakLines(const Cells& cells, const Options& o, std::int64_t maxWidth, const Advancer& adv,
                Lines& lines) {
    auto add = [&](std::size_t b, std::size_t e) {
        if (o.wordBreak && !o.singleLine)
            WrapLine(cells, b, e, maxWidth, adv, lines);
        else
            lines.push_back({b, e, Width(cells, b, e, adv)});
    };
    std::size_t begin = 0;
    if (!o.singleLine) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const char32_t c = cells[i].c;
            if (c != U'\n' && c != U'\r') continue;
            add(begin, i);
            if (c == U'\r' && i + 1 < cells.size() && cells[i + 1].c == U'\n') ++i;
            begin = i + 1;
        }
    }
    add(begin, cells.size());
}

void Blend(const Pen& pen, const SizedFont& font, const Glyph& g, std::int64_t x,
           std::int64_t baseline, std::int64_t rise = 0) {
    if (g.width <= 0 || g.rows <= 0) return;
    raster::BlendCoverage(pen.view, pen.clip, font.Coverage(g), g.stride, g.rows, g.stride,
                          x + g.left, baseline - rise - g.top, pen.color);
}

// The underline and strikethru of the pen across a whole line.
void DrawRules(SizedFont& font, const Pen& pen, std::int64_t x, std::int64_t width,
               std::int64_t baseline) {
    const Metrics& m = font.metrics();
    const std::int64_t underY = baseline + m.underlineTop;
    if (pen.underline)
        raster::FillBox(pen.view, pen.clip, {x, underY, x + width, underY + m.underlineThickness},
                        pen.color);
    if (pen.strikethru) {
        const std::int64_t y = baseline - m.strikeTop;
        raster::FillBox(pen.view, pen.clip, {x, y, x + width, y + m.strikeThickness}, pen.color);
    }
}

void DrawLineOfText(SizedFont& font, const Pen& pen, const Cells& cells, const LineSpan& line,
                    const Advancer& adv, std::int64_t x, std::int64_t top) {
    const Metrics& m = font.metrics();
    const std::int64_t baseline = top + m.ascent;
    const std::int64_t underY = baseline + m.underlineTop;
    std::int64_t penX = x;
    for (std::size_t i = line.begin; i < line.end; ++i) {
        const Cell& cell = cells[i];
        const std::int64_t step = adv(cell, penX - x);
        if (cell.glyph) Blend(pen, font, *cell.glyph, penX, baseline);
        if (cell.mark)
            raster::FillBox(pen.view, pen.clip,
                            {penX, underY, penX + step, underY + m.underlineThickness}, pen.color);
        penX += step;
    }
    DrawRules(font, pen, x, line.width, baseline);
}

// A line with shaped runs or right-to-left runs: the cells go in display order, and an
// access key's underline goes under the cluster that draws the marked character.
void DrawDisplayLine(SizedFont& font, const Pen& pen, const Cells& cells, const Shaped& shaped,
                     const LineSpan& line, const Advancer& adv, std::int64_t x, std::int64_t top) {
    const Metrics& m = font.metrics();
    const std::int64_t baseline = top + m.ascent;
    const std::size_t n = line.end - line.begin;
    Scratch<std::uint32_t, 96> order(n);
    if (shaped.reorder) {
        detail::DisplayOrder(cells, line.begin, line.end, order);
    } else {
        for (std::size_t i = line.begin; i < line.end; ++i)
            order.push_back(static_cast<std::uint32_t>(i));
    }
    Scratch<std::int64_t, 96> at(n), width(n); // by place in the line
    for (std::size_t i = 0; i < n; ++i)
        at.push_back(0), width.push_back(0);
    std::int64_t penX = x;
    for (std::size_t k = 0; k < n; ++k) {
        const Cell& cell = cells[order[k]];
        const std::int64_t step = adv(cell, penX - x);
        at[order[k] - line.begin] = penX;
        width[order[k] - line.begin] = step;
        if (cell.glyph) {
            Blend(pen, font, *cell.glyph, penX, baseline);
        } else {
            std::int64_t glyphX = penX;
            for (std::uint32_t g = cell.first; g < cell.first + cell.count; ++g) {
                const detail::Piece& p = (*shaped.pieces)[g];
                Blend(pen, *p.font, *p.glyph, glyphX + p.dx, baseline, p.dy);
                glyphX += p.advance;
            }
        }
        penX += step;
    }
    const std::int64_t underY = baseline + m.underlineTop;
    for (std::size_t i = line.begin; i < line.end; ++i) {
        if (!cells[i].mark) continue;
        std::size_t drawn = i;
        if (cells[i].advance >= 0 && cells[i].count == 0) drawn = cells[i].leader;
        if (drawn < line.begin || drawn >= line.end) continue;
        const std::int64_t left = at[drawn - line.begin];
        raster::FillBox(
            pen.view, pen.clip,
            {left, underY, left + width[drawn - line.begin], underY + m.underlineThickness},
            pen.color);
    }
    DrawRules(font, pen, x, line.width, baseline);
}

} // namespace

DrawTextFlags ParseDrawTextFlags(unsigned flags) {
    DrawTextFlags f;
    f.center = (flags & dt::kCenter) != 0;
    f.right = !f.center && (flags & dt::kRight) != 0;
    f.singleLine = (flags & dt::kSingleLine) != 0;
    f.vcenter = f.singleLine && (flags & dt::kVCenter) != 0;
    f.bottom = f.singleLine && !f.vcenter && (flags & 0x08u) != 0;
    f.wordBreak = !f.singleLine && (flags & dt::kWordBreak) != 0;
    f.expandTabs = (flags & dt::kExpandTabs) != 0;
    if (flags & dt::kTabStop) {
        const unsigned perTab = (flags >> 8) & 0xFFu;
        f.tabChars = perTab ? static_cast<int>(perTab) : 8;
    } else {
        f.clip = (flags & dt::kNoClip) == 0;
        f.prefix = (flags & dt::kNoPrefix) == 0;
    }
    return f;
}

Extent MeasureText(SizedFont& font, std::string_view text) {
    text = CaptionCut(text);
    Options o;
    o.expandTabs = true;
    Cells cells(text.size());
    Shaped shaped;
    if (Decode(font, text, o, cells)) detail::Shape(font, cells, o.singleLine, shaped);
    const Advancer adv(font, o);
    Lines lines(0);
    BreakLines(cells, o, 0, adv, lines);
    Extent e;
    e.lines = static_cast<int>(lines.size());
    std::int64_t widest = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        widest = std::max(widest, lines[i].width);
    e.width = static_cast<int>(std::min<std::int64_t>(widest, 0x7FFFFFFF));
    return e;
}

int PrintText(SizedFont& font, const Pen& pen, std::string_view text, std::int64_t x,
              std::int64_t y, std::int64_t nextLineX) {
    text = CaptionCut(text);
    Options o;
    o.expandTabs = true;
    Cells cells(text.size());
    Shaped shaped;
    const bool display =
        Decode(font, text, o, cells) && detail::Shape(font, cells, o.singleLine, shaped);
    const Advancer adv(font, o);
    Lines lines(0);
    BreakLines(cells, o, 0, adv, lines);
    const int h = font.metrics().height;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::int64_t left = i == 0 ? x : nextLineX;
        const std::int64_t top = y + static_cast<std::int64_t>(i) * h;
        if (display)
            DrawDisplayLine(font, pen, cells, shaped, lines[i], adv, left, top);
        else
            DrawLineOfText(font, pen, cells, lines[i], adv, left, top);
    }
    return static_cast<int>(lines.size());
}

namespace {

Options OptionsOf(const DrawTextFlags& f) {
    Options o;
    o.prefix = f.prefix;
    o.singleLine = f.singleLine;
    o.wordBreak = f.wordBreak;
    o.expandTabs = f.expandTabs;
    o.tabChars = f.tabChars;
    return o;
}

} // namespace

void DrawTextInRect(SizedFont& font, Pen pen, std::string_view text, const Rect& r,
                    unsigned flags) {
    text = CaptionCut(text);
    const DrawTextFlags f = ParseDrawTextFlags(flags);
    const Options o = OptionsOf(f);
    if (f.clip) pen.clip = raster::Intersect(pen.clip, {r.left, r.top, r.right, r.bottom});

    Cells cells(text.size());
    Shaped shaped;
    const bool display =
        Decode(font, text, o, cells) && detail::Shape(font, cells, o.singleLine, shaped);
    const Advancer adv(font, o);
    Lines lines(0);
    const std::int64_t rectWidth = static_cast<std::int64_t>(r.right) - r.left;
    const std::int64_t rectHeight = static_cast<std::int64_t>(r.bottom) - r.top;
    BreakLines(cells, o, rectWidth, adv, lines);

    const std::int64_t h = font.metrics().height;
    std::int64_t top = r.top;
    if (f.singleLine && f.vcenter)
        top = r.top + (rectHeight - h) / 2;
    else if (f.singleLine && f.bottom)
        top = r.bottom - h;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineSpan& line = lines[i];
        std::int64_t x = r.left;
        if (f.center)
            x = r.left + (rectWidth - line.width) / 2;
        else if (f.right)
            x = r.right - line.width;
        const std::int64_t y = top + static_cast<std::int64_t>(i) * h;
        if (f.clip && (y >= pen.clip.y1 || y + h <= pen.clip.y0)) continue;
        if (display)
            DrawDisplayLine(font, pen, cells, shaped, line, adv, x, y);
        else
            DrawLineOfText(font, pen, cells, line, adv, x, y);
    }
}

void DrawTextInRect(SizedFont& font, Pen pen, std::string_view text, const Rect& r, unsigned flags,
                    const DeviceText& device) {
    text = CaptionCut(text);
    const DrawTextFlags f = ParseDrawTextFlags(flags);
    const Options o = OptionsOf(f);
    const double s = device.scale;
    const auto dev = [s](std::int64_t v) {
        return static_cast<std::int64_t>(std::llround(static_cast<double>(v) * s));
    };
    const raster::Box box{dev(r.left), dev(r.top), dev(r.right), dev(r.bottom)};
    if (f.clip) pen.clip = raster::Intersect(pen.clip, box);

    // The lines as the logical font breaks them.
    Cells cells(text.size());
    Shaped shaped;
    if (Decode(font, text, o, cells)) detail::Shape(font, cells, o.singleLine, shaped);
    Lines lines(0);
    BreakLines(cells, o, static_cast<std::int64_t>(r.right) - r.left, Advancer(font, o), lines);

    // The same characters with the device font's glyphs: one cell for each, as above.
    SizedFont& fine = *device.font;
    Cells fineCells(text.size());
    Shaped fineShaped;
    const bool display = Decode(fine, text, o, fineCells) &&
                         detail::Shape(fine, fineCells, o.singleLine, fineShaped);
    const Advancer adv(fine, o);
    const std::int64_t h = fine.metrics().height;
    std::int64_t top = box.y0;
    if (f.singleLine && f.vcenter)
        top = box.y0 + (box.y1 - box.y0 - h) / 2;
    else if (f.singleLine && f.bottom)
        top = box.y1 - h;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        LineSpan line = lines[i];
        line.width = Width(fineCells, line.begin, line.end, adv);
        std::int64_t x = box.x0;
        if (f.center)
            x = box.x0 + (box.x1 - box.x0 - line.width) / 2;
        else if (f.right)
            x = box.x1 - line.width;
        const std::int64_t y = top + static_cast<std::int64_t>(i) * h;
        if (f.clip && (y >= pen.clip.y1 || y + h <= pen.clip.y0)) continue;
        if (display)
            DrawDisplayLine(fine, pen, fineCells, fineShaped, line, adv, x, y);
        else
            DrawLineOfText(fine, pen, fineCells, line, adv, x, y);
    }
}

} // namespace nk::text
