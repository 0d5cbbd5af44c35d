// What a run of a script holds between its lines (the control, the script's pictures and
// handlers, the container's ambient state, where and why the run stopped) and the reading of
// the values its lines name.
#pragma once

#include "framework/font.h"
#include "framework/interface_table.h"
#include "host/hosts/control_site.h"
#include "host/script/script_options.h"
#include "host/script/script_parse.h"
#include "host/script/script_pictures.h"
#include "host/script/script_print.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nk::script {

// A line that cannot be carried out; the run stops with status 2.
using ScriptError = SyntaxError;

[[noreturn]] void Fail(const std::string& what);

// The next token of `lx`, or a failure saying `what` is missing.
std::string Need(Lexer& lx, std::string_view what);
// Fails when anything is left on the line.
void End(Lexer& lx);

// One `on` line: an assignment to a by-reference argument, or a command to run.
struct Handler {
    const EventInfo* event = nullptr;
    bool assigns = false;
    size_t arg = 0;
    Literal value;
    std::string command;
    int line = 0; // the script line that set it
};

class Session {
public:
    Session(std::ostream& out, std::span<const InterfaceTable* const> classes,
            const ScriptOptions& options)
        : printer(out), classes(classes), options(options),
          pictures(options.name.empty() ? "the script" : options.name, options.picturePixels) {}
    // The control goes first: its last requests may still reach the handlers and the printer.
    ~Session() { site.reset(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The current control; fails when there is none yet.
    ControlSite& Site();

    // A token as a value: a literal, or a picture's name.
    Literal Value(std::string_view token);
    // A token converted to `type`, as an assignment converts it; `what` names the target in
    // the failure.
    Variant Convert(ValueType type, std::string_view token, std::string_view what);
    std::int32_t Int(std::string_view token, std::string_view what);

    // The run stops at script line `line` with `status`; the first stop is the one reported,
    // and nothing prints after it.
    void Stop(int line, const std::string& what, int status);
    bool stopped() const { return stopped_; }
    int errorLine() const { return errorLine_; }
    const std::string& error() const { return error_; }
    int status() const { return status_; }

    Printer printer;
    std::span<const InterfaceTable* const> classes;
    ScriptOptions options;
    std::unique_ptr<ControlSite> site;
    Pictures pictures;
    std::vector<Handler> handlers;
    Font ambientFont;
    int shellResult = 42;
    int line = 0; // the script line being run

private:
    bool stopped_ = false;
    int errorLine_ = 0;
    std::string error_;
    int status_ = kScriptDone;
};

} // namespace nk::script
