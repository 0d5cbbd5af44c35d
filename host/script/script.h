// The script runner behind `nuvelkit script`: drives one control at a time through the
// headless host, behind the recording host, and prints every request the control makes
// (the command set and line formats are in docs/script.md).
#pragma once

#include "framework/interface_table.h"
#include "host/script/script_options.h"

#include <iosfwd>
#include <span>

namespace nk {

// Runs a script from `in`, printing the echo and trace lines to `out` and an error line
// ("error: line N: <what>") to `err`. Classes are found by name, with or without their
// type library prefix ("Nuvelkit3.NuvelCommand").
int RunScript(std::istream& in, std::ostream& out, std::ostream& err,
              std::span<const InterfaceTable* const> classes, const ScriptOptions& options = {});

} // namespace nk
