// The NuvelSphere faces, 32 x 32: lit spheres with a specular highlight, filling their square
// (the round masks cut them), at rest and pressed; and the round masks.
#include "resources/gen_set1_parts.h"
#include "resources/paint.h"

#include <algorithm>
#include <cmath>

namespace nk::resgen::set1 {

using namespace paint;

namespace {

constexpr int kSize = 32;
constexpr float kR = kSize * 0.5f;
constexpr float kPi = 3.14159265f;
constexpr float kTau = 6.2831853f;

// A point on the visible half of the sphere: its normal, and longitude and latitude of the
// surface after a tilt, so that the textures wrap around the ball.
struct Surface {
    Vec3 n;
    float lon;  // turns, 0..1
    float lat;  // -0.5 (top) .. 0.5 (bottom), in half turns
    float edge; // 0 at the centre, 1 on the silhouette and beyond
};

Surface SurfaceAt(Vec2 p, float tilt) {
    const float u = (p.x - kR) / kR;
    const float v = (p.y - kR) / kR;
    Surface s;
    s.n = SphereNormal(u, v);
    s.edge = std::min(1.0f, std::sqrt(u * u + v * v));
    // Tilt the globe about the x axis so the bands curve.
    const float ct = std::cos(tilt), st = std::sin(tilt);
    const Vec3 q{s.n.x, s.n.y * ct - s.n.z * st, s.n.y * st + s.n.z * ct};
    s.lon = Fract(std::atan2(q.x, q.z) / kTau + 0.5f);
    s.lat = std::asin(std::clamp(q.y, -1.0f, 1.0f)) / kPi;
    return s;
}

using Texture = Rgb (*)(const Surface&, const Noise&);

Rgb Rings(const Surface& s, const Noise& n) {
    const float t = s.lat * 9.0f + 0.4f * n.At(s.lon * 12.0f, s.lat * 6.0f);
    const Gradient g{
        {0.0f, Hex(0xE9C27A)}, {0.3f, Hex(0xC98A3E)}, {0.6f, Hex(0xF3DDA6)}, {1.0f, Hex(0xB07538)}};
    return g.At(Fract(t));
}

Rgb GasGiant1(const Surface& s, const Noise& n) {
    const float turb = n.Fbm(s.lon * 10.0f, s.lat * 14.0f, 3);
    const float t = s.lat * 5.5f + 0.35f * turb;
    const Gradient g{{0.0f, Hex(0xF2DFC0)},
                     {0.25f, Hex(0xD08A4E)},
                     {0.5f, Hex(0xF6E8CF)},
                     {0.75f, Hex(0xA8552C)},
                     {1.0f, Hex(0xF2DFC0)}};
    Rgb c = g.At(Fract(t));
    // The great red storm.
    const float dl = (s.lon - 0.58f) * 3.2f, dt = (s.lat - 0.16f) * 8.0f;
    const float spot = std::exp(-(dl * dl + dt * dt) * 3.0f);
    return Mix(c, Hex(0xC2412A), spot * 0.85f);
}

Rgb GasGiant2(const Surface& s, const Noise& n) {
    const float turb = n.Fbm(s.lon * 8.0f, s.lat * 10.0f, 3);
    const float t = s.lat * 4.0f + 0.45f * turb;
    const Gradient g{{0.0f, Hex(0x5FD2E6)},
                     {0.3f, Hex(0x2C6FD1)},
                     {0.55f, Hex(0x8FE3F0)},
                     {0.8f, Hex(0x3A3FB8)},
                     {1.0f, Hex(0x5FD2E6)}};
    Rgb c = g.At(Fract(t));
    const float dl = (s.lon - 0.45f) * 4.0f, dt = (s.lat + 0.12f) * 9.0f;
    return Mix(c, Hex(0xEAF8FF), std::exp(-(dl * dl + dt * dt) * 2.5f) * 0.8f);
}

Rgb Rainbow(const Surface& s, const Noise&) {
    return Hsv(0.5f + s.lat * 1.6f, 0.85f, 1.0f);
}

Rgb RainFlux(const Surface& s, const Noise& n) {
    // Slanting streaks of rain over a stormy blue.
    const float x = s.lon * 26.0f + s.lat * 9.0f;
    const float streak = std::pow(n.At(x, s.lat * 3.0f), 6.0f) * 2.2f;
    const Rgb base = Mix(Hex(0x1B2C6B), Hex(0x2D7FC9), 0.5f + s.lat);
    return base + Hex(0x9FF0FF) * std::min(streak, 1.0f);
}

Rgb Pixelix(const Surface& s, const Noise&) {
    // A mosaic of square tiles in a few bright colours.
    const int cx = static_cast<int>(s.lon * 16.0f);
    const int cy = static_cast<int>((s.lat + 0.5f) * 8.0f);
    Rng rng(static_cast<std::uint64_t>(cx * 131 + cy * 7 + 5));
    static const Rgb tiles[] = {Hex(0xFF4F6E), Hex(0xFFC83D), Hex(0x45D483),
                                Hex(0x3FA2FF), Hex(0xA66BFF), Hex(0x29D6D6)};
    const Rgb c = tiles[rng.Int(0, 5)];
    const float gx = Fract(s.lon * 16.0f), gy = Fract((s.lat + 0.5f) * 8.0f);
    const float grout = (gx < 0.08f || gy < 0.08f) ? 0.55f : 1.0f;
    return c * grout;
}

Rgb Vortex(const Surface& s, const Noise&) {
    // A whirl around the front of the ball.
    const float a = std::atan2(s.n.y, s.n.x) / kTau;
    const float r = std::sqrt(s.n.x * s.n.x + s.n.y * s.n.y);
    const float t = Fract(a * 2.0f + r * 2.2f);
    const Gradient g{{0.0f, Hex(0x2A0B5E)},
                     {0.35f, Hex(0x9B2FD6)},
                     {0.55f, Hex(0xFF7BE5)},
                     {0.75f, Hex(0x6A1FB0)},
                     {1.0f, Hex(0x2A0B5E)}};
    return g.At(t);
}

Rgb Cables(const Surface& s, const Noise&) {
    // Four coloured wires twisted into a rope.
    const float t = s.lon * 8.0f + s.lat * 4.0f;
    const int wire = static_cast<int>(std::floor(t)) & 3;
    static const Rgb wires[] = {Hex(0xE8322E), Hex(0x2FB24A), Hex(0x2F6BE8), Hex(0xF2C12E)};
    const float f = Fract(t);
    const float round = std::sin(f * kPi); // each wire is a round strand
    return wires[wire] * (0.35f + 0.65f * round);
}

Rgb Clouds(const Surface& s, const Noise& n) {
    const float c = n.Fbm(s.lon * 9.0f, s.lat * 7.0f, 4);
    const Rgb sky = Mix(Hex(0x3C8EEA), Hex(0x8DC9FF), 0.5f - s.lat);
    return Mix(sky, Grey(1.0f), SmoothStep(0.45f, 0.72f, c));
}

Rgb Blue(const Surface& s, const Noise&) {
    return Mix(Hex(0x4FA6FF), Hex(0x0F3FB8), s.edge);
}

Rgb DisabledGrey(const Surface& s, const Noise&) {
    return Grey(0.78f - 0.12f * s.edge);
}

struct Look {
    Texture texture;
    float tilt;
};

Look LookOf(int type) {
    switch (type) {
    case 0:
        return {Rings, 0.35f};
    case 1:
        return {GasGiant1, 0.2f};
    case 2:
        return {GasGiant2, -0.25f};
    case 3:
        return {Rainbow, 0.3f};
    case 4:
        return {RainFlux, 0.0f};
    case 5:
        return {Pixelix, 0.25f};
    case 6:
        return {Vortex, 0.0f};
    case 7:
        return {Cables, 0.2f};
    case 8:
        return {Clouds, 0.2f};
    case 9:
        return {Blue, 0.0f};
    default:
        return {DisabledGrey, 0.0f};
    }
}

// The ring of the ringed planet: a tilted ellipse band in front of the lower half.
void PlanetRing(Layer& l, bool pressed) {
    const Vec2 c{kR, kR + 1.0f};
    const float rx = 17.5f, ry = 5.0f;
    const float angle = -0.32f;
    const float ca = std::cos(angle), sa = std::sin(angle);
    auto local = [=](Vec2 p) {
        const Vec2 d = p - c;
        return Vec2{d.x * ca - d.y * sa, d.x * sa + d.y * ca};
    };
    const Gradient band{{0.0f, Hex(0xFFF1C8)},
                        {0.4f, Hex(0xD7B06A)},
                        {0.55f, Hex(0x8A6A3A)},
                        {0.7f, Hex(0xF6DFA2)},
                        {1.0f, Hex(0xC79A55)}};
    FillShape(
        l,
        [=](Vec2 p) {
            const Vec2 q = local(p);
            const float outer = SdEllipse(q, {0, 0}, rx, ry);
            const float inner = SdEllipse(q, {0, 0}, rx * 0.72f, ry * 0.62f);
            float d = std::max(outer, -inner);
            // Behind the ball the ring is hidden: only the front (lower) half shows over it.
            const float behind = q.y < 0.0f ? -SdDisc(p, {kR, kR}, kR - 0.5f) : 1e9f;
            return std::max(d, -behind);
        },
        [=](Vec2 p) {
            const Vec2 q = local(p);
            const float t = std::sqrt((q.x * q.x) / (rx * rx) + (q.y * q.y) / (ry * ry));
            return band.At((t - 0.68f) / 0.32f) * (pressed ? 0.8f : 1.0f);
        });
}

Layer SphereLayer(int type, bool pressed, float scale) {
    const Look look = LookOf(type);
    const Noise n(static_cast<std::uint32_t>(300 + type));
    Light light;
    if (pressed) {
        // Pushed in: dimmer, the light lower and softer, as if the ball sank into its socket.
        light.direction = {-0.25f, -0.2f, 0.95f};
        light.ambient = 0.22f;
        light.diffuse = 0.62f;
        light.specular = 0.45f;
        light.shininess = 24.0f;
    }
    Layer l(kSize, kSize, {}, scale);
    l.Shade([&](Vec2 p) {
        const Surface s = SurfaceAt(p, look.tilt);
        Rgb c = Lit(look.texture(s, n), s.n, light);
        // Darken towards the rim so the ball reads as round, and fill past the silhouette with
        // the rim colour so stretched faces stay clean at the mask's edge.
        return c * (1.0f - 0.35f * std::pow(s.edge, 4.0f));
    });
    if (type == 0) PlanetRing(l, pressed);
    // The window reflection: a soft white cap at the top, and a small bright spot.
    const Sdf ball = [](Vec2 p) { return SdDisc(p, {kR, kR}, kR); };
    if (!pressed) {
        GlossBand(l, 6.0f, 1.5f, 26.0f, 15.0f, 7.0f, 0.75f, 0.05f, 2.0f, ball);
        SpecularSpot(l, {11.0f, 9.0f}, 4.5f, 3.2f, 0.9f);
    } else {
        GlossBand(l, 8.0f, 3.5f, 24.0f, 13.0f, 5.0f, 0.35f, 0.0f, 2.0f, ball);
        // A shadow along the top inside edge: the ball sits below the rim.
        FillSoft(
            l,
            [](Vec2 p) {
                return std::max(SdDisc(p, {kR, kR}, kR), -SdDisc(p, {kR, kR + 3.0f}, kR));
            },
            3.0f, Grey(0.0f), 0.35f, Blend::Normal);
    }
    // A little light bounced in from below, inside the ball.
    FillSoft(
        l,
        [](Vec2 p) {
            return std::max(SdEllipse(p, {kR, 27.0f}, 8.0f, 3.0f), SdDisc(p, {kR, kR}, kR - 1.0f));
        },
        4.0f, Grey(1.0f), pressed ? 0.06f : 0.12f);
    return l;
}

} // namespace

Image Sphere(int type, bool pressed, float scale) {
    return SphereLayer(type, pressed, scale).ToImage();
}

Image DiscMask(int size, float scale) {
    const float r = static_cast<float>(size) * 0.5f;
    return MaskImage(
        size, size,
        [=](Vec2 p) {
            return SdDisc(p, {r, r}, r);
        },
        scale);
}

Image PillMask(int width, int height, float scale) {
    const float h = static_cast<float>(height);
    return MaskImage(
        width, height,
        [=](Vec2 p) { return SdRoundBox(p, 0.0f, 0.0f, static_cast<float>(width), h, h * 0.5f); },
        scale);
}

} // namespace nk::resgen::set1
