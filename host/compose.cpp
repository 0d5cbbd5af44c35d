#include "host/compose.h"

#include <algorithm>
#include <cmath>

namespace nk {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

int Px(double v) {
    return static_cast<int>(std::lround(v));
}

struct Box {
    int left, top, right, bottom; // right and bottom exclusive
};

Box Intersect(Box a, Box b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// Copies `src` to `dst` with its top-left at (x, y), clipped to `clip` (in dst).
void Blit(Image& dst, const Image& src, int x, int y, Box clip) {
    const Box area = Intersect({x, y, x + src.width, y + src.height}, clip);
    for (int dy = area.top; dy < area.bottom; ++dy)
        for (int dx = area.left; dx < area.right; ++dx)
            dst.At(dx, dy) = src.At(dx - x, dy - y) | kOpaque;
}

} // namespace

bool MaskKeeps(std::uint32_t px) {
    const unsigned r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
    return r * 299 + g * 587 + b * 114 < 128 * 1000;
}

bool ShowsPixel(const HeadlessHost& host, int x, int y) {
    if (x < 0 || y < 0 || x >= host.ExtentWidth() || y >= host.ExtentHeight()) return false;
    const Picture& mask = host.maskPicture();
    if (!HasImage(mask)) return true;
    const Image& m = *mask->image();
    return x < m.width && y < m.height && MaskKeeps(m.At(x, y));
}

OleColor PixelToOleColor(std::uint32_t pixel) {
    const std::uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return r | (g << 8) | (b << 16);
}

std::optional<OleColor> ComposedPixel(const Image& composed, int x, int y) {
    if (x < 0 || y < 0 || x >= composed.width || y >= composed.height) return std::nullopt;
    const std::uint32_t px = composed.At(x, y);
    if ((px >> 24) == 0) return std::nullopt;
    return PixelToOleColor(px);
}

Image Compose(const HeadlessHost& host) {
    Image out(host.ExtentWidth(), host.ExtentHeight(), kOpaque); // the border line is black
    const int inset = host.BorderStyle() == 1 ? 1 : 0;
    const Image& surface = host.surface().pixels();
    const Box surfaceBox = Intersect({inset, inset, inset + surface.width, inset + surface.height},
                                     {0, 0, out.width, out.height});
    Blit(out, surface, inset, inset, surfaceBox);

    for (const auto& box : host.pictureBoxes()) {
        if (!box->visible()) continue;
        Blit(out, box->surface().pixels(), inset + Px(box->left()), inset + Px(box->top()),
             surfaceBox);
    }

    for (const auto& shape : host.shapes()) {
        if (!shape->Visible()) continue;
        const int l = inset + Px(shape->left()), t = inset + Px(shape->top());
        const Box area =
            Intersect({l, t, l + Px(shape->width()), t + Px(shape->height())}, surfaceBox);
        const std::uint32_t notFill = ~ResolveColor(shape->fillColor()) & 0x00FFFFFFu;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                out.At(x, y) |= notFill;
    }

    const Picture& mask = host.maskPicture();
    if (HasImage(mask)) {
        const Image& m = *mask->image();
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) {
                const bool keep = x < m.width && y < m.height && MaskKeeps(m.At(x, y));
                if (!keep) out.At(x, y) = 0;
            }
    }
    return out;
}

} // namespace nk
