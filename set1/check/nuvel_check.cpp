#include "set1/check/nuvel_check.h"

#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/push.h"
#include "framework/saved_rows.h"

namespace nk {

namespace {

constexpr OleColor kBlack = 0x000000;
constexpr OleColor kWhite = 0xFFFFFF;
constexpr OleColor kDefaultFocusColor = 0x00FF00;
constexpr OleColor kDefaultGlowColor = 0xC00000;

// The glow overlay that the host composes above the surface while the pointer hovers.
constexpr std::string_view kGlowShape = "Shape1";

} // namespace

NuvelCheck::NuvelCheck(Host& host) : host_(host) {}

const InterfaceTable& NuvelCheck::Interface() const {
    return NuvelCheckInterface();
}

// ---- Host notifications ----

void NuvelCheck::InitProperties() {
    host_.SetFont(host_.AmbientFont());
    caption_ = host_.AmbientDisplayName();
    value_ = NKUnChecked;
    ShowFocus = kFalse;
    picturePushed_ = host_.LoadPicture();
    pictureCheck_ = host_.LoadPicture();
    pictureUncheck_ = host_.LoadPicture();
    FocusColor = kDefaultFocusColor;
    nuvelCheckType_ = NKClassic;
    // The three empty pictures count as present; PictureDisabled stays absent, so a disabled
    // new control shows the built-in disabled glyph.
    WorkOutPicturePresence();
    coolGlowColor_ = kDefaultGlowColor;
    coolUseGlow_ = kTrue;
    // On at placement, though a bag without the key loads it off (its stored default).
    coolButton_ = kTrue;
    Redraw();
}

void NuvelCheck::ReadProperties(const PropertyBag& bag) {
    // Every value goes straight into storage or onto the surface: one repaint at the end.
    if (auto font = ReadFont(bag, "Font", host_.AmbientFont())) host_.SetFont(*font);
    ReadStoredRows(*this, bag, {{"Caption", &caption_}, {"Value", &value_}});
    if (auto back = ReadColor(bag, "BackColor", kBlack)) host_.SetBackColor(*back);
    if (auto fore = ReadColor(bag, "ForeColor", kWhite)) host_.SetForeColor(*fore);
    ReadStoredRows(*this, bag, {{"ShowFocus", &ShowFocus}});
    if (auto enabled = ReadBoolean(bag, "Enabled", kTrue)) host_.SetEnabled(*enabled != kFalse);
    // AllowMultiLine is saved as "AllowMultiline"; the bag matches keys without regard to
    // letter case.
    ReadStoredRows(*this, bag,
                   {{"PictureCheck", &pictureCheck_},
                    {"PictureUncheck", &pictureUncheck_},
                    {"PicturePushed", &picturePushed_},
                    {"FocusColor", &FocusColor},
                    {"NuvelCheckType", &nuvelCheckType_},
                    {"PictureDisabled", &pictureDisabled_},
                    {"FocusType", &focusType_},
                    {"UseSound", &UseSound},
                    {"SoundMethod", &SoundMethod},
                    {"CoolButton", &coolButton_},
                    {"CoolGlowColor", &coolGlowColor_},
                    {"CoolUseGlow", &coolUseGlow_},
                    {"AllowMultiLine", &AllowMultiLine},
                    {"AdjustTop", &AdjustTop}});
    WorkOutPicturePresence();
    Redraw();
}

void NuvelCheck::WriteProperties(PropertyBag& bag) {
    WriteFont(bag, "Font", host_.GetFont(), host_.AmbientFont());
    WriteSavedRows(*this, bag,
                   {"Caption", "Value", "BackColor", "ForeColor", "Enabled", "ShowFocus",
                    "PictureCheck", "PictureUncheck", "PicturePushed", "FocusColor",
                    "NuvelCheckType"});
    // This key's write default is the integer 0, which stands for "no picture": an absent
    // picture is not stored, and any picture object, an empty one included, is stored so that
    // it comes back at the next load.
    if (IsPresent(pictureDisabled_))
        WriteProperty(bag, "PictureDisabled", Variant::OfPicture(pictureDisabled_),
                      Variant::Integer(0));
    WriteSavedRows(*this, bag,
                   {"FocusType", "UseSound", "SoundMethod", "CoolButton", "CoolGlowColor",
                    "CoolUseGlow", "AllowMultiLine", "AdjustTop"});
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

void NuvelCheck::EnterFocus() {
    GotFocus();
}

void NuvelCheck::GotFocus() {
    hasFocus_ = true;
    Redraw();
}

void NuvelCheck::ExitFocus() {
    LostFocus();
}

void NuvelCheck::LostFocus() {
    hasFocus_ = false;
    Redraw();
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
