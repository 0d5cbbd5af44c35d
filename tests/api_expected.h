// The C++ types the typed API must give each member type, written down independently of the
// generator: the generated checks (api_checks.cpp) compare every handle member with these.
#pragma once

#include "framework/font.h"
#include "framework/interface_table.h"
#include "framework/picture.h"
#include "framework/values.h"
#include "framework/variant.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace nk::apitest {

template <ValueType T> struct Expect;
template <> struct Expect<ValueType::Boolean> {
    using Get = bool;
    using Param = bool;
};
template <> struct Expect<ValueType::Integer> {
    using Get = std::int16_t;
    using Param = std::int16_t;
    using Arg = std::int16_t;
};
template <> struct Expect<ValueType::Long> {
    using Get = std::int32_t;
    using Param = std::int32_t;
    using Arg = std::int32_t;
};
template <> struct Expect<ValueType::Single> {
    using Get = float;
    using Param = float;
    using Arg = float;
};
template <> struct Expect<ValueType::Double> {
    using Get = double;
    using Param = double;
};
template <> struct Expect<ValueType::String> {
    using Get = std::string;
    using Param = std::string_view;
};
// A colour keeps all 32 bits (a system colour has bit 31 set).
template <> struct Expect<ValueType::Color> {
    using Get = std::uint32_t;
    using Param = std::uint32_t;
};
template <> struct Expect<ValueType::Picture> {
    using Get = Picture;
    using Param = const Picture&;
};
template <> struct Expect<ValueType::Font> {
    using Get = Font;
    using Param = const Font&;
};
template <> struct Expect<ValueType::Variant> {
    using Get = Variant;
    using Param = const Variant&;
};

template <ValueType T> using Get = typename Expect<T>::Get;
template <ValueType T> using Param = typename Expect<T>::Param;
template <ValueType T, bool byRef>
using Arg = std::conditional_t<byRef, typename Expect<T>::Arg&, typename Expect<T>::Arg>;

// An enumeration property's type: a scoped enumeration wide enough for the member's values.
template <class E, ValueType T>
concept EnumOf = std::is_enum_v<E> && !std::is_convertible_v<E, int> &&
                 sizeof(std::underlying_type_t<E>) >= sizeof(Get<T>);

// What the generated checks cover, to compare with the tables.
int CheckedClasses();
int CheckedMembers();

} // namespace nk::apitest
