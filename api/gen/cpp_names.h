// How the model's names and types are spelt in C++, shared by the emitters that write C++ or
// document it.
#pragma once

#include "api/gen/model.h"

#include <string>
#include <string_view>

namespace nk::apigen {

// What a getter returns: "std::string", "::nk::OleColor", an enumeration's "NKPicStyles".
std::string CppType(const PropertyModel& p);
std::string CppType(ValueType type);
// What a setter or a method takes: "std::string_view", "const ::nk::Font&", ...
std::string CppParamType(ValueType type);
std::string CppParamType(const PropertyModel& p);
// An event argument: "std::int16_t&" by reference, "std::int16_t" by value.
std::string CppArgType(const EventArgModel& a);
// "ValueType::Single": the tag the typed support takes.
std::string ValueTag(ValueType type);
// A parameter's name in C++ (first letter lower-cased): "button", "gFilename".
std::string CppParamName(std::string_view name);
// The handler type of an event: "std::function<void(std::int16_t& button, float& x)>".
std::string HandlerType(const EventModel& e);
// A name as a C++ identifier: the letters, digits and underscores of it ("Fixed Single" gives
// "FixedSingle"); "" when nothing usable is left or it would start with a digit.
std::string CppIdentifier(std::string_view name);
// A C++ string literal of a text.
std::string Literal(std::string_view text);

} // namespace nk::apigen
