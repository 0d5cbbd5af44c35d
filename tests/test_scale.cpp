// Drawing at a device scale: the surface maps logical drawing onto device pixels, the
// control sees the same logical world (trace lines, sizes), composition and the mask keep
// their logical shape, and hit testing stays in logical pixels.
#include "host/codec/codec.h"
#include "host/hosts/compose.h"
#include "host/hosts/control_site.h"
#include "host/hosts/recording_host.h"
#include "host/surface/surface_canvas.h"
#include "set1/command/nuvel_command.h"
#include "set1/sphere/nuvel_sphere.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>

namespace nk {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr OleColor kBlue = 0xFF0000u;

struct Box {
    int x0, y0, x1, y1;
};

int Dev(int v, double s) {
    return static_cast<int>(std::lround(v * s));
}

// The box holding every pixel that is not white; x0 > x1 when there is none.
Box InkBox(const Image& im) {
    Box b{im.width, im.height, -1, -1};
    for (int y = 0; y < im.height; ++y)
        for (int x = 0; x < im.width; ++x)
            if (im.At(x, y) != kWhite) {
                b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x + 1), b.y1 = std::max(b.y1, y + 1);
            }
    return b;
}

int CountInk(const Image& im) {
    int n = 0;
    for (std::uint32_t p : im.pixels)
        n += p != kWhite;
    return n;
}

TEST(DeviceScale, SurfaceKeepsLogicalSizeAndHoldsDevicePixels) {
    for (double s : {1.0, 1.5, 2.0, 3.0}) {
        SurfaceCanvas c(41, 17, 0xFFFFFF, 0, Font{}, s);
        EXPECT_EQ(c.ScaleWidth(), 41) << s;
        EXPECT_EQ(c.ScaleHeight(), 17) << s;
        EXPECT_EQ(c.GetClientRect().right, 41) << s;
        EXPECT_EQ(c.pixels().width, Dev(41, s)) << s;
        EXPECT_EQ(c.pixels().height, Dev(17, s)) << s;
        ASSERT_TRUE(c.ResizeTo(20, 30, 0xFFFFFF));
        EXPECT_EQ(c.width(), 20);
        EXPECT_EQ(c.pixels().height, Dev(30, s)) << s;
    }
    // A scale the surface does not draw at is taken as 1.
    EXPECT_EQ(SurfaceCanvas(10, 10, 0, 0, Font{}, 2.5).pixels().width, 10);
    // Device pixels stay within 16384 a side: a surface too large for its scale draws at 1,
    // and a scaled surface refuses to grow beyond that.
    EXPECT_EQ(SurfaceCanvas(9000, 10, 0, 0, Font{}, 2.0).scale(), 1.0);
    SurfaceCanvas scaled(100, 100, 0, 0, Font{}, 2.0);
    EXPECT_FALSE(scaled.ResizeTo(9000, 100, 0));
    EXPECT_EQ(scaled.width(), 100);
    EXPECT_TRUE(scaled.ResizeTo(8192, 100, 0));
}

// Straight one-pixel lines and frames cover exactly the device blocks of the logical
// pixels they cover at scale 1.
TEST(DeviceScale, OnePixelLinesAndFramesCoverTheScaledBlocks) {
    struct Case {
        const char* what;
        int x1, y1, x2, y2;
        LineKind kind;
        int pixels1x; // logical pixels covered
        Box outer;    // logical box holding them
    };
    const Case cases[] = {
        {"across", 2, 3, 9, 3, LineKind::Plain, 7, {2, 3, 9, 4}},
        {"down", 5, 1, 5, 8, LineKind::Plain, 7, {5, 1, 6, 8}},
        {"backwards", 9, 4, 2, 4, LineKind::Plain, 7, {3, 4, 10, 5}},
        {"frame", 2, 2, 10, 7, LineKind::Box, 26, {2, 2, 11, 8}},
        {"filled box", 3, 1, 6, 4, LineKind::FilledBox, 16, {3, 1, 7, 5}},
    };
    for (const Case& k : cases)
        for (double s : {1.5, 2.0, 3.0}) {
            SurfaceCanvas c(16, 12, 0xFFFFFF, 0, Font{}, s);
            ASSERT_TRUE(c.Line(k.x1, k.y1, k.x2, k.y2, kBlue, k.kind));
            const Box ink = InkBox(c.pixels());
            EXPECT_EQ(ink.x0, Dev(k.outer.x0, s)) << k.what << " at " << s;
            EXPECT_EQ(ink.y0, Dev(k.outer.y0, s)) << k.what << " at " << s;
            EXPECT_EQ(ink.x1, Dev(k.outer.x1, s)) << k.what << " at " << s;
            EXPECT_EQ(ink.y1, Dev(k.outer.y1, s)) << k.what << " at " << s;
            if (s == 2.0) {
                EXPECT_EQ(CountInk(c.pixels()), 4 * k.pixels1x) << k.what;
            }
        }
}

