#include "host/script/script.h"

#include "host/codec/codec.h"
#include "host/forms/json_bag.h"
#include "host/hosts/compose.h"
#include "host/hosts/control_site.h"
#include "host/hosts/format.h"
#include "host/hosts/recording_host.h"
#include "host/script/script_parse.h"

#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace nk {

namespace {

using script::Lexer;
using script::Literal;
using script::SameName;
using script::SyntaxError;

// A line that cannot be carried out; the run stops with status 2.
using ScriptError = SyntaxError;

[[noreturn]] void Fail(const std::string& what) {
    throw ScriptError(what);
}

// The notifications `send` delivers, with their argument counts.
enum class Note {
    Paint,
    Resize,
    Click,
    DblClick,
    GotFocus,
    LostFocus,
    EnterFocus,
    ExitFocus,
    KeyDown,
    KeyUp,
    KeyPress,
    AccessKeyPress,
    MouseDown,
    MouseMove,
    MouseUp
};

struct NoteInfo {
    std::string_view name;
    Note note;
    int args;
    bool child; // a child can deliver it too
};

constexpr NoteInfo kNotes[] = {
    {"Paint", Note::Paint, 0, true},
    {"Resize", Note::Resize, 0, false},
    {"Click", Note::Click, 0, true},
    {"DblClick", Note::DblClick, 0, true},
    {"GotFocus", Note::GotFocus, 0, false},
    {"LostFocus", Note::LostFocus, 0, false},
    {"EnterFocus", Note::EnterFocus, 0, false},
    {"ExitFocus", Note::ExitFocus, 0, false},
    {"KeyDown", Note::KeyDown, 2, true},
    {"KeyUp", Note::KeyUp, 2, true},
    {"KeyPress", Note::KeyPress, 1, true},
    {"AccessKeyPress", Note::AccessKeyPress, 1, false},
    {"MouseDown", Note::MouseDown, 4, true},
    {"MouseMove", Note::MouseMove, 4, true},
    {"MouseUp", Note::MouseUp, 4, true},
};

const NoteInfo* FindNote(std::string_view name) {
    for (const auto& n : kNotes)
        if (SameName(n.name, name)) return &n;
    return nullptr;
}

constexpr std::string_view kCommands[] = {
    "new", "init",    "read",    "write", "size",   "send",  "set",    "get", "call",
    "on",  "ambient", "picture", "shell", "dialog", "pixel", "extent", "png", "echo"};

bool IsCommand(std::string_view word) {
    for (auto c : kCommands)
        if (SameName(c, word)) return true;
    return false;
}

// The elements a dialog click may name.
bool IsDialogElement(std::string_view e) {
    if (SameName(e, "Command1") || SameName(e, "Command2") || SameName(e, "Image2")) return true;
    for (int i = 0; i <= 10; ++i)
        if (SameName(e, "Label1(" + std::to_string(i) + ")")) return true;
    return false;
}

// One `on` line: an assignment to a by-reference argument, or a command to run.
struct Handler {
    const EventInfo* event = nullptr;
    bool assigns = false;
    size_t arg = 0;
    Literal value;
    std::string command;
    int line = 0;
};

class Run {
public:
    Run(std::ostream& out, std::ostream& err, std::span<const InterfaceTable* const> classes,
        const ScriptOptions& options)
        : err_(err), classes_(classes), options_(options), sink_(out) {}

    int Execute(std::istream& in) {
        std::string raw;
        while (std::getline(in, raw)) {
            ++line_;
            if (!raw.empty() && raw.back() == '\r') raw.pop_back();
            if (line_ == 1 && raw.rfind("\xEF\xBB\xBF", 0) == 0) raw.erase(0, 3); // a UTF-8 mark
            const std::string_view text = Lexer(raw).Rest();
            if (text.empty() || text.front() == '#') continue;
            sink_.Line("> " + std::string(text));
            try {
                Command(text, false);
            } catch (const ScriptError& e) {
                Stop(line_, e.what(), kScriptError);
            } catch (const std::exception& e) {
                Stop(line_, std::string("cannot carry out the line: ") + e.what(), kScriptError);
            }
            if (stopped_) break;
        }
        // The control goes before the run reports, so its last requests are still recorded.
        site_.reset();
        if (!stopped_) return kScriptDone;
        err_ << "error: line " << errorLine_ << ": " << error_ << '\n';
        return status_;
    }

private:
    void Stop(int line, const std::string& what, int status) {
        if (stopped_) return;
        stopped_ = true;
        errorLine_ = line;
        error_ = what;
        status_ = status;
        sink_.SetMuted(true);
    }

