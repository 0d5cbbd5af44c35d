#include "set1/check/nuvel_check.h"

#include "framework/frames.h"
#include "set1/resource_ids.h"

namespace nk {

namespace {

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

} // namespace

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
        return host_.LoadResPicture(nuvset1::kDisabledGlyph);
    }
    if (nuvelCheckType_ == NKClassic) {
        if (pressed_) return host_.LoadResPicture(nuvset1::kPressedGlyph);
        return host_.LoadResPicture(value_ == NKUnChecked ? nuvset1::kUncheckedGlyph
                                                          : nuvset1::kCheckedGlyph);
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

} // namespace nk
