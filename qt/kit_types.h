// The kit's types that the widgets' headers name, declared without their definitions: the
// widget headers need only Qt and C++17, and the widgets' sources include the kit's own
// headers, which define these types (a definition that drifts from the names below fails to
// compile there).
#pragma once

#include <cstdint>
#include <memory>
#include <variant>

namespace nk {

class Variant;
struct Font;
struct Image;
class PictureObject;
struct InterfaceTable;
struct PropertyInfo;
struct EventInfo;
struct MethodResult;
struct ContainerHooks;
class ModalForm;
class Form;
class FormControl;
class FormInput;

// An OLE colour: 0x00BBGGRR, or a system colour of the scheme when bit 31 is set.
using OleColor = std::uint32_t;
// A picture, shared by every member and control that shows it.
using Picture = std::shared_ptr<const PictureObject>;
// One argument of an event, passed by reference: the handler may change it.
using EventArg = std::variant<std::int16_t*, std::int32_t*, float*>;

} // namespace nk
