#include "tools/commands.h"

#include <CLI/CLI.hpp>

namespace nk::tools {

void RegisterResources(CLI::App& app) { (void)app; }

} // namespace nk::tools
