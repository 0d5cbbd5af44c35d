#include "host/script/script_container.h"

#include "host/codec/codec.h"
#include "host/hosts/compose.h"
#include "host/hosts/format.h"
#include "host/script/script_session.h"

#include <string>
#include <vector>

namespace nk::script {

namespace {

// The elements a dialog click may name.
bool IsDialogElement(std::string_view e) {
    if (SameName(e, "Command1") || SameName(e, "Command2") || SameName(e, "Image2")) return true;
    for (int i = 0; i <= 10; ++i)
        if (SameName(e, "Label1(" + std::to_string(i) + ")")) return true;
    return false;
}

} // namespace

void Ambient(Session& s, Lexer& lx) {
    const std::string what = Need(lx, "DisplayName or Font");
    const std::string token = Need(lx, "value");
    End(lx);
    if (SameName(what, "DisplayName")) {
        if (token.front() != '"') Fail("DisplayName takes a string");
        const std::string name = Unquote(token);
        if (s.site) s.site->host().SetAmbientDisplayName(name);
        return;
    }
    if (SameName(what, "Font")) {
        s.ambientFont = ParseFont(token);
        if (s.site) s.site->host().SetAmbientFont(s.ambientFont);
        return;
    }
    Fail("unknown ambient property " + Shown(what) + " (DisplayName, Font)");
}

void DefinePicture(Session& s, Lexer& lx) {
    const std::string name = Need(lx, "picture name");
    if (!Pictures::ValidName(name))
        Fail("bad picture name " + Shown(name) + " (letters, digits and _, at most " +
             std::to_string(Pictures::kMaxPictureNameChars) + ", not a keyword)");
    const std::string first = Need(lx, "size or file");
    if (SameName(first, "file")) {
        const std::string path = Unquote(Need(lx, "file name"));
        End(lx);
        s.pictures.Load(name, path, s.options.baseDir);
        return;
    }
    const int w = s.Int(first, "width");
    const int h = s.Int(Need(lx, "height"), "height");
    OleColor colour = 0x00FFFFFF;
    if (auto c = lx.Next())
        colour = static_cast<OleColor>(s.Convert(ValueType::Color, *c, "colour").number());
    End(lx);
    s.pictures.Make(name, w, h, colour);
}

void Shell(Session& s, Lexer& lx) {
    s.shellResult = s.Int(Need(lx, "shell result"), "shell result");
    End(lx);
    if (s.site) s.site->host().SetShellResult(s.shellResult);
}

void Dialog(Session& s, Lexer& lx) {
    ControlSite& site = s.Site();
    std::vector<std::string> clicks;
    while (auto t = lx.Next()) {
        if (!IsDialogElement(*t))
            Fail("unknown dialog element " + Shown(*t) +
                 " (Command1, Command2, Label1(0) to Label1(10), Image2)");
        clicks.push_back(*t);
    }
    if (clicks.empty()) Fail("missing dialog element");
    site.host().QueueDialogClicks(clicks);
}

void Pixel(Session& s, Lexer& lx) {
    ControlSite& site = s.Site();
    const int x = s.Int(Need(lx, "x"), "x");
    const int y = s.Int(Need(lx, "y"), "y");
    End(lx);
    const auto c = ComposedPixelAt(site.host(), x, y);
    s.printer.Line(c ? "= " + FormatColor(*c) : std::string("= transparent"));
}

void Extent(Session& s, Lexer& lx) {
    End(lx);
    s.printer.Line("= " + std::to_string(s.Site().host().ExtentWidth()) + " " +
                   std::to_string(s.Site().host().ExtentHeight()));
}

void Png(Session& s, Lexer& lx) {
    ControlSite& site = s.Site();
    const std::string path = Unquote(Need(lx, "file name"));
    End(lx);
    const std::string error = WritePng(Compose(site.host()), path);
    if (!error.empty()) Fail(error);
}

void Echo(Session& s, Lexer& lx) {
    s.printer.Line(std::string(lx.Rest()));
}

} // namespace nk::script
