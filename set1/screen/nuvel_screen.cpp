#include "set1/screen/nuvel_screen.h"

#include "framework/property_bag.h"
#include "framework/saved_rows.h"

namespace nk {

NuvelScreen::NuvelScreen(Host& host) : host_(host) {}

// ---- Methods ----------------------------------------------------------------------------

FileError NuvelScreen::LoadScreenDataFile(const std::string& gFilename) {
    // The name goes to the host exactly as given; nothing is read from the file.
    return host_.OpenFileForRead(gFilename);
}

// ---- Host notifications -----------------------------------------------------------------

void NuvelScreen::InitProperties() {
    InitFromRows(*this, host_);
    Redraw();
}

void NuvelScreen::ReadProperties(const PropertyBag& bag) {
    ReadFromRows(*this, host_, bag);
    Redraw();
}

void NuvelScreen::WriteProperties(PropertyBag& bag) {
    WriteFromRows(*this, host_, bag);
}

void NuvelScreen::Resize() {
    Redraw();
}

void NuvelScreen::Paint() {
    Redraw();
}

void NuvelScreen::Click() {
    host_.RaiseEvent(Number(Event::Click), {});
}

void NuvelScreen::DblClick() {
    host_.RaiseEvent(Number(Event::DblClick), {});
}

void NuvelScreen::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    RaiseKeyEvent(host_, Event::KeyDown, keyCode, shift);
}

void NuvelScreen::KeyPress(std::int16_t keyAscii) {
    RaiseKeyPressEvent(host_, Event::KeyPress, keyAscii);
}

void NuvelScreen::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    RaiseKeyEvent(host_, Event::KeyUp, keyCode, shift);
}

void NuvelScreen::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseDown, button, shift, x, y);
}

void NuvelScreen::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseMove, button, shift, x, y);
}

void NuvelScreen::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseUp, button, shift, x, y);
}

} // namespace nk
