// The demo form, wired: loads demo.nkform (every control in several looks) and attaches the
// application's handlers by name. The pad moves the marker sphere and the fill bar follows
// the pad's X value; each check box enables the button beside it; a pill button shines
// round its edge when clicked.
//
//     nk_demo_form [FORM] [--frames N] [--save FILE]
#include "host/loading/library_loader.h"
#include "host/window/window_host.h"

#include <nuvelkit/nuvelkit.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The pad's point (its X and Y values) moves the marker inside the pad's field and sets
// the fill bar. A form without these controls is shown unwired.
void WirePad(nk::Form& form) {
    const auto pad = form.Find<nk::NuvelPad>("Pad1");
    const auto marker = form.Find<nk::NuvelSphere>("Marker");
    const auto field = form.Find<nk::NuvelScreen>("Field");
    const auto fill = form.Find<nk::NuvelFill>("Fill1");
    if (!pad || !marker || !field) return;
    nk::FormControl& m = marker->control();
    const int homeX = m.left();
    const int homeY = m.top();
    pad->OnXYRefresh([=, p = *pad, &m, &f = field->control()] {
        const double x = std::clamp<double>(p.XValue(), -100.0, 100.0);
        const double y = std::clamp<double>(p.YValue(), -100.0, 100.0);
        const int reachX = (f.width() - m.width()) / 2;
        const int reachY = (f.height() - m.height()) / 2;
        m.Move(homeX + static_cast<int>(x * reachX / 100),
               homeY - static_cast<int>(y * reachY / 100));
        if (fill) fill->SetValue(nk::Variant::Long(static_cast<int>((x + 100) / 2)));
    });
}

// Each check box enables the button beside it. The change of Value is what follows the
// check box: a keyboard toggle and the second click of a double click raise no Click.
void WireChecks(nk::Form& form) {
    for (int i = 1; i <= 3; ++i) {
        const auto check = form.Find<nk::NuvelCheck>("Check" + std::to_string(i));
        const auto button = form.Find<nk::NuvelCommand>("Command" + std::to_string(i));
        if (!check || !button) continue;
        check->OnValueChanged([b = *button](nk::NKBiState value) {
            b.SetEnabled(value == nk::NKBiState::NKChecked);
        });
    }
}

void WirePills(nk::Form& form) {
    for (const auto& c : form.controls()) {
        const auto pill = form.Find<nk::NuvelHCommand>(c->name());
        if (pill) pill->OnClick([p = *pill] { p.ShineEdges(); });
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string path = NK_DEMO_FORM;
    std::string save;
    int frames = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--frames" && i + 1 < argc) {
            frames = std::atoi(argv[++i]);
        } else if (arg == "--save" && i + 1 < argc) {
            save = argv[++i];
        } else {
            path = arg;
        }
    }
    std::string error;
    // The kit's classes, from the control libraries next to libnuvelkit.
    const nk::KitLibraries kit = nk::OpenKitLibraries(error);
    if (!error.empty()) {
        std::cerr << "error: " << error << '\n';
        return 1;
    }
    auto form = nk::Form::Load(path, kit.Tables(), error);
    if (!form) {
        std::cerr << "error: " << error << '\n';
        return 2;
    }
    WirePad(*form);
    WireChecks(*form);
    WirePills(*form);
    if (!save.empty()) {
        const std::string saved = form->Save(save);
        if (!saved.empty()) {
            std::cerr << "error: " << saved << '\n';
            return 2;
        }
        return 0;
    }
    nk::WindowHost window(*form, {.frames = frames});
    if (!window.ok()) {
        std::cerr << "error: " << window.error() << '\n';
        return 3;
    }
    window.Run();
    return 0;
}
