// Captions beyond the Latin letters: characters from fallback fonts, shaped runs, the
// display order of right-to-left runs, and the layouts over them.
#include "host/surface/surface_canvas.h"
#include "tests/ink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nk {
namespace {

constexpr unsigned kPlain = dt::kNoPrefix | dt::kNoClip;

Font Named(const char* name, double size = 15) {
    Font f;
    f.name = name;
    f.size = size;
    return f;
}

SurfaceCanvas Blank(int w = 240, int h = 80, const Font& f = Named("Arial")) {
    return SurfaceCanvas(w, h, 0xFFFFFF, 0x000000, f);
}

SurfaceCanvas Drawn(std::string_view text, unsigned flags = kPlain, Rect r = {0, 0, 240, 80},
                    const Font& f = Named("Arial")) {
    SurfaceCanvas c = Blank(240, 80, f);
    EXPECT_TRUE(c.DrawText(text, r, flags));
    return c;
}

// The pieces drawn one by one from the left, each where the one before ends.
SurfaceCanvas DrawnInPieces(const std::vector<std::string>& pieces) {
    SurfaceCanvas c = Blank();
    int x = 0;
    for (const std::string& p : pieces) {
        EXPECT_TRUE(c.DrawText(p, {x, 0, 240, 80}, kPlain));
        x += static_cast<int>(c.TextWidth(p));
    }
    return c;
}

using ink::DifferenceOf;
using ink::Ink;
using ink::InkOf;

bool Same(const SurfaceCanvas& a, const SurfaceCanvas& b) {
    return a.pixels().pixels == b.pixels().pixels;
}

int Width(std::string_view text, const Font& f = Named("Arial")) {
    return static_cast<int>(Blank(1, 1, f).TextWidth(text));
}

TEST(TextFallback, ACharacterTheFontLacksComesFromAFontThatHasIt) {
    // Liberation Sans, which "Arial" finds, has no Han characters; Droid Sans Fallback has.
    const std::string han = "\xE4\xB8\xAD"; // U+4E2D
    const int width = Width(han);
    EXPECT_EQ(width, Width(han, Named("Droid Sans Fallback")));
    EXPECT_EQ(Width("a" + han + "b"), Width("a") + width + Width("b"));
    const Ink ink = InkOf(Drawn(han));
    ASSERT_TRUE(ink.any());
    EXPECT_GE(ink.left, 0);
    EXPECT_LT(ink.right, width);
    // Not the missing-glyph box: that is narrower than a Han character.
    EXPECT_NE(width, Width("\xF4\x8F\xBF\xBD"));
}

TEST(TextFallback, ACharacterNoFontHasDrawsTheMissingGlyph) {
    // Two characters of the last private use plane, which no installed font has.
    const std::string a = "\xF4\x8F\xBF\xBD", b = "\xF4\x8F\xBF\xBC"; // U+10FFFD, U+10FFFC
    const SurfaceCanvas drawn = Drawn(a);
    EXPECT_TRUE(InkOf(drawn).any());
    EXPECT_GT(Width(a), 0);
    EXPECT_TRUE(Same(drawn, Drawn(b)));
    // In the middle of a shaped run as well.
    const std::string alef = "\xD7\x90";
    EXPECT_EQ(Width(alef + a + alef), 2 * Width(alef) + Width(a));
}

TEST(TextShaping, ShapedRunsDifferFromTheirCharactersOneByOne) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> pieces; // the characters, from the left
    };
    const std::vector<Case> cases = {
        // "salam": seen, lam, alef, meem, joined; on their own from the left: meem, alef,
        // lam, seen.
        {"Arabic letters join",
         "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85",
         {"\xD9\x85", "\xD8\xA7", "\xD9\x84", "\xD8\xB3"}},
        // "ki": the vowel sign i comes after ka but is drawn before it.
        {"a Devanagari vowel sign moves",
         "\xE0\xA4\x95\xE0\xA4\xBF",
         {"\xE0\xA4\x95", "\xE0\xA4\xBF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SurfaceCanvas shaped = Drawn(c.text);
        EXPECT_TRUE(InkOf(shaped).any());
        EXPECT_FALSE(Same(shaped, DrawnInPieces(c.pieces)));
    }
    // Joined forms are narrower than the letters on their own.
    EXPECT_LT(Width(cases[0].text),
              Width("\xD9\x85") + Width("\xD8\xA7") + Width("\xD9\x84") + Width("\xD8\xB3"));
}

TEST(TextShaping, CombiningMarksSitOnTheirBase) {
    const std::string e = "e", acute = "e\xCC\x81"; // e + U+0301
    EXPECT_EQ(Width(acute), Width(e));
    const Ink plain = InkOf(Drawn(e)), marked = InkOf(Drawn(acute));
    EXPECT_LT(marked.top, plain.top - 2);
    EXPECT_LT(marked.right, Width(e) + 2);
    EXPECT_GE(marked.left, plain.left - 2);
}

TEST(TextBidi, RightToLeftRunsAreDrawnInDisplayOrder) {
    // Hebrew letters do not join, so a right-to-left run is its letters drawn one by one
    // from the last to the first.
    const std::string shin = "\xD7\xA9", lamed = "\xD7\x9C", vav = "\xD7\x95",
                      memFinal = "\xD7\x9D";
    const std::string shalom = shin + lamed + vav + memFinal;
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> pieces; // from the left
    };
    const std::vector<Case> cases = {
        {"Hebrew alone", shalom, {memFinal, vav, lamed, shin}},
        {"Latin first keeps the line left to right",
         "abc " + shalom,
         {"abc ", memFinal, vav, lamed, shin}},
        {"Hebrew first makes the line right to left",
         shalom + " abc",
         {"abc", " ", memFinal, vav, lamed, shin}},
        {"digits keep their order", shalom + " 123", {"123", " ", memFinal, vav, lamed, shin}},
        {"brackets face the other way", "(" + shalom + ")", {"(", memFinal, vav, lamed, shin, ")"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(Same(Drawn(c.text), DrawnInPieces(c.pieces)));
    }
}

TEST(TextBidi, WordBreakAndCentringWorkOnRightToLeftLines) {
    const std::string alef = "\xD7\x90", bet = "\xD7\x91", gimel = "\xD7\x92";
    const std::string w1 = alef + alef + alef, w2 = bet + bet + bet, w3 = gimel + gimel + gimel;
    const std::string text = w1 + " " + w2 + " " + w3;
    const int fit = Width(w1 + " " + w2) + 2;
    ASSERT_LT(fit, Width(text));
    const Rect narrow{0, 0, fit, 80};
    // The first line holds the first two words, the second word on its left.
    EXPECT_TRUE(
        Same(Drawn(text, dt::kWordBreak, narrow), Drawn(w1 + " " + w2 + "\n" + w3, 0, narrow)));
    EXPECT_TRUE(Same(Drawn(w1 + " " + w2, 0, narrow), DrawnInPieces({w2, " ", w1})));
    EXPECT_TRUE(Same(Drawn(text, dt::kWordBreak | dt::kCenter, narrow),
                     Drawn(w1 + " " + w2 + "\n" + w3, dt::kCenter, narrow)));
    // A centred line sits in the middle of the rectangle, as a Latin one does.
    const Rect r{0, 0, 201, 80};
    const Ink left = InkOf(Drawn(text, dt::kSingleLine, r));
    const Ink centred = InkOf(Drawn(text, dt::kSingleLine | dt::kCenter, r));
    const int dx = (201 - Width(text)) / 2;
    EXPECT_EQ(centred.left, left.left + dx);
    EXPECT_EQ(centred.right, left.right + dx);
    // Clipping cuts the line where the rectangle ends, whichever end the text starts at.
    const Ink clipped = InkOf(Drawn(text, 0, {10, 0, 40, 80}));
    EXPECT_GE(clipped.left, 10);
    EXPECT_LT(clipped.right, 40);
}

TEST(TextBidi, TheAccessKeyUnderlineStaysUnderTheMarkedCharacter) {
    const std::string shin = "\xD7\xA9", mem = "\xD7\x9E", vav = "\xD7\x95", resh = "\xD7\xA8";
    const std::string shmor = shin + mem + vav + resh; // drawn from the left: resh vav mem shin
    const std::string plainText = "Save " + shmor;
    const SurfaceCanvas plain = Drawn(plainText, 0);
    const int total = Width(plainText);
    const int baseline = InkOf(Drawn("S", 0)).bottom;
    struct Case {
        const char* what;
        std::string text;
        int left, right; // where the underline may lie
    };
    const std::vector<Case> cases = {
        {"the Latin S", "&Save " + shmor, 0, Width("S")},
        {"the Hebrew first letter, rightmost", "Save &" + shmor, total - Width(shin), total},
        {"a Hebrew letter inside the word", "Save " + shin + "&" + mem + vav + resh,
         Width("Save " + resh + vav), Width("Save " + resh + vav + mem)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Ink diff = DifferenceOf(plain, Drawn(c.text, 0));
        ASSERT_TRUE(diff.any());
        EXPECT_GE(diff.left, c.left);
        EXPECT_LE(diff.right, c.right);
        EXPECT_GE(diff.right - diff.left + 2, c.right - c.left); // across the whole letter
        EXPECT_GE(diff.top, baseline - 1);                       // under the baseline
    }
    // In a joined Arabic word the line goes under the marked letter's joined form: the
    // first letter of "fath" is the rightmost.
    const std::string fath = "\xD9\x81\xD8\xAA\xD8\xAD";
    const Ink arabic = DifferenceOf(Drawn(fath, 0), Drawn("&" + fath, 0));
    ASSERT_TRUE(arabic.any());
    EXPECT_GT(arabic.left, Width(fath) / 2);
    EXPECT_LE(arabic.right, Width(fath));
}

TEST(TextBidi, EachLineIsAParagraphOfItsOwn) {
    const std::string shalom = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D";
    const int h = static_cast<int>(Blank(1, 1).TextHeight("A"));
    struct Case {
        const char* what;
        std::string first, second;
    };
    // A line of neutrals alone runs left to right, whatever the line before it did.
    const std::vector<Case> cases = {
        {"neutrals after Hebrew", shalom, "(!"},
        {"Latin after Hebrew", shalom, "ab (c)"},
        {"Hebrew after Latin", "ab (c)", shalom + " (!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SurfaceCanvas apart = Blank();
        apart.DrawText(c.first, {0, 0, 240, 80}, kPlain);
        apart.DrawText(c.second, {0, h, 240, 80}, kPlain);
        EXPECT_TRUE(Same(Drawn(c.first + "\n" + c.second), apart));
    }
}

TEST(TextShaping, ACaptionDrawnAgainLooksTheSame) {
    // Shaped captions are kept for drawing again; many others in between push them out.
    const std::string arabic = "\xD9\x81\xD8\xAA\xD8\xAD", hebrew = "\xD7\x90\xD7\x91";
    std::vector<std::string> texts;
    for (int i = 0; i < 12; ++i)
        texts.push_back((i % 2 ? arabic : hebrew) + std::string(static_cast<std::size_t>(i), ' ') +
                        "&" + arabic);
    const auto draw = [](const std::string& t) {
        SurfaceCanvas c = Blank();
        c.DrawText(t, {0, 0, 240, 80}, 0);
        return c;
    };
    std::vector<SurfaceCanvas> first;
    for (const std::string& t : texts)
        first.push_back(draw(t));
    // After the eleven others (pushed out and shaped anew), then again at once (kept).
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t k = 1; k < texts.size(); ++k)
            draw(texts[(i + k) % texts.size()]);
        EXPECT_TRUE(Same(draw(texts[i]), first[i])) << i;
        EXPECT_TRUE(Same(draw(texts[i]), first[i])) << i;
    }
    // The same characters with and without line ends are shaped apart.
    EXPECT_FALSE(
        Same(Drawn(hebrew + "\n" + arabic, 0), Drawn(hebrew + "\n" + arabic, dt::kSingleLine)));
}

TEST(TextShaping, OddTextStaysInsideItsRectangle) {
    const std::string alef = "\xD7\x90", arabic = "\xD9\x81\xD8\xAA\xD8\xAD";
    const std::string acute = "\xCC\x81", zwj = "\xE2\x80\x8D", rlo = "\xE2\x80\xAE",
                      rli = "\xE2\x81\xA7", pdf = "\xE2\x80\xAC";
    std::string longArabic, veryLong;
    for (int i = 0; i < 60; ++i)
        longArabic += arabic + " ";
    for (int i = 0; i < 1100; ++i)
        veryLong += alef + arabic + "a ";
    const std::vector<std::string> texts = {
        acute + acute + "x",         // marks with nothing before them
        "\t" + acute + "\n" + acute, // marks after a tab and a line end
        zwj + zwj,
        rlo + "abc",                  // an override never closed
        pdf + pdf + alef + rli + "a", // closings with no openings, an open isolate
        arabic + "&",                 // an ampersand with nothing after it
        "&" + acute + alef,           // an access key on a lone mark
        alef + "\r\n" + arabic + "\r" + "x\tq",
        longArabic,
        veryLong,
        "\xF4\x8F\xBF\xBD" + alef + "\xFF" + arabic, // no font has it, a stray byte
    };
    const Rect r{20, 10, 120, 50};
    const unsigned flagSets[] = {0u, dt::kWordBreak, dt::kWordBreak | dt::kCenter,
                                 dt::kSingleLine | dt::kVCenter | dt::kRight, dt::kExpandTabs};
    for (const std::string& t : texts)
        for (unsigned flags : flagSets) {
            SCOPED_TRACE(testing::Message() << "flags " << flags << ", " << t.size() << " bytes");
            SurfaceCanvas c = Blank();
            EXPECT_TRUE(c.DrawText(t, r, flags));
            const Ink ink = InkOf(c);
            if (!ink.any()) continue;
            EXPECT_GE(ink.left, r.left);
            EXPECT_LT(ink.right, r.right);
            EXPECT_GE(ink.top, r.top);
            EXPECT_LT(ink.bottom, r.bottom);
            EXPECT_GE(c.TextWidth(t), 0);
        }
}

} // namespace
} // namespace nk
