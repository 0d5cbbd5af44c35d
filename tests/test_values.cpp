// Values, conversions and the property bag's typed reads.
#include "framework/pic_styles.h"
#include "framework/values.h"
#include "framework/variant.h"

#include <cmath>
#include <gtest/gtest.h>

namespace nk {

TEST(Values, RgbClampsEachComponent) {
    EXPECT_EQ(RGB(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(RGB(300, 256, 1000), 0xFFFFFFu);
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
}

TEST(Values, SystemColoursResolveThroughTheClassicScheme) {
    EXPECT_EQ(ResolveColor(kButtonFace), 0xD4D0C8u);
    EXPECT_EQ(ResolveColor(kButtonShadow), 0x808080u);
    EXPECT_EQ(ResolveColor(k3DDarkShadow), 0x404040u);
    EXPECT_EQ(ResolveColor(0x00C00000u), 0x0000C0u); // BGR to RGB
}

TEST(Values, RoundingIntoSixteenBitsGoesHalfToEvenAndFailsOutsideTheRange) {
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_FALSE(RoundToInt16(32767.5));
    EXPECT_FALSE(RoundToInt16(-32769));
    EXPECT_FALSE(RoundToInt16(NAN));
    EXPECT_FALSE(Divide(1, 0));
    EXPECT_EQ(Divide(1, 4), 0.25);
}

TEST(Values, VariantConversionsConvertWherePossible) {
    EXPECT_EQ(Variant::String("42").ToInteger(), 42);
    EXPECT_FALSE(Variant::String("abc").ToInteger());
    EXPECT_EQ(Variant::Double(2147483666.0).ToColor(), 0x80000012u);
    EXPECT_EQ(Variant::Long(-1).ToColor(), 0xFFFFFFFFu);
    EXPECT_EQ(Variant::Integer(5).ToBoolean(), 5);
    EXPECT_FALSE(Variant::OfPicture(nullptr).ToText());
    EXPECT_EQ(VariantToString(Variant::Integer(42)), "42");
    EXPECT_EQ(VariantToString(Variant::Double(3.5)), "3.5");
    EXPECT_TRUE(Variant::Single(2).SameValue(Variant::Integer(2)));
}

TEST(PictureModes, PlacementFollowsTheReferenceFrame) {
    auto half = PlacePicture(HalfSize, 250, 100, 0);
    ASSERT_TRUE(half);
    EXPECT_DOUBLE_EQ(half->x, 58); // 125 - 67
    EXPECT_DOUBLE_EQ(half->y, 25);
    auto when = PlacePicture(RescaleWhenNeeded, 300, 80, 2);
    ASSERT_TRUE(when);
    EXPECT_DOUBLE_EQ(when->x, 2);
    EXPECT_DOUBLE_EQ(when->y, 40 - 50 + 2);
    EXPECT_DOUBLE_EQ(when->width, 300);
    EXPECT_DOUBLE_EQ(when->height, 100);
    EXPECT_FALSE(PlacePicture(OneAndHalfSize, 250, 100, 0));
    EXPECT_FALSE(PlacePicture(-1, 250, 100, 0));
}

TEST(PictureModes, HoverInsideTestIncludesBothEdgesAndRejectsNaN) {
    EXPECT_TRUE(IsInside(0, 0, 10, 5));
    EXPECT_TRUE(IsInside(10, 5, 10, 5));
    EXPECT_FALSE(IsInside(10.01, 5, 10, 5));
    EXPECT_FALSE(IsInside(-0.01, 0, 10, 5));
    EXPECT_FALSE(IsInside(NAN, 1, 10, 5));
}

} // namespace nk
