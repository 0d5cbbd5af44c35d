// The NuvelCommand backgrounds, 250 x 100: each a picture of its name, with a glassy highlight
// across the upper part and a calm middle where the caption sits.
#include "resources/gen_set1_parts.h"
#include "resources/paint.h"

#include <cmath>

namespace nk::resgen::set1 {

using namespace paint;

namespace {

constexpr int kW = 250;
constexpr int kH = 100;
constexpr float kTau = 6.2831853f;
const Vec2 kCentre{kW * 0.5f, kH * 0.5f};

// 1 in the caption area (a wide ellipse around the centre), falling to 0 towards the edges.
float CaptionWeight(Vec2 p, float rx = 95.0f, float ry = 24.0f) {
    const float dx = (p.x - kCentre.x) / rx;
    const float dy = (p.y - kCentre.y) / ry;
    return std::exp(-(dx * dx + dy * dy));
}

// The finish every background shares: the middle softened towards a blurred copy, a glassy
// band across the upper part, a faint glow along the bottom and darker corners.
void Finish(Layer& l, float calm, float gloss = 0.62f) {
    Layer soft = l;
    Blur(soft, 4);
    l.Filter([&](Vec2 p, Rgb c) {
        return Mix(c, soft.Sample(p.x, p.y), calm * CaptionWeight(p, 110.0f, 30.0f));
    });
    Vignette(l, 0.28f);
    GlossBand(l, 3.0f, -12.0f, kW - 3.0f, 44.0f, 22.0f, gloss, 0.10f, 4.0f);
    GlossBand(l, 10.0f, 90.0f, kW - 10.0f, 112.0f, 12.0f, 0.0f, 0.22f, 10.0f);
    // A crisp line of light just under the top edge, as on a glass slab.
    GlossBand(l, 8.0f, 1.0f, kW - 8.0f, 2.4f, 1.0f, 0.18f, 0.18f, 1.2f);
}

Layer SpiralRainbow(float scale) {
    Layer l(kW, kH, {}, scale);
    l.Shade([](Vec2 p) {
        const Vec2 d = p - kCentre;
        const float r = Length(d);
        const float a = std::atan2(d.y, d.x) / kTau;
        // Two arms: the hue turns with the angle and winds with the radius.
        const float hue = Fract(a * 2.0f - std::log(r + 8.0f) * 0.9f);
        const float arm = 0.5f + 0.5f * std::cos(kTau * (a * 2.0f - r / 34.0f));
        const float eye = CaptionWeight(p, 90.0f, 26.0f);
        const float sat = 0.78f - 0.42f * eye;
        const float val = 0.80f + 0.14f * arm + 0.06f * eye;
        return Hsv(hue, sat, val);
    });
    Finish(l, 0.55f);
    return l;
}

// Bright threads of light on a water surface, strongest near the top.
float Caustics(const Noise& n, Vec2 p, float scale) {
    const float wx = n.Fbm(p.x * scale * 0.6f, p.y * scale * 0.6f, 3) - 0.5f;
    const float wy = n.Fbm(p.x * scale * 0.6f + 40.0f, p.y * scale * 0.6f + 7.0f, 3) - 0.5f;
    const float r =
        n.Ridged(p.x * scale + wx * 2.5f, p.y * scale * 1.6f + wy * 2.5f, 2, 2.1f, 0.45f);
    return std::pow(r, 6.0f);
}

Layer CyanWater(float scale) {
    Layer l(kW, kH, {}, scale);
    const Gradient depth{{0.0f, Hex(0x8CEBF2)}, {0.45f, Hex(0x22B5CB)}, {1.0f, Hex(0x07667F)}};
    const Noise n(102);
    l.Shade([&](Vec2 p) {
        Rgb c = depth.At(p.y / kH);
        const float fade = 1.0f - 0.65f * CaptionWeight(p);
        c = c + Hex(0xD8FFFF) * (0.55f * fade * Caustics(n, p, 0.045f));
        // Slanting shafts of light from the upper left.
        const float shaft =
            0.5f + 0.5f * std::sin((p.x + p.y * 0.55f) * 0.06f + 3.0f * n.At(p.x * 0.02f, 3.0f));
        return c + Hex(0x9FF6FF) * (0.10f * shaft * (1.0f - p.y / kH));
    });
    Finish(l, 0.45f);
    return l;
}

void Bubble(Layer& l, Vec2 c, float r) {
    FillDisc(l, c, r, Hex(0x9CD8FF), 0.16f, Blend::Screen);
    // The rim catches the light: bright at the top left, faint at the bottom right.
    const Vec2 light{-0.6f, -0.8f};
    FillShape(
        l, [=](Vec2 p) { return SdRing(p, c, r - 0.6f, 0.55f + r * 0.03f); },
        [=](Vec2 p) {
            const Vec2 d = p - c;
            const float len = std::max(Length(d), 1e-3f);
            const float facing = (d.x * light.x + d.y * light.y) / len;
            return Grey(0.55f + 0.45f * facing);
        },
        0.75f, Blend::Screen);
    SpecularSpot(l, {c.x - r * 0.38f, c.y - r * 0.40f}, r * 0.34f, r * 0.26f, 0.95f);
    // A soft reflected crescent at the lower right.
    FillSoft(
        l,
        [=](Vec2 p) {
            return std::max(SdDisc(p, c, r * 0.78f),
                            -SdDisc(p, {c.x - r * 0.22f, c.y - r * 0.22f}, r * 0.78f));
        },
        1.5f, Hex(0xBFE9FF), 0.35f);
}

Layer BlueBubblyWater(float scale) {
    Layer l(kW, kH, {}, scale);
    const Gradient depth{{0.0f, Hex(0x3D8FEA)}, {0.5f, Hex(0x1A5BC4)}, {1.0f, Hex(0x0A2777)}};
    const Noise n(103);
    l.Shade([&](Vec2 p) {
        Rgb c = depth.At(p.y / kH);
        return c + Hex(0x6FB8FF) * (0.18f * Caustics(n, p, 0.035f) * (1.0f - p.y / kH));
    });
    Rng rng(1031);
    int placed = 0;
    for (int attempt = 0; attempt < 400 && placed < 34; ++attempt) {
        const Vec2 c{rng.Range(-4.0f, kW + 4.0f), rng.Range(-4.0f, kH + 4.0f)};
        float r = 1.6f + std::pow(rng.Uniform(), 2.2f) * 12.0f;
        // Keep the caption area nearly clear: only a few small bubbles drift through it.
        if (CaptionWeight(c, 80.0f, 30.0f) > 0.35f) {
            if (rng.Uniform() > 0.25f) continue;
            r = std::min(r, 3.0f);
        }
        Bubble(l, c, r);
        ++placed;
    }
    Finish(l, 0.35f);
    return l;
}

Layer AuroraZone(float scale) {
    Layer l(kW, kH, {}, scale);
    const Gradient sky{{0.0f, Hex(0x040720)}, {0.6f, Hex(0x0C1446)}, {1.0f, Hex(0x1B2D63)}};
    const Noise n(104);
    l.Shade([&](Vec2 p) { return sky.At(p.y / kH); });
    // Stars, fainter towards the horizon.
    Rng rng(1041);
    for (int i = 0; i < 90; ++i) {
        const Vec2 s{rng.Range(0.0f, kW), rng.Range(0.0f, kH * 0.8f)};
        const float b = rng.Range(0.25f, 1.0f) * (1.0f - s.y / kH);
        l.PutLogical(static_cast<int>(s.x), static_cast<int>(s.y), Grey(1.0f), b, Blend::Screen);
    }
    // Two curtains: each a wavy lower edge with rays rising from it, green below turning
    // to violet at the top.
    struct Curtain {
        float base, amp, freq, phase, height, strength;
        Rgb low, high;
    };
    const Curtain curtains[] = {
        {34.0f, 10.0f, 0.021f, 0.6f, 30.0f, 0.9f, Hex(0x3DFFA0), Hex(0x7A4DFF)},
        {24.0f, 8.0f, 0.030f, 2.4f, 22.0f, 0.55f, Hex(0x2FE0D0), Hex(0xE05AD8)},
    };
    l.Filter([&](Vec2 p, Rgb c) {
        for (const Curtain& cu : curtains) {
            const float edge = cu.base + cu.amp * std::sin(p.x * cu.freq + cu.phase) +
                               10.0f * (n.At(p.x * 0.018f, cu.phase) - 0.5f);
            const float above = edge - p.y; // > 0 above the lower edge
            if (above < -6.0f) continue;
            const float lowerEdge = SmoothStep(-6.0f, 1.5f, above);
            const float rise = std::exp(-std::max(above, 0.0f) / cu.height);
            const float rays = 0.45f + 0.55f * std::pow(n.At(p.x * 0.22f, cu.phase * 5.0f), 1.5f);
            const float t = Clamp01(above / (cu.height * 1.6f));
            const float a = cu.strength * lowerEdge * rise * rays;
            c = BlendColor(c, Mix(cu.low, cu.high, t) * a, Blend::Screen);
        }
        return c;
    });
    // A dark range of hills along the bottom, with a faint glow behind it.
    FillSoft(
        l, [](Vec2 p) { return 84.0f - p.y; }, 30.0f, Hex(0x1E6A70), 0.35f);
    FillShape(
        l,
        [&](Vec2 p) {
            const float ridge =
                88.0f - 7.0f * n.Fbm(p.x * 0.03f, 11.0f, 3) - 4.0f * std::sin(p.x * 0.045f + 1.0f);
            return ridge - p.y;
        },
        Hex(0x050812));
    Finish(l, 0.3f, 0.3f);
    return l;
}

Layer GreenWater(float scale) {
    Layer l(kW, kH, {}, scale);
    const Gradient depth{{0.0f, Hex(0x9CEFA6)}, {0.45f, Hex(0x2FB467)}, {1.0f, Hex(0x0B5B36)}};
    const Noise n(105);
    const Vec2 drops[] = {{52.0f, 30.0f}, {196.0f, 70.0f}, {150.0f, 18.0f}};
    l.Shade([&](Vec2 p) {
        Rgb c = depth.At(p.y / kH);
        // Rings spreading from where drops fell, flattened by the view across the water.
        float ripple = 0.0f;
        for (const Vec2& d : drops) {
            const float dx = p.x - d.x, dy = (p.y - d.y) * 2.2f;
            const float r = std::sqrt(dx * dx + dy * dy);
            ripple += std::sin(r * 0.42f) * std::exp(-r / 45.0f);
        }
        c = c * (1.0f + 0.16f * ripple);
        return c +
               Hex(0xE2FFD0) * (0.35f * Caustics(n, p, 0.05f) * (1.0f - 0.7f * CaptionWeight(p)));
    });
    Finish(l, 0.45f);
    return l;
}

// A fluted stone column with a capital and a base, centred on x.
void Column(Layer& l, float x, float halfWidth) {
    const float top = 16.0f, bottom = 88.0f;
    const Gradient stone{{0.0f, Hex(0x8C7A5E)},
                         {0.35f, Hex(0xF4E9CF)},
                         {0.6f, Hex(0xE2D2AE)},
                         {1.0f, Hex(0x6E5E45)}};
    FillShape(
        l, [=](Vec2 p) { return SdBox(p, x - halfWidth, top, x + halfWidth, bottom); },
        [=](Vec2 p) {
            const float u = (p.x - (x - halfWidth)) / (2.0f * halfWidth);
            const float flute = 0.92f + 0.08f * std::cos((p.x - x) * 1.9f);
            return stone.At(u) * flute;
        });
    const Paint slab = LinearPaint(stone, {x - halfWidth - 4.0f, 0}, {x + halfWidth + 4.0f, 0});
    FillRoundBox(l, x - halfWidth - 4.0f, top - 5.0f, x + halfWidth + 4.0f, top + 1.0f, 1.5f, slab);
    FillRoundBox(l, x - halfWidth - 4.0f, bottom - 1.0f, x + halfWidth + 4.0f, bottom + 5.0f, 1.5f,
                 slab);
}

// The temple's three bays: narrow side bays and a wide middle one behind the caption.
constexpr float kBayEdge = 58.0f;
int BayOf(float x) {
    return x < kBayEdge ? 0 : (x < kW - kBayEdge ? 1 : 2);
}
float BayCentre(int bay) {
    return bay == 0 ? kBayEdge * 0.5f : (bay == 1 ? kW * 0.5f : kW - kBayEdge * 0.5f);
}

Layer TriColorTemple(float scale) {
    Layer l(kW, kH, {}, scale);
    const Noise n(106);
    // Three bays: ruby, gold and sapphire, each lit from its own arch.
    const Rgb bays[] = {Hex(0xB3163A), Hex(0xE9A81E), Hex(0x1B4FB8)};
    l.Shade([&](Vec2 p) {
        const int bay = BayOf(p.x);
        const float centre = BayCentre(bay);
        const float reach = bay == 1 ? 90.0f : 40.0f;
        const float glow = std::exp(-std::pow((p.x - centre) / reach, 2.0f));
        const float marble = 0.9f + 0.1f * n.Fbm(p.x * 0.05f, p.y * 0.05f, 4);
        Rgb c = bays[bay] * (0.55f + 0.45f * glow) * marble;
        return c + Grey(0.25f * glow * (1.0f - p.y / kH));
    });
    // Arches of light in each bay.
    for (int bay = 0; bay < 3; ++bay) {
        const float cx = BayCentre(bay);
        FillSoft(
            l,
            [=](Vec2 p) {
                const float half = bay == 1 ? 44.0f : 18.0f;
                const float arch = SdEllipse(p, {cx, 40.0f}, half, 24.0f);
                const float shaft = SdBox(p, cx - half, 40.0f, cx + half, 100.0f);
                return std::min(arch, shaft);
            },
            24.0f, Grey(1.0f), 0.2f);
    }
    Column(l, kBayEdge, 5.5f);
    Column(l, kW - kBayEdge, 5.5f);
    // Pediment and steps in pale stone.
    const Gradient stone{{0.0f, Hex(0xFBF3DD)}, {1.0f, Hex(0xB9A67E)}};
    FillShape(
        l,
        [](Vec2 p) {
            const float roof = (p.y - 11.0f) + std::fabs(p.x - kCentre.x) * 0.09f;
            return std::max(-roof, p.y - 11.0f);
        },
        LinearPaint(stone, {0, 0}, {0, 12}));
    for (int step = 0; step < 3; ++step) {
        const float y = 92.0f + static_cast<float>(step) * 3.0f;
        const float inset = 18.0f - static_cast<float>(step) * 9.0f;
        FillShape(
            l, [=](Vec2 p) { return SdBox(p, inset, y, kW - inset, y + 3.2f); },
            LinearPaint(stone, {0, y}, {0, y + 3.2f}));
    }
    Finish(l, 0.5f);
    return l;
}

Layer UnderwaterClouds(float scale) {
    Layer l(kW, kH, {}, scale);
    const Noise n(107);
    const Gradient water{{0.0f, Hex(0x1B6FA4)}, {1.0f, Hex(0x08304F)}};
    l.Shade([&](Vec2 p) {
        Rgb c = water.At(p.y / kH);
        const float cloud = n.Fbm(p.x * 0.022f, p.y * 0.04f, 5);
        const float puff = SmoothStep(0.38f, 0.78f, cloud);
        c = Mix(c, Hex(0xBFEFFA), puff * (0.75f - 0.4f * CaptionWeight(p)));
        // Shafts of light slanting down from the surface.
        const float shaft = std::pow(
            0.5f + 0.5f * std::sin(p.x * 0.075f - p.y * 0.03f + 4.0f * n.At(p.x * 0.015f, 2.0f)),
            3.0f);
        return c + Hex(0x9FE7FF) * (0.22f * shaft * (1.0f - p.y / kH));
    });
    Finish(l, 0.5f);
    return l;
}

// A swirled lollipop on a stick.
void Lollipop(Layer& l, Vec2 c, float r, Rgb stripe, float turn) {
    FillRoundBox(
        l, c.x - 2.0f, c.y, c.x + 2.0f, kH + 10.0f, 2.0f,
        LinearPaint(Gradient{{0.0f, Hex(0xE9E2D6)}, {0.5f, Grey(1.0f)}, {1.0f, Hex(0xB8AFA2)}},
                    {c.x - 2.0f, 0}, {c.x + 2.0f, 0}));
    const Light light;
    FillShape(
        l, [=](Vec2 p) { return SdDisc(p, c, r); },
        [=, &light](Vec2 p) {
            const Vec2 d = p - c;
            const float rr = Length(d);
            const float a = std::atan2(d.y, d.x) / kTau;
            const float t = Fract(a * 3.0f + rr / (r * 0.55f) + turn);
            const float band = SmoothStep(0.42f, 0.5f, t) - SmoothStep(0.92f, 1.0f, t);
            const Rgb albedo = Mix(Hex(0xFFF6FA), stripe, band);
            // A flat candy with a rounded rim.
            const float u = d.x / r, v = d.y / r;
            const float rim = SmoothStep(0.7f, 1.0f, std::sqrt(u * u + v * v));
            const Vec3 nrm = Normalize({u * rim, v * rim, 1.0f});
            return Lit(albedo, nrm, light);
        });
    SpecularSpot(l, {c.x - r * 0.35f, c.y - r * 0.42f}, r * 0.45f, r * 0.25f, 0.7f);
}

Layer LollipopLand(float scale) {
    Layer l(kW, kH, {}, scale);
    l.Shade(
        LinearPaint(Gradient{{0.0f, Hex(0xFFD3EA)}, {0.55f, Hex(0xF7B8DD)}, {1.0f, Hex(0xD9A6F0)}},
                    {0, 0}, {0, kH}));
    // Sprinkles scattered around the edges.
    Rng rng(1081);
    const Rgb sprinkle[] = {Hex(0xFF6FA8), Hex(0x7FD8FF), Hex(0xFFE46B), Hex(0x9CF29B),
                            Hex(0xC59CFF)};
    for (int i = 0; i < 70; ++i) {
        const Vec2 a{rng.Range(0.0f, kW), rng.Range(0.0f, kH)};
        const float ang = rng.Range(0.0f, kTau);
        const Rgb col = sprinkle[rng.Int(0, 4)];
        if (CaptionWeight(a, 70.0f, 22.0f) > 0.3f) continue;
        const Vec2 b{a.x + std::cos(ang) * 4.0f, a.y + std::sin(ang) * 4.0f};
        FillShape(
            l, [=](Vec2 p) { return SdSegment(p, a, b, 1.1f); }, col, 0.85f);
    }
    Lollipop(l, {32.0f, 44.0f}, 27.0f, Hex(0xFF3F8E), 0.0f);
    Lollipop(l, {224.0f, 38.0f}, 23.0f, Hex(0x3FB6FF), 0.3f);
    Lollipop(l, {190.0f, 84.0f}, 12.0f, Hex(0x7ED957), 0.6f);
    Lollipop(l, {70.0f, 92.0f}, 9.0f, Hex(0xFFB23F), 0.1f);
    Finish(l, 0.3f);
    return l;
}

Layer Disabled(float scale) {
    Layer l(kW, kH, {}, scale);
    const Noise n(601);
    l.Shade([&](Vec2 p) {
        const float t = p.y / kH;
        const float weave = 0.5f + 0.5f * std::sin((p.x + p.y) * 0.25f);
        return Grey(0.84f - 0.2f * t + 0.025f * weave +
                    0.03f * (n.Fbm(p.x * 0.05f, p.y * 0.05f, 3) - 0.5f));
    });
    Finish(l, 0.6f, 0.45f);
    return l;
}

} // namespace

Image Background(int index, float scale) {
    switch (index) {
    case 0:
        return SpiralRainbow(scale).ToImage();
    case 1:
        return CyanWater(scale).ToImage();
    case 2:
        return BlueBubblyWater(scale).ToImage();
    case 3:
        return AuroraZone(scale).ToImage();
    case 4:
        return GreenWater(scale).ToImage();
    case 5:
        return TriColorTemple(scale).ToImage();
    case 6:
        return UnderwaterClouds(scale).ToImage();
    case 7:
        return LollipopLand(scale).ToImage();
    default:
        return Disabled(scale).ToImage();
    }
}

} // namespace nk::resgen::set1
