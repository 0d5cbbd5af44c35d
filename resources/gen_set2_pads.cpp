// The directional pads of nuvset2: NuvlMilitaryDir, NuvlAquaishDir and NuvlElectronicDir.
//
// Each pad is one surface drawn in several states: at rest (the skin, with its lights dark),
// with one direction held, and with a light lit. A held arrow or a lit light is the piece of
// the changed surface at exactly the place where the pad paints it, blended back into the
// resting skin along its border, so it covers the skin without a seam. Where the two lights
// of a pad share one picture, the panel under them looks the same all the way down, so the
// one picture fits at both places.
#include "resources/gen_set2_parts.h"
#include "set2/resource_ids.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace nk::resgen::set2 {

namespace {

using paint::Rgb;
using paint::Vec2;

constexpr int kWidth = 150;
constexpr int kHeight = 120;

struct Rect {
    int x, y, w, h;
};

struct State {
    int direction = 0; // 1 left, 2 right, 3 up, 4 down; 0 none
    bool light1 = false;
    bool light2 = false;
};

using PadSurface = std::function<Surface(Vec2, const State&)>;

// Signed distance to a triangle (close enough for edges: the largest distance to its sides).
float SdTriangle(Vec2 p, Vec2 a, Vec2 b, Vec2 c) {
    auto side = [&](Vec2 u, Vec2 v) {
        const Vec2 d = v - u;
        return ((p.x - u.x) * d.y - (p.y - u.y) * d.x) / paint::Length(d);
    };
    const float s = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    return s > 0 ? std::max({side(a, b), side(b, c), side(c, a)})
                 : std::max({side(a, c), side(c, b), side(b, a)});
}

float SmoothMin(float a, float b, float k) {
    const float h = paint::Clamp01(0.5f + 0.5f * (b - a) / k);
    return paint::Lerp(b, a, h) - k * h * (1 - h);
}

float Dome(float inside, float rise) {
    return std::sqrt(paint::Clamp01(inside / rise));
}

struct Triangle {
    Vec2 a, b, c;
    float Sd(Vec2 p) const { return SdTriangle(p, a, b, c); }
};

// Arrows pointing left, right, up and down with the tip at `tip` and the base `length`
// behind it, `half` wide to each side.
Triangle Arrow(int direction, Vec2 tip, float length, float half) {
    switch (direction) {
    case 1:
        return {tip, {tip.x + length, tip.y - half}, {tip.x + length, tip.y + half}};
    case 2:
        return {tip, {tip.x - length, tip.y + half}, {tip.x - length, tip.y - half}};
    case 3:
        return {tip, {tip.x + half, tip.y + length}, {tip.x - half, tip.y + length}};
    default:
        return {tip, {tip.x - half, tip.y - length}, {tip.x + half, tip.y - length}};
    }
}

struct Pad {
    const char* name;
    PadSurface surface;
    std::function<float(Vec2)> outline; // the skin's shape; outside it the mask is white
    nuvset2::PadIds ids;
    std::array<Rect, 4> arrowRects; // left, right, up, down
    Rect light1Rect, light2Rect;
};

void GeneratePad(const Pad& pad, std::vector<GeneratedBitmap>& out, float scale) {
    auto render = [&](const State& st, const Rect& r) {
        return RenderSurface([&](Vec2 p) { return pad.surface(p, st); }, r.x, r.y, r.w, r.h, 3,
                             scale);
    };
    const paint::Layer skin = render({}, {0, 0, kWidth, kHeight});
    // The resting skin at a place: cut from the skin at 1x; painted on its own at a finer
    // scale, where the place need not start on a device pixel of the skin.
    auto rest = [&](const Rect& r) {
        return scale == 1.0f ? Crop(skin, r.x, r.y, r.w, r.h) : render({}, r);
    };
    AddBitmap(out, pad.ids.skin, 8, skin);
    const std::array<int, 4> arrowIds = {pad.ids.leftArrow, pad.ids.rightArrow, pad.ids.upArrow,
                                         pad.ids.downArrow};
    for (int k = 0; k < 4; ++k) {
        const Rect& r = pad.arrowRects[static_cast<std::size_t>(k)];
        const paint::Layer held = render({k + 1, false, false}, r);
        AddBitmap(out, arrowIds[static_cast<std::size_t>(k)], 8, Inset(rest(r), held, 2.0f));
    }
    auto light = [&](int darkId, int litId, const Rect& r, bool first) {
        const paint::Layer dark = rest(r);
        AddBitmap(out, darkId, 8, dark);
        const paint::Layer lit = render({0, first, !first}, r);
        AddBitmap(out, litId, 8, Inset(dark, lit, 2.0f));
    };
    light(pad.ids.firstDark, pad.ids.firstLit, pad.light1Rect, true);
    if (pad.ids.secondDark != pad.ids.firstDark)
        light(pad.ids.secondDark, pad.ids.secondLit, pad.light2Rect, false);

    Image mask = paint::MaskImage(kWidth, kHeight, pad.outline, scale);
    mask.bitsPerPixel = 1;
    out.push_back({"nuvset2", pad.ids.mask, 1, std::move(mask), scale});
}

// A lamp in a ring bezel: the lens's height and colour at distance r from its centre.
struct Lamp {
    Vec2 centre;
    float lens;  // lens radius
    float bezel; // outer radius of the bezel ring
    Rgb dark;
    Rgb lit;
};

// Adds the lamp to a surface point; true when the point belongs to the lamp.
void ApplyLamp(const Lamp& lamp, Vec2 p, bool on, Surface& s, Rgb bezelColour, float sx = 1,
               float sy = 1) {
    const Vec2 d{(p.x - lamp.centre.x) / sx, (p.y - lamp.centre.y) / sy};
    const float r = paint::Length(d);
    if (r > lamp.bezel + 6) return;
    const float ring = paint::SmoothStep(lamp.bezel + 0.6f, lamp.bezel - 0.6f, r);
    const float lensIn = paint::SmoothStep(lamp.lens + 0.5f, lamp.lens - 0.5f, r);
    // The bezel rises as a rounded ring; the lens is a dome set a little into it.
    const float u = paint::Clamp01((r - lamp.lens) / std::max(lamp.bezel - lamp.lens, 0.5f));
    const float ringHeight = 2.2f * std::sin(u * std::numbers::pi_v<float>);
    s.height += ring * (1 - lensIn) * ringHeight;
    s.albedo = paint::Mix(s.albedo, bezelColour, ring * (1 - lensIn));
    const float dome =
        lensIn * 1.8f * std::sqrt(paint::Clamp01(1 - (r / lamp.lens) * (r / lamp.lens)));
    s.height += dome;
    const float core = paint::Clamp01(1 - r / lamp.lens);
    if (on) {
        const Rgb hot = paint::Mix(lamp.lit, Rgb{1, 1, 1}, 0.55f * core * core);
        s.albedo = paint::Mix(s.albedo, lamp.lit * 0.6f, lensIn);
        s.emission = s.emission + hot * (0.75f * lensIn);
        // The light spills onto the bezel and a little beyond.
        const float halo = std::exp(-std::max(0.0f, r - lamp.lens) / 2.2f) * (1 - lensIn);
        s.emission = s.emission + lamp.lit * (0.35f * halo);
    } else {
        s.albedo = paint::Mix(s.albedo, paint::Mix(lamp.dark, lamp.dark * 1.8f, core), lensIn);
    }
    s.gloss = paint::Lerp(s.gloss, 1.0f, lensIn);
}

// ---- NuvlMilitaryDir: an olive-drab steel plate with a clipped corner, four rivets, a
// gunmetal cross with stencilled arrows that light amber when held, and two amber lamps in
// a recessed side panel.

Pad Military() {
    static const paint::Noise noise(0x0A11CE);
    static const std::array<Triangle, 4> arrows = {
        Arrow(1, {34.5f, 59.5f}, 8.5f, 8.0f), Arrow(2, {97.5f, 60.0f}, 8.0f, 7.5f),
        Arrow(3, {67.5f, 28.5f}, 8.0f, 8.5f), Arrow(4, {65.0f, 92.0f}, 8.0f, 8.0f)};
    static const Lamp lamp1{
        {135.5f, 53.5f}, 7.5f, 11.0f, paint::Hex(0x3B2606), paint::Hex(0xFFB02E)};
    static const Lamp lamp2{
        {135.5f, 82.5f}, 7.5f, 11.0f, paint::Hex(0x3B2606), paint::Hex(0xFFB02E)};
    auto plate = [](Vec2 p) {
        const float box = paint::SdBox(p, 0, 0, kWidth, kHeight);
        const float chamfer = (11.0f - p.x - p.y) / std::numbers::sqrt2_v<float>;
        return std::max(box, chamfer);
    };
    auto cross = [](Vec2 p) {
        return SmoothMin(paint::SdRoundBox(p, 21, 44, 111, 77, 5),
                         paint::SdRoundBox(p, 50, 16, 85, 105, 5), 3);
    };
    PadSurface f = [=](Vec2 p, const State& st) {
        Surface s;
        const float inPlate = -plate(p);
        s.height = 3.0f * Dome(inPlate, 4.0f);
        const float grain = noise.Fbm(p.x * 0.09f, p.y * 0.09f, 4);
        const float speck = noise.At(p.x * 0.9f + 40, p.y * 0.9f);
        s.albedo = paint::Hex(0x5B6332) * (0.82f + 0.32f * grain + 0.08f * speck);
        // Paint worn through to steel along the plate's edge.
        const float worn =
            paint::SmoothStep(3.0f, 1.0f, inPlate) * paint::SmoothStep(0.55f, 0.75f, grain);
        s.albedo = paint::Mix(s.albedo, paint::Hex(0x8A8C80), 0.6f * worn);
        s.gloss = 0.25f;
        // Rivets.
        for (const Vec2 c : {Vec2{16, 16}, Vec2{142, 8}, Vec2{8, 112}, Vec2{142, 112}}) {
            const float r = paint::Length(p - c);
            if (r < 3.6f) {
                s.height += 1.6f * std::sqrt(paint::Clamp01(1 - (r / 3.4f) * (r / 3.4f)));
                s.albedo =
                    paint::Mix(s.albedo, paint::Hex(0x7C8070), paint::SmoothStep(3.6f, 2.8f, r));
            }
        }
        // The recessed side panel for the lamps: plain, and the same all the way down.
        const float panel = paint::SdRoundBox(p, 118, 34, 156, 102, 3);
        if (panel < 1.5f) {
            const float in = paint::SmoothStep(1.5f, -2.0f, panel);
            s.height -= 1.8f * in;
            s.albedo = paint::Mix(s.albedo, paint::Hex(0x2E3320), in);
        }
        ApplyLamp(lamp1, p, st.light1, s, paint::Hex(0x6E705F));
        ApplyLamp(lamp2, p, st.light2, s, paint::Hex(0x6E705F));
        // The cross sits in a dark well and rises as a rounded block.
        const float c = cross(p);
        if (c < 6) {
            s.height -= 1.2f * paint::SmoothStep(6.0f, 1.0f, c);
            s.albedo = s.albedo * (1 - 0.35f * paint::SmoothStep(6.0f, 0.0f, c));
        }
        if (c < 1) {
            const float in = paint::SmoothStep(1.0f, -1.0f, c);
            s.height += in * 4.0f * Dome(-c, 3.5f);
            s.albedo = paint::Mix(s.albedo, paint::Hex(0x3D4236) * (0.9f + 0.2f * grain), in);
            s.gloss = paint::Lerp(s.gloss, 0.55f, in);
            // A shallow dish at the centre.
            const float rc = paint::Length(p - Vec2{67.5f, 60.5f});
            if (rc < 9) s.height -= 1.3f * (1 - (rc / 9) * (rc / 9));
            for (int k = 0; k < 4; ++k) {
                const float t = arrows[static_cast<std::size_t>(k)].Sd(p);
                const float paintIn = paint::SmoothStep(0.5f, -0.5f, t);
                const bool held = st.direction == k + 1;
                if (held) {
                    s.height -= 0.6f * paint::SmoothStep(6.0f, -2.0f, t); // pressed in
                    s.albedo = paint::Mix(s.albedo, paint::Hex(0xFFB347), paintIn);
                    s.emission = s.emission + paint::Hex(0xFF9A1E) * (0.55f * paintIn);
                    s.emission = s.emission +
                                 paint::Hex(0xFF8A00) *
                                     (0.22f * std::exp(-std::max(0.0f, t) / 1.6f) * (1 - paintIn));
                } else {
                    s.albedo = paint::Mix(s.albedo, paint::Hex(0xC2B27A), paintIn);
                    s.height += 0.25f * paintIn;
                }
            }
        }
        return s;
    };
    return {
        "military",
        f,
        plate,
        nuvset2::kMilitaryPad,
        {Rect{31, 44, 15, 31}, Rect{87, 46, 14, 28}, Rect{52, 26, 31, 14}, Rect{51, 81, 28, 14}},
        {123, 41, 25, 25},
        {123, 70, 25, 25}};
}

// ---- NuvlAquaishDir: a glossy aqua jelly plate with a rounded corner and rising bubbles,
// a cross of clear blue gel with white arrows that glow when held, and two gel lamps, green
// and orange.

Pad Aquaish() {
    static const std::array<Triangle, 4> arrows = {
        Arrow(1, {16.5f, 58.5f}, 8.5f, 7.0f), Arrow(2, {103.5f, 58.5f}, 8.5f, 7.0f),
        Arrow(3, {61.0f, 16.0f}, 8.5f, 7.0f), Arrow(4, {60.5f, 100.5f}, 8.5f, 7.0f)};
    static const Lamp lamp1{
        {125.0f, 25.0f}, 6.5f, 8.5f, paint::Hex(0x0C4A22), paint::Hex(0x7CFF6A)};
    static const Lamp lamp2{
        {125.0f, 54.0f}, 6.5f, 8.5f, paint::Hex(0x5A1E06), paint::Hex(0xFF9A3C)};
    auto plate = [](Vec2 p) {
        const float box = paint::SdBox(p, 0, 0, kWidth, kHeight);
        constexpr float r = 14;
        if (p.x < r && p.y < r) return std::max(box, paint::Length(p - Vec2{r, r}) - r);
        return box;
    };
    auto cross = [](Vec2 p) {
        float d = paint::SdDisc(p, {60.5f, 58.5f}, 17);
        d = SmoothMin(d, paint::SdRoundBox(p, 13, 43, 41, 74, 13), 5);
        d = SmoothMin(d, paint::SdRoundBox(p, 79, 43, 107, 74, 13), 5);
        d = SmoothMin(d, paint::SdRoundBox(p, 45, 13, 77, 41, 13), 5);
        d = SmoothMin(d, paint::SdRoundBox(p, 45, 76, 76, 104, 13), 5);
        return d;
    };
    PadSurface f = [=](Vec2 p, const State& st) {
        Surface s;
        const float inPlate = -plate(p);
        s.height = 6.0f * Dome(inPlate, 9.0f);
        const float t = p.y / kHeight;
        s.albedo = paint::Mix(paint::Hex(0x8BE8F4), paint::Hex(0x0B78A6),
                              paint::SmoothStep(0.0f, 1.0f, t));
        s.gloss = 0.9f;
        // The glossy reflection across the upper part of the plate.
        const float band = paint::SmoothStep(2.0f, 6.0f, p.y) *
                           paint::SmoothStep(44.0f, 26.0f, p.y) *
                           paint::SmoothStep(1.0f, 6.0f, inPlate);
        s.emission = Rgb{1, 1, 1} * (0.22f * band);
        // Bubbles drifting up the plate, clear of the cross and the lamps.
        for (const auto& [c, r] : {std::pair{Vec2{20, 100}, 3.5f}, std::pair{Vec2{12, 86}, 2.0f},
                                   std::pair{Vec2{96, 16}, 2.5f}, std::pair{Vec2{112, 96}, 4.5f},
                                   std::pair{Vec2{132, 84}, 2.5f}, std::pair{Vec2{120, 108}, 2.0f},
                                   std::pair{Vec2{28, 24}, 2.5f}, std::pair{Vec2{140, 74}, 1.8f}}) {
            const float d = paint::Length(p - c);
            if (d < r + 1) {
                const float rim = paint::SmoothStep(r + 0.8f, r - 0.2f, d) *
                                  paint::SmoothStep(r - 1.6f, r - 0.4f, d);
                const Vec2 hl = c + Vec2{-r * 0.35f, -r * 0.35f};
                const float glint = paint::SmoothStep(r * 0.45f, 0.0f, paint::Length(p - hl));
                s.emission = s.emission + Rgb{1, 1, 1} * (0.35f * rim + 0.6f * glint);
            }
        }
        ApplyLamp(lamp1, p, st.light1, s, paint::Hex(0xCFF4FA), 1.25f, 1.0f);
        ApplyLamp(lamp2, p, st.light2, s, paint::Hex(0xCFF4FA), 1.25f, 1.0f);
        const float c = cross(p);
        if (c < 4) s.albedo = s.albedo * (1 - 0.3f * paint::SmoothStep(4.0f, 0.0f, c));
        if (c < 1) {
            const float in = paint::SmoothStep(1.0f, -1.0f, c);
            s.height += in * 5.0f * Dome(-c, 7.0f);
            const Rgb gel = paint::Mix(paint::Hex(0x63D5FF), paint::Hex(0x1269C9),
                                       paint::SmoothStep(10.0f, 105.0f, p.y));
            s.albedo = paint::Mix(s.albedo, gel, in);
            // Light gathers in the gel near its lower edges.
            s.emission = s.emission +
                         paint::Hex(0x5FD8FF) * (0.18f * in * paint::SmoothStep(-1.0f, -5.0f, c) *
                                                 paint::SmoothStep(-10.0f, -4.0f, c));
            for (int k = 0; k < 4; ++k) {
                const float a = arrows[static_cast<std::size_t>(k)].Sd(p);
                const float paintIn = paint::SmoothStep(0.5f, -0.5f, a);
                if (st.direction == k + 1) {
                    s.albedo = paint::Mix(s.albedo, paint::Hex(0xFFF6B0), paintIn);
                    s.emission = s.emission + paint::Hex(0xFFF3A0) * (0.6f * paintIn);
                    s.emission =
                        s.emission +
                        paint::Hex(0x9EF0FF) *
                            (0.45f * in * std::exp(-std::max(0.0f, a) / 3.0f) * (1 - paintIn));
                } else {
                    s.albedo = paint::Mix(s.albedo, paint::Hex(0xEAFBFF), paintIn);
                }
            }
        }
        return s;
    };
    return {
        "aquaish",
        f,
        plate,
        nuvset2::kAquaishPad,
        {Rect{13, 43, 17, 31}, Rect{90, 43, 17, 31}, Rect{45, 13, 32, 16}, Rect{45, 87, 31, 17}},
        {113, 15, 24, 20},
        {113, 44, 24, 20}};
}

// ---- NuvlElectronicDir: a circuit board with gold traces and vias, a round black pad with
// a brushed-metal rim whose four arrow windows light neon cyan when held, and two red LEDs
// in a black module along the right edge.

Pad Electronic() {
    static const paint::Noise noise(0xE1EC7);
    static const std::array<Triangle, 4> arrows = {
        Arrow(1, {24.5f, 60.5f}, 11.0f, 9.0f), Arrow(2, {90.5f, 60.5f}, 11.0f, 9.0f),
        Arrow(3, {57.5f, 26.5f}, 11.0f, 9.0f), Arrow(4, {57.5f, 94.5f}, 11.0f, 9.0f)};
    static const Lamp lamp1{
        {131.5f, 32.0f}, 9.5f, 13.5f, paint::Hex(0x3A0606), paint::Hex(0xFF3B2A)};
    static const Lamp lamp2{
        {131.5f, 68.0f}, 9.5f, 13.5f, paint::Hex(0x3A0606), paint::Hex(0xFF3B2A)};
    const Vec2 centre{57.5f, 60.5f};
    auto plate = [](Vec2 p) {
        const float box = paint::SdBox(p, 0, 0, kWidth, kHeight);
        return std::max(box, -paint::SdBox(p, -1, -1, 7, 7));
    };
    // Traces: runs of straight and diagonal segments, each ending in a via.
    struct Trace {
        std::vector<Vec2> points;
    };
    static const std::vector<Trace> traces = {
        {{{8, 18}, {30, 18}, {38, 10}, {92, 10}}},
        {{{8, 28}, {14, 28}, {14, 40}}},
        {{{6, 106}, {26, 106}, {34, 114}, {80, 114}}},
        {{{100, 104}, {100, 90}, {104, 86}}},
        {{{86, 20}, {96, 20}, {102, 26}, {102, 36}}},
        {{{10, 78}, {10, 96}, {16, 102}}},
        {{{92, 114}, {104, 114}}},
        {{{98, 50}, {104, 50}}},
    };
    PadSurface f = [=](Vec2 p, const State& st) {
        Surface s;
        const float inPlate = -plate(p);
        s.height = 1.5f * Dome(inPlate, 2.0f);
        const float weave = noise.Fbm(p.x * 0.2f, p.y * 0.2f, 3);
        s.albedo = paint::Hex(0x0F3D26) * (0.85f + 0.3f * weave);
        s.gloss = 0.45f;
        for (const auto& trace : traces) {
            float d = 1e9f;
            for (std::size_t i = 0; i + 1 < trace.points.size(); ++i)
                d = std::min(d, paint::SdSegment(p, trace.points[i], trace.points[i + 1], 1.1f));
            const float via = paint::SdRing(p, trace.points.back(), 2.2f, 0.9f);
            const float viaHole = paint::SdDisc(p, trace.points.back(), 1.0f);
            const float copper = paint::SmoothStep(0.5f, -0.5f, std::min(d, via));
            s.height += 0.4f * copper;
            s.albedo = paint::Mix(s.albedo, paint::Hex(0xC99A3E), copper);
            s.gloss = paint::Lerp(s.gloss, 0.8f, copper);
            s.albedo =
                paint::Mix(s.albedo, paint::Hex(0x050806), paint::SmoothStep(0.5f, -0.5f, viaHole));
        }
        // The black module along the right edge, the same all the way down between its ends.
        const float module = paint::SdRoundBox(p, 108, 8, 160, 92, 4);
        if (module < 1) {
            const float in = paint::SmoothStep(1.0f, -1.0f, module);
            s.height += in * 2.5f * Dome(-module, 3.0f);
            s.albedo = paint::Mix(s.albedo, paint::Hex(0x16181C), in);
            s.gloss = paint::Lerp(s.gloss, 0.7f, in);
        }
        ApplyLamp(lamp1, p, st.light1, s, paint::Hex(0xB8BEC8));
        ApplyLamp(lamp2, p, st.light2, s, paint::Hex(0xB8BEC8));
        // The round pad: a brushed metal rim around a black face.
        const float r = paint::Length(p - centre);
        if (r < 41) {
            const float shadow = paint::SmoothStep(41.0f, 38.0f, r);
            s.albedo = s.albedo * (1 - 0.45f * shadow);
        }
        if (r < 38.5f) {
            const float in = paint::SmoothStep(38.5f, 37.5f, r);
            const float rimT = paint::Clamp01((38.0f - r) / 5.0f);
            s.height += in * (3.0f * std::sin(std::min(rimT, 1.0f) * 1.5707963f));
            const float angle = std::atan2(p.y - centre.y, p.x - centre.x);
            const float brushed = 0.85f + 0.15f * std::sin(angle * 60.0f + std::sin(angle * 7) * 2);
            const float face = paint::SmoothStep(33.5f, 32.5f, r);
            s.albedo = paint::Mix(s.albedo, paint::Hex(0xA7AFBA) * brushed, in * (1 - face));
            s.albedo = paint::Mix(s.albedo, paint::Hex(0x1A1D22), face);
            s.gloss = paint::Lerp(s.gloss, 0.9f, in);
            // Fine concentric grooves on the face and the centre dome.
            if (face > 0)
                s.height -= 0.12f * face * std::pow(std::sin(r * 1.3f), 8.0f) *
                            paint::SmoothStep(10.0f, 12.0f, r);
            if (r < 9) s.height += 2.0f * std::sqrt(1 - (r / 9) * (r / 9));
            if (r < 9.5f)
                s.albedo =
                    paint::Mix(s.albedo, paint::Hex(0x2A2E36), paint::SmoothStep(9.5f, 8.5f, r));
            for (int k = 0; k < 4; ++k) {
                const float a = arrows[static_cast<std::size_t>(k)].Sd(p);
                const float window = paint::SmoothStep(0.5f, -0.5f, a);
                const float frame = paint::SmoothStep(1.6f, 0.6f, a) * (1 - window);
                s.albedo = paint::Mix(s.albedo, paint::Hex(0x4A525E), frame);
                if (st.direction == k + 1) {
                    const float inner = paint::Clamp01(-a / 3.0f);
                    s.albedo = paint::Mix(s.albedo, paint::Hex(0x1FD7FF), window);
                    s.emission =
                        s.emission + paint::Mix(paint::Hex(0x22D8FF), Rgb{1, 1, 1}, 0.5f * inner) *
                                         (0.7f * window);
                    s.emission = s.emission +
                                 paint::Hex(0x1FCFFF) *
                                     (0.4f * std::exp(-std::max(0.0f, a) / 2.5f) * (1 - window));
                } else {
                    s.albedo = paint::Mix(s.albedo, paint::Hex(0x0D2A33), window);
                    s.gloss = paint::Lerp(s.gloss, 1.0f, window);
                }
            }
        }
        return s;
    };
    return {
        "electronic",
        f,
        plate,
        nuvset2::kElectronicPad,
        {Rect{20, 35, 35, 51}, Rect{60, 35, 35, 51}, Rect{32, 22, 51, 37}, Rect{32, 63, 51, 36}},
        {113, 14, 37, 36},
        {113, 50, 37, 36}};
}

} // namespace

void GeneratePadBitmaps(std::vector<GeneratedBitmap>& out, float scale) {
    GeneratePad(Military(), out, scale);
    GeneratePad(Aquaish(), out, scale);
    GeneratePad(Electronic(), out, scale);
}

} // namespace nk::resgen::set2
