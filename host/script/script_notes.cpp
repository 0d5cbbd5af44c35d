#include "host/script/script_notes.h"

#include "host/script/script_session.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace nk::script {

namespace {

// An argument of a notification: its name in messages and the type it is converted to.
struct Param {
    std::string_view name;
    ValueType type;
};

constexpr Param kKeyParams[] = {{"KeyCode", ValueType::Integer}, {"Shift", ValueType::Integer}};
constexpr Param kAsciiParams[] = {{"KeyAscii", ValueType::Integer}};
constexpr Param kMouseParams[] = {{"Button", ValueType::Integer},
                                  {"Shift", ValueType::Integer},
                                  {"X", ValueType::Single},
                                  {"Y", ValueType::Single}};

using Args = std::span<const Variant>;
// Delivers a notification with its converted arguments; `child` is null for the control's own.
using Deliver = void (*)(ControlSite& site, const ChildRef* child, Args args);

std::int16_t I16(const Variant& v) {
    return static_cast<std::int16_t>(v.number());
}
float F32(const Variant& v) {
    return static_cast<float>(v.number());
}

struct Notification {
    std::string_view name;
    std::span<const Param> params;
    bool child; // a child can deliver it too
    Deliver deliver;
};

// Every notification `send` delivers, with its arguments and its delivery.
const Notification kNotifications[] = {
    {"Paint",
     {},
     true,
     [](ControlSite& s, const ChildRef* c, Args) { c ? s.ChildPaint(*c) : s.Paint(); }},
    {"Resize", {}, false, [](ControlSite& s, const ChildRef*, Args) { s.Resize(); }},
    {"Click",
     {},
     true,
     [](ControlSite& s, const ChildRef* c, Args) { c ? s.ChildClick(*c) : s.Click(); }},
    {"DblClick",
     {},
     true,
     [](ControlSite& s, const ChildRef* c, Args) { c ? s.ChildDblClick(*c) : s.DblClick(); }},
    {"GotFocus", {}, false, [](ControlSite& s, const ChildRef*, Args) { s.GotFocus(); }},
    {"LostFocus", {}, false, [](ControlSite& s, const ChildRef*, Args) { s.LostFocus(); }},
    {"EnterFocus", {}, false, [](ControlSite& s, const ChildRef*, Args) { s.EnterFocus(); }},
    {"ExitFocus", {}, false, [](ControlSite& s, const ChildRef*, Args) { s.ExitFocus(); }},
    {"KeyDown", kKeyParams, true,
     [](ControlSite& s, const ChildRef* c, Args a) {
         c ? s.ChildKeyDown(*c, I16(a[0]), I16(a[1])) : s.KeyDown(I16(a[0]), I16(a[1]));
     }},
    {"KeyUp", kKeyParams, true,
     [](ControlSite& s, const ChildRef* c, Args a) {
         c ? s.ChildKeyUp(*c, I16(a[0]), I16(a[1])) : s.KeyUp(I16(a[0]), I16(a[1]));
     }},
    {"KeyPress", kAsciiParams, true,
     [](ControlSite& s, const ChildRef* c, Args a) {
         c ? s.ChildKeyPress(*c, I16(a[0])) : s.KeyPress(I16(a[0]));
     }},
    {"AccessKeyPress", kAsciiParams, false,
     [](ControlSite& s, const ChildRef*, Args a) { s.AccessKeyPress(I16(a[0])); }},
    {"MouseDown", kMouseParams, true,
     [](ControlSite& s, const ChildRef* c, Args a) {
         c ? s.ChildMouseDown(*c, I16(a[0]), I16(a[1]), F32(a[2]), F32(a[3]))
           : s.MouseDown(I16(a[0]), I16(a[1]), F32(a[2]), F32(a[3]));
     }},
    {"MouseMove", kMouseParams, true,
     [](ControlSite& s, const ChildRef* c, Args a) {
         c ? s.ChildMouseMove(*c, I16(a[0]), I16(a[1]), F32(a[2]), F32(a[3]))
           : s.MouseMove(I16(a[0]), I16(a[1]), F32(a[2]), F32(a[3]));
     }},
    {"MouseUp", kMouseParams, true,
     [](ControlSite& s, const ChildRef* c, Args a) {
         c ? s.ChildMouseUp(*c, I16(a[0]), I16(a[1]), F32(a[2]), F32(a[3]))
           : s.MouseUp(I16(a[0]), I16(a[1]), F32(a[2]), F32(a[3]));
     }},
};

const Notification* Find(std::string_view name) {
    for (const auto& n : kNotifications)
        if (SameName(n.name, name)) return &n;
    return nullptr;
}

// A child as written before the notification's name: `Picture1`, `Image1(2)`.
ChildRef Child(Session& s, std::string_view written) {
    const InterfaceTable& table = s.Site().table();
    std::string_view name = written;
    int index = -1;
    if (const auto open = written.find('('); open != std::string_view::npos) {
        if (written.back() != ')') Fail("bad child " + Shown(written));
        name = written.substr(0, open);
        const auto n = ParseNumber(written.substr(open + 1, written.size() - open - 2));
        const auto i = n && !n->hex ? n->value.ToLong() : std::nullopt;
        if (!i) Fail("bad index in " + Shown(written));
        index = *i;
    }
    const ChildInfo* info = table.FindChild(name);
    if (!info) Fail(std::string(table.className) + " has no child " + Shown(name));
    if (info->kind == ChildKind::ImageZones) {
        if (index < 0 || index >= info->count)
            Fail(std::string(info->name) + " needs an index 0 to " +
                 std::to_string(info->count - 1));
    } else if (index >= 0) {
        Fail(std::string(info->name) + " is not a control array");
    }
    return ChildRef{info->name, index};
}

} // namespace

void Send(Session& s, Lexer& lx) {
    ControlSite& site = s.Site();
    const std::string designation = Need(lx, "notification");
    std::optional<ChildRef> child;
    std::string_view noteName = designation;
    if (const auto dot = designation.rfind('.'); dot != std::string::npos) {
        child = Child(s, std::string_view(designation).substr(0, dot));
        noteName = std::string_view(designation).substr(dot + 1);
    }
    const Notification* note = Find(noteName);
    if (!note) Fail("unknown notification " + Shown(noteName));
    if (child && !note->child) Fail("a child does not deliver " + std::string(note->name));
    std::vector<std::string> tokens;
    while (auto t = lx.Next())
        tokens.push_back(*t);
    if (tokens.size() != note->params.size())
        Fail(std::string(note->name) + " takes " + std::to_string(note->params.size()) +
             " arguments");
    std::vector<Variant> args;
    for (size_t i = 0; i < tokens.size(); ++i)
        args.push_back(s.Convert(note->params[i].type, tokens[i], note->params[i].name));
    note->deliver(site, child ? &*child : nullptr, args);
}

} // namespace nk::script
