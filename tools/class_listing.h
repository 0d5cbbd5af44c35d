// `nuvelkit classes NAME`: a class's members as its interface table declares them.
#pragma once

#include "framework/interface_table.h"

#include <ostream>
#include <span>
#include <string>

namespace nk::tools {

// The class named `name` (its name or program identifier, any letter case) among `classes`;
// nullptr, with a message naming the nearest class and every class, when there is none.
const InterfaceTable* FindClassNamed(std::span<const InterfaceTable* const> classes,
                                     const std::string& name, std::string& error);

// Prints the class's properties (type, initial value, help), methods and events (number
// and arguments). The initial values are those of a new instance after InitProperties.
void PrintClass(std::ostream& out, const InterfaceTable& table);

} // namespace nk::tools
