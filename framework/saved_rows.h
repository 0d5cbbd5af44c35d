// Loading and saving driven by a control's member table: each member is read under its
// row's read key against its read default and written under its bag key against its write
// default, so a control's ReadProperties and WriteProperties list only which members, in
// which order, and how a read value is applied.
#pragma once

#include "framework/control.h"
#include "framework/host.h"
#include "framework/property_bag.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace nk {

// Where a read value is stored: the control's own storage for a member, of the member's type
// (VBool and Integer members are 16-bit, Long members 32-bit, colours OleColor).
using StoredRef =
    std::variant<std::int16_t*, std::int32_t*, float*, OleColor*, std::string*, Picture*>;

struct StoredMember {
    std::string_view name;
    StoredRef target;
};

// Reads each member straight into its storage: no notification, no repaint. A stored value
// that does not convert to the member's type leaves the storage as it was.
void ReadStoredRows(const Control& control, const PropertyBag& bag,
                    std::initializer_list<StoredMember> members);

// Reads each member and assigns it through the row's setter, with the setter's own steps.
void ReadRowsThroughSetters(Control& control, const PropertyBag& bag,
                            std::initializer_list<std::string_view> names);

// Reads each of the separate font keys ("FontName", "FontSize", "FontBold", "FontItalic",
// "FontStrikethru", "FontUnderline") and puts it straight into the surface's font: no
// notification, no repaint.
void ReadOntoSurfaceFont(const Control& control, Host& host, const PropertyBag& bag,
                         std::initializer_list<std::string_view> names);

// Writes each member's current value, as its getter gives it, in the order given.
void WriteSavedRows(Control& control, PropertyBag& bag,
                    std::initializer_list<std::string_view> names);

} // namespace nk
