#include "framework/picture.h"

namespace nk {

Image::Image(int w, int h, std::uint32_t fill)
    : width(w), height(h), pixels(static_cast<size_t>(w > 0 ? w : 0) * (h > 0 ? h : 0), fill) {}

const Image* PictureObject::VariantAt(double scale) const {
    if (scale == 1.0) return image_.get();
    for (const ScaledImage& v : variants_)
        if (v.scale == scale) return v.image.get();
    return nullptr;
}

const Image* PictureObject::Finest() const {
    const Image* finest = image_.get();
    double best = 1.0;
    for (const ScaledImage& v : variants_)
        if (v.image && v.scale > best) finest = v.image.get(), best = v.scale;
    return finest;
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
        if (!within(v.image.get())) return false;
    return true;
}

std::string PictureName(const Picture& p) {
    if (!p) return "nothing";
    if (!p->HasImage()) return "empty";
    return p->label();
}

} // namespace nk
