// The raster surface: the Canvas operations on an in-memory image, with coordinates
// rounded to whole pixels (halves away from zero) and everything clipped to the image.
#include "host/surface/surface_canvas.h"

#include "host/surface/raster.h"
#include "host/surface/text.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>

namespace nk {

namespace {

constexpr int kMaxSide = 16384;
constexpr unsigned kDrawTextNoClip = 0x100;

int SaneSide(int v) {
    return v < 0 || v > kMaxSide ? 0 : v;
}

// The device scales a surface draws at; anything else draws at 1.
double SaneScale(double s) {
    return s == 1.5 || s == 2.0 || s == 3.0 ? s : 1.0;
}

// The scale a surface of w x h logical pixels draws at: the one asked for when its device
// pixels stay within the largest side, else 1.
double FittingScale(int w, int h, double asked) {
    const double s = SaneScale(asked);
    return DevicePixels(SaneSide(w), s) > kMaxSide || DevicePixels(SaneSide(h), s) > kMaxSide ? 1.0
                                                                                              : s;
}

std::uint32_t Pixel(OleColor c) {
    return 0xFF000000u | ResolveColor(c);
}

// A coordinate where it meets pixels: nearest integer, halves away from zero; nothing for
// a value that is not a number.
std::optional<std::int64_t> ToPixel(double v) {
    if (std::isnan(v)) return std::nullopt;
    const double lim = static_cast<double>(raster::kCoordLimit);
    v = std::clamp(v, -lim, lim);
    std::int64_t whole = static_cast<std::int64_t>(v); // towards zero; exact below 2^52
    const double rest = v - static_cast<double>(whole);
    if (rest >= 0.5)
        ++whole;
    else if (rest <= -0.5)
        --whole;
    return whole;
}

raster::View ViewOf(Image& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() < static_cast<std::size_t>(image.width) * image.height)
        return {};
    return {image.pixels.data(), image.width, image.height, image.width};
}

std::optional<raster::Source> SourceOf(const Picture& p) {
    if (!HasImage(p)) return std::nullopt;
    const Image& im = *p->image();
    if (im.width <= 0 || im.height <= 0 ||
        im.pixels.size() < static_cast<std::size_t>(im.width) * im.height)
        return std::nullopt;
    return raster::Source{im.pixels.data(), im.width, im.height, im.width};
}

// How far a pen of `width` pixels reaches beyond the point it is centred on, with a pixel
// to spare for rounding.
std::int64_t PenReach(int width) {
    return width / 2 + 1;
}

} // namespace

int DevicePixels(int logical, double scale) {
    return scale == 1.0 ? logical : static_cast<int>(std::lround(logical * scale));
}

double NearestDeviceScale(double ratio) {
    if (ratio >= 2.5) return 3.0;
    if (ratio >= 1.75) return 2.0;
    if (ratio >= 1.25) return 1.5;
    return 1.0;
}

void SurfaceCanvas::TouchCircle(std::int64_t cx, std::int64_t cy, double r) {
    const double limit = static_cast<double>(raster::kCoordLimit);
    const std::int64_t reach =
        static_cast<std::int64_t>(std::ceil(std::min(r, limit))) + PenReach(drawWidth_);
    Touch(cx - reach, cy - reach, cx + reach + 1, cy + reach + 1);
}

SurfaceCanvas::SurfaceCanvas(int w, int h, OleColor back, OleColor fore, const Font& font)
    : SurfaceCanvas(w, h, back, fore, font, 1.0) {}

SurfaceCanvas::SurfaceCanvas(int w, int h, OleColor back, OleColor fore, const Font& font,
                             double scale)
    : image_(DevicePixels(SaneSide(w), FittingScale(w, h, scale)),
             DevicePixels(SaneSide(h), FittingScale(w, h, scale)), Pixel(back)),
      width_(SaneSide(w)), height_(SaneSide(h)), scale_(FittingScale(w, h, scale)), back_(back),
      fore_(fore), font_(font) {
    MarkAll(); // a new surface has never been shown
}

std::int64_t SurfaceCanvas::Dev(std::int64_t v) const {
    if (!Scaled()) return v;
    return static_cast<std::int64_t>(std::llround(static_cast<double>(v) * scale_));
}

void SurfaceCanvas::Touch(std::int64_t left, std::int64_t top, std::int64_t right,
                          std::int64_t bottom) {
    const auto clampX = [&](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, 0, image_.width));
    };
    const auto clampY = [&](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, 0, image_.height));
    };
    dirty_ = Union(dirty_, {clampX(left), clampY(top), clampX(right), clampY(bottom)});
}

