#include "host/script/script_control.h"

#include "host/forms/json_bag.h"
#include "host/hosts/format.h"
#include "host/script/script_handlers.h"
#include "host/script/script_session.h"

#include <vector>

namespace nk::script {

namespace {

const InterfaceTable* FindClass(const Session& s, std::string_view name) {
    for (const InterfaceTable* t : s.classes) {
        if (!t) continue;
        if (SameName(t->className, name)) return t;
        const std::string qualified = std::string(t->typeLibrary) + "." + std::string(t->className);
        if (SameName(qualified, name)) return t;
    }
    return nullptr;
}

PictureResolver Resolver(Session& s) {
    return [&s](const std::string& name) { return s.pictures.Find(name, s.site.get()); };
}

const PropertyInfo& Member(Session& s, std::string_view name) {
    const InterfaceTable& table = s.Site().table();
    const PropertyInfo* p = table.FindProperty(name);
    if (!p) Fail(std::string(table.className) + " has no property or field " + Shown(name));
    return *p;
}

} // namespace

void New(Session& s, Lexer& lx, std::function<void(const std::string&)> runHandler) {
    const std::string cls = Need(lx, "class name");
    const InterfaceTable* table = FindClass(s, cls);
    if (!table) Fail("unknown class " + Shown(cls));
    std::vector<std::string> rest;
    while (auto t = lx.Next())
        rest.push_back(*t);
    std::string name;
    size_t first = 0;
    if (rest.size() == 1 || rest.size() == 3) {
        name = rest[0].front() == '"' ? Unquote(rest[0]) : rest[0];
        first = 1;
    } else if (rest.size() > 3 || (rest.size() == 2 && !ParseNumber(rest[0]))) {
        Fail("expected new <Class> [<Name>] [<w> <h>]");
    }
    int w = -1, h = -1;
    if (rest.size() >= 2) {
        w = s.Int(rest[first], "width");
        h = s.Int(rest[first + 1], "height");
        if (w < 0 || h < 0 || w > kMaxExtent || h > kMaxExtent)
            Fail("a size must be 0 to " + std::to_string(kMaxExtent) + " pixels a side");
    }
    // The old control goes first; handlers and queued dialog clicks go with it.
    s.site.reset();
    s.handlers.clear();
    ControlSite::Options options;
    options.width = w;
    options.height = h;
    options.displayName = name.empty() ? std::string(table->className) + "1" : name;
    options.ambientFont = s.ambientFont;
    options.trace = &s.printer.sink();
    options.scale = s.options.scale;
    options.hooks.onEvent = [&s, run = std::move(runHandler)](const EventInfo* info, int,
                                                              std::span<const EventArg> args) {
        Raise(s, info, args, run);
    };
    options.hooks.onFault = [&s](const std::string& what) {
        s.Stop(s.line, what, kScriptControlFault);
    };
    s.site = std::make_unique<ControlSite>(*table, options);
    s.site->host().SetShellResult(s.shellResult);
    if (!s.site->control() && !s.stopped()) Fail("class " + cls + " made no control");
}

void Init(Session& s, Lexer& lx) {
    End(lx);
    s.Site().InitProperties();
}

void Read(Session& s, Lexer& lx) {
    ControlSite& site = s.Site();
    JsonBag bag;
    std::string error;
    if (!bag.Parse(std::string(lx.Rest()), Resolver(s), error)) Fail("bad bag: " + error);
    site.ReadProperties(bag);
}

void Write(Session& s, Lexer& lx) {
    End(lx);
    ControlSite& site = s.Site();
    JsonBag bag;
    if (site.WriteProperties(bag)) s.printer.Line("bag " + bag.ToJson());
}

void Size(Session& s, Lexer& lx) {
    ControlSite& site = s.Site();
    const int w = s.Int(Need(lx, "width"), "width");
    const int h = s.Int(Need(lx, "height"), "height");
    End(lx);
    if (w < 0 || h < 0 || w > kMaxExtent || h > kMaxExtent)
        Fail("a size must be 0 to " + std::to_string(kMaxExtent) + " pixels a side");
    site.SetSize(w, h);
}

void Set(Session& s, Lexer& lx) {
    const PropertyInfo& p = Member(s, Need(lx, "member"));
    const std::string token = Need(lx, "value");
    End(lx);
    if (!p.set) Fail(std::string(p.name) + " is read-only");
    const Variant v = s.Convert(p.type, token, p.name);
    s.Site().host().Deliver(p.name, [&](Control& c) { p.set(c, v); });
}

void Get(Session& s, Lexer& lx) {
    const PropertyInfo& p = Member(s, Need(lx, "member"));
    End(lx);
    if (!p.get) Fail(std::string(p.name) + " cannot be read");
    Variant v;
    if (s.Site().host().Deliver(p.name, [&](Control& c) { v = p.get(c); }))
        s.printer.Line("= " + FormatValue(p.type, v));
}

void Call(Session& s, Lexer& lx) {
    ControlSite& site = s.Site();
    const std::string name = Need(lx, "method");
    const MethodInfo* m = site.table().FindMethod(name);
    if (!m) Fail(std::string(site.table().className) + " has no method " + Shown(name));
    std::vector<std::string> tokens;
    while (auto t = lx.Next())
        tokens.push_back(*t);
    if (tokens.size() != m->params.size())
        Fail(std::string(m->name) + " takes " + std::to_string(m->params.size()) + " arguments");
    std::vector<Variant> args;
    for (size_t i = 0; i < tokens.size(); ++i)
        args.push_back(s.Convert(m->params[i].type, tokens[i], m->params[i].name));
    if (!m->call) Fail(std::string(m->name) + " cannot be called");
    MethodResult result;
    if (!site.host().Deliver(m->name, [&](Control& c) { result = m->call(c, args); })) return;
    if (result.error != 0)
        s.printer.Line("! Error " + std::to_string(result.error) + " " +
                       QuoteString(result.description));
    else if (!result.value.IsEmpty())
        s.printer.Line("= " + FormatVariant(result.value));
}

} // namespace nk::script
