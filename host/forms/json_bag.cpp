// The property bag held as one JSON object. Parsing turns each JSON value into the
// Variant kind the controls read (small integers as Integer, larger as Long, colours
// beyond 32-bit signed as Double); writing gives one line, keys in the order stored.
#include "host/forms/json_bag.h"
#include "support/json_text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

namespace nk {
namespace {

using Json = nlohmann::ordered_json;

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string Quoted(std::string_view s) {
    return Json(std::string(s)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Converts a JSON integer by its range: 16 bits -> Integer, 32 bits -> Long, else Double.
template <typename T> Variant FromWhole(T v) {
    if constexpr (std::is_signed_v<T>) {
        if (v >= -32768 && v <= 32767) return Variant::Integer(static_cast<std::int16_t>(v));
        if (v >= std::numeric_limits<std::int32_t>::min() &&
            v <= std::numeric_limits<std::int32_t>::max())
            return Variant::Long(static_cast<std::int32_t>(v));
    } else {
        if (v <= 32767u) return Variant::Integer(static_cast<std::int16_t>(v));
        if (v <= 2147483647u) return Variant::Long(static_cast<std::int32_t>(v));
    }
    return Variant::Double(static_cast<double>(v));
}

std::string FontValue(const Json& fields, const std::string& key, Variant& out) {
    if (!fields.is_object()) return "key " + QuoteCut(key) + ": \"font\" must hold an object";
    Font font;
    bool haveName = false, haveSize = false;
    for (const auto& item : fields.items()) {
        const std::string& field = item.key();
        const Json& value = item.value();
        auto flag = [&](bool& target) -> std::string {
            if (!value.is_boolean())
                return "key " + QuoteCut(key) + ": font field " + QuoteCut(field) +
                       " must be true or false";
            target = value.get<bool>();
            return {};
        };
        std::string err;
        if (field == "name") {
            if (!value.is_string())
                return "key " + QuoteCut(key) + ": font field \"name\" must be a string";
            font.name = value.get<std::string>();
            haveName = true;
        } else if (field == "size") {
            if (!value.is_number())
                return "key " + QuoteCut(key) + ": font field \"size\" must be a number";
            font.size = value.get<double>();
            haveSize = true;
        } else if (field == "bold") {
            err = flag(font.bold);
        } else if (field == "italic") {
            err = flag(font.italic);
        } else if (field == "underline") {
            err = flag(font.underline);
        } else if (field == "strikethru") {
            err = flag(font.strikethru);
        } else {
            err = "key " + QuoteCut(key) + ": unknown font field " + QuoteCut(field);
        }
        if (!err.empty()) return err;
    }
    if (!haveName) return "key " + QuoteCut(key) + ": font without \"name\"";
    if (!haveSize) return "key " + QuoteCut(key) + ": font without \"size\"";
    out = Variant::OfFont(font);
    return {};
}

std::string PictureValue(const Json& name, const std::string& key, const PictureResolver& resolve,
                         Variant& out) {
    if (!name.is_string()) return "key " + QuoteCut(key) + ": \"picture\" must hold a name";
    const std::string& text = name.get_ref<const std::string&>();
    if (text.empty()) {
        out = Variant::OfPicture(MakeEmptyPicture());
        return {};
    }
    if (text == "nothing") {
        out = Variant::OfPicture(nullptr);
        return {};
    }
    Picture picture = resolve ? resolve(text) : nullptr;
    if (!picture) return "key " + QuoteCut(key) + ": unknown picture " + QuoteCut(text);
    out = Variant::OfPicture(std::move(picture));
    return {};
}

std::string ToVariant(const Json& value, const std::string& key, const PictureResolver& resolve,
                      Variant& out) {
    switch (value.type()) {
    case Json::value_t::boolean:
        out = Variant::Boolean(ToVBool(value.get<bool>()));
        return {};
    case Json::value_t::number_integer:
        out = FromWhole(value.get<std::int64_t>());
        return {};
    case Json::value_t::number_unsigned:
        out = FromWhole(value.get<std::uint64_t>());
        return {};
    case Json::value_t::number_float:
        out = Variant::Double(value.get<double>());
        return {};
    case Json::value_t::string:
        out = Variant::String(value.get<std::string>());
        return {};
    case Json::value_t::object:
        if (value.size() == 1 && value.contains("picture"))
            return PictureValue(value["picture"], key, resolve, out);
        if (value.size() == 1 && value.contains("font")) return FontValue(value["font"], key, out);
        return "key " + QuoteCut(key) +
               ": an object must be {\"picture\":<name>} or {\"font\":{...}}";
    case Json::value_t::array:
        return "key " + QuoteCut(key) + ": an array is not a bag value";
    case Json::value_t::null:
        return "key " + QuoteCut(key) + ": null is not a bag value";
    default:
        return "key " + QuoteCut(key) + ": unsupported value";
    }
}

// Numbers: whole values as integers, others in the shortest form that reads back the
// same at the value's own precision. JSON has no NaN or infinity: those go as the
// strings the Variant conversions read back as numbers.
template <typename T> std::string Number(T v) {
    if (std::isnan(v)) return "\"NaN\"";
    if (std::isinf(v)) return v > 0 ? "\"Inf\"" : "\"-Inf\"";
    if (v == std::trunc(v) && std::fabs(v) < 9.0e18)
        return std::to_string(static_cast<long long>(v));
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : "0";
}

std::string FontJson(const Font& f) {
    auto b = [](bool v) { return v ? "true" : "false"; };
    return std::string("{\"font\":{\"name\":") + Quoted(f.name) + ",\"size\":" + Number(f.size) +
           ",\"bold\":" + b(f.bold) + ",\"italic\":" + b(f.italic) +
           ",\"underline\":" + b(f.underline) + ",\"strikethru\":" + b(f.strikethru) + "}}";
}

std::string ValueJson(const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Boolean:
        if (v.number() == kTrue) return "true";
        if (v.number() == kFalse) return "false";
        return Number(v.number());
    case VariantKind::Integer:
    case VariantKind::Long:
    case VariantKind::Double:
        return Number(v.number());
    case VariantKind::Single:
        return Number(static_cast<float>(v.number()));
    case VariantKind::String:
        return Quoted(v.text());
    case VariantKind::Picture: {
        const Picture& p = v.picture();
        bool empty = p && !p->HasImage();
        return "{\"picture\":" + Quoted(empty ? std::string() : PictureName(p)) + "}";
    }
    case VariantKind::Font:
        return FontJson(v.font());
    case VariantKind::Empty:
        break;
    }
    // An uninitialised value reads back as an empty string, which converts as it does.
    return "\"\"";
}

} // namespace

bool JsonBag::Parse(const std::string& json, const PictureResolver& resolve, std::string& error) {
    Json doc;
    error = ParseJsonText(json, doc);
    if (!error.empty()) return false;
    if (!doc.is_object()) {
        std::size_t first = json.find_first_not_of(" \t\r\n");
        error = LineColumn(json, first == std::string::npos ? 0 : first) +
                ": a bag must be a JSON object";
        return false;
    }
    JsonBag parsed;
    for (const auto& [key, value] : doc.items()) {
        Variant v;
        std::string err = ToVariant(value, key, resolve, v);
        if (!err.empty()) {
            error = err;
            return false;
        }
        parsed.Store(key, v);
    }
    entries_ = std::move(parsed.entries_);
    return true;
}

std::string JsonBag::ToJson() const {
    std::string out = "{";
    for (const auto& [key, value] : entries_) {
        if (out.size() > 1) out += ',';
        out += Quoted(key);
        out += ':';
        out += ValueJson(value);
    }
    out += '}';
    return out;
}

std::optional<Variant> JsonBag::Find(std::string_view key) const {
    for (const auto& [k, v] : entries_)
        if (SameKey(k, key)) return v;
    return std::nullopt;
}

void JsonBag::Store(std::string_view key, const Variant& value) {
    for (auto& entry : entries_)
        if (SameKey(entry.first, key)) {
            entry.first = std::string(key);
            entry.second = value;
            return;
        }
    entries_.emplace_back(std::string(key), value);
}

} // namespace nk
