// NuvelCommand where pixels and persistence matter: the generated gradient pictures, the
// placement that leaves the rest of the surface alone, the frames, the disabled look,
// a save and load round trip, and values at the edges of their types.
#include "framework/pic_styles.h"
#include "host/forms/json_bag.h"
#include "host/hosts/compose.h"
#include "host/hosts/control_site.h"
#include "host/hosts/recording_host.h"
#include "set1/command/nuvel_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

namespace nk {
namespace {

constexpr OleColor kBlack = 0x000000;
constexpr OleColor kWhite = 0xFFFFFF;
constexpr OleColor kLight = 0xC8D0D4;      // 3-D light, RGB(212, 208, 200)
constexpr OleColor kShadow = 0x808080;     // button shadow
constexpr OleColor kDarkShadow = 0x404040; // 3-D dark shadow

Picture Solid(int w, int h, OleColor c) {
    return MakePicture(Image(w, h, 0xFF000000u | ResolveColor(c)), "solid");
}

// A NuvelCommand placed as a container places it: InitProperties, Resize, Paint.
class Button {
public:
    explicit Button(int w = 250, int h = 100, TraceSink* trace = nullptr)
        : site_(NuvelCommandInterface(), Options(w, h, trace)) {
        site_.InitProperties();
        site_.Resize();
        site_.Paint();
    }

