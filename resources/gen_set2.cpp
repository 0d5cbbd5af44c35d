// The bitmaps of nuvset2: the fill bar's end caps and fills, the toolbox images, and (in
// gen_set2_pads.cpp) the directional pads.
//
// A fill is a cut across a glass tube filled with coloured liquid: it is the same all along
// the bar (the rainbow fill excepted, which runs through the spectrum along the bar), so it
// stretches to any length without a visible smear. The caps are chrome end pieces that close
// the tube.
#include "resources/gen_set2_parts.h"
#include "set2/resource_ids.h"

#include <algorithm>
#include <cmath>

namespace nk::resgen {

namespace set2 {

using paint::Rgb;
using paint::Vec2;
using paint::Vec3;

namespace {
const Vec3 kLight = paint::Normalize({-0.5f, -0.62f, 0.6f});
}

Rgb ShadeSurface(const Surface& s, Vec3 n) {
    const float diffuse = std::max(0.0f, paint::Dot(n, kLight));
    Rgb c = s.albedo * (0.42f + 0.72f * diffuse);
    const Vec3 half = paint::Normalize(kLight + Vec3{0, 0, 1});
    const float specular = std::pow(std::max(0.0f, paint::Dot(n, half)), 50.0f);
    const float sky = paint::Clamp01(0.5f - 0.9f * n.y);
    const float tilt = 1.0f - n.z;
    c = c + Rgb{1, 1, 1} * (s.gloss * (0.85f * specular + 0.5f * tilt * sky * sky));
    c = c * (1.0f - 0.4f * tilt * paint::Clamp01(0.4f + 0.8f * n.y));
    return c + s.emission;
}

paint::Layer RenderSurface(const SurfaceFn& f, int x0, int y0, int w, int h, int samples,
                           float scale) {
    paint::Layer layer(w, h, {}, scale);
    samples = paint::SamplesPerAxis(samples, scale);
    constexpr float e = 0.35f;
    // The origin in device pixels; at scale 1 the sums below are exact integers.
    const float ox = static_cast<float>(x0) * scale, oy = static_cast<float>(y0) * scale;
    for (int j = 0; j < layer.height(); ++j)
        for (int i = 0; i < layer.width(); ++i) {
            Rgb sum{};
            for (int v = 0; v < samples; ++v)
                for (int u = 0; u < samples; ++u) {
                    const Vec2 p{(ox + static_cast<float>(i) + (u + 0.5f) / samples) / scale,
                                 (oy + static_cast<float>(j) + (v + 0.5f) / samples) / scale};
                    const Surface s = f(p);
                    const float dx = f({p.x + e, p.y}).height - f({p.x - e, p.y}).height;
                    const float dy = f({p.x, p.y + e}).height - f({p.x, p.y - e}).height;
                    const Vec3 n = paint::Normalize({-dx / (2 * e), -dy / (2 * e), 1.0f});
                    sum = sum + ShadeSurface(s, n);
                }
            layer.At(i, j) = paint::Clamp(sum * (1.0f / static_cast<float>(samples * samples)));
        }
    return layer;
}

paint::Layer Crop(const paint::Layer& l, int x0, int y0, int w, int h) {
    paint::Layer out(w, h, {}, l.scale());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.At(x, y) = l.At(x0 + x, y0 + y);
    return out;
}

paint::Layer Inset(const paint::Layer& base, const paint::Layer& changed, float fade) {
    const int w = base.width(), h = base.height();
    paint::Layer out(base.logicalWidth(), base.logicalHeight(), {}, base.scale());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // Distance in logical pixels from the piece's outermost ring.
            const float edge =
                static_cast<float>(std::min({x, y, w - 1 - x, h - 1 - y})) / base.scale();
            const float t = fade > 0 ? paint::Clamp01(edge / fade) : 1.0f;
            out.At(x, y) = paint::Mix(base.At(x, y), changed.At(x, y), edge < 1 ? 0 : t);
        }
    return out;
}

void AddBitmap(std::vector<GeneratedBitmap>& out, int id, int depth, const paint::Layer& layer) {
    out.push_back({"nuvset2", id, depth, layer.ToImage(), layer.scale()});
}

} // namespace set2

