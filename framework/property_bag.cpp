#include "framework/property_bag.h"

namespace nk {

Variant ReadProperty(const PropertyBag& bag, std::string_view key, const Variant& def) {
    if (auto v = bag.Find(key)) return *v;
    return def;
}

void WriteProperty(PropertyBag& bag, std::string_view key, const Variant& value,
                   const Variant& def) {
    if (value.SameValue(def)) return;
    bag.Store(key, value);
}

std::optional<VBool> ReadBoolean(const PropertyBag& bag, std::string_view key, VBool def) {
    return ReadProperty(bag, key, Variant::Boolean(def)).ToBoolean();
}
std::optional<std::int16_t> ReadInteger(const PropertyBag& bag, std::string_view key,
                                        std::int16_t def) {
    return ReadProperty(bag, key, Variant::Integer(def)).ToInteger();
}
std::optional<std::int32_t> ReadLong(const PropertyBag& bag, std::string_view key,
                                     std::int32_t def) {
    return ReadProperty(bag, key, Variant::Long(def)).ToLong();
}
std::optional<float> ReadSingle(const PropertyBag& bag, std::string_view key, float def) {
    return ReadProperty(bag, key, Variant::Single(def)).ToSingle();
}
std::optional<OleColor> ReadColor(const PropertyBag& bag, std::string_view key, OleColor def) {
    return ReadProperty(bag, key, Variant::Double(def)).ToColor();
}
std::optional<std::string> ReadString(const PropertyBag& bag, std::string_view key,
                                      std::string_view def) {
    return ReadProperty(bag, key, Variant::String(std::string(def))).ToText();
}
std::optional<Picture> ReadPicture(const PropertyBag& bag, std::string_view key,
                                   const Picture& def) {
    return ReadProperty(bag, key, Variant::OfPicture(def)).ToPicture();
}
std::optional<Font> ReadFont(const PropertyBag& bag, std::string_view key, const Font& def) {
    return ReadProperty(bag, key, Variant::OfFont(def)).ToFont();
}

void WriteBoolean(PropertyBag& bag, std::string_view key, VBool value, VBool def) {
    WriteProperty(bag, key, Variant::Boolean(value), Variant::Boolean(def));
}
void WriteInteger(PropertyBag& bag, std::string_view key, std::int16_t value, std::int16_t def) {
    WriteProperty(bag, key, Variant::Integer(value), Variant::Integer(def));
}
void WriteLong(PropertyBag& bag, std::string_view key, std::int32_t value, std::int32_t def) {
    WriteProperty(bag, key, Variant::Long(value), Variant::Long(def));
}
void WriteSingle(PropertyBag& bag, std::string_view key, float value, float def) {
    WriteProperty(bag, key, Variant::Single(value), Variant::Single(def));
}
void WriteColor(PropertyBag& bag, std::string_view key, OleColor value, OleColor def) {
    WriteProperty(bag, key, Variant::Double(value), Variant::Double(def));
}
void WriteString(PropertyBag& bag, std::string_view key, const std::string& value,
                 std::string_view def) {
    WriteProperty(bag, key, Variant::String(value), Variant::String(std::string(def)));
}
void WritePicture(PropertyBag& bag, std::string_view key, const Picture& value,
                  const Picture& def) {
    WriteProperty(bag, key, Variant::OfPicture(value), Variant::OfPicture(def));
}
void WriteFont(PropertyBag& bag, std::string_view key, const Font& value, const Font& def) {
    WriteProperty(bag, key, Variant::OfFont(value), Variant::OfFont(def));
}

} // namespace nk
