// The compositor: a control as its container shows it. The drawing surface (inside a
// one-pixel black line when BorderStyle is 1), then the visible child picture boxes at
// their places, clipped to the surface, then each visible shape (the glow overlay)
// combined by merge-not-pen (pixel OR NOT fill colour), then the mask: where a mask
// picture is set, only its black pixels belong to the control; its white pixels and
// everything outside it are see-through (alpha 0). Hot zones draw nothing.
#pragma once

#include "framework/picture.h"
#include "host/headless_host.h"

#include <cstdint>
#include <optional>

namespace nk {

// The composed control, extent-sized, pixels 0xAARRGGBB.
Image Compose(const HeadlessHost& host);

// Whether a mask picture's pixel (0xAARRGGBB) belongs to the control: dark pixels do.
bool MaskKeeps(std::uint32_t pixel);

// Whether the control shows a pixel at (x, y) of its extent (false where see-through or
// outside), without composing it.
bool ShowsPixel(const HeadlessHost& host, int x, int y);

// 0xFFRRGGBB <-> OLE colour 0x00BBGGRR.
OleColor PixelToOleColor(std::uint32_t pixel);

// The composed pixel at (x, y) as an OLE colour; nothing where see-through or outside.
std::optional<OleColor> ComposedPixel(const Image& composed, int x, int y);

} // namespace nk
