// The about dialog's logo, with glossy lettering drawn from a small stroke alphabet, and its
// pointing-hand link pointer.
#include "resources/gen_set1_parts.h"
#include "resources/paint.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace nk::resgen::set1 {

using namespace paint;

namespace {

constexpr float kPi = 3.14159265f;

// A glyph is a set of strokes in em units: y runs down from the cap line (0) to the base
// line (1); the x-height line is at 0.38.
struct Stroke {
    std::vector<Vec2> points; // a polyline; one point is a dot
};
struct Glyph {
    std::vector<Stroke> strokes;
    float advance = 0.0f;
};

constexpr float kX = 0.38f; // x-height line

void Arc(std::vector<Vec2>& pts, Vec2 c, float rx, float ry, float from, float to) {
    const int steps = std::max(6, static_cast<int>(std::fabs(to - from) * 10.0f));
    for (int i = 0; i <= steps; ++i) {
        const float a = from + (to - from) * static_cast<float>(i) / static_cast<float>(steps);
        pts.push_back({c.x + rx * std::cos(a), c.y + ry * std::sin(a)});
    }
}

Stroke Line(std::initializer_list<Vec2> pts) {
    return {pts};
}

Stroke ArcStroke(Vec2 c, float rx, float ry, float from, float to) {
    Stroke s;
    Arc(s.points, c, rx, ry, from, to);
    return s;
}

Glyph GlyphOf(char ch) {
    const float r = (1.0f - kX) * 0.5f; // radius of round lower-case bowls
    const Vec2 bowl{r, kX + r};
    switch (ch) {
    case 'N':
        return {{Line({{0, 1}, {0, 0}, {0.7f, 1}, {0.7f, 0}})}, 0.7f};
    case 'Q':
        return {{ArcStroke({0.5f, 0.5f}, 0.5f, 0.5f, 0, 2 * kPi),
                 Line({{0.62f, 0.72f}, {0.98f, 1.06f}})},
                1.0f};
    case 'u': {
        Stroke s = Line({{0, kX}, {0, bowl.y}});
        Arc(s.points, bowl, r, r, kPi, 0);
        Stroke right = Line({{2 * r, kX}, {2 * r, 1}});
        return {{s, right}, 2 * r};
    }
    case 'n': {
        Stroke s = Line({{2 * r, 1}, {2 * r, bowl.y}});
        Arc(s.points, bowl, r, r, 0, -kPi);
        return {{Line({{0, kX}, {0, 1}}), s}, 2 * r};
    }
    case 'v':
        return {{Line({{0, kX}, {r, 1}, {2 * r, kX}})}, 2 * r};
    case 'e': {
        Stroke s = Line({{0.02f, bowl.y}, {2 * r, bowl.y}});
        Arc(s.points, bowl, r, r, 0, -1.75f * kPi);
        return {{s}, 2 * r};
    }
    case 'o':
        return {{ArcStroke(bowl, r, r, 0, 2 * kPi)}, 2 * r};
    case 'l':
        return {{Line({{0, 0}, {0, 1}})}, 0.0f};
    case 'i':
        return {{Line({{0, kX}, {0, 1}}), Line({{0, 0.12f}})}, 0.0f};
    case 'k':
        return {{Line({{0, 0}, {0, 1}}), Line({{0.5f, kX}, {0, 0.78f}}),
                 Line({{0.2f, 0.62f}, {0.52f, 1}})},
                0.52f};
    case 't': {
        Stroke s = Line({{0.16f, 0.08f}, {0.16f, 0.84f}});
        Arc(s.points, {0.38f, 0.84f}, 0.22f, 0.16f, kPi, kPi * 0.5f);
        return {{s, Line({{0, kX}, {0.42f, kX}})}, 0.42f};
    }
    case '0':
        return {{ArcStroke({0.3f, 0.5f}, 0.3f, 0.5f, 0, 2 * kPi)}, 0.6f};
    case '1':
        return {{Line({{0.06f, 0.2f}, {0.3f, 0}, {0.3f, 1}})}, 0.4f};
    case '2': {
        Stroke s;
        Arc(s.points, {0.3f, 0.3f}, 0.3f, 0.3f, -kPi * 0.95f, kPi * 0.2f);
        s.points.push_back({0, 1});
        s.points.push_back({0.62f, 1});
        return {{s}, 0.62f};
    }
    default:
        return {{}, 0.4f};
    }
}

// The signed distance to a line of text set with its cap line at `top`, left edge at `left`,
// `em` pixels from cap line to base line, strokes `weight` pixels wide.
struct Lettering {
    std::vector<std::pair<Vec2, Vec2>> segments;
    std::vector<Vec2> dots;
    float halfWidth = 1.0f;
    float right = 0.0f;

