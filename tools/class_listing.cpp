#include "tools/class_listing.h"

#include "host/hosts/control_site.h"
#include "host/hosts/format.h"
#include "host/script/script_parse.h"
#include "support/nearest_name.h"

#include <algorithm>
#include <iomanip>
#include <string_view>
#include <vector>

namespace nk::tools {

namespace {

std::string ProgramId(const InterfaceTable& t) {
    return std::string(t.typeLibrary) + "." + std::string(t.className);
}

std::string TypeText(ValueType type) {
    return std::string(script::TypeName(type));
}

std::string PropertyType(const PropertyInfo& p) {
    std::string type = p.enumeration ? std::string(p.enumeration->name) : TypeText(p.type);
    if (p.kind == MemberKind::Field) type += ", field";
    if (p.set == nullptr) type += ", read-only";
    return type;
}

std::string Arguments(const std::vector<ParamInfo>& params) {
    std::string text;
    for (const ParamInfo& p : params)
        text += (text.empty() ? "" : ", ") + std::string(p.name) + " As " + TypeText(p.type);
    return "(" + text + ")";
}

std::string Arguments(const std::vector<EventArgInfo>& args) {
    std::string text;
    for (const EventArgInfo& a : args)
        text += (text.empty() ? "" : ", ") + std::string(a.byRef ? "" : "ByVal ") +
                std::string(a.name) + " As " + TypeText(a.type);
    return "(" + text + ")";
}

void PrintHelp(std::ostream& out, std::string_view help) {
    if (!help.empty()) out << "  " << help;
}

} // namespace

const InterfaceTable* FindClassNamed(std::span<const InterfaceTable* const> classes,
                                     const std::string& name, std::string& error) {
    std::vector<std::string_view> names;
    for (const InterfaceTable* t : classes) {
        if (SameName(t->className, name) || SameName(ProgramId(*t), name)) return t;
        names.push_back(t->className);
    }
    std::string all;
    for (std::string_view n : names)
        all += (all.empty() ? "" : ", ") + std::string(n);
    error = "unknown class " + name + DidYouMean(name, names) + " (the classes are " + all + ")";
    return nullptr;
}

void PrintClass(std::ostream& out, const InterfaceTable& table) {
    out << table.className << " (" << ProgramId(table) << ", library " << table.library
        << ", design size " << table.designWidth << " x " << table.designHeight << " pixels)\n";
    ControlSite site(table);
    const bool fresh = site.control() != nullptr && site.InitProperties();

    out << "\nProperties (type, initial value):\n";
    size_t width = 0;
    for (const PropertyInfo& p : table.properties)
        width = std::max(width, p.name.size());
    for (const PropertyInfo& p : table.properties) {
        std::optional<Variant> value;
        if (fresh) value = site.Get(p.name);
        out << "  " << std::left << std::setw(static_cast<int>(width)) << p.name << "  "
            << PropertyType(p) << " = " << (value ? FormatValue(p.type, *value) : "?");
        PrintHelp(out, p.help);
        out << '\n';
        if (p.enumeration)
            for (const EnumMember& m : p.enumeration->members)
                out << "  " << std::setw(static_cast<int>(width)) << ""
                    << "    " << m.value << " " << m.name << '\n';
    }
    out << "\nMethods:\n";
    if (table.methods.empty()) out << "  (none)\n";
    for (const MethodInfo& m : table.methods) {
        out << "  " << m.name << Arguments(m.params);
        PrintHelp(out, m.help);
        out << '\n';
    }
    out << "\nEvents (number, arguments; by reference unless ByVal):\n";
    if (table.events.empty()) out << "  (none)\n";
    for (const EventInfo& e : table.events) {
        out << "  " << std::right << std::setw(2) << e.number << " " << e.name << Arguments(e.args)
            << std::left;
        PrintHelp(out, e.help);
        out << '\n';
    }
}

} // namespace nk::tools
