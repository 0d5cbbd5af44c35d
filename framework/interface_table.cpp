#include "framework/interface_table.h"

#include <algorithm>
#include <cctype>

namespace nk {

bool SameName(std::string_view a, std::string_view b) {
    // Names are ASCII; the letters fold without the locale (this runs on every member lookup).
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return x == y || lower(x) == lower(y);
           });
}

namespace {

template <typename T> const T* FindByName(const std::vector<T>& items, std::string_view name) {
    for (const auto& item : items)
        if (SameName(item.name, name)) return &item;
    return nullptr;
}

} // namespace

const PropertyInfo* InterfaceTable::FindProperty(std::string_view name) const {
    return FindByName(properties, name);
}
const MethodInfo* InterfaceTable::FindMethod(std::string_view name) const {
    return FindByName(methods, name);
}
const EventInfo* InterfaceTable::FindEvent(std::string_view name) const {
    return FindByName(events, name);
}
const EventInfo* InterfaceTable::FindEvent(int number) const {
    for (const auto& e : events)
        if (e.number == number) return &e;
    return nullptr;
}
const ChildInfo* InterfaceTable::FindChild(std::string_view name) const {
    return FindByName(children, name);
}

PropertyInfo PropertyInfo::Takes(const EnumInfo& e) const {
    PropertyInfo row = *this;
    row.enumeration = &e;
    return row;
}

PropertyInfo PropertyInfo::Help(std::string_view text) const {
    PropertyInfo row = *this;
    row.help = text;
    return row;
}

PropertyInfo PropertyInfo::Saved(std::optional<Variant> def) const {
    return Saved(def, def);
}

PropertyInfo PropertyInfo::Saved(std::optional<Variant> readDef,
                                 std::optional<Variant> writeDef) const {
    PropertyInfo row = *this;
    if (row.bagKey.empty()) row.bagKey = name;
    row.readDefault = std::move(readDef);
    row.writeDefault = std::move(writeDef);
    return row;
}

PropertyInfo PropertyInfo::SavedAs(std::string_view key) const {
    PropertyInfo row = *this;
    row.bagKey = key;
    return row;
}

PropertyInfo PropertyInfo::ReadAs(std::string_view key) const {
    PropertyInfo row = *this;
    row.readKey = key;
    return row;
}

PropertyInfo PropertyInfo::Init(int at, Via by) const {
    return Init(at, readDefault.value_or(Variant{}), by);
}

PropertyInfo PropertyInfo::Init(int at, Variant value, Via by) const {
    PropertyInfo row = Init(at, Initial::Value, by);
    row.life.initValue = std::move(value);
    return row;
}

PropertyInfo PropertyInfo::Init(int at, Initial from, Via by) const {
    PropertyInfo row = *this;
    row.life.initAt = at;
    row.life.initBy = by;
    row.life.initFrom = from;
    row.life.initValue = std::nullopt;
    return row;
}

PropertyInfo PropertyInfo::WrittenAs(ValueType type) const {
    PropertyInfo row = *this;
    row.writtenAs = type;
    return row;
}

PropertyInfo PropertyInfo::StoredBy(void (*store)(Control&, const Variant&)) const {
    PropertyInfo row = *this;
    row.store = store;
    return row;
}

PropertyInfo PropertyInfo::Kept(int readAt, int writeAt, Via by) const {
    PropertyInfo row = *this;
    row.life.readAt = readAt;
    row.life.writeAt = writeAt;
    row.life.readBy = by;
    return row;
}

std::optional<Variant> ConvertTo(ValueType type, const Variant& v) {
    switch (type) {
    case ValueType::Boolean:
        if (auto b = v.ToBoolean()) return Variant::Boolean(*b);
        return std::nullopt;
    case ValueType::Integer:
        if (auto i = v.ToInteger()) return Variant::Integer(*i);
        return std::nullopt;
    case ValueType::Long:
        if (auto l = v.ToLong()) return Variant::Long(*l);
        return std::nullopt;
    case ValueType::Color:
        if (auto c = v.ToColor()) return Variant::Double(*c);
        return std::nullopt;
    case ValueType::Single:
        if (auto s = v.ToSingle()) return Variant::Single(*s);
        return std::nullopt;
    case ValueType::Double:
        if (auto d = v.ToDouble()) return Variant::Double(*d);
        return std::nullopt;
    case ValueType::String:
        if (auto t = v.ToText()) return Variant::String(*t);
        return std::nullopt;
    case ValueType::Picture:
        if (auto p = v.ToPicture()) return Variant::OfPicture(*p);
        return std::nullopt;
    case ValueType::Font:
        if (auto f = v.ToFont()) return Variant::OfFont(*f);
        return std::nullopt;
    case ValueType::Variant:
        return v;
    }
    return std::nullopt;
}

} // namespace nk
