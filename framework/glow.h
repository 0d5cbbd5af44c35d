// The fill colour of a hover glow overlay. The overlay combines by merge-not-pen (pixel OR
// NOT fill), so a fill of white less the glow colour ORs every pixel with the glow colour.
#pragma once

#include "framework/values.h"

#include <optional>

namespace nk {

// 0xFFFFFF - glow in 32-bit signed arithmetic. A glow colour whose difference does not fit
// (a system colour, whose bit 31 makes it a large negative number) gives nothing, so the
// assignment of the fill colour is skipped and the overlay keeps the fill it had.
std::optional<OleColor> GlowFillColor(OleColor glow);

} // namespace nk
