// The mask of each picture mode: the bitmap a mode takes, the natural one stretched over the
// control's hidden canvas in the rescaling modes, and no mask for a mode outside the table
// or a rescaling mode without a canvas (the control keeps the mask it has).
#include "framework/pic_styles.h"
#include "framework/picture_masks.h"
#include "host/hosts/control_site.h"
#include "set1/screen/nuvel_screen.h"
#include "set1/sphere/nuvel_sphere.h"

#include <gtest/gtest.h>

#include <string>

namespace nk {
namespace {

constexpr MaskBitmaps kRound = {.natural = 705, .half = 706, .twice = 707};

TEST(PictureMasks, EachModeTakesItsBitmapOrStretchesTheNaturalOne) {
    ControlSite site(NuvelSphereInterface(), {.width = 50, .height = 40});
    struct Case {
        std::int32_t mode;
        std::string label; // "" for no mask, "stretched" for the canvas's image
    };
    const Case cases[] = {
        {DefaultStyle, "res:705"},        {RescaleToEdges, "stretched"},
        {RescaleWhenNeeded, "stretched"}, {HalfSize, "res:706"},
        {DoubleSize, "res:707"},          {OneAndHalfSize, "res:707"},
        {OneAndHalfSize + 1, ""},         {-1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        const auto mask = MaskForMode(site.host(), c.mode, kRound, 50, 40);
        if (c.label.empty()) {
            EXPECT_FALSE(mask.has_value());
            continue;
        }
        ASSERT_TRUE(mask.has_value());
        ASSERT_TRUE(*mask);
        if (c.label == "stretched") {
            EXPECT_EQ((*mask)->Width(), 50);
            EXPECT_EQ((*mask)->Height(), 40);
        } else {
            EXPECT_EQ((*mask)->label(), c.label);
        }
    }
}

TEST(PictureMasks, RescalingWithoutACanvasGivesNoMask) {
    ControlSite site(NuvelScreenInterface(), {.width = 50, .height = 40});
    EXPECT_FALSE(MaskForMode(site.host(), RescaleToEdges, kRound, 50, 40).has_value());
    EXPECT_FALSE(MaskForMode(site.host(), RescaleWhenNeeded, kRound, 50, 40).has_value());
    // The fixed modes need no canvas.
    EXPECT_TRUE(MaskForMode(site.host(), HalfSize, kRound, 50, 40).has_value());
}

} // namespace
} // namespace nk