TEST(DeviceScale, FrameLineIsTwoDevicePixelsWideAtTheDoubledPosition) {
    SurfaceCanvas c(20, 20, 0xFFFFFF, 0, Font{}, 2.0);
    c.Line(4, 6, 15, 6, kBlue, LineKind::Plain);
    for (int y = 10; y < 16; ++y)
        EXPECT_EQ(c.pixels().At(20, y) != kWhite, y == 12 || y == 13) << y;
    // A wider logical pen is scaled too: three logical pixels become six device pixels.
    SurfaceCanvas wide(20, 20, 0xFFFFFF, 0, Font{}, 2.0);
    wide.SetDrawWidth(3);
    wide.Line(2, 10, 18, 10, kBlue, LineKind::Plain);
    int rows = 0;
    for (int y = 0; y < 40; ++y)
        rows += wide.pixels().At(20, y) != kWhite;
    EXPECT_EQ(rows, 6);
}

TEST(DeviceScale, CircleHasTheScaledRadius) {
    for (double s : {2.0, 3.0}) {
        SurfaceCanvas c(40, 40, 0xFFFFFF, 0, Font{}, s);
        c.Circle(20, 20, 10, kBlue);
        const Box ink = InkBox(c.pixels());
        const double width = ink.x1 - ink.x0;
        EXPECT_NEAR(width, 20 * s + 1, 2) << s;
        EXPECT_NEAR((ink.x0 + ink.x1) / 2.0, 20.5 * s, 1.5) << s;
    }
}

TEST(DeviceScale, CaptionInkStaysInsideTheScaledRectangle) {
    struct Case {
        unsigned flags;
        const char* text;
    };
    const Case cases[] = {
        {dt::kCenter | dt::kVCenter | dt::kSingleLine, "&Hello"},
        {dt::kWordBreak | dt::kCenter, "a caption broken over lines"},
        {dt::kRight, "right"},
    };
    for (const Case& k : cases) {
        SurfaceCanvas one(120, 60, 0xFFFFFF, 0, Font{});
        SurfaceCanvas two(120, 60, 0xFFFFFF, 0, Font{}, 2.0);
        const Rect r{20, 10, 80, 50};
        one.DrawText(k.text, r, k.flags);
        two.DrawText(k.text, r, k.flags);
        const Box a = InkBox(one.pixels()), b = InkBox(two.pixels());
        ASSERT_LT(b.x0, b.x1) << k.text;
        EXPECT_GE(b.x0, 40) << k.text;
        EXPECT_GE(b.y0, 20) << k.text;
        EXPECT_LE(b.x1, 160) << k.text;
        EXPECT_LE(b.y1, 100) << k.text;
        // The same lines, finer: the ink covers about twice the extent of scale 1's.
        EXPECT_NEAR(b.x1 - b.x0, 2 * (a.x1 - a.x0), 6) << k.text;
        EXPECT_NEAR(b.y1 - b.y0, 2 * (a.y1 - a.y0), 6) << k.text;
        EXPECT_NEAR(b.x0, 2 * a.x0, 6) << k.text;
        EXPECT_NEAR(b.y0, 2 * a.y0, 6) << k.text;
    }
}

Picture WithVariant(std::uint32_t base, std::uint32_t fine) {
    auto one = std::make_shared<const Image>(4, 3, base);
    auto two = std::make_shared<const Image>(8, 6, fine);
    return std::make_shared<PictureObject>(one, "p", std::vector<ScaledImage>{{2.0, two}});
}

