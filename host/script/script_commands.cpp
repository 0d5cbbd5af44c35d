#include "host/script/script_commands.h"

#include "host/script/script_container.h"
#include "host/script/script_control.h"
#include "host/script/script_handlers.h"
#include "host/script/script_notes.h"
#include "host/script/script_session.h"

#include <string>

namespace nk::script {

namespace {

// Carries out a command on the rest of its line; `inHandler` when an event's handler runs it.
using Carry = void (*)(Session& s, Lexer& lx, bool inHandler);

void RunNew(Session& s, Lexer& lx, bool inHandler) {
    if (inHandler) Fail("new cannot run in an event handler");
    New(s, lx, [&s](const std::string& command) { RunCommand(s, command, true); });
}

// `quiet <command>`: the command runs with the control's requests unprinted; what the command
// prints itself (an echo, a value, a bag) still prints, and its errors stop the run as ever.
// Repeated prefixes count as one, taken off in a loop: a line of a million of them must not
// nest a million calls.
void RunQuiet(Session& s, Lexer& lx, bool inHandler) {
    std::string_view command = lx.Rest();
    for (;;) {
        Lexer under(command);
        const auto word = under.Next();
        if (!word) Fail("missing command after quiet");
        if (!SameName(*word, "quiet")) break;
        command = under.Rest();
    }
    const Printer::Quiet quiet(s.printer);
    RunCommand(s, command, inHandler);
}

struct Command {
    std::string_view name;
    Carry carry;
};

const Command kCommands[] = {
    {"new", RunNew},
    {"init", [](Session& s, Lexer& lx, bool) { Init(s, lx); }},
    {"read", [](Session& s, Lexer& lx, bool) { Read(s, lx); }},
    {"write", [](Session& s, Lexer& lx, bool) { Write(s, lx); }},
    {"size", [](Session& s, Lexer& lx, bool) { Size(s, lx); }},
    {"send", [](Session& s, Lexer& lx, bool) { Send(s, lx); }},
    {"set", [](Session& s, Lexer& lx, bool) { Set(s, lx); }},
    {"get", [](Session& s, Lexer& lx, bool) { Get(s, lx); }},
    {"call", [](Session& s, Lexer& lx, bool) { Call(s, lx); }},
    {"on", [](Session& s, Lexer& lx, bool) { On(s, lx, IsCommand); }},
    {"ambient", [](Session& s, Lexer& lx, bool) { Ambient(s, lx); }},
    {"picture", [](Session& s, Lexer& lx, bool) { DefinePicture(s, lx); }},
    {"shell", [](Session& s, Lexer& lx, bool) { Shell(s, lx); }},
    {"dialog", [](Session& s, Lexer& lx, bool) { Dialog(s, lx); }},
    {"pixel", [](Session& s, Lexer& lx, bool) { Pixel(s, lx); }},
    {"extent", [](Session& s, Lexer& lx, bool) { Extent(s, lx); }},
    {"png", [](Session& s, Lexer& lx, bool) { Png(s, lx); }},
    {"echo", [](Session& s, Lexer& lx, bool) { Echo(s, lx); }},
    {"quiet", RunQuiet},
};

const Command* Find(std::string_view word) {
    for (const Command& c : kCommands)
        if (SameName(c.name, word)) return &c;
    return nullptr;
}

} // namespace

void RunCommand(Session& s, std::string_view text, bool inHandler) {
    Lexer lx(text);
    const std::string word = Need(lx, "command");
    const Command* command = Find(word);
    if (!command) Fail("unknown command " + Shown(word));
    command->carry(s, lx, inHandler);
}

bool IsCommand(std::string_view word) {
    return Find(word) != nullptr;
}

} // namespace nk::script
