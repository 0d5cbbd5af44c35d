// What every sub-command of `nuvelkit` shares: the exit statuses, the switches that hold for
// all of them, writing pictures in the format the file's extension names, and the line that
// says where a file was written.
#pragma once

#include "host/codec/codec.h"
#include "host/forms/form.h"

#include <memory>

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace CLI {
class App;
class Validator;
} // namespace CLI

namespace nk::tools {

// Exit statuses, the same for every sub-command.
inline constexpr int kExitDone = 0;      // the work was done
inline constexpr int kExitFailed = 1;    // the work failed: a file not written, a control failed
inline constexpr int kExitUsage = 2;     // bad usage or bad input
inline constexpr int kExitNoDisplay = 3; // no window could be opened

// The text listed under --help of the program and of each sub-command.
inline constexpr std::string_view kExitStatusHelp =
    "Exit status: 0 done, 1 the work failed (a file could not be written, a control "
    "failed), 2 bad usage or bad input, 3 no display.";

// The switches of the program that every sub-command sees.
struct CommonOptions {
    bool quiet = false; // no "wrote FILE" lines
};

// Stops the sub-command with `status`; the message goes to standard error as "error: ...".
[[noreturn]] void Fail(int status, const std::string& message);

// The picture formats a file may be written in.
enum class PictureFormat { Png, Bmp };

// The format named by the extension of `path` (any letter case), among `supported`. Nothing,
// with a message naming the extensions that are, for any other extension or none.
std::optional<PictureFormat>
FormatFor(const std::string& path, std::span<const PictureFormat> supported, std::string& error);

// Writes `image` to `path` in the format its extension names; "" or the error.
std::string WritePicture(const Image& image, const std::string& path, PictureFormat format);

// Checks the output's extension before any work is done: stops with status 2 when the
// format is not one of `supported`.
PictureFormat RequireFormat(const std::string& path, std::span<const PictureFormat> supported);

// Checks a numeric switch's text before it is converted: the whole text must be one finite
// number, so that "", "2x", " 2", "nan" and "inf" are bad usage however the value's own range
// check would treat what a lenient conversion makes of them.
const CLI::Validator& WholeNumber();

// Adds `--scale S` to a sub-command: draw at a device scale of 1, 1.5, 2 or 3 (a screen with
// that many device pixels per pixel); any other value is bad usage.
void AddDeviceScaleOption(CLI::App& cmd, double& scale);

// "wrote /abs/path<detail>" on standard output, unless --quiet.
void ReportWritten(const CommonOptions& common, const std::string& path,
                   const std::string& detail = {});

// Loads a form file for run and render: its warnings go to standard error ("warning: ...");
// a file that cannot be read, or with `strict` one with warnings, stops with status 2.
std::unique_ptr<Form> LoadFormFile(const std::string& path,
                                   std::span<const InterfaceTable* const> classes, bool strict,
                                   double scale = 1.0);

} // namespace nk::tools
