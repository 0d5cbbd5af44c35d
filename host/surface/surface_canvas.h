// A Canvas over an in-memory raster: the drawing surface of the kit's own host, used
// for a control's surface and for its child picture boxes alike.
#pragma once

#include "framework/host.h"
#include "framework/picture.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>

namespace nk {

namespace text {
class SizedFont;
}
namespace raster {
struct ArcRange;
}

// A half-open rectangle of whole pixels: left <= x < right, top <= y < bottom.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelBox&) const = default;
};

inline PixelBox Intersect(const PixelBox& a, const PixelBox& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}
// The smallest box holding both (an empty box adds nothing).
inline PixelBox Union(const PixelBox& a, const PixelBox& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}
inline PixelBox Offset(const PixelBox& b, int dx, int dy) {
    return {b.left + dx, b.top + dy, b.right + dx, b.bottom + dy};
}

// The device scale a surface draws at for a screen of that many device pixels per point: the
// nearest of 1, 1.5, 2 and 3 (1 for anything below 1.25 or not a number).
double NearestDeviceScale(double ratio);
// A coordinate of the logical grid in device pixels of a surface drawing at `scale`.
int DevicePixels(int logical, double scale);

class SurfaceCanvas : public Canvas {
public:
    // A surface of w x h pixels filled with `back` (an OLE colour).
    SurfaceCanvas(int w, int h, OleColor back, OleColor fore, const Font& font);
    // The same at a device scale (1, 1.5, 2 or 3; anything else is taken as 1): the caller
    // still works in w x h logical pixels, and the surface holds w * scale x h * scale
    // device pixels onto which every drawing operation is mapped. A surface whose device
    // pixels would exceed 16384 a side draws at 1, and at a scale it refuses a resize to
    // more than that.
    SurfaceCanvas(int w, int h, OleColor back, OleColor fore, const Font& font, double scale);

    // The device pixels, 0xFFRRGGBB (the logical pixels at scale 1). Writing through the
    // mutable view counts as drawing on all of the surface.
    const Image& pixels() const { return image_; }
    Image& pixels() {
        MarkAll();
        return image_;
    }
    // Device pixels per logical pixel.
    double scale() const { return scale_; }
    // The area (device pixels) that drawing touched since the last TakeDirty (a box holding every
    // changed pixel, possibly a few more), and taking it, which starts a new record.
    const PixelBox& dirty() const { return dirty_; }
    PixelBox TakeDirty() { return std::exchange(dirty_, PixelBox{}); }
    void MarkAll() { dirty_ = {0, 0, image_.width, image_.height}; }
    // The size in logical pixels.
    int width() const { return width_; }
    int height() const { return height_; }
    // Changes the logical size, keeping the pixels where old and new overlap and filling the new
    // part with `fill` (an OLE colour). Refuses a negative size or more than 16384 a side.
    bool ResizeTo(int w, int h, OleColor fill);
    // Draws at another device scale from now on (taken as the constructor takes it). The
    // logical size stays; each logical pixel keeps the colours drawn so far (those at its
    // place, nearest) until the owner draws it again. False when the new pixels cannot be held.
    bool SetScale(double scale);

    double ScaleWidth() const override;
    double ScaleHeight() const override;
    OleColor ForeColor() const override { return fore_; }
    void SetForeColor(OleColor c) override { fore_ = c; }
    OleColor BackColor() const override { return back_; }
    void SetBackColor(OleColor c) override { back_ = c; }
    const Font& GetFont() const override { return font_; }
    void SetFont(const Font& f) override { font_ = f; }
    void SetDrawWidth(int width) override { drawWidth_ = width < 1 ? 1 : width; }
    int DrawWidth() const { return drawWidth_; }

    bool Cls() override;
    bool Line(double x1, double y1, double x2, double y2, OleColor c,
              LineKind kind = LineKind::Plain) override;
    bool Circle(double x, double y, double r, OleColor c) override;
    bool Arc(double x, double y, double r, OleColor c, double start, double end) override;
    bool PaintPicture(const Picture& p, double x, double y) override;
    bool PaintPicture(const Picture& p, double x, double y, double w, double h) override;
    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;
    void SetCurrentX(double x) override { currentX_ = x; }
    void SetCurrentY(double y) override { currentY_ = y; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    bool Print(std::string_view text) override;
    Rect GetClientRect() override;
    bool DrawText(std::string_view text, const Rect& r, unsigned flags) override;
    void Refresh() override {}

private:
    // The surface's font as measured and laid out, resolved again when the font changes.
    // Use with the text lock held.
    text::SizedFont* DrawingFont();
    // The font as rasterised: the same font at the device scale (the drawing font at 1).
    text::SizedFont* DeviceFont();
    bool Scaled() const { return scale_ != 1.0; }
    // The scaled counterparts of the drawing operations, in logical pixels already rounded.
    void ScaledLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                    std::uint32_t color, LineKind kind);
    void ScaledCircle(std::int64_t cx, std::int64_t cy, double r, std::uint32_t color,
                      const raster::ArcRange* arc);
    bool ScaledPicture(const Picture& p, std::int64_t x, std::int64_t y, std::int64_t w,
                       std::int64_t h);
    // A logical coordinate in device pixels.
    std::int64_t Dev(std::int64_t v) const;
    // Whether a picture has no see-through pixel. Images inside pictures never change, so
    // the answer for the last few painted is kept and painting them again is a plain copy.
    bool IsOpaque(const std::shared_ptr<const Image>& image);
    // Records the box round a circle of radius r, with the pen's reach.
    void TouchCircle(std::int64_t cx, std::int64_t cy, double r);
    // Records that drawing may have touched the pixels of `box` (clipped to the surface).
    void Touch(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

    Image image_;
    int width_ = 0;
    int height_ = 0;
    double scale_ = 1.0;
    OleColor back_;
    OleColor fore_;
    Font font_;
    int drawWidth_ = 1;
    double currentX_ = 0;
    double currentY_ = 0;
    std::shared_ptr<text::SizedFont> drawingFont_;
    Font drawingFontFor_;
    std::shared_ptr<text::SizedFont> deviceFont_;
    Font deviceFontFor_;
    struct OpacityMemo {
        std::weak_ptr<const Image> image;
        bool opaque = false;
    };
    std::array<OpacityMemo, 4> opacity_{};
    unsigned opacityNext_ = 0;
    // At a device scale: the last few pictures stretched to a device size, so that painting
    // them again at that size is a plain copy.
    struct StretchMemo {
        std::weak_ptr<const Image> source;
        std::int64_t width = 0, height = 0;
        std::shared_ptr<const Image> stretched;
    };
    std::shared_ptr<const Image> Stretched(const std::shared_ptr<const Image>& source,
                                           std::int64_t w, std::int64_t h);
    std::array<StretchMemo, 4> stretched_{};
    unsigned stretchedNext_ = 0;
    PixelBox dirty_;
};

// What was drawn on a surface as a picture of its logical size; at a device scale the
// device pixels come with it as the image for that scale, and the logical image is them
// reduced smoothly.
Picture SurfacePicture(const SurfaceCanvas& surface, std::string label);

// An image resampled smoothly to w x h (nearest for a one-bit image); the image itself when
// it has that size already.
Image Resampled(const Image& image, int w, int h);

} // namespace nk
