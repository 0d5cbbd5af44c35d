// The screen frames of nuvset1: for each colour scheme (green, cyan, blue) four corners and
// four one-pixel edges that the screen control paints around its background colour.
//
// Each scheme is drawn as one continuous picture of a whole screen (a bezel of glossy,
// lit material around a rounded opening, with the scheme's background colour in the opening)
// and the pieces are cut out of it at the places where the control puts them. The bezel's
// shape along each side depends only on the distance to the control's edges and to the
// opening, so a one-pixel cut through a side repeats exactly, and a stretched edge meets its
// corners without a seam. The decorations (lamps, grilles, engraved lines) live inside the
// corners, clear of every place where a corner meets an edge or the background.
#include "resources/generator.h"
#include "resources/paint.h"
#include "set1/resource_ids.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace nk::resgen {

namespace {

using paint::Rgb;
using paint::Vec2;
using paint::Vec3;

// Where a corner sits and how the control paints it: its bitmap size, and the size it is
// drawn at (the cyan top-right corner is 51 rows drawn 52 high).
struct CornerPiece {
    int id;
    int width;
    int height;
    int drawnHeight;
};

struct Decoration {
    enum class Kind { Lamp, Slot, Grille, Ring };
    Kind kind;
    // The anchor corner: 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right; the offsets
    // below are measured from it, pointing into the control.
    int corner;
    Vec2 at;      // centre (lamp, grille, ring) or first end (slot)
    Vec2 to;      // second end (slot)
    float radius; // lamp and ring radius, slot half width, grille radius
    Rgb glow;     // lamp colour
};

struct Scheme {
    const char* name;
    Rgb background;
    Rgb outline; // the darkest line at the control's edge
    Rgb rim;     // the rounded outer lip
    Rgb face;    // the broad face of the bezel
    Rgb bevel;   // the step down into the opening
    // Thickness of the bezel material on each side (the opening starts there).
    float left, top, right, bottom;
    // Radius of each corner of the opening.
    float radiusTopLeft, radiusTopRight, radiusBottomLeft, radiusBottomRight;
    // How far inside the opening the bezel's shadow reaches.
    float shadowWidth;
    // The engraved line that follows the opening, this far out from it.
    float grooveDistance;
    // Resources: top-left, bottom-left, top-right, bottom-right corners, then the top,
    // bottom, left and right edges with their thickness.
    CornerPiece topLeft, bottomLeft, topRight, bottomRight;
    int topEdgeId, topEdgeHeight;
    int bottomEdgeId, bottomEdgeHeight;
    int leftEdgeId, leftEdgeWidth;
    int rightEdgeId, rightEdgeWidth;
    std::vector<Decoration> decorations;
};

// The picture of a whole screen is evaluated at this size: large enough that the corners
// lie far apart, so every piece cut from it is what any size would give.
constexpr float kReferenceWidth = 900;
constexpr float kReferenceHeight = 700;
constexpr int kSamplesPerAxis = 4; // 16 samples per pixel for smooth edges
constexpr float kHeightScale = 4.5f;

const Vec3 kLight = paint::Normalize({-0.52f, -0.62f, 0.58f});

float Smooth(float e0, float e1, float x) {
    return paint::SmoothStep(e0, e1, x);
}

// Signed distance to a box with a different radius at each corner; negative inside.
float SdOpening(Vec2 p, float x0, float y0, float x1, float y1, float rTL, float rTR, float rBL,
                float rBR) {
    const Vec2 c{(x0 + x1) / 2, (y0 + y1) / 2};
    const Vec2 half{(x1 - x0) / 2, (y1 - y0) / 2};
    const bool right = p.x > c.x, below = p.y > c.y;
    const float r = below ? (right ? rBR : rBL) : (right ? rTR : rTL);
    const Vec2 q{std::abs(p.x - c.x) - half.x + r, std::abs(p.y - c.y) - half.y + r};
    const Vec2 outside{std::max(q.x, 0.0f), std::max(q.y, 0.0f)};
    return paint::Length(outside) + std::min(std::max(q.x, q.y), 0.0f) - r;
}

class ScreenPicture {
public:
    ScreenPicture(const Scheme& s, float w, float h) : s_(s), w_(w), h_(h) {}

