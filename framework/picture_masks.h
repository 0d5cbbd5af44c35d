// The masks that give a skinned control its shape in each picture mode: a bitmap of the
// natural, half or double size, or the natural one stretched to the control on its hidden
// canvas.
#pragma once

#include "framework/host.h"

#include <cstdint>
#include <optional>

namespace nk {

// The resource numbers of a control's mask bitmaps.
struct MaskBitmaps {
    int natural;
    int half;
    int twice;
};

// The resource mask `bitmap` stretched to w x h on the control's hidden canvas "Picture1",
// as the canvas's image; nothing when the control has no such canvas.
std::optional<Picture> StretchedMask(Host& host, int bitmap, double w, double h);

// The mask for picture mode `mode` on a w x h control: the natural bitmap by default, the
// natural one stretched in the rescaling modes, the half bitmap at half size and the double
// one at double and one-and-a-half size. Nothing for other modes, or when a rescaling mode
// finds no canvas: the control keeps the mask it has.
std::optional<Picture> MaskForMode(Host& host, std::int32_t mode, const MaskBitmaps& bitmaps,
                                   double w, double h);

// Gives the control the mask of its picture mode, then applies its size rule `resize`.
// `busy` keeps the Resize that the new mask causes in the rescaling modes from coming back.
template <typename Resize>
void ApplyModeMask(Host& host, bool& busy, std::int32_t mode, const MaskBitmaps& bitmaps,
                   Resize&& resize) {
    if (busy) return;
    busy = true;
    const double w = host.ScaleWidth();
    const double h = host.ScaleHeight();
    if (auto mask = MaskForMode(host, mode, bitmaps, w, h)) host.SetMaskPicture(*mask);
    resize();
    busy = false;
}

} // namespace nk
