// The raster surface: the Canvas operations on an in-memory image, with coordinates
// rounded to whole pixels (halves away from zero) and everything clipped to the image.
#include "host/surface_canvas.h"

#include "host/raster.h"
#include "host/text.h"

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

void SurfaceCanvas::TouchCircle(std::int64_t cx, std::int64_t cy, double r) {
    const double limit = static_cast<double>(raster::kCoordLimit);
    const std::int64_t reach =
        static_cast<std::int64_t>(std::ceil(std::min(r, limit))) + PenReach(drawWidth_);
    Touch(cx - reach, cy - reach, cx + reach + 1, cy + reach + 1);
}

SurfaceCanvas::SurfaceCanvas(int w, int h, OleColor back, OleColor fore, const Font& font)
    : image_(SaneSide(w), SaneSide(h), Pixel(back)), back_(back), fore_(fore), font_(font) {
    MarkAll(); // a new surface has never been shown
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
    if (w == image_.width && h == image_.height) return true;
    try {
        Image next(w, h, Pixel(fill));
        next.bitsPerPixel = image_.bitsPerPixel;
        const int cw = std::min(w, image_.width), ch = std::min(h, image_.height);
        for (int y = 0; y < ch && cw > 0; ++y)
            std::copy_n(image_.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image_.width, cw,
                        next.pixels.begin() + static_cast<std::ptrdiff_t>(y) * w);
        image_ = std::move(next);
        MarkAll();
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

double SurfaceCanvas::ScaleWidth() const {
    return image_.width;
}
double SurfaceCanvas::ScaleHeight() const {
    return image_.height;
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
    const raster::View v = ViewOf(image_);
    const text::Pen pen{v, v.Bounds(), Pixel(fore_), font_.underline, font_.strikethru};
    const int lines = text::PrintText(*f, pen, text, *x, *y, 0);
    // Glyphs may reach left of the pen position; the rows the lines cover hold them all.
    Touch(0, *y - 1, image_.width, *y + static_cast<std::int64_t>(lines + 1) * f->metrics().height);
    currentX_ = 0;
    currentY_ += static_cast<double>(lines) * f->metrics().height;
    return true;
}

Rect SurfaceCanvas::GetClientRect() {
    return {0, 0, image_.width, image_.height};
}

bool SurfaceCanvas::DrawText(std::string_view text, const Rect& r, unsigned flags) {
    const auto lock = text::TextLock();
    text::SizedFont* f = DrawingFont();
    if (!f) return false;
    const raster::View v = ViewOf(image_);
    const text::Pen pen{v, v.Bounds(), Pixel(fore_), font_.underline, font_.strikethru};
    text::DrawTextInRect(*f, pen, text, r, flags);
    if (flags & kDrawTextNoClip)
        MarkAll();
    else
        Touch(r.left, r.top, r.right, r.bottom);
    return true;
}

} // namespace nk
