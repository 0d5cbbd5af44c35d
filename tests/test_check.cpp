// NuvelCheck where pixels and persistence matter: the glyph lands at its place for each
// state, a low control clips it, the caption stays in its rectangle and takes ForeColor only
// at a repaint, the hover edge and the glow overlay, the focus marks, and a save and load
// round trip through a bag.
#include "framework/glow.h"
#include "host/forms/json_bag.h"
#include "host/hosts/compose.h"
#include "host/hosts/control_site.h"
#include "set1/check/nuvel_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace nk {
namespace {

constexpr OleColor kBlack = 0x000000;
constexpr OleColor kHighlight = 0xFFFFFF;  // 3-D highlight
constexpr OleColor kDarkShadow = 0x404040; // 3-D dark shadow

// A NuvelCheck placed as a container places it: InitProperties, Resize, Paint.
class CheckBox {
public:
    explicit CheckBox(int w = 120, int h = 30) : site_(NuvelCheckInterface(), Options(w, h)) {
        site_.InitProperties();
        site_.Resize();
        site_.Paint();
    }

    ControlSite& site() { return site_; }
    void Set(std::string_view member, const Variant& v) {
        ASSERT_TRUE(site_.Set(member, v)) << member;
    }
    Image Shown() { return Compose(site_.host()); }
    OleColor Pixel(int x, int y) { return ComposedPixel(Shown(), x, y).value_or(0xDEADBEEF); }
    // The built-in bitmap as the host loads it.
    Picture Resource(int id) { return site_.host().LoadResPicture(id); }

private:
    static ControlSite::Options Options(int w, int h) {
        ControlSite::Options o;
        o.width = w;
        o.height = h;
        return o;
    }
    ControlSite site_;
};

std::uint32_t Opaque(std::uint32_t pixel) {
    return pixel | 0xFF000000u;
}

// Whether the 24 x 24 picture appears on the composed image with its top-left corner at
// (0, top), comparing the rows that fall on the image.
::testing::AssertionResult ShowsGlyphAt(const Image& shown, const Picture& glyph, int top) {
    if (!HasImage(glyph)) return ::testing::AssertionFailure() << "no glyph bitmap";
    const Image& g = *glyph->image();
    int compared = 0;
    for (int y = 0; y < g.height; ++y) {
        const int sy = top + y;
        if (sy < 0 || sy >= shown.height) continue;
        for (int x = 0; x < g.width && x < shown.width; ++x) {
            if (Opaque(shown.At(x, sy)) != Opaque(g.At(x, y)))
                return ::testing::AssertionFailure() << "glyph pixel (" << x << ", " << y
                                                     << ") differs at (" << x << ", " << sy << ")";
            ++compared;
        }
    }
    if (compared == 0) return ::testing::AssertionFailure() << "no glyph row on the control";
    return ::testing::AssertionSuccess();
}

bool ColumnsAreAll(const Image& shown, int x0, int x1, OleColor c) {
    for (int y = 0; y < shown.height; ++y)
        for (int x = x0; x < x1; ++x)
            if (PixelToOleColor(shown.At(x, y)) != c) return false;
    return true;
}

// Pixels of colour c right of the glyph, where only the caption draws.
int CaptionPixels(const Image& shown, OleColor c) {
    int n = 0;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 24; x < shown.width; ++x)
            if (PixelToOleColor(shown.At(x, y)) == c) ++n;
    return n;
}

TEST(CheckGlyph, EachStateShowsItsBuiltInBitmapCentredVertically) {
    CheckBox box;
    ASSERT_FALSE(ShowsGlyphAt(box.Shown(), box.Resource(202), 3)) << "201 and 202 look alike";
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), box.Resource(201), 3));

    box.Set("Value", Variant::Long(NKChecked));
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), box.Resource(202), 3));
    box.Set("Value", Variant::Long(5));
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), box.Resource(202), 3));

    box.site().MouseDown(1, 0, 5, 5);
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), box.Resource(203), 3));
    box.site().MouseUp(1, 0, 5, 5);
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), box.Resource(201), 3));

    box.Set("Enabled", Variant::Boolean(kFalse));
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), box.Resource(204), 3));
}

TEST(CheckGlyph, OddHeightsPlaceTheGlyphOnTheRoundedCentre) {
    // 41 pixels: the glyph's top is 20.5 - 12 = 8.5, which the surface rounds to 9.
    CheckBox box(120, 41);
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), box.Resource(201), 9));
}

