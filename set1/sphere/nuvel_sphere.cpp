#include "set1/sphere/nuvel_sphere.h"

#include "framework/about.h"
#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/push.h"
#include "framework/saved_rows.h"
#include "framework/setters.h"

namespace nk {

namespace {

// Built-in bitmaps.
constexpr int kFaceBase = 300;
constexpr int kPressedFaceBase = 400;
constexpr int kDisabledFace = 600;
constexpr int kRoundMask = 705;       // 32 x 32
constexpr int kHalfRoundMask = 706;   // 16 x 16
constexpr int kDoubleRoundMask = 707; // 64 x 64

constexpr OleColor kDefaultFocusColor = 0xFFFFFF;
constexpr OleColor kDefaultGlowColor = 0xC00000;
constexpr std::string_view kDefaultLetter = "0";

// Sizes the size rule forces, in twips.
constexpr double kNormalTwips = 480;
constexpr double kHalfTwips = 240;
constexpr double kDoubleTwips = 960;

bool IsBuiltInType(std::int32_t type) {
    return type >= NvlSphereRings && type <= NvlSphereBlue;
}

} // namespace

NuvelSphere::NuvelSphere(Host& host) : host_(host) {}

const InterfaceTable& NuvelSphere::Interface() const {
    return NuvelSphereInterface();
}

// ---- Properties, in interface order ----

VBool NuvelSphere::Enabled() const {
    return ToVBool(host_.Enabled());
}

void NuvelSphere::SetEnabled(VBool value) {
    host_.SetEnabled(value != kFalse);
    host_.PropertyChanged("Enabled");
    Redraw();
}

Picture NuvelSphere::MouseIcon() const {
    return host_.MouseIcon();
}

void NuvelSphere::SetMouseIcon(const Picture& value) {
    host_.SetMouseIcon(value);
    host_.PropertyChanged("MouseIcon");
}

std::int16_t NuvelSphere::MousePointer() const {
    return host_.MousePointer();
}

void NuvelSphere::SetMousePointer(std::int16_t value) {
    host_.SetMousePointer(value);
    host_.PropertyChanged("MousePointer");
    Redraw();
}

void NuvelSphere::SetSphereType(std::int32_t value) {
    sphereType_ = value;
    Redraw();
    host_.PropertyChanged("SphereType");
}

void NuvelSphere::SetContentType(std::int32_t value) {
    contentType_ = value;
    Redraw();
    host_.PropertyChanged("ContentType");
}

void NuvelSphere::SetContentIcon(const Picture& value) {
    contentIcon_ = value;
    Redraw();
    host_.PropertyChanged("ContentIcon");
}

void NuvelSphere::SetContentLetter(const std::string& value) {
    contentLetter_ = value;
    Redraw();
    host_.PropertyChanged("ContentLetter");
}

Font NuvelSphere::GetFont() const {
    return host_.GetFont();
}

void NuvelSphere::SetFont(const Font& value) {
    host_.SetFont(value);
    Redraw();
    host_.PropertyChanged("Font");
}

OleColor NuvelSphere::ForeColor() const {
    return host_.ForeColor();
}

void NuvelSphere::SetForeColor(OleColor value) {
    host_.SetForeColor(value);
    Redraw();
    host_.PropertyChanged("ForeColor");
}

void NuvelSphere::SetIconSize(std::int32_t value) {
    StoreNotifyRedraw(host_, "IconSize", iconSize_, value, [this] { Redraw(); });
}

// The state pictures repaint before their presence is worked out, so a picture newly set
// where none was shows only at the next repaint.
void NuvelSphere::SetPictureNormal(const Picture& value) {
    pictureNormal_ = value;
    Redraw();
    hasPictureNormal_ = IsPresent(pictureNormal_);
    host_.PropertyChanged("PictureNormal");
}

void NuvelSphere::SetPictureOver(const Picture& value) {
    pictureOver_ = value;
    Redraw();
    hasPictureOver_ = IsPresent(pictureOver_);
    host_.PropertyChanged("PictureOver");
}

void NuvelSphere::SetPictureOver2(const Picture& value) {
    pictureOver2_ = value;
    Redraw();
    hasPictureOver2_ = IsPresent(pictureOver2_);
    host_.PropertyChanged("PictureOver2");
}

void NuvelSphere::SetPicturePushed(const Picture& value) {
    picturePushed_ = value;
    Redraw();
    hasPicturePushed_ = IsPresent(picturePushed_);
    host_.PropertyChanged("PicturePushed");
}

// The disabled picture counts at once: a disabled sphere shows the new picture.
void NuvelSphere::SetPictureDisabled(const Picture& value) {
    pictureDisabled_ = value;
    hasPictureDisabled_ = IsPresent(pictureDisabled_);
    Redraw();
    host_.PropertyChanged("PictureDisabled");
}

void NuvelSphere::SetPictureMode(std::int32_t value) {
    pictureMode_ = value;
    Redraw();
    ApplyPictureMode();
    host_.PropertyChanged("PictureMode");
}

void NuvelSphere::SetUseAnimation(VBool value) {
    useAnimation_ = value;
    Redraw();
    host_.PropertyChanged("UseAnimation");
}

void NuvelSphere::SetUseOnTop(VBool value) {
    useOnTop_ = value;
    Redraw();
    host_.PropertyChanged("UseOnTop");
}

void NuvelSphere::SetShortCutKey(const std::string& value) {
    shortCutKey_ = value;
    host_.PropertyChanged("ShortCutKey");
    ApplyShortCutKey(host_, shortCutKey_);
}

void NuvelSphere::SetCoolGlowColor(OleColor value) {
    StoreNotifyRedraw(host_, "CoolGlowColor", coolGlowColor_, value, [this] { Redraw(); });
}

void NuvelSphere::SetCoolUseGlow(VBool value) {
    StoreNotifyRedraw(host_, "CoolUseGlow", coolUseGlow_, value, [this] { Redraw(); });
}

// ---- Methods ----

void NuvelSphere::AboutMe() {
    nk::AboutMe(host_);
}

// Counts the roll-over down; only a custom sphere with animation and UseOnTop counts.
void NuvelSphere::TimerInvoke() {
    if (useAnimation_ == kFalse || sphereType_ != nvlSphereCustom || useOnTop_ == kFalse) return;
    HoverStep();
    --hoverPhase_;
    if (hoverPhase_ == -2) hoverPhase_ = -1;
}

// ---- Host notifications ----

void NuvelSphere::InitProperties() {
    sphereType_ = NvlSphereRings;
    contentType_ = NvlCntNone;
    contentIcon_ = host_.LoadPicture();
    contentLetter_ = std::string(kDefaultLetter);
    host_.SetFont(host_.AmbientFont());
    iconSize_ = NvlSphrIconUnknown;
    ShowFocus = kFalse;
    pictureOver_ = host_.LoadPicture();
    picturePushed_ = host_.LoadPicture();
    pictureNormal_ = host_.LoadPicture();
    pictureDisabled_ = host_.LoadPicture();
    FocusColor = kDefaultFocusColor;
    coolGlowColor_ = kDefaultGlowColor;
    coolUseGlow_ = kTrue;
    WorkOutPresence();
    Redraw();
}

void NuvelSphere::ReadProperties(const PropertyBag& bag) {
    if (auto v = ReadBoolean(bag, "Enabled", kTrue)) host_.SetEnabled(*v != kFalse);
    ReadRowsThroughSetters(*this, bag, {"MouseIcon"});
    if (auto v = ReadInteger(bag, "MousePointer", 0)) host_.SetMousePointer(*v);
    ReadStoredRows(*this, bag,
                   {{"SphereType", &sphereType_},
                    {"ContentType", &contentType_},
                    {"ContentIcon", &contentIcon_},
                    {"ContentLetter", &contentLetter_}});
    if (auto v = ReadFont(bag, "Font", host_.AmbientFont())) SetFont(*v);
    if (auto v = ReadColor(bag, "ForeColor", kButtonText)) host_.SetForeColor(*v);
    ReadStoredRows(*this, bag,
                   {{"IconSize", &iconSize_},
                    {"ShowFocus", &ShowFocus},
                    {"PictureOver", &pictureOver_},
                    {"PictureOver2", &pictureOver2_},
                    {"PictureNormal", &pictureNormal_},
                    {"PicturePushed", &picturePushed_},
                    {"PictureDisabled", &pictureDisabled_},
                    {"FocusColor", &FocusColor},
                    {"PictureMode", &pictureMode_},
                    {"UseAnimation", &useAnimation_},
                    {"UseOnTop", &useOnTop_},
                    {"ShortCutKey", &shortCutKey_},
                    {"UseSound", &UseSound},
                    {"SoundMethod", &SoundMethod},
                    {"CoolGlowColor", &coolGlowColor_},
                    {"CoolUseGlow", &coolUseGlow_}});
    WorkOutPresence();
    ApplyShortCutKey(host_, shortCutKey_);
    ApplyPictureMode();
    Redraw();
}

void NuvelSphere::WriteProperties(PropertyBag& bag) {
    WriteSavedRows(*this, bag,
                   {"Enabled", "MouseIcon", "MousePointer", "SphereType", "ContentType",
                    "ContentIcon", "ContentLetter"});
    WriteFont(bag, "Font", host_.GetFont(), host_.AmbientFont());
    WriteSavedRows(*this, bag,
                   {"ForeColor", "IconSize", "ShowFocus", "PictureNormal", "PictureOver",
                    "PictureOver2", "PicturePushed", "PictureDisabled", "FocusColor", "PictureMode",
                    "UseAnimation", "UseOnTop", "ShortCutKey", "UseSound", "SoundMethod",
                    "CoolGlowColor", "CoolUseGlow"});
    WorkOutPresence();
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

void NuvelSphere::EnterFocus() {
    hasFocus_ = true;
    Redraw();
}

void NuvelSphere::GotFocus() {
    hasFocus_ = true;
    Redraw();
}

void NuvelSphere::ExitFocus() {
    hasFocus_ = false;
    Redraw();
}

void NuvelSphere::LostFocus() {
    hasFocus_ = false;
    Redraw();
}

// The size rule: the fixed modes snap the control back to their size; the rescaling modes
// stretch the round mask to whatever size the control has. No repaint of its own.
void NuvelSphere::Resize() {
    switch (pictureMode_) {
    case DefaultStyle:
        ForceSize(kNormalTwips);
        break;
    case RescaleToEdges:
    case RescaleWhenNeeded:
        ApplyPictureMode();
        break;
    case HalfSize:
        ForceSize(kHalfTwips);
        break;
    case DoubleSize:
        ForceSize(kDoubleTwips);
        break;
    default:
        break;
    }
}

void NuvelSphere::Paint() {
    Redraw();
}

// ---- Helpers of the notifications ----

void NuvelSphere::WorkOutPresence() {
    hasPictureNormal_ = IsPresent(pictureNormal_);
    hasPictureOver_ = IsPresent(pictureOver_);
    hasPictureOver2_ = IsPresent(pictureOver2_);
    hasPicturePushed_ = IsPresent(picturePushed_);
    hasPictureDisabled_ = IsPresent(pictureDisabled_);
}

void NuvelSphere::ForceSize(double twips) {
    if (host_.Width() != twips) host_.SetWidth(twips);
    if (host_.Height() != twips) host_.SetHeight(twips);
}

// ---- Drawing and animation ----

// Repaints the whole sphere without clearing it: the face covers the control, then the
// content and the focus ring go on top.
void NuvelSphere::Redraw() {
    const double w = host_.ScaleWidth();
    const double h = host_.ScaleHeight();
    if (!host_.Enabled()) {
        // The disabled look is the disabled face alone: no content, no focus ring.
        const Picture face =
            hasPictureDisabled_ ? pictureDisabled_ : host_.LoadResPicture(kDisabledFace);
        host_.PaintPicture(face, 0, 0, w, h);
        return;
    }
    DrawFace(w, h);
    DrawContent(w, h);
    DrawFocusRing(w, h);
}

void NuvelSphere::DrawFace(double w, double h) {
    if (sphereType_ != nvlSphereCustom) {
        // Only the ten built-in types have skins; other numbers paint no face (and never
        // reach an unrelated bitmap of the library).
        if (!IsBuiltInType(sphereType_)) return;
        const int base = pressed_ ? kPressedFaceBase : kFaceBase;
        host_.PaintPicture(host_.LoadResPicture(base + sphereType_), 0, 0, w, h);
        return;
    }
    // A custom sphere without its normal picture paints no face; the old drawing stays.
    if (!hasPictureNormal_) return;
    const Picture face = CustomFace();
    if (face) host_.PaintPicture(face, 0, 0, w, h);
}

// The custom face for the current state; nothing for a roll-over phase outside the sequence.
Picture NuvelSphere::CustomFace() const {
    if (pressed_) return picturePushed_;
    if (useAnimation_ == kFalse || useOnTop_ == kFalse) return pictureNormal_;
    switch (hoverPhase_) {
    case -1:
    case 0:
        return pictureNormal_;
    case 1:
        if (hasPictureOver2_) return pictureOver2_;
        return hasPictureOver_ ? pictureOver_ : pictureNormal_;
    case 2:
    case 3:
    case 4:
    case 5:
        return hasPictureOver_ ? pictureOver_ : pictureNormal_;
    default:
        return nullptr;
    }
}

void NuvelSphere::DrawContent(double w, double h) {
    switch (contentType_) {
    case NvlCntIcon:
        switch (iconSize_) {
        case NvlSphrIconUnknown:
            host_.PaintPicture(contentIcon_, w / 2 - 16, h / 2 - 16);
            break;
        case NvlSphrIcon32:
            host_.PaintPicture(contentIcon_, w / 2 - 16, h / 2 - 16, 32, 32);
            break;
        case NvlSphrIcon24:
            host_.PaintPicture(contentIcon_, w / 2 - 12, h / 2 - 12, 24, 24);
            break;
        default: // NvlSphrIcon16 and any other size
            host_.PaintPicture(contentIcon_, w / 2 - 8, h / 2 - 8, 16, 16);
            break;
        }
        break;
    case NvlCntLetter: {
        const double textW = host_.TextWidth(contentLetter_);
        const double textH = host_.TextHeight(contentLetter_);
        host_.SetCurrentX(w / 2 - textW / 2);
        host_.SetCurrentY(h / 2 - textH / 2);
        host_.Print(contentLetter_);
        break;
    }
    default:
        break;
    }
}

// Two circles of radius W/2 one pixel apart diagonally: a two-pixel ring.
void NuvelSphere::DrawFocusRing(double w, double h) {
    if (!hasFocus_ || ShowFocus == kFalse) return;
    host_.Circle(w / 2 - 1, h / 2 - 1, w / 2, FocusColor);
    host_.Circle(w / 2, h / 2, w / 2, FocusColor);
}

// The roll-over rules, applied once each in order, each seeing the changes of the ones
// before it.
void NuvelSphere::HoverStep() {
    RollOverStep(hoverPhase_, hoverState_, [this] { Redraw(); });
}

// Gives the sphere its round shape for the picture mode, then applies the size rule.
void NuvelSphere::ApplyPictureMode() {
    if (pictureModeBusy_) return;
    pictureModeBusy_ = true;
    const double w = host_.ScaleWidth();
    const double h = host_.ScaleHeight();
    Picture mask;
    bool changeMask = true;
    switch (pictureMode_) {
    case DefaultStyle:
        mask = host_.LoadResPicture(kRoundMask);
        break;
    case RescaleToEdges:
    case RescaleWhenNeeded:
        // The round mask stretched into the canvas: an ellipse filling the control.
        if (PictureBox* canvas = host_.PictureBoxChild("Picture1")) {
            canvas->Move(0, 0, w, h);
            canvas->PaintPicture(host_.LoadResPicture(kRoundMask), 0, 0, w, h);
            mask = canvas->Image();
        } else {
            changeMask = false;
        }
        break;
    case HalfSize:
        mask = host_.LoadResPicture(kHalfRoundMask);
        break;
    case DoubleSize:
    case OneAndHalfSize:
        mask = host_.LoadResPicture(kDoubleRoundMask);
        break;
    default:
        changeMask = false;
        break;
    }
    if (changeMask) host_.SetMaskPicture(mask);
    Resize();
    pictureModeBusy_ = false;
}

} // namespace nk
