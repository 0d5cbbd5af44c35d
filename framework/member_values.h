// Small conversions used by interface tables: a setter receives a Variant already
// converted to the member's type (nk::ConvertTo), and a getter returns one.
#pragma once

#include "framework/variant.h"

#include <cstdint>

namespace nk {

inline VBool AsBoolean(const Variant& v) {
    return static_cast<VBool>(v.number());
}
inline std::int16_t AsInteger(const Variant& v) {
    return static_cast<std::int16_t>(v.number());
}
inline std::int32_t AsLong(const Variant& v) {
    return static_cast<std::int32_t>(v.number());
}
inline float AsSingle(const Variant& v) {
    return static_cast<float>(v.number());
}
inline OleColor AsColor(const Variant& v) {
    return static_cast<OleColor>(v.number());
}
// Colours travel as unsigned 32-bit numbers.
inline Variant OfColor(OleColor c) {
    return Variant::Double(c);
}

} // namespace nk
