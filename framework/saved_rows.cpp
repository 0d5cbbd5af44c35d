#include "framework/saved_rows.h"

#include "framework/interface_table.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <type_traits>
#include <utility>

namespace nk {

namespace {

// The row of a saved member with fixed defaults; members without one (the ambient font)
// are read and written by the control's own code.
const PropertyInfo* SavedRow(const Control& control, std::string_view name) {
    const PropertyInfo* row = control.Interface().FindProperty(name);
    if (!row || row->bagKey.empty() || !row->readDefault || !row->writeDefault) return nullptr;
    return row;
}

Variant ReadRow(const PropertyInfo& row, const PropertyBag& bag) {
    return ReadProperty(bag, row.ReadKey(), *row.readDefault);
}

// The read value converted as the member's type converts it, when `T` is that type's storage.
template <typename T> std::optional<T> As(ValueType type, const Variant& v) {
    if constexpr (std::is_same_v<T, std::int16_t>) {
        if (type == ValueType::Boolean) return v.ToBoolean();
        if (type == ValueType::Integer) return v.ToInteger();
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        if (type == ValueType::Long) return v.ToLong();
    } else if constexpr (std::is_same_v<T, float>) {
        if (type == ValueType::Single) return v.ToSingle();
    } else if constexpr (std::is_same_v<T, OleColor>) {
        if (type == ValueType::Color) return v.ToColor();
    } else if constexpr (std::is_same_v<T, std::string>) {
        if (type == ValueType::String) return v.ToText();
    } else if constexpr (std::is_same_v<T, Picture>) {
        if (type == ValueType::Picture) return v.ToPicture();
    }
    return std::nullopt;
}

} // namespace

void ReadStoredRows(const Control& control, const PropertyBag& bag,
                    std::initializer_list<StoredMember> members) {
    for (const StoredMember& m : members) {
        const PropertyInfo* row = SavedRow(control, m.name);
        if (!row) continue;
        const Variant v = ReadRow(*row, bag);
        std::visit(
            [&](auto* target) {
                using T = std::remove_pointer_t<decltype(target)>;
                Assign(*target, As<T>(row->type, v));
            },
            m.target);
    }
}

void ReadRowsThroughSetters(Control& control, const PropertyBag& bag,
                            std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        const PropertyInfo* row = SavedRow(control, name);
        if (row && row->set) row->set(control, ReadRow(*row, bag));
    }
}

void ReadOntoSurfaceFont(const Control& control, Host& host, const PropertyBag& bag,
                         std::initializer_list<std::string_view> names) {
    constexpr std::pair<std::string_view, bool Font::*> kFlags[] = {
        {"FontBold", &Font::bold},
        {"FontItalic", &Font::italic},
        {"FontStrikethru", &Font::strikethru},
        {"FontUnderline", &Font::underline}};
    for (std::string_view name : names) {
        const PropertyInfo* row = SavedRow(control, name);
        if (!row) continue;
        const Variant v = ReadRow(*row, bag);
        Font font = host.GetFont();
        if (name == "FontName") {
            const auto text = v.ToText();
            if (!text) continue;
            font.name = *text;
        } else if (name == "FontSize") {
            const auto size = v.ToSingle();
            if (!size) continue;
            font.size = *size;
        } else {
            const auto flag = std::find_if(std::begin(kFlags), std::end(kFlags),
                                           [&](const auto& f) { return f.first == name; });
            const auto on = v.ToBoolean();
            if (flag == std::end(kFlags) || !on) continue;
            font.*(flag->second) = *on != kFalse;
        }
        host.SetFont(font);
    }
}

void WriteSavedRows(Control& control, PropertyBag& bag,
                    std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        const PropertyInfo* row = SavedRow(control, name);
        if (row && row->get) WriteProperty(bag, row->bagKey, row->get(control), *row->writeDefault);
    }
}

} // namespace nk
