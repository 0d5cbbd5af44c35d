// Where a drawing put ink: the bounding box of the pixels of a surface that are not white,
// or of the pixels where two surfaces differ.
#pragma once

#include "host/surface/surface_canvas.h"

#include <algorithm>
#include <cstdint>

namespace nk::ink {

struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1; // inclusive
    bool any() const { return right >= 0; }
    void Add(int x, int y) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
};

// The box of the pixels for which `differs(x, y)` holds.
template <typename Pred> Ink InkWhere(int width, int height, Pred differs) {
    Ink ink;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (differs(x, y)) ink.Add(x, y);
    return ink;
}

// The ink on a white surface.
inline Ink InkOf(const SurfaceCanvas& c) {
    constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
    return InkWhere(c.width(), c.height(),
                    [&](int x, int y) { return c.pixels().At(x, y) != kWhite; });
}

// Where two drawings of the same size differ.
inline Ink DifferenceOf(const SurfaceCanvas& a, const SurfaceCanvas& b) {
    return InkWhere(a.width(), a.height(),
                    [&](int x, int y) { return a.pixels().At(x, y) != b.pixels().At(x, y); });
}

} // namespace nk::ink
