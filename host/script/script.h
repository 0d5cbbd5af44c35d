// The script runner behind `nuvelkit script`: drives one control at a time through the
// headless host, behind the recording host, and prints every request the control makes
// (the command set and line formats are in docs/script.md).
#pragma once

#include "framework/interface_table.h"

#include <iosfwd>
#include <span>
#include <string>

namespace nk {

// Exit statuses of a run.
inline constexpr int kScriptDone = 0;         // the script ran to its end
inline constexpr int kScriptError = 2;        // a line could not be understood or carried out
inline constexpr int kScriptControlFault = 3; // the control threw, or calls nested too deeply

struct ScriptOptions {
    // Relative file names of `picture <name> file "<path>"` are looked up here ("" for the
    // current folder): a script's pictures travel with the script.
    std::string baseDir;
    // The device scale every control is drawn at (1, 1.5, 2 or 3): `png` writes device
    // pixels; traces, `pixel` and `extent` stay in logical pixels.
    double scale = 1.0;
};

// Runs a script from `in`, printing the echo and trace lines to `out` and an error line
// ("error: line N: <what>") to `err`. Classes are found by name, with or without their
// type library prefix ("Nuvelkit3.NuvelCommand").
int RunScript(std::istream& in, std::ostream& out, std::ostream& err,
              std::span<const InterfaceTable* const> classes, const ScriptOptions& options = {});

} // namespace nk
