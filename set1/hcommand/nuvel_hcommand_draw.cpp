// NuvelHCommand's painting: the face, the three captions and the focus outline in one pass,
// and the pill-shaped mask and fixed sizes of the picture modes.
#include "set1/hcommand/nuvel_hcommand.h"

#include "framework/frames.h"
#include "framework/pic_styles.h"
#include "framework/picture_masks.h"
#include "set1/resource_ids.h"

#include <optional>

namespace nk {

namespace {

constexpr std::int32_t kLastBuiltInStyle = static_cast<std::int32_t>(NKHCommandTypes::NKSpectrum);
constexpr std::int32_t kCustomStyle = static_cast<std::int32_t>(NKHCommandTypes::NKCustom);

// Caption layouts: the centre caption word-wrapped from its top, or on one line centred both
// ways; the side captions on one line, centred vertically, at the left and at the right.
constexpr unsigned kMultiLineFlags = dt::kCenter | dt::kWordBreak | dt::kTabStop;
constexpr unsigned kSingleLineFlags =
    dt::kCenter | dt::kVCenter | dt::kWordBreak | dt::kSingleLine | dt::kTabStop;
constexpr unsigned kLeftCaptionFlags =
    dt::kVCenter | dt::kWordBreak | dt::kSingleLine | dt::kTabStop;
constexpr unsigned kRightCaptionFlags =
    dt::kRight | dt::kVCenter | dt::kWordBreak | dt::kSingleLine | dt::kTabStop;
static_assert(kMultiLineFlags == 145 && kSingleLineFlags == 181 && kLeftCaptionFlags == 180 &&
              kRightCaptionFlags == 182);

// The arcs of the pill's ends, counter-clockwise from start to end: the left end runs from
// a little right of the top, round the left, to a little right of the bottom; the right end
// the mirror image.
constexpr double kLeftArcStart = 1.4485810;
constexpr double kLeftArcEnd = 4.8344202;
constexpr double kRightArcStart = 4.5551748;
constexpr double kRightArcEnd = 1.7278250;

// Outer sizes in twips of the picture modes that fix the size.
constexpr double kNaturalWidth = 2625, kNaturalHeight = 480; // 175 x 32
constexpr double kHalfWidth = 1317, kHalfHeight = 240;       // 87.8 x 16
constexpr double kDoubleWidth = 5250, kDoubleHeight = 960;   // 350 x 64

} // namespace

void NuvelHCommand::Resize() {
    switch (pictureMode_) {
    case DefaultStyle:
        host_.SetWidth(kNaturalWidth);
        host_.SetHeight(kNaturalHeight);
        break;
    case RescaleToEdges:
    case RescaleWhenNeeded:
        // Stretches the mask to the new size; the guard makes its own Resize a no-op.
        ApplyPictureMode();
        break;
    case HalfSize:
        host_.SetWidth(kHalfWidth);
        host_.SetHeight(kHalfHeight);
        break;
    case DoubleSize:
    case OneAndHalfSize:
        host_.SetWidth(kDoubleWidth);
        host_.SetHeight(kDoubleHeight);
        break;
    default:
        break;
    }
}

void NuvelHCommand::Paint() {
    Redraw();
}

// ---- Drawing ----

// Repaints the whole control from its state, over what the surface shows: the face is
// stretched over the control, then come the captions and the focus outline.
void NuvelHCommand::Redraw() {
    const bool enabled = host_.Enabled();
    const double sw = host_.ScaleWidth();
    const double sh = host_.ScaleHeight();
    DrawFace(enabled, sw, sh);
    DrawCaptions();
    if (!hasFocus_ || ShowFocus == kFalse) return;
    if (pictureMode_ == DefaultStyle)
        DrawFixedFocusOutline();
    else
        DrawScaledFocusOutline(sw, sh);
}

void NuvelHCommand::DrawFace(bool enabled, double sw, double sh) {
    if (!enabled) {
        // The disabled face serves every style.
        host_.PaintPicture(faces_.hasDisabled ? faces_.disabled
                                              : host_.LoadResPicture(nuvset1::kDisabledPill),
                           0, 0, sw, sh);
    } else if (nuvelStyle_ >= 0 && nuvelStyle_ <= kLastBuiltInStyle) {
        const int first = pressed_ ? nuvset1::kFirstPressedPill : nuvset1::kFirstPill;
        host_.PaintPicture(host_.LoadResPicture(first + nuvelStyle_), 0, 0, sw, sh);
    } else if (nuvelStyle_ == kCustomStyle) {
        if (const std::optional<Picture> face = CustomFace())
            host_.PaintPicture(*face, 0, 0, sw, sh);
    }
}

// The user's face for the current state: pushed while pressed; with UseOnTop, the over face
// while the pointer is over the control or has just left it, the just-left face one step
// before the sequence ends; the normal face otherwise.
std::optional<Picture> NuvelHCommand::CustomFace() const {
    if (pressed_) return faces_.hasPushed ? faces_.pushed : faces_.normal;
    if (useOnTop_ == kFalse) return faces_.normal;
    const Picture& over = faces_.hasOver ? faces_.over : faces_.normal;
    switch (hoverPhase_) {
    case -1:
    case 0:
        return faces_.normal;
    case 1:
        return faces_.hasOver2 ? faces_.over2 : over;
    case 2:
    case 3:
    case 4:
    case 5:
        return over;
    default:
        return std::nullopt;
    }
}

// The centre caption in ForeColor between x = 10 and the right edge less 10, the left one
// in LeftColor from x = 5, the right one in RightColor up to the right edge less 5. The
// surface keeps RightColor as its ForeColor afterwards.
void NuvelHCommand::DrawCaptions() {
    host_.SetForeColor(foreColor_);
    Rect rect = host_.GetClientRect();
    rect.left = 10;
    rect.right -= 10;
    unsigned flags = kSingleLineFlags;
    if (AllowMultiLine != kFalse) {
        rect.top = AdjustTop;
        flags = kMultiLineFlags;
    }
    host_.DrawText(caption_, rect, flags);

    host_.SetForeColor(leftColor_);
    rect = host_.GetClientRect();
    rect.left = 5;
    host_.DrawText(leftCaption_, rect, kLeftCaptionFlags);

    host_.SetForeColor(rightColor_);
    rect = host_.GetClientRect();
    rect.right -= 5;
    host_.DrawText(rightCaption_, rect, kRightCaptionFlags);
}

// The outlines of the natural 175 x 32 face, at fixed places.
void NuvelHCommand::DrawFixedFocusOutline() {
    switch (static_cast<NKHCommandFocusStyles>(focusStyle_)) {
    case NKHCommandFocusStyles::NKHClassicIndent:
        DrawIndentFrame(host_, 12, 2, 163, 30);
        break;
    case NKHCommandFocusStyles::NKHColorOutline:
        host_.Line(12, 1, 163, 1, FocusColor);
        host_.Line(12, 29, 163, 29, FocusColor);
        LeftArc(16, 15, 14, FocusColor);
        RightArc(159, 15, 14, FocusColor);
        break;
    case NKHCommandFocusStyles::NKHBoldColorOutline:
        host_.SetDrawWidth(2);
        host_.Line(12, 1, 163, 1, FocusColor);
        host_.Line(12, 29, 163, 29, FocusColor);
        LeftArc(16, 15, 14, FocusColor);
        RightArc(159, 15, 14, FocusColor);
        host_.SetDrawWidth(1);
        break;
    case NKHCommandFocusStyles::NKHRoundIndent:
        host_.SetDrawWidth(2);
        LeftArc(18, 15, 12, kButtonShadow);
        RightArc(155, 15, 12, kButtonShadow);
        host_.SetDrawWidth(1);
        host_.Line(16, 2, 156, 2, kButtonShadow);
        host_.Line(16, 27, 156, 27, k3DLight);
        host_.Line(16, 3, 156, 3, k3DLight);
        host_.Line(16, 26, 158, 26, kButtonShadow);
        LeftArc(18, 15, 12, k3DLight);
        RightArc(156, 15, 12, k3DLight);
        break;
    }
}

// The outlines scaled to the surface: h, half the height, is the radius of the pill's ends.
void NuvelHCommand::DrawScaledFocusOutline(double sw, double sh) {
    const double h = sh / 2;
    switch (static_cast<NKHCommandFocusStyles>(focusStyle_)) {
    case NKHCommandFocusStyles::NKHClassicIndent:
        DrawIndentFrame(host_, h, 2, sw - h, sh - 2);
        break;
    case NKHCommandFocusStyles::NKHColorOutline:
        host_.Line(h, 1, sw - h, 1, FocusColor);
        host_.Line(h, sh - 2, sw - h, sh - 2, FocusColor);
        LeftArc(h, h - 1, h - 2, FocusColor);
        RightArc(sw - h, h - 1, h - 2, FocusColor);
        break;
    case NKHCommandFocusStyles::NKHBoldColorOutline:
        host_.SetDrawWidth(2);
        host_.Line(h, 3, sw - h, 3, FocusColor);
        host_.Line(h, sh - 3, sw - h, sh - 3, FocusColor);
        LeftArc(h, h, h - 3, FocusColor);
        RightArc(sw - h, h, h - 3, FocusColor);
        host_.SetDrawWidth(1);
        break;
    case NKHCommandFocusStyles::NKHRoundIndent:
        host_.SetDrawWidth(2);
        LeftArc(h, h, h - 4, kButtonShadow);
        RightArc(sw - h, h, h - 4, kButtonShadow);
        host_.SetDrawWidth(1);
        host_.Line(h, 2, sw - h, 2, kButtonShadow);
        host_.Line(h, sh - 4, sw - h, sh - 4, k3DLight);
        host_.Line(h, 3, sw - h, 3, k3DLight);
        host_.Line(h, sh - 5, sw - h, sh - 5, kButtonShadow);
        LeftArc(h, h, h - 4, k3DLight);
        RightArc(sw - h, h, h - 4, k3DLight);
        break;
    }
}

void NuvelHCommand::LeftArc(double x, double y, double r, OleColor c) {
    host_.Arc(x, y, r, c, kLeftArcStart, kLeftArcEnd);
}

void NuvelHCommand::RightArc(double x, double y, double r, OleColor c) {
    host_.Arc(x, y, r, c, kRightArcStart, kRightArcEnd);
}

// Gives the control the pill shape of its PictureMode, then its size. The guard keeps the
// Resize that this causes in the rescaling modes from coming back here.
void NuvelHCommand::ApplyPictureMode() {
    ApplyModeMask(host_, pictureModeBusy_, pictureMode_, nuvset1::kPillMasks, [this] { Resize(); });
}

} // namespace nk