TEST(CheckGlyph, LowControlClipsTheGlyphAboveAndBelow) {
    // 10 pixels high: the glyph starts at -7, so rows 7 to 16 of the bitmap show.
    CheckBox box(120, 10);
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), box.Resource(201), -7));
}

TEST(CheckGlyph, CustomPicturesReplaceTheBuiltInOnes) {
    CheckBox box;
    const Picture un = MakePicture(Image(24, 24, 0xFF2040A0u), "un");
    const Picture ck = MakePicture(Image(24, 24, 0xFF20A040u), "ck");
    box.Set("PictureUncheck", Variant::OfPicture(un));
    box.Set("PictureCheck", Variant::OfPicture(ck));
    // Still the classic look: the pictures wait for NuvelCheckType.
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), box.Resource(201), 3));
    box.Set("NuvelCheckType", Variant::Long(NKCustom));
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), un, 3));
    box.Set("Value", Variant::Long(NKChecked));
    EXPECT_TRUE(ShowsGlyphAt(box.Shown(), ck, 3));
}

TEST(CheckGlyph, ClearingTheSurfaceRemovesTheOldGlyph) {
    CheckBox box;
    const Picture un = MakePicture(Image(24, 24, 0xFFFF0000u), "red");
    box.Set("NuvelCheckType", Variant::Long(NKCustom));
    box.Set("PictureUncheck", Variant::OfPicture(un));
    ASSERT_EQ(box.Pixel(12, 15), 0x0000FFu);
    // Checked with only an empty PictureCheck: nothing is drawn over the cleared surface.
    box.Set("Value", Variant::Long(NKChecked));
    EXPECT_EQ(box.Pixel(12, 15), kBlack);
}

TEST(CheckCaption, StaysBetweenThirtyAndTwoShortOfTheRightEdge) {
    CheckBox box;
    box.Set("Font", Variant::OfFont(Font{"Arial", 14, true}));
    box.Set("Caption", Variant::String("WWWWWWWWWWWWWWWWWWWWWWWW"));
    const Image shown = box.Shown();
    // White text on black: something is drawn, but not between the glyph and x = 30, and
    // not on the last two columns.
    EXPECT_GT(CaptionPixels(shown, 0xFFFFFF), 20);
    EXPECT_TRUE(ColumnsAreAll(shown, 24, 30, kBlack));
    EXPECT_TRUE(ColumnsAreAll(shown, 118, 120, kBlack));
    EXPECT_FALSE(ColumnsAreAll(shown, 100, 118, kBlack));
}

TEST(CheckCaption, MultiLineCaptionBelowTheControlIsClippedAway) {
    CheckBox box;
    box.Set("Caption", Variant::String(""));
    const Image empty = box.Shown();
    box.Set("Caption", Variant::String("Hidden below"));
    ASSERT_NE(box.Shown().pixels, empty.pixels);
    box.Set("AllowMultiLine", Variant::Boolean(kTrue));
    box.Set("AdjustTop", Variant::Long(40));
    box.site().Paint();
    EXPECT_EQ(box.Shown().pixels, empty.pixels);
}

TEST(CheckCaption, ForeColorShowsOnlyFromTheNextRepaint) {
    CheckBox box;
    box.Set("Font", Variant::OfFont(Font{"Arial", 14, true}));
    box.Set("Caption", Variant::String("Red"));
    const OleColor red = 0x0000FF;
    box.Set("ForeColor", Variant::Double(red));
    EXPECT_EQ(CaptionPixels(box.Shown(), red), 0);
    box.site().Paint();
    EXPECT_GT(CaptionPixels(box.Shown(), red), 10);
}

TEST(CheckHover, EdgeIsLightLeftAndTopAndDarkRightAndBottom) {
    CheckBox box;
    box.Set("CoolUseGlow", Variant::Boolean(kFalse));
    EXPECT_EQ(box.Pixel(60, 0), kBlack);
    box.site().MouseMove(0, 0, 60, 20);
    EXPECT_EQ(box.Pixel(0, 0), kHighlight);
    EXPECT_EQ(box.Pixel(60, 0), kHighlight);
    EXPECT_EQ(box.Pixel(0, 28), kHighlight);
    EXPECT_EQ(box.Pixel(60, 29), kDarkShadow);
    EXPECT_EQ(box.Pixel(119, 15), kDarkShadow);
    // The dark lines run one pixel further: both far corners are dark.
    EXPECT_EQ(box.Pixel(0, 29), kDarkShadow);
    EXPECT_EQ(box.Pixel(119, 0), kDarkShadow);
    EXPECT_EQ(box.Pixel(1, 1), kBlack);
    box.site().MouseMove(0, 0, 121, 20);
    EXPECT_EQ(box.Pixel(60, 0), kBlack);
    EXPECT_EQ(box.Pixel(119, 15), kBlack);
}

