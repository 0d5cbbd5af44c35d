// The API reference in Markdown: every class with its properties (C++ type, initial value,
// bag key and defaults, help), methods, events and the enumerations.
#include "api/gen/cpp_names.h"
#include "api/gen/emitter.h"

#include <sstream>

namespace nk::apigen {

namespace {

// A table cell: pipes escaped, code in backticks.
std::string Cell(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '|') out += '\\';
        out += c;
    }
    return out;
}
std::string Code(std::string_view text) {
    return text.empty() ? std::string() : "`" + Cell(text) + "`";
}

// A C++ type as the reference prints it: "nk::Font" rather than "::nk::Font".
std::string Plain(std::string text) {
    for (size_t at = text.find("::nk::"); at != std::string::npos; at = text.find("::nk::", at))
        if (at == 0 || text[at - 1] != ':')
            text.erase(at, 2);
        else
            at += 6;
    return text;
}

// A value of an enumeration property with its member's name: "1 (RescaleToEdges)".
std::string Named(const ApiModel& model, const PropertyModel& p, const std::string& value) {
    const EnumModel* e = model.FindEnum(p.enumeration);
    if (!e || value.empty()) return value;
    for (const EnumModel::Member& m : e->members)
        if (std::to_string(m.value) == value) return value + " (" + CppIdentifier(m.name) + ")";
    return value;
}

bool HasPersistence(const ClassModel& c) {
    for (const PropertyModel& p : c.properties)
        if (!p.bagKey.empty() || !p.readDefault.empty() || !p.writeDefault.empty()) return true;
    return false;
}

void Properties(std::ostream& out, const ApiModel& model, const ClassModel& c) {
    const bool bag = HasPersistence(c);
    out << "\n### Properties\n\n| Property | C++ type | Initial value |"
        << (bag ? " Bag key | Read default | Write default |" : "") << " Help |\n|---|---|---|"
        << (bag ? "---|---|---|" : "") << "---|\n";
    for (const PropertyModel& p : c.properties) {
        out << "| `" << p.name << "`"
            << (p.getter != p.name ? " (getter `" + p.getter + "()`)" : "")
            << (p.writable ? "" : " (read-only)") << (p.notifies ? "" : " (field)") << " | "
            << Code(Plain(CppType(p))) << " | " << Code(Named(model, p, p.initial)) << " |";
        if (bag)
            out << " " << Code(p.bagKey)
                << (p.readKey.empty() ? "" : " (read as " + Code(p.readKey) + ")") << " | "
                << Code(Named(model, p, p.readDefault)) << " | "
                << Code(Named(model, p, p.writeDefault)) << " |";
        out << " " << Cell(p.help) << " |\n";
    }
    out << "\nEvery property `X` has `X()`, `SetX(value)` (unless read-only) and, unless it is "
           "a plain field, `OnXChanged(handler)`, which runs with the new value whenever the "
           "control reports a change of it.\n";
}

void Methods(std::ostream& out, const ClassModel& c) {
    if (c.methods.empty()) return;
    out << "\n### Methods\n\n";
    for (const MethodModel& m : c.methods) {
        std::string params;
        for (const ParamModel& p : m.params) {
            if (!params.empty()) params += ", ";
            params += Plain(CppParamType(p.type)) + " " + CppParamName(p.name);
        }
        out << "- `" << (m.reportsErrors ? "[[nodiscard]] " : "") << "nk::MethodResult " << m.name
            << "(" << params << ")`";
        if (!m.help.empty()) out << ": " << m.help;
        if (m.reportsErrors) out << " The result carries the error the call lets through.";
        out << "\n";
    }
}

// " `soundType` carries `NKSoundType` values." for the arguments that carry enumerations.
std::string ArgEnums(const EventModel& e) {
    std::string out;
    for (const EventArgModel& a : e.args)
        if (!a.enumeration.empty())
            out += " `" + CppParamName(a.name) + "` carries `" + a.enumeration + "` values.";
    return out;
}

void Events(std::ostream& out, const ClassModel& c) {
    if (c.events.empty()) return;
    out << "\n### Events\n\n| Number | Event | Handler | Help |\n|---|---|---|---|\n";
    for (const EventModel& e : c.events)
        out << "| " << e.number << " | `" << e.name << "` | `On" << e.name << "("
            << Cell(Plain(HandlerType(e))) << ")` | " << Cell(e.help) << ArgEnums(e) << " |\n";
}

void Enums(std::ostream& out, const ApiModel& model) {
    out << "\n## Enumerations\n";
    if (model.enums.empty()) out << "\nNo property takes an enumeration.\n";
    for (const EnumModel& e : model.enums) {
        out << "\n### `" << e.name << "`\n\n| Member | Value |\n|---|---|\n";
        for (const EnumModel::Member& m : e.members)
            out << "| `" << e.name << "::" << CppIdentifier(m.name) << "`"
                << (CppIdentifier(m.name) != m.name ? " (\"" + m.name + "\")" : "") << " | "
                << m.value << " |\n";
    }
}

std::string Document(const ApiModel& model) {
    std::ostringstream out;
    out << "# The typed C++ API\n\n"
        << "<!-- Generated by nk_apigen from the controls' interface tables: do not edit. -->\n\n"
        << "Include `<nuvelkit/nuvelkit.h>` (or one class's header, such as "
           "`<nuvelkit/NuvelCommand.h>`), place controls with "
           "`form.Add<nk::NuvelCommand>(\"Hello\", left, top, width, height)` and find them "
           "with `form.Get<nk::NuvelCheck>(\"Allow\")`; both throw `nk::FormError` saying why "
           "when they cannot (an unknown or duplicate name, a control of another class).\n\n"
        << "Event handlers take the event's arguments by reference where the control reads "
           "them back: a `MouseMove` handler that sets `x` changes what the control goes on "
           "with.\n\n"
        << "To follow a control's state, use the change notifications (`OnValueChanged`, "
           "...), not the events: a check box toggled from the keyboard, or by the second "
           "click of a double click, raises no `Click`, but it always reports the change of "
           "`Value`.\n";
    for (const ClassModel& c : model.classes) {
        out << "\n## " << c.name << "\n\n`" << c.typeLibrary << "." << c.name << "` in "
            << c.library << ", " << c.designWidth << " x " << c.designHeight
            << " pixels when placed without a size.\n";
        Properties(out, model, c);
        Methods(out, c);
        Events(out, c);
    }
    Enums(out, model);
    return out.str();
}

class DocsEmitter : public Emitter {
public:
    std::vector<OutputFile> Emit(const ApiModel& model) const override {
        return {{"api.md", Document(model)}};
    }
};

} // namespace

std::unique_ptr<Emitter> MakeDocsEmitter() {
    return std::make_unique<DocsEmitter>();
}

} // namespace nk::apigen
