// `on`: the container's handlers of the control's events, set by the script.
#pragma once

#include "framework/host.h"
#include "framework/interface_table.h"
#include "host/script/script_parse.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace nk::script {

class Session;

// `on <Event> set <Arg> <value>`, `on <Event> do <command>`, `on <Event> clear`: the rest of
// the line after `on`. `isCommand` tells the command words a handler may run.
void On(Session& s, Lexer& lx, const std::function<bool(std::string_view)>& isCommand);

// The container's handler of every event the control raises: runs the handlers of `event`
// in the order they were given, `run` carrying out a handler's command. A failing command
// stops the run at the line that set the handler.
void Raise(Session& s, const EventInfo* event, std::span<const EventArg> args,
           const std::function<void(const std::string&)>& run);

} // namespace nk::script
