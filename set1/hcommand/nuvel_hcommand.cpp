#include "set1/hcommand/nuvel_hcommand.h"

#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/push.h"
#include "framework/saved_rows.h"

namespace nk {

namespace {

constexpr std::int32_t kCustomStyle = static_cast<std::int32_t>(NKHCommandTypes::NKCustom);

// Shine phases.
constexpr std::int16_t kShineIdle = 0;
constexpr std::int16_t kShineRising = 1;
constexpr std::int16_t kShineFalling = 2;
constexpr std::int16_t kShineFinishing = 32;
constexpr std::int16_t kShineStep = 32;
constexpr std::int16_t kShineTop = 255;

} // namespace

OleColor ShineColor(std::int32_t shineMode, std::int16_t level) {
    switch (static_cast<NKHShineModes>(shineMode)) {
    case NKHShineModes::NKHWhiteShine:
        return RGB(level, level, level);
    case NKHShineModes::NKHRedShine:
        return RGB(level, 0, 0);
    case NKHShineModes::NKHGreenShine:
        return RGB(0, level, 0);
    case NKHShineModes::NKHBlueShine:
        return RGB(0, 0, level);
    case NKHShineModes::NKHCyanShine:
        return RGB(0, level, level);
    case NKHShineModes::NKHMagentaShine:
        return RGB(level, 0, level);
    case NKHShineModes::NKHYellowShine:
        return RGB(level, level, 0);
    }
    return 0;
}

NuvelHCommand::NuvelHCommand(Host& host) : host_(host) {}

// ---- Public members, in interface order ----

void NuvelHCommand::TimerInvoke() {
    const double sw = host_.ScaleWidth();
    const double sh = host_.ScaleHeight();
    if (useAnimation_ == kFalse) return;

    // The hover faces count down only where they are shown: the custom style with UseOnTop.
    if (nuvelStyle_ == kCustomStyle && useOnTop_ != kFalse) {
        HoverStep();
        --hoverPhase_;
        if (hoverPhase_ == -2) hoverPhase_ = -1;
    }

    switch (shinePhase_) {
    case kShineRising:
        shineLevel_ = static_cast<std::int16_t>(shineLevel_ + kShineStep);
        if (shineLevel_ >= kShineTop) {
            shinePhase_ = kShineFalling;
            shineLevel_ = kShineTop;
        }
        DrawShineGlow(sw, sh);
        break;
    case kShineFalling:
        shineLevel_ = static_cast<std::int16_t>(shineLevel_ - kShineStep);
        if (shineLevel_ < 1) {
            shinePhase_ = kShineFinishing;
            shineLevel_ = 0;
        }
        DrawShineGlow(sw, sh);
        break;
    case kShineFinishing:
        // The repaint covers the last glow.
        shinePhase_ = kShineIdle;
        shineLevel_ = 0;
        Redraw();
        break;
    default:
        break;
    }
}

void NuvelHCommand::SetPictureMode(std::int32_t value) {
    pictureMode_ = value;
    ApplyPictureMode();
    Notify();
    Redraw();
}

void NuvelHCommand::ShineEdges() {
    // Starts the shine, or turns a running one back to rising from its current level.
    shinePhase_ = kShineRising;
}

NuvelHCommand::State NuvelHCommand::Inspect() const {
    return {pressed_,        hasFocus_,        hoverPhase_,       hoverState_,
            shinePhase_,     shineLevel_,      faces_.hasNormal,  faces_.hasOver,
            faces_.hasOver2, faces_.hasPushed, faces_.hasDisabled};
}

// ---- Host notifications ----

void NuvelHCommand::InitProperties() {
    InitFromRows(*this, host_);
    faces_.WorkOutPresence();
    Redraw();
}

void NuvelHCommand::ReadProperties(const PropertyBag& bag) {
    ReadFromRows(*this, host_, bag);
    faces_.WorkOutPresence();
    ApplyShortCutKey();
    Redraw();
    ApplyPictureMode();
}

void NuvelHCommand::WriteProperties(PropertyBag& bag) {
    WriteFromRows(*this, host_, bag);
    faces_.WorkOutPresence();
    Redraw();
}

void NuvelHCommand::Click() {
    Redraw();
    host_.RaiseEvent(Number(Event::Click), {});
}

void NuvelHCommand::DblClick() {
    Redraw();
    host_.RaiseEvent(Number(Event::DblClick), {});
}

void NuvelHCommand::AccessKeyPress(std::int16_t) {
    host_.RaiseEvent(Number(Event::Click), {});
}

void NuvelHCommand::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    // The sound comes before the button goes down.
    RaiseMouseEvent(host_, Event::MouseDown, button, shift, x, y);
    SoundStep(host_, UseSound, SoundMethod, Gettingpushed);
    pressed_ = true;
    Redraw();
}

void NuvelHCommand::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    // The host's Click follows the release; the release itself raises no Click.
    RaiseMouseEvent(host_, Event::MouseUp, button, shift, x, y);
    SoundStep(host_, UseSound, SoundMethod, GettingReleased);
    pressed_ = false;
    Redraw();
}

void NuvelHCommand::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    hoverPhase_ = 2;
    HoverStep();
    RaiseMouseEvent(host_, Event::MouseMove, button, shift, x, y);
}

void NuvelHCommand::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    // The key test sees the code as the container's handler left it.
    RaiseKeyEvent(host_, Event::KeyDown, keyCode, shift);
    if (IsKeyThatPresses(keyCode))
        PressStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
}

void NuvelHCommand::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    RaiseKeyEvent(host_, Event::KeyUp, keyCode, shift);
    if (IsKeyThatPresses(keyCode)) {
        ReleaseStep(host_, pressed_, UseSound, SoundMethod, [this] { Redraw(); });
        host_.RaiseEvent(Number(Event::Click), {});
    }
}

void NuvelHCommand::KeyPress(std::int16_t keyAscii) {
    RaiseKeyPressEvent(host_, Event::KeyPress, keyAscii);
    Redraw();
}

// ---- Animation ----

// One step of the hover sequence. A pointer move sets hoverPhase_ to 2 and comes here; each
// tick comes here and then counts hoverPhase_ down. The faces for phases 0-2 are repainted;
// phases 3 and 4 hold the over face without repainting, so a moving pointer costs nothing.
void NuvelHCommand::HoverStep() {
    if (hoverPhase_ == 3 && hoverState_ == 1) {
        hoverPhase_ = 4;
        hoverState_ = 2;
    }
    RollOverStep(hoverPhase_, hoverState_, [this] { Redraw(); });
}

// The shine's glow, drawn straight over what the surface shows: two edge lines and the two
// end arcs, two pixels wide, in the shine colour at the current level.
void NuvelHCommand::DrawShineGlow(double sw, double sh) {
    const double h = sh / 2;
    const OleColor g = ShineColor(shineMode_, shineLevel_);
    host_.SetDrawWidth(2);
    host_.Line(h, 1, sw - h, 1, g);
    host_.Line(h, sh - 1, sw - h, sh - 1, g);
    LeftArc(h, h, h - 1, g);
    RightArc(sw - h, h, h - 1, g);
    host_.SetDrawWidth(1);
}

// ---- Helpers ----

void NuvelHCommand::StorePicture(Picture& field, bool& present, const Picture& value, Where where) {
    field = value;
    present = IsPresent(field);
    Changed(SetterMember(where));
}

} // namespace nk
