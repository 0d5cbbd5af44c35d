// The about dialog of nuvset1: the form AboutBox with its labels, links and buttons, a
// modal form that any host can show; AboutMe, which shows it through the host, and
// OpenAddress.
#pragma once

#include "framework/host.h"
#include "framework/modal_form.h"
#include "framework/picture.h"
#include "set1/about/about_layout.h"
#include "set1/resource_ids.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nk {

// The message box style of a failed open: the critical-error icon with an OK button.
inline constexpr int kCriticalMessage = 16;

// The form AboutBox. Its elements are named as the dialog queue names them:
// "Command1", "Command2", "Label1(0)" ... "Label1(10)", "Image2". Its look and hit test are
// those of about_layout.h; its pictures are its library's resources 900 and 901, loaded
// through its host when first needed.
class AboutForm : public ModalForm {
public:
    explicit AboutForm(HostServices& host);

    std::string Caption() const override;
    int Width() const override;
    int Height() const override;
    void Draw(Canvas& canvas) override;
    std::string ElementAt(double x, double y) const override;
    FormPointer PointerAt(double x, double y) const override;
    Picture LinkPointer() override;
    void MouseDown(double x, double y) override;
    std::string MouseUp(double x, double y) override;
    // Return and Escape answer the form as its OK button does.
    void KeyDown(int key) override;
    // Unknown elements and plain labels do nothing. Command1 (OK) unloads the form: it asks
    // the host to close the modal dialog.
    void Click(std::string_view element) override;
    // Closing the window counts as OK.
    void Close() override;
    bool Closed() const override { return unloaded_; }

    // The host that shows the form and opens its addresses: the one of the control whose
    // AboutMe showed it last.
    void Attach(HostServices& host);

private:
    HostServices* host_;
    bool unloaded_ = false;
    std::string pressed_; // the element the left button went down on
    std::optional<Picture> logo_;
    std::optional<Picture> linkPointer_;
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
