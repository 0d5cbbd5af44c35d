#include "set1/check/nuvel_check.h"

#include "framework/about.h"
#include "framework/frames.h"
#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/push.h"
#include "framework/saved_rows.h"
#include "framework/setters.h"

namespace nk {

namespace {

// The built-in glyphs of the classic look, 24 x 24 pixels each.
constexpr int kUncheckedGlyph = 201;
constexpr int kCheckedGlyph = 202;
constexpr int kPressedGlyph = 203;
constexpr int kDisabledGlyph = 204;
constexpr double kGlyphHalf = 12;

// The caption starts right of the glyph and stops short of the right edge.
constexpr std::int32_t kCaptionLeft = 30;
constexpr std::int32_t kCaptionRightMargin = 2;
// One line centred vertically (0xB4), or lines wrapped at word boundaries from the top of the
// rectangle (0x90); both left aligned and with the tab-stop bit, the single line with the
// word-break bit as well.
constexpr unsigned kSingleLineFlags =
    dt::kVCenter | dt::kWordBreak | dt::kSingleLine | dt::kTabStop;
constexpr unsigned kMultiLineFlags = dt::kWordBreak | dt::kTabStop;
static_assert(kSingleLineFlags == 0xB4 && kMultiLineFlags == 0x90);

// The focus marks around the glyph: a circle of radius 11 about its centre, or a box along
// its edges.
constexpr double kFocusCircleX = 12;
constexpr double kFocusCircleRadius = 11;
constexpr double kFocusBoxRight = 24;

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

// ---- Properties, in interface order ----

Font NuvelCheck::GetFont() const {
    return host_.GetFont();
}

void NuvelCheck::SetFont(const Font& value) {
    host_.SetFont(value);
    host_.PropertyChanged("Font");
    Redraw();
}

void NuvelCheck::SetCaption(const std::string& value) {
    StoreNotifyRedraw(host_, "Caption", caption_, value, [this] { Redraw(); });
}

void NuvelCheck::SetValue(std::int32_t value) {
    // Setting from code plays no sound and raises no event.
    value_ = value;
    host_.PropertyChanged("Value");
    Redraw();
}

OleColor NuvelCheck::BackColor() const {
    return host_.BackColor();
}

void NuvelCheck::SetBackColor(OleColor value) {
    host_.SetBackColor(value);
    host_.PropertyChanged("BackColor");
    Redraw();
}

OleColor NuvelCheck::ForeColor() const {
    return host_.ForeColor();
}

void NuvelCheck::SetForeColor(OleColor value) {
    host_.SetForeColor(value);
    host_.PropertyChanged("ForeColor");
}

VBool NuvelCheck::Enabled() const {
    return ToVBool(host_.Enabled());
}

void NuvelCheck::SetEnabled(VBool value) {
    host_.SetEnabled(value != kFalse);
    Redraw();
    host_.PropertyChanged("Enabled");
}

void NuvelCheck::SetPictureUncheck(const Picture& value) {
    pictureUncheck_ = value;
    hasPictureUncheck_ = IsPresent(pictureUncheck_);
    Redraw();
    host_.PropertyChanged("PictureUncheck");
}

void NuvelCheck::SetPictureCheck(const Picture& value) {
    pictureCheck_ = value;
    hasPictureCheck_ = IsPresent(pictureCheck_);
    Redraw();
    host_.PropertyChanged("PictureCheck");
}

void NuvelCheck::SetPicturePushed(const Picture& value) {
    picturePushed_ = value;
    hasPicturePushed_ = IsPresent(picturePushed_);
    Redraw();
    host_.PropertyChanged("PicturePushed");
}

void NuvelCheck::SetPictureDisabled(const Picture& value) {
    pictureDisabled_ = value;
    hasPictureDisabled_ = IsPresent(pictureDisabled_);
    Redraw();
    host_.PropertyChanged("PictureDisabled");
}

void NuvelCheck::SetNuvelCheckType(std::int32_t value) {
    nuvelCheckType_ = value;
    Redraw();
    host_.PropertyChanged("NuvelCheckType");
}

void NuvelCheck::SetFocusType(std::int32_t value) {
    focusType_ = value;
    Redraw();
    host_.PropertyChanged("FocusType");
}

void NuvelCheck::SetCoolButton(VBool value) {
    StoreNotifyRedraw(host_, "CoolButton", coolButton_, value, [this] { Redraw(); });
}

void NuvelCheck::SetCoolUseGlow(VBool value) {
    StoreNotifyRedraw(host_, "CoolUseGlow", coolUseGlow_, value, [this] { Redraw(); });
}

void NuvelCheck::SetCoolGlowColor(OleColor value) {
    StoreNotifyRedraw(host_, "CoolGlowColor", coolGlowColor_, value, [this] { Redraw(); });
}

// ---- Methods ----

void NuvelCheck::AboutMe() {
    nk::AboutMe(host_);
}

void NuvelCheck::TimerInvoke() {
    // The check box has nothing to animate.
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
    hasFocus_ = true;
    Redraw();
}

void NuvelCheck::GotFocus() {
    hasFocus_ = true;
    Redraw();
}

void NuvelCheck::ExitFocus() {
    hasFocus_ = false;
    Redraw();
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

// ---- Drawing ----

// Repaints the whole control: clears it, then draws the caption, the glyph, the focus mark
// and the hover edge. The glow overlay is the host's to compose; Redraw leaves it alone.
void NuvelCheck::Redraw() {
    host_.Cls();

    const double centreY = host_.ScaleHeight() / 2;
    const double glyphTop = centreY - kGlyphHalf;
    Rect captionRect = host_.GetClientRect();
    captionRect.left = kCaptionLeft;
    captionRect.right -= kCaptionRightMargin;

    DrawCaption(captionRect);

    // At its own size, so on a control lower than 24 pixels it reaches past the edges.
    if (const Picture glyph = ChooseGlyph()) host_.PaintPicture(glyph, 0, glyphTop);

    if (hasFocus_ && ShowFocus != kFalse) DrawFocusMark(centreY);

    if (hovering_ && coolButton_ != kFalse)
        DrawRaisedEdge(host_, 0, 0, host_.ScaleWidth() - 1, host_.ScaleHeight() - 1);
}

// The caption in the surface's font and ForeColor; an ampersand underlines the character
// after it and two draw one.
void NuvelCheck::DrawCaption(Rect rect) {
    unsigned flags = kSingleLineFlags;
    if (AllowMultiLine != kFalse) {
        rect.top = AdjustTop;
        flags = kMultiLineFlags;
    }
    host_.DrawText(caption_, rect, flags);
}

// The glyph for the current state, or no picture when the state shows none.
Picture NuvelCheck::ChooseGlyph() {
    if (!host_.Enabled()) {
        // Either look: the user's disabled picture when there is one, else the built-in one.
        if (hasPictureDisabled_) return pictureDisabled_;
        return host_.LoadResPicture(kDisabledGlyph);
    }
    if (nuvelCheckType_ == NKClassic) {
        if (pressed_) return host_.LoadResPicture(kPressedGlyph);
        return host_.LoadResPicture(value_ == NKUnChecked ? kUncheckedGlyph : kCheckedGlyph);
    }
    if (nuvelCheckType_ == NKCustom) {
        if (pressed_) {
            // Without a pushed picture the unchecked one stands in, whatever Value holds.
            if (hasPicturePushed_) return picturePushed_;
            if (hasPictureUncheck_) return pictureUncheck_;
            return nullptr;
        }
        if (value_ == NKUnChecked) return hasPictureUncheck_ ? pictureUncheck_ : nullptr;
        return hasPictureCheck_ ? pictureCheck_ : nullptr;
    }
    // Any other look draws no glyph.
    return nullptr;
}

void NuvelCheck::DrawFocusMark(double centreY) {
    if (focusType_ == NKChkNormalCircle) {
        host_.Circle(kFocusCircleX, centreY, kFocusCircleRadius, FocusColor);
    } else if (focusType_ == NKChkNormalSquare) {
        host_.Line(0, centreY - kGlyphHalf, kFocusBoxRight, centreY + kGlyphHalf, FocusColor,
                   LineKind::Box);
    }
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
