// The pixel sizes the headless host accepts: a control's extent and a child's size are whole
// pixels from 0 to kMaxExtent a side.
#pragma once

#include <cmath>
#include <optional>

namespace nk {

inline constexpr int kMaxExtent = 16384;

// A size in pixels from a double: nearest whole pixel, nothing for a negative, non-finite
// or too large value.
inline std::optional<int> PixelSize(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = std::floor(v + 0.5);
    if (r < 0 || r > kMaxExtent) return std::nullopt;
    return static_cast<int>(r);
}

} // namespace nk
