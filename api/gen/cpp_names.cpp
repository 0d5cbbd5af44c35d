// The C++ spellings of the model's types and names.
#include "api/gen/cpp_names.h"

#include <cctype>

namespace nk::apigen {

std::string CppType(ValueType type) {
    switch (type) {
    case ValueType::Boolean:
        return "bool";
    case ValueType::Integer:
        return "std::int16_t";
    case ValueType::Long:
        return "std::int32_t";
    case ValueType::Single:
        return "float";
    case ValueType::Double:
        return "double";
    case ValueType::String:
        return "std::string";
    case ValueType::Color:
        return "::nk::OleColor";
    case ValueType::Picture:
        return "::nk::Picture";
    case ValueType::Font:
        return "::nk::Font";
    case ValueType::Variant:
        return "::nk::Variant";
    }
    return "void";
}

std::string CppType(const PropertyModel& p) {
    return p.enumeration.empty() ? CppType(p.type) : p.enumeration;
}

std::string CppParamType(ValueType type) {
    switch (type) {
    case ValueType::String:
        return "std::string_view";
    case ValueType::Picture:
    case ValueType::Font:
    case ValueType::Variant:
        return "const " + CppType(type) + "&";
    default:
        return CppType(type);
    }
}

std::string CppParamType(const PropertyModel& p) {
    return p.enumeration.empty() ? CppParamType(p.type) : p.enumeration;
}

std::string CppArgType(const EventArgModel& a) {
    return CppType(a.type) + (a.byRef ? "&" : "");
}

std::string ValueTag(ValueType type) {
    switch (type) {
    case ValueType::Boolean:
        return "ValueType::Boolean";
    case ValueType::Integer:
        return "ValueType::Integer";
    case ValueType::Long:
        return "ValueType::Long";
    case ValueType::Single:
        return "ValueType::Single";
    case ValueType::Double:
        return "ValueType::Double";
    case ValueType::String:
        return "ValueType::String";
    case ValueType::Color:
        return "ValueType::Color";
    case ValueType::Picture:
        return "ValueType::Picture";
    case ValueType::Font:
        return "ValueType::Font";
    case ValueType::Variant:
        return "ValueType::Variant";
    }
    return "";
}

std::string CppParamName(std::string_view name) {
    std::string out(name);
    if (!out.empty()) out[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(out[0])));
    return out;
}

std::string HandlerType(const EventModel& e) {
    std::string list;
    for (const EventArgModel& a : e.args) {
        if (!list.empty()) list += ", ";
        list += CppArgType(a) + " " + CppParamName(a.name);
    }
    return "std::function<void(" + list + ")>";
}

std::string CppIdentifier(std::string_view name) {
    std::string out;
    for (char c : name)
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') out += c;
    if (!out.empty() && std::isdigit(static_cast<unsigned char>(out[0]))) return {};
    return out;
}

std::string Literal(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

} // namespace nk::apigen
