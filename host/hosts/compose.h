// The compositor: a control as its container shows it. The drawing surface (inside a
// one-pixel black line when BorderStyle is 1), then the visible child picture boxes at
// their places, clipped to the surface, then each visible shape (the glow overlay)
// combined by merge-not-pen (pixel OR NOT fill colour), then the mask: where a mask
// picture is set, only its black pixels belong to the control; its white pixels and
// everything outside it are see-through (alpha 0). Hot zones draw nothing.
//
// Every procedure can work on a part of the control only, so that a container repaints
// just what changed and a hit test composes the one pixel under the pointer.
#pragma once

#include "framework/picture.h"
#include "host/hosts/headless_host.h"
#include "host/surface/surface_canvas.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace nk {

// Where a composition goes: a buffer of the caller's (an image, a window's surface, a Qt
// widget's backing image) holding the part `area` of the control (control pixels, device
// pixels at a device scale), its pixel (area.left, area.top) at `pixels`, its rows `stride`
// pixels apart. Pixels are 0xAARRGGBB.
struct ComposeTarget {
    // What becomes of a pixel the mask leaves out: cleared to 0 (see-through), or kept as the
    // buffer holds it (a form behind the control shows there).
    enum class SeeThrough { Clear, Keep };

    std::uint32_t* pixels = nullptr;
    std::ptrdiff_t stride = 0;
    PixelBox area;
    SeeThrough seeThrough = SeeThrough::Clear;
};

// The control's extent in the pixels it composes to (device pixels at a device scale).
PixelBox DeviceExtent(const HeadlessHost& host);

// Composes the control into the target's area, clipped to the control's extent: the pixels of
// the area outside the extent stay as they are.
void ComposeInto(const HeadlessHost& host, const ComposeTarget& into);

// The composed control, extent-sized, pixels 0xAARRGGBB. A host drawing at a device scale
// gives device pixels: the extent times the scale, the border, the children, the glow
// overlay and the mask all where the logical layout puts them.
Image Compose(const HeadlessHost& host);
// The part of the composed control inside `area` (control pixels, device pixels at a
// device scale, clipped to its extent): the result's pixel (0, 0) is the clipped area's
// top-left corner.
Image ComposeArea(const HeadlessHost& host, PixelBox area);

// Whether a mask picture's pixel (0xAARRGGBB) belongs to the control: dark pixels do.
bool MaskKeeps(std::uint32_t pixel);

// 0xFFRRGGBB <-> OLE colour 0x00BBGGRR.
OleColor PixelToOleColor(std::uint32_t pixel);

// The composed pixel at (x, y) as an OLE colour; nothing where see-through or outside.
std::optional<OleColor> ComposedPixel(const Image& composed, int x, int y);
// The same for the control itself, composing only that pixel; (x, y) are logical pixels
// at every device scale (the device pixel at the centre of the logical one is taken).
std::optional<OleColor> ComposedPixelAt(const HeadlessHost& host, int x, int y);

} // namespace nk