    ControlSite& site() { return site_; }
    void Set(std::string_view member, const Variant& v) {
        ASSERT_TRUE(site_.Set(member, v)) << member;
    }
    std::string Get(std::string_view member) {
        auto v = site_.Get(member);
        if (!v) return "<none>";
        if (v->kind() == VariantKind::Picture) return PictureName(v->picture());
        if (v->kind() == VariantKind::Font) {
            const Font& f = v->font();
            return f.name + " " + std::to_string(f.size) + (f.bold ? " bold" : "") +
                   (f.italic ? " italic" : "") + (f.underline ? " underline" : "") +
                   (f.strikethru ? " strikethru" : "");
        }
        return VariantToString(*v);
    }
    Image Shown() { return Compose(site_.host()); }
    OleColor Pixel(int x, int y) { return ComposedPixel(Shown(), x, y).value_or(0xDEADBEEF); }

private:
    static ControlSite::Options Options(int w, int h, TraceSink* trace) {
        ControlSite::Options o;
        o.width = w;
        o.height = h;
        o.trace = trace;
        return o;
    }
    ControlSite site_;
};

int Even(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The ramp of the default dividends 2, 2 and 1 at a brightness b.
OleColor Ramp(int t, double b = 1) {
    return RGB(Even(t / 2.0 * b), Even(t / 2.0 * b), Even(t * b));
}

// A 257 x 20 button gives the X1 pattern a span of 255, so pass i fills the box from
// column i - 1 to column i; the next pass paints over its right column.
class GradientTest : public ::testing::Test {
protected:
    void Show(bool inverted, double brightness) {
        button_.Set("Caption", Variant::String(""));
        button_.Set("GradientInverted", Variant::Boolean(ToVBool(inverted)));
        button_.Set("GradientBrightness", Variant::Single(static_cast<float>(brightness)));
        button_.Set("BackPicture", Variant::Long(NKPictureX1));
    }
    Button button_{257, 20};
};

TEST_F(GradientTest, EachPassPaintsOneColumnOfTheRamp) {
    Show(false, 100);
    const Image shown = button_.Shown();
    for (int x = 0; x <= 254; ++x)
        ASSERT_EQ(ComposedPixel(shown, x, 10), Ramp(x + 1)) << "column " << x;
    EXPECT_EQ(ComposedPixel(shown, 255, 10), Ramp(255));
    // No pass reaches the last column: the canvas's black shows there.
    EXPECT_EQ(ComposedPixel(shown, 256, 10), kBlack);
    EXPECT_EQ(ComposedPixel(shown, 128, 0), Ramp(129));
    EXPECT_EQ(ComposedPixel(shown, 128, 19), Ramp(129));
}

TEST_F(GradientTest, InvertedRampRunsFromBrightToDark) {
    Show(true, 100);
    const Image shown = button_.Shown();
    for (int x = 0; x <= 254; ++x)
        ASSERT_EQ(ComposedPixel(shown, x, 10), Ramp(254 - x)) << "column " << x;
}

TEST_F(GradientTest, HalfBrightnessRoundsHalvesToEven) {
    Show(false, 50);
    const Image shown = button_.Shown();
    for (int x = 0; x <= 254; ++x)
        ASSERT_EQ(ComposedPixel(shown, x, 10), Ramp(x + 1, 0.5)) << "column " << x;
    // t = 3 gives 0.75 / 0.75 / 1.5: red and green round to 1, blue to 2.
    EXPECT_EQ(ComposedPixel(shown, 2, 10), RGB(1, 1, 2));
}

TEST_F(GradientTest, ZeroDividendLeavesEveryStripeBlack) {
    button_.Set("GradientRedDividend", Variant::Single(0));
    Show(false, 100);
    const Image shown = button_.Shown();
    for (int x = 0; x < 257; ++x)
        ASSERT_EQ(ComposedPixel(shown, x, 10), kBlack) << "column " << x;
}

TEST_F(GradientTest, TinyDividendOverflowsSixteenBitsAndKeepsThePreviousColour) {
    // t / 0.01 exceeds 16 bits from t = 328 on, so no pass fails here, but t / 0.001 does
    // from t = 33: from then on every pass keeps the colour of pass 32.
    button_.Set("GradientBlueDividend", Variant::Single(0.001f));
    Show(false, 100);
    const Image shown = button_.Shown();
    const OleColor last = RGB(16, 16, 255); // pass 32: 16, 16 and 32000 (counted as 255)
    EXPECT_EQ(ComposedPixel(shown, 31, 10), last);
    for (int x = 32; x <= 254; ++x)
        ASSERT_EQ(ComposedPixel(shown, x, 10), last) << "column " << x;
}

TEST_F(GradientTest, PressedPictureGoesDownOnePixelWhenItCoversTheButton) {
    Show(false, 100);
    button_.Set("PictureGoDown", Variant::Boolean(kTrue));
    ASSERT_TRUE(button_.site().KeyDown(32, 0));
    const Image shown = button_.Shown();
    for (int x = 2; x <= 250; ++x)
        ASSERT_EQ(ComposedPixel(shown, x + 1, 10), Ramp(x + 1)) << "column " << x;
}

TEST(CommandPlacement, DefaultStyleCentresTheBackgroundAndLeavesTheMarginAlone) {
    Button b(300, 120);
    b.Set("PictureNormal", Variant::OfPicture(Solid(250, 100, 0x00FF00)));
    b.Set("BackPicture", Variant::Long(NKCustomPicture));
    const Image shown = b.Shown();
    EXPECT_EQ(ComposedPixel(shown, 25, 60), 0x00FF00u);
    EXPECT_EQ(ComposedPixel(shown, 274, 109), 0x00FF00u);
    EXPECT_EQ(ComposedPixel(shown, 100, 10), 0x00FF00u);
    // Never painted: the surface's design-time black.
    EXPECT_EQ(ComposedPixel(shown, 24, 60), kBlack);
    EXPECT_EQ(ComposedPixel(shown, 275, 60), kBlack);
    EXPECT_EQ(ComposedPixel(shown, 100, 9), kBlack);
    EXPECT_EQ(ComposedPixel(shown, 100, 110), kBlack);
}

TEST(CommandPlacement, HalfSizeSitsSixtySevenLeftOfTheCentre) {
    Button b;
    b.Set("PictureMode", Variant::Long(RescaleToEdges));
    b.Set("PictureNormal", Variant::OfPicture(Solid(40, 40, 0x0000FF)));
    b.Set("BackPicture", Variant::Long(NKCustomPicture));
    b.Set("PictureMode", Variant::Long(HalfSize));
    b.Set("PictureNormal", Variant::OfPicture(Solid(40, 40, 0xFF00FF)));
    const Image shown = b.Shown();
    // 125 x 50 at (125 - 67, 50 - 25) = (58, 25), over the earlier red.
    EXPECT_EQ(ComposedPixel(shown, 57, 30), 0x0000FFu);
    EXPECT_EQ(ComposedPixel(shown, 58, 30), 0xFF00FFu);
    EXPECT_EQ(ComposedPixel(shown, 182, 30), 0xFF00FFu);
    EXPECT_EQ(ComposedPixel(shown, 183, 30), 0x0000FFu);
    EXPECT_EQ(ComposedPixel(shown, 100, 24), 0x0000FFu);
    EXPECT_EQ(ComposedPixel(shown, 100, 25), 0xFF00FFu);
    EXPECT_EQ(ComposedPixel(shown, 100, 74), 0xFF00FFu);
    EXPECT_EQ(ComposedPixel(shown, 100, 75), 0x0000FFu);
}

TEST(CommandPlacement, OutOfRangeBackPictureLeavesEveryPixelAsItWas) {
    Button b;
    for (std::int32_t back : {11, -1, std::numeric_limits<std::int32_t>::min()}) {
        b.Set("BackPicture", Variant::Long(back));
        const Image before = b.Shown();
        b.Set("Caption", Variant::String("Changed " + std::to_string(back)));
        b.Set("CoolButton", Variant::Boolean(kFalse));
        ASSERT_TRUE(b.site().MouseDown(1, 0, 10, 10));
        EXPECT_EQ(b.Shown().pixels, before.pixels) << "BackPicture " << back;
        ASSERT_TRUE(b.site().MouseUp(1, 0, 10, 10));
        b.Set("CoolButton", Variant::Boolean(kTrue));
    }
}

TEST(CommandFrames, RaisedSunkenEdgeAndFocusFramesReachTheirCorners) {
    Button b;
    b.Set("CoolButton", Variant::Boolean(kFalse));
    EXPECT_EQ(b.Pixel(0, 0), kWhite);
    EXPECT_EQ(b.Pixel(1, 1), kLight);
    EXPECT_EQ(b.Pixel(249, 0), kDarkShadow); // the dark lines reach (r, t) and (l, b)
    EXPECT_EQ(b.Pixel(0, 99), kDarkShadow);
    EXPECT_EQ(b.Pixel(249, 99), kDarkShadow);
    EXPECT_EQ(b.Pixel(248, 98), kShadow);

    ASSERT_TRUE(b.site().MouseDown(1, 0, 10, 10));
    EXPECT_EQ(b.Pixel(0, 0), kDarkShadow);
    EXPECT_EQ(b.Pixel(1, 1), kShadow);
    EXPECT_EQ(b.Pixel(249, 0), kWhite);
    EXPECT_EQ(b.Pixel(248, 98), kLight);
    ASSERT_TRUE(b.site().MouseUp(1, 0, 10, 10));

    Button cool;
    cool.Set("BackPicture", Variant::Long(NKCustomPicture));
    cool.Set("PictureNormal", Variant::OfPicture(Solid(250, 100, 0x00FF00)));
    EXPECT_EQ(cool.Pixel(0, 0), 0x00FF00u); // no border until hovered
    ASSERT_TRUE(cool.site().MouseMove(0, 0, 10, 10));
    cool.Set("CoolUseGlow", Variant::Boolean(kFalse)); // a repaint; the glow stays shown
    EXPECT_EQ(cool.Pixel(1, 1) & 0x00FF00u, 0x00FF00u);
    EXPECT_EQ(cool.Pixel(0, 0), kWhite);
    EXPECT_EQ(cool.Pixel(249, 0), kDarkShadow | 0xC00000u); // under the glow

    cool.Set("ShowFocus", Variant::Boolean(kTrue));
    ASSERT_TRUE(cool.site().MouseMove(0, 0, -5, -5)); // leave: no glow, no edge
    ASSERT_TRUE(cool.site().GotFocus());
    EXPECT_EQ(cool.Pixel(3, 3), kShadow);
    EXPECT_EQ(cool.Pixel(4, 4), kWhite);
    EXPECT_EQ(cool.Pixel(246, 3), kWhite);
    EXPECT_EQ(cool.Pixel(0, 0), 0x00FF00u);
}

TEST(CommandDisabled, EmptyPictureDisabledDrawsNoBackground) {
    Button b;
    b.Set("BackPicture", Variant::Long(NKCustomPicture));
    b.Set("PictureNormal", Variant::OfPicture(Solid(250, 100, 0x00FF00)));
    b.Set("Enabled", Variant::Boolean(kFalse));
    EXPECT_EQ(b.Pixel(20, 20), 0x00FF00u);
    EXPECT_EQ(b.Pixel(0, 0), kWhite); // the raised frame of the disabled look

    b.Set("PictureDisabled", Variant::OfPicture(Solid(250, 100, 0x0000FF)));
    EXPECT_EQ(b.Pixel(20, 20), 0x0000FFu);
    // Modes 3 to 5 place no PictureDisabled.
    b.Set("PictureMode", Variant::Long(HalfSize));
    b.Set("PictureDisabled", Variant::OfPicture(Solid(250, 100, 0xFF0000)));
    EXPECT_EQ(b.Pixel(60, 30), 0x0000FFu);
}

// Every property a save stores comes back from a load.
TEST(CommandPersistence, SaveAndLoadGiveBackEveryMember) {
    Button a;
    a.Set("BackPicture", Variant::Long(NKPictureX2));
    a.Set("Caption", Variant::String("Round & trip"));
    a.Set("ShortCutKey", Variant::String("r"));
    a.Set("SideIconHeight", Variant::Single(12.5f));
    a.Set("RSideIconHeight", Variant::Single(13));
    a.Set("RSideIconWidth", Variant::Single(14));
    a.Set("GradientRedDividend", Variant::Single(3));
    a.Set("GradientGreenDividend", Variant::Single(4));
    a.Set("GradientBlueDividend", Variant::Single(5));
    a.Set("GradientBrightness", Variant::Single(60));
    a.Set("GradientInverted", Variant::Boolean(kTrue));
    a.Set("ForeColor", Variant::Double(0x80000012u));
    a.Set("Font", Variant::OfFont(Font{"Times New Roman", 15, true, true, false, true}));
    a.Set("SideIcon", Variant::OfPicture(Solid(8, 8, 0x123456)));
    a.Set("RSideIcon", Variant::OfPicture(Solid(9, 9, 0x654321)));
    a.Set("CoolButton", Variant::Boolean(kFalse));
    a.Set("CoolGlowColor", Variant::Double(0x00FF00));
    a.Set("CoolUseGlow", Variant::Boolean(kFalse));
    a.Set("PictureMode", Variant::Long(DoubleSize));
    a.Set("PictureNormal", Variant::OfPicture(Solid(4, 4, 0x00FFFF)));
    a.Set("PictureDisabled", Variant::OfPicture(nullptr));
    a.Set("PictureGoDown", Variant::Boolean(kTrue));
    a.Set("hWnd", Variant::Long(99));
    a.Set("HasShadow", Variant::Boolean(kTrue));
    a.Set("ShadowColor", Variant::Double(0x112233));
    a.Set("AllowMultiLine", Variant::Boolean(kTrue));
    a.Set("AdjustTop", Variant::Long(-4));
    a.Set("SoundMethod", Variant::Long(NKUseSoundEvent));
    a.Set("UseSound", Variant::Boolean(kTrue));
    a.Set("ShowFocus", Variant::Boolean(kTrue));
    a.Set("Enabled", Variant::Boolean(kFalse));
    JsonBag bag;
    ASSERT_TRUE(a.site().WriteProperties(bag));

    ControlSite::Options o;
    o.width = 250;
    o.height = 100;
    ControlSite loaded(NuvelCommandInterface(), o);
    ASSERT_TRUE(loaded.ReadProperties(bag));
    for (const PropertyInfo& p : NuvelCommandInterface().properties) {
        auto want = a.site().Get(p.name);
        auto got = loaded.Get(p.name);
        ASSERT_TRUE(want && got) << p.name;
        if (want->kind() == VariantKind::Picture)
            EXPECT_EQ(got->picture(), want->picture()) << p.name;
        else
            EXPECT_TRUE(got->SameValue(*want)) << p.name << ": " << VariantToString(*got)
                                               << " instead of " << VariantToString(*want);
    }
}

TEST(CommandPersistence, NewButtonSavedAndLoadedKeepsItsInitialValues) {
    Button a;
    JsonBag bag;
    ASSERT_TRUE(a.site().WriteProperties(bag));
    ControlSite loaded(NuvelCommandInterface());
    ASSERT_TRUE(loaded.ReadProperties(bag));
    for (const PropertyInfo& p : NuvelCommandInterface().properties) {
        auto want = a.site().Get(p.name);
        auto got = loaded.Get(p.name);
        ASSERT_TRUE(want && got) << p.name;
        if (want->kind() == VariantKind::Picture)
            EXPECT_EQ(PictureName(got->picture()), PictureName(want->picture())) << p.name;
        else
            EXPECT_TRUE(got->SameValue(*want)) << p.name;
    }
}

TEST(CommandResize, RebuildsTheGradientForTheNewSizeWithoutRepainting) {
    std::ostringstream out;
    TraceSink sink(out);
    Button b(257, 20, &sink);
    b.Set("BackPicture", Variant::Long(NKPictureX2));
    out.str("");
    ASSERT_TRUE(b.site().SetSize(120, 30));
    std::string trace = out.str();
    EXPECT_EQ(trace.find("Shape2.Move 0 0 120 30\nPicture1.Move 0 0 120 30\n"), 0u) << trace;
    EXPECT_EQ(trace.find("PaintPicture"), std::string::npos) << trace;
    // 120 is narrow: the span is 117 and k = 117 / 255, so the mirrored line of the last
    // pass runs from 117 - 0.8 (255 - k) to 117 - 0.8 x 255 k = 23.4.
    EXPECT_NE(trace.find("Picture1.Line -86.6329 0 23.4 30 "), std::string::npos) << trace;

    // A CoolButton change repaints with the old picture; the next resize rebuilds it
    // 2 pixels smaller, drawn 2 pixels in.
    b.Set("CoolButton", Variant::Boolean(kFalse));
    out.str("");
    ASSERT_TRUE(b.site().SetSize(121, 30));
    trace = out.str();
    EXPECT_NE(trace.find("Picture1.Move 0 0 119 28\n"), std::string::npos) << trace;
    ASSERT_TRUE(b.site().Paint());
    EXPECT_NE(out.str().find("PaintPicture image:119x28 0 0\n"), std::string::npos);
}

// Numbers at the edges of their types: the steps that cannot be computed are skipped.
TEST(CommandEdges, AdjustTopAtTheLimitKeepsTheMovedTop) {
    std::ostringstream out;
    TraceSink sink(out);
    Button b(250, 100, &sink);
    b.Set("Caption", Variant::String("x"));
    b.Set("AllowMultiLine", Variant::Boolean(kTrue));
    b.Set("HasShadow", Variant::Boolean(kTrue));
    b.Set("AdjustTop", Variant::Long(std::numeric_limits<std::int32_t>::max()));
    out.str("");
    ASSERT_TRUE(b.site().Paint());
    const std::string trace = out.str();
    // The shadow's AdjustTop + 3 does not fit 32 bits: its top stays at the moved 3.
    EXPECT_NE(trace.find("DrawText \"x\" 3 3 253 103 145\n"), std::string::npos) << trace;
    EXPECT_NE(trace.find("DrawText \"x\" 0 2147483647 250 100 145\n"), std::string::npos) << trace;
}

TEST(CommandEdges, SystemGlowColourShowsTheGlowWithoutAFillColour) {
    std::ostringstream out;
    TraceSink sink(out);
    Button b(250, 100, &sink);
    b.Set("CoolGlowColor", Variant::Double(0x80000014u));
    out.str("");
    ASSERT_TRUE(b.site().MouseMove(0, 0, 5, 5));
    const std::string trace = out.str();
    EXPECT_EQ(trace.find("Shape2.FillColor"), std::string::npos) << trace;
    EXPECT_NE(trace.find("Shape2.Visible True\nSetCapture\n"), std::string::npos) << trace;
}

TEST(CommandEdges, OddSizesAndValuesNeverFail) {
    for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 300}, {700, 1}}) {
        Button b(w, h);
        ControlSite& s = b.site();
        for (std::int32_t back : {8, 9})
            for (bool cool : {true, false}) {
                b.Set("CoolButton", Variant::Boolean(ToVBool(cool)));
                b.Set("BackPicture", Variant::Long(back));
                b.Set("GradientBrightness", Variant::Single(std::nanf("")));
                b.Set("GradientRedDividend", Variant::Single(-1e-30f));
                b.Set("SideIconHeight", Variant::Single(std::numeric_limits<float>::max()));
                EXPECT_TRUE(s.KeyDown(32, 0));
                EXPECT_TRUE(s.MouseMove(0, 0, std::nanf(""), 0));
                EXPECT_TRUE(s.KeyUp(32, 0));
                EXPECT_TRUE(s.SetSize(h, w) || w == h);
            }
        Compose(s.host());
    }
}

} // namespace
} // namespace nk
