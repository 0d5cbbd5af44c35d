// Pixel tests of the raster surface: lines and their end points, frames, boxes, circles
// and arcs, pictures at own size and stretched, clipping, colours and resizing.
#include "framework/frames.h"
#include "host/surface/surface_canvas.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace nk {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr OleColor kRed = 0x0000FFu; // OLE colours are 0x00BBGGRR
constexpr std::uint32_t kRedPx = 0xFFFF0000u;

SurfaceCanvas White(int w, int h) {
    return SurfaceCanvas(w, h, 0xFFFFFF, 0, Font{});
}

bool Set(const SurfaceCanvas& c, int x, int y) {
    return c.pixels().At(x, y) != kWhite;
}

int CountSet(const SurfaceCanvas& c) {
    int n = 0;
    for (std::uint32_t p : c.pixels().pixels)
        n += p != kWhite;
    return n;
}

// True when the w x h region at (ox, oy) of `big` equals `small` pixel for pixel.
bool SameRegion(const SurfaceCanvas& small, const SurfaceCanvas& big, int ox, int oy) {
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            if (small.pixels().At(x, y) != big.pixels().At(x + ox, y + oy)) return false;
    return true;
}

Picture MakeTestPicture(int w, int h, int bits = 32) {
    Image im(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            im.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>((x * 37 + y * 91) & 0xFF) << 16 |
                          static_cast<std::uint32_t>((x * 13) & 0xFF) << 8 |
                          static_cast<std::uint32_t>((y * 29) & 0xFF);
    im.bitsPerPixel = bits;
    return MakePicture(std::move(im), "test");
}

TEST(SurfaceLine, LeavesOutTheEndPointInEitherDirection) {
    SurfaceCanvas c = White(12, 12);
    c.Line(2, 5, 8, 5, kRed);
    for (int x = 2; x < 8; ++x)
        EXPECT_EQ(c.pixels().At(x, 5), kRedPx) << x;
    EXPECT_FALSE(Set(c, 8, 5));
    EXPECT_FALSE(Set(c, 1, 5));

    SurfaceCanvas back = White(12, 12);
    back.Line(8, 7, 2, 7, kRed);
    EXPECT_FALSE(Set(back, 2, 7));
    for (int x = 3; x <= 8; ++x)
        EXPECT_TRUE(Set(back, x, 7)) << x;

    SurfaceCanvas diag = White(12, 12);
    diag.Line(0, 0, 5, 5, kRed);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(Set(diag, i, i));
    EXPECT_FALSE(Set(diag, 5, 5));
    EXPECT_EQ(CountSet(diag), 5);

    SurfaceCanvas vert = White(12, 12);
    vert.Line(3, 9, 3, 1, kRed);
    EXPECT_FALSE(Set(vert, 3, 1));
    EXPECT_EQ(CountSet(vert), 8);

    SurfaceCanvas dot = White(4, 4);
    dot.Line(1, 1, 1, 1, kRed);
    EXPECT_EQ(CountSet(dot), 0);
}

TEST(SurfaceLine, SlopedLinesTakeOnePixelPerStepNearTheExactLine) {
    const int ends[][4] = {{0, 0, 17, 5}, {16, 1, 1, 11}, {2, 18, 7, 0}, {18, 17, 0, 3}};
    for (const auto& e : ends) {
        SurfaceCanvas c = White(20, 20);
        c.Line(e[0], e[1], e[2], e[3], kRed);
        const int dx = std::abs(e[2] - e[0]), dy = std::abs(e[3] - e[1]);
        const bool xMajor = dx >= dy;
        EXPECT_EQ(CountSet(c), std::max(dx, dy));
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                if (!Set(c, x, y)) continue;
                // Distance along the minor axis from the exact line.
                const double t =
                    xMajor ? double(x - e[0]) / (e[2] - e[0]) : double(y - e[1]) / (e[3] - e[1]);
                const double exact = xMajor ? e[1] + t * (e[3] - e[1]) : e[0] + t * (e[2] - e[0]);
                EXPECT_LE(std::fabs((xMajor ? y : x) - exact), 0.5 + 1e-9) << x << "," << y;
                EXPECT_GE(t, 0.0);
                EXPECT_LT(t, 1.0);
            }
    }
}

