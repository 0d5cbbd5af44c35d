// Builds the generator's model from the interface tables.
#include "api/gen/model.h"

#include "api/gen/cpp_names.h"

#include "host/hosts/control_site.h"
#include "host/hosts/format.h"
#include "host/script/script_parse.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace nk::apigen {

namespace {

// A default as the reference prints it, in the member's type; "" for none (not fixed).
std::string Default(ValueType type, const std::optional<Variant>& value) {
    if (!value) return {};
    const auto converted = ConvertTo(type, *value);
    return converted ? FormatValue(type, *converted) : FormatVariant(*value);
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool SameMembers(const EnumModel& model, const EnumInfo& info) {
    if (model.members.size() != info.members.size()) return false;
    for (size_t i = 0; i < model.members.size(); ++i)
        if (model.members[i].name != info.members[i].name ||
            model.members[i].value != info.members[i].value)
            return false;
    return true;
}

class Builder {
public:
    explicit Builder(std::string& error) : error_(error) {}

    bool Fail(const std::string& where, const std::string& what) {
        error_ = where + ": " + what;
        return false;
    }

    bool CollectEnums(std::span<const InterfaceTable* const> tables) {
        for (const InterfaceTable* t : tables) {
            for (const PropertyInfo& p : t->properties)
                if (!CollectEnum(std::string(t->className) + "." + std::string(p.name), p.type,
                                 p.enumeration))
                    return false;
            for (const EventInfo& e : t->events)
                for (const EventArgInfo& a : e.args)
                    if (!CollectEnum(std::string(t->className) + "." + std::string(e.name) + "(" +
                                         std::string(a.name) + ")",
                                     a.type, a.enumeration))
                        return false;
        }
        return true;
    }

    // An enumeration a member takes, added once; refused when declared again differently
    // or taken by a member that is not an integer.
    bool CollectEnum(const std::string& where, ValueType type, const EnumInfo* info) {
        if (!info) return true;
        if (const EnumModel* known = model_.FindEnum(info->name)) {
            if (!SameMembers(*known, *info))
                return Fail(where, "the enumeration " + known->name +
                                       " is declared again with other members");
            return true;
        }
        if (info->name.empty()) return Fail(where, "an enumeration needs a name");
        if (type != ValueType::Integer && type != ValueType::Long)
            return Fail(where, "an enumeration member must be Integer or Long, not " +
                                   std::string(script::TypeName(type)));
        if (CppIdentifier(info->name) != info->name)
            return Fail(where, "the enumeration name " + std::string(info->name) +
                                   " is not a C++ identifier");
        EnumModel e{std::string(info->name), {}};
        std::set<std::string> names;
        for (const EnumMember& m : info->members) {
            const std::string id = CppIdentifier(m.name);
            if (id.empty() || !names.insert(id).second)
                return Fail(where, "the member \"" + std::string(m.name) + "\" of " + e.name +
                                       " gives no C++ name of its own");
            e.members.push_back({std::string(m.name), m.value});
        }
        model_.enums.push_back(std::move(e));
        return true;
    }

    bool AddClass(const InterfaceTable& t) {
        ClassModel c{std::string(t.className),
                     std::string(t.library),
                     std::string(t.typeLibrary),
                     t.designWidth,
                     t.designHeight,
                     {},
                     {},
                     {}};
        names_.clear();
        ControlSite site(t);
        const bool live = site.control() && site.InitProperties();
        for (const PropertyInfo& p : t.properties)
            if (!AddProperty(c, p, live ? &site : nullptr)) return false;
        for (const MethodInfo& m : t.methods)
            if (!AddMethod(c, m)) return false;
        for (const EventInfo& e : t.events)
            if (!AddEvent(c, e)) return false;
        model_.classes.push_back(std::move(c));
        return true;
    }

    ApiModel Take() { return std::move(model_); }

private:
    // Every C++ name a class's handle gets, in any letter case (the kit's names are).
    bool Claim(const ClassModel& c, const std::string& name) {
        if (names_.insert(Lower(name)).second) return true;
        return Fail(c.name + "." + name, "two members give the same C++ name " + name);
    }

    bool AddProperty(ClassModel& c, const PropertyInfo& p, ControlSite* site) {
        PropertyModel m;
        m.name = std::string(p.name);
        m.getter = m.name == c.name ? "Get" + m.name : m.name;
        m.type = p.type;
        m.kind = p.kind;
        m.writable = p.set != nullptr;
        m.notifies = p.kind != MemberKind::Field;
        m.help = std::string(p.help);
        if (p.enumeration) m.enumeration = std::string(p.enumeration->name);
        if (site)
            if (auto v = site->Get(p.name)) m.initial = FormatValue(p.type, *v);
        m.bagKey = std::string(p.bagKey);
        if (p.ReadKey() != p.bagKey) m.readKey = std::string(p.ReadKey());
        m.readDefault = Default(p.type, p.readDefault);
        m.writeDefault = Default(p.type, p.writeDefault);
        if (!Claim(c, m.getter)) return false;
        if (m.notifies && !Claim(c, "On" + m.name + "Changed")) return false;
        if (m.writable && !Claim(c, "Set" + m.name)) return false;
        c.properties.push_back(std::move(m));
        return true;
    }

    bool AddMethod(ClassModel& c, const MethodInfo& m) {
        MethodModel out{std::string(m.name), {}, std::string(m.help), !m.params.empty()};
        for (const ParamInfo& p : m.params)
            out.params.push_back({std::string(p.name), p.type});
        if (!Claim(c, out.name)) return false;
        c.methods.push_back(std::move(out));
        return true;
    }

    bool AddEvent(ClassModel& c, const EventInfo& e) {
        EventModel out{e.number, std::string(e.name), {}, std::string(e.help)};
        const std::string where = c.name + "." + out.name;
        for (const EventArgInfo& a : e.args) {
            if (a.type != ValueType::Integer && a.type != ValueType::Long &&
                a.type != ValueType::Single)
                return Fail(where, "the argument " + std::string(a.name) + " is " +
                                       std::string(script::TypeName(a.type)) +
                                       ", and events carry only Integer, Long and Single");
            EventArgModel arg{std::string(a.name), a.type, a.byRef, {}};
            if (a.enumeration) arg.enumeration = std::string(a.enumeration->name);
            out.args.push_back(std::move(arg));
        }
        if (!Claim(c, "On" + out.name)) return false;
        c.events.push_back(std::move(out));
        return true;
    }

    std::string& error_;
    ApiModel model_;
    std::set<std::string> names_;
};

} // namespace

const EnumModel* ApiModel::FindEnum(std::string_view name) const {
    for (const EnumModel& e : enums)
        if (e.name == name) return &e;
    return nullptr;
}

std::optional<ApiModel> BuildModel(std::span<const InterfaceTable* const> tables,
                                   std::string& error) {
    Builder builder(error);
    if (!builder.CollectEnums(tables)) return std::nullopt;
    for (const InterfaceTable* t : tables)
        if (!builder.AddClass(*t)) return std::nullopt;
    return builder.Take();
}

} // namespace nk::apigen