    void Print(const std::string& line) { sink_.Line(line); }

    // ---- values ----

    ControlSite& Site() {
        if (!site_) Fail("no control yet: create one with new <Class>");
        return *site_;
    }

    Literal Value(std::string_view token) {
        if (auto lit = script::ParseLiteral(token)) return *lit;
        if (Picture p = NamedPicture(std::string(token))) return {Variant::OfPicture(p), false};
        if (token.rfind("res:", 0) == 0) {
            if (!site_) Fail("no control yet to hold the resource " + std::string(token));
            if (!script::ParseNumber(token.substr(4)))
                Fail("bad resource number in " + std::string(token));
            Fail("the control's library holds no bitmap resource " + std::string(token.substr(4)));
        }
        Fail("cannot understand the value " + std::string(token));
    }

    Picture NamedPicture(const std::string& name) {
        if (name.rfind("res:", 0) == 0 && site_) {
            const auto n = script::ParseNumber(name.substr(4));
            const auto id = n ? n->value.ToLong() : std::nullopt;
            if (id) return site_->host().LoadResPicture(*id);
            return nullptr;
        }
        auto it = pictures_.find(name);
        return it == pictures_.end() ? nullptr : it->second;
    }

    Variant Convert(ValueType type, std::string_view token, std::string_view what) {
        auto v = script::ConvertLiteral(type, Value(token));
        if (!v)
            Fail("bad value " + std::string(token) + " for " + std::string(what) + " (" +
                 std::string(script::TypeName(type)) + ")");
        return *v;
    }

    std::int32_t Int(std::string_view token, std::string_view what) {
        return static_cast<std::int32_t>(Convert(ValueType::Long, token, what).number());
    }

    static std::string Need(Lexer& lx, std::string_view what) {
        auto t = lx.Next();
        if (!t) Fail("missing " + std::string(what));
        return *t;
    }

    static void End(Lexer& lx) {
        if (!lx.AtEnd()) Fail("unexpected " + std::string(lx.Rest()));
    }

    // ---- commands ----

    void Command(std::string_view text, bool inHandler) {
        Lexer lx(text);
        const std::string cmd = Need(lx, "command");
        if (SameName(cmd, "new")) {
            if (inHandler) Fail("new cannot run in an event handler");
            return New(lx);
        }
        if (SameName(cmd, "init")) {
            End(lx);
            Site().InitProperties();
            return;
        }
        if (SameName(cmd, "read")) return Read(lx);
        if (SameName(cmd, "write")) return Write(lx);
        if (SameName(cmd, "size")) return Size(lx);
        if (SameName(cmd, "send")) return Send(lx);
        if (SameName(cmd, "set")) return Set(lx);
        if (SameName(cmd, "get")) return Get(lx);
        if (SameName(cmd, "call")) return Call(lx);
        if (SameName(cmd, "on")) return On(lx);
        if (SameName(cmd, "ambient")) return Ambient(lx);
        if (SameName(cmd, "picture")) return DefinePicture(lx);
        if (SameName(cmd, "shell")) return Shell(lx);
        if (SameName(cmd, "dialog")) return Dialog(lx);
        if (SameName(cmd, "pixel")) return Pixel(lx);
        if (SameName(cmd, "extent")) {
            End(lx);
            Print("= " + std::to_string(Site().host().ExtentWidth()) + " " +
                  std::to_string(Site().host().ExtentHeight()));
            return;
        }
        if (SameName(cmd, "png")) return Png(lx);
        if (SameName(cmd, "echo")) {
            Print(std::string(lx.Rest()));
            return;
        }
        Fail("unknown command " + cmd);
    }

