// The painting toolkit of the resource generator: colours, gradients, shapes, noise, blur
// and masks.
#include "resources/paint.h"

#include <cmath>
#include <gtest/gtest.h>

namespace nk::paint {

namespace {

void ExpectRgb(Rgb a, Rgb b, float tol = 1e-4f) {
    EXPECT_NEAR(a.r, b.r, tol);
    EXPECT_NEAR(a.g, b.g, tol);
    EXPECT_NEAR(a.b, b.b, tol);
}

} // namespace

TEST(Paint, PixelsRoundAndClamp) {
    EXPECT_EQ(ToPixel({1.2f, -0.1f, 0.5f}), 0xFFFF0080u);
    EXPECT_EQ(ToPixel(Hex(0x12ABEF)), 0xFF12ABEFu);
    ExpectRgb(FromPixel(0xFF804020u), Hex(0x804020));
}

TEST(Paint, HsvPrimariesAndWrap) {
    ExpectRgb(Hsv(0.0f, 1, 1), {1, 0, 0});
    ExpectRgb(Hsv(1.0f / 3.0f, 1, 1), {0, 1, 0});
    ExpectRgb(Hsv(2.0f / 3.0f, 1, 1), {0, 0, 1});
    ExpectRgb(Hsv(1.25f, 0.5f, 0.8f), Hsv(0.25f, 0.5f, 0.8f));
    ExpectRgb(Hsv(-0.75f, 0.5f, 0.8f), Hsv(0.25f, 0.5f, 0.8f));
    ExpectRgb(Hsv(0.4f, 0.0f, 0.6f), Grey(0.6f));
}

TEST(Paint, GradientStopsInAnyOrder) {
    Gradient g;
    g.Add(1.0f, Grey(1.0f));
    g.Add(0.0f, Grey(0.0f));
    g.Add(0.5f, {1, 0, 0});
    ExpectRgb(g.At(-1.0f), Grey(0.0f));
    ExpectRgb(g.At(2.0f), Grey(1.0f));
    ExpectRgb(g.At(0.5f), {1, 0, 0});
    ExpectRgb(g.At(0.25f), {0.5f, 0, 0});
    ExpectRgb(g.At(0.75f), {1, 0.5f, 0.5f});
    ExpectRgb(Gradient::Even({Grey(0), Grey(1), Grey(0)}).At(0.25f), Grey(0.5f));
    ExpectRgb(Gradient().At(0.3f), {});
}

TEST(Paint, BlendModesKeepTheirNeutralColours) {
    const Rgb base{0.2f, 0.5f, 0.9f};
    ExpectRgb(BlendColor(base, Grey(0.0f), Blend::Screen), base);
    ExpectRgb(BlendColor(base, Grey(1.0f), Blend::Multiply), base);
    ExpectRgb(BlendColor(base, Grey(0.0f), Blend::Add), base);
    ExpectRgb(BlendColor(base, Grey(0.5f), Blend::SoftLight), base);
    ExpectRgb(BlendColor(base, Grey(0.5f), Blend::Overlay), {0.2f, 0.5f, 0.9f}, 0.0f + 1e-4f);
    ExpectRgb(BlendColor(base, Grey(1.0f), Blend::Screen), Grey(1.0f));
    Layer l(1, 1, Grey(0.0f));
    l.Put(0, 0, Grey(1.0f), 0.25f);
    ExpectRgb(l.At(0, 0), Grey(0.25f));
    l.Put(5, 5, Grey(1.0f), 1.0f); // outside: ignored
}

TEST(Paint, AntiAliasedDiscKeepsItsArea) {
    for (float r : {3.3f, 7.5f, 12.0f}) {
        Layer l(32, 32, Grey(0.0f));
        FillDisc(l, {16.0f, 16.0f}, r, Grey(1.0f));
        double area = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                area += l.At(x, y).r;
        EXPECT_NEAR(area, 3.14159265 * r * r, 0.02 * 3.14159265 * r * r) << r;
        // Round: equally far along both axes from the centre.
        EXPECT_NEAR(l.At(16, 16 + static_cast<int>(r) - 1).r,
                    l.At(16 + static_cast<int>(r) - 1, 16).r, 1e-4);
    }
}

TEST(Paint, SignedDistancesHaveTheRightSign) {
    EXPECT_NEAR(SdDisc({3, 4}, {0, 0}, 2), 3.0f, 1e-5f);
    EXPECT_LT(SdBox({5, 5}, 0, 0, 10, 10), 0.0f);
    EXPECT_NEAR(SdBox({5, -2}, 0, 0, 10, 10), 2.0f, 1e-5f);
    EXPECT_NEAR(SdBox({13, 14}, 0, 0, 10, 10), 5.0f, 1e-5f);
    // A rounded corner is cut away: the box corner point lies outside.
    EXPECT_GT(SdRoundBox({0.2f, 0.2f}, 0, 0, 10, 10, 4), 0.0f);
    EXPECT_LT(SdRoundBox({5, 0.2f}, 0, 0, 10, 10, 4), 0.0f);
    EXPECT_NEAR(SdSegment({5, 3}, {0, 0}, {10, 0}, 1), 2.0f, 1e-5f);
    EXPECT_NEAR(SdSegment({-3, 4}, {0, 0}, {10, 0}, 1), 4.0f, 1e-5f);
    EXPECT_NEAR(SdRing({0, 6}, {0, 0}, 5, 0.5f), 0.5f, 1e-5f);
    EXPECT_NEAR(SdEllipse({6, 0}, {0, 0}, 4, 2), 2.0f, 0.05f);
    EXPECT_NEAR(SdEllipse({0, 3}, {0, 0}, 4, 2), 1.0f, 0.05f);
    EXPECT_LT(SdEllipse({0, 0}, {0, 0}, 4, 2), 0.0f);
}

TEST(Paint, NoiseIsDeterministicBoundedAndPeriodic) {
    const Noise a(7), b(7), c(8);
    bool differs = false;
    for (int i = 0; i < 200; ++i) {
        const float x = i * 0.37f, y = i * 0.11f;
        EXPECT_EQ(a.At(x, y), b.At(x, y));
        differs |= a.At(x, y) != c.At(x, y);
        for (float v : {a.At(x, y), a.Fbm(x, y, 4), a.Ridged(x, y, 3)}) {
            EXPECT_GE(v, 0.0f);
            EXPECT_LE(v, 1.0f);
        }
        EXPECT_NEAR(a.AtPeriodic(x, y, 5, 3), a.AtPeriodic(x + 5.0f, y - 3.0f, 5, 3), 1e-4f);
    }
    EXPECT_TRUE(differs) << "the seed changes the noise";
    // Smooth: neighbouring samples are close.
    EXPECT_NEAR(a.At(2.5f, 3.5f), a.At(2.51f, 3.5f), 0.02f);
}

TEST(Paint, RngIsRepeatableAndCoversItsRange) {
    Rng a(42), b(42);
    bool lo = false, hi = false;
    for (int i = 0; i < 500; ++i) {
        const int v = a.Int(3, 6);
        EXPECT_EQ(v, b.Int(3, 6));
        EXPECT_GE(v, 3);
        EXPECT_LE(v, 6);
        lo |= v == 3;
        hi |= v == 6;
        const float u = a.Uniform();
        b.Uniform();
        EXPECT_GE(u, 0.0f);
        EXPECT_LT(u, 1.0f);
    }
    EXPECT_TRUE(lo && hi);
    EXPECT_EQ(Rng(1).Int(5, 5), 5);
}

TEST(Paint, BlurSpreadsSymmetricallyAndKeepsFlatAreas) {
    Layer flat(9, 7, Grey(0.4f));
    Blur(flat, 2);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_NEAR(flat.At(x, y).g, 0.4f, 1e-5f);
    Layer dot(21, 21, Grey(0.0f));
    dot.At(10, 10) = Grey(1.0f);
    Blur(dot, 1, 2);
    double sum = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            sum += dot.At(x, y).r;
    EXPECT_NEAR(sum, 1.0, 1e-4);
    EXPECT_NEAR(dot.At(8, 10).r, dot.At(12, 10).r, 1e-6);
    EXPECT_NEAR(dot.At(10, 8).r, dot.At(10, 12).r, 1e-6);
    EXPECT_GT(dot.At(10, 10).r, dot.At(11, 10).r);
    EXPECT_EQ(dot.At(13, 10).r, 0.0f); // two passes of radius 1 reach 2 pixels
}

TEST(Paint, GlossBrightensTheTopAndRespectsItsClip) {
    Layer l(20, 20, Grey(0.3f));
    GlossBand(l, 0, 0, 20, 10, 0, 0.8f, 0.1f, 0.5f, [](Vec2 p) { return p.x - 10.0f; });
    EXPECT_GT(l.At(5, 1).r, l.At(5, 8).r);
    EXPECT_GT(l.At(5, 8).r, 0.3f);
    EXPECT_NEAR(l.At(15, 1).r, 0.3f, 1e-5f) << "outside the clip";
    EXPECT_NEAR(l.At(5, 15).r, 0.3f, 1e-5f) << "below the band";
}

TEST(Paint, LightingFacesTheLight) {
    const Light light;
    const Rgb facing = Lit(Grey(0.5f), light.direction, light);
    const Rgb away = Lit(Grey(0.5f), light.direction * -1.0f, light);
    EXPECT_GT(facing.r, away.r);
    ExpectRgb(away, Grey(0.5f * light.ambient));
    EXPECT_NEAR(Length(SphereNormal(0.3f, -0.4f)), 1.0f, 1e-5f);
    EXPECT_NEAR(SphereNormal(0, 0).z, 1.0f, 1e-6f);
    EXPECT_NEAR(SphereNormal(3, 4).z, 0.0f, 1e-6f) << "outside: the rim";
    EXPECT_NEAR(CapsuleNormal({50, 10}, 10, 90, 10, 10).z, 1.0f, 1e-6f);
    EXPECT_NEAR(CapsuleNormal({5, 10}, 10, 90, 10, 10).x, -0.5f, 1e-6f);
    EXPECT_NEAR(TubeNormal(15, 10, 10).y, 0.5f, 1e-6f);
}

TEST(Paint, MasksAreOneBitBlackInside) {
    const Image m = MaskImage(10, 6, [](Vec2 p) { return SdBox(p, 2, 1, 8, 5); });
    EXPECT_EQ(m.bitsPerPixel, 1);
    EXPECT_EQ(m.At(5, 3), 0xFF000000u);
    EXPECT_EQ(m.At(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(m.At(2, 1), 0xFF000000u);
    EXPECT_EQ(m.At(8, 3), 0xFFFFFFFFu);
    const Layer round = Layer::FromImage(Layer(3, 2, {0.2f, 0.4f, 0.6f}).ToImage());
    ExpectRgb(round.At(2, 1), {0.2f, 0.4f, 0.6f}, 0.5f / 255.0f);
}

TEST(Paint, DeviceSizesRoundHalvesUp) {
    struct Case {
        int logical;
        float scale;
        int device;
    };
    const Case cases[] = {{175, 1.0f, 175},  {175, 1.5f, 263}, {15, 1.5f, 23}, {32, 2.0f, 64},
                          {350, 3.0f, 1050}, {0, 2.0f, 0},     {-4, 2.0f, 0},  {10, 0.0f, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(DeviceSize(c.logical, c.scale), c.device) << c.logical << " at " << c.scale;
}

// A finer layer paints the same logical picture: a disc keeps its logical area, a logical
// pixel covers scale x scale device pixels, a blur reaches as far in logical pixels, and no
// scale takes fewer samples per logical pixel than 1x.
TEST(Paint, ScaledLayersPaintTheSameLogicalPicture) {
    for (float scale : {1.0f, 1.5f, 2.0f, 3.0f}) {
        SCOPED_TRACE(scale);
        Layer l(40, 40, Grey(0.0f), scale);
        ASSERT_EQ(l.width(), DeviceSize(40, scale));
        FillDisc(l, {20, 20}, 10, Grey(1.0f));
        float area = 0;
        for (int y = 0; y < l.height(); ++y)
            for (int x = 0; x < l.width(); ++x)
                area += l.At(x, y).r;
        EXPECT_NEAR(area / (scale * scale), 3.14159265f * 100, 2.0f);

        Layer dot(6, 6, Grey(0.0f), scale);
        dot.PutLogical(2, 3, Grey(1.0f), 1.0f);
        int lit = 0;
        for (int y = 0; y < dot.height(); ++y)
            for (int x = 0; x < dot.width(); ++x)
                if (dot.At(x, y).r > 0.5f) {
                    ++lit;
                    const Vec2 c = dot.Centre(x, y);
                    EXPECT_TRUE(c.x >= 2 && c.x < 3 && c.y >= 3 && c.y < 4) << x << "," << y;
                }
        // At 1.5x the device pixel centres fall one and two to a logical pixel, in turn.
        EXPECT_EQ(lit, scale == 1.5f ? 2 : static_cast<int>(scale * scale));

        Layer line(40, 1, Grey(0.0f), scale);
        line.PutLogical(20, 0, Grey(1.0f), 1.0f);
        Blur(line, 4, 1);
        EXPECT_GT(line.Sample(23.5f, 0.5f).r, 0.0f);
        EXPECT_EQ(line.Sample(27.5f, 0.5f).r, 0.0f);

        for (int atOneX : {1, 3, 4})
            EXPECT_GE(static_cast<float>(SamplesPerAxis(atOneX, scale)) * scale,
                      static_cast<float>(atOneX));
    }
    EXPECT_EQ(SamplesPerAxis(4, 1.0f), 4);
    EXPECT_LT(SamplesPerAxis(4, 3.0f), 4);
}

} // namespace nk::paint