TEST(SurfaceLine, RoundsCoordinatesHalfAwayFromZero) {
    SurfaceCanvas c = White(8, 4);
    c.Line(0, 1, 2.5, 1, kRed); // ends at 3: pixel 2 drawn
    EXPECT_TRUE(Set(c, 2, 1));
    EXPECT_FALSE(Set(c, 3, 1));
    c.Line(4, 2, -0.5, 2, kRed); // ends at -1: pixel 0 drawn
    EXPECT_TRUE(Set(c, 0, 2));
    c.Line(1.5, 3, 1.5, 3.4, kRed); // (2, 3) to (2, 3): nothing
    EXPECT_FALSE(Set(c, 2, 3));
}

TEST(SurfaceLine, ClippingKeepsThePathOfTheWholeLine) {
    // A line drawn on a small surface must match the same line drawn whole on a large
    // one: clipping must not shift the path.
    const double lines[][4] = {{-100, -37, 260, 151}, {45, -300, 3, 410},  {300, 20, -250, 31},
                               {-7, 60, 70, -13},     {-1e6, -3, 1e6, 41}, {12, 1e9, 13, -1e9}};
    for (const auto& l : lines) {
        SurfaceCanvas small = White(50, 40);
        SurfaceCanvas big = White(50 + 2 * 400, 40 + 2 * 400);
        small.Line(l[0], l[1], l[2], l[3], kRed);
        if (std::fabs(l[0]) < 1000 && std::fabs(l[1]) < 1000 && std::fabs(l[2]) < 1000 &&
            std::fabs(l[3]) < 1000) {
            big.Line(l[0] + 400, l[1] + 400, l[2] + 400, l[3] + 400, kRed);
            EXPECT_TRUE(SameRegion(small, big, 400, 400)) << l[0] << "," << l[1];
        }
        EXPECT_GT(CountSet(small), 0) << l[0] << "," << l[1];
    }
}

TEST(SurfaceLine, RefusesCoordinatesThatAreNotNumbers) {
    SurfaceCanvas c = White(8, 8);
    EXPECT_FALSE(c.Line(std::nan(""), 1, 5, 5, kRed));
    EXPECT_FALSE(c.Line(1, 1, 5, std::nan(""), kRed, LineKind::Box));
    EXPECT_EQ(CountSet(c), 0);
}

TEST(SurfaceLine, AWiderPenIsCentredOnThePath) {
    SurfaceCanvas c = White(30, 20);
    c.SetDrawWidth(3);
    c.Line(5, 10, 25, 10, kRed);
    for (int x = 6; x < 24; ++x)
        for (int y = 9; y <= 11; ++y)
            EXPECT_TRUE(Set(c, x, y)) << x << "," << y;
    for (int x = 0; x < 30; ++x) {
        EXPECT_FALSE(Set(c, x, 8));
        EXPECT_FALSE(Set(c, x, 12));
    }
    EXPECT_FALSE(Set(c, 26, 10));

    SurfaceCanvas d = White(40, 40);
    d.SetDrawWidth(5);
    d.Line(5, 5, 35, 30, kRed);
    // Each column the stroke crosses is covered about five pixels deep, and the stroke
    // stays near the path.
    for (int x = 8; x < 32; ++x) {
        int n = 0;
        for (int y = 0; y < 40; ++y) {
            if (!Set(d, x, y)) continue;
            ++n;
            const double centre = 5 + (x - 5) * 25.0 / 30.0;
            EXPECT_LE(std::fabs(y - centre), 4.0);
        }
        EXPECT_GE(n, 5) << x;
        EXPECT_LE(n, 8) << x;
    }

    // An absurd pen is drawn at the widest width, quickly, covering everything near it.
    SurfaceCanvas huge = White(20, 20);
    huge.SetDrawWidth(1 << 30);
    EXPECT_TRUE(huge.Line(0, 5, 10, 5, kRed));
    EXPECT_TRUE(huge.Circle(10, 10, 3, kRed));
    EXPECT_EQ(CountSet(huge), 400);
}