namespace {

using paint::Rgb;
using paint::Vec2;
using paint::Vec3;
using set2::AddBitmap;

constexpr int kThickness = 42;  // across the bar
constexpr int kFillLength = 10; // along the bar
constexpr int kCapLength = 17;

// The colour of fill k at a point across the tube (t: 0 at the top or left wall, 1 at the
// other) and along it (s: 0 where the fill starts, 1 where it ends).
using FillColour = std::function<Rgb(float t, float s)>;

// One cut across the liquid-filled glass tube: a dark wall line, the liquid lit as a
// cylinder, a bright glassy reflection over its upper part, a narrow white glint near the
// top, and a glow of light passing through the liquid near the lower wall.
Rgb TubeAt(const FillColour& colour, float t, float s) {
    const Rgb base = colour(t, s);
    const float v = std::clamp(2.0f * t - 1.0f, -1.0f, 1.0f); // -1 top, 1 bottom
    const Vec3 n{0.0f, v, std::sqrt(std::max(0.0f, 1.0f - v * v))};
    Rgb c = set2::ShadeSurface({0, base * 1.15f, 0.35f, {}}, n);
    // The liquid glows where light passes through it, towards the lower wall.
    const float through = std::exp(-std::pow((t - 0.8f) / 0.12f, 2.0f));
    c = c + paint::Mix(base, Rgb{1, 1, 1}, 0.35f) * (0.35f * through);
    // The glass reflects the sky across its upper part, strongest near the top.
    const float band = paint::SmoothStep(0.06f, 0.12f, t) * paint::SmoothStep(0.5f, 0.36f, t);
    const float reflect = band * (0.62f - 0.9f * (t - 0.1f));
    c = paint::BlendColor(c, Rgb{1, 1, 1} * paint::Clamp01(reflect), paint::Blend::Screen);
    const float glint = std::exp(-std::pow((t - 0.15f) / 0.025f, 2.0f));
    c = c + Rgb{1, 1, 1} * (0.35f * glint);
    // The tube's walls: a thin dark line where the glass turns away.
    const float wall =
        std::max(paint::SmoothStep(0.05f, 0.0f, t), paint::SmoothStep(0.95f, 1.0f, t));
    return paint::Clamp(paint::Mix(c, base * 0.25f, 0.85f * wall));
}

// A fill bitmap: `horizontal` is 10 x 42 with the bar running left to right; otherwise
// 42 x 10 with the bar growing from the bottom up.
paint::Layer FillPicture(const FillColour& colour, bool horizontal, float scale) {
    const int w = horizontal ? kFillLength : kThickness;
    const int h = horizontal ? kThickness : kFillLength;
    paint::Layer layer(w, h, {}, scale);
    const int n = paint::SamplesPerAxis(4, scale);
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            Rgb sum{};
            for (int v = 0; v < n; ++v)
                for (int u = 0; u < n; ++u) {
                    const float px = (static_cast<float>(x) + (u + 0.5f) / n) / scale;
                    const float py = (static_cast<float>(y) + (v + 0.5f) / n) / scale;
                    // Across: from the lit wall (top, or left for a vertical bar).
                    const float t = horizontal ? py / kThickness : px / kThickness;
                    const float s = horizontal ? px / kFillLength : 1.0f - py / kFillLength;
                    sum = sum + TubeAt(colour, t, s);
                }
            layer.At(x, y) = sum * (1.0f / (n * n));
        }
    return layer;
}

FillColour Solid(std::uint32_t rrggbb) {
    const Rgb c = paint::Hex(rrggbb);
    return [c](float, float) { return c; };
}

