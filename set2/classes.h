// The control classes of nuvset2 (type library Nuvelkit4).
#pragma once

#include "framework/interface_table.h"

#include <span>

namespace nk {

std::span<const InterfaceTable* const> Nuvset2Classes();

} // namespace nk
