// An application with all seven controls, wired with typed events and change notifications:
// the pad moves a point shown in the pill button's caption, the check box enables the Fill
// button, which fills the fill bar a step on every click, and the sphere opens the about
// dialog. The panel frames the pad.
//
//     nk_seven [--frames N] [--save FILE]
#include "host/loading/library_loader.h"
#include "host/window/window_host.h"

#include <nuvelkit/nuvelkit.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::string Point(float x, float y) {
    return "Point " + std::to_string(static_cast<int>(x)) + ", " +
           std::to_string(static_cast<int>(y));
}

// Places the seven controls and wires them; throws nk::FormError when one cannot be placed.
void Build(nk::Form& form) {
    form.Add<nk::NuvelScreen>("Field", 10, 10, 170, 140); // the pad's frame
    auto pad = form.Add<nk::NuvelPad>("Pad", 20, 20);
    auto point = form.Add<nk::NuvelHCommand>("Point", 200, 15);
    auto allow = form.Add<nk::NuvelCheck>("Allow", 200, 60);
    auto fillButton = form.Add<nk::NuvelCommand>("FillButton", 200, 100, 120, 45);
    auto progress = form.Add<nk::NuvelFill>("Progress", 10, 165, 380, 42);
    auto about = form.Add<nk::NuvelSphere>("About", 340, 106);

    point.SetCaption(Point(pad.XValue(), pad.YValue()));
    pad.OnXYRefresh([pad, point] { point.SetCaption(Point(pad.XValue(), pad.YValue())); });

    allow.SetCaption("Allow filling");
    fillButton.SetCaption("&Fill");
    fillButton.SetCoolButton(true);
    progress.SetValue(nk::Variant::Long(30));
    fillButton.SetEnabled(allow.Value() == nk::NKBiState::NKChecked);
    // The change of Value follows every toggle: a keyboard toggle raises no Click.
    allow.OnValueChanged([fillButton](nk::NKBiState value) {
        fillButton.SetEnabled(value == nk::NKBiState::NKChecked);
    });

    fillButton.OnClick([progress] {
        const int now = progress.Value().ToLong().value_or(0);
        progress.SetValue(nk::Variant::Long(now >= 100 ? 0 : std::min(100, now + 10)));
    });

    about.SetContentLetter("?");
    about.OnClick([about] { about.AboutMe(); });
}

} // namespace

int main(int argc, char** argv) {
    int frames = -1;
    std::string save;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--frames") frames = std::atoi(argv[i + 1]);
        if (arg == "--save") save = argv[i + 1];
    }
    // The kit's classes, from the control libraries next to libnuvelkit.
    std::string error;
    const nk::KitLibraries kit = nk::OpenKitLibraries(error);
    if (!error.empty()) {
        std::cerr << "error: " << error << '\n';
        return 1;
    }
    nk::Form form(kit.Tables(), {.caption = "Seven controls", .width = 400, .height = 220});
    try {
        Build(form);
    } catch (const nk::FormError& e) {
        std::cerr << "error: " << e.what() << '\n';
        return 3;
    }
    if (!save.empty()) {
        error = form.Save(save);
        if (!error.empty()) std::cerr << "error: " << error << '\n';
        return error.empty() ? 0 : 2;
    }
    nk::WindowHost window(form, {.frames = frames});
    if (!window.ok()) {
        std::cerr << "error: " << window.error() << '\n';
        return 3;
    }
    window.Run();
    return 0;
}