    // The colour at a point of the control, in pixels from its top-left corner.
    Rgb At(Vec2 p) const {
        const float dIn = OpeningDistance(p);
        if (dIn < 0) return Glass(p, dIn);
        return Material(p, dIn);
    }

private:
    float OpeningDistance(Vec2 p) const {
        return SdOpening(p, s_.left, s_.top, w_ - s_.right, h_ - s_.bottom, s_.radiusTopLeft,
                         s_.radiusTopRight, s_.radiusBottomLeft, s_.radiusBottomRight);
    }
    float OuterDistance(Vec2 p) const {
        return std::min(std::min(p.x, p.y), std::min(w_ - p.x, h_ - p.y));
    }

    // A decoration's point in control coordinates.
    Vec2 Place(const Decoration& d, Vec2 v) const {
        const bool fromRight = d.corner == 1 || d.corner == 3;
        const bool fromBottom = d.corner == 2 || d.corner == 3;
        return {fromRight ? w_ - v.x : v.x, fromBottom ? h_ - v.y : v.y};
    }

    // The bezel's height: a rounded lip rising from the control's edge, a flat face, an
    // engraved line following the opening, a rounded step down into the opening, and the
    // recesses and domes of the decorations.
    float Height(Vec2 p) const {
        const float dOut = OuterDistance(p);
        const float dIn = OpeningDistance(p);
        const float lip = std::sin(std::min(std::max(dOut, 0.0f) / 6.0f, 1.0f) * 1.5707963f);
        const float step = Smooth(-0.5f, 5.5f, dIn);
        float h = kHeightScale * (0.55f + 0.45f * lip) * step;
        const float g = (dIn - s_.grooveDistance) / 0.85f;
        h -= 0.9f * std::exp(-g * g) * step;
        for (const auto& d : s_.decorations)
            h += DecorationHeight(d, p);
        return h;
    }

    float DecorationHeight(const Decoration& d, Vec2 p) const {
        using K = Decoration::Kind;
        switch (d.kind) {
        case K::Lamp: {
            // A bezel ring around a domed lens.
            const float r = paint::Length(p - Place(d, d.at));
            const float ring = -1.6f * Smooth(d.radius + 3.0f, d.radius + 1.0f, r);
            const float dome =
                r < d.radius ? 1.3f * std::sqrt(1 - (r / d.radius) * (r / d.radius)) : 0.0f;
            return ring + dome;
        }
        case K::Slot: {
            const float sd = paint::SdSegment(p, Place(d, d.at), Place(d, d.to), d.radius);
            return -1.8f * Smooth(0.8f, -0.8f, sd);
        }
        case K::Grille: {
            // Holes on concentric rings inside a shallow round recess.
            const Vec2 c = Place(d, d.at);
            const float r = paint::Length(p - c);
            if (r > d.radius + 2.0f) return 0;
            float h = -0.8f * Smooth(d.radius + 1.5f, d.radius - 0.5f, r);
            float hole = 1e9f;
            hole = std::min(hole, r - 1.3f);
            for (int ring = 1; ring * 4.2f <= d.radius - 2.0f; ++ring) {
                const float rr = ring * 4.2f;
                const int count = ring * 6;
                for (int k = 0; k < count; ++k) {
                    const float a = (k + 0.5f * (ring % 2)) * 2 * std::numbers::pi_v<float> /
                                    static_cast<float>(count);
                    hole = std::min(
                        hole,
                        paint::Length(p - (c + Vec2{rr * std::cos(a), rr * std::sin(a)})) - 1.3f);
                }
            }
            h -= 1.6f * Smooth(0.7f, -0.7f, hole);
            return h;
        }
        case K::Ring: {
            const float sd = paint::SdRing(p, Place(d, d.at), d.radius, 0.6f);
            return -0.7f * Smooth(0.8f, -0.8f, sd);
        }
        }
        return 0;
    }

