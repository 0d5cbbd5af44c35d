// NuvelFill's pixels: what the inside of the bar shows for values in and out of range,
// where the filled part grows, and that nothing of the inside ever lands on the control's
// own surface.
#include "host/hosts/compose.h"
#include "host/hosts/control_site.h"
#include "set2/fill/nuvel_fill.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace nk {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;   // the custom fill
constexpr std::uint32_t kBlue = 0xFF0000FF;  // the empty part's colour
constexpr std::uint32_t kBlack = 0xFF000000; // Picture1 before anything is painted
constexpr OleColor kBlueOle = 0x00FF0000;

Picture Solid(int w, int h, std::uint32_t pixel, const std::string& name) {
    return MakePicture(Image(w, h, pixel), name);
}

// A horizontal bar laid out at its design size, with a red custom fill, a blue empty part
// and no text, so that every pixel of the inside is known.
class FillBar : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(site.control(), nullptr);
        site.InitProperties();
        site.Resize();
        Set("CaptionStyle", Variant::Long(0));
        Set("BackColor", Variant::Double(kBlueOle));
        Set("PictureFill", Variant::OfPicture(Solid(10, 42, kRed, "red")));
        Set("NuvelFill", Variant::Long(NKCustomPicture));
    }

    void Set(std::string_view member, const Variant& v) { ASSERT_TRUE(site.Set(member, v)); }
    HeadlessPictureBox& Inside() { return *site.host().PictureBoxChild("Picture1"); }
    std::uint32_t InsideAt(int x, int y) { return Inside().surface().pixels().At(x, y); }
    const Image& Surface() { return site.host().surface().pixels(); }

    static ControlSite::Options Size(int w, int h) {
        ControlSite::Options options;
        options.width = w;
        options.height = h;
        return options;
    }

    ControlSite site{NuvelFillInterface(), Size(200, 42)};
};

TEST_F(FillBar, Picture1LiesBetweenTheCapsAtTheBarsThickness) {
    HeadlessPictureBox& box = Inside();
    EXPECT_EQ(box.left(), 16);
    EXPECT_EQ(box.top(), 0);
    EXPECT_EQ(box.ScaleWidth(), 200 - 33);
    EXPECT_EQ(box.ScaleHeight(), 42);
}

TEST_F(FillBar, HalfValueFillsHalfTheLengthPlusOnePixel) {
    Set("Value", Variant::Integer(50)); // f = 167 / 100 * 50 = 83.5
    // The filled part is 84.5 pixels from x = 0; the empty part starts at 85.5.
    EXPECT_EQ(InsideAt(0, 20), kRed);
    EXPECT_EQ(InsideAt(83, 41), kRed);
    EXPECT_EQ(InsideAt(87, 0), kBlue);
    EXPECT_EQ(InsideAt(166, 41), kBlue);
}

TEST_F(FillBar, ValueZeroFillsOneColumnAndKeepsTheNext) {
    Set("Value", Variant::Integer(100));
    ASSERT_EQ(InsideAt(1, 10), kRed);
    Set("Value", Variant::Integer(0));
    EXPECT_EQ(InsideAt(0, 10), kRed);
    EXPECT_EQ(InsideAt(1, 10), kRed) << "the column between the parts is not repainted";
    EXPECT_EQ(InsideAt(2, 10), kBlue);
    EXPECT_EQ(InsideAt(166, 10), kBlue);
}

TEST_F(FillBar, ValueHundredFillsTheWholeLength) {
    Set("Value", Variant::Integer(100));
    for (int x = 0; x < 167; ++x)
        ASSERT_EQ(InsideAt(x, 21), kRed) << "x = " << x;
}

TEST_F(FillBar, ValuesOutOfRangeOrNotNumbersNeverPaintTheCaps) {
    Set("Value", Variant::Integer(50));
    const Image before = Surface();
    const Image composedBefore = Compose(site.host());
    const std::vector<Variant> values = {
        Variant::Integer(150),
        Variant::Integer(-5),
        Variant::String("abc"),
        Variant::Double(1e30),
        Variant::Double(-1e30),
        Variant::Double(std::numeric_limits<double>::infinity()),
        Variant::Double(std::numeric_limits<double>::quiet_NaN()),
        Variant(),
        Variant::OfPicture(Solid(1, 1, kRed, "dot")),
    };
    for (const Variant& v : values) {
        SCOPED_TRACE(VariantToString(v));
        Set("Value", v);
        EXPECT_EQ(Surface().pixels, before.pixels);
        // The composed control outside Picture1 (the caps) is unchanged too.
        const Image composed = Compose(site.host());
        for (int y = 0; y < 42; ++y)
            for (int x : {0, 8, 15, 183, 190, 199})
                ASSERT_EQ(composed.At(x, y), composedBefore.At(x, y)) << x << "," << y;
    }
}

