// The about dialog of nuvset1: the form AboutBox with its labels, links and buttons,
// AboutMe, which shows it modally through the host, and OpenAddress.
#pragma once

#include "framework/host.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace nk {

// Resource numbers of the dialog's own pictures in nuvset1.
inline constexpr int kAboutLogoResource = 900;    // 400 x 120, 8 bits
inline constexpr int kAboutPointerResource = 901; // 32 x 32 link pointer

// The form AboutBox. Its elements are named as the dialog queue names them:
// "Command1", "Command2", "Label1(0)" ... "Label1(10)", "Image2".
class AboutForm {
public:
    explicit AboutForm(Host& host);

    // A click on an element; unknown elements and plain labels do nothing. Command1
    // unloads the form: it asks the host to close the modal dialog.
    void Click(std::string_view element);
    bool Unloaded() const { return unloaded_; }

private:
    Host& host_;
    bool unloaded_ = false;
};

// Shows this thread's about form modally, creating it when it does not exist; returns
// when it is closed. A form unloaded by OK is made anew by the next call.
void AboutMe(Host& host);

// Asks the shell to open an address. With returnFlag 1 the shell's result is returned and
// nothing is shown; otherwise a failure (a result of 32 or less) shows its message box and
// 0 is returned.
std::int32_t OpenAddress(Host& host, const std::string& address, std::int32_t returnFlag);

} // namespace nk
