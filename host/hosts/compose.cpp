#include "host/hosts/compose.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

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

// A layer of pixels (the surface, a child picture box) with its top-left at (x, y) of the
// control, shown inside `box` (control pixels).
struct Pixels {
    const Image* image = nullptr;
    int x = 0;
    int y = 0;
    PixelBox box;
};

// A glow overlay: inside `box` every pixel is OR-ed with `notFill`.
struct Overlay {
    PixelBox box;
    std::uint32_t notFill = 0;
};

// The layers of a control that fall in an area, measured once and laid down row by row.
class Layers {
public:
    Layers(const HeadlessHost& host, const PixelBox& area) : area_(area) {
        const double scale = host.surface().scale();
        const auto dev = [scale](int v) { return DevicePixels(v, scale); };
        const int inset = host.BorderStyle() == 1 ? dev(1) : 0;
        const Image& surface = host.surface().pixels();
        surface_ = Intersect({inset, inset, inset + surface.width, inset + surface.height}, area);
        pixels_.push_back({&surface, inset, inset, surface_});
        for (const auto& box : host.pictureBoxes()) {
            if (!box->visible()) continue;
            // Read through the const box: the mutable view counts as drawing.
            const HeadlessPictureBox& child = *box;
            const Image& image = child.surface().pixels();
            const int x = inset + dev(Px(box->left())), y = inset + dev(Px(box->top()));
            const PixelBox at = Intersect({x, y, x + image.width, y + image.height}, surface_);
            if (!at.Empty()) pixels_.push_back({&image, x, y, at});
        }
        for (const auto& shape : host.shapes()) {
            if (!shape->Visible()) continue;
            const int left = Px(shape->left()), top = Px(shape->top());
            const PixelBox at = Intersect({inset + dev(left), inset + dev(top),
                                           inset + dev(left + Px(shape->width())),
                                           inset + dev(top + Px(shape->height()))},
                                          surface_);
            if (!at.Empty())
                overlays_.push_back({at, ~ResolveColor(shape->fillColor()) & 0x00FFFFFFu});
        }
    }

    // Writes the row y of the area to `row` (the area's width of pixels): the border line
    // (black) round the surface, the surface and the picture boxes copied, the overlays.
    void Row(int y, std::uint32_t* row) const {
        const int width = area_.Width();
        if (y < surface_.top || y >= surface_.bottom || surface_.Empty()) {
            std::fill_n(row, width, kOpaque);
            return;
        }
        std::fill(row, row + (surface_.left - area_.left), kOpaque);
        std::fill(row + (surface_.right - area_.left), row + width, kOpaque);
        if (pixels_.size() == 1 && overlays_.size() == 1) {
            SurfaceUnderOverlay(y, row);
            return;
        }
        for (const Pixels& p : pixels_) {
            if (y < p.box.top || y >= p.box.bottom) continue;
            // Surfaces hold opaque pixels (every drawing operation writes them so): a straight
            // copy of the row.
            const std::uint32_t* from =
                &p.image
                     ->pixels[static_cast<size_t>(y - p.y) * p.image->width + (p.box.left - p.x)];
            std::memcpy(row + (p.box.left - area_.left), from,
                        static_cast<size_t>(p.box.Width()) * sizeof(std::uint32_t));
        }
        for (const Overlay& o : overlays_) {
            if (y < o.box.top || y >= o.box.bottom) continue;
            // Locals, so that the loop does not reload them through the row's stores.
            std::uint32_t* to = row + (o.box.left - area_.left);
            const std::uint32_t notFill = o.notFill;
            const int n = o.box.Width();
            for (int x = 0; x < n; ++x)
                to[x] |= notFill;
        }
    }

private:
    // The surface's row with one overlay on it (a glow over a control without children), in
    // one pass: what the overlay covers is copied and OR-ed together.
    void SurfaceUnderOverlay(int y, std::uint32_t* row) const {
        const Pixels& p = pixels_.front();
        const Overlay& o = overlays_.front();
        const std::uint32_t* from =
            &p.image->pixels[static_cast<size_t>(y - p.y) * p.image->width + (p.box.left - p.x)];
        std::uint32_t* to = row + (p.box.left - area_.left);
        const auto copy = [&](int from_x, int to_x) {
            if (to_x > from_x)
                std::memcpy(to + (from_x - p.box.left), from + (from_x - p.box.left),
                            static_cast<size_t>(to_x - from_x) * sizeof(std::uint32_t));
        };
        if (y < o.box.top || y >= o.box.bottom) {
            copy(p.box.left, p.box.right);
            return;
        }
        copy(p.box.left, o.box.left);
        const std::uint32_t notFill = o.notFill;
        const std::uint32_t* in = from + (o.box.left - p.box.left);
        std::uint32_t* out = to + (o.box.left - p.box.left);
        const int n = o.box.Width();
        for (int x = 0; x < n; ++x)
            out[x] = in[x] | notFill;
        copy(o.box.right, p.box.right);
    }

    PixelBox area_;
    PixelBox surface_;
    std::vector<Pixels> pixels_;
    std::vector<Overlay> overlays_;
};

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
    const PixelBox extent = DeviceExtent(host);
    if (x < 0 || y < 0 || x >= extent.right || y >= extent.bottom) return std::nullopt;
    std::uint32_t one = 0;
    ComposeInto(host, {&one, 1, {x, y, x + 1, y + 1}});
    if ((one >> 24) == 0) return std::nullopt;
    return PixelToOleColor(one);
}

PixelBox DeviceExtent(const HeadlessHost& host) {
    const double scale = host.surface().scale();
    return {0, 0, DevicePixels(host.ExtentWidth(), scale),
            DevicePixels(host.ExtentHeight(), scale)};
}

Image Compose(const HeadlessHost& host) {
    return ComposeArea(host, DeviceExtent(host));
}

Image ComposeArea(const HeadlessHost& host, PixelBox area) {
    area = Intersect(area, DeviceExtent(host));
    if (area.Empty()) return {};
    Image out(area.Width(), area.Height());
    ComposeInto(host, {out.pixels.data(), out.width, area});
    return out;
}

void ComposeInto(const HeadlessHost& host, const ComposeTarget& into) {
    const PixelBox area = Intersect(into.area, DeviceExtent(host));
    if (area.Empty()) return;
    const Layers layers(host, area);
    const auto rowOf = [&into, &area](int y) {
        return into.pixels + (y - into.area.top) * into.stride + (area.left - into.area.left);
    };
    const Picture& mask = host.maskPicture();
    if (!HasImage(mask)) {
        for (int y = area.top; y < area.bottom; ++y)
            layers.Row(y, rowOf(y));
        return;
    }
    // A pixel the mask leaves out is cleared after the row is laid down, or, where the buffer
    // keeps what it holds, the row goes through a scratch row and only kept pixels land.
    const MaskSampler sampler(*mask, host.surface().scale());
    const bool keep = into.seeThrough == ComposeTarget::SeeThrough::Keep;
    std::vector<std::uint32_t> scratch(keep ? static_cast<size_t>(area.Width()) : 0);
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint32_t* to = rowOf(y);
        const std::uint32_t* from = keep ? scratch.data() : to;
        layers.Row(y, keep ? scratch.data() : to);
        for (int x = area.left; x < area.right; ++x) {
            const bool kept = sampler.Keeps(x, y);
            std::uint32_t& px = to[x - area.left];
            if (!kept && !keep) px = 0;
            if (kept && keep) px = from[x - area.left];
        }
    }
}

} // namespace nk