bool SurfaceCanvas::ResizeTo(int w, int h, OleColor fill) {
    if (w < 0 || h < 0 || w > kMaxSide || h > kMaxSide) return false;
    if (w == width_ && h == height_) return true;
    const int logicalW = w, logicalH = h;
    w = DevicePixels(w, scale_);
    h = DevicePixels(h, scale_);
    if (w > kMaxSide || h > kMaxSide) return false; // more device pixels than a surface holds
    try {
        Image next(w, h, Pixel(fill));
        next.bitsPerPixel = image_.bitsPerPixel;
        const int cw = std::min(w, image_.width), ch = std::min(h, image_.height);
        for (int y = 0; y < ch && cw > 0; ++y)
            std::copy_n(image_.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image_.width, cw,
                        next.pixels.begin() + static_cast<std::ptrdiff_t>(y) * w);
        image_ = std::move(next);
        width_ = logicalW;
        height_ = logicalH;
        MarkAll();
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool SurfaceCanvas::SetScale(double scale) {
    const double next = FittingScale(width_, height_, scale);
    if (next == scale_) return true;
    try {
        // Each new device pixel takes the old one at the same place of the logical grid, so
        // that what the owner does not draw again keeps its colours exactly.
        Image out(DevicePixels(width_, next), DevicePixels(height_, next), 0);
        out.bitsPerPixel = image_.bitsPerPixel;
        const double was = scale_;
        // The logical pixel a device pixel lies in (logical pixel L covers the device pixels
        // from Dev(L) up to Dev(L + 1)), and the first old device pixel of that one.
        const auto from = [was, next](int v, int side) {
            const auto dev = [](std::int64_t l, double s) { return std::llround(l * s); };
            std::int64_t l = static_cast<std::int64_t>(v / next);
            while (dev(l + 1, next) <= v)
                ++l;
            while (l > 0 && dev(l, next) > v)
                --l;
            return static_cast<int>(std::clamp<std::int64_t>(dev(l, was), 0, side - 1));
        };
        if (image_.width > 0 && image_.height > 0)
            for (int y = 0; y < out.height; ++y)
                for (int x = 0; x < out.width; ++x)
                    out.pixels[static_cast<std::size_t>(y) * out.width + x] =
                        image_.At(from(x, image_.width), from(y, image_.height));
        image_ = std::move(out);
    } catch (const std::bad_alloc&) {
        return false;
    }
    scale_ = next;
    // The font rasterised and the pictures stretched for the old device pixels.
    deviceFont_.reset();
    stretched_ = {};
    MarkAll();
    return true;
}

double SurfaceCanvas::ScaleWidth() const {
    return width_;
}
double SurfaceCanvas::ScaleHeight() const {
    return height_;
}

bool SurfaceCanvas::Cls() {
    std::fill(image_.pixels.begin(), image_.pixels.end(), Pixel(back_));
    MarkAll();
    currentX_ = 0;
    currentY_ = 0;
    return true;
}

bool SurfaceCanvas::Line(double x1, double y1, double x2, double y2, OleColor c, LineKind kind) {
    const auto ax = ToPixel(x1), ay = ToPixel(y1), bx = ToPixel(x2), by = ToPixel(y2);
    if (!ax || !ay || !bx || !by) return false;
    if (Scaled()) {
        ScaledLine(*ax, *ay, *bx, *by, Pixel(c), kind);
        return true;
    }
    const raster::View v = ViewOf(image_);
    const raster::Box all = v.Bounds();
    const std::int64_t reach = PenReach(drawWidth_);
    Touch(std::min(*ax, *bx) - reach, std::min(*ay, *by) - reach, std::max(*ax, *bx) + reach + 1,
          std::max(*ay, *by) + reach + 1);
    switch (kind) {
    case LineKind::Plain:
        raster::DrawLine(v, all, *ax, *ay, *bx, *by, Pixel(c), drawWidth_);
        break;
    case LineKind::Box:
        raster::DrawFrame(v, all, *ax, *ay, *bx, *by, Pixel(c), drawWidth_);
        break;
    case LineKind::FilledBox:
        raster::FillFrame(v, all, *ax, *ay, *bx, *by, Pixel(c), drawWidth_);
        break;
    }
    return true;
}

bool SurfaceCanvas::Circle(double x, double y, double r, OleColor c) {
    const auto cx = ToPixel(x), cy = ToPixel(y);
    if (!cx || !cy || !(r >= 0)) return false;
    if (Scaled()) {
        ScaledCircle(*cx, *cy, r, Pixel(c), nullptr);
        return true;
    }
    const raster::View v = ViewOf(image_);
    TouchCircle(*cx, *cy, r);
    raster::DrawCircle(v, v.Bounds(), *cx, *cy, r, Pixel(c), drawWidth_, nullptr);
    return true;
}

bool SurfaceCanvas::Arc(double x, double y, double r, OleColor c, double start, double end) {
    const auto cx = ToPixel(x), cy = ToPixel(y);
    if (!cx || !cy || !(r >= 0) || !std::isfinite(start) || !std::isfinite(end)) return false;
    const raster::View v = ViewOf(image_);
    const raster::ArcRange arc{start, end};
    if (Scaled()) {
        ScaledCircle(*cx, *cy, r, Pixel(c), &arc);
        return true;
    }
    TouchCircle(*cx, *cy, r);
    raster::DrawCircle(v, v.Bounds(), *cx, *cy, r, Pixel(c), drawWidth_, &arc);
    return true;
}

bool SurfaceCanvas::IsOpaque(const std::shared_ptr<const Image>& image) {
    for (const OpacityMemo& m : opacity_)
        if (!m.image.owner_before(image) && !image.owner_before(m.image) && !m.image.expired())
            return m.opaque;
    const Image& im = *image;
    const bool opaque = raster::IsOpaque({im.pixels.data(), im.width, im.height, im.width});
    opacity_[opacityNext_] = {image, opaque};
    opacityNext_ = (opacityNext_ + 1) % opacity_.size();
    return opaque;
}

bool SurfaceCanvas::PaintPicture(const Picture& p, double x, double y) {
    auto src = SourceOf(p);
    const auto px = ToPixel(x), py = ToPixel(y);
    if (!src || !px || !py) return false;
    if (Scaled()) return ScaledPicture(p, *px, *py, src->width, src->height);
    src->opaque = IsOpaque(p->shared_image());
    const raster::View v = ViewOf(image_);
    Touch(*px, *py, *px + src->width, *py + src->height);
    raster::Blit(v, v.Bounds(), *src, *px, *py);
    return true;
}

bool SurfaceCanvas::PaintPicture(const Picture& p, double x, double y, double w, double h) {
    auto src = SourceOf(p);
    const auto px = ToPixel(x), py = ToPixel(y), pw = ToPixel(w), ph = ToPixel(h);
    if (!src || !px || !py || !pw || !ph) return false;
    if (!(w > 0) || !(h > 0) || *pw <= 0 || *ph <= 0) return true; // nothing to draw
    if (Scaled()) return ScaledPicture(p, *px, *py, *pw, *ph);
    const raster::View v = ViewOf(image_);
    src->opaque = IsOpaque(p->shared_image());
    Touch(*px, *py, *px + *pw, *py + *ph);
    if (*pw == src->width && *ph == src->height) {
        raster::Blit(v, v.Bounds(), *src, *px, *py);
        return true;
    }
    const raster::Box dst{*px, *py, *px + *pw, *py + *ph};
    if (p->image()->IsMonochrome())
        raster::StretchNearest(v, v.Bounds(), *src, dst);
    else
        raster::StretchSmooth(v, v.Bounds(), *src, dst);
    return true;
}

text::SizedFont* SurfaceCanvas::DrawingFont() {
    if (!drawingFont_ || !(drawingFontFor_ == font_)) {
        drawingFont_ = text::ResolveFont(font_);
        drawingFontFor_ = font_;
    }
    return drawingFont_.get();
}

text::SizedFont* SurfaceCanvas::DeviceFont() {
    if (!Scaled()) return DrawingFont();
    if (!deviceFont_ || !(deviceFontFor_ == font_)) {
        Font device = font_;
        device.size *= scale_;
        deviceFont_ = text::ResolveFont(device);
        deviceFontFor_ = font_;
    }
    return deviceFont_.get();
}

double SurfaceCanvas::TextWidth(std::string_view text) {
    const auto lock = text::TextLock();
    text::SizedFont* f = DrawingFont();
    return f ? text::MeasureText(*f, text).width : 0;
}

double SurfaceCanvas::TextHeight(std::string_view text) {
    const auto lock = text::TextLock();
    text::SizedFont* f = DrawingFont();
    return f ? static_cast<double>(text::MeasureText(*f, text).lines) * f->metrics().height : 0;
}

bool SurfaceCanvas::Print(std::string_view text) {
    const auto x = ToPixel(currentX_), y = ToPixel(currentY_);
    if (!x || !y) return false;
    const auto lock = text::TextLock();
    text::SizedFont* f = DrawingFont();
    if (!f) return false;
    text::SizedFont* device = DeviceFont();
    if (!device) return false;
    const raster::View v = ViewOf(image_);
    const text::Pen pen{v, v.Bounds(), Pixel(fore_), font_.underline, font_.strikethru};
    const int lines = text::PrintText(*device, pen, text, Dev(*x), Dev(*y), 0);
    // Glyphs may reach left of the pen position; the rows the lines cover hold them all.
    Touch(0, Dev(*y) - 1, image_.width,
          Dev(*y) + static_cast<std::int64_t>(lines + 1) * device->metrics().height);
    currentX_ = 0;
    currentY_ += static_cast<double>(lines) * f->metrics().height;
    return true;
}

Rect SurfaceCanvas::GetClientRect() {
    return {0, 0, width_, height_};
}

bool SurfaceCanvas::DrawText(std::string_view text, const Rect& r, unsigned flags) {
    const auto lock = text::TextLock();
    text::SizedFont* f = DrawingFont();
    if (!f) return false;
    const raster::View v = ViewOf(image_);
    const text::Pen pen{v, v.Bounds(), Pixel(fore_), font_.underline, font_.strikethru};
    if (Scaled()) {
        text::SizedFont* device = DeviceFont();
        if (!device) return false;
        text::DrawTextInRect(*f, pen, text, r, flags, text::DeviceText{device, scale_});
    } else {
        text::DrawTextInRect(*f, pen, text, r, flags);
    }
    if (flags & kDrawTextNoClip)
        MarkAll();
    else
        Touch(Dev(r.left), Dev(r.top), Dev(r.right), Dev(r.bottom));
    return true;
}

// ---- drawing at a device scale ----
//
// Every logical pixel becomes a block of device pixels. Straight one-pixel lines and the
// rectangles of the frame procedures cover exactly the blocks of the logical pixels they
// cover at scale 1; slanted lines, wider pens and circles are drawn again on the device
// grid with the pen and the radius scaled, so that they come out finer.

namespace {

raster::Box DeviceBox(const raster::Box& b, double s) {
    const auto d = [s](std::int64_t v) {
        return static_cast<std::int64_t>(std::llround(static_cast<double>(v) * s));
    };
    return {d(b.x0), d(b.y0), d(b.x1), d(b.y1)};
}

int DevicePen(int logicalWidth, double s) {
    return std::max(1, static_cast<int>(std::lround(logicalWidth * s)));
}

} // namespace

void SurfaceCanvas::ScaledLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                               std::uint32_t color, LineKind kind) {
    const raster::View v = ViewOf(image_);
    const raster::Box all = v.Bounds();
    const auto fill = [&](const raster::Box& logical) {
        const raster::Box d = DeviceBox(logical, scale_);
        Touch(d.x0, d.y0, d.x1, d.y1);
        raster::FillBox(v, all, d, color);
    };
    if (kind != LineKind::Plain) {
        const auto [outer, inner] = raster::FrameOf(x1, y1, x2, y2, drawWidth_);
        if (kind == LineKind::FilledBox || inner.Empty()) {
            fill(outer);
            return;
        }
        fill({outer.x0, outer.y0, outer.x1, inner.y0});
        fill({outer.x0, inner.y1, outer.x1, outer.y1});
        fill({outer.x0, inner.y0, inner.x0, inner.y1});
        fill({inner.x1, inner.y0, outer.x1, inner.y1});
        return;
    }
    if (drawWidth_ <= 1) {
        if (const auto straight = raster::StraightLineBox(x1, y1, x2, y2)) {
            fill(*straight);
            return;
        }
        if (x1 == x2 && y1 == y2) return;
    }
    // The device pen covers the blocks of the logical pen's first and last rows and columns.
    const int pen = DevicePen(drawWidth_, scale_);
    const std::int64_t shift = raster::BrushOffset(drawWidth_), back = raster::BrushOffset(pen);
    const auto at = [&](std::int64_t p) { return Dev(p + shift) - back; };
    const std::int64_t reach = PenReach(pen);
    Touch(std::min(at(x1), at(x2)) - reach, std::min(at(y1), at(y2)) - reach,
          std::max(at(x1), at(x2)) + reach + 1, std::max(at(y1), at(y2)) + reach + 1);
    raster::DrawLine(v, all, at(x1), at(y1), at(x2), at(y2), color, pen);
}

void SurfaceCanvas::ScaledCircle(std::int64_t cx, std::int64_t cy, double r, std::uint32_t color,
                                 const raster::ArcRange* arc) {
    const raster::View v = ViewOf(image_);
    // The centre of the logical pixel, on the device pixel at or just above and left of it.
    const auto centre = [&](std::int64_t p) {
        return static_cast<std::int64_t>(
            std::floor((static_cast<double>(p) + 0.5) * scale_ - 0.5 + 1e-9));
    };
    const std::int64_t dx = centre(cx), dy = centre(cy);
    const double dr = r * scale_;
    const int pen = DevicePen(drawWidth_, scale_);
    const double limit = static_cast<double>(raster::kCoordLimit);
    const std::int64_t reach =
        static_cast<std::int64_t>(std::ceil(std::min(dr, limit))) + PenReach(pen);
    Touch(dx - reach, dy - reach, dx + reach + 1, dy + reach + 1);
    raster::DrawCircle(v, v.Bounds(), dx, dy, dr, color, pen, arc);
}

bool SurfaceCanvas::ScaledPicture(const Picture& p, std::int64_t x, std::int64_t y, std::int64_t w,
                                  std::int64_t h) {
    const raster::View v = ViewOf(image_);
    const raster::Box dst = DeviceBox({x, y, x + w, y + h}, scale_);
    if (dst.Empty()) return true;
    Touch(dst.x0, dst.y0, dst.x1, dst.y1);
    // The image painted for this scale when the picture goes at its own size, else the
    // finest image it has, stretched.
    // Only the image that is drawn is asked for, so a finer image is made only at a scale in
    // use.
    std::shared_ptr<const Image> chosen;
    if (w == p->Width() && h == p->Height())
        for (const ScaledImage& variant : p->variants())
            if (variant.scale() == scale_ && variant.width() == dst.x1 - dst.x0 &&
                variant.height() == dst.y1 - dst.y0)
                chosen = variant.image();
    if (!chosen) chosen = p->Finest();
    if (const auto memo = Stretched(chosen, dst.x1 - dst.x0, dst.y1 - dst.y0)) chosen = memo;
    const Image& im = *chosen;
    if (im.width <= 0 || im.height <= 0 ||
        im.pixels.size() < static_cast<std::size_t>(im.width) * im.height)
        return false;
    raster::Source src{im.pixels.data(), im.width, im.height, im.width};
    src.opaque = IsOpaque(chosen);
    if (im.width == dst.x1 - dst.x0 && im.height == dst.y1 - dst.y0)
        raster::Blit(v, v.Bounds(), src, dst.x0, dst.y0);
    else if (im.IsMonochrome())
        raster::StretchNearest(v, v.Bounds(), src, dst);
    else
        raster::StretchSmooth(v, v.Bounds(), src, dst);
    return true;
}

std::shared_ptr<const Image> SurfaceCanvas::Stretched(const std::shared_ptr<const Image>& source,
                                                      std::int64_t w, std::int64_t h) {
    constexpr std::int64_t kMostPixels = std::int64_t{1} << 22;
    if ((source->width == w && source->height == h) || w > kMaxSide || h > kMaxSide ||
        w * h > kMostPixels)
        return nullptr;
    for (const StretchMemo& m : stretched_)
        if (m.width == w && m.height == h && !m.source.owner_before(source) &&
            !source.owner_before(m.source) && !m.source.expired())
            return m.stretched;
    auto out =
        std::make_shared<const Image>(Resampled(*source, static_cast<int>(w), static_cast<int>(h)));
    stretched_[stretchedNext_] = {source, w, h, out};
    stretchedNext_ = (stretchedNext_ + 1) % stretched_.size();
    return out;
}

Image Resampled(const Image& image, int w, int h) {
    if (image.width == w && image.height == h) return image;
    Image out(w, h, 0);
    out.bitsPerPixel = image.bitsPerPixel;
    const raster::View v = ViewOf(out);
    if (v.px == nullptr || image.width <= 0 || image.height <= 0 ||
        image.pixels.size() < static_cast<std::size_t>(image.width) * image.height)
        return out;
    // Every pixel is written: see-through ones too, as they are.
    const raster::Source src{image.pixels.data(), image.width, image.height, image.width, true};
    if (image.IsMonochrome())
        raster::StretchNearest(v, v.Bounds(), src, v.Bounds());
    else
        raster::StretchSmooth(v, v.Bounds(), src, v.Bounds());
    return out;
}

Picture SurfacePicture(const SurfaceCanvas& surface, std::string label) {
    const Image& device = surface.pixels();
    if (surface.scale() == 1.0) return MakePicture(device, std::move(label));
    auto fine = std::make_shared<const Image>(device);
    auto logical =
        std::make_shared<const Image>(Resampled(device, surface.width(), surface.height()));
    return std::make_shared<PictureObject>(
        std::move(logical), std::move(label),
        std::vector<ScaledImage>{{surface.scale(), std::move(fine)}});
}

} // namespace nk
