// nuvelkit render FORM -o FILE: draws a form file headless into a PNG or BMP picture.
#include "tools/cli.h"
#include "tools/commands.h"

#include "host/forms/form.h"
#include "kit/classes.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <vector>

namespace nk::tools {

void RegisterRender(CLI::App& app, const CommonOptions& common) {
    auto* cmd =
        app.add_subcommand("render", "Draw a form file into a PNG or BMP picture, headless");
    auto form = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    auto ticks = std::make_shared<int>(0);
    cmd->add_option("FORM", *form, "The form file")->required();
    auto strict = std::make_shared<bool>(false);
    cmd->add_flag("--strict", *strict,
                  "Refuse a form file with unknown members or values of the wrong type");
    cmd->add_option("-o,--output", *out, "The picture to write (.png or .bmp)")->required();
    cmd->add_option("--ticks", *ticks, "Timer steps to run before drawing")
        ->check(WholeNumber())
        ->check(CLI::Range(0, 100000));
    auto scale = std::make_shared<double>(1.0);
    AddDeviceScaleOption(*cmd, *scale);
    cmd->footer("A form file that cannot be read is bad input (status 2): the message names the "
                "file, the place and the problem. A picture that cannot be written is a failed "
                "work (status 1).");
    cmd->callback([form, out, ticks, strict, scale, &common] {
        static constexpr PictureFormat kFormats[] = {PictureFormat::Png, PictureFormat::Bmp};
        const PictureFormat format = RequireFormat(*out, kFormats);
        const std::vector<const InterfaceTable*> classes = AllClasses();
        auto loaded = LoadFormFile(*form, classes, *strict, *scale);
        for (int i = 0; i < *ticks; ++i)
            loaded->Tick();
        const Image picture = loaded->Compose();
        if (const std::string written = WritePicture(picture, *out, format); !written.empty())
            Fail(kExitFailed, written);
        ReportWritten(common, *out,
                      " (" + std::to_string(picture.width) + " x " +
                          std::to_string(picture.height) + " pixels)");
    });
}

} // namespace nk::tools