    float Distance(Vec2 p) const {
        float d = 1e9f;
        for (const auto& [a, b] : segments)
            d = std::min(d, SdSegment(p, a, b, halfWidth));
        for (const Vec2& c : dots)
            d = std::min(d, SdDisc(p, c, halfWidth * 1.15f));
        return d;
    }
};

Lettering SetText(std::string_view text, float left, float top, float em, float weight,
                  float tracking) {
    Lettering l;
    l.halfWidth = weight * 0.5f;
    float x = left + l.halfWidth;
    for (char ch : text) {
        if (ch == ' ') {
            x += em * 0.32f;
            continue;
        }
        const Glyph g = GlyphOf(ch);
        for (const Stroke& s : g.strokes) {
            auto at = [&](Vec2 q) { return Vec2{x + q.x * em, top + q.y * em}; };
            if (s.points.size() == 1) {
                l.dots.push_back(at(s.points[0]));
                continue;
            }
            for (size_t i = 1; i < s.points.size(); ++i)
                l.segments.push_back({at(s.points[i - 1]), at(s.points[i])});
        }
        x += g.advance * em + weight + tracking;
    }
    l.right = x - weight - tracking + l.halfWidth;
    return l;
}

// Glossy letters: a drop shadow, a dark outline, a bevelled body in `body` colours (top to
// bottom) and a glassy highlight on the upper half of each stroke.
void DrawLettering(Layer& l, const Lettering& t, const Gradient& body, float top, float em,
                   Rgb outline) {
    const Sdf shape = [&t](Vec2 p) { return t.Distance(p); };
    Layer shadow(l.logicalWidth(), l.logicalHeight(), Grey(1.0f), l.scale());
    FillShape(
        shadow,
        [&](Vec2 p) {
            return t.Distance(p - Vec2{2.5f, 3.0f}) - 1.0f;
        },
        Grey(0.0f));
    Blur(shadow, 2);
    l.Draw(shadow, 0, 0, 0.55f, Blend::Multiply);
    FillShape(
        l, [&](Vec2 p) { return t.Distance(p) - 1.6f; }, outline);
    const Light light{{-0.4f, -0.7f, 0.6f}, 0.55f, 0.55f, 0.55f, 22.0f, {1, 1, 1}};
    FillShape(l, shape, [&](Vec2 p) {
        const float e = 0.7f;
        const float dx = t.Distance({p.x + e, p.y}) - t.Distance({p.x - e, p.y});
        const float dy = t.Distance({p.x, p.y + e}) - t.Distance({p.x, p.y - e});
        const float depth = Clamp01(-t.Distance(p) / t.halfWidth);
        // Rounded strokes: the slope of the distance field tilts the normal near the edges.
        const Vec3 n = Normalize({dx * (1.0f - depth), dy * (1.0f - depth), 0.6f + depth});
        return Lit(body.At((p.y - top) / em), n, light);
    });
    GlossBand(l, 0.0f, top - em * 0.1f, static_cast<float>(l.logicalWidth()), top + em * 0.42f,
              2.0f, 0.55f, 0.12f, 1.5f, [&](Vec2 p) { return t.Distance(p) + 1.0f; });
}

} // namespace

