// nuvelkit render FORM -o PNG: draws a form file headless into a PNG picture.
#include "tools/commands.h"

#include "host/codec.h"
#include "host/form.h"
#include "set1/classes.h"
#include "set2/classes.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <vector>

namespace nk::tools {

std::vector<const InterfaceTable*> FormClasses() {
    std::vector<const InterfaceTable*> classes;
    for (const InterfaceTable* t : Nuvset1Classes())
        classes.push_back(t);
    for (const InterfaceTable* t : Nuvset2Classes())
        classes.push_back(t);
    return classes;
}

void RegisterRender(CLI::App& app) {
    auto* cmd = app.add_subcommand("render", "Draw a form file into a PNG picture, headless");
    auto form = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    auto ticks = std::make_shared<int>(0);
    cmd->add_option("FORM", *form, "The form file")->required();
    cmd->add_option("-o,--output", *out, "The PNG file to write")->required();
    cmd->add_option("--ticks", *ticks, "Timer steps to run before drawing")
        ->check(CLI::Range(0, 100000));
    cmd->footer("Exit status: 0 when the picture was written, 2 for a form file that cannot be "
                "read (the message names the file, the place and the problem) or a picture "
                "that cannot be written.");
    cmd->callback([form, out, ticks] {
        const std::vector<const InterfaceTable*> classes = FormClasses();
        std::string error;
        auto loaded = Form::Load(*form, classes, error);
        if (!loaded) {
            std::cerr << "error: " << error << '\n';
            throw CLI::RuntimeError(2);
        }
        for (int i = 0; i < *ticks; ++i)
            loaded->Tick();
        const std::string written = WritePng(loaded->Compose(), *out);
        if (!written.empty()) {
            std::cerr << "error: " << written << '\n';
            throw CLI::RuntimeError(2);
        }
    });
}

} // namespace nk::tools