TEST(DeviceScale, PicturesUseTheImageForTheScale) {
    constexpr std::uint32_t kBase = 0xFF102030u, kFine = 0xFF405060u;
    struct Case {
        const char* what;
        double scale;
        double w, h; // 0: at the picture's own size
        std::uint32_t expected;
        Box covered;
    };
    const Case cases[] = {
        {"own size at 2", 2.0, 0, 0, kFine, {6, 4, 14, 10}},
        {"stretched at 2: the finest image", 2.0, 8, 6, kFine, {6, 4, 22, 16}},
        {"own size at 3: no image for 3, the finest stretched", 3.0, 0, 0, kFine, {9, 6, 21, 15}},
        {"own size at 1", 1.0, 0, 0, kBase, {3, 2, 7, 5}},
    };
    for (const Case& k : cases) {
        SurfaceCanvas c(20, 20, 0xFFFFFF, 0, Font{}, k.scale);
        const Picture p = WithVariant(kBase, kFine);
        ASSERT_TRUE(k.w > 0 ? c.PaintPicture(p, 3, 2, k.w, k.h) : c.PaintPicture(p, 3, 2));
        const Box ink = InkBox(c.pixels());
        EXPECT_EQ(ink.x0, k.covered.x0) << k.what;
        EXPECT_EQ(ink.y0, k.covered.y0) << k.what;
        EXPECT_EQ(ink.x1, k.covered.x1) << k.what;
        EXPECT_EQ(ink.y1, k.covered.y1) << k.what;
        EXPECT_EQ(c.pixels().At(ink.x0 + 1, ink.y0 + 1), k.expected) << k.what;
    }
    // A picture without images for the scale is scaled smoothly from its own.
    SurfaceCanvas c(20, 20, 0xFFFFFF, 0, Font{}, 2.0);
    Image ramp(2, 1);
    ramp.At(0, 0) = 0xFF000000u;
    ramp.At(1, 0) = 0xFFFFFFFEu;
    c.PaintPicture(MakePicture(ramp, "ramp"), 0, 0);
    const std::uint32_t mid = c.pixels().At(1, 0) & 0xFF;
    EXPECT_GT(mid, 0u);
    EXPECT_LT(mid, 0xFEu);
}

TEST(DeviceScale, ChildPictureIsLogicalWithTheDeviceImageAttached) {
    SurfaceCanvas c(10, 6, 0xFFFFFF, 0, Font{}, 2.0);
    c.Line(0, 0, 9, 5, kBlue, LineKind::FilledBox);
    const Picture p = SurfacePicture(c, "image:10x6");
    EXPECT_EQ(p->Width(), 10);
    EXPECT_EQ(p->Height(), 6);
    ASSERT_NE(p->VariantAt(2.0), nullptr);
    EXPECT_EQ(p->VariantAt(2.0)->width, 20);
    EXPECT_EQ(p->image()->At(5, 3), c.pixels().At(10, 6));
}

std::string TraceOf(double scale) {
    std::ostringstream out;
    TraceSink sink(out);
    ControlSite::Options o;
    o.width = 150;
    o.height = 50;
    o.trace = &sink;
    o.scale = scale;
    ControlSite site(NuvelCommandInterface(), o);
    site.InitProperties();
    site.Set("Caption", Variant::String("&Open the file"));
    site.Resize();
    site.Paint();
    site.MouseMove(0, 0, 20, 20);
    site.MouseDown(1, 0, 20, 20);
    site.MouseUp(1, 0, 20, 20);
    site.Paint();
    return out.str();
}

TEST(DeviceScale, TraceLinesAreTheSameAtEveryScale) {
    const std::string one = TraceOf(1.0);
    ASSERT_NE(one.find("Line "), std::string::npos);
    EXPECT_EQ(TraceOf(2.0), one);
    EXPECT_EQ(TraceOf(1.5), one);
}

// A sphere composed at a device scale: alpha per device pixel.
Image Sphere(double scale) {
    ControlSite::Options o;
    o.scale = scale;
    ControlSite site(NuvelSphereInterface(), o);
    site.InitProperties();
    site.Resize();
    site.Paint();
    return Compose(site.host());
}

bool Shows(const Image& im, int x, int y) {
    return (im.At(x, y) >> 24) != 0;
}

