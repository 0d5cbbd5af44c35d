// Builds the generator's model from the interface tables.
#include "api/gen/model.h"

#include "host/format.h"
#include "host/headless_host.h"
#include "host/script_parse.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace nk::apigen {

namespace {

// The persistence facts of a row, read only when the rows carry them, so that the generator
// builds against tables with or without them.
template <class T> std::string Fact(const T& value) {
    if constexpr (std::is_same_v<T, Variant>)
        return FormatVariant(value);
    else if constexpr (std::is_convertible_v<T, std::string_view>)
        return std::string(std::string_view(value));
    else if constexpr (std::is_arithmetic_v<T>)
        return FormatNumber(static_cast<double>(value));
    else
        return {};
}

template <class Row> void ReadPersistence(const Row& row, PropertyModel& p) {
    if constexpr (requires { row.bagKey; }) p.bagKey = Fact(row.bagKey);
    if constexpr (requires { row.readKey; })
        if (p.bagKey.empty()) p.bagKey = Fact(row.readKey);
    if constexpr (requires { row.readDefault; }) p.readDefault = Fact(row.readDefault);
    if constexpr (requires { row.writeDefault; }) p.writeDefault = Fact(row.writeDefault);
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
        for (const InterfaceTable* t : tables)
            for (const PropertyInfo& p : t->properties) {
                if (!p.enumeration) continue;
                const std::string where = std::string(t->className) + "." + std::string(p.name);
                if (const EnumModel* known = model_.FindEnum(p.enumeration->name)) {
                    if (!SameMembers(*known, *p.enumeration))
                        return Fail(where, "the enumeration " + known->name +
                                               " is declared again with other members");
                    continue;
                }
                if (p.enumeration->name.empty()) return Fail(where, "an enumeration needs a name");
                if (p.type != ValueType::Integer && p.type != ValueType::Long)
                    return Fail(where, "an enumeration property must be Integer or Long, not " +
                                           std::string(script::TypeName(p.type)));
                EnumModel e{std::string(p.enumeration->name), {}};
                for (const EnumMember& m : p.enumeration->members)
                    e.members.push_back({std::string(m.name), m.value});
                model_.enums.push_back(std::move(e));
            }
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
        ReadPersistence(p, m);
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
            out.args.push_back({std::string(a.name), a.type, a.byRef});
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
