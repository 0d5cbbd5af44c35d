// The property bag: key/value storage that the container saves a control into.
// Keys match without regard to letter case. WriteProperty stores nothing when the
// value equals the default; ReadProperty gives the default for a missing key.
#pragma once

#include "framework/variant.h"

#include <optional>
#include <string_view>

namespace nk {

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The stored value of a key (any letter case), or nothing when the key is absent.
    virtual std::optional<Variant> Find(std::string_view key) const = 0;
    // Stores a value under the key, replacing a value stored under any spelling of it.
    virtual void Store(std::string_view key, const Variant& value) = 0;
};

Variant ReadProperty(const PropertyBag& bag, std::string_view key, const Variant& def);
void WriteProperty(PropertyBag& bag, std::string_view key, const Variant& value,
                   const Variant& def);

// Typed reads: the stored value converted to the property's type, or the default when
// the key is absent. A stored value that cannot be converted gives nothing: the caller
// skips the assignment and the property keeps its value.
std::optional<VBool> ReadBoolean(const PropertyBag& bag, std::string_view key, VBool def);
std::optional<std::int16_t> ReadInteger(const PropertyBag& bag, std::string_view key,
                                        std::int16_t def);
std::optional<std::int32_t> ReadLong(const PropertyBag& bag, std::string_view key,
                                     std::int32_t def);
std::optional<float> ReadSingle(const PropertyBag& bag, std::string_view key, float def);
std::optional<OleColor> ReadColor(const PropertyBag& bag, std::string_view key, OleColor def);
std::optional<std::string> ReadString(const PropertyBag& bag, std::string_view key,
                                      std::string_view def);
std::optional<Picture> ReadPicture(const PropertyBag& bag, std::string_view key,
                                   const Picture& def = nullptr);
std::optional<Font> ReadFont(const PropertyBag& bag, std::string_view key, const Font& def);

// Colours are written as Longs (their 32-bit pattern), Booleans as Booleans.
void WriteBoolean(PropertyBag& bag, std::string_view key, VBool value, VBool def);
void WriteInteger(PropertyBag& bag, std::string_view key, std::int16_t value, std::int16_t def);
void WriteLong(PropertyBag& bag, std::string_view key, std::int32_t value, std::int32_t def);
void WriteSingle(PropertyBag& bag, std::string_view key, float value, float def);
void WriteColor(PropertyBag& bag, std::string_view key, OleColor value, OleColor def);
void WriteString(PropertyBag& bag, std::string_view key, const std::string& value,
                 std::string_view def);
void WritePicture(PropertyBag& bag, std::string_view key, const Picture& value,
                  const Picture& def = nullptr);
void WriteFont(PropertyBag& bag, std::string_view key, const Font& value, const Font& def);

// Assigns a read value when there is one: `Assign(caption_, ReadString(...))`.
template <typename T> inline void Assign(T& target, const std::optional<T>& value) {
    if (value) target = *value;
}

} // namespace nk
