// Builders for the rows of a member table: a plain public field, or a getter and a setter,
// turned into the row's value functions for the member's type. A setter receives the value
// converted to the member's type; one that does not convert is not assigned.
#pragma once

#include "framework/interface_table.h"

#include <string>

namespace nk {

namespace rows {

template <typename M> struct ClassOf;
template <typename C, typename M> struct ClassOf<M C::*> { using type = C; };
template <typename C, typename R> struct ClassOf<R (C::*)() const> { using type = C; };

template <ValueType T, typename V> Variant Wrap(const V& v) {
    if constexpr (T == ValueType::Boolean)
        return Variant::Boolean(v);
    else if constexpr (T == ValueType::Integer)
        return Variant::Integer(v);
    else if constexpr (T == ValueType::Long)
        return Variant::Long(v);
    else if constexpr (T == ValueType::Single)
        return Variant::Single(v);
    else if constexpr (T == ValueType::Color)
        return Variant::Double(v);
    else if constexpr (T == ValueType::String)
        return Variant::String(std::string(v));
    else if constexpr (T == ValueType::Picture)
        return Variant::OfPicture(v);
    else
        return Variant::OfFont(v);
}

template <ValueType T> auto Unwrap(const Variant& v) {
    if constexpr (T == ValueType::Boolean)
        return v.ToBoolean();
    else if constexpr (T == ValueType::Integer)
        return v.ToInteger();
    else if constexpr (T == ValueType::Long)
        return v.ToLong();
    else if constexpr (T == ValueType::Single)
        return v.ToSingle();
    else if constexpr (T == ValueType::Color)
        return v.ToColor();
    else if constexpr (T == ValueType::String)
        return v.ToText();
    else if constexpr (T == ValueType::Picture)
        return v.ToPicture();
    else
        return v.ToFont();
}

} // namespace rows

// A plain public field: no notification, no repaint.
template <ValueType T, auto Field>
PropertyInfo FieldRow(std::string_view name, std::string_view help = {}) {
    using C = typename rows::ClassOf<decltype(Field)>::type;
    return {name,
            T,
            MemberKind::Field,
            [](Control& c) { return rows::Wrap<T>(static_cast<C&>(c).*Field); },
            [](Control& c, const Variant& v) {
                if (auto x = rows::Unwrap<T>(v)) static_cast<C&>(c).*Field = *x;
            },
            help};
}

// A property with a getter and a setter; the setter does the member's own steps. C is the
// control's class, named when the accessors come from a base such as FontParts.
template <ValueType T, MemberKind K, auto Get, auto Set,
          typename C = typename rows::ClassOf<decltype(Get)>::type>
PropertyInfo AccessorRow(std::string_view name, std::string_view help = {}) {
    return {name,
            T,
            K,
            [](Control& c) { return rows::Wrap<T>((static_cast<C&>(c).*Get)()); },
            [](Control& c, const Variant& v) {
                if (auto x = rows::Unwrap<T>(v)) (static_cast<C&>(c).*Set)(*x);
            },
            help};
}

namespace rows {

// The storage that a path of member pointers leads to: `c.*First`, then `.*Next` of that.
template <auto First, auto... Next, typename O> auto& Reach(O& object) {
    if constexpr (sizeof...(Next) == 0)
        return object.*First;
    else
        return Reach<Next...>(object.*First);
}

} // namespace rows

// The row with a way to store a value straight into the control's storage that `Path` leads
// to (no notification, no repaint), for a member that InitProperties or ReadProperties assigns
// without its setter; without a path, the row as it is.
template <ValueType T, typename C, auto... Path> PropertyInfo StoredIn(PropertyInfo row) {
    if constexpr (sizeof...(Path) > 0) {
        row.store = [](Control& c, const Variant& v) {
            if (auto x = rows::Unwrap<T>(v)) rows::Reach<Path...>(static_cast<C&>(c)) = *x;
        };
    }
    return row;
}

} // namespace nk

// Rows named after their member, so that each name is written once: `Name` is the field or
// the getter, `SetName` the setter, and "Name" the member's name in the table. C is the
// control's class, T the member's ValueType; an own member's storage, when given, is where
// InitProperties and ReadProperties store it without the setter.
#define NK_FIELD_ROW(C, T, Name) ::nk::FieldRow<::nk::ValueType::T, &C::Name>(#Name)
#define NK_OWN_ROW(C, T, Name, ...)                                                                \
    ::nk::StoredIn<::nk::ValueType::T, C __VA_OPT__(, &C::__VA_ARGS__)>(                           \
        ::nk::AccessorRow<::nk::ValueType::T, ::nk::MemberKind::Own, &C::Name, &C::Set##Name, C>(  \
            #Name))
#define NK_SURFACE_ROW(C, T, Name)                                                                 \
    ::nk::AccessorRow<::nk::ValueType::T, ::nk::MemberKind::Surface, &C::Name, &C::Set##Name, C>(  \
        #Name)