// The end caps: chrome pieces lit as the tube is, rounded off at the outer end, with a ridge
// across them and a dark seam where the liquid starts. `outerAtStart` puts the rounded end
// at the left (or top) of the bitmap.
paint::Layer CapPicture(bool horizontal, bool outerAtStart, float scale) {
    const int w = horizontal ? kCapLength : kThickness;
    const int h = horizontal ? kThickness : kCapLength;
    const Rgb chrome = paint::Hex(0xC9D2DE);
    set2::SurfaceFn f = [=](Vec2 p) {
        // a: along the bar from the cap's outer end; t: across, 0..1 from the lit wall.
        const float along0 = horizontal ? p.x : p.y;
        const float a = outerAtStart ? along0 : kCapLength - along0;
        const float across = horizontal ? p.y : p.x;
        const float t = across / kThickness;
        const float v = std::clamp(2 * t - 1, -1.0f, 1.0f);
        // The cap is a rounded cylinder: its height follows the tube across, and the outer
        // end rolls down over its last few pixels.
        float height = 9.0f * std::sqrt(std::max(0.0f, 1 - v * v));
        const float roll = paint::Clamp01(a / 5.0f);
        height *= std::sqrt(1 - (1 - roll) * (1 - roll));
        // A raised ridge round the cap and the seam groove at the inner end.
        height += 1.1f * std::exp(-std::pow((a - 9.5f) / 1.1f, 2.0f));
        height -= 1.4f * paint::SmoothStep(14.5f, 16.2f, a);
        set2::Surface s;
        s.height = height;
        // Brushed chrome: faint streaks across the bar.
        const float streak = 0.93f + 0.07f * std::sin(across * 2.1f + std::sin(across * 0.7f) * 3);
        s.albedo = chrome * streak;
        s.gloss = 1.0f;
        return s;
    };
    paint::Layer layer = set2::RenderSurface(f, 0, 0, w, h, 4, scale);
    // A dark outline along the outer end and the tube's walls.
    layer.Filter([&](Vec2 p, Rgb c) {
        const float along0 = horizontal ? p.x : p.y;
        const float a = outerAtStart ? along0 : kCapLength - along0;
        const float across = horizontal ? p.y : p.x;
        const float edge = std::min({a, across, kThickness - across});
        return paint::Mix(paint::Hex(0x1C2430), c, paint::SmoothStep(0.0f, 1.2f, edge));
    });
    return layer;
}

// The toolbox images: a small glossy fill bar, and a small directional pad.
paint::Layer FillToolboxImage(float scale) {
    paint::Layer l(16, 15, paint::Hex(0xD4D0C8), scale);
    const auto fill = FillPicture(Solid(0x36C24A), true, scale);
    // The bar fills the logical pixels 1..14 across and 3..11 down, liquid in its first nine
    // columns; (x, y) is a device pixel's centre measured from the bar's corner.
    for (int j = 0; j < l.height(); ++j)
        for (int i = 0; i < l.width(); ++i) {
            const paint::Vec2 c = l.Centre(i, j);
            const float x = c.x - 1, y = c.y - 3;
            if (x < 0 || x >= 14 || y < 0 || y >= 9) continue;
            const Rgb liquid = fill.Sample(5.0f, y * kThickness / 9);
            const Rgb empty =
                paint::Mix(paint::Hex(0xF4F6F8), paint::Hex(0xC0C6CE), (y - 0.5f) / 8);
            l.At(i, j) = x < 9 ? liquid : empty;
        }
    paint::StrokeShape(
        l, [](Vec2 p) { return paint::SdBox(p, 0.5f, 2.5f, 15.5f, 12.5f); }, 1.0f,
        paint::Hex(0x30343A));
    return l;
}

