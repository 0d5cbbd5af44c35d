#include "host/hosts/compose.h"

#include <algorithm>
#include <cmath>

namespace nk {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

int Px(double v) {
    return static_cast<int>(std::lround(v));
}

// Whether the control keeps the device pixel (x, y) by its mask: the mask's image painted
// for the scale when it has one of the scaled size, else the logical mask pixel under it.
class MaskSampler {
public:
    MaskSampler(const PictureObject& mask, double scale) : scale_(scale) {
        const Image* fine = mask.VariantAt(scale).get(); // the mask keeps it
        if (fine && fine->width == DevicePixels(mask.Width(), scale) &&
            fine->height == DevicePixels(mask.Height(), scale)) {
            image_ = fine;
            scale_ = 1.0;
        } else {
            image_ = mask.image();
        }
    }
    bool Keeps(int x, int y) const {
        if (scale_ != 1.0) {
            x = static_cast<int>(std::floor(x / scale_ + 1e-9));
            y = static_cast<int>(std::floor(y / scale_ + 1e-9));
        }
        return x < image_->width && y < image_->height && MaskKeeps(image_->At(x, y));
    }

private:
    const Image* image_;
    double scale_;
};

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
    // The device pixel at the centre of the logical one.
    const double scale = host.surface().scale();
    if (scale != 1.0) {
        if (x < 0 || y < 0) return std::nullopt;
        x = static_cast<int>(std::floor((x + 0.5) * scale));
        y = static_cast<int>(std::floor((y + 0.5) * scale));
    }
    const Image one = ComposeArea(host, {x, y, x + 1, y + 1});
    return ComposedPixel(one, 0, 0);
}

Image Compose(const HeadlessHost& host) {
    const double scale = host.surface().scale();
    return ComposeArea(host, {0, 0, DevicePixels(host.ExtentWidth(), scale),
                              DevicePixels(host.ExtentHeight(), scale)});
}

Image ComposeArea(const HeadlessHost& host, PixelBox area) {
    const double scale = host.surface().scale();
    const auto dev = [scale](int v) { return DevicePixels(v, scale); };
    area = Intersect(area, {0, 0, dev(host.ExtentWidth()), dev(host.ExtentHeight())});
    if (area.Empty()) return {};
    Image out(area.Width(), area.Height(), kOpaque); // the border line is black
    const int inset = host.BorderStyle() == 1 ? dev(1) : 0;
    const Image& surface = host.surface().pixels();
    const PixelBox surfaceBox =
        Intersect({inset, inset, inset + surface.width, inset + surface.height}, area);
    Blit(out, area, surface, inset, inset, surfaceBox);

    for (const auto& box : host.pictureBoxes()) {
        if (!box->visible()) continue;
        const HeadlessPictureBox& child = *box;
        Blit(out, area, child.surface().pixels(), inset + dev(Px(box->left())),
             inset + dev(Px(box->top())), surfaceBox);
    }

    for (const auto& shape : host.shapes()) {
        if (!shape->Visible()) continue;
        const int left = Px(shape->left()), top = Px(shape->top());
        const int l = inset + dev(left), t = inset + dev(top);
        const PixelBox glow = Intersect(
            {l, t, inset + dev(left + Px(shape->width())), inset + dev(top + Px(shape->height()))},
            surfaceBox);
        const std::uint32_t notFill = ~ResolveColor(shape->fillColor()) & 0x00FFFFFFu;
        for (int y = glow.top; y < glow.bottom; ++y)
            for (int x = glow.left; x < glow.right; ++x)
                out.At(x - area.left, y - area.top) |= notFill;
    }

    const Picture& mask = host.maskPicture();
    if (HasImage(mask)) {
        const MaskSampler sampler(*mask, scale);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (!sampler.Keeps(x, y)) out.At(x - area.left, y - area.top) = 0;
    }
    return out;
}

} // namespace nk
