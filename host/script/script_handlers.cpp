#include "host/script/script_handlers.h"

#include "host/script/script_session.h"

#include <algorithm>
#include <type_traits>
#include <variant>
#include <vector>

namespace nk::script {

namespace {

// A handler's assignment to the event's by-reference argument, as the event's argument type
// takes it.
void Assign(const Handler& h, std::span<const EventArg> args) {
    if (h.arg >= args.size()) return;
    const ValueType type = h.event->args[h.arg].type;
    const auto v = ConvertLiteral(type, h.value);
    if (!v) return;
    std::visit(
        [&](auto* target) {
            using T = std::remove_pointer_t<decltype(target)>;
            if (!target) return;
            if constexpr (std::is_same_v<T, float>) {
                if (auto s = v->ToSingle()) *target = *s;
            } else if constexpr (std::is_same_v<T, std::int16_t>) {
                if (type == ValueType::Boolean) {
                    if (auto b = v->ToBoolean()) *target = *b;
                } else if (auto i = v->ToInteger()) {
                    *target = *i;
                }
            } else {
                if (type == ValueType::Color) {
                    if (auto c = v->ToColor()) *target = static_cast<std::int32_t>(*c);
                } else if (auto l = v->ToLong()) {
                    *target = *l;
                }
            }
        },
        args[h.arg]);
}

void OnSet(Session& s, Lexer& lx, Handler h) {
    const std::string argName = Need(lx, "argument");
    const auto& eventArgs = h.event->args;
    const auto it = std::find_if(eventArgs.begin(), eventArgs.end(),
                                 [&](const EventArgInfo& a) { return SameName(a.name, argName); });
    if (it == eventArgs.end())
        Fail(std::string(h.event->name) + " has no argument " + Shown(argName));
    const std::string token = Need(lx, "value");
    End(lx);
    h.assigns = true;
    h.arg = static_cast<size_t>(it - eventArgs.begin());
    h.value = s.Value(token);
    if (!ConvertLiteral(it->type, h.value))
        Fail("bad value " + Shown(token) + " for " + std::string(it->name) + " (" +
             std::string(TypeName(it->type)) + ")");
    s.handlers.push_back(std::move(h));
}

void OnDo(Session& s, Lexer& lx, Handler h,
          const std::function<bool(std::string_view)>& isCommand) {
    h.command = std::string(lx.Rest());
    Lexer check(h.command);
    auto word = check.Next();
    if (!word) Fail("missing command after do");
    // A handler's command may be quiet; the command under the prefix is the one checked.
    while (SameName(*word, "quiet")) {
        word = check.Next();
        if (!word) Fail("missing command after quiet");
    }
    if (!isCommand(*word)) Fail("unknown command " + Shown(*word));
    if (SameName(*word, "new")) Fail("new cannot run in an event handler");
    s.handlers.push_back(std::move(h));
}

} // namespace

void On(Session& s, Lexer& lx, const std::function<bool(std::string_view)>& isCommand) {
    const InterfaceTable& table = s.Site().table();
    const std::string eventName = Need(lx, "event");
    const EventInfo* event = table.FindEvent(eventName);
    if (!event) Fail(std::string(table.className) + " has no event " + Shown(eventName));
    const std::string action = Need(lx, "set, do or clear");
    Handler h;
    h.event = event;
    h.line = s.line;
    if (SameName(action, "clear")) {
        End(lx);
        std::erase_if(s.handlers, [&](const Handler& x) { return x.event == event; });
        return;
    }
    if (SameName(action, "set")) return OnSet(s, lx, std::move(h));
    if (SameName(action, "do")) return OnDo(s, lx, std::move(h), isCommand);
    Fail("expected set, do or clear after the event, got " + Shown(action));
}

void Raise(Session& s, const EventInfo* event, std::span<const EventArg> args,
           const std::function<void(const std::string&)>& run) {
    if (s.stopped() || !event) return;
    const std::vector<Handler> handlers = s.handlers; // a handler may change the list
    for (const Handler& h : handlers) {
        if (s.stopped()) return;
        if (h.event != event) continue;
        if (h.assigns) {
            Assign(h, args);
            continue;
        }
        try {
            run(h.command);
        } catch (const std::exception& e) {
            s.Stop(h.line,
                   std::string(e.what()) + " (in the handler of " + std::string(event->name) +
                       ", run by line " + std::to_string(s.line) + ")",
                   kScriptError);
        }
    }
}

} // namespace nk::script
