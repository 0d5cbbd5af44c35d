// The desktop opener behind the about dialog's links: runs `xdg-open <address>` directly
// (no shell in between), waits a short while for the opener's own verdict and maps it onto
// the shell result codes the about dialog explains. The browser or mail client it starts is
// never waited for.
#pragma once

#include <chrono>
#include <string>

namespace nk {

// Shell results: above 32 a success; 32 or less an error code.
inline constexpr int kShellStarted = 42;
inline constexpr int kShellNoAssociation = 31;
inline constexpr int kShellAddressNotFound = 2;
inline constexpr int kShellAccessDenied = 5;
inline constexpr int kShellOutOfResources = 8;
inline constexpr int kShellUnknownError = 0;

struct OpenerOptions {
    // The opener, looked up in PATH when it has no slash.
    std::string program = "xdg-open";
    // How long to wait for the opener to finish; one still running then counts as started.
    std::chrono::milliseconds wait{1500};
};

// Opens an address with the desktop's associated program. The address is handed to the
// opener as one argument, exactly as given; one that starts with '-' (which the opener would
// take for an option) is refused as not found.
//   opener exits 0, or is still running after the wait -> 42
//   opener missing, or it exits 3 (no tool for the address) -> 31
//   it exits 2 (the address does not exist) -> 2
//   it exits 5 (no permission), or may not be run -> 5
//   no memory or processes left to start it -> 8
//   anything else (a syntax error, a failed action, a signal) -> 0
int OpenWithDesktop(const std::string& address, const OpenerOptions& options = {});

} // namespace nk