    const InterfaceTable* FindClass(std::string_view name) const {
        for (const InterfaceTable* t : classes_) {
            if (!t) continue;
            if (SameName(t->className, name)) return t;
            const std::string qualified =
                std::string(t->typeLibrary) + "." + std::string(t->className);
            if (SameName(qualified, name)) return t;
        }
        return nullptr;
    }

    void New(Lexer& lx) {
        const std::string cls = Need(lx, "class name");
        const InterfaceTable* table = FindClass(cls);
        if (!table) Fail("unknown class " + cls);
        std::vector<std::string> rest;
        while (auto t = lx.Next())
            rest.push_back(*t);
        std::string name;
        size_t first = 0;
        if (rest.size() == 1 || rest.size() == 3) {
            name = rest[0].front() == '"' ? script::Unquote(rest[0]) : rest[0];
            first = 1;
        } else if (rest.size() > 3 || (rest.size() == 2 && !script::ParseNumber(rest[0]))) {
            Fail("expected new <Class> [<Name>] [<w> <h>]");
        }
        int w = -1, h = -1;
        if (rest.size() >= 2) {
            w = Int(rest[first], "width");
            h = Int(rest[first + 1], "height");
            if (w < 0 || h < 0 || w > kMaxExtent || h > kMaxExtent)
                Fail("a size must be 0 to " + std::to_string(kMaxExtent) + " pixels a side");
        }
        // The old control goes first; handlers and queued dialog clicks go with it.
        site_.reset();
        handlers_.clear();
        ControlSite::Options options;
        options.width = w;
        options.height = h;
        options.displayName = name.empty() ? std::string(table->className) + "1" : name;
        options.ambientFont = ambientFont_;
        options.trace = &sink_;
        options.scale = options_.scale;
        options.hooks.onEvent = [this](const EventInfo* info, int number,
                                       std::span<const EventArg> args) {
            OnEvent(info, number, args);
        };
        options.hooks.onFault = [this](const std::string& what) {
            Stop(line_, what, kScriptControlFault);
        };
        site_ = std::make_unique<ControlSite>(*table, options);
        site_->host().SetShellResult(shellResult_);
        if (!site_->control() && !stopped_) Fail("class " + cls + " made no control");
    }

    PictureResolver Resolver() {
        return [this](const std::string& name) { return NamedPicture(name); };
    }

    void Read(Lexer& lx) {
        ControlSite& site = Site();
        JsonBag bag;
        std::string error;
        if (!bag.Parse(std::string(lx.Rest()), Resolver(), error)) Fail("bad bag: " + error);
        site.ReadProperties(bag);
    }

    void Write(Lexer& lx) {
        End(lx);
        ControlSite& site = Site();
        JsonBag bag;
        if (site.WriteProperties(bag)) Print("bag " + bag.ToJson());
    }

    void Size(Lexer& lx) {
        ControlSite& site = Site();
        const int w = Int(Need(lx, "width"), "width");
        const int h = Int(Need(lx, "height"), "height");
        End(lx);
        if (w < 0 || h < 0 || w > kMaxExtent || h > kMaxExtent)
            Fail("a size must be 0 to " + std::to_string(kMaxExtent) + " pixels a side");
        site.SetSize(w, h);
    }

    // "Picture1", "Image1(2)": a child declared by the class.
    ChildRef Child(std::string_view written) {
        const InterfaceTable& table = Site().table();
        std::string_view name = written;
        int index = -1;
        if (const auto open = written.find('('); open != std::string_view::npos) {
            if (written.back() != ')') Fail("bad child " + std::string(written));
            name = written.substr(0, open);
            const auto n = script::ParseNumber(written.substr(open + 1, written.size() - open - 2));
            const auto i = n && !n->hex ? n->value.ToLong() : std::nullopt;
            if (!i) Fail("bad index in " + std::string(written));
            index = *i;
        }
        const ChildInfo* info = table.FindChild(name);
        if (!info) Fail(std::string(table.className) + " has no child " + std::string(name));
        if (info->kind == ChildKind::ImageZones) {
            if (index < 0 || index >= info->count)
                Fail(std::string(info->name) + " needs an index 0 to " +
                     std::to_string(info->count - 1));
        } else if (index >= 0) {
            Fail(std::string(info->name) + " is not a control array");
        }
        return ChildRef{info->name, index};
    }

