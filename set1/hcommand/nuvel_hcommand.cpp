#include "set1/hcommand/nuvel_hcommand.h"

#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/push.h"
#include "framework/saved_rows.h"

namespace nk {

namespace {

constexpr OleColor kDefaultFocusColor = 0xFF00;
constexpr OleColor kDefaultGlowColor = 0xC00000;

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

void NuvelHCommand::SetShortCutKey(const std::string& value) {
    shortCutKey_ = value;
    host_.PropertyChanged("ShortCutKey");
    ApplyShortCutKey(host_, shortCutKey_);
}

void NuvelHCommand::SetPictureMode(std::int32_t value) {
    pictureMode_ = value;
    ApplyPictureMode();
    host_.PropertyChanged("PictureMode");
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
    SetFont(host_.AmbientFont());
    nuvelStyle_ = static_cast<std::int32_t>(NKHCommandTypes::NKCyanWater);
    caption_ = host_.AmbientDisplayName();
    ShowFocus = kFalse;
    focusStyle_ = static_cast<std::int32_t>(NKHCommandFocusStyles::NKHClassicIndent);
    // Empty pictures count as assigned; the just-left face stays unassigned.
    faces_.disabled = host_.LoadPicture();
    faces_.pushed = host_.LoadPicture();
    faces_.over = host_.LoadPicture();
    faces_.normal = host_.LoadPicture();
    FocusColor = kDefaultFocusColor;
    coolGlowColor_ = kDefaultGlowColor;
    coolUseGlow_ = kTrue;
    faces_.WorkOutPresence();
    Redraw();
}

void NuvelHCommand::ReadProperties(const PropertyBag& bag) {
    if (auto on = ReadBoolean(bag, "Enabled", kTrue)) host_.SetEnabled(*on != kFalse);
    if (auto font = ReadFont(bag, "Font", host_.AmbientFont())) SetFont(*font);

    // The separate font keys go straight to the surface, after "Font".
    ReadOntoSurfaceFont(
        *this, host_, bag,
        {"FontBold", "FontItalic", "FontName", "FontSize", "FontStrikethru", "FontUnderline"});

    ReadStoredRows(*this, bag, {{"ForeColor", &foreColor_}});
    ReadRowsThroughSetters(*this, bag, {"MouseIcon"});
    if (auto pointer = ReadInteger(bag, "MousePointer", 0)) host_.SetMousePointer(*pointer);
    // UseAnimation is read against True but written against False: a saved False comes back
    // True. AllowMultiLine is read as "AllowMultiline"; the bag matches keys whatever their
    // letter case.
    ReadStoredRows(*this, bag,
                   {{"NuvelStyle", &nuvelStyle_},
                    {"Caption", &caption_},
                    {"ShowFocus", &ShowFocus},
                    {"FocusStyle", &focusStyle_},
                    {"PicturePushed", &faces_.pushed},
                    {"PictureOver", &faces_.over},
                    {"PictureOver2", &faces_.over2},
                    {"PictureNormal", &faces_.normal},
                    {"PictureDisabled", &faces_.disabled},
                    {"FocusColor", &FocusColor},
                    {"UseAnimation", &useAnimation_},
                    {"PictureMode", &pictureMode_},
                    {"ShineMode", &shineMode_},
                    {"UseOnTop", &useOnTop_},
                    {"LeftCaption", &leftCaption_},
                    {"RightCaption", &rightCaption_},
                    {"LeftColor", &leftColor_},
                    {"RightColor", &rightColor_},
                    {"ShortCutKey", &shortCutKey_},
                    {"UseSound", &UseSound},
                    {"SoundMethod", &SoundMethod},
                    {"CoolGlowColor", &coolGlowColor_},
                    {"CoolUseGlow", &coolUseGlow_},
                    {"AllowMultiLine", &AllowMultiLine},
                    {"AdjustTop", &AdjustTop}});

    faces_.WorkOutPresence();
    ApplyShortCutKey(host_, shortCutKey_);
    Redraw();
    ApplyPictureMode();
}

void NuvelHCommand::WriteProperties(PropertyBag& bag) {
    WriteSavedRows(*this, bag, {"Enabled"});
    WriteFont(bag, "Font", host_.GetFont(), host_.AmbientFont());
    WriteSavedRows(
        *this, bag,
        {"FontBold",      "FontItalic",    "FontName",        "FontSize",      "FontStrikethru",
         "FontUnderline", "ForeColor",     "MouseIcon",       "MousePointer",  "NuvelStyle",
         "Caption",       "ShowFocus",     "FocusStyle",      "PictureNormal", "PictureOver",
         "PictureOver2",  "PicturePushed", "PictureDisabled", "FocusColor",    "PictureMode",
         "UseAnimation",  "ShineMode",     "UseOnTop",        "ShortCutKey",   "LeftCaption",
         "RightCaption",  "LeftColor",     "RightColor",      "UseSound",      "SoundMethod",
         "CoolGlowColor", "CoolUseGlow",   "AllowMultiLine",  "AdjustTop"});
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

void NuvelHCommand::GotFocus() {
    hasFocus_ = true;
    Redraw();
}

void NuvelHCommand::EnterFocus() {
    hasFocus_ = true;
    Redraw();
}

void NuvelHCommand::LostFocus() {
    hasFocus_ = false;
    Redraw();
}

void NuvelHCommand::ExitFocus() {
    hasFocus_ = false;
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

void NuvelHCommand::StorePicture(std::string_view name, Picture& field, bool& present,
                                 const Picture& value) {
    field = value;
    present = IsPresent(field);
    Changed(name);
}

} // namespace nk
