// The pixel procedures behind the raster surface: span fills, lines, circles and arcs,
// blits, stretches and coverage blending, all on 32-bit 0xAARRGGBB pixels and all clipped.
// Coordinates are whole pixels; the surface rounds its floating-point coordinates before
// calling here. Nothing here allocates per pixel or calls through a virtual function.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace nk::raster {

// Coordinates beyond this magnitude are pulled in to it, so that every product the
// procedures form fits 64 bits and every clipped loop stays short.
inline constexpr std::int64_t kCoordLimit = std::int64_t{1} << 28;

// A half-open rectangle of pixels: x0 <= x < x1, y0 <= y < y1.
struct Box {
    std::int64_t x0 = 0;
    std::int64_t y0 = 0;
    std::int64_t x1 = 0;
    std::int64_t y1 = 0;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
};

Box Intersect(const Box& a, const Box& b);

// Rows of pixels, `stride` pixels apart.
struct View {
    std::uint32_t* px = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    std::uint32_t* Row(std::int64_t y) const {
        return px + static_cast<std::ptrdiff_t>(y) * stride;
    }
    Box Bounds() const { return {0, 0, width, height}; }
};

// Read-only pixels of a picture. `opaque` says that every pixel is known to have alpha
// 0xFF, which lets copies skip the see-through test.
struct Source {
    const std::uint32_t* px = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    bool opaque = false;
    const std::uint32_t* Row(std::int64_t y) const {
        return px + static_cast<std::ptrdiff_t>(y) * stride;
    }
};

// Fills `b` (clipped to `clip` and the view) with `color`.
void FillBox(const View& v, const Box& clip, Box b, std::uint32_t color);

// The pixels a one-pixel plain line covers when it runs straight across or down; nothing
// for a slanted or empty line.
std::optional<Box> StraightLineBox(std::int64_t x0, std::int64_t y0, std::int64_t x1,
                                   std::int64_t y1);

// The rectangle with corners (x0, y0) and (x1, y1) drawn by a pen of `penWidth`: the box
// its outline covers and the box inside the outline (empty when the pen fills it all).
struct FrameBoxes {
    Box outer;
    Box inner;
};
FrameBoxes FrameOf(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                   int penWidth);

// The offset of the first row and column of a round brush from the point it is stamped on.
int BrushOffset(int penWidth);

// A plain line from (x0, y0) up to, not including, (x1, y1) on the Bresenham path;
// a pen wider than one pixel is a round brush centred on each pixel of that path.
void DrawLine(const View& v, const Box& clip, std::int64_t x0, std::int64_t y0, std::int64_t x1,
              std::int64_t y1, std::uint32_t color, int penWidth);

// The outline of the rectangle with corners (x0, y0) and (x1, y1), both included; a wider
// pen is centred on the outline.
void DrawFrame(const View& v, const Box& clip, std::int64_t x0, std::int64_t y0, std::int64_t x1,
               std::int64_t y1, std::uint32_t color, int penWidth);

// The same rectangle filled, together with the outline of a wider pen.
void FillFrame(const View& v, const Box& clip, std::int64_t x0, std::int64_t y0, std::int64_t x1,
               std::int64_t y1, std::uint32_t color, int penWidth);

// The angular range of an arc, counter-clockwise on screen (from +x towards the top), in
// radians. `start` > `end` runs through 0.
struct ArcRange {
    double start = 0;
    double end = 0;
};

// The points at distance r from the centre (the pixel nearest the circle in each row or
// column of its octant), restricted to `arc` when given. A wider pen draws a ring of that
// width centred on the circle.
void DrawCircle(const View& v, const Box& clip, std::int64_t cx, std::int64_t cy, double r,
                std::uint32_t color, int penWidth, const ArcRange* arc);

// Whether every pixel of a picture has alpha 0xFF.
bool IsOpaque(const Source& s);

// Copies a picture at its own size with its top-left corner at (x, y). Pixels whose alpha
// is below 0x80 are see-through and leave the surface as it is; the others are written
// opaque.
void Blit(const View& v, const Box& clip, const Source& s, std::int64_t x, std::int64_t y);

// Stretches a picture onto the destination rectangle `dst` (which may reach outside the
// view): nearest neighbour, or smooth (bilinear, averaging over the source when shrinking
// by more than half). The same see-through rule as Blit.
void StretchNearest(const View& v, const Box& clip, const Source& s, const Box& dst);
void StretchSmooth(const View& v, const Box& clip, const Source& s, const Box& dst);

// Blends `color` into the view through 8-bit coverage (0 leaves the pixel, 255 replaces it)
// with the mask's top-left corner at (x, y).
void BlendCoverage(const View& v, const Box& clip, const std::uint8_t* mask, int maskWidth,
                   int maskHeight, int maskStride, std::int64_t x, std::int64_t y,
                   std::uint32_t color);

} // namespace nk::raster
