#include "set1/command/nuvel_command.h"

#include "framework/about.h"
#include "framework/frames.h"
#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/push.h"
#include "framework/saved_rows.h"
#include "framework/setters.h"

#include <cmath>
#include <limits>
#include <optional>

namespace nk {

namespace {

// Caption layouts: centred and word-wrapped from the top, or one line centred both ways.
constexpr unsigned kMultiLineFlags = 0x91;
constexpr unsigned kSingleLineFlags = 0xB5;

constexpr int kFirstBackgroundBitmap = 101;
constexpr int kDisabledBitmap = 601;

constexpr OleColor kDefaultGlowColor = 0xC00000;
constexpr OleColor kWhite = 0xFFFFFF;

// The glow overlay that the host composes above the surface while the pointer hovers.
constexpr std::string_view kGlowShape = "Shape2";

// A 32-bit sum that fails instead of wrapping, so the assignment it feeds is skipped.
std::optional<std::int32_t> AddLong(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + b;
    if (sum < std::numeric_limits<std::int32_t>::min() ||
        sum > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(sum);
}

// One colour component of the gradient: t / dividend x brightness to the nearest integer
// (halves to even) in 16 bits; nothing when the division or the rounding fails.
std::optional<std::int16_t> GradientComponent(int t, float dividend, double brightness) {
    const auto quotient = Divide(t, dividend);
    if (!quotient) return std::nullopt;
    return RoundToInt16(*quotient * brightness);
}

} // namespace

NuvelCommand::NuvelCommand(Host& host) : host_(host) {}

const InterfaceTable& NuvelCommand::Interface() const {
    return NuvelCommandInterface();
}

// ---- Public members, in interface order ----

void NuvelCommand::SetBackPicture(std::int32_t value) {
    backPicture_ = value;
    host_.PropertyChanged("BackPicture");
    RegenerateGradientIfShown();
    Redraw();
}

void NuvelCommand::SetShortCutKey(const std::string& value) {
    shortCutKey_ = value;
    host_.PropertyChanged("ShortCutKey");
    ApplyShortCutKey(host_, shortCutKey_);
}

void NuvelCommand::SetSideIconHeight(float value) {
    StoreNotifyRedraw(host_, "SideIconHeight", sideIconHeight_, value, [this] { Redraw(); });
}

void NuvelCommand::SetRSideIconHeight(float value) {
    StoreNotifyRedraw(host_, "RSideIconHeight", rSideIconHeight_, value, [this] { Redraw(); });
}

void NuvelCommand::SetRSideIconWidth(float value) {
    StoreNotifyRedraw(host_, "RSideIconWidth", rSideIconWidth_, value, [this] { Redraw(); });
}

void NuvelCommand::SetGradientRedDividend(float value) {
    gradientRedDividend_ = value;
    host_.PropertyChanged("GradientRedDividend");
    RegenerateGradientIfShown();
    Redraw();
}

void NuvelCommand::SetGradientInverted(VBool value) {
    gradientInverted_ = value;
    host_.PropertyChanged("GradientInverted");
    RegenerateGradientIfShown();
    Redraw();
}

void NuvelCommand::SetGradientBrightness(float value) {
    gradientBrightness_ = value;
    host_.PropertyChanged("GradientBrightness");
    RegenerateGradientIfShown();
    Redraw();
}

void NuvelCommand::SetGradientGreenDividend(float value) {
    gradientGreenDividend_ = value;
    host_.PropertyChanged("GradientGreenDividend");
    RegenerateGradientIfShown();
    Redraw();
}

void NuvelCommand::SetGradientBlueDividend(float value) {
    gradientBlueDividend_ = value;
    host_.PropertyChanged("GradientBlueDividend");
    RegenerateGradientIfShown();
    Redraw();
}

OleColor NuvelCommand::ForeColor() const {
    return host_.ForeColor();
}

void NuvelCommand::SetForeColor(OleColor value) {
    host_.SetForeColor(value);
    host_.PropertyChanged("ForeColor");
    Redraw();
}

void NuvelCommand::SetSideIcon(const Picture& value) {
    StoreNotifyRedraw(host_, "SideIcon", sideIcon_, value, [this] { Redraw(); });
}

void NuvelCommand::SetRSideIcon(const Picture& value) {
    StoreNotifyRedraw(host_, "RSideIcon", rSideIcon_, value, [this] { Redraw(); });
}

VBool NuvelCommand::Enabled() const {
    return ToVBool(host_.Enabled());
}

void NuvelCommand::SetEnabled(VBool value) {
    host_.SetEnabled(value != kFalse);
    Redraw();
    host_.PropertyChanged("Enabled");
}

void NuvelCommand::SetCoolButton(VBool value) {
    // The gradient picture's size depends on CoolButton, but it follows only at the next
    // resize, gradient change or BackPicture assignment.
    coolButton_ = value;
    Redraw();
    host_.PropertyChanged("CoolButton");
}

void NuvelCommand::SetCoolGlowColor(OleColor value) {
    coolGlowColor_ = value;
    Redraw();
    host_.PropertyChanged("CoolGlowColor");
}

void NuvelCommand::SetCoolUseGlow(VBool value) {
    coolUseGlow_ = value;
    Redraw();
    host_.PropertyChanged("CoolUseGlow");
}

void NuvelCommand::SetPictureMode(std::int32_t value) {
    pictureMode_ = value;
    Redraw();
    host_.PropertyChanged("PictureMode");
}

void NuvelCommand::SetPictureNormal(const Picture& value) {
    pictureNormal_ = value;
    Redraw();
    host_.PropertyChanged("PictureNormal");
}

void NuvelCommand::SetPictureDisabled(const Picture& value) {
    pictureDisabled_ = value;
    Redraw();
    host_.PropertyChanged("PictureDisabled");
}

void NuvelCommand::SetPictureGoDown(VBool value) {
    pictureGoDown_ = value;
    Redraw();
    host_.PropertyChanged("PictureGoDown");
}

void NuvelCommand::AboutMe() {
    nk::AboutMe(host_);
}

void NuvelCommand::TimerInvoke() {
    // NuvelCommand has no timed behaviour.
}

// ---- Host notifications ----

void NuvelCommand::InitProperties() {
    hWnd_ = 0;
    backPicture_ = NKSpiralRainbow;
    caption_ = host_.AmbientDisplayName();
    SetFont(host_.AmbientFont());
    ShowFocus = kFalse;
    // Empty pictures count as present, so a new disabled control shows no disabled
    // background until a real PictureDisabled is assigned.
    pictureDisabled_ = host_.LoadPicture();
    pictureNormal_ = host_.LoadPicture();
    SetGradientRedDividend(2);
    SetGradientGreenDividend(2);
    SetGradientBlueDividend(1);
    SetGradientBrightness(100);
    SetGradientInverted(kFalse);
    SetPictureGoDown(kFalse);
    HasShadow = kFalse;
    sideIconHeight_ = 32;
    rSideIconHeight_ = 32;
    rSideIconWidth_ = 32;
    coolButton_ = kTrue;
    coolGlowColor_ = kDefaultGlowColor;
    coolUseGlow_ = kTrue;
    Redraw();
}

void NuvelCommand::ReadProperties(const PropertyBag& bag) {
    ReadStoredRows(*this, bag,
                   {{"hWnd", &hWnd_}, {"BackPicture", &backPicture_}, {"Caption", &caption_}});

    // The surface's colour and font, assigned directly; "Font" below has the last word.
    if (auto fore = ReadColor(bag, "ForeColor", kWhite)) host_.SetForeColor(*fore);
    ReadOntoSurfaceFont(
        *this, host_, bag,
        {"FontName", "FontSize", "FontBold", "FontItalic", "FontStrikethru", "FontUnderline"});
    if (auto font = ReadFont(bag, "Font", host_.AmbientFont())) SetFont(*font);

    ReadStoredRows(
        *this, bag,
        {{"ShowFocus", &ShowFocus}, {"SideIcon", &sideIcon_}, {"RSideIcon", &rSideIcon_}});
    if (auto enabled = ReadBoolean(bag, "Enabled", kTrue)) host_.SetEnabled(*enabled != kFalse);
    ReadStoredRows(*this, bag,
                   {{"HasShadow", &HasShadow},
                    {"ShadowColor", &ShadowColor},
                    {"PictureMode", &pictureMode_},
                    {"PictureGoDown", &pictureGoDown_},
                    {"PictureNormal", &pictureNormal_},
                    {"PictureDisabled", &pictureDisabled_},
                    {"AllowMultiLine", &AllowMultiLine},
                    {"AdjustTop", &AdjustTop}});
    ReadRowsThroughSetters(*this, bag, {"SideIconHeight", "RSideIconWidth", "RSideIconHeight"});
    ReadStoredRows(*this, bag,
                   {{"CoolButton", &coolButton_},
                    {"CoolGlowColor", &coolGlowColor_},
                    {"CoolUseGlow", &coolUseGlow_},
                    {"ShortCutKey", &shortCutKey_},
                    {"GradientRedDividend", &gradientRedDividend_},
                    {"GradientGreenDividend", &gradientGreenDividend_},
                    {"GradientBlueDividend", &gradientBlueDividend_},
                    {"GradientBrightness", &gradientBrightness_},
                    {"GradientInverted", &gradientInverted_},
                    {"UseSound", &UseSound},
                    {"SoundMethod", &SoundMethod}});

    // A width that cannot be read (not a number) also counts as narrow.
    narrowLayout_ = !(host_.ScaleWidth() > 255);
    RegenerateGradientIfShown();
    Redraw();
    ApplyShortCutKey(host_, shortCutKey_);
}

void NuvelCommand::WriteProperties(PropertyBag& bag) {
    WriteSavedRows(*this, bag,
                   {"hWnd", "BackPicture", "Caption", "ForeColor", "FontName", "FontSize",
                    "FontBold", "FontItalic", "FontStrikethru", "FontUnderline"});
    WriteFont(bag, "Font", host_.GetFont(), host_.AmbientFont());
    WriteSavedRows(*this, bag,
                   {"SideIcon",
                    "RSideIcon",
                    "Enabled",
                    "ShowFocus",
                    "HasShadow",
                    "ShadowColor",
                    "PictureMode",
                    "PictureNormal",
                    "PictureDisabled",
                    "PictureGoDown",
                    "CoolButton",
                    "CoolGlowColor",
                    "CoolUseGlow",
                    "AllowMultiLine",
                    "AdjustTop",
                    "SideIconHeight",
                    "RSideIconWidth",
                    "RSideIconHeight",
                    "ShortCutKey",
                    "GradientRedDividend",
                    "GradientGreenDividend",
                    "GradientBlueDividend",
                    "GradientBrightness",
                    "GradientInverted",
                    "UseSound",
                    "SoundMethod"});
    Redraw();
    ApplyShortCutKey(host_, shortCutKey_);
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

void NuvelCommand::GotFocus() {
    hasFocus_ = true;
    if (ShowFocus != kFalse) Redraw();
}

void NuvelCommand::EnterFocus() {
    GotFocus();
}

void NuvelCommand::LostFocus() {
    hasFocus_ = false;
    if (ShowFocus != kFalse) Redraw();
}

void NuvelCommand::ExitFocus() {
    LostFocus();
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

// ---- Drawing ----

// Repaints the whole control from its state. It never clears the surface: where the
// background does not reach, the surface keeps the pixels it had.
void NuvelCommand::Redraw() {
    const double h = host_.ScaleHeight();
    const double cy = h / 2;

    if (!host_.Enabled()) {
        DrawDisabledLook();
        return;
    }
    if (backPicture_ > NKCustomPicture || backPicture_ < NKSpiralRainbow) return;

    const bool goesDown = pressed_ && pictureGoDown_ != kFalse;
    DrawBackground(goesDown ? 2 : 0);
    if (pressed_)
        DrawPressedForeground(cy);
    else
        DrawNormalForeground(cy);

    if (hasFocus_ && ShowFocus != kFalse) {
        const double w = host_.ScaleWidth();
        DrawIndentFrame(host_, 3, 3, w - 4, h - 4);
    }
}

// The disabled look: the disabled background, the caption without shadow and a raised
// frame; no side icons and no focus frame.
void NuvelCommand::DrawDisabledLook() {
    if (IsPresent(pictureDisabled_)) {
        // Only the first three modes place a picture of the user's own here.
        if (pictureMode_ == DefaultStyle || pictureMode_ == RescaleToEdges ||
            pictureMode_ == RescaleWhenNeeded)
            PaintPlaced(host_, pictureDisabled_, pictureMode_, 0);
    } else {
        PaintPlaced(host_, host_.LoadResPicture(kDisabledBitmap), pictureMode_, 0);
    }
    DrawCaption(0, 0, AdjustTop);
    DrawRaisedFrame(host_, 0, 0, host_.ScaleWidth() - 1, host_.ScaleHeight() - 1);
}

void NuvelCommand::DrawBackground(double shift) {
    if (ShowsGradient()) {
        // The generated picture is made for this control's size, so the mode does not apply;
        // pressed, it moves by one pixel less when it covers the whole control.
        const double at = shift == 0 ? 0 : (coolButton_ != kFalse ? 1 : 2);
        host_.PaintPicture(gradientPicture_, at, at);
    } else if (backPicture_ == NKCustomPicture) {
        PaintPlaced(host_, pictureNormal_, pictureMode_, shift);
    } else {
        PaintPlaced(host_, host_.LoadResPicture(kFirstBackgroundBitmap + backPicture_),
                    pictureMode_, shift);
    }
}

void NuvelCommand::DrawPressedForeground(double cy) {
    const bool goesDown = pictureGoDown_ != kFalse;
    if (HasShadow != kFalse) {
        const std::int32_t d = goesDown ? 5 : 3;
        DrawCaptionShadow(d, 3, AddLong(AdjustTop, d));
    }
    DrawCaption(2, 0, AddLong(AdjustTop, goesDown ? 2 : 0));
    const double w = host_.ScaleWidth();
    host_.PaintPicture(sideIcon_, 7, cy - sideIconHeight_ / 2 + 2);
    host_.PaintPicture(rSideIcon_, w - 3 - rSideIconWidth_, cy - rSideIconHeight_ / 2 + 2);
    DrawSunkenFrame(host_, 0, 0, w - 1, host_.ScaleHeight() - 1);
}

void NuvelCommand::DrawNormalForeground(double cy) {
    if (HasShadow != kFalse) DrawCaptionShadow(3, 3, AddLong(AdjustTop, 3));
    DrawCaption(0, 0, AdjustTop);
    const double w = host_.ScaleWidth();
    host_.PaintPicture(sideIcon_, 5, cy - sideIconHeight_ / 2);
    host_.PaintPicture(rSideIcon_, w - 5 - rSideIconWidth_, cy - rSideIconHeight_ / 2);
    DrawBorder();
}

// With CoolButton the border shows only while hovered, as a raised edge; without it the
// control always has a raised frame.
void NuvelCommand::DrawBorder() {
    const double r = host_.ScaleWidth() - 1;
    const double b = host_.ScaleHeight() - 1;
    if (coolButton_ == kFalse)
        DrawRaisedFrame(host_, 0, 0, r, b);
    else if (hovering_)
        DrawRaisedEdge(host_, 0, 0, r, b);
}

void NuvelCommand::DrawCaptionShadow(std::int32_t leftTop, std::int32_t rightBottom,
                                     std::optional<std::int32_t> multiLineTop) {
    const OleColor fore = host_.ForeColor();
    host_.SetForeColor(ShadowColor);
    DrawCaption(leftTop, rightBottom, multiLineTop);
    host_.SetForeColor(fore);
}

// Draws the caption in the client rectangle moved by `leftTop` at its left and top and by
// `rightBottom` at its right and bottom. A multi-line caption starts at `multiLineTop`; when
// that top could not be computed (AdjustTop near the 32-bit limit) the moved top stays.
void NuvelCommand::DrawCaption(std::int32_t leftTop, std::int32_t rightBottom,
                               std::optional<std::int32_t> multiLineTop) {
    Rect rect = host_.GetClientRect();
    rect.left += leftTop;
    rect.top += leftTop;
    rect.right += rightBottom;
    rect.bottom += rightBottom;
    unsigned flags = kSingleLineFlags;
    if (AllowMultiLine != kFalse) {
        Assign(rect.top, multiLineTop);
        flags = kMultiLineFlags;
    }
    host_.DrawText(caption_, rect, flags);
}

bool NuvelCommand::ShowsGradient() const {
    return backPicture_ == NKPictureX1 || backPicture_ == NKPictureX2;
}

void NuvelCommand::RegenerateGradientIfShown() {
    if (ShowsGradient()) GenerateGradientPicture(host_.ScaleWidth() - 2, host_.ScaleHeight() - 2);
}

// Builds the picture of BackPicture 8 (boxes, or lines on a narrow control) or 9 (two
// mirrored families of lines) in 256 passes on the off-screen canvas Picture1, one colour
// of the ramp per pass. The canvas starts black, so gaps between the strokes stay black.
void NuvelCommand::GenerateGradientPicture(double w, double h) {
    if (coolButton_ != kFalse) {
        w += 2;
        h += 2;
    }
    if (w < 1 || h < 1) return;
    double b = gradientBrightness_ / 100.0;
    PictureBox* canvas = host_.PictureBoxChild("Picture1");
    if (!canvas) return;
    canvas->Move(0, 0, w, h);
    canvas->SetAutoRedraw(true);

    const double span = narrowLayout_ ? w - 3 : w - 2;
    const double k = span / 255;
    const double o = coolButton_ != kFalse ? 0 : 2;
    const double y1 = o;
    OleColor col = 0;
    for (int i = 0; i <= 255; ++i) {
        if (b > 1) b = 1;
        if (!(b >= 0)) b = 0; // below 0, or not a number
        const int t = gradientInverted_ != kFalse ? 255 - i : i;
        const auto r = GradientComponent(t, gradientRedDividend_, b);
        const auto g = GradientComponent(t, gradientGreenDividend_, b);
        const auto bl = GradientComponent(t, gradientBlueDividend_, b);
        if (r && g && bl) col = RGB(*r, *g, *bl); // a failed pass keeps the last colour
        if (backPicture_ == NKPictureX1) {
            canvas->Line(i - k + o, y1, i * k, h, col,
                         narrowLayout_ ? LineKind::Plain : LineKind::FilledBox);
        } else if (backPicture_ == NKPictureX2) {
            canvas->Line(i - 0.25 * k + o, y1, 0.25 * i * k, h, col);
            canvas->Line(span - 0.8 * (i - k) + o, y1, span - 0.8 * i * k, h, col);
        }
    }
    gradientPicture_ = canvas->Image();
    canvas->Cls();
    canvas->SetAutoRedraw(false);
}

} // namespace nk
