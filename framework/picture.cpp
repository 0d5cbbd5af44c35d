#include "framework/picture.h"

namespace nk {

Image::Image(int w, int h, std::uint32_t fill)
    : width(w), height(h), pixels(static_cast<size_t>(w > 0 ? w : 0) * (h > 0 ? h : 0), fill) {}

Picture MakeEmptyPicture() { return std::make_shared<PictureObject>(); }

Picture MakePicture(Image image, std::string label) {
    return std::make_shared<PictureObject>(std::make_shared<const Image>(std::move(image)),
                                           std::move(label));
}

std::string PictureName(const Picture& p) {
    if (!p) return "nothing";
    if (!p->HasImage()) return "empty";
    return p->label();
}

} // namespace nk
