#include "set1/command/nuvel_command.h"

#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/push.h"
#include "framework/saved_rows.h"

namespace nk {

namespace {

// The glow overlay that the host composes above the surface while the pointer hovers.
constexpr std::string_view kGlowShape = "Shape2";

} // namespace

NuvelCommand::NuvelCommand(Host& host) : host_(host) {}

const InterfaceTable& NuvelCommand::Interface() const {
    return NuvelCommandInterface();
}

// ---- Host notifications ----

void NuvelCommand::InitProperties() {
    InitFromRows(*this, host_);
    Redraw();
}

void NuvelCommand::ReadProperties(const PropertyBag& bag) {
    ReadFromRows(*this, host_, bag);
    // A width that cannot be read (not a number) also counts as narrow.
    narrowLayout_ = !(host_.ScaleWidth() > 255);
    RegenerateGradientIfShown();
    Redraw();
    ApplyShortCutKey();
}

void NuvelCommand::WriteProperties(PropertyBag& bag) {
    WriteFromRows(*this, host_, bag);
    Redraw();
    ApplyShortCutKey();
}

void NuvelCommand::Resize() {
    if (Shape* glow = host_.ShapeChild(kGlowShape))
        glow->Move(0, 0, host_.ScaleWidth(), host_.ScaleHeight());
    narrowLayout_ = host_.ScaleWidth() <= 255;
    RegenerateGradientIfShown();
}

void NuvelCommand::Paint() {
    Redraw();
}

void NuvelCommand::Click() {
    host_.RaiseEvent(Number(Event::Click), {});
}

void NuvelCommand::DblClick() {
    host_.RaiseEvent(Number(Event::DblClick), {});
}

void NuvelCommand::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    // The key test uses the code as delivered, before the container's handler may change it.
    if (IsKeyThatPresses(keyCode))
        PressStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
    RaiseKeyEvent(host_, Event::KeyDown, keyCode, shift);
}

void NuvelCommand::KeyPress(std::int16_t keyAscii) {
    RaiseKeyPressEvent(host_, Event::KeyPress, keyAscii);
}

void NuvelCommand::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (IsKeyThatPresses(keyCode)) {
        ReleaseStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
        host_.RaiseEvent(Number(Event::Click), {});
    }
    RaiseKeyEvent(host_, Event::KeyUp, keyCode, shift);
}

void NuvelCommand::AccessKeyPress(std::int16_t) {
    host_.RaiseEvent(Number(Event::Click), {});
}

void NuvelCommand::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    SetGlowVisible(host_, kGlowShape, false);
    PressStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
    RaiseMouseEvent(host_, Event::MouseDown, button, shift, x, y);
    if (coolButton_ != kFalse) LeaveHover(host_, hovering_, [this] { Redraw(); });
}

void NuvelCommand::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseMove, button, shift, x, y);
    if (coolButton_ == kFalse) return;
    // The inside test sees the coordinates as the container's handler left them.
    const bool inside = IsInside(x, y, host_.ScaleWidth(), host_.ScaleHeight());
    if (inside && hovering_) return;
    if (inside) {
        if (coolUseGlow_ != kFalse) {
            if (Shape* glow = host_.ShapeChild(kGlowShape)) ShowGlow(*glow, coolGlowColor_);
        }
        EnterHover(host_, hovering_, [this] { Redraw(); });
        return;
    }
    // Leaving with the capture held also drops a press, without a sound.
    SetGlowVisible(host_, kGlowShape, false);
    pressed_ = false;
    LeaveHover(host_, hovering_, [this] { Redraw(); });
}

void NuvelCommand::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    ReleaseStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
    RaiseMouseEvent(host_, Event::MouseUp, button, shift, x, y);
    // The glow stays until the pointer leaves after entering again.
    if (coolButton_ != kFalse) LeaveHover(host_, hovering_, [this] { Redraw(); });
}

} // namespace nk
