// NuvelSphere's painting: the face, the content and the focus ring in one pass, the
// roll-over step, and the round mask and fixed sizes of the picture modes.
#include "set1/sphere/nuvel_sphere.h"

#include "framework/pic_styles.h"
#include "framework/picture_masks.h"
#include "framework/push.h"
#include "set1/resource_ids.h"

namespace nk {

namespace {

// Sizes the size rule forces, in twips.
constexpr double kNormalTwips = 480;
constexpr double kHalfTwips = 240;
constexpr double kDoubleTwips = 960;

bool IsBuiltInType(std::int32_t type) {
    return type >= NvlSphereRings && type <= NvlSphereBlue;
}

} // namespace

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
            faces_.hasDisabled ? faces_.disabled : host_.LoadResPicture(nuvset1::kDisabledSphere);
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
        const int base = pressed_ ? nuvset1::kFirstPressedSphere : nuvset1::kFirstSphere;
        host_.PaintPicture(host_.LoadResPicture(base + sphereType_), 0, 0, w, h);
        return;
    }
    // A custom sphere without its normal picture paints no face; the old drawing stays.
    if (!faces_.hasNormal) return;
    const Picture face = CustomFace();
    if (face) host_.PaintPicture(face, 0, 0, w, h);
}

// The custom face for the current state; nothing for a roll-over phase outside the sequence.
Picture NuvelSphere::CustomFace() const {
    if (pressed_) return faces_.pushed;
    if (useAnimation_ == kFalse || useOnTop_ == kFalse) return faces_.normal;
    switch (hoverPhase_) {
    case -1:
    case 0:
        return faces_.normal;
    case 1:
        if (faces_.hasOver2) return faces_.over2;
        return faces_.hasOver ? faces_.over : faces_.normal;
    case 2:
    case 3:
    case 4:
    case 5:
        return faces_.hasOver ? faces_.over : faces_.normal;
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

// Gives the sphere its round shape for the picture mode (rescaled, an ellipse filling the
// control), then applies the size rule.
void NuvelSphere::ApplyPictureMode() {
    ApplyModeMask(host_, pictureModeBusy_, pictureMode_, nuvset1::kSphereMasks,
                  [this] { Resize(); });
}

} // namespace nk
