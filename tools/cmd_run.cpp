// nuvelkit run FORM: opens a form file in a window and runs it until the window closes.
#include "tools/commands.h"

#include "host/form.h"
#include "host/window_host.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <vector>

namespace nk::tools {

std::vector<const InterfaceTable*> FormClasses(); // cmd_render.cpp

void RegisterRun(CLI::App& app) {
    auto* cmd = app.add_subcommand("run", "Open a form file in a window");
    auto form = std::make_shared<std::string>();
    auto frames = std::make_shared<int>(-1);
    cmd->add_option("FORM", *form, "The form file")->required();
    cmd->add_option("--frames", *frames, "Exit after this many frames (for scripted runs)")
        ->check(CLI::Range(0, 100000000));
    cmd->footer("The form's timer calls TimerInvoke of its controls. Exit status: 0 when the "
                "window closed, 2 for a form file that cannot be read, 3 when no window opens.");
    cmd->callback([form, frames] {
        const std::vector<const InterfaceTable*> classes = FormClasses();
        std::string error;
        auto loaded = Form::Load(*form, classes, error);
        if (!loaded) {
            std::cerr << "error: " << error << '\n';
            throw CLI::RuntimeError(2);
        }
        WindowHost::Options options;
        options.frames = *frames;
        WindowHost window(*loaded, options);
        if (!window.ok()) {
            std::cerr << "error: " << window.error() << '\n';
            throw CLI::RuntimeError(3);
        }
        window.Run();
    });
}

} // namespace nk::tools
