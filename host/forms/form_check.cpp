#include "host/forms/form_check.h"

#include "host/forms/json_bag.h"
#include "host/hosts/control_site.h"
#include "support/json_text.h"
#include "support/nearest_name.h"

#include <algorithm>
#include <cctype>

namespace nk {

namespace {

// The classic scheme's system colours by index.
constexpr std::string_view kSystemColorNames[] = {
    "Scrollbar",       "Background",     "ActiveCaption", "InactiveCaption", "Menu",
    "Window",          "WindowFrame",    "MenuText",      "WindowText",      "CaptionText",
    "ActiveBorder",    "InactiveBorder", "AppWorkspace",  "Highlight",       "HighlightText",
    "ButtonFace",      "ButtonShadow",   "GrayText",      "ButtonText",      "InactiveCaptionText",
    "ButtonHighlight", "3DDKShadow",     "3DLight",       "InfoText",        "InfoBackground"};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

enum class Expected { Anything, String, Boolean, Number, Color, Picture, Font };

Expected ExpectedOf(VariantKind kind) {
    switch (kind) {
    case VariantKind::Empty:
        return Expected::Anything;
    case VariantKind::Boolean:
        return Expected::Boolean;
    case VariantKind::Integer:
    case VariantKind::Long:
    case VariantKind::Single:
    case VariantKind::Double:
        return Expected::Number;
    case VariantKind::String:
        return Expected::String;
    case VariantKind::Picture:
        return Expected::Picture;
    case VariantKind::Font:
        return Expected::Font;
    }
    return Expected::Anything;
}

Expected ExpectedOf(ValueType type) {
    switch (type) {
    case ValueType::Boolean:
        return Expected::Boolean;
    case ValueType::Integer:
    case ValueType::Long:
    case ValueType::Single:
    case ValueType::Double:
        return Expected::Number;
    case ValueType::Color:
        return Expected::Color;
    case ValueType::String:
        return Expected::String;
    case ValueType::Picture:
        return Expected::Picture;
    case ValueType::Font:
        return Expected::Font;
    case ValueType::Variant:
        return Expected::Anything;
    }
    return Expected::Anything;
}

std::string_view Described(Expected e) {
    switch (e) {
    case Expected::Anything:
        return "any value";
    case Expected::String:
        return "a string";
    case Expected::Boolean:
        return "true or false";
    case Expected::Number:
        return "a number";
    case Expected::Color:
        return "a colour (a number, \"#RRGGBB\" or a system colour's name)";
    case Expected::Picture:
        return "a picture ({\"picture\": id})";
    case Expected::Font:
        return "a font ({\"font\": {...}})";
    }
    return "";
}

bool Tagged(const FormChecker::Json& j, const char* tag) {
    return j.is_object() && j.size() == 1 && j.contains(tag);
}

bool Fits(Expected e, const FormChecker::Json& j) {
    if (j.is_null()) return true;
    switch (e) {
    case Expected::Anything:
        return true;
    case Expected::String:
        return j.is_string();
    case Expected::Boolean:
        return j.is_boolean() || j.is_number_integer() || Tagged(j, "boolean");
    case Expected::Number:
        return j.is_number() || Tagged(j, "double");
    case Expected::Color:
        return j.is_number_integer();
    case Expected::Picture:
        return Tagged(j, "picture");
    case Expected::Font:
        return Tagged(j, "font");
    }
    return true;
}

std::string Found(const FormChecker::Json& j) {
    if (j.is_string() || j.is_number() || j.is_boolean()) return DescribeJsonValue(j);
    return j.type_name();
}

} // namespace

std::optional<OleColor> ParseColorText(std::string_view text) {
    if (text.size() == 7 && text[0] == '#') {
        int v[6];
        for (int i = 0; i < 6; ++i)
            if ((v[i] = HexDigit(text[i + 1])) < 0) return std::nullopt;
        const OleColor r = static_cast<OleColor>(v[0] * 16 + v[1]);
        const OleColor g = static_cast<OleColor>(v[2] * 16 + v[3]);
        const OleColor b = static_cast<OleColor>(v[4] * 16 + v[5]);
        return r | (g << 8) | (b << 16);
    }
    for (size_t i = 0; i < std::size(kSystemColorNames); ++i)
        if (SameName(text, kSystemColorNames[i])) return kSystemColorBit | static_cast<OleColor>(i);
    return std::nullopt;
}

const std::vector<FormChecker::Member>& FormChecker::Members(const InterfaceTable& table) {
    auto it = members_.find(&table);
    if (it != members_.end()) return it->second;
    std::vector<Member> members;
    // The keys a new instance saves are exactly those its bag may hold.
    ControlSite site(table);
    JsonBag bag;
    if (site.control() != nullptr && site.InitProperties() && site.WriteProperties(bag))
        for (const auto& [key, value] : bag.entries())
            members.push_back({key, value.kind(), std::nullopt});
    for (const PropertyInfo& p : table.properties) {
        auto same = std::find_if(members.begin(), members.end(),
                                 [&](const Member& m) { return SameName(m.key, p.name); });
        if (same != members.end())
            same->propertyType = p.type;
        else
            members.push_back({std::string(p.name), std::nullopt, p.type});
    }
    return members_.emplace(&table, std::move(members)).first->second;
}

FormChecker::Json FormChecker::BagEntry(const InterfaceTable& table, const std::string& key,
                                        const Json& value, const std::string& path,
                                        std::vector<FormIssue>& issues) {
    const std::vector<Member>& members = Members(table);
    auto member = std::find_if(members.begin(), members.end(),
                               [&](const Member& m) { return SameName(m.key, key); });
    if (member == members.end()) {
        std::vector<std::string_view> names;
        for (const Member& m : members)
            names.push_back(m.key);
        issues.push_back({path, "unknown member " + MessageName(key) + " of " +
                                    std::string(table.className) + DidYouMean(key, names)});
        return value;
    }
    const bool colour = member->propertyType == ValueType::Color;
    if (colour && value.is_string()) {
        if (std::optional<OleColor> c = ParseColorText(value.get<std::string>())) return *c;
        issues.push_back({path, "expected a colour for " + member->key +
                                    " (a number, \"#RRGGBB\" or a system colour's name such as "
                                    "\"ButtonFace\"), found " +
                                    Found(value)});
        return value;
    }
    const Expected expected = member->saved          ? ExpectedOf(*member->saved)
                              : member->propertyType ? ExpectedOf(*member->propertyType)
                                                     : Expected::Anything;
    if (!Fits(expected, value) && !(colour && value.is_number_integer()))
        issues.push_back({path, "expected " + std::string(Described(expected)) + " for " +
                                    member->key + " of " + std::string(table.className) +
                                    ", found " + Found(value)});
    return value;
}

} // namespace nk