TEST_F(FillBar, ValueAboveHundredFillsEverythingAndBelowZeroFillsNothing) {
    Set("Value", Variant::Integer(150));
    for (int x = 0; x < 167; ++x)
        ASSERT_EQ(InsideAt(x, 30), kRed) << "x = " << x;
    Set("Value", Variant::Integer(-5)); // f = -8.35: no fill, the empty part from x = -6.35
    for (int x = 0; x < 167; ++x)
        ASSERT_EQ(InsideAt(x, 30), kBlue) << "x = " << x;
}

TEST_F(FillBar, TextThatIsNotANumberFillsAsZero) {
    Set("Value", Variant::Integer(100));
    Set("Value", Variant::String("abc"));
    EXPECT_EQ(InsideAt(0, 5), kRed);
    EXPECT_EQ(InsideAt(2, 5), kBlue);
    Set("Value", Variant::String("50")); // a numeric text counts as its number
    EXPECT_EQ(InsideAt(80, 5), kRed);
    EXPECT_EQ(InsideAt(90, 5), kBlue);
}

TEST_F(FillBar, VerticalBarGrowsUpFromTheBottom) {
    Set("FillOrientation", Variant::Long(NKVertical));
    ASSERT_TRUE(site.SetSize(42, 200)); // Resize lays Picture1 out along the height
    Set("PictureFill", Variant::OfPicture(Solid(42, 10, kRed, "red")));
    HeadlessPictureBox& box = Inside();
    ASSERT_EQ(box.top(), 16);
    ASSERT_EQ(box.ScaleWidth(), 42);
    ASSERT_EQ(box.ScaleHeight(), 167);
    Set("Value", Variant::Integer(25)); // f = 41.75: red from y = 124.25, blue above 123.25
    EXPECT_EQ(InsideAt(20, 166), kRed);
    EXPECT_EQ(InsideAt(20, 126), kRed);
    EXPECT_EQ(InsideAt(20, 122), kBlue);
    EXPECT_EQ(InsideAt(20, 0), kBlue);
}

TEST_F(FillBar, DisabledBarPaintsPictureDisabledWhateverTheFillStyle) {
    Set("Value", Variant::Integer(40));
    constexpr std::uint32_t kGrey = 0xFF808080;
    Set("PictureDisabled", Variant::OfPicture(Solid(10, 42, kGrey, "grey")));
    Set("Enabled", Variant::Boolean(kFalse));
    EXPECT_EQ(InsideAt(30, 20), kGrey);
    EXPECT_EQ(InsideAt(100, 20), kBlue);
    Set("Enabled", Variant::Boolean(kTrue));
    EXPECT_EQ(InsideAt(30, 20), kRed);
}

TEST_F(FillBar, PictureBackPaintsTheEmptyPartInsteadOfTheBackColour) {
    constexpr std::uint32_t kGreen = 0xFF00FF00;
    Set("PictureBack", Variant::OfPicture(Solid(10, 42, kGreen, "green")));
    Set("Value", Variant::Integer(50));
    EXPECT_EQ(InsideAt(100, 20), kGreen);
    EXPECT_EQ(InsideAt(40, 20), kRed);
}

TEST_F(FillBar, CustomCapsSitAtTheEndsOfAHorizontalBar) {
    constexpr std::uint32_t kGreen = 0xFF00FF00;
    constexpr std::uint32_t kYellow = 0xFFFFFF00;
    Set("PictureLeftEdge", Variant::OfPicture(Solid(16, 42, kGreen, "left")));
    Set("PictureRightEdge", Variant::OfPicture(Solid(16, 42, kYellow, "right")));
    const Image& s = Surface();
    EXPECT_EQ(s.At(0, 20), kGreen);
    EXPECT_EQ(s.At(15, 20), kGreen);
    EXPECT_EQ(s.At(183, 20), kYellow); // 200 - 17
    EXPECT_EQ(s.At(198, 20), kYellow);
    EXPECT_EQ(s.At(199, 20), kBlack) << "the last column is left to the surface";
}

TEST_F(FillBar, UnknownFillStyleLeavesTheInsideAsItWas) {
    Set("Value", Variant::Integer(30));
    const Image before = Inside().surface().pixels();
    Set("NuvelFill", Variant::Long(9));
    Set("Value", Variant::Integer(90));
    EXPECT_EQ(Inside().surface().pixels().pixels, before.pixels);
}

TEST_F(FillBar, PictureModeOutsideTheTableGivesTheInsideNoThickness) {
    Set("Value", Variant::Integer(100));
    Set("PictureMode", Variant::Long(6));
    Set("Value", Variant::Integer(0));
    // Only the top row of the empty part is painted (a box from y = 0 to y = 0).
    EXPECT_EQ(InsideAt(100, 0), kBlue);
    EXPECT_EQ(InsideAt(100, 1), kRed);
    EXPECT_EQ(Inside().left(), 16) << "an unknown mode does not move Picture1";
}

} // namespace
} // namespace nk
