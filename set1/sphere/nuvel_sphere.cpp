#include "set1/sphere/nuvel_sphere.h"

#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/push.h"
#include "framework/saved_rows.h"

namespace nk {

namespace {} // namespace

NuvelSphere::NuvelSphere(Host& host) : host_(host) {}

// ---- Properties, in interface order ----

// The disabled picture counts at once: a disabled sphere shows the new picture.
void NuvelSphere::SetPictureDisabled(const Picture& value) {
    faces_.disabled = value;
    faces_.hasDisabled = IsPresent(faces_.disabled);
    Changed(kRedrawFirst);
}

void NuvelSphere::SetPictureMode(std::int32_t value) {
    pictureMode_ = value;
    Redraw();
    ApplyPictureMode();
    Notify();
}

// ---- Methods ----

// Counts the roll-over down; only a custom sphere with animation and UseOnTop counts.
void NuvelSphere::TimerInvoke() {
    if (useAnimation_ == kFalse || sphereType_ != nvlSphereCustom || useOnTop_ == kFalse) return;
    HoverStep();
    --hoverPhase_;
    if (hoverPhase_ == -2) hoverPhase_ = -1;
}

// ---- Host notifications ----

void NuvelSphere::InitProperties() {
    InitFromRows(*this, host_);
    faces_.WorkOutPresence();
    Redraw();
}

void NuvelSphere::ReadProperties(const PropertyBag& bag) {
    ReadFromRows(*this, host_, bag);
    faces_.WorkOutPresence();
    ApplyShortCutKey();
    ApplyPictureMode();
    Redraw();
}

void NuvelSphere::WriteProperties(PropertyBag& bag) {
    WriteFromRows(*this, host_, bag);
    faces_.WorkOutPresence();
    ApplyPictureMode();
}

void NuvelSphere::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    PressStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
    RaiseMouseEvent(host_, Event::MouseDown, button, shift, x, y);
}

// Every move restarts the roll-over at its "over" phase; only the absence of moves ends it.
void NuvelSphere::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    hoverPhase_ = 2;
    HoverStep();
    RaiseMouseEvent(host_, Event::MouseMove, button, shift, x, y);
}

void NuvelSphere::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    ReleaseStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
    RaiseMouseEvent(host_, Event::MouseUp, button, shift, x, y);
}

void NuvelSphere::Click() {
    Redraw();
    host_.RaiseEvent(Number(Event::Click), {});
}

// An access key clicks the sphere without a repaint.
void NuvelSphere::AccessKeyPress(std::int16_t) {
    host_.RaiseEvent(Number(Event::Click), {});
}

void NuvelSphere::DblClick() {
    host_.RaiseEvent(Number(Event::DblClick), {});
}

// The key events are raised first; the Space/Enter test sees a key code the container's
// handler may have changed.
void NuvelSphere::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    RaiseKeyEvent(host_, Event::KeyDown, keyCode, shift);
    if (IsKeyThatPresses(keyCode))
        PressStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
}

void NuvelSphere::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    RaiseKeyEvent(host_, Event::KeyUp, keyCode, shift);
    if (!IsKeyThatPresses(keyCode)) return;
    ReleaseStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
    host_.RaiseEvent(Number(Event::Click), {});
}

void NuvelSphere::KeyPress(std::int16_t keyAscii) {
    RaiseKeyPressEvent(host_, Event::KeyPress, keyAscii);
}

// ---- Helpers of the notifications ----

void NuvelSphere::StoreFace(Picture& field, bool& present, const Picture& value, Where where) {
    field = value;
    Redraw();
    present = IsPresent(field);
    host_.PropertyChanged(SetterMember(where));
}

} // namespace nk
