// The frame procedures that the push-button controls share. Each draws plain lines,
// which leave out their end point, in the system colours of the 3-D look.
#pragma once

#include "framework/host.h"

namespace nk {

void DrawRaisedFrame(Canvas& c, double l, double t, double r, double b);
void DrawSunkenFrame(Canvas& c, double l, double t, double r, double b);
void DrawIndentFrame(Canvas& c, double l, double t, double r, double b);
// Light on the left and top, dark on the right and bottom; the dark lines run one
// pixel past the light ones so that the corners (l, b) and (r, t) are dark.
void DrawRaisedEdge(Canvas& c, double l, double t, double r, double b);

} // namespace nk
