// Text on the raster surface: metrics, font resolution, Print, and the DrawText layouts.
#include "host/surface/surface_canvas.h"
#include "tests/ink.h"

#include <gtest/gtest.h>
#include <string>

// fontconfig leaks a few bytes while it parses its configuration files; the leak
// checker of the sanitizer build is told to let that one pass.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace nk {
namespace {

Font Arial(double size = 15, bool bold = false) {
    Font f;
    f.name = "Arial";
    f.size = size;
    f.bold = bold;
    return f;
}

SurfaceCanvas Blank(int w, int h, const Font& f = Arial()) {
    return SurfaceCanvas(w, h, 0xFFFFFF, 0x000000, f);
}

using ink::Ink;
using ink::InkOf;

SurfaceCanvas Drawn(std::string_view text, Rect r, unsigned flags, int w = 200, int h = 80,
                    const Font& f = Arial()) {
    SurfaceCanvas c = Blank(w, h, f);
    EXPECT_TRUE(c.DrawText(text, r, flags));
    return c;
}

bool Same(const SurfaceCanvas& a, const SurfaceCanvas& b) {
    return a.pixels().pixels == b.pixels().pixels;
}

TEST(TextMetrics, HeightCountsLinesAndWidthTakesTheWidestLine) {
    SurfaceCanvas c = Blank(10, 10);
    const double line = c.TextHeight("Ag");
    EXPECT_GT(line, 0);
    EXPECT_EQ(c.TextHeight(""), line);
    EXPECT_EQ(c.TextHeight("a\nb"), 2 * line);
    EXPECT_EQ(c.TextHeight("a\r\nb\r\nc"), 3 * line);
    EXPECT_EQ(c.TextWidth(""), 0);
    EXPECT_GT(c.TextWidth("ab"), c.TextWidth("a"));
    EXPECT_EQ(c.TextWidth("a\nlonger line"), c.TextWidth("longer line"));
    EXPECT_EQ(c.TextWidth("ab"), c.TextWidth("a") + c.TextWidth("b"));
}

TEST(TextMetrics, SizesArePointsAtNinetySixDotsPerInch) {
    // 15 points are 20 pixels: a capital H of Liberation Sans stands about 14 pixels tall.
    SurfaceCanvas c = Blank(60, 40);
    c.SetCurrentX(5);
    c.SetCurrentY(5);
    c.Print("H");
    const Ink ink = InkOf(c);
    ASSERT_TRUE(ink.any());
    EXPECT_GE(ink.bottom - ink.top + 1, 13);
    EXPECT_LE(ink.bottom - ink.top + 1, 15);
    const double h15 = c.TextHeight("H");
    EXPECT_GE(h15, 20);
    EXPECT_LE(h15, 25);
    SurfaceCanvas big = Blank(10, 10, Arial(30));
    EXPECT_NEAR(big.TextHeight("H"), 2 * h15, 1);
}

TEST(TextFonts, NamesResolveThroughFontconfig) {
    const std::string s = "Hello World";
    Font liberation = Arial();
    liberation.name = "Liberation Sans";
    Font dejavu = Arial();
    dejavu.name = "DejaVu Sans";
    Font unknown = Arial();
    unknown.name = "No Such Font At All";
    SurfaceCanvas a = Blank(1, 1, Arial()), l = Blank(1, 1, liberation), d = Blank(1, 1, dejavu);
    SurfaceCanvas u = Blank(1, 1, unknown);
    EXPECT_EQ(a.TextWidth(s), l.TextWidth(s));
    EXPECT_NE(a.TextWidth(s), d.TextWidth(s));
    EXPECT_GT(u.TextWidth(s), 0); // something stands in
}

TEST(TextFonts, StylesChangeTheGlyphsAndAddLines) {
    SurfaceCanvas regular = Blank(10, 10), bold = Blank(10, 10, Arial(15, true));
    EXPECT_GT(bold.TextWidth("Hello World"), regular.TextWidth("Hello World"));

    Font italic = Arial();
    italic.italic = true;
    EXPECT_FALSE(Same(Drawn("Hello", {0, 0, 200, 80}, 0),
                      Drawn("Hello", {0, 0, 200, 80}, 0, 200, 80, italic)));

    Font under = Arial();
    under.underline = true;
    SurfaceCanvas plain = Drawn("Hi there", {0, 0, 200, 80}, 0);
    SurfaceCanvas lined = Drawn("Hi there", {0, 0, 200, 80}, 0, 200, 80, under);
    const int width = static_cast<int>(plain.TextWidth("Hi there"));
    // The underline is a full row below the baseline, across the whole text.
    int fullRows = 0;
    for (int y = 0; y < 80; ++y) {
        bool full = true;
        for (int x = 0; x < width; ++x)
            full = full && lined.pixels().At(x, y) == 0xFF000000u;
        if (full) {
            ++fullRows;
            EXPECT_GT(y, InkOf(plain).bottom - 5);
        }
    }
    EXPECT_GE(fullRows, 1);

    Font strike = Arial();
    strike.strikethru = true;
    SurfaceCanvas struck = Drawn("mmmm", {0, 0, 200, 80}, 0, 200, 80, strike);
    const Ink ink = InkOf(Drawn("mmmm", {0, 0, 200, 80}, 0));
    // The x-height letters are crossed by a solid row inside their ink.
    bool crossed = false;
    for (int y = ink.top; y <= ink.bottom; ++y) {
        bool full = true;
        for (int x = 0; x < static_cast<int>(plain.TextWidth("mmmm")); ++x)
            full = full && struck.pixels().At(x, y) == 0xFF000000u;
        crossed = crossed || full;
    }
    EXPECT_TRUE(crossed);
}

TEST(TextPrint, DrawsAtTheCurrentPositionInTheForeColourOnATransparentBackground) {
    SurfaceCanvas c(120, 80, 0x00FFFF, 0x0000FF, Arial(15, true)); // yellow, red ink
    c.SetCurrentX(17);
    c.SetCurrentY(9);
    const double w = c.TextWidth("HH H"), h = c.TextHeight("HH H");
    EXPECT_TRUE(c.Print("HH H"));
    bool solidInk = false;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            const std::uint32_t p = c.pixels().At(x, y);
            if (p == 0xFFFFFF00u) continue; // untouched background
            EXPECT_GE(x, 17);
            EXPECT_LT(x, 17 + w);
            EXPECT_GE(y, 9);
            EXPECT_LT(y, 9 + h);
            solidInk = solidInk || p == 0xFFFF0000u;
            EXPECT_EQ(p & 0x0000FFu, 0u); // a blend of red and yellow only
        }
    EXPECT_TRUE(solidInk);
    // Between the two words the background shows through.
    const int gap = 17 + static_cast<int>(c.TextWidth("HH ")) - 2;
    EXPECT_EQ(c.pixels().At(gap, 9 + static_cast<int>(h) / 2), 0xFFFFFF00u);
    EXPECT_EQ(c.CurrentX(), 0);
    EXPECT_EQ(c.CurrentY(), 9 + h);

