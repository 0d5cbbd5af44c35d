#include "host/compose.h"

#include "host/form.h"

#include <algorithm>
#include <cmath>

namespace nk {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

int Px(double v) {
    return static_cast<int>(std::lround(v));
}

PixelBox BoundsOf(const Image& image) {
    return {0, 0, image.width, image.height};
}

// Copies `src`, placed with its top-left at (x, y) of the control, into `dst`, which holds
// the control's pixels from (origin.left, origin.top) on, inside `clip` (control pixels).
void Blit(Image& dst, const PixelBox& origin, const Image& src, int x, int y, PixelBox clip) {
    const PixelBox area = Intersect(Intersect({x, y, x + src.width, y + src.height}, clip),
                                    Offset(BoundsOf(dst), origin.left, origin.top));
    for (int cy = area.top; cy < area.bottom; ++cy) {
        const std::uint32_t* from = &src.pixels[static_cast<size_t>(cy - y) * src.width];
        std::uint32_t* to = &dst.pixels[static_cast<size_t>(cy - origin.top) * dst.width];
        for (int cx = area.left; cx < area.right; ++cx)
            to[cx - origin.left] = from[cx - x] | kOpaque;
    }
}

} // namespace

bool MaskKeeps(std::uint32_t px) {
    const unsigned r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
    return r * 299 + g * 587 + b * 114 < 128 * 1000;
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

std::optional<OleColor> ComposedPixelAt(const HeadlessHost& host, int x, int y) {
    const Image one = ComposeArea(host, {x, y, x + 1, y + 1});
    return ComposedPixel(one, 0, 0);
}

Image Compose(const HeadlessHost& host) {
    return ComposeArea(host, {0, 0, host.ExtentWidth(), host.ExtentHeight()});
}

Image ComposeArea(const HeadlessHost& host, PixelBox area) {
    area = Intersect(area, {0, 0, host.ExtentWidth(), host.ExtentHeight()});
    if (area.Empty()) return {};
    Image out(area.Width(), area.Height(), kOpaque); // the border line is black
    const int inset = host.BorderStyle() == 1 ? 1 : 0;
    const Image& surface = host.surface().pixels();
    const PixelBox surfaceBox =
        Intersect({inset, inset, inset + surface.width, inset + surface.height}, area);
    Blit(out, area, surface, inset, inset, surfaceBox);

    for (const auto& box : host.pictureBoxes()) {
        if (!box->visible()) continue;
        const HeadlessPictureBox& child = *box;
        Blit(out, area, child.surface().pixels(), inset + Px(box->left()), inset + Px(box->top()),
             surfaceBox);
    }

    for (const auto& shape : host.shapes()) {
        if (!shape->Visible()) continue;
        const int l = inset + Px(shape->left()), t = inset + Px(shape->top());
        const PixelBox glow =
            Intersect({l, t, l + Px(shape->width()), t + Px(shape->height())}, surfaceBox);
        const std::uint32_t notFill = ~ResolveColor(shape->fillColor()) & 0x00FFFFFFu;
        for (int y = glow.top; y < glow.bottom; ++y)
            for (int x = glow.left; x < glow.right; ++x)
                out.At(x - area.left, y - area.top) |= notFill;
    }

    const Picture& mask = host.maskPicture();
    if (HasImage(mask)) {
        const Image& m = *mask->image();
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const bool keep = x < m.width && y < m.height && MaskKeeps(m.At(x, y));
                if (!keep) out.At(x - area.left, y - area.top) = 0;
            }
    }
    return out;
}

void ComposeFormArea(const Form& form, Image& frame, PixelBox area) {
    area = Intersect(area, BoundsOf(frame));
    if (area.Empty()) return;
    const std::uint32_t back = kOpaque | ResolveColor(form.settings().backColor);
    for (int y = area.top; y < area.bottom; ++y)
        std::fill_n(&frame.pixels[static_cast<size_t>(y) * frame.width + area.left], area.Width(),
                    back);
    for (const auto& c : form.controls()) {
        const PixelBox place{c->left(), c->top(), c->left() + c->width(), c->top() + c->height()};
        const PixelBox part = Intersect(place, area);
        if (part.Empty()) continue;
        const Image shown = ComposeArea(c->host(), Offset(part, -c->left(), -c->top()));
        for (int y = 0; y < shown.height; ++y) {
            const std::uint32_t* from = &shown.pixels[static_cast<size_t>(y) * shown.width];
            std::uint32_t* to =
                &frame.pixels[static_cast<size_t>(part.top + y) * frame.width + part.left];
            for (int x = 0; x < shown.width; ++x)
                if ((from[x] >> 24) != 0) to[x] = from[x];
        }
    }
}

} // namespace nk