TEST(SurfaceFrames, CornersOfTheLinePatternTakeTheDarkColour) {
    SurfaceCanvas c(250, 100, kButtonFace, 0, Font{});
    DrawRaisedFrame(c, 0, 0, 249, 99);
    const std::uint32_t dark = 0xFF000000u | ResolveColor(k3DDarkShadow);
    const std::uint32_t shadow = 0xFF000000u | ResolveColor(kButtonShadow);
    const std::uint32_t high = 0xFF000000u | ResolveColor(k3DHighlight);
    EXPECT_EQ(c.pixels().At(0, 99), dark);  // (l, b)
    EXPECT_EQ(c.pixels().At(249, 0), dark); // (r, t)
    EXPECT_EQ(c.pixels().At(249, 99), dark);
    EXPECT_EQ(c.pixels().At(0, 0), high);
    EXPECT_EQ(c.pixels().At(0, 98), high);
    EXPECT_EQ(c.pixels().At(248, 0), high);
    EXPECT_EQ(c.pixels().At(1, 98), shadow); // (l + 1, b - 1): the inner bottom line
    EXPECT_EQ(c.pixels().At(248, 1), shadow);
    EXPECT_EQ(c.pixels().At(2, 2), 0xFF000000u | ResolveColor(kButtonFace));

    SurfaceCanvas s(40, 20, kButtonFace, 0, Font{});
    DrawSunkenFrame(s, 0, 0, 39, 19);
    EXPECT_EQ(s.pixels().At(0, 0), dark);
    EXPECT_EQ(s.pixels().At(0, 19), high);
    EXPECT_EQ(s.pixels().At(39, 0), high);
}

TEST(SurfaceBoxes, IncludeBothCornersWhicheverWayRound) {
    for (bool reversed : {false, true}) {
        SurfaceCanvas c = White(12, 12);
        if (reversed)
            c.Line(6, 8, 2, 3, kRed, LineKind::Box);
        else
            c.Line(2, 3, 6, 8, kRed, LineKind::Box);
        for (auto [x, y] : {std::pair{2, 3}, {6, 3}, {2, 8}, {6, 8}, {4, 3}, {2, 5}, {6, 6}})
            EXPECT_TRUE(Set(c, x, y)) << x << "," << y;
        EXPECT_FALSE(Set(c, 4, 5));
        EXPECT_FALSE(Set(c, 7, 8));
        EXPECT_EQ(CountSet(c), 2 * 5 + 2 * 4);

        SurfaceCanvas f = White(12, 12);
        if (reversed)
            f.Line(6, 8, 2, 3, kRed, LineKind::FilledBox);
        else
            f.Line(2, 3, 6, 8, kRed, LineKind::FilledBox);
        EXPECT_EQ(CountSet(f), 5 * 6);
        EXPECT_TRUE(Set(f, 4, 5));
    }
}

TEST(SurfaceBoxes, AWiderPenThickensTheOutlineAndBoxesClip) {
    SurfaceCanvas c = White(20, 20);
    c.SetDrawWidth(3);
    c.Line(5, 5, 14, 14, kRed, LineKind::Box);
    EXPECT_TRUE(Set(c, 4, 9));
    EXPECT_TRUE(Set(c, 6, 9));
    EXPECT_FALSE(Set(c, 3, 9));
    EXPECT_FALSE(Set(c, 7, 9));
    EXPECT_TRUE(Set(c, 15, 15));
    EXPECT_FALSE(Set(c, 9, 9));

    SurfaceCanvas d = White(10, 10);
    EXPECT_TRUE(d.Line(-5, -5, 3.4, 30, kRed, LineKind::FilledBox));
    EXPECT_EQ(CountSet(d), 4 * 10);
}

// The pixels an arc or circle drew, as offsets from the centre with y pointing up.
std::vector<std::pair<int, int>> Drawn(const SurfaceCanvas& c, int cx, int cy) {
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (Set(c, x, y)) out.emplace_back(x - cx, cy - y);
    return out;
}

TEST(SurfaceCircles, DrawThePointsAtTheRadiusWithoutGaps) {
    for (double r : {1.0, 5.0, 14.0, 23.5}) {
        SurfaceCanvas c = White(60, 60);
        c.Circle(30, 30, r, kRed);
        const auto pts = Drawn(c, 30, 30);
        ASSERT_FALSE(pts.empty());
        for (auto [dx, dy] : pts)
            EXPECT_NEAR(std::hypot(dx, dy), r, 0.5 + 1e-9) << r;
        const int ir = static_cast<int>(std::lround(r));
        EXPECT_TRUE(Set(c, 30 + ir, 30));
        EXPECT_TRUE(Set(c, 30 - ir, 30));
        EXPECT_TRUE(Set(c, 30, 30 + ir));
        EXPECT_TRUE(Set(c, 30, 30 - ir));
        // A closed curve: every point has two drawn neighbours.
        for (auto [dx, dy] : pts) {
            int n = 0;
            for (int ny = -1; ny <= 1; ++ny)
                for (int nx = -1; nx <= 1; ++nx)
                    if ((nx || ny) && Set(c, 30 + dx + nx, 30 - dy + ny)) ++n;
            EXPECT_GE(n, 2) << r << ": " << dx << "," << dy;
        }
    }
}

