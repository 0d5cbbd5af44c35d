#include "set1/check/nuvel_check.h"

#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/push.h"
#include "framework/saved_rows.h"

namespace nk {

namespace {

// The glow overlay that the host composes above the surface while the pointer hovers.
constexpr std::string_view kGlowShape = "Shape1";

} // namespace

NuvelCheck::NuvelCheck(Host& host) : host_(host) {}

const InterfaceTable& NuvelCheck::Interface() const {
    return NuvelCheckInterface();
}

// ---- Host notifications ----

void NuvelCheck::InitProperties() {
    InitFromRows(*this, host_);
    // The three empty pictures count as present; PictureDisabled stays absent, so a disabled
    // new control shows the built-in disabled glyph.
    WorkOutPicturePresence();
    Redraw();
}

// Every value goes straight into storage or onto the surface: one repaint at the end.
void NuvelCheck::ReadProperties(const PropertyBag& bag) {
    ReadFromRows(*this, host_, bag);
    WorkOutPicturePresence();
    Redraw();
}

void NuvelCheck::WriteProperties(PropertyBag& bag) {
    WriteFromRows(*this, host_, bag);
    WorkOutPicturePresence();
    Redraw();
}

void NuvelCheck::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    // A press ends the hover look but keeps the capture: only a move seen outside ends it.
    pressed_ = true;
    hovering_ = false;
    SetGlowVisible(host_, kGlowShape, false);
    host_.Refresh();
    SoundStep(host_, UseSound, SoundMethod, Gettingpushed);
    Redraw();
    RaiseMouseEvent(host_, Event::MouseDown, button, shift, x, y);
}

void NuvelCheck::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseMove, button, shift, x, y);
    // The hover test sees the coordinates as the container's handler left them.
    if (coolButton_ != kFalse) TrackHover(x, y);
}

void NuvelCheck::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    // Wherever the pointer is: a press dragged out and released still toggles. The release
    // sound comes before the toggle, so a PlaySound handler still reads the old Value.
    pressed_ = false;
    hovering_ = false;
    SoundStep(host_, UseSound, SoundMethod, GettingReleased);
    Toggle();
    host_.PropertyChanged("Value");
    Redraw();
    RaiseMouseEvent(host_, Event::MouseUp, button, shift, x, y);
}

void NuvelCheck::Click() {
    host_.RaiseEvent(Number(Event::Click), {});
}

void NuvelCheck::AccessKeyPress(std::int16_t) {
    host_.RaiseEvent(Number(Event::Click), {});
}

void NuvelCheck::DblClick() {
    // The second press and release toggle through their own notifications.
    host_.RaiseEvent(Number(Event::DblClick), {});
}

void NuvelCheck::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    // Each repeat of a held key presses again; only the key up toggles.
    if (IsKeyThatPresses(keyCode))
        PressStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
    RaiseKeyEvent(host_, Event::KeyDown, keyCode, shift);
}

void NuvelCheck::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    // The toggle comes before the release sound, so a PlaySound handler reads the new Value.
    // A keyboard toggle raises no Click.
    if (IsKeyThatPresses(keyCode)) {
        pressed_ = false;
        Toggle();
        SoundStep(host_, UseSound, SoundMethod, GettingReleased);
        host_.PropertyChanged("Value");
        Redraw();
    }
    RaiseKeyEvent(host_, Event::KeyUp, keyCode, shift);
}

void NuvelCheck::KeyPress(std::int16_t keyAscii) {
    RaiseKeyPressEvent(host_, Event::KeyPress, keyAscii);
}

void NuvelCheck::Resize() {
    if (Shape* glow = host_.ShapeChild(kGlowShape))
        glow->Move(0, 0, host_.ScaleWidth(), host_.ScaleHeight());
    Redraw();
}

void NuvelCheck::Paint() {
    Redraw();
}

// ---- Helpers ----

void NuvelCheck::WorkOutPicturePresence() {
    hasPictureUncheck_ = IsPresent(pictureUncheck_);
    hasPictureCheck_ = IsPresent(pictureCheck_);
    hasPicturePushed_ = IsPresent(picturePushed_);
    hasPictureDisabled_ = IsPresent(pictureDisabled_);
}

// Unchecked becomes checked; any other value, not only checked, becomes unchecked.
void NuvelCheck::Toggle() {
    value_ = value_ == NKUnChecked ? NKChecked : NKUnChecked;
}

// Hover tracking by capture. Every move seen outside ends the hover look and releases the
// capture, hovering or not; the first move inside takes the capture so that the move that
// leaves is reported too.
void NuvelCheck::TrackHover(float x, float y) {
    if (!IsInside(x, y, host_.ScaleWidth(), host_.ScaleHeight())) {
        LeaveHover(host_, hovering_, [this] { Redraw(); });
        SetGlowVisible(host_, kGlowShape, false);
        return;
    }
    if (hovering_) return;
    EnterHover(host_, hovering_, [this] { Redraw(); });
    if (coolUseGlow_ != kFalse) {
        if (Shape* glow = host_.ShapeChild(kGlowShape)) {
            glow->SetVisible(false);
            ShowGlow(*glow, coolGlowColor_);
        }
    }
}

} // namespace nk
