// The NuvelCheck glyphs, 24 x 24: a glass box on the button-face colour, empty, checked,
// pressed and disabled.
#include "resources/gen_set1_parts.h"
#include "resources/paint.h"

#include <algorithm>

namespace nk::resgen::set1 {

using namespace paint;

namespace {

constexpr int kSize = 24;
constexpr float kBox0 = 2.5f;
constexpr float kBox1 = 21.5f;
constexpr float kRadius = 5.0f;

float SdBoxShape(Vec2 p) {
    return SdRoundBox(p, kBox0, kBox0, kBox1, kBox1, kRadius);
}

// The tick: a short stroke down to the left and a long one up to the right.
float SdTick(Vec2 p) {
    return std::min(SdSegment(p, {7.0f, 12.5f}, {10.5f, 16.5f}, 1.9f),
                    SdSegment(p, {10.5f, 16.5f}, {17.5f, 7.0f}, 1.9f));
}

struct Style {
    Rgb top, bottom, border;
    float gloss;
    bool tick;
    Rgb tickTop, tickBottom;
    bool sunken;
};

Style StyleOf(int state) {
    const Rgb green0 = Hex(0x7BE08F), green1 = Hex(0x168A3A);
    switch (state) {
    case 0:
        return {Grey(1.0f), Hex(0xC6DBF2), Hex(0x3E6796), 0.8f, false, {}, {}, false};
    case 1:
        return {Grey(1.0f), Hex(0xC6DBF2), Hex(0x3E6796), 0.8f, true, green0, green1, false};
    case 2:
        return {Hex(0xA9C3E2), Hex(0xDCE9F7), Hex(0x2A4E7A), 0.3f, false, {}, {}, true};
    default:
        return {Hex(0xEDEBE6), Hex(0xCFCBC2), Hex(0x9A968E), 0.4f, false, {}, {}, false};
    }
}

} // namespace

Image CheckGlyph(int state, float scale) {
    const Style st = StyleOf(state);
    Layer l(kSize, kSize, Hex(0xD4D0C8), scale); // the button face the glyph sits on
    // A soft shadow under the box, a dark border, and the glass body.
    FillSoft(
        l,
        [](Vec2 p) {
            return SdBoxShape(p - Vec2{0.6f, 1.0f});
        },
        3.0f, Grey(0.0f), 0.25f, Blend::Normal);
    FillShape(
        l, [](Vec2 p) { return SdBoxShape(p); }, st.border);
    FillShape(
        l, [](Vec2 p) { return SdBoxShape(p) + 1.2f; },
        LinearPaint(Gradient{{0.0f, st.top}, {1.0f, st.bottom}}, {0, kBox0}, {0, kBox1}));
    if (st.sunken)
        FillSoft(
            l,
            [](Vec2 p) {
                return std::max(SdBoxShape(p) + 1.2f, -(SdBoxShape(p - Vec2{0, 2.5f}) + 1.2f));
            },
            2.0f, Grey(0.0f), 0.35f, Blend::Normal);
    GlossBand(l, kBox0 + 2.0f, kBox0 + 1.5f, kBox1 - 2.0f, 11.5f, 3.5f, st.gloss, 0.05f, 1.2f,
              [](Vec2 p) { return SdBoxShape(p) + 1.2f; });
    if (st.tick) {
        FillShape(
            l,
            [](Vec2 p) {
                return SdTick(p - Vec2{0.5f, 1.0f});
            },
            Grey(0.0f), 0.25f);
        FillShape(
            l, [](Vec2 p) { return SdTick(p) - 0.6f; }, Hex(0x0E5A24));
        FillShape(
            l, SdTick,
            LinearPaint(Gradient{{0.0f, st.tickTop}, {1.0f, st.tickBottom}}, {0, 7}, {0, 17}));
        FillShape(
            l,
            [](Vec2 p) {
                return SdTick(p - Vec2{-0.4f, -0.6f}) + 1.1f;
            },
            Grey(1.0f), 0.55f, Blend::Screen);
    }
    return l.ToImage();
}

} // namespace nk::resgen::set1