TEST(DeviceScale, RoundMaskKeepsItsShapeAtTwo) {
    const Image one = Sphere(1.0), two = Sphere(2.0);
    ASSERT_GT(one.width, 8);
    ASSERT_EQ(two.width, 2 * one.width);
    ASSERT_EQ(two.height, 2 * one.height);
    const int w = two.width, h = two.height;
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_FALSE(Shows(two, x, y)) << x << "," << y;
    EXPECT_TRUE(Shows(two, w / 2, h / 2));
    // Reduced by 2 (a 2 x 2 block shows when most of it shows) it is the 1x mask but for the
    // antialiasing at the edge: the finer mask is painted on its own, so a pixel on the
    // outline may round the other way, and no pixel off the outline may differ.
    const auto onOutline = [&one](int x, int y) {
        const bool here = Shows(one, x, y);
        for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const int nx = x + dx, ny = y + dy;
            const bool inside = nx >= 0 && ny >= 0 && nx < one.width && ny < one.height;
            if ((inside && Shows(one, nx, ny)) != here) return true;
        }
        return false;
    };
    for (int y = 0; y < one.height; ++y)
        for (int x = 0; x < one.width; ++x) {
            const int shown = Shows(two, 2 * x, 2 * y) + Shows(two, 2 * x + 1, 2 * y) +
                              Shows(two, 2 * x, 2 * y + 1) + Shows(two, 2 * x + 1, 2 * y + 1);
            if ((shown >= 2) != Shows(one, x, y)) {
                EXPECT_TRUE(onOutline(x, y)) << x << "," << y;
            }
        }
}

TEST(DeviceScale, HitTestingUsesLogicalPixels) {
    for (double s : {1.0, 1.5, 2.0, 3.0}) {
        ControlSite::Options o;
        o.scale = s;
        ControlSite site(NuvelSphereInterface(), o);
        site.InitProperties();
        site.Resize();
        site.Paint();
        const HeadlessHost& host = site.host();
        const int w = host.ExtentWidth(), h = host.ExtentHeight();
        EXPECT_FALSE(ComposedPixelAt(host, 0, 0)) << s;
        EXPECT_FALSE(ComposedPixelAt(host, w - 1, h - 1)) << s;
        EXPECT_TRUE(ComposedPixelAt(host, w / 2, h / 2)) << s;
        EXPECT_FALSE(ComposedPixelAt(host, w, h / 2)) << s;
        EXPECT_FALSE(ComposedPixelAt(host, -1, h / 2)) << s;
    }
}

TEST(DeviceScale, ScaledFileNamesSitBesideThePicture) {
    struct Case {
        const char* path;
        double scale;
        const char* expected;
    };
    const Case cases[] = {
        {"icon.png", 2.0, "icon@2x.png"},       {"dir.v2/icon.png", 1.5, "dir.v2/icon@1.5x.png"},
        {"dir.v2/icon", 3.0, "dir.v2/icon@3x"}, {"/a/.hidden", 2.0, "/a/.hidden@2x"},
        {"a.b.gif", 2.0, "a.b@2x.gif"},
    };
    for (const Case& k : cases)
        EXPECT_EQ(ScaledFileName(k.path, k.scale), k.expected) << k.path;
}

TEST(DeviceScale, PictureFileTakesTheImagesBesideIt) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("nk_scale_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string base = (dir / "p.png").string();
    ASSERT_EQ(WritePng(Image(4, 3, 0xFF112233u), base), "");
    std::string error;
    Picture plain = LoadScaledPictureFile(base, "p", error);
    ASSERT_TRUE(plain) << error;
    EXPECT_TRUE(plain->variants().empty());

    ASSERT_EQ(WritePng(Image(8, 6, 0xFF445566u), (dir / "p@2x.png").string()), "");
    Picture fine = LoadScaledPictureFile(base, "p", error);
    ASSERT_TRUE(fine) << error;
    EXPECT_EQ(fine->Width(), 4);
    ASSERT_NE(fine->VariantAt(2.0), nullptr);
    EXPECT_EQ(fine->VariantAt(2.0)->At(7, 5), 0xFF445566u);
    EXPECT_EQ(fine->VariantAt(3.0), nullptr);

    // An image of the wrong size, or one that does not decode, is bad input naming it.
    ASSERT_EQ(WritePng(Image(5, 5), (dir / "p@3x.png").string()), "");
    EXPECT_FALSE(LoadScaledPictureFile(base, "p", error));
    EXPECT_NE(error.find("p@3x.png: the image is 5 x 5 pixels"), std::string::npos) << error;
    EXPECT_NE(error.find("must be 12 x 9"), std::string::npos) << error;
    ASSERT_EQ(WriteFile((dir / "p@3x.png").string(), std::vector<std::uint8_t>{1, 2, 3}), "");
    EXPECT_FALSE(LoadScaledPictureFile(base, "p", error));
    EXPECT_NE(error.find("p@3x.png"), std::string::npos) << error;
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace nk