TEST(SurfaceCircles, ArcsRunCounterClockwiseOnScreen) {
    SurfaceCanvas c = White(40, 40);
    c.Arc(20, 20, 10, kRed, 0.2, std::numbers::pi / 2 - 0.2);
    const auto pts = Drawn(c, 20, 20);
    ASSERT_FALSE(pts.empty());
    for (auto [dx, dy] : pts) { // upper right on screen: right of and above the centre
        EXPECT_GT(dx, 0);
        EXPECT_GT(dy, 0);
    }
}

TEST(SurfaceCircles, ArcsWrapThroughZeroWhenStartExceedsEnd) {
    SurfaceCanvas c = White(40, 40);
    c.Arc(20, 20, 12, kRed, 3 * std::numbers::pi / 2 + 0.3, std::numbers::pi / 2 - 0.3);
    const auto pts = Drawn(c, 20, 20);
    ASSERT_FALSE(pts.empty());
    for (auto [dx, dy] : pts)
        EXPECT_GT(dx, 0) << dx << "," << dy;
    EXPECT_TRUE(Set(c, 32, 20));  // angle 0
    EXPECT_FALSE(Set(c, 20, 8));  // angle pi/2 is past the end
    EXPECT_FALSE(Set(c, 20, 32)); // 3 pi/2 is before the start

    // The end caps of a wide button: the left end from about 83 to 277 degrees, the right
    // end from about 261 degrees through 0 to 99.
    SurfaceCanvas left = White(40, 40), right = White(40, 40);
    left.Arc(20, 20, 14, kRed, 1.4485810, 4.8344202);
    right.Arc(20, 20, 14, kRed, 4.5551748, 1.7278250);
    for (auto [dx, dy] : Drawn(left, 20, 20))
        EXPECT_LE(dx, 2);
    for (auto [dx, dy] : Drawn(right, 20, 20))
        EXPECT_GE(dx, -3);
    EXPECT_TRUE(Set(left, 6, 20));
    EXPECT_TRUE(Set(right, 34, 20));
    EXPECT_FALSE(Set(left, 34, 20));
    EXPECT_FALSE(Set(right, 6, 20));
}

TEST(SurfaceCircles, AFullTurnArcIsTheCircleAndWidePensMakeARing) {
    SurfaceCanvas a = White(30, 30), b = White(30, 30);
    a.Circle(15, 15, 9, kRed);
    b.Arc(15, 15, 9, kRed, 0, 2 * std::numbers::pi);
    EXPECT_TRUE(SameRegion(a, b, 0, 0));

    SurfaceCanvas ring = White(40, 40);
    ring.SetDrawWidth(3);
    ring.Circle(20, 20, 10, kRed);
    for (auto [dx, dy] : Drawn(ring, 20, 20)) {
        EXPECT_GE(std::hypot(dx, dy), 8.5);
        EXPECT_LT(std::hypot(dx, dy), 11.5);
    }
    for (int x = 29; x <= 31; ++x)
        EXPECT_TRUE(Set(ring, x, 20)) << x;

    SurfaceCanvas clipped = White(10, 10); // centre far outside, edge crossing
    clipped.Circle(-1000, 5, 1005, kRed);
    EXPECT_TRUE(Set(clipped, 5, 5));
    EXPECT_FALSE(clipped.Circle(5, 5, -1, kRed));
}

TEST(SurfacePictures, OwnSizeCopiesPixelsWithRoundingAndClipping) {
    const Picture p = MakeTestPicture(5, 4);
    const Image& im = *p->image();
    SurfaceCanvas c = White(10, 10);
    EXPECT_TRUE(c.PaintPicture(p, 2.5, 1.4)); // at (3, 1)
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(c.pixels().At(x + 3, y + 1), im.At(x, y));
    EXPECT_EQ(CountSet(c), 20);

    SurfaceCanvas n = White(10, 10);
    EXPECT_TRUE(n.PaintPicture(p, -2, -1.5)); // at (-2, -2)
    EXPECT_EQ(n.pixels().At(0, 0), im.At(2, 2));
    EXPECT_EQ(n.pixels().At(2, 1), im.At(4, 3));
    EXPECT_EQ(CountSet(n), 3 * 2);

    SurfaceCanvas far = White(10, 10);
    EXPECT_TRUE(far.PaintPicture(p, 8, 9));
    EXPECT_EQ(CountSet(far), 2);
    EXPECT_TRUE(far.PaintPicture(p, 1e12, -1e12));
    EXPECT_EQ(CountSet(far), 2);
}

