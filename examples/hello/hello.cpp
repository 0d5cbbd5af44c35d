// A small application that builds its form in code: a caption button, a check box that
// enables it, a fill bar that fills a little on every click, and a round button that
// shows the about dialog.
//
//     nk_hello [--frames N] [--save FILE]
#include "host/loading/library_loader.h"
#include "host/window/window_host.h"

#include <nuvelkit/nuvelkit.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

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
    nk::Form form(kit.Tables(), {.caption = "Hello, Nuvelkit", .width = 300, .height = 220});
    try {
        auto hello = form.Add<nk::NuvelCommand>("Hello", 20, 20, 160, 50);
        auto allow = form.Add<nk::NuvelCheck>("Allow", 20, 80);
        auto fill = form.Add<nk::NuvelFill>("Progress", 20, 120, 260, 30);
        auto about = form.Add<nk::NuvelSphere>("About", 200, 30);
        hello.SetCaption("&Hello");
        hello.SetShortCutKey("h");
        hello.SetCoolButton(true);
        allow.SetCaption("Allow clicks");
        allow.SetValue(nk::NKBiState::NKChecked);
        about.SetContentLetter("?");

        hello.OnClick([fill] {
            const int now = fill.Value().ToLong().value_or(0);
            fill.SetValue(nk::Variant::Long(now >= 100 ? 0 : now + 10));
        });
        // The change of Value follows every toggle, from the mouse or the keyboard.
        allow.OnValueChanged(
            [hello](nk::NKBiState value) { hello.SetEnabled(value == nk::NKBiState::NKChecked); });
        about.OnClick([about] { about.AboutMe(); });
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
