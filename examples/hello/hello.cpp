// A small application that builds its form in code: a caption button, a check box that
// enables it, a fill bar that fills a little on every click, and a round button that
// shows the about dialog.
//
//     nk_hello [--frames N] [--save FILE]
#include "host/form.h"
#include "host/library_loader.h"
#include "host/window_host.h"

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
    nk::FormControl* hello = form.Add("NuvelCommand", "Hello", 20, 20, 160, 50);
    nk::FormControl* allow = form.Add("NuvelCheck", "Allow", 20, 80);
    nk::FormControl* fill = form.Add("NuvelFill", "Progress", 20, 120, 260, 30);
    nk::FormControl* about = form.Add("NuvelSphere", "About", 200, 30);
    if (!hello || !allow || !fill || !about) {
        std::cerr << "error: the kit's classes are missing\n";
        return 3;
    }
    hello->Set("Caption", nk::Variant::String("&Hello"));
    hello->Set("ShortCutKey", nk::Variant::String("h"));
    hello->Set("CoolButton", nk::Variant::Boolean(nk::kTrue));
    allow->Set("Caption", nk::Variant::String("Allow clicks"));
    allow->Set("Value", nk::Variant::Long(1));
    about->Set("ContentLetter", nk::Variant::String("?"));

    hello->On("Click", [fill](nk::FormControl&, auto) {
        const auto value = fill->Get("Value");
        const int now = value ? value->ToLong().value_or(0) : 0;
        fill->Set("Value", nk::Variant::Long(now >= 100 ? 0 : now + 10));
    });
    allow->On("Click", [hello](nk::FormControl& check, auto) {
        const auto value = check.Get("Value");
        const bool on = value && value->ToLong().value_or(0) != 0;
        hello->Set("Enabled", nk::Variant::Boolean(nk::ToVBool(on)));
    });
    about->On("Click", [](nk::FormControl& sphere, auto) { sphere.Call("AboutMe"); });

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
