// The picture modes shared by both libraries, the placement rule that puts a picture
// in the 250 x 100 reference frame, and the inside test of hover tracking.
#pragma once

#include "framework/host.h"

#include <cstdint>
#include <optional>

namespace nk {

// NKPicStyles (set 1) and NKPicStyles2 (set 2) share these members and values.
enum NKPicStyles : std::int32_t {
    DefaultStyle = 0,
    RescaleToEdges = 1,
    RescaleWhenNeeded = 2,
    HalfSize = 3,
    DoubleSize = 4,
    OneAndHalfSize = 5,
};

struct Placement {
    double x = 0;
    double y = 0;
    bool ownSize = false; // PaintPicture without width and height
    double width = 0;
    double height = 0;
};

// Where a picture goes on a W x H surface for a mode, with shift s (0, or 2 while pressed
// with the picture going down). Modes without a rule (5 and anything outside 0-4) place
// nothing.
std::optional<Placement> PlacePicture(std::int32_t mode, double w, double h, double s);

// Places and paints a picture by the rule; nothing for an absent picture or a mode
// without a rule.
void PaintPlaced(Canvas& canvas, const Picture& picture, std::int32_t mode, double s);

// The hover inside test: 0 <= x <= w and 0 <= y <= h; a NaN coordinate is outside.
bool IsInside(double x, double y, double w, double h);

// Copies a non-empty short-cut key into the surface's access keys; an empty one leaves
// the access keys in force.
void ApplyShortCutKey(HostSite& host, const std::string& shortCutKey);

} // namespace nk
