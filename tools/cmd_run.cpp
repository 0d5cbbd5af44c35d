// nuvelkit run FORM: opens a form file in a window and runs it until the window closes.
#include "tools/cli.h"
#include "tools/commands.h"

#include "host/forms/form.h"
#include "host/window/window_host.h"
#include "kit/classes.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <vector>

namespace nk::tools {

void RegisterRun(CLI::App& app, const CommonOptions&) {
    auto* cmd = app.add_subcommand("run", "Open a form file in a window");
    auto form = std::make_shared<std::string>();
    auto frames = std::make_shared<int>(-1);
    cmd->add_option("FORM", *form, "The form file")->required();
    auto strict = std::make_shared<bool>(false);
    cmd->add_flag("--strict", *strict,
                  "Refuse a form file with unknown members or values of the wrong type");
    cmd->add_option("--frames", *frames, "Exit after this many frames (for scripted runs)")
        ->check(WholeNumber())
        ->check(CLI::Range(0, 100000000));
    auto scale = std::make_shared<double>(0.0);
    cmd->add_option("--scale", *scale,
                    "Draw at this device scale (1, 1.5, 2 or 3) instead of the screen's: every "
                    "pixel that many device pixels wide, the layout unchanged")
        ->check(WholeNumber())
        ->check(CLI::IsMember({1.0, 1.5, 2.0, 3.0}));
    cmd->footer("The form's timer calls TimerInvoke of its controls. The run ends with status 0 "
                "when the window closes; a form file that cannot be read gives 2, no window 3.");
    cmd->callback([form, frames, strict, scale] {
        const std::vector<const InterfaceTable*> classes = AllClasses();
        auto loaded = LoadFormFile(*form, classes, *strict);
        WindowHost::Options options;
        options.frames = *frames;
        options.scale = *scale;
        WindowHost window(*loaded, options);
        if (!window.ok()) Fail(kExitNoDisplay, window.error());
        window.Run();
    });
}

} // namespace nk::tools