paint::Layer PadToolboxImage(float scale) {
    paint::Layer l(16, 15, paint::Hex(0xD4D0C8), scale);
    auto cross = [](Vec2 p) {
        return std::min(paint::SdRoundBox(p, 1.5f, 5.5f, 14.5f, 10.5f, 1.5f),
                        paint::SdRoundBox(p, 5.0f, 1.0f, 11.0f, 14.0f, 1.5f));
    };
    paint::FillShape(
        l, cross,
        paint::LinearPaint(paint::Gradient::Even({paint::Hex(0x8A96A8), paint::Hex(0x3C4656)}),
                           {0, 1}, {0, 14}));
    paint::StrokeShape(l, cross, 1.0f, paint::Hex(0x1E232B));
    const Rgb arrow = paint::Hex(0xFFD24A);
    auto tri = [](Vec2 a, Vec2 b, Vec2 c) {
        return [=](Vec2 p) {
            auto edge = [&](Vec2 u, Vec2 v) {
                const Vec2 d = v - u;
                const float len = paint::Length(d);
                return ((p.x - u.x) * d.y - (p.y - u.y) * d.x) / len;
            };
            return std::max({edge(a, b), edge(b, c), edge(c, a)});
        };
    };
    paint::FillShape(l, tri({8, 1.8f}, {10.3f, 4.3f}, {5.7f, 4.3f}), arrow);
    paint::FillShape(l, tri({8, 13.2f}, {5.7f, 10.7f}, {10.3f, 10.7f}), arrow);
    paint::FillShape(l, tri({2.3f, 8}, {4.8f, 5.7f}, {4.8f, 10.3f}), arrow);
    paint::FillShape(l, tri({13.7f, 8}, {11.2f, 10.3f}, {11.2f, 5.7f}), arrow);
    return l;
}

} // namespace

void GenerateSet2Bitmaps(std::vector<GeneratedBitmap>& out, float scale) {
    AddBitmap(out, nuvset2::kLeftCap, 8, CapPicture(true, true, scale));
    AddBitmap(out, nuvset2::kRightCap, 8, CapPicture(true, false, scale));
    AddBitmap(out, nuvset2::kTopCap, 8, CapPicture(false, true, scale));
    AddBitmap(out, nuvset2::kBottomCap, 8, CapPicture(false, false, scale));

    // NKGreenFill, NKYellowFill, NKPurpleFill, NKRedFill, NKCyanFill, NKBlueFill,
    // NKRainbowFill (the spectrum along the bar), NKRainbow2Fill (the spectrum across it),
    // and the disabled grey.
    const std::vector<FillColour> fills = {
        Solid(0x2FC53F),
        Solid(0xF2C41C),
        Solid(0x9B3FD6),
        Solid(0xE0302A),
        Solid(0x1CC9D8),
        Solid(0x2E63E6),
        [](float, float s) { return paint::Hsv(0.83f * paint::Clamp01(s), 0.85f, 0.95f); },
        [](float t, float) {
            return paint::Hsv(0.83f * paint::Clamp01((t - 0.1f) / 0.8f), 0.7f, 0.97f);
        },
        Solid(0x9A9EA4),
    };
    for (int k = 0; k <= nuvset2::kFillCount; ++k) {
        const bool disabled = k == nuvset2::kFillCount;
        const FillColour& colour = fills[static_cast<std::size_t>(k)];
        AddBitmap(out,
                  disabled ? nuvset2::kHorizontalDisabledFill : nuvset2::kFirstHorizontalFill + k,
                  8, FillPicture(colour, true, scale));
        AddBitmap(out, disabled ? nuvset2::kVerticalDisabledFill : nuvset2::kFirstVerticalFill + k,
                  8, FillPicture(colour, false, scale));
    }

    set2::GeneratePadBitmaps(out, scale);

    AddBitmap(out, nuvset2::kFillToolboxImage, 24, FillToolboxImage(scale));
    AddBitmap(out, nuvset2::kPadToolboxImage, 24, PadToolboxImage(scale));
}

} // namespace nk::resgen
