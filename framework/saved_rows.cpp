#include "framework/saved_rows.h"

#include "framework/interface_table.h"
#include "framework/picture.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace nk {

namespace {

template <typename T> void ChangeFont(Host& host, T Font::*part, const std::optional<T>& v) {
    if (!v) return;
    Font font = host.GetFont();
    font.*part = *v;
    host.SetFont(font);
}

std::optional<bool> AsFlag(const Variant& v) {
    if (auto on = v.ToBoolean()) return *on != kFalse;
    return std::nullopt;
}

// The members that the surface keeps, each with the assignment of a value straight onto the
// surface: no notification, no repaint. A value that does not convert leaves it as it was.
struct SurfaceMember {
    std::string_view name;
    void (*store)(Host&, const Variant&);
};
constexpr SurfaceMember kSurfaceMembers[] = {
    {"ForeColor",
     [](Host& h, const Variant& v) {
         if (auto c = v.ToColor()) h.SetForeColor(*c);
     }},
    {"BackColor",
     [](Host& h, const Variant& v) {
         if (auto c = v.ToColor()) h.SetBackColor(*c);
     }},
    {"Enabled",
     [](Host& h, const Variant& v) {
         if (auto on = AsFlag(v)) h.SetEnabled(*on);
     }},
    {"BorderStyle",
     [](Host& h, const Variant& v) {
         if (auto style = v.ToInteger()) h.SetBorderStyle(*style);
     }},
    {"MousePointer",
     [](Host& h, const Variant& v) {
         if (auto pointer = v.ToInteger()) h.SetMousePointer(*pointer);
     }},
    {"MouseIcon",
     [](Host& h, const Variant& v) {
         if (auto icon = v.ToPicture()) h.SetMouseIcon(*icon);
     }},
    {"Font",
     [](Host& h, const Variant& v) {
         if (auto font = v.ToFont()) h.SetFont(*font);
     }},
    {"FontName", [](Host& h, const Variant& v) { ChangeFont(h, &Font::name, v.ToText()); }},
    {"FontSize",
     [](Host& h, const Variant& v) {
         const auto size = v.ToSingle();
         ChangeFont(h, &Font::size, size ? std::optional<double>(*size) : std::nullopt);
     }},
    {"FontBold", [](Host& h, const Variant& v) { ChangeFont(h, &Font::bold, AsFlag(v)); }},
    {"FontItalic", [](Host& h, const Variant& v) { ChangeFont(h, &Font::italic, AsFlag(v)); }},
    {"FontStrikethru",
     [](Host& h, const Variant& v) { ChangeFont(h, &Font::strikethru, AsFlag(v)); }},
    {"FontUnderline",
     [](Host& h, const Variant& v) { ChangeFont(h, &Font::underline, AsFlag(v)); }},
};

const SurfaceMember* FindSurfaceMember(std::string_view name) {
    for (const SurfaceMember& m : kSurfaceMembers)
        if (m.name == name) return &m;
    return nullptr;
}

void ApplyValue(Control& control, Host& host, const PropertyInfo& row, Via by, const Variant& v) {
    if (by == Via::Setter || row.kind == MemberKind::Field) {
        if (row.set) row.set(control, v);
    } else if (row.kind == MemberKind::Surface) {
        if (const SurfaceMember* m = FindSurfaceMember(row.name)) m->store(host, v);
    } else if (row.store) {
        row.store(control, v);
    }
}

// The rows' steps with a place in one walk and the control's own steps, run in the order of
// their places; rows at the same place run in interface order.
void Walk(const Control& control, int Lifecycle::*place,
          const std::function<void(const PropertyInfo&)>& step,
          std::initializer_list<OwnStep> own) {
    std::vector<std::pair<int, std::function<void()>>> steps;
    for (const PropertyInfo& row : control.Interface().properties)
        if (const int at = row.life.*place; at > 0)
            steps.emplace_back(at, [&step, &row] { step(row); });
    for (const OwnStep& s : own)
        steps.emplace_back(s.at, s.run);
    std::stable_sort(steps.begin(), steps.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& s : steps)
        s.second();
}

Variant InitialValue(Host& host, const Lifecycle& life) {
    switch (life.initFrom) {
    case Initial::EmptyPicture:
        return Variant::OfPicture(host.LoadPicture());
    case Initial::AmbientDisplayName:
        return Variant::String(host.AmbientDisplayName());
    case Initial::AmbientFont:
        return Variant::OfFont(host.AmbientFont());
    case Initial::Value:
        break;
    }
    return life.initValue.value_or(Variant{});
}

// The default handed to the bag: the row's own, or the container's font for a font without one.
std::optional<Variant> BagDefault(Host& host, const PropertyInfo& row,
                                  const std::optional<Variant>& def) {
    if (def) return def;
    if (row.type == ValueType::Font) return Variant::OfFont(host.AmbientFont());
    return std::nullopt;
}

} // namespace

void InitFromRows(Control& control, Host& host, std::initializer_list<OwnStep> own) {
    Walk(
        control, &Lifecycle::initAt,
        [&](const PropertyInfo& row) {
            ApplyValue(control, host, row, row.life.initBy, InitialValue(host, row.life));
        },
        own);
}

void ReadFromRows(Control& control, Host& host, const PropertyBag& bag,
                  std::initializer_list<OwnStep> own) {
    Walk(
        control, &Lifecycle::readAt,
        [&](const PropertyInfo& row) {
            const auto def = BagDefault(host, row, row.readDefault);
            if (row.bagKey.empty() || !def) return;
            ApplyValue(control, host, row, row.life.readBy, ReadProperty(bag, row.ReadKey(), *def));
        },
        own);
}

void WriteFromRows(Control& control, Host& host, PropertyBag& bag,
                   std::initializer_list<OwnStep> own) {
    Walk(
        control, &Lifecycle::writeAt,
        [&](const PropertyInfo& row) {
            const auto def = BagDefault(host, row, row.writeDefault);
            if (row.bagKey.empty() || !def || !row.get) return;
            Variant value = row.get(control);
            if (row.writtenAs) value = ConvertTo(*row.writtenAs, value).value_or(value);
            // No picture is never stored, whatever the write default stands for.
            if (row.type == ValueType::Picture && !IsPresent(value.ToPicture().value_or(nullptr)))
                return;
            WriteProperty(bag, row.bagKey, value, *def);
        },
        own);
}

bool IsSurfaceMember(std::string_view name) {
    return FindSurfaceMember(name) != nullptr;
}

} // namespace nk