Image Logo(float scale) {
    constexpr int w = 400, h = 120;
    Layer l(w, h, {}, scale);
    // A deep blue glass panel with a sweep of light.
    l.Shade(
        LinearPaint(Gradient{{0.0f, Hex(0x0B2A6B)}, {0.55f, Hex(0x1456B8)}, {1.0f, Hex(0x0A1E4F)}},
                    {0, 0}, {0, h}));
    const Noise n(900);
    FillSoft(
        l,
        [](Vec2 p) {
            const float wave = 78.0f + 18.0f * std::sin(p.x * 0.012f + 0.6f);
            return std::fabs(p.y - wave) - 6.0f;
        },
        26.0f, Hex(0x38C8F0), 0.45f);
    FillSoft(
        l,
        [](Vec2 p) {
            const float wave = 92.0f + 14.0f * std::sin(p.x * 0.016f + 2.2f);
            return std::fabs(p.y - wave) - 2.0f;
        },
        10.0f, Hex(0xB8F4FF), 0.35f);
    l.Filter(
        [&](Vec2 p, Rgb c) { return c * (0.94f + 0.12f * n.Fbm(p.x * 0.02f, p.y * 0.04f, 3)); });

    // The emblem: a glass orb with a ring around it.
    const Vec2 orb{62.0f, 60.0f};
    const float orbR = 36.0f;
    FillSoft(
        l,
        [&](Vec2 p) {
            return SdDisc(p, orb + Vec2{3, 5}, orbR + 2.0f);
        },
        10.0f, Grey(0.0f), 0.45f, Blend::Normal);
    const Light light;
    FillShape(
        l, [&](Vec2 p) { return SdDisc(p, orb, orbR); },
        [&](Vec2 p) {
            const Vec2 d = (p - orb) * (1.0f / orbR);
            const float hue = 0.52f + 0.12f * d.y + 0.05f * n.At(d.x * 3.0f, d.y * 3.0f);
            return Lit(Hsv(hue, 0.85f, 0.95f), SphereNormal(d.x, d.y), light);
        });
    FillShape(
        l,
        [&](Vec2 p) {
            const Vec2 q = p - orb;
            const float ca = std::cos(-0.4f), sa = std::sin(-0.4f);
            const Vec2 r{q.x * ca - q.y * sa, q.x * sa + q.y * ca};
            const float ring = std::fabs(SdEllipse(r, {0, 0}, orbR + 10.0f, 11.0f)) - 2.2f;
            const bool behind = r.y < 0.0f && Length(q) < orbR;
            return behind ? 1e9f : ring;
        },
        LinearPaint(Gradient{{0.0f, Hex(0xFFF4C2)}, {1.0f, Hex(0xE0A020)}}, {0, 20}, {0, 100}));
    GlossBand(l, orb.x - 26.0f, orb.y - 33.0f, orb.x + 26.0f, orb.y - 4.0f, 16.0f, 0.8f, 0.05f,
              3.0f, [&](Vec2 p) { return SdDisc(p, orb, orbR); });
    SpecularSpot(l, {orb.x - 13.0f, orb.y - 18.0f}, 8.0f, 5.0f, 0.8f);

    // The lettering: the maker above, the product large below.
    const Lettering maker = SetText("Quillon", 118.0f, 14.0f, 20.0f, 3.6f, 5.0f);
    DrawLettering(l, maker,
                  Gradient{{0.0f, Hex(0xFFF6D0)}, {0.6f, Hex(0xF2C14E)}, {1.0f, Hex(0xC98A1A)}},
                  14.0f, 20.0f, Hex(0x3A2406));
    // The largest product name for which the name and the year fit the width.
    float em = 46.0f;
    Lettering product, year;
    for (;; em -= 1.0f) {
        product = SetText("Nuvelkit", 116.0f, 44.0f, em, em * 0.17f, em * 0.07f);
        year = SetText("2001", product.right + 10.0f, 44.0f + em * 0.4f, em * 0.6f, em * 0.11f,
                       em * 0.05f);
        if (year.right <= static_cast<float>(w) - 10.0f || em <= 20.0f) break;
    }
    DrawLettering(l, product,
                  Gradient{{0.0f, Grey(1.0f)}, {0.5f, Hex(0xBDEFFF)}, {1.0f, Hex(0x3BA7E8)}}, 44.0f,
                  em, Hex(0x061433));
    DrawLettering(l, year,
                  Gradient{{0.0f, Hex(0xFFF6D0)}, {0.6f, Hex(0xF2C14E)}, {1.0f, Hex(0xC98A1A)}},
                  44.0f + em * 0.4f, em * 0.6f, Hex(0x3A2406));

    GlossBand(l, 4.0f, 2.0f, w - 4.0f, 50.0f, 20.0f, 0.30f, 0.03f, 6.0f);
    return l.ToImage();
}

Image LinkPointer(float scale) {
    constexpr int s = 32;
    Layer l(s, s, Grey(1.0f), scale);
    // A white gloved hand pointing up, outlined in black: the index finger raised, three
    // fingers folded, the thumb along the side. Everything else stays white.
    const Sdf finger = [](Vec2 p) { return SdSegment(p, {13.0f, 5.5f}, {13.0f, 18.0f}, 2.6f); };
    const Sdf knuckles = [](Vec2 p) {
        float d = SdSegment(p, {17.5f, 14.5f}, {17.5f, 18.0f}, 2.4f);
        d = std::min(d, SdSegment(p, {21.8f, 15.5f}, {21.8f, 18.5f}, 2.3f));
        d = std::min(d, SdSegment(p, {25.6f, 17.0f}, {25.6f, 19.5f}, 2.1f));
        return d;
    };
    const Sdf palm = [](Vec2 p) { return SdRoundBox(p, 10.5f, 15.0f, 27.7f, 29.0f, 4.0f); };
    const Sdf thumb = [](Vec2 p) { return SdSegment(p, {6.5f, 17.0f}, {11.5f, 23.5f}, 2.5f); };
    const Sdf hand = [&](Vec2 p) { return std::min({finger(p), knuckles(p), palm(p), thumb(p)}); };
    FillShape(
        l, [&](Vec2 p) { return hand(p) - 1.3f; }, Grey(0.0f));
    FillShape(
        l, [&](Vec2 p) { return hand(p) + 0.2f; },
        LinearPaint(Gradient{{0.0f, Grey(1.0f)}, {1.0f, Hex(0xDCE6F2)}}, {8, 0}, {28, 0}));
    // Creases between the folded fingers.
    for (float x : {19.7f, 23.7f})
        FillShape(
            l,
            [=](Vec2 p) {
                return SdSegment(p, {x, 13.5f}, {x, 18.0f}, 0.45f);
            },
            Grey(0.25f));
    return l.ToImage();
}

} // namespace nk::resgen::set1
