#include "host/hosts/headless_picture_box.h"

#include "host/hosts/pixel_extent.h"

#include <string>

namespace nk {

HeadlessPictureBox::HeadlessPictureBox(const ChildInfo& info, const Font& font, double scale)
    : HeadlessCanvas(0, 0, info.backColor, kButtonText, font, scale), ChildPlace(info) {}

bool HeadlessPictureBox::Move(double left, double top, double width, double height) {
    if (!Acceptable(left, top, width, height)) return false;
    if (!ResizeSurface(*PixelSize(width), *PixelSize(height), info().backColor)) return false;
    return MoveTo(left, top, width, height);
}

Picture HeadlessPictureBox::Image() {
    return SurfacePicture(surface_, "image:" + std::to_string(surface_.width()) + "x" +
                                        std::to_string(surface_.height()));
}

} // namespace nk
