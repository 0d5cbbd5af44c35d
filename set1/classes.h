// The control classes of nuvset1 (type library Nuvelkit3).
#pragma once

#include "framework/interface_table.h"

#include <span>

namespace nk {

std::span<const InterfaceTable* const> Nuvset1Classes();

} // namespace nk
