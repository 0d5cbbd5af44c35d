#include "framework/values.h"

#include <array>
#include <cmath>
#include <limits>

namespace nk {

namespace {

int Clamp255(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// The classic scheme, by system colour index, as 0x00RRGGBB.
constexpr std::array<std::uint32_t, 31> kClassicScheme = {
    0xD4D0C8, // 0 scroll bar
    0x3A6EA5, // 1 desktop
    0x0A246A, // 2 active caption
    0x808080, // 3 inactive caption
    0xD4D0C8, // 4 menu
    0xFFFFFF, // 5 window
    0x000000, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0xFFFFFF, // 9 caption text
    0xD4D0C8, // 10 active border
    0xD4D0C8, // 11 inactive border
    0x808080, // 12 app workspace
    0x0A246A, // 13 highlight
    0xFFFFFF, // 14 highlight text
    0xD4D0C8, // 15 button face
    0x808080, // 16 button shadow
    0x808080, // 17 grey text
    0x000000, // 18 button text
    0xD4D0C8, // 19 inactive caption text
    0xFFFFFF, // 20 3-D highlight
    0x404040, // 21 3-D dark shadow
    0xD4D0C8, // 22 3-D light
    0x000000, // 23 info text
    0xFFFFE1, // 24 info background
    0xB5B5B5, // 25 (unused)
    0x0000FF, // 26 hot light
    0xA6CAF0, // 27 gradient active caption
    0xC0C0C0, // 28 gradient inactive caption
    0x316AC5, // 29 menu highlight
    0xECE9D8, // 30 menu bar
};

} // namespace

OleColor RGB(int r, int g, int b) {
    return static_cast<OleColor>(Clamp255(r)) | (static_cast<OleColor>(Clamp255(g)) << 8) |
           (static_cast<OleColor>(Clamp255(b)) << 16);
}

std::uint32_t ResolveColor(OleColor c) {
    if (c & kSystemColorBit) {
        const std::uint32_t index = c & 0xFFu;
        return index < kClassicScheme.size() ? kClassicScheme[index] : 0;
    }
    const std::uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return (r << 16) | (g << 8) | b;
}

std::optional<std::int16_t> RoundToInt16(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = std::nearbyint(v); // default rounding mode: halves to even
    if (r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> RoundToInt32(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = std::nearbyint(v);
    if (r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<double> Divide(double a, double b) {
    if (b == 0.0) return std::nullopt;
    const double q = a / b;
    if (!std::isfinite(q)) return std::nullopt;
    return q;
}

} // namespace nk