TEST(CheckHover, GlowOrsEveryPixelWithTheGlowColour) {
    CheckBox box;
    const OleColor glow = 0x206000;
    box.Set("CoolGlowColor", Variant::Double(glow));
    box.site().MouseMove(0, 0, 60, 20);
    const Image surface = box.site().host().surface().pixels();
    const Image shown = box.Shown();
    ASSERT_EQ(shown.pixels.size(), surface.pixels.size());
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            ASSERT_EQ(PixelToOleColor(shown.At(x, y)), PixelToOleColor(surface.At(x, y)) | glow)
                << x << ", " << y;
    // The press hides the overlay.
    box.site().MouseDown(1, 0, 60, 20);
    EXPECT_EQ(box.Pixel(60, 25), kBlack);
}

TEST(CheckHover, OverlayFollowsTheControlsSize) {
    CheckBox box;
    box.site().MouseMove(0, 0, 10, 10);
    ASSERT_TRUE(box.site().SetSize(200, 50));
    box.site().MouseMove(0, 0, 190, 45);
    // Hovering already: the overlay was moved by Resize, not by the entry.
    EXPECT_EQ(box.Pixel(199, 49), 0xC00000u | kDarkShadow);
    EXPECT_EQ(box.Pixel(150, 40), 0xC00000u);
}

TEST(CheckFocus, CircleAndBoxAroundTheGlyphInFocusColor) {
    CheckBox box;
    const OleColor mark = 0x00FFFF;
    box.Set("ShowFocus", Variant::Boolean(kTrue));
    box.Set("FocusColor", Variant::Double(mark));
    box.site().GotFocus();
    // Radius 11 about (12, 15).
    EXPECT_EQ(box.Pixel(23, 15), mark);
    EXPECT_EQ(box.Pixel(1, 15), mark);
    EXPECT_EQ(box.Pixel(12, 4), mark);
    EXPECT_EQ(box.Pixel(12, 26), mark);
    EXPECT_NE(box.Pixel(0, 3), mark);

    box.Set("FocusType", Variant::Long(NKChkNormalSquare));
    // From (0, 3) to (24, 27), both corners included.
    EXPECT_EQ(box.Pixel(0, 3), mark);
    EXPECT_EQ(box.Pixel(24, 27), mark);
    EXPECT_EQ(box.Pixel(24, 15), mark);
    EXPECT_EQ(box.Pixel(12, 27), mark);
    EXPECT_NE(box.Pixel(23, 15), mark);

    box.site().LostFocus();
    EXPECT_NE(box.Pixel(24, 15), mark);
    EXPECT_NE(box.Pixel(0, 3), mark);
}

// Every member, read back after a save and a load, as a container's form file would.
void ExpectSameMembers(ControlSite& saved, ControlSite& loaded) {
    for (const PropertyInfo& p : NuvelCheckInterface().properties) {
        auto want = saved.Get(p.name);
        auto got = loaded.Get(p.name);
        ASSERT_TRUE(want && got) << "member " << std::string(p.name)
                                 << (want ? " loaded" : " saved");
        if (want->kind() == VariantKind::Picture)
            EXPECT_EQ(PictureName(got->picture()), PictureName(want->picture())) << p.name;
        else
            EXPECT_TRUE(got->SameValue(*want)) << p.name << ": " << VariantToString(*got)
                                               << " instead of " << VariantToString(*want);
    }
}

ControlSite::Options DesignSize() {
    ControlSite::Options o;
    o.width = 120;
    o.height = 30;
    return o;
}

