// The Qt spelling of the model's members (qt_names.h).
#include "api/gen/qt_names.h"

#include "api/gen/cpp_names.h"

#include <cctype>
#include <cstdlib>

namespace nk::apigen {

namespace {

// Names a widget class already has from QWidget, which a member must not hide.
const std::set<std::string> kWidgetNames = {
    "close",   "cursor", "font",    "geometry", "height",  "hide",   "lower",   "move",
    "palette", "pos",    "raise",   "rect",     "repaint", "resize", "scroll",  "show",
    "size",    "update", "visible", "width",    "x",       "y",      "enabled", "locale"};

} // namespace

// "Caption" -> "caption", "XYRefresh" -> "xyRefresh", "hWnd" stays.
std::string LowerCamel(std::string_view name) {
    std::string out(name);
    size_t upper = 0;
    while (upper < out.size() && std::isupper(static_cast<unsigned char>(out[upper])))
        ++upper;
    // A leading run of capitals is an abbreviation, all but its last letter (which starts
    // the next word) lowered; a name that is all capitals is lowered whole.
    const size_t lower = upper == out.size() || upper <= 1 ? upper : upper - 1;
    for (size_t i = 0; i < lower; ++i)
        out[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(out[i])));
    if (kWidgetNames.count(out)) out = "nuvel" + std::string(name);
    return out;
}

std::string Capitalised(std::string name) {
    if (!name.empty())
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

// The signal of an event, as Qt names its own: "clicked", "doubleClicked", "mouseDown".
std::string SignalName(std::string_view event) {
    if (event == "Click") return "clicked";
    if (event == "DblClick") return "doubleClicked";
    return LowerCamel(event);
}

// The widget's own members that stand for a property: the font is the widget's font and
// the enabled state its enabled state.
bool WidgetOwned(const PropertyModel& p) {
    return p.name == "Font" || p.name == "Enabled";
}

namespace {

// A value of any kind whose initial value is a number is a number in Qt: a double, which
// holds every integer the member's 16- and 32-bit values hold as well as fractions.
bool NumberInQt(const PropertyModel& p) {
    if (p.type != ValueType::Variant || p.initial.empty()) return false;
    char* end = nullptr;
    (void)std::strtod(p.initial.c_str(), &end);
    return end && *end == '\0';
}

// The members Qt takes as a percentage, as a QProgressBar takes its value: 0 to 100, a value
// outside refused. The kit's own API keeps every value the control accepts.
bool PercentInQt(const ClassModel& c, const PropertyModel& p) {
    return c.name == "NuvelFill" && p.name == "Value" && NumberInQt(p);
}

} // namespace

QtType TypeOf(const ClassModel& c, const PropertyModel& p) {
    if (PercentInQt(c, p))
        return {"double", "double", "doubleToQt(member(NAME))",
                "percentFromQt(value, \"" + c.name + "." + LowerCamel(p.name) + "\")"};
    if (NumberInQt(p))
        return {"double", "double", "doubleToQt(member(NAME))",
                "numberFromQt(value, \"" + c.name + "." + LowerCamel(p.name) + "\")"};
    if (!p.enumeration.empty())
        return {p.enumeration, p.enumeration,
                "static_cast<" + p.enumeration + ">(intToQt(member(NAME)))",
                "Variant::Long(static_cast<std::int32_t>(value))"};
    switch (p.type) {
    case ValueType::Boolean:
        return {"bool", "bool", "boolToQt(member(NAME))", "boolFromQt(value)"};
    case ValueType::Integer:
    case ValueType::Long:
        return {"int", "int", "intToQt(member(NAME))", "Variant::Long(value)"};
    case ValueType::Single:
        // A double in Qt, which form designers edit and save as they do any number; the
        // control keeps its single.
        return {"double", "double", "singleToQt(member(NAME))",
                "singleFromQt(value, \"" + c.name + "." + LowerCamel(p.name) + "\")"};
    case ValueType::Double:
        return {"double", "double", "doubleToQt(member(NAME))", "Variant::Double(value)"};
    case ValueType::String:
        return {"QString", "const QString&", "stringToQt(member(NAME))", "stringFromQt(value)"};
    case ValueType::Color:
        return {"QColor", "const QColor&", "colorToQt(member(NAME))", "colorValueFromQt(value)"};
    case ValueType::Picture:
        return {"QPixmap", "const QPixmap&", "pictureToQt(member(NAME))",
                "pictureValueFromQt(value)"};
    case ValueType::Font:
        return {"QFont", "const QFont&", "fontToQt(member(NAME)->font())",
                "Variant::OfFont(fontFromQt(value))"};
    case ValueType::Variant:
        return {"QVariant", "const QVariant&", "variantToQt(member(NAME))", "variantFromQt(value)"};
    }
    return {"QVariant", "const QVariant&", "variantToQt(member(NAME))", "variantFromQt(value)"};
}

// A system colour's value when a colour property starts out as one ("0x8000000F"), else 0.
unsigned long SystemColorDefault(const PropertyModel& p) {
    if (p.type != ValueType::Color || p.initial.rfind("0x8", 0) != 0) return 0;
    return std::stoul(p.initial.substr(2), nullptr, 16);
}

std::string ArgType(const EventArgModel& a) {
    const std::string base = a.type == ValueType::Integer ? "short"
                             : a.type == ValueType::Long  ? "int"
                                                          : "float";
    return a.byRef ? base + "&" : base;
}

std::set<std::string> EnumsOf(const ClassModel& c) {
    std::set<std::string> names;
    for (const PropertyModel& p : c.properties)
        if (!p.enumeration.empty() && !WidgetOwned(p)) names.insert(p.enumeration);
    return names;
}

std::string MethodParams(const MethodModel& m) {
    std::string params;
    for (const ParamModel& p : m.params) {
        if (!params.empty()) params += ", ";
        params +=
            (p.type == ValueType::String ? "const QString& " : "double ") + CppParamName(p.name);
    }
    return params;
}

std::string EventParams(const EventModel& e) {
    std::string params;
    for (const EventArgModel& a : e.args) {
        if (!params.empty()) params += ", ";
        params += ArgType(a) + " " + CppParamName(a.name);
    }
    return params;
}

} // namespace nk::apigen