    Vec3 Normal(Vec2 p) const {
        constexpr float e = 0.3f;
        const float dx = Height({p.x + e, p.y}) - Height({p.x - e, p.y});
        const float dy = Height({p.x, p.y + e}) - Height({p.x, p.y - e});
        return paint::Normalize({-dx / (2 * e), -dy / (2 * e), 1.0f});
    }

    // Glossy material: diffuse light, a sharp specular highlight, and a soft reflection of a
    // bright sky above and a dark floor below, which makes surfaces tilted up gleam.
    static Rgb Shade(Rgb albedo, Vec3 n, float gloss) {
        const float diffuse = std::max(0.0f, paint::Dot(n, kLight));
        Rgb c = albedo * (0.42f + 0.72f * diffuse);
        const Vec3 half = paint::Normalize(kLight + Vec3{0, 0, 1});
        const float specular = std::pow(std::max(0.0f, paint::Dot(n, half)), 60.0f);
        const float sky = paint::Clamp01(0.5f - 0.9f * n.y);
        const float tilt = 1.0f - n.z;
        c = c + Rgb{1, 1, 1} * (gloss * (0.85f * specular + 0.55f * tilt * sky * sky));
        c = c * (1.0f - 0.45f * tilt * paint::Clamp01(0.4f + 0.8f * n.y));
        return c;
    }

    Rgb Material(Vec2 p, float dIn) const {
        const float dOut = OuterDistance(p);
        const Vec3 n = Normal(p);
        // The colour of each band across the bezel, blended over a pixel's width.
        Rgb albedo = s_.face;
        albedo = paint::Mix(s_.rim, albedo, Smooth(5.0f, 7.5f, dOut));
        albedo = paint::Mix(s_.bevel, albedo, Smooth(3.0f, 5.5f, dIn));
        // Fine turned lines on the face that follow the opening's outline.
        const float lines = texture_.At(dIn * 2.2f, 0.5f) - 0.5f;
        albedo = albedo * (1.0f + 0.09f * lines * Smooth(5.0f, 8.0f, dOut));
        Rgb c = Shade(albedo, n, 0.9f);
        // A thin dark line at the control's edge and at the lip of the opening.
        c = paint::Mix(s_.outline, c, Smooth(0.0f, 1.1f, dOut));
        c = paint::Mix(s_.outline, c, 0.35f + 0.65f * Smooth(0.0f, 1.0f, dIn));
        for (const auto& d : s_.decorations)
            c = DecorationColour(d, p, n, c);
        return c;
    }

    Rgb DecorationColour(const Decoration& d, Vec2 p, Vec3 n, Rgb c) const {
        using K = Decoration::Kind;
        if (d.kind == K::Lamp) {
            const Vec2 centre = Place(d, d.at);
            const float r = paint::Length(p - centre);
            if (r < d.radius + 0.5f) {
                // A lens lit from inside: brightest at its centre, with a glassy highlight
                // where its dome faces the light.
                const float inside = Smooth(d.radius + 0.5f, d.radius - 0.5f, r);
                const float core = 1.0f - r / (d.radius + 0.5f);
                Rgb lens =
                    paint::Mix(d.glow * 0.85f, paint::Mix(d.glow, Rgb{1, 1, 1}, 0.6f), core * core);
                const Vec3 half = paint::Normalize(kLight + Vec3{0, 0, 1});
                const float specular = std::pow(std::max(0.0f, paint::Dot(n, half)), 30.0f);
                lens = lens + Rgb{1, 1, 1} * (0.9f * specular);
                lens = lens * (0.8f + 0.2f * std::max(0.0f, paint::Dot(n, kLight)));
                c = paint::Mix(c, lens, inside);
            }
            // The light spills onto the bezel around the lamp.
            const float spill = std::exp(-std::max(0.0f, r - d.radius) / 4.0f);
            c = c + d.glow * (0.30f * spill * Smooth(d.radius - 0.5f, d.radius + 1.0f, r));
        }
        if (d.kind == K::Grille) {
            const float r = paint::Length(p - Place(d, d.at));
            c = c * (1.0f - 0.25f * Smooth(d.radius + 1.0f, d.radius - 1.0f, r));
        }
        return c;
    }

