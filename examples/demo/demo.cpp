// The demo form, wired: loads demo.nkform (every control in several looks) and attaches the
// application's handlers by name. The pad moves the marker sphere and the fill bar follows
// the pad's X value; each check box enables the button beside it; a pill button shines
// round its edge when clicked.
//
//     nk_demo_form [FORM] [--frames N] [--save FILE]
#include "host/form.h"
#include "host/library_loader.h"
#include "host/window_host.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

double Number(nk::FormControl& c, const char* member) {
    const auto v = c.Get(member);
    const auto d = v ? v->ToDouble() : std::nullopt;
    return d.value_or(0);
}

// The pad's point (its X and Y values) moves the marker inside the pad's field and sets
// the fill bar.
void WirePad(nk::Form& form) {
    nk::FormControl* pad = form.Find("Pad1");
    nk::FormControl* marker = form.Find("Marker");
    nk::FormControl* field = form.Find("Field");
    nk::FormControl* fill = form.Find("Fill1");
    if (!pad || !marker || !field) return;
    const int homeX = marker->left();
    const int homeY = marker->top();
    pad->On("XYRefresh", [=](nk::FormControl& p, auto) {
        const double x = std::clamp(Number(p, "XValue"), -100.0, 100.0);
        const double y = std::clamp(Number(p, "YValue"), -100.0, 100.0);
        const int reachX = (field->width() - marker->width()) / 2;
        const int reachY = (field->height() - marker->height()) / 2;
        marker->Move(homeX + static_cast<int>(x * reachX / 100),
                     homeY - static_cast<int>(y * reachY / 100));
        if (fill) fill->Set("Value", nk::Variant::Long(static_cast<int>((x + 100) / 2)));
    });
}

void WireChecks(nk::Form& form) {
    for (int i = 1; i <= 3; ++i) {
        nk::FormControl* check = form.Find("Check" + std::to_string(i));
        nk::FormControl* button = form.Find("Command" + std::to_string(i));
        if (!check || !button) continue;
        check->On("Click", [button](nk::FormControl& c, auto) {
            const bool on = Number(c, "Value") != 0;
            button->Set("Enabled", nk::Variant::Boolean(nk::ToVBool(on)));
        });
    }
}

void WirePills(nk::Form& form) {
    for (const auto& c : form.controls()) {
        if (c->table().className != "NuvelHCommand") continue;
        c->On("Click", [](nk::FormControl& pill, auto) { pill.Call("ShineEdges"); });
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
