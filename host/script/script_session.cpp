#include "host/script/script_session.h"

namespace nk::script {

void Fail(const std::string& what) {
    throw ScriptError(what);
}

std::string Need(Lexer& lx, std::string_view what) {
    auto t = lx.Next();
    if (!t) Fail("missing " + std::string(what));
    return *t;
}

void End(Lexer& lx) {
    if (!lx.AtEnd()) Fail("unexpected " + Shown(lx.Rest()));
}

ControlSite& Session::Site() {
    if (!site) Fail("no control yet: create one with new <Class>");
    return *site;
}

Literal Session::Value(std::string_view token) {
    if (auto lit = ParseLiteral(token)) return *lit;
    if (Picture p = pictures.Find(std::string(token), site.get()))
        return {Variant::OfPicture(p), false};
    if (token.rfind("res:", 0) == 0) {
        if (!site) Fail("no control yet to hold the resource " + Shown(token));
        if (!ParseNumber(token.substr(4))) Fail("bad resource number in " + Shown(token));
        Fail("the control's library holds no bitmap resource " + Shown(token.substr(4)));
    }
    Fail("cannot understand the value " + Shown(token));
}

Variant Session::Convert(ValueType type, std::string_view token, std::string_view what) {
    auto v = ConvertLiteral(type, Value(token));
    if (!v)
        Fail("bad value " + Shown(token) + " for " + std::string(what) + " (" +
             std::string(TypeName(type)) + ")");
    return *v;
}

std::int32_t Session::Int(std::string_view token, std::string_view what) {
    return static_cast<std::int32_t>(Convert(ValueType::Long, token, what).number());
}

void Session::Stop(int at, const std::string& what, int status) {
    if (stopped_) return;
    stopped_ = true;
    errorLine_ = at;
    error_ = what;
    status_ = status;
    printer.Silence();
}

} // namespace nk::script