TEST(SurfacePictures, AbsentAndEmptyPicturesDrawNothing) {
    SurfaceCanvas c = White(6, 6);
    EXPECT_FALSE(c.PaintPicture(nullptr, 0, 0));
    EXPECT_FALSE(c.PaintPicture(MakeEmptyPicture(), 0, 0));
    EXPECT_FALSE(c.PaintPicture(MakeEmptyPicture(), 0, 0, 4, 4));
    EXPECT_EQ(CountSet(c), 0);
    const Picture p = MakeTestPicture(3, 3);
    c.PaintPicture(p, 0, 0, 0, 5);
    c.PaintPicture(p, 0, 0, 5, -2);
    c.PaintPicture(p, 0, 0, 0.4, 5);
    EXPECT_EQ(CountSet(c), 0);
}

TEST(SurfacePictures, SeeThroughPixelsLeaveTheSurface) {
    Image im(2, 1, 0xFF112233u);
    im.At(1, 0) = 0x00445566u;
    const Picture p = MakePicture(std::move(im), "alpha");
    SurfaceCanvas c = White(4, 4);
    c.PaintPicture(p, 0, 0);
    EXPECT_EQ(c.pixels().At(0, 0), 0xFF112233u);
    EXPECT_EQ(c.pixels().At(1, 0), kWhite);
    c.PaintPicture(p, 0, 1, 4, 2);
    EXPECT_EQ(c.pixels().At(0, 1), 0xFF112233u);
    EXPECT_EQ(c.pixels().At(3, 2), kWhite);
    // Painting it again, after other pictures, still leaves its see-through pixel out.
    for (int i = 0; i < 6; ++i)
        c.PaintPicture(MakeTestPicture(1, 1), 3, 3);
    c.SetBackColor(0x0000FF);
    c.Cls();
    c.PaintPicture(p, 2, 0);
    EXPECT_EQ(c.pixels().At(2, 0), 0xFF112233u);
    EXPECT_EQ(c.pixels().At(3, 0), kRedPx);
}

