// The layout of text: lines, word breaks, tabs, access-key prefixes, alignment and the
// lines under and through the text.
#include "host/text.h"

#include "framework/host.h"

#include <algorithm>
#include <array>
#include <vector>

namespace nk::text {

namespace {

// A short-lived array that lives on the stack for short texts and on the heap for long
// ones, so that drawing a caption allocates nothing.
template <class T, std::size_t N> class Scratch {
public:
    explicit Scratch(std::size_t capacity) {
        if (capacity > N) {
            heap_.resize(capacity);
            data_ = heap_.data();
        }
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    void push_back(const T& v) {
        if (data_ == local_.data()) {
            if (size_ < N) {
                data_[size_++] = v;
                return;
            }
            heap_.assign(local_.begin(), local_.end());
        } else if (size_ < heap_.size()) {
            data_[size_++] = v;
            return;
        }
        heap_.resize(size_);
        heap_.push_back(v);
        data_ = heap_.data();
        ++size_;
    }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    std::size_t size() const { return size_; }

private:
    std::array<T, N> local_{};
    std::vector<T> heap_;
    T* data_ = local_.data();
    std::size_t size_ = 0;
};

struct Cell {
    const Glyph* glyph = nullptr; // nullptr for tabs, line ends and other control characters
    char32_t c = 0;
    bool mark = false; // an access key: underlined
};

struct LineSpan {
    std::size_t begin = 0, end = 0;
    std::int64_t width = 0;
};

using Cells = Scratch<Cell, 96>;
using Lines = Scratch<LineSpan, 16>;

struct Options {
    bool prefix = false;     // "&" marks the next character, "&&" draws one
    bool singleLine = false; // line ends do not break
    bool wordBreak = false;
    bool expandTabs = false;
    int tabChars = 8;
};

// Decodes the text into cells, resolving glyphs and access-key marks.
void Decode(SizedFont& font, std::string_view text, const Options& o, Cells& cells) {
    bool markNext = false;
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
        cells.push_back(cell);
    }
}

class Advancer {
public:
    Advancer(SizedFont& font, const Options& o)
        : tab_(o.expandTabs ? o.tabChars * font.metrics().aveCharWidth : 0), expand_(o.expandTabs),
          space_(font.GetGlyph(U' ').advance) {}
    // How far the pen moves over a cell, `x` columns from the start of its line.
    std::int64_t operator()(const Cell& cell, std::int64_t x) const {
        if (cell.glyph) return cell.glyph->advance;
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

void DrawLineOfText(SizedFont& font, const Pen& pen, const Cells& cells, const LineSpan& line,
                    const Advancer& adv, std::int64_t x, std::int64_t top) {
    const Metrics& m = font.metrics();
    const std::int64_t baseline = top + m.ascent;
    const std::int64_t underY = baseline + m.underlineTop;
    std::int64_t penX = x;
    for (std::size_t i = line.begin; i < line.end; ++i) {
        const Cell& cell = cells[i];
        const std::int64_t step = adv(cell, penX - x);
        if (const Glyph* g = cell.glyph; g && g->width > 0 && g->rows > 0) {
            raster::BlendCoverage(pen.view, pen.clip, font.Coverage(*g), g->stride, g->rows,
                                  g->stride, penX + g->left, baseline - g->top, pen.color);
        }
        if (cell.mark)
            raster::FillBox(pen.view, pen.clip,
                            {penX, underY, penX + step, underY + m.underlineThickness}, pen.color);
        penX += step;
    }
    if (pen.underline)
        raster::FillBox(pen.view, pen.clip,
                        {x, underY, x + line.width, underY + m.underlineThickness}, pen.color);
    if (pen.strikethru) {
        const std::int64_t y = baseline - m.strikeTop;
        raster::FillBox(pen.view, pen.clip, {x, y, x + line.width, y + m.strikeThickness},
                        pen.color);
    }
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
    Options o;
    o.expandTabs = true;
    Cells cells(text.size());
    Decode(font, text, o, cells);
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
    Options o;
    o.expandTabs = true;
    Cells cells(text.size());
    Decode(font, text, o, cells);
    const Advancer adv(font, o);
    Lines lines(0);
    BreakLines(cells, o, 0, adv, lines);
    const int h = font.metrics().height;
    for (std::size_t i = 0; i < lines.size(); ++i)
        DrawLineOfText(font, pen, cells, lines[i], adv, i == 0 ? x : nextLineX,
                       y + static_cast<std::int64_t>(i) * h);
    return static_cast<int>(lines.size());
}

void DrawTextInRect(SizedFont& font, Pen pen, std::string_view text, const Rect& r,
                    unsigned flags) {
    const DrawTextFlags f = ParseDrawTextFlags(flags);
    Options o;
    o.prefix = f.prefix;
    o.singleLine = f.singleLine;
    o.wordBreak = f.wordBreak;
    o.expandTabs = f.expandTabs;
    o.tabChars = f.tabChars;
    if (f.clip) pen.clip = raster::Intersect(pen.clip, {r.left, r.top, r.right, r.bottom});

    Cells cells(text.size());
    Decode(font, text, o, cells);
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
        if (!f.clip || (y < pen.clip.y1 && y + h > pen.clip.y0))
            DrawLineOfText(font, pen, cells, line, adv, x, y);
    }
}

} // namespace nk::text