    void Send(Lexer& lx) {
        ControlSite& site = Site();
        const std::string designation = Need(lx, "notification");
        std::optional<ChildRef> child;
        std::string_view noteName = designation;
        if (const auto dot = designation.rfind('.'); dot != std::string::npos) {
            child = Child(std::string_view(designation).substr(0, dot));
            noteName = std::string_view(designation).substr(dot + 1);
        }
        const NoteInfo* note = FindNote(noteName);
        if (!note) Fail("unknown notification " + std::string(noteName));
        if (child && !note->child) Fail("a child does not deliver " + std::string(note->name));
        std::vector<std::string> args;
        while (auto t = lx.Next())
            args.push_back(*t);
        if (static_cast<int>(args.size()) != note->args)
            Fail(std::string(note->name) + " takes " + std::to_string(note->args) + " arguments");
        auto i16 = [&](size_t i, std::string_view what) {
            return static_cast<std::int16_t>(Convert(ValueType::Integer, args[i], what).number());
        };
        auto f32 = [&](size_t i, std::string_view what) {
            return static_cast<float>(Convert(ValueType::Single, args[i], what).number());
        };
        switch (note->note) {
        case Note::Paint:
            child ? site.ChildPaint(*child) : site.Paint();
            break;
        case Note::Resize:
            site.Resize();
            break;
        case Note::Click:
            child ? site.ChildClick(*child) : site.Click();
            break;
        case Note::DblClick:
            child ? site.ChildDblClick(*child) : site.DblClick();
            break;
        case Note::GotFocus:
            site.GotFocus();
            break;
        case Note::LostFocus:
            site.LostFocus();
            break;
        case Note::EnterFocus:
            site.EnterFocus();
            break;
        case Note::ExitFocus:
            site.ExitFocus();
            break;
        case Note::KeyDown:
        case Note::KeyUp: {
            const auto key = i16(0, "KeyCode");
            const auto shift = i16(1, "Shift");
            if (note->note == Note::KeyDown)
                child ? site.ChildKeyDown(*child, key, shift) : site.KeyDown(key, shift);
            else
                child ? site.ChildKeyUp(*child, key, shift) : site.KeyUp(key, shift);
            break;
        }
        case Note::KeyPress: {
            const auto key = i16(0, "KeyAscii");
            child ? site.ChildKeyPress(*child, key) : site.KeyPress(key);
            break;
        }
        case Note::AccessKeyPress:
            site.AccessKeyPress(i16(0, "KeyAscii"));
            break;
        case Note::MouseDown:
        case Note::MouseMove:
        case Note::MouseUp: {
            const auto button = i16(0, "Button");
            const auto shift = i16(1, "Shift");
            const float x = f32(2, "X");
            const float y = f32(3, "Y");
            if (note->note == Note::MouseDown)
                child ? site.ChildMouseDown(*child, button, shift, x, y)
                      : site.MouseDown(button, shift, x, y);
            else if (note->note == Note::MouseMove)
                child ? site.ChildMouseMove(*child, button, shift, x, y)
                      : site.MouseMove(button, shift, x, y);
            else
                child ? site.ChildMouseUp(*child, button, shift, x, y)
                      : site.MouseUp(button, shift, x, y);
            break;
        }
        }
    }

    const PropertyInfo& Member(std::string_view name) {
        const InterfaceTable& table = Site().table();
        const PropertyInfo* p = table.FindProperty(name);
        if (!p)
            Fail(std::string(table.className) + " has no property or field " + std::string(name));
        return *p;
    }

    void Set(Lexer& lx) {
        const PropertyInfo& p = Member(Need(lx, "member"));
        const std::string token = Need(lx, "value");
        End(lx);
        if (!p.set) Fail(std::string(p.name) + " is read-only");
        const Variant v = Convert(p.type, token, p.name);
        Site().host().Deliver(p.name, [&](Control& c) { p.set(c, v); });
    }