TEST(SurfacePictures, OneBitPicturesStretchByNearestNeighbour) {
    Image im(2, 2, 0xFFFFFFFFu);
    im.At(0, 0) = im.At(1, 1) = 0xFF000000u;
    im.bitsPerPixel = 1;
    const Picture p = MakePicture(std::move(im), "mono");
    SurfaceCanvas c(6, 6, 0x00FF00, 0, Font{});
    c.PaintPicture(p, 0, 0, 6, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(c.pixels().At(x, y), ((x < 3) == (y < 3)) ? kBlack : kWhite) << x << "," << y;

    // Exactly twice the size, starting half a source pixel off the surface: each source
    // pixel covers two by two, and a see-through pixel stays see-through in both rows.
    Image bits(5, 3, 0xFFFFFFFFu);
    for (int x = 0; x < 5; ++x)
        bits.At(x, x % 3) = 0xFF000000u;
    bits.At(4, 2) = 0x00000000u;
    bits.bitsPerPixel = 1;
    const Picture q = MakePicture(bits, "mono2");
    SurfaceCanvas d(12, 8, 0x0000FF, 0, Font{});
    d.PaintPicture(q, -3, 1, 10, 6);
    for (int y = 1; y < 7; ++y)
        for (int x = 0; x < 7; ++x) {
            const std::uint32_t src = bits.At((x + 3) / 2, (y - 1) / 2);
            EXPECT_EQ(d.pixels().At(x, y), src == 0 ? kRedPx : src) << x << "," << y;
        }
    EXPECT_EQ(d.pixels().At(7, 3), kRedPx);
}

TEST(SurfacePictures, ColourPicturesStretchSmoothly) {
    Image im(2, 1, 0xFF000000u);
    im.At(1, 0) = 0xFFFFFFFFu;
    const Picture p = MakePicture(std::move(im), "ramp");
    SurfaceCanvas c = White(8, 1);
    c.PaintPicture(p, 0, 0, 8, 1);
    const auto grey = [&](int x) { return static_cast<int>(c.pixels().At(x, 0) & 0xFF); };
    EXPECT_EQ(grey(0), 0);
    EXPECT_EQ(grey(7), 255);
    for (int x = 1; x < 8; ++x)
        EXPECT_GE(grey(x), grey(x - 1));
    EXPECT_GT(grey(3), 40); // blended, not a hard step in the middle
    EXPECT_LT(grey(3), 215);
    EXPECT_GT(grey(4), 40);
    EXPECT_LT(grey(4), 215);

    // Shrinking a grid of one-pixel lines ten pixels apart to a tenth averages each cell
    // (19 of its 100 pixels are white) instead of sampling between the lines.
    Image grid(100, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            grid.At(x, y) = (x % 10 == 0 || y % 10 == 0) ? 0xFFFFFFFFu : 0xFF000000u;
    SurfaceCanvas s = White(10, 10);
    s.PaintPicture(MakePicture(std::move(grid), "grid"), 0, 0, 10, 10);
    for (std::uint32_t px : s.pixels().pixels)
        EXPECT_NEAR(static_cast<int>(px & 0xFF), 48, 3);
}

TEST(SurfacePictures, StretchedPicturesClipWithoutShiftingTheirSamples) {
    for (int bits : {32, 1}) {
        const Picture p = MakeTestPicture(7, 5, bits);
        SurfaceCanvas small = White(20, 20);
        SurfaceCanvas big = White(220, 220);
        EXPECT_TRUE(small.PaintPicture(p, -13.4, -7.6, 40, 31));
        big.PaintPicture(p, -13 + 100, -8 + 100, 40, 31);
        EXPECT_TRUE(SameRegion(small, big, 100, 100)) << bits;
        SurfaceCanvas shrink = White(20, 20), shrinkBig = White(220, 220);
        const Picture q = MakeTestPicture(90, 70, bits);
        shrink.PaintPicture(q, 5, -4, 21, 17);
        shrinkBig.PaintPicture(q, 105, 96, 21, 17);
        EXPECT_TRUE(SameRegion(shrink, shrinkBig, 100, 100)) << bits;
    }
}

TEST(SurfaceState, ClsFillsWithTheBackColourAndResetsThePrintPosition) {
    SurfaceCanvas c = White(5, 5);
    c.Line(0, 0, 4, 4, kRed);
    c.SetCurrentX(3);
    c.SetCurrentY(2);
    c.SetBackColor(kButtonShadow);
    EXPECT_TRUE(c.Cls());
    for (std::uint32_t p : c.pixels().pixels)
        EXPECT_EQ(p, 0xFF808080u);
    EXPECT_EQ(c.CurrentX(), 0);
    EXPECT_EQ(c.CurrentY(), 0);
    EXPECT_EQ(c.GetClientRect(), (Rect{0, 0, 5, 5}));
}

TEST(SurfaceState, ResizeKeepsTheOverlapAndRefusesBadSizes) {
    SurfaceCanvas c = White(4, 3);
    c.Line(0, 0, 3, 2, kRed, LineKind::FilledBox);
    EXPECT_TRUE(c.ResizeTo(6, 5, 0x00FF00));
    EXPECT_EQ(c.GetClientRect(), (Rect{0, 0, 6, 5}));
    EXPECT_EQ(c.pixels().At(3, 2), kRedPx);
    EXPECT_EQ(c.pixels().At(4, 2), 0xFF00FF00u);
    EXPECT_EQ(c.pixels().At(0, 4), 0xFF00FF00u);
    EXPECT_TRUE(c.ResizeTo(2, 2, 0));
    EXPECT_EQ(c.pixels().At(1, 1), kRedPx);
    EXPECT_FALSE(c.ResizeTo(-1, 2, 0));
    EXPECT_FALSE(c.ResizeTo(2, 16385, 0));
    EXPECT_EQ(c.width(), 2);
    EXPECT_TRUE(c.ResizeTo(0, 0, 0));
    EXPECT_TRUE(c.Line(0, 0, 5, 5, kRed)); // nothing to draw on, nothing breaks
    EXPECT_TRUE(c.Circle(0, 0, 3, kRed));
}

} // namespace
} // namespace nk
