// nuvelkit gallery [-o FILE]: renders every control of the kit in its looks and states on
// one labelled sheet and writes it as a PNG file.
#include "tools/commands.h"

#include "host/codec.h"
#include "tools/gallery.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

namespace nk::tools {

void RegisterGallery(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "gallery", "Render every control in its looks and states on one labelled sheet (PNG)");
    cmd->footer("Each control adds its rows from tools/gallery_<control>.cpp; see "
                "tools/gallery.h.");
    auto output = std::make_shared<std::string>("gallery.png");
    cmd->add_option("-o,--output", *output, "The PNG file to write")->capture_default_str();
    cmd->callback([output] {
        const gallery::Sheet sheet = gallery::BuildSheet();
        const Image image = sheet.Render();
        const std::string error = WritePng(image, *output);
        if (!error.empty()) {
            std::cerr << "error: " << error << '\n';
            throw CLI::RuntimeError(1);
        }
        std::cout << "wrote " << *output << " (" << image.width << " x " << image.height
                  << " pixels, " << sheet.CellCount() << " cells in " << sheet.sections().size()
                  << " sections)\n";
        if (const int failed = sheet.FailedCount())
            std::cerr << "warning: " << failed << " cells could not be drawn\n";
    });
}

} // namespace nk::tools
