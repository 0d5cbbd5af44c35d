#include "set1/command/nuvel_command.h"

#include "framework/frames.h"
#include "framework/pic_styles.h"
#include "set1/resource_ids.h"

#include <limits>
#include <optional>

namespace nk {

namespace {

// Caption layouts: centred and word-wrapped from the top, or one line centred both ways.
constexpr unsigned kMultiLineFlags = dt::kCenter | dt::kWordBreak | dt::kTabStop;
constexpr unsigned kSingleLineFlags =
    dt::kCenter | dt::kVCenter | dt::kWordBreak | dt::kSingleLine | dt::kTabStop;
static_assert(kMultiLineFlags == 0x91 && kSingleLineFlags == 0xB5);

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
        PaintPlaced(host_, host_.LoadResPicture(nuvset1::kDisabledBackground), pictureMode_, 0);
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
        PaintPlaced(host_, host_.LoadResPicture(nuvset1::kFirstBackground + backPicture_),
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