    // The opening shows the scheme's colour; near the bezel it lies in the bezel's shadow,
    // deeper below the top and left sides, which face away from the light.
    Rgb Glass(Vec2 p, float dIn) const {
        const float depth = -dIn;
        if (depth >= s_.shadowWidth) return s_.background;
        constexpr float e = 0.3f;
        const Vec2 grad{OpeningDistance({p.x + e, p.y}) - OpeningDistance({p.x - e, p.y}),
                        OpeningDistance({p.x, p.y + e}) - OpeningDistance({p.x, p.y - e})};
        const float len = std::max(paint::Length(grad), 1e-6f);
        // grad points out of the opening, towards the bezel casting the shadow.
        const float facing = paint::Clamp01(0.5f - 0.5f * (grad.x * 0.6f + grad.y * 0.8f) / len);
        const float reach = s_.shadowWidth * (0.55f + 0.45f * facing);
        const float t = 1.0f - Smooth(0.0f, reach, depth);
        const float shade = (0.30f + 0.35f * facing) * t * t;
        return s_.background * (1.0f - shade);
    }

    const Scheme& s_;
    float w_;
    float h_;
    paint::Noise texture_{0x5C4EE1u};
};

// Renders a piece of w x h logical pixels at `scale` whose device pixel (i, j) shows the
// control at (x0 + i / scale, y0 + j / scale), averaging a grid of samples over each pixel.
paint::Layer Render(const ScreenPicture& picture, int w, int h, float x0, float y0, float scale) {
    paint::Layer layer(w, h, {}, scale);
    const float step = 1 / scale; // logical pixels per device pixel
    const int n = paint::SamplesPerAxis(kSamplesPerAxis, scale);
    for (int j = 0; j < layer.height(); ++j)
        for (int i = 0; i < layer.width(); ++i) {
            Rgb sum{};
            for (int v = 0; v < n; ++v)
                for (int u = 0; u < n; ++u) {
                    const float fu = (u + 0.5f) / n;
                    const float fv = (v + 0.5f) / n;
                    sum = sum + picture.At({x0 + (i + fu) * step, y0 + (j + fv) * step});
                }
            layer.At(i, j) = paint::Clamp(sum * (1.0f / (n * n)));
        }
    return layer;
}

// The rows of a bitmap that the control draws `ideal.height()` rows high although it has only
// `logicalRows` logical rows: the bitmap whose bilinear stretch (pixel centres aligned, as the
// kit's surface stretches) comes closest to the ideal picture, found by least squares for
// each column.
paint::Layer Precompensate(const paint::Layer& ideal, int logicalRows) {
    paint::Layer out(ideal.logicalWidth(), logicalRows, {}, ideal.scale());
    const int rows = out.height();
    const int drawn = ideal.height();
    // Each drawn row k blends source rows i0 and i1 with weight w of i1.
    struct Tap {
        int i0, i1;
        float w;
    };
    std::vector<Tap> taps(static_cast<std::size_t>(drawn));
    const double scale = static_cast<double>(rows) / drawn;
    for (int k = 0; k < drawn; ++k) {
        const double pos = (k + 0.5) * scale - 0.5;
        const double base = std::floor(pos);
        int i0 = static_cast<int>(base), i1 = i0 + 1;
        float w = static_cast<float>(std::min(255.0, std::floor((pos - base) * 256.0)) / 256.0);
        if (i0 < 0) {
            i0 = i1 = 0;
            w = 0;
        } else if (i1 >= rows) {
            i0 = i1 = rows - 1;
            w = 0;
        }
        taps[static_cast<std::size_t>(k)] = {i0, i1, w};
    }
    // The normal equations are tridiagonal: diagonal d, off-diagonal e (between j and j + 1).
    std::vector<double> d(static_cast<std::size_t>(rows)), e(static_cast<std::size_t>(rows));
    for (const Tap& t : taps) {
        d[static_cast<std::size_t>(t.i0)] += (1 - t.w) * (1 - t.w);
        if (t.i1 != t.i0) {
            d[static_cast<std::size_t>(t.i1)] += t.w * t.w;
            e[static_cast<std::size_t>(t.i0)] += (1 - t.w) * t.w;
        } else {
            d[static_cast<std::size_t>(t.i0)] += 2 * (1 - t.w) * t.w + t.w * t.w;
        }
    }
    for (int x = 0; x < ideal.width(); ++x)
        for (int channel = 0; channel < 3; ++channel) {
            auto get = [&](const Rgb& c) { return channel == 0 ? c.r : channel == 1 ? c.g : c.b; };
            std::vector<double> b(static_cast<std::size_t>(rows));
            for (int k = 0; k < drawn; ++k) {
                const Tap& t = taps[static_cast<std::size_t>(k)];
                const double v = get(ideal.At(x, k));
                b[static_cast<std::size_t>(t.i0)] += (1 - t.w) * v;
                if (t.i1 != t.i0)
                    b[static_cast<std::size_t>(t.i1)] += t.w * v;
                else
                    b[static_cast<std::size_t>(t.i0)] += t.w * v;
            }
            // Thomas algorithm.
            std::vector<double> c(static_cast<std::size_t>(rows)),
                y(static_cast<std::size_t>(rows));
            for (std::size_t j = 0; j < static_cast<std::size_t>(rows); ++j) {
                const double lower = j > 0 ? e[j - 1] : 0;
                const double denom = d[j] - (j > 0 ? lower * c[j - 1] : 0);
                c[j] = e[j] / denom;
                y[j] = (b[j] - (j > 0 ? lower * y[j - 1] : 0)) / denom;
            }
            for (std::size_t j = static_cast<std::size_t>(rows); j-- > 0;) {
                if (j + 1 < static_cast<std::size_t>(rows)) y[j] -= c[j] * y[j + 1];
                Rgb& px = out.At(x, static_cast<int>(j));
                const float v = paint::Clamp01(static_cast<float>(y[j]));
                (channel == 0 ? px.r : channel == 1 ? px.g : px.b) = v;
            }
        }
    return out;
}

void Emit(std::vector<GeneratedBitmap>& out, int id, const paint::Layer& layer) {
    out.push_back({"nuvset1", id, 24, layer.ToImage(), layer.scale()});
}

void GenerateScheme(const Scheme& s, std::vector<GeneratedBitmap>& out, float scale) {
    const float W = kReferenceWidth, H = kReferenceHeight;
    const ScreenPicture picture(s, W, H);
    auto corner = [&](const CornerPiece& c, bool right, bool bottom) {
        const float x0 = right ? W - static_cast<float>(c.width) : 0;
        const float y0 = bottom ? H - static_cast<float>(c.drawnHeight) : 0;
        const paint::Layer ideal = Render(picture, c.width, c.drawnHeight, x0, y0, scale);
        // A corner drawn taller than its bitmap gets the rows whose stretch looks most like
        // the ideal picture.
        Emit(out, c.id, c.drawnHeight == c.height ? ideal : Precompensate(ideal, c.height));
    };
    corner(s.topLeft, false, false);
    corner(s.bottomLeft, false, true);
    corner(s.topRight, true, false);
    corner(s.bottomRight, true, true);
    // Edges: one-pixel cuts through the middle of each side. The left edge is drawn one
    // pixel left of the control, so its first column lies outside it.
    Emit(out, s.topEdgeId, Render(picture, 1, s.topEdgeHeight, W / 2, 0, scale));
    Emit(out, s.bottomEdgeId,
         Render(picture, 1, s.bottomEdgeHeight, W / 2, H - static_cast<float>(s.bottomEdgeHeight),
                scale));
    Emit(out, s.leftEdgeId, Render(picture, s.leftEdgeWidth, 1, -1, H / 2, scale));
    Emit(out, s.rightEdgeId,
         Render(picture, s.rightEdgeWidth, 1, W - static_cast<float>(s.rightEdgeWidth), H / 2,
                scale));
}

std::vector<Scheme> Schemes() {
    using K = Decoration::Kind;
    std::vector<Scheme> schemes;

    // Green: a bottle-green bezel with a pale mint lip; the wide sweep at the top left
    // holds a glowing power lamp and a fan of seven vent slots.
    Scheme green{
        .name = "green",
        .background = {0, 137 / 255.0f, 0},
        .outline = paint::Hex(0x051A08),
        .rim = paint::Hex(0xB9D8B4),
        .face = paint::Hex(0x1F6A2A),
        .bevel = paint::Hex(0x123E18),
        .left = 29,
        .top = 28,
        .right = 31,
        .bottom = 27,
        .radiusTopLeft = 125,
        .radiusTopRight = 10,
        .radiusBottomLeft = 10,
        .radiusBottomRight = 5,
        .shadowWidth = 5.0f,
        .grooveDistance = 8.5f,
        .topLeft = {nuvset1::kGreenScreen.topLeft, 189, 197, 197},
        .bottomLeft = {nuvset1::kGreenScreen.bottomLeft, 54, 49, 49},
        .topRight = {nuvset1::kGreenScreen.topRight, 66, 50, 50},
        .bottomRight = {nuvset1::kGreenScreen.bottomRight, 37, 38, 38},
        .topEdgeId = nuvset1::kGreenScreen.topEdge,
        .topEdgeHeight = 35,
        .bottomEdgeId = nuvset1::kGreenScreen.bottomEdge,
        .bottomEdgeHeight = 34,
        .leftEdgeId = nuvset1::kGreenScreen.leftEdge,
        .leftEdgeWidth = 37,
        .rightEdgeId = nuvset1::kGreenScreen.rightEdge,
        .rightEdgeWidth = 38,
        .decorations = {},
    };
    green.decorations.push_back({K::Lamp, 0, {27, 27}, {}, 8.0f, paint::Hex(0x7CFF52)});
    for (int k = 0; k < 7; ++k) {
        const float a = (195.0f + 10.0f * static_cast<float>(k)) * std::numbers::pi_v<float> / 180;
        const Vec2 c{29 + 125, 28 + 125}; // the centre of the opening's sweep
        const Vec2 dir{std::cos(a), std::sin(a)};
        green.decorations.push_back({K::Slot, 0, c + dir * 137.0f, c + dir * 147.0f, 1.6f, {}});
    }
    schemes.push_back(std::move(green));

    // Cyan: a deep teal bezel with a silvery lip; a trio of indicator lamps at the top
    // left and a round speaker grille in the broad sweep at the bottom right.
    Scheme cyan{
        .name = "cyan",
        .background = {0, 138 / 255.0f, 128 / 255.0f},
        .outline = paint::Hex(0x031A1C),
        .rim = paint::Hex(0xBCDCDE),
        .face = paint::Hex(0x17605F),
        .bevel = paint::Hex(0x0E3B3C),
        .left = 27,
        .top = 31,
        .right = 26,
        .bottom = 26,
        .radiusTopLeft = 105,
        .radiusTopRight = 9,
        .radiusBottomLeft = 9,
        .radiusBottomRight = 72,
        .shadowWidth = 5.0f,
        .grooveDistance = 11.0f,
        .topLeft = {nuvset1::kCyanScreen.topLeft, 189, 175, 175},
        .bottomLeft = {nuvset1::kCyanScreen.bottomLeft, 55, 52, 52},
        .topRight = {nuvset1::kCyanScreen.topRight, 65, 51, 52},
        .bottomRight = {nuvset1::kCyanScreen.bottomRight, 133, 114, 114},
        .topEdgeId = nuvset1::kCyanScreen.topEdge,
        .topEdgeHeight = 40,
        .bottomEdgeId = nuvset1::kCyanScreen.bottomEdge,
        .bottomEdgeHeight = 34,
        .leftEdgeId = nuvset1::kCyanScreen.leftEdge,
        .leftEdgeWidth = 36,
        .rightEdgeId = nuvset1::kCyanScreen.rightEdge,
        .rightEdgeWidth = 34,
        .decorations = {},
    };
    cyan.decorations.push_back({K::Lamp, 0, {27, 58}, {}, 5.5f, paint::Hex(0xFFB347)});
    cyan.decorations.push_back({K::Lamp, 0, {41, 41}, {}, 5.5f, paint::Hex(0x6FFFF4)});
    cyan.decorations.push_back({K::Lamp, 0, {58, 27}, {}, 5.5f, paint::Hex(0x9DFF7A)});
    cyan.decorations.push_back({K::Grille, 3, {23, 23}, {}, 11.0f, {}});
    cyan.decorations.push_back({K::Ring, 3, {23, 23}, {}, 14.5f, {}});
    schemes.push_back(std::move(cyan));

    // Blue: a midnight-blue bezel with a cool silver lip; the wide top-left sweep carries
    // an engraved ring around a blue lamp, a small white lamp, and three long vents.
    Scheme blue{
        .name = "blue",
        .background = {0, 0, 133 / 255.0f},
        .outline = paint::Hex(0x05061C),
        .rim = paint::Hex(0xC4CCE8),
        .face = paint::Hex(0x232F7A),
        .bevel = paint::Hex(0x141B4C),
        .left = 30,
        .top = 29,
        .right = 28,
        .bottom = 26,
        .radiusTopLeft = 150,
        .radiusTopRight = 9,
        .radiusBottomLeft = 9,
        .radiusBottomRight = 9,
        .shadowWidth = 5.0f,
        .grooveDistance = 12.0f,
        .topLeft = {nuvset1::kBlueScreen.topLeft, 249, 197, 197},
        .bottomLeft = {nuvset1::kBlueScreen.bottomLeft, 50, 47, 47},
        .topRight = {nuvset1::kBlueScreen.topRight, 61, 47, 47},
        .bottomRight = {nuvset1::kBlueScreen.bottomRight, 46, 42, 42},
        .topEdgeId = nuvset1::kBlueScreen.topEdge,
        .topEdgeHeight = 36,
        .bottomEdgeId = nuvset1::kBlueScreen.bottomEdge,
        .bottomEdgeHeight = 33,
        .leftEdgeId = nuvset1::kBlueScreen.leftEdge,
        .leftEdgeWidth = 37,
        .rightEdgeId = nuvset1::kBlueScreen.rightEdge,
        .rightEdgeWidth = 36,
        .decorations = {},
    };
    blue.decorations.push_back({K::Ring, 0, {44, 44}, {}, 13.5f, {}});
    blue.decorations.push_back({K::Lamp, 0, {44, 44}, {}, 8.0f, paint::Hex(0x5FA8FF)});
    blue.decorations.push_back({K::Lamp, 0, {76, 28}, {}, 3.5f, paint::Hex(0xF2F6FF)});
    for (int k = 0; k < 3; ++k) {
        const float y = 62.0f + 7.0f * static_cast<float>(k);
        blue.decorations.push_back({K::Slot, 0, {14, y}, {34.0f - 6.0f * k, y}, 1.5f, {}});
    }
    schemes.push_back(std::move(blue));
    return schemes;
}

} // namespace

void GenerateScreenBitmaps(std::vector<GeneratedBitmap>& out, float scale) {
    for (const auto& scheme : Schemes())
        GenerateScheme(scheme, out, scale);
}

} // namespace nk::resgen
