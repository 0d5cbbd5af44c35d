#include "framework/picture_masks.h"

#include "framework/pic_styles.h"

namespace nk {

std::optional<Picture> StretchedMask(Host& host, int bitmap, double w, double h) {
    PictureBox* canvas = host.PictureBoxChild("Picture1");
    if (!canvas) return std::nullopt;
    canvas->Move(0, 0, w, h);
    canvas->PaintPicture(host.LoadResPicture(bitmap), 0, 0, w, h);
    return canvas->Image();
}

std::optional<Picture> MaskForMode(Host& host, std::int32_t mode, const MaskBitmaps& bitmaps,
                                   double w, double h) {
    switch (mode) {
    case DefaultStyle:
        return host.LoadResPicture(bitmaps.natural);
    case RescaleToEdges:
    case RescaleWhenNeeded:
        return StretchedMask(host, bitmaps.natural, w, h);
    case HalfSize:
        return host.LoadResPicture(bitmaps.half);
    case DoubleSize:
    case OneAndHalfSize:
        return host.LoadResPicture(bitmaps.twice);
    default:
        return std::nullopt;
    }
}

} // namespace nk
