// The command dispatch: one table from each command word to what carries it out.
#pragma once

#include <string_view>

namespace nk::script {

class Session;

// Carries out one command line (without its echo); `inHandler` when the handler of an event
// runs it. Throws ScriptError when the line cannot be understood or carried out.
void RunCommand(Session& s, std::string_view text, bool inHandler);

// Whether `word` is a command, in any letter case.
bool IsCommand(std::string_view word);

} // namespace nk::script
