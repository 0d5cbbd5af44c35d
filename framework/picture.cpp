#include "framework/picture.h"

namespace nk {

Image::Image(int w, int h, std::uint32_t fill)
    : width(w), height(h), pixels(static_cast<size_t>(w > 0 ? w : 0) * (h > 0 ? h : 0), fill) {}

ScaledImage::ScaledImage(double scale, std::shared_ptr<const Image> image)
    : scale_(scale), width_(image ? image->width : 0), height_(image ? image->height : 0),
      slot_(std::make_shared<Slot>()) {
    slot_->image = std::move(image);
}

ScaledImage::ScaledImage(double scale, int width, int height, Maker make)
    : scale_(scale), width_(width), height_(height), slot_(std::make_shared<Slot>()) {
    slot_->make = std::move(make);
}

std::shared_ptr<const Image> ScaledImage::image() const {
    std::call_once(slot_->once, [slot = slot_.get()] {
        if (slot->make) slot->image = slot->make();
        slot->make = nullptr; // what it held (the encoded bytes) is not needed again
    });
    return slot_->image;
}

std::shared_ptr<const Image> PictureObject::VariantAt(double scale) const {
    if (scale == 1.0) return image_;
    for (const ScaledImage& v : variants_)
        if (v.scale() == scale) return v.image();
    return nullptr;
}

std::shared_ptr<const Image> PictureObject::Finest() const {
    // The finest that can be made: a finer image that fails leaves the next one.
    for (auto v = variants_.rbegin(); v != variants_.rend(); ++v)
        if (v->scale() > 1.0)
            if (std::shared_ptr<const Image> image = v->image()) return image;
    return image_;
}

Picture MakeEmptyPicture() {
    return std::make_shared<PictureObject>();
}

Picture MakePicture(Image image, std::string label) {
    return std::make_shared<PictureObject>(std::make_shared<const Image>(std::move(image)),
                                           std::move(label));
}

bool WithinPictureLimits(std::int64_t w, std::int64_t h) {
    return w >= 0 && h >= 0 && w <= kMaxPictureSide && h <= kMaxPictureSide &&
           static_cast<std::uint64_t>(w) * static_cast<std::uint64_t>(h) <= kMaxPicturePixels;
}

bool WithinPictureLimits(const Picture& p) {
    if (!HasImage(p)) return true;
    const auto within = [](const Image* i) {
        return !i || WithinPictureLimits(i->width, i->height);
    };
    if (!within(p->image())) return false;
    for (const ScaledImage& v : p->variants())
        if (!WithinPictureLimits(v.width(), v.height())) return false;
    return true;
}

std::string PictureName(const Picture& p) {
    if (!p) return "nothing";
    if (!p->HasImage()) return "empty";
    return p->label();
}

} // namespace nk
