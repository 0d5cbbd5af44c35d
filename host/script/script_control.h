// The commands that make the control and use its public interface: `new`, `init`, `read`,
// `write`, `size`, `set`, `get`, `call`. Each takes the rest of its line after the command.
#pragma once

#include "host/script/script_parse.h"

#include <functional>
#include <string>

namespace nk::script {

class Session;

// `new`: `runHandler` carries out the command of an `on ... do` handler when the new control
// raises an event.
void New(Session& s, Lexer& lx, std::function<void(const std::string&)> runHandler);
void Init(Session& s, Lexer& lx);
void Read(Session& s, Lexer& lx);
void Write(Session& s, Lexer& lx);
void Size(Session& s, Lexer& lx);
void Set(Session& s, Lexer& lx);
void Get(Session& s, Lexer& lx);
void Call(Session& s, Lexer& lx);

} // namespace nk::script
