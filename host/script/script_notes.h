// `send`: the notifications the host delivers to the control or to one of its children.
#pragma once

#include "host/script/script_parse.h"

#include <string_view>

namespace nk::script {

class Session;

// `send [<Child>.]<Notification> [<args>]`: the rest of the line after `send`.
void Send(Session& s, Lexer& lx);

} // namespace nk::script
