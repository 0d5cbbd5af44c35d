#include "framework/push.h"

#include "framework/glow.h"

namespace nk {

void SetGlowVisible(Host& host, std::string_view shape, bool visible) {
    if (Shape* glow = host.ShapeChild(shape)) glow->SetVisible(visible);
}

void ShowGlow(Shape& glow, OleColor glowColor) {
    if (auto fill = GlowFillColor(glowColor)) glow.SetFillColor(*fill);
    glow.SetVisible(true);
}

} // namespace nk
