// The NuvelHCommand faces, 175 x 32: glossy capsules in eight finishes, at rest and pressed,
// and the greyed disabled face. The pill masks cut the corners away.
#include "resources/gen_set1_parts.h"
#include "resources/paint.h"

#include <algorithm>
#include <cmath>

namespace nk::resgen::set1 {

using namespace paint;

namespace {

constexpr int kW = 175;
constexpr int kH = 32;
constexpr float kR = kH * 0.5f;

using Texture = Rgb (*)(Vec2, const Noise&);

float Caustic(Vec2 p, const Noise& n, float scale) {
    const float wx = n.Fbm(p.x * scale * 0.5f, p.y * scale * 0.5f, 2) - 0.5f;
    return std::pow(n.Ridged(p.x * scale + wx * 2.0f, p.y * scale * 1.5f, 2), 5.0f);
}

Rgb CyanWater(Vec2 p, const Noise& n) {
    return Mix(Hex(0x1FC4D8), Hex(0x0A8FB0), p.y / kH) +
           Hex(0xCFFFFF) * (0.45f * Caustic(p, n, 0.09f));
}

Rgb BlueWater(Vec2 p, const Noise& n) {
    return Mix(Hex(0x2F7BEB), Hex(0x0E3CA8), p.y / kH) +
           Hex(0x9FD2FF) * (0.35f * Caustic(p, n, 0.08f));
}

Rgb TriColor(Vec2 p, const Noise&) {
    // Ruby, gold and sapphire thirds, joined by short blends with a bright seam between them.
    const float u = p.x / kW * 3.0f;
    const Rgb bands[] = {Hex(0xDC2D4C), Hex(0xF4B62F), Hex(0x2A6FDE)};
    const int i = std::min(static_cast<int>(u), 2);
    const float f = u - static_cast<float>(i);
    Rgb c = bands[i];
    if (i < 2 && f > 0.9f) c = Mix(c, bands[i + 1], SmoothStep(0.9f, 1.0f, f));
    const float seam = std::min(std::fabs(u - 1.0f), std::fabs(u - 2.0f));
    return Mix(c, Hex(0xFFF4E0), 0.6f * (1.0f - SmoothStep(0.0f, 0.03f, seam)));
}

Rgb Crystaline(Vec2 p, const Noise&) {
    // Facets: the nearest of a jittered grid of points decides the facet's tint; the seams
    // between facets catch the light.
    constexpr float cell = 11.0f;
    const int gx = static_cast<int>(std::floor(p.x / cell));
    const int gy = static_cast<int>(std::floor(p.y / cell));
    float best = 1e9f, second = 1e9f;
    int bestId = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int cx = gx + dx, cy = gy + dy;
            Rng rng(static_cast<std::uint64_t>((cx + 100) * 977 + (cy + 100) * 31));
            const Vec2 site{(static_cast<float>(cx) + rng.Range(0.1f, 0.9f)) * cell,
                            (static_cast<float>(cy) + rng.Range(0.1f, 0.9f)) * cell};
            const float d = Length(p - site);
            if (d < best) {
                second = best;
                best = d;
                bestId = cx * 131 + cy * 17;
            } else if (d < second) {
                second = d;
            }
        }
    Rng tint(static_cast<std::uint64_t>(bestId + 5000));
    const Rgb facet =
        Hsv(tint.Range(0.52f, 0.74f), tint.Range(0.18f, 0.5f), tint.Range(0.72f, 1.0f));
    const float seam = 1.0f - SmoothStep(0.0f, 1.6f, second - best);
    return Mix(facet, Grey(1.0f), seam * 0.8f);
}

Rgb Clouds(Vec2 p, const Noise& n) {
    const Rgb sky = Mix(Hex(0x8CCBFF), Hex(0x3F8FEA), p.y / kH);
    const float c = n.Fbm(p.x * 0.035f, p.y * 0.09f, 5);
    return Mix(sky, Grey(1.0f), SmoothStep(0.42f, 0.72f, c));
}

float Veins(Vec2 p, const Noise& n) {
    const float warp = n.Fbm(p.x * 0.03f, p.y * 0.06f, 4);
    const float v = std::sin(p.x * 0.05f + p.y * 0.12f + warp * 7.0f);
    return std::pow(1.0f - std::fabs(v), 8.0f);
}

Rgb OldMarble(Vec2 p, const Noise& n) {
    const float age = n.Fbm(p.x * 0.08f, p.y * 0.08f, 3);
    const Rgb stone = Mix(Hex(0xF1E6CF), Hex(0xCDB48C), age);
    return Mix(stone, Hex(0x6E4E2E), 0.75f * Veins(p, n));
}

Rgb TintMarble(Vec2 p, const Noise& n) {
    const float cloud = n.Fbm(p.x * 0.06f, p.y * 0.06f, 3);
    const Rgb stone = Mix(Hex(0xF7E1EC), Hex(0xD3B8E6), cloud);
    return Mix(stone, Hex(0x4F8A9A), 0.65f * Veins(p, n));
}

Rgb Spectrum(Vec2 p, const Noise&) {
    return Hsv(p.x / kW * 0.83f, 0.8f, 1.0f);
}

Rgb DisabledGrey(Vec2 p, const Noise&) {
    return Grey(0.80f - 0.1f * p.y / kH);
}

Texture TextureOf(int style) {
    switch (style) {
    case 0:
        return CyanWater;
    case 1:
        return BlueWater;
    case 2:
        return TriColor;
    case 3:
        return Crystaline;
    case 4:
        return Clouds;
    case 5:
        return OldMarble;
    case 6:
        return TintMarble;
    case 7:
        return Spectrum;
    default:
        return DisabledGrey;
    }
}

float SdPill(Vec2 p) {
    return SdRoundBox(p, 0.0f, 0.0f, kW, kH, kR);
}

Layer PillLayer(int style, bool pressed, float scale) {
    const Texture texture = TextureOf(style);
    const Noise n(static_cast<std::uint32_t>(550 + style));
    const bool disabled = style >= kPillCount;
    Layer l(kW, kH, {}, scale);
    l.Shade([&](Vec2 p) {
        const Rgb albedo = texture(p, n);
        // A glass tube: darker under the top edge, bright where light gathers at the bottom;
        // pressed, the light comes from above instead and everything sinks a little.
        const Vec3 nrm = CapsuleNormal(p, kR, kW - kR, kR, kR);
        float t = Clamp01(p.y / kH);
        if (pressed) t = 1.0f - t;
        const float body = Lerp(0.62f, 1.12f, SmoothStep(0.05f, 0.95f, t));
        const float round = 0.75f + 0.25f * Clamp01(nrm.z);
        const float shade = body * round * (pressed ? 0.82f : 1.0f);
        return disabled ? Desaturate(albedo * shade, 1.0f) : albedo * shade;
    });
    const Sdf pill = SdPill;
    if (!pressed) {
        GlossBand(l, 9.0f, 1.2f, kW - 9.0f, 14.5f, 6.5f, disabled ? 0.5f : 0.95f, 0.22f, 1.8f,
                  pill);
        FillSoft(
            l,
            [](Vec2 p) {
                return SdEllipse(p, {kW * 0.5f, 30.0f}, kW * 0.42f, 7.0f);
            },
            8.0f, Grey(1.0f), disabled ? 0.15f : 0.3f);
    } else {
        GlossBand(l, 12.0f, 2.5f, kW - 12.0f, 12.0f, 5.0f, 0.35f, 0.02f, 1.8f, pill);
        // The inside edge shades the top: the face sits lower than its rim.
        FillSoft(
            l,
            [](Vec2 p) {
                return std::max(SdPill(p), -SdRoundBox(p, 1.5f, 3.5f, kW - 1.5f, kH + 2.0f, kR));
            },
            3.0f, Grey(0.0f), 0.4f, Blend::Normal);
    }
    // A thin dark rim along the outline so the capsule stands off any background.
    StrokeShape(
        l, [](Vec2 p) { return SdRoundBox(p, 0.5f, 0.5f, kW - 0.5f, kH - 0.5f, kR - 0.5f); }, 1.0f,
        Grey(0.0f), 0.28f, Blend::Multiply);
    return l;
}

} // namespace

Image Pill(int style, bool pressed, float scale) {
    return PillLayer(style, pressed, scale).ToImage();
}

} // namespace nk::resgen::set1
