// The about dialog of nuvset1: the form AboutBox with its labels, links and buttons,
// AboutMe, which shows it modally through the host, and OpenAddress.
#pragma once

#include "framework/host.h"

#include <string>

namespace nk {

// Shows this thread's about form modally; returns when it is closed.
void AboutMe(Host& host);

// Asks the shell to open an address. With returnFlag 1 the shell's result is returned and
// nothing is shown; otherwise a failure (a result of 32 or less) shows its message box and
// 0 is returned.
std::int32_t OpenAddress(Host& host, const std::string& address, std::int32_t returnFlag);

} // namespace nk