    void Get(Lexer& lx) {
        const PropertyInfo& p = Member(Need(lx, "member"));
        End(lx);
        if (!p.get) Fail(std::string(p.name) + " cannot be read");
        Variant v;
        if (Site().host().Deliver(p.name, [&](Control& c) { v = p.get(c); }))
            Print("= " + FormatValue(p.type, v));
    }

    void Call(Lexer& lx) {
        ControlSite& site = Site();
        const std::string name = Need(lx, "method");
        const MethodInfo* m = site.table().FindMethod(name);
        if (!m) Fail(std::string(site.table().className) + " has no method " + name);
        std::vector<std::string> tokens;
        while (auto t = lx.Next())
            tokens.push_back(*t);
        if (tokens.size() != m->params.size())
            Fail(std::string(m->name) + " takes " + std::to_string(m->params.size()) +
                 " arguments");
        std::vector<Variant> args;
        for (size_t i = 0; i < tokens.size(); ++i)
            args.push_back(Convert(m->params[i].type, tokens[i], m->params[i].name));
        if (!m->call) Fail(std::string(m->name) + " cannot be called");
        MethodResult result;
        if (!site.host().Deliver(m->name, [&](Control& c) { result = m->call(c, args); })) return;
        if (result.error != 0)
            Print("! Error " + std::to_string(result.error) + " " +
                  QuoteString(result.description));
        else if (!result.value.IsEmpty())
            Print("= " + FormatVariant(result.value));
    }

    void On(Lexer& lx) {
        const InterfaceTable& table = Site().table();
        const std::string eventName = Need(lx, "event");
        const EventInfo* event = table.FindEvent(eventName);
        if (!event) Fail(std::string(table.className) + " has no event " + eventName);
        const std::string action = Need(lx, "set, do or clear");
        Handler h;
        h.event = event;
        h.line = line_;
        if (SameName(action, "clear")) {
            End(lx);
            std::erase_if(handlers_, [&](const Handler& x) { return x.event == event; });
            return;
        }
        if (SameName(action, "set")) {
            const std::string argName = Need(lx, "argument");
            const auto it =
                std::find_if(event->args.begin(), event->args.end(),
                             [&](const EventArgInfo& a) { return SameName(a.name, argName); });
            if (it == event->args.end())
                Fail(std::string(event->name) + " has no argument " + argName);
            const std::string token = Need(lx, "value");
            End(lx);
            h.assigns = true;
            h.arg = static_cast<size_t>(it - event->args.begin());
            h.value = Value(token);
            if (!script::ConvertLiteral(it->type, h.value))
                Fail("bad value " + token + " for " + std::string(it->name) + " (" +
                     std::string(script::TypeName(it->type)) + ")");
            handlers_.push_back(std::move(h));
            return;
        }
        if (SameName(action, "do")) {
            h.command = std::string(lx.Rest());
            Lexer check(h.command);
            const auto word = check.Next();
            if (!word) Fail("missing command after do");
            if (!IsCommand(*word)) Fail("unknown command " + *word);
            if (SameName(*word, "new")) Fail("new cannot run in an event handler");
            handlers_.push_back(std::move(h));
            return;
        }
        Fail("expected set, do or clear after the event, got " + action);
    }

    // The container's handler of every event the control raises.
    void OnEvent(const EventInfo* info, int, std::span<const EventArg> args) {
        if (stopped_ || !info) return;
        const std::vector<Handler> handlers = handlers_; // a handler may change the list
        for (const Handler& h : handlers) {
            if (stopped_) return;
            if (h.event != info) continue;
            if (h.assigns) {
                Assign(h, args);
                continue;
            }
            try {
                Command(h.command, true);
            } catch (const std::exception& e) {
                Stop(h.line,
                     std::string(e.what()) + " (in the handler of " + std::string(info->name) +
                         ", run by line " + std::to_string(line_) + ")",
                     kScriptError);
            }
        }
    }