    SurfaceCanvas two = Blank(120, 80);
    two.SetCurrentX(50);
    two.Print("a\nb");
    EXPECT_EQ(two.CurrentY(), 2 * two.TextHeight("a"));
    // The second line starts at the left edge.
    EXPECT_LT(InkOf(two).left, 20);
}

TEST(TextDrawText, ASingleCentredLineSitsInTheMiddleOfTheRectangle) {
    const Rect r{0, 0, 201, 81};
    SurfaceCanvas plain = Drawn("Caption", r, 0, 201, 81);
    SurfaceCanvas centred =
        Drawn("Caption", r, dt::kCenter | dt::kVCenter | dt::kSingleLine, 201, 81);
    // Odd or even, the space left over is halved rounding down.
    const int dx = (201 - static_cast<int>(plain.TextWidth("Caption"))) / 2;
    const int dy = (81 - static_cast<int>(plain.TextHeight("Caption"))) / 2;
    const Ink a = InkOf(plain), b = InkOf(centred);
    EXPECT_EQ(b.left, a.left + dx);
    EXPECT_EQ(b.top, a.top + dy);
    EXPECT_EQ(b.right, a.right + dx);
    // The buttons' caption flags (0xB5) add word break, which a single line ignores, and
    // the tab-stop bit, which a zero high byte leaves without effect.
    EXPECT_TRUE(Same(centred, Drawn("Caption", r, 0xB5, 201, 81)));

    SurfaceCanvas right = Drawn("Caption", r, dt::kRight, 201, 81);
    EXPECT_EQ(InkOf(right).right, a.right + 201 - static_cast<int>(plain.TextWidth("Caption")));
    // Vertical centring needs a single line.
    EXPECT_TRUE(Same(Drawn("Caption", r, dt::kVCenter, 201, 81), plain));
}

TEST(TextDrawText, WordBreakBreaksBetweenWords) {
    SurfaceCanvas probe = Blank(1, 1);
    const int fit = static_cast<int>(probe.TextWidth("aaa bbb")) + 2;
    ASSERT_LT(fit, probe.TextWidth("aaa bbb ccc"));
    const Rect narrow{0, 0, fit, 80};
    EXPECT_TRUE(
        Same(Drawn("aaa bbb ccc", narrow, dt::kWordBreak), Drawn("aaa bbb\nccc", narrow, 0)));
    EXPECT_TRUE(Same(Drawn("aaa bbb ccc", narrow, dt::kWordBreak | dt::kCenter),
                     Drawn("aaa bbb\nccc", narrow, dt::kCenter)));
    // The buttons' multi-line flags (0x91): centred, broken, tab-stop bit.
    EXPECT_TRUE(
        Same(Drawn("aaa bbb ccc", narrow, 0x91), Drawn("aaa bbb\nccc", narrow, dt::kCenter)));
    // A word wider than the rectangle stays whole.
    const Rect tiny{0, 0, 20, 80};
    EXPECT_TRUE(Same(Drawn("abcdefghij", tiny, dt::kWordBreak | dt::kNoClip),
                     Drawn("abcdefghij", tiny, dt::kNoClip)));
    // Without word break the text stays on one line.
    EXPECT_TRUE(Same(Drawn("aaa bbb ccc", {0, 0, fit, 80}, dt::kNoClip),
                     Drawn("aaa bbb ccc", {0, 0, 200, 80}, 0)));
}

