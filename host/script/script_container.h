// The commands about the container around the control and what it shows: `ambient`,
// `picture`, `shell`, `dialog`, `pixel`, `extent`, `png`, `echo`. Each takes the rest of its
// line after the command.
#pragma once

#include "host/script/script_parse.h"

namespace nk::script {

class Session;

void Ambient(Session& s, Lexer& lx);
void DefinePicture(Session& s, Lexer& lx);
void Shell(Session& s, Lexer& lx);
void Dialog(Session& s, Lexer& lx);
void Pixel(Session& s, Lexer& lx);
void Extent(Session& s, Lexer& lx);
void Png(Session& s, Lexer& lx);
void Echo(Session& s, Lexer& lx);

} // namespace nk::script
