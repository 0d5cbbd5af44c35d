#include "host/hosts/child_place.h"

#include "host/hosts/pixel_extent.h"

#include <cmath>

namespace nk {

bool ChildPlace::Acceptable(double left, double top, double width, double height) {
    return std::isfinite(left) && std::isfinite(top) && PixelSize(width) && PixelSize(height);
}

bool ChildPlace::MoveTo(double left, double top, double width, double height) {
    if (!Acceptable(left, top, width, height)) return false;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    return true;
}

} // namespace nk
