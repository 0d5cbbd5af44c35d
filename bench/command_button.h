// The button the command benchmarks time: placed by its container at w x h, showing
// NKSpiralRainbow at its own size, a white caption and, with CoolButton off, the raised
// frame, drawing at the device scale `scale`.
#pragma once

#include "host/hosts/control_site.h"
#include "set1/command/nuvel_command.h"

#include <memory>

namespace nk::bench {

inline std::unique_ptr<ControlSite> MakeCommandButton(int w, int h, double scale = 1.0) {
    ControlSite::Options o;
    o.width = w;
    o.height = h;
    o.displayName = "Command1";
    o.scale = scale;
    auto site = std::make_unique<ControlSite>(NuvelCommandInterface(), o);
    site->InitProperties();
    site->Resize();
    site->Set("CoolButton", Variant::Boolean(kFalse));
    site->Set("ForeColor", Variant::Double(0xFFFFFF));
    return site;
}

} // namespace nk::bench