TEST(TextDrawText, LineEndsBreakUnlessSingleLine) {
    const Rect r{0, 0, 200, 80};
    EXPECT_TRUE(Same(Drawn("ab\r\ncd", r, 0), Drawn("ab\ncd", r, 0)));
    EXPECT_TRUE(Same(Drawn("ab\r\ncd", r, dt::kSingleLine), Drawn("abcd", r, dt::kSingleLine)));
    const Ink two = InkOf(Drawn("ab\ncd", r, 0));
    const Ink one = InkOf(Drawn("abcd", r, 0));
    EXPECT_GT(two.bottom, one.bottom + 10);
}

TEST(TextDrawText, AnAmpersandUnderlinesTheNextCharacter) {
    const Rect r{0, 0, 200, 80};
    SurfaceCanvas plain = Drawn("Save", r, 0);
    SurfaceCanvas marked = Drawn("&Save", r, 0);
    const int sWidth = static_cast<int>(plain.TextWidth("S"));
    const Ink ink = InkOf(plain);
    int differing = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 200; ++x) {
            if (plain.pixels().At(x, y) == marked.pixels().At(x, y)) continue;
            ++differing;
            EXPECT_LT(x, sWidth);
            EXPECT_GE(y, ink.bottom - 2); // under the baseline
        }
    EXPECT_GE(differing, sWidth - 1);

    EXPECT_TRUE(Same(Drawn("A&&B", r, 0), Drawn("A&B", r, dt::kNoPrefix)));
    SurfaceCanvas literal = Drawn("&Save", r, dt::kNoPrefix);
    EXPECT_GT(InkOf(literal).right, ink.right);
    // With the tab-stop bit the high byte counts characters per tab, so 0x800 there does
    // not turn prefixes off.
    EXPECT_TRUE(Same(Drawn("&Save", r, dt::kTabStop | dt::kNoPrefix), marked));
}

TEST(TextDrawText, ClipsToTheRectangleUnlessTold) {
    const Rect r{10, 10, 60, 22};
    SurfaceCanvas clipped = Drawn("Clipped caption text", r, 0);
    const Ink ink = InkOf(clipped);
    ASSERT_TRUE(ink.any());
    EXPECT_GE(ink.left, 10);
    EXPECT_LT(ink.right, 60);
    EXPECT_GE(ink.top, 10);
    EXPECT_LT(ink.bottom, 22);
    const Ink free = InkOf(Drawn("Clipped caption text", r, dt::kNoClip));
    EXPECT_GE(free.right, 60);
    EXPECT_GE(free.bottom, 22);
    // 0x100 inside the tab-stop byte is a tab length, not "no clip".
    EXPECT_TRUE(Same(Drawn("Clipped caption text", r, dt::kTabStop | dt::kNoClip), clipped));
    // An empty rectangle shows nothing.
    EXPECT_FALSE(InkOf(Drawn("Text", {50, 50, 40, 60}, 0)).any());
}

TEST(TextDrawText, TabsExpandToStopsWhenAsked) {
    const Rect r{0, 0, 200, 80};
    const int plain = InkOf(Drawn("a\tb", r, 0)).right;
    const int expanded = InkOf(Drawn("a\tb", r, dt::kExpandTabs)).right;
    const int shortTabs = InkOf(Drawn("a\tb", r, dt::kExpandTabs | dt::kTabStop | (2u << 8))).right;
    EXPECT_GT(expanded, plain + 20);
    EXPECT_LT(shortTabs, expanded);
    EXPECT_GT(shortTabs, plain);
}

TEST(TextDrawText, CaptionsAreUtf8) {
    SurfaceCanvas c = Blank(10, 10);
    EXPECT_GT(c.TextWidth("\xC3\xA9"), 0);                               // e acute
    EXPECT_EQ(c.TextWidth("\xE2\x82\xAC"), c.TextWidth("\xE2\x82\xAC")); // euro, cached
    EXPECT_GT(c.TextWidth("\xE2\x82\xAC"), 0);
    EXPECT_LT(c.TextWidth("\xC3\xA9"), c.TextWidth("\xC3\xA9\xC3\xA9"));
    EXPECT_GT(c.TextWidth("\xFF\xFE"), 0); // malformed bytes still take room
    EXPECT_TRUE(InkOf(Drawn("\xC3\x89t\xC3\xA9 \xE2\x82\xAC", {0, 0, 200, 80}, 0)).any());
    // An umbrella, which Liberation Sans lacks, comes from DejaVu Sans.
    Font dejavu = Arial();
    dejavu.name = "DejaVu Sans";
    EXPECT_EQ(c.TextWidth("\xE2\x98\x82"), Blank(1, 1, dejavu).TextWidth("\xE2\x98\x82"));
    EXPECT_TRUE(InkOf(Drawn("\xE2\x98\x82", {0, 0, 200, 80}, 0)).any());
}

} // namespace
} // namespace nk
