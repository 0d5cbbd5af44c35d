// NuvelScreen's frame as the container shows it: each corner at its own size in its
// corner, the edges stretched between them (the left edge without its first column) and
// the scheme's colour in the middle, for each of the three schemes.
#include "host/hosts/compose.h"
#include "host/hosts/control_site.h"
#include "set1/screen/nuvel_screen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace nk {
namespace {

constexpr int kW = 400;
constexpr int kH = 300;

struct Scheme {
    std::int32_t type;
    std::uint32_t background; // 0xRRGGBB
    int topLeft, bottomLeft, topRight, bottomRight, top, bottom, left, right;
    int rightEdgeTop; // where the right edge starts
};

const Scheme kSchemes[] = {
    {NKGreenScreen, 0x008900, 500, 501, 502, 503, 504, 505, 506, 507, 50},
    {NKCyanScreen, 0x008A80, 510, 511, 512, 513, 514, 515, 516, 517, 51},
    {NKBlueScreen, 0x000085, 520, 521, 522, 523, 524, 525, 526, 527, 47},
};

// Channels may differ by a little where a piece is resampled.
::testing::AssertionResult Near(std::uint32_t shown, std::uint32_t expected, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>((shown >> shift) & 0xFF);
        const int b = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - b) > tolerance)
            return ::testing::AssertionFailure() << std::hex << "shown 0x" << (shown & 0xFFFFFF)
                                                 << ", expected 0x" << (expected & 0xFFFFFF);
    }
    return ::testing::AssertionSuccess();
}

class ScreenFrame : public ::testing::TestWithParam<Scheme> {
protected:
    ScreenFrame() : site_(NuvelScreenInterface(), {.width = kW, .height = kH}) {}

    void Draw(std::int32_t type) {
        ASSERT_TRUE(site_.InitProperties());
        ASSERT_TRUE(site_.Set("ScreenType", Variant::Long(type)));
        shown_ = Compose(site_.host());
    }
    const Image& Piece(int id) {
        picture_ = site_.host().LoadResPicture(id);
        if (!picture_ || !picture_->image())
            throw std::runtime_error("no resource " + std::to_string(id));
        return *picture_->image();
    }
    std::uint32_t At(int x, int y) const { return shown_.At(x, y); }

    ControlSite site_;
    Image shown_;
    Picture picture_;
};

TEST_P(ScreenFrame, CornersEdgesAndBackgroundLandWhereTheyBelong) {
    const Scheme& s = GetParam();
    Draw(s.type);

    const Image& tl = Piece(s.topLeft);
    EXPECT_TRUE(Near(At(3, 3), tl.At(3, 3), 0));
    EXPECT_TRUE(Near(At(tl.width - 1, tl.height - 1), tl.At(tl.width - 1, tl.height - 1), 0));

    const Image& bl = Piece(s.bottomLeft);
    EXPECT_TRUE(Near(At(2, kH - 1), bl.At(2, bl.height - 1), 0));

    const Image& br = Piece(s.bottomRight);
    EXPECT_TRUE(Near(At(kW - 1, kH - 1), br.At(br.width - 1, br.height - 1), 0));
    EXPECT_TRUE(Near(At(kW - br.width, kH - br.height), br.At(0, 0), 0));

    const Image& tr = Piece(s.topRight);
    EXPECT_TRUE(Near(At(kW - 1, 0), tr.At(tr.width - 1, 0), 3));

    // The top and bottom edges, one pixel wide, stretch along the length.
    const Image& top = Piece(s.top);
    EXPECT_TRUE(Near(At(tl.width + 20, 10), top.At(0, 10), 3));
    const Image& bottom = Piece(s.bottom);
    EXPECT_TRUE(Near(At(kW / 2, kH - 5), bottom.At(0, bottom.height - 5), 3));

    // The left edge starts one pixel left of the control: its first column is cut off.
    const Image& left = Piece(s.left);
    const int leftY = tl.height + 10;
    EXPECT_TRUE(Near(At(0, leftY), left.At(1, 0), 3));
    EXPECT_TRUE(Near(At(left.width - 2, leftY), left.At(left.width - 1, 0), 3));

    const Image& right = Piece(s.right);
    const int rightY = s.rightEdgeTop + 40;
    EXPECT_TRUE(Near(At(kW - right.width, rightY), right.At(0, 0), 3));
    EXPECT_TRUE(Near(At(kW - 1, rightY), right.At(right.width - 1, 0), 3));

    // The middle, which no piece covers, shows the scheme's colour.
    EXPECT_TRUE(Near(At(200, 220), s.background, 0));
}

std::string SchemeName(const ::testing::TestParamInfo<Scheme>& info) {
    static const char* const names[] = {"Green", "Cyan", "Blue"};
    return names[info.param.type];
}

INSTANTIATE_TEST_SUITE_P(Schemes, ScreenFrame, ::testing::ValuesIn(kSchemes), SchemeName);

} // namespace
} // namespace nk