TEST(CheckPersistence, EveryMemberSurvivesASaveAndALoad) {
    CheckBox a;
    const auto pic = [](const char* name, std::uint32_t c) {
        return Variant::OfPicture(MakePicture(Image(24, 24, c), name));
    };
    a.Set("AllowMultiLine", Variant::Boolean(kTrue));
    a.Set("AdjustTop", Variant::Long(-6));
    a.Set("ShowFocus", Variant::Boolean(kTrue));
    a.Set("UseSound", Variant::Boolean(kTrue));
    a.Set("SoundMethod", Variant::Long(7));
    a.Set("FocusColor", Variant::Double(0x80000012));
    a.Set("Font", Variant::OfFont(Font{"Times New Roman", 11, false, true, true, true}));
    a.Set("Caption", Variant::String("Saved && loaded"));
    a.Set("Value", Variant::Long(-9));
    a.Set("BackColor", Variant::Double(0x123456));
    a.Set("ForeColor", Variant::Double(0x654321));
    a.Set("Enabled", Variant::Boolean(kFalse));
    a.Set("PictureUncheck", pic("un", 0xFF000010u));
    a.Set("PictureCheck", pic("ck", 0xFF000020u));
    a.Set("PicturePushed", Variant::OfPicture(nullptr));
    a.Set("PictureDisabled", pic("dis", 0xFF000030u));
    a.Set("NuvelCheckType", Variant::Long(3));
    a.Set("FocusType", Variant::Long(-1));
    a.Set("CoolButton", Variant::Boolean(kFalse));
    a.Set("CoolUseGlow", Variant::Boolean(kFalse));
    a.Set("CoolGlowColor", Variant::Double(0x0000FF));
    JsonBag bag;
    ASSERT_TRUE(a.site().WriteProperties(bag));

    ControlSite loaded(NuvelCheckInterface(), DesignSize());
    ASSERT_TRUE(loaded.ReadProperties(bag));
    ExpectSameMembers(a.site(), loaded);
    // The pictures come back as the same objects, the disabled one included.
    EXPECT_EQ(loaded.Get("PictureDisabled")->picture(), a.site().Get("PictureDisabled")->picture());
}

TEST(CheckPersistence, NewControlSavedAndLoadedKeepsItsInitialValues) {
    CheckBox a;
    JsonBag bag;
    ASSERT_TRUE(a.site().WriteProperties(bag));
    ControlSite loaded(NuvelCheckInterface(), DesignSize());
    ASSERT_TRUE(loaded.ReadProperties(bag));
    ExpectSameMembers(a.site(), loaded);
}

TEST(CheckPersistence, KeysAsWrittenAndAnAbsentDisabledPictureLeftOut) {
    CheckBox a;
    a.Set("AllowMultiLine", Variant::Boolean(kTrue));
    JsonBag bag;
    ASSERT_TRUE(a.site().WriteProperties(bag));
    std::vector<std::string> keys;
    for (const auto& [key, value] : bag.entries())
        keys.push_back(key);
    EXPECT_NE(std::find(keys.begin(), keys.end(), "AllowMultiline"), keys.end());
    EXPECT_EQ(std::find(keys.begin(), keys.end(), "AllowMultiLine"), keys.end());
    EXPECT_EQ(std::find(keys.begin(), keys.end(), "PictureDisabled"), keys.end());
}

TEST(CheckPersistence, WrongKindsInTheBagLeaveTheValuesAsTheyWere) {
    CheckBox a;
    const Font font{"Courier New", 12};
    a.Set("Font", Variant::OfFont(font));
    a.Set("Value", Variant::Long(3));
    JsonBag bag;
    std::string error;
    ASSERT_TRUE(bag.Parse(R"({"Value":"many","PictureCheck":12,"Font":"Arial",)"
                          R"("CoolButton":"yes","Caption":{"picture":""},"AdjustTop":5})",
                          {}, error))
        << error;
    ASSERT_TRUE(a.site().ReadProperties(bag));
    // Read defaults would give 0, no picture, the ambient font, False and "".
    EXPECT_EQ(VariantToString(*a.site().Get("Value")), "3");
    EXPECT_EQ(PictureName(a.site().Get("PictureCheck")->picture()), "empty");
    EXPECT_EQ(a.site().Get("Font")->font(), font);
    EXPECT_EQ(VariantToString(*a.site().Get("CoolButton")), "True");
    EXPECT_EQ(a.site().Get("Caption")->text(), "NuvelCheck1");
    // The keys that could be read still were.
    EXPECT_EQ(VariantToString(*a.site().Get("AdjustTop")), "5");
}

TEST(GlowFill, WhiteLessTheGlowColourOrNothingForASystemColour) {
    EXPECT_EQ(GlowFillColor(0xC00000), 0x3FFFFFu);
    EXPECT_EQ(GlowFillColor(0x000000), 0xFFFFFFu);
    EXPECT_EQ(GlowFillColor(0xFFFFFF), 0x000000u);
    EXPECT_EQ(GlowFillColor(0x80000014), std::nullopt);
    EXPECT_EQ(GlowFillColor(0x80000000), std::nullopt);
}

} // namespace
} // namespace nk
