// Captions longer than the layout takes: where the cut falls, and that measuring and drawing
// a huge caption shape, measure and draw only what is left of it.
#include "host/surface/surface_canvas.h"
#include "host/surface/text.h"
#include "host/surface/text_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nk {
namespace {

using text::kCaptionLimit;

std::string Times(std::string_view piece, std::size_t n) {
    std::string s;
    s.reserve(piece.size() * n);
    for (std::size_t i = 0; i < n; ++i)
        s += piece;
    return s;
}

std::size_t Characters(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++n)
        text::NextChar(text, i);
    return n;
}

const std::string kAcute = "\xCC\x81";               // U+0301, a combining mark
const std::string kZwj = "\xE2\x80\x8D";             // U+200D
const std::string kMan = "\xF0\x9F\x91\xA8";         // U+1F468
const std::string kWoman = "\xF0\x9F\x91\xA9";       // U+1F469
const std::string kMixed = "Ab\xE4\xB8\xAD\xD8\xB4"; // "Ab", U+4E2D, U+0634: 4 characters

struct CutCase {
    const char* name;
    std::string text;
    std::size_t kept; // characters left
};

TEST(TextCut, FallsBetweenCharactersAndBeforeTheClusterItWouldSplit) {
    const std::size_t n = kCaptionLimit;
    const std::vector<CutCase> cases = {
        {"short", "OK", 2},
        {"exactly the limit", std::string(n, 'a'), n},
        {"one over the limit", std::string(n + 1, 'a'), n},
        {"two-byte letters", Times("\xC3\xA9", 3 * n), n},
        {"malformed bytes each count as a character", std::string(3 * n, '\xFF'), n},
        {"a truncated sequence at the cut", std::string(n - 1, 'a') + "\xE2\x82" + "a", n},
        {"one letter under 80000 marks: cut between marks", "a" + Times(kAcute, 80000), n},
        {"letters with one mark each: the mark stays with its letter", "x" + Times("e" + kAcute, n),
         n - 1},
        {"a joined sequence stays whole", "xx" + Times(kMan + kZwj + kWoman, n), n - 2},
        {"after a joined sequence", Times(kMan + kZwj + kWoman, n), n - 1},
        {"mixed scripts", Times(kMixed, n), n},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string_view cut = text::CaptionCut(c.text);
        EXPECT_EQ(cut.data(), c.text.data());
        EXPECT_EQ(Characters(cut), c.kept);
        // What is kept decodes to the same characters as the start of the whole text.
        std::size_t i = 0, j = 0;
        while (i < cut.size())
            ASSERT_EQ(text::NextChar(cut, i), text::NextChar(c.text, j));
        EXPECT_EQ(i, j);
    }
}

Font Arial() {
    Font f;
    f.name = "Arial";
    f.size = 15;
    return f;
}

struct HugeCase {
    const char* name;
    std::string text;
    bool shaped; // beyond the Latin letters, so that the font shapes it
};

// A huge caption lays out as its cut: the same width, lines and pixels, and no more
// characters or glyphs shaped than the cut has.
TEST(TextCut, HugeCaptionsAreMeasuredShapedAndDrawnAsTheirCut) {
    const std::vector<HugeCase> cases = {
        {"combining marks", "a" + Times(kAcute, 80000), true},
        {"plain letters", std::string(100000, 'a'), false},
        {"mixed scripts", Times(kMixed + "\xE0\xA4\xA8\xE0\xA4\xBF " + kAcute, 20000), true},
    };
    const Font font = Arial();
    for (const HugeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string cut(text::CaptionCut(c.text));
        ASSERT_LT(cut.size(), c.text.size());
        SurfaceCanvas huge(60, 30, 0xFFFFFF, 0x000000, font);
        SurfaceCanvas kept(60, 30, 0xFFFFFF, 0x000000, font);
        EXPECT_EQ(huge.TextWidth(c.text), kept.TextWidth(cut));
        EXPECT_EQ(huge.TextHeight(c.text), kept.TextHeight(cut));
        ASSERT_TRUE(huge.DrawText(c.text, {0, 0, 60, 30}, 0));
        if (c.shaped) {
            const auto lock = text::TextLock();
            const auto sized = text::ResolveFont(font);
            ASSERT_TRUE(sized);
            const text::detail::ShapeCache& cache = sized->shapeCache();
            ASSERT_FALSE(cache.entries.empty());
            const auto& last = cache.entries.front();
            EXPECT_EQ(last.chars.size(), Characters(cut));
            EXPECT_LE(last.pieces.size(), 2 * kCaptionLimit);
        }
        ASSERT_TRUE(kept.DrawText(cut, {0, 0, 60, 30}, 0));
        EXPECT_EQ(huge.pixels().pixels, kept.pixels().pixels);
        ASSERT_TRUE(huge.Print(c.text));
        ASSERT_TRUE(kept.Print(cut));
        EXPECT_EQ(huge.pixels().pixels, kept.pixels().pixels);
        EXPECT_EQ(huge.CurrentY(), kept.CurrentY());
    }
    SurfaceCanvas plain(1, 1, 0xFFFFFF, 0x000000, font);
    EXPECT_EQ(plain.TextWidth(std::string(100000, 'a')), kCaptionLimit * plain.TextWidth("a"));
}

} // namespace
} // namespace nk
