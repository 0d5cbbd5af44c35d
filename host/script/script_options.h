// The exit statuses of a script run and the options it runs with.
#pragma once

#include <cstdint>
#include <string>

namespace nk {

// Exit statuses of a run.
inline constexpr int kScriptDone = 0;         // the script ran to its end
inline constexpr int kScriptError = 2;        // a line could not be understood or carried out
inline constexpr int kScriptControlFault = 3; // the control threw, or calls nested too deeply

struct ScriptOptions {
    // The script as messages name it (its file name, "standard input"); "" for "the script".
    std::string name;
    // Relative file names of `picture <name> file "<path>"` are looked up here ("" for the
    // current folder): a script's pictures travel with the script.
    std::string baseDir;
    // The device scale every control is drawn at (1, 1.5, 2 or 3): `png` writes device
    // pixels; traces, `pixel` and `extent` stay in logical pixels.
    double scale = 1.0;
    // The pixels all the script's pictures may hold together: 256 megapixels (1 GB), as many
    // as the pictures of one form.
    std::uint64_t picturePixels = std::uint64_t{256} << 20;
};

} // namespace nk
