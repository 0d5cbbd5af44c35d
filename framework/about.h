// The about dialog of nuvset1: the form AboutBox with its labels, links and buttons,
// AboutMe, which shows it modally through the host, and OpenAddress.
#pragma once

#include "framework/host.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nk {

// Resource numbers of the dialog's own pictures in nuvset1.
inline constexpr int kAboutLogoResource = 900;    // 400 x 120, 8 bits
inline constexpr int kAboutPointerResource = 901; // 32 x 32 link pointer

// The addresses the dialog opens. The mail label shows the address without "mailto:".
inline constexpr std::string_view kMakerWebSite = "https://www.quillon.example/";
inline constexpr std::string_view kProductPage = "https://www.quillon.example/nuvelkit/";
inline constexpr std::string_view kMakerMailTo = "mailto:nuvelkit@quillon.example";
inline constexpr std::string_view kMakerMailAddress = "nuvelkit@quillon.example";

// The message box style of a failed open: the critical-error icon with an OK button.
inline constexpr int kCriticalMessage = 16;

// The form AboutBox. Its elements are named as the dialog queue names them:
// "Command1", "Command2", "Label1(0)" ... "Label1(10)", "Image2".
class AboutForm {
public:
    explicit AboutForm(HostServices& host);

    // A click on an element; unknown elements and plain labels do nothing. Command1
    // unloads the form: it asks the host to close the modal dialog.
    void Click(std::string_view element);
    bool Unloaded() const { return unloaded_; }

    // The host that shows the form and opens its addresses: the one of the control whose
    // AboutMe showed it last.
    void Attach(HostServices& host) { host_ = &host; }

private:
    HostServices* host_;
    bool unloaded_ = false;
};

// Shows this thread's about form modally, creating it when it does not exist; returns
// when it is closed. A form unloaded by OK is made anew by the next call. A call made
// while the form is already shown does nothing (a shown form cannot be shown modally).
void AboutMe(HostServices& host);

// Asks the shell to open an address. With returnFlag 1 the shell's result is returned and
// nothing is shown; otherwise a failure (a result of 32 or less) shows its message box and
// 0 is returned.
std::int32_t OpenAddress(HostServices& host, const std::string& address, std::int32_t returnFlag);

// The title and text of the message box that explains a shell result, or nothing for a
// success (a result above 32).
struct AddressMessage {
    std::string title;
    std::string text;
};
std::optional<AddressMessage> AddressFailureMessage(std::int32_t result);

} // namespace nk
