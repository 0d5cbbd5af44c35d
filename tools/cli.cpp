#include "tools/cli.h"

#include "support/json_text.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <vector>

namespace nk::tools {

namespace {

struct FormatName {
    PictureFormat format;
    std::string_view extension;
};
constexpr FormatName kFormatNames[] = {{PictureFormat::Png, ".png"}, {PictureFormat::Bmp, ".bmp"}};

std::string_view ExtensionOf(PictureFormat format) {
    for (const FormatName& f : kFormatNames)
        if (f.format == format) return f.extension;
    return {};
}

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

const CLI::Validator& WholeNumber() {
    static const CLI::Validator check(
        [](std::string& text) -> std::string {
            const char* begin = text.c_str();
            char* end = nullptr;
            errno = 0;
            const double value = text.empty() || std::isspace(static_cast<unsigned char>(text[0]))
                                     ? 0.0
                                     : std::strtod(begin, &end);
            if (end == nullptr || end != begin + text.size() || errno == ERANGE ||
                !std::isfinite(value))
                return QuoteCut(text) + " is not a number";
            return {};
        },
        "NUMBER");
    return check;
}

void Fail(int status, const std::string& message) {
    std::cerr << "error: " << message << '\n';
    throw CLI::RuntimeError(status);
}

std::optional<PictureFormat>
FormatFor(const std::string& path, std::span<const PictureFormat> supported, std::string& error) {
    const std::string extension = Lowered(std::filesystem::path(path).extension().string());
    std::string names;
    for (PictureFormat f : supported) {
        if (ExtensionOf(f) == extension) return f;
        names += (names.empty() ? "" : ", ") + std::string(ExtensionOf(f));
    }
    error = path + ": " +
            (extension.empty() ? std::string("the file name has no extension")
                               : "cannot write " + extension + " files") +
            "; the supported formats are " + names;
    return std::nullopt;
}

std::string WritePicture(const Image& image, const std::string& path, PictureFormat format) {
    if (format == PictureFormat::Bmp) return WriteBmp(image, path);
    return WritePng(image, path);
}

PictureFormat RequireFormat(const std::string& path, std::span<const PictureFormat> supported) {
    std::string error;
    const std::optional<PictureFormat> format = FormatFor(path, supported, error);
    if (!format) Fail(kExitUsage, error);
    return *format;
}

void AddDeviceScaleOption(CLI::App& cmd, double& scale) {
    cmd.add_option("--scale", scale,
                   "Draw at this device scale (1, 1.5, 2 or 3): every pixel that many device "
                   "pixels wide, the layout unchanged")
        ->check(WholeNumber())
        ->check(CLI::IsMember({1.0, 1.5, 2.0, 3.0}))
        ->capture_default_str();
}

std::unique_ptr<Form> LoadFormFile(const std::string& path,
                                   std::span<const InterfaceTable* const> classes, bool strict,
                                   double scale) {
    std::vector<std::string> warnings;
    std::string error;
    std::unique_ptr<Form> form =
        Form::Load(path, classes, error, {.strict = strict, .warnings = &warnings, .scale = scale});
    for (const std::string& w : warnings)
        std::cerr << "warning: " << w << '\n';
    if (!form) Fail(kExitUsage, error);
    return form;
}

void ReportWritten(const CommonOptions& common, const std::string& path,
                   const std::string& detail) {
    if (common.quiet) return;
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    std::cout << "wrote " << (ec ? path : full.lexically_normal().string()) << detail << '\n';
}

} // namespace nk::tools
