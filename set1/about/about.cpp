#include "set1/about/about.h"

#include "framework/events.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace nk {

namespace {

// This thread's about form, and whether it is being shown right now.
thread_local std::unique_ptr<AboutForm> aboutForm;
thread_local bool aboutShowing = false;

// Clears the showing flag however the modal loop ends.
struct ShowingScope {
    ShowingScope() { aboutShowing = true; }
    ~ShowingScope() { aboutShowing = false; }
    ShowingScope(const ShowingScope&) = delete;
    ShowingScope& operator=(const ShowingScope&) = delete;
};

constexpr int kEscapeKey = 27;

} // namespace

AboutForm::AboutForm(HostServices& host) : host_(&host) {}

void AboutForm::Attach(HostServices& host) {
    host_ = &host;
    // The pictures are loaded again through the new host when next needed; a press the last
    // host left unfinished is forgotten.
    logo_.reset();
    linkPointer_.reset();
    pressed_.clear();
}

std::string AboutForm::Caption() const {
    return std::string(kAboutTitle);
}

int AboutForm::Width() const {
    return kAboutFormWidth;
}

int AboutForm::Height() const {
    return kAboutFormHeight;
}

void AboutForm::Draw(Canvas& canvas) {
    if (!logo_) logo_ = host_->LoadResPicture(nuvset1::kAboutLogo);
    DrawAboutForm(canvas, *logo_, pressed_);
}

std::string AboutForm::ElementAt(double x, double y) const {
    const AboutElement* e = AboutElementAt(x, y);
    return e ? std::string(e->name) : std::string();
}

FormPointer AboutForm::PointerAt(double x, double y) const {
    const AboutElement* e = AboutElementAt(x, y);
    return e && e->linkPointer ? FormPointer::Link : FormPointer::Arrow;
}

Picture AboutForm::LinkPointer() {
    if (!linkPointer_) linkPointer_ = host_->LoadResPicture(nuvset1::kAboutPointer);
    return *linkPointer_;
}

void AboutForm::MouseDown(double x, double y) {
    pressed_ = ElementAt(x, y);
}

std::string AboutForm::MouseUp(double x, double y) {
    const std::string released = ElementAt(x, y);
    const bool click = !pressed_.empty() && released == pressed_;
    pressed_.clear();
    return click ? released : std::string();
}

void AboutForm::KeyDown(int key) {
    if (key == kEnterKey || key == kEscapeKey) Click("Command1");
}

void AboutForm::Click(std::string_view element) {
    if (SameName(element, "Command1")) {
        unloaded_ = true;
        host_->CloseModal(*this);
    } else if (SameName(element, "Command2") || SameName(element, "Label1(7)")) {
        OpenAddress(*host_, std::string(kMakerWebSite), 0);
    } else if (SameName(element, "Label1(6)")) {
        OpenAddress(*host_, std::string(kProductPage), 0);
    } else if (SameName(element, "Label1(5)")) {
        OpenAddress(*host_, std::string(kMakerMailTo), 0);
    }
    // Every other label, the logo and the title do nothing.
}

void AboutForm::Close() {
    Click("Command1");
}

void AboutMe(HostServices& host) {
    if (aboutShowing) return;
    if (!aboutForm) aboutForm = std::make_unique<AboutForm>(host);
    aboutForm->Attach(host);
    {
        ShowingScope showing;
        host.ShowModal(*aboutForm);
    }
    // OK unloaded the form: the next AboutMe makes a new one.
    if (aboutForm && aboutForm->Closed()) aboutForm.reset();
}

std::int32_t OpenAddress(HostServices& host, const std::string& address, std::int32_t returnFlag) {
    const std::int32_t result = host.ShellExecute(address);
    if (returnFlag == 1) return result;
    if (auto message = AddressFailureMessage(result))
        host.MessageBox(kCriticalMessage, message->title, message->text);
    return 0;
}

std::optional<AddressMessage> AddressFailureMessage(std::int32_t result) {
    if (result > 32) return std::nullopt;
    const std::string access = "Address Access Error";
    switch (result) {
    case 2:
        return AddressMessage{"File Access Error", "The Address was not Found."};
    case 3:
        return AddressMessage{access, "The Path was not Found."};
    case 5:
        return AddressMessage{access, "URL Access Failed: Access was denied to the Address."};
    case 8:
        return AddressMessage{access, "There was no more Memory or resources. Free up some "
                                      "memory by closing some Programs."};
    case 26:
        return AddressMessage{access, "URL Access Failed: There was a file sharing violation."};
    case 27:
        return AddressMessage{access, "URL Access Failed: Program association was Incomplete."};
    case 28:
        return AddressMessage{
            access, "URL Access Failed: DDE operation to associated program was Timed out."};
    case 29:
        return AddressMessage{access,
                              "URL Access Failed: DDE operation to associated program failed."};
    case 30:
        return AddressMessage{access,
                              "URL Access Failed: DDE operation to associated program was busy."};
    case 31:
        return AddressMessage{
            access, "URL Access Failed: There was no program associated to this Address. To view "
                    "this Internet address a associated Internet browser is needed."};
    case 32:
        return AddressMessage{access, "URL Access Failed: A needed program extension was not "
                                      "found."};
    default:
        return AddressMessage{access, "URL Access Failed: Unknown Error - Error Code is " +
                                          std::to_string(result)};
    }
}

} // namespace nk