    static void Assign(const Handler& h, std::span<const EventArg> args) {
        if (h.arg >= args.size()) return;
        const ValueType type = h.event->args[h.arg].type;
        const auto v = script::ConvertLiteral(type, h.value);
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

    void Ambient(Lexer& lx) {
        const std::string what = Need(lx, "DisplayName or Font");
        const std::string token = Need(lx, "value");
        End(lx);
        if (SameName(what, "DisplayName")) {
            if (token.front() != '"') Fail("DisplayName takes a string");
            const std::string name = script::Unquote(token);
            if (site_) site_->host().SetAmbientDisplayName(name);
            return;
        }
        if (SameName(what, "Font")) {
            ambientFont_ = script::ParseFont(token);
            if (site_) site_->host().SetAmbientFont(ambientFont_);
            return;
        }
        Fail("unknown ambient property " + what + " (DisplayName, Font)");
    }

    static bool ValidPictureName(const std::string& name) {
        if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_'))
            return false;
        for (char c : name)
            if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
        return !SameName(name, "True") && !SameName(name, "False") && !SameName(name, "Nothing") &&
               !SameName(name, "Empty");
    }

    void DefinePicture(Lexer& lx) {
        const std::string name = Need(lx, "picture name");
        if (!ValidPictureName(name))
            Fail("bad picture name " + name + " (letters, digits and _, not a keyword)");
        const std::string first = Need(lx, "size or file");
        if (SameName(first, "file")) {
            std::string path = script::Unquote(Need(lx, "file name"));
            End(lx);
            if (!path.empty() && path.front() != '/' && !options_.baseDir.empty())
                path = options_.baseDir + "/" + path;
            std::string error;
            Picture picture = LoadScaledPictureFile(path, name, error);
            if (!picture) Fail(error);
            pictures_[name] = std::move(picture);
            return;
        }
        const int w = Int(first, "width");
        const int h = Int(Need(lx, "height"), "height");
        OleColor colour = 0x00FFFFFF;
        if (auto c = lx.Next())
            colour = static_cast<OleColor>(Convert(ValueType::Color, *c, "colour").number());
        End(lx);
        if (w < 1 || h < 1 || w > kMaxExtent || h > kMaxExtent)
            Fail("a picture must be 1 to " + std::to_string(kMaxExtent) + " pixels a side");
        pictures_[name] = MakePicture(Image(w, h, 0xFF000000u | ResolveColor(colour)), name);
    }

    void Shell(Lexer& lx) {
        shellResult_ = Int(Need(lx, "shell result"), "shell result");
        End(lx);
        if (site_) site_->host().SetShellResult(shellResult_);
    }

    void Dialog(Lexer& lx) {
        ControlSite& site = Site();
        std::vector<std::string> clicks;
        while (auto t = lx.Next()) {
            if (!IsDialogElement(*t))
                Fail("unknown dialog element " + *t +
                     " (Command1, Command2, Label1(0) to Label1(10), Image2)");
            clicks.push_back(*t);
        }
        if (clicks.empty()) Fail("missing dialog element");
        site.host().QueueDialogClicks(clicks);
    }

    void Pixel(Lexer& lx) {
        ControlSite& site = Site();
        const int x = Int(Need(lx, "x"), "x");
        const int y = Int(Need(lx, "y"), "y");
        End(lx);
        const auto c = ComposedPixelAt(site.host(), x, y);
        Print(c ? "= " + FormatColor(*c) : std::string("= transparent"));
    }

    void Png(Lexer& lx) {
        ControlSite& site = Site();
        const std::string path = script::Unquote(Need(lx, "file name"));
        End(lx);
        const std::string error = WritePng(Compose(site.host()), path);
        if (!error.empty()) Fail(error);
    }

    std::ostream& err_;
    std::span<const InterfaceTable* const> classes_;
    ScriptOptions options_;
    TraceSink sink_;
    std::unique_ptr<ControlSite> site_;
    std::map<std::string, Picture> pictures_;
    std::vector<Handler> handlers_;
    Font ambientFont_;
    int shellResult_ = 42;
    int line_ = 0;
    bool stopped_ = false;
    int errorLine_ = 0;
    std::string error_;
    int status_ = kScriptDone;
};

} // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err,
              std::span<const InterfaceTable* const> classes, const ScriptOptions& options) {
    Run run(out, err, classes, options);
    return run.Execute(in);
}

} // namespace nk
