// nuvelkit gallery [-o FILE]: renders every control of the kit in its looks and states on
// one labelled sheet and writes it as a PNG file.
#include "tools/cli.h"
#include "tools/commands.h"

#include "host/surface/surface_canvas.h"
#include "support/file_io.h"
#include "tools/gallery.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace nk::tools {

namespace {

// The sheet resampled smoothly to `factor` of its size (a picture for the README).
Image Shrunk(Image sheet, double factor) {
    if (factor >= 1.0) return sheet;
    const int w = std::max(1, static_cast<int>(sheet.width * factor + 0.5));
    const int h = std::max(1, static_cast<int>(sheet.height * factor + 0.5));
    SurfaceCanvas canvas(w, h, 0xFFFFFF, 0, Font{});
    canvas.PaintPicture(MakePicture(std::move(sheet), "gallery"), 0, 0, w, h);
    return canvas.pixels();
}

} // namespace

void RegisterGallery(CLI::App& app, const CommonOptions& common) {
    auto* cmd = app.add_subcommand(
        "gallery",
        "Render every control in its looks and states on one labelled sheet (PNG or BMP)");
    cmd->footer("Each control adds its rows from tools/gallery_<control>.cpp; see "
                "tools/gallery.h.");
    auto output = std::make_shared<std::string>("gallery.png");
    cmd->add_option("-o,--output", *output, "The picture to write (.png or .bmp)")
        ->capture_default_str();
    auto shrink = std::make_shared<double>(1.0);
    cmd->add_option("--shrink", *shrink, "Shrink the sheet by this factor, smoothly (0.1 to 1)")
        ->check(WholeNumber())
        ->check(CLI::Range(0.1, 1.0))
        ->capture_default_str();
    auto scale = std::make_shared<double>(1.0);
    AddDeviceScaleOption(*cmd, *scale);
    auto only = std::make_shared<std::vector<std::string>>();
    cmd->add_option("--only", *only, "Only the sections of these controls (e.g. NuvelCommand)");
    cmd->callback([output, shrink, scale, only, &common] {
        static constexpr PictureFormat kFormats[] = {PictureFormat::Png, PictureFormat::Bmp};
        const PictureFormat format = RequireFormat(*output, kFormats);
        // A file that cannot be written is reported before the sheet is drawn.
        if (const std::string problem = WriteProblem(*output); !problem.empty())
            Fail(kExitFailed, problem);
        const gallery::Sheet sheet = gallery::BuildSheet(*only, *scale);
        if (!only->empty() && sheet.sections().size() < only->size())
            std::cerr << "warning: some of the controls named by --only have no gallery rows\n";
        const Image image = Shrunk(sheet.Render(), *shrink);
        if (const std::string error = WritePicture(image, *output, format); !error.empty())
            Fail(kExitFailed, error);
        ReportWritten(common, *output,
                      " (" + std::to_string(image.width) + " x " + std::to_string(image.height) +
                          " pixels, " + std::to_string(sheet.CellCount()) + " cells in " +
                          std::to_string(sheet.sections().size()) + " sections)");
        if (const int failed = sheet.FailedCount())
            std::cerr << "warning: " << failed << " cells could not be drawn\n";
    });
}

} // namespace nk::tools
