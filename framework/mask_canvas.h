// The hidden canvas on which a control with a rescaling picture mode stretches its mask.
#pragma once

#include "framework/host.h"

#include <optional>

namespace nk {

// The resource mask `bitmap` stretched to w x h on the control's hidden canvas "Picture1",
// as the canvas's image; nothing when the control has no such canvas.
inline std::optional<Picture> StretchedMask(Host& host, int bitmap, double w, double h) {
    PictureBox* canvas = host.PictureBoxChild("Picture1");
    if (!canvas) return std::nullopt;
    canvas->Move(0, 0, w, h);
    canvas->PaintPicture(host.LoadResPicture(bitmap), 0, 0, w, h);
    return canvas->Image();
}

} // namespace nk
