// NuvelFill's layout and painting: Layout places Picture1 between the caps and keeps
// the bar's length and thickness, DrawFill paints the inside of the bar on Picture1,
// DrawEdges paints the two caps on the control's own surface, Redraw does both.
#include "framework/pic_styles.h"
#include "set2/fill/nuvel_fill.h"
#include "set2/resource_ids.h"

#include <cmath>
#include <optional>

namespace nk {

namespace {

// The bar is never shorter than 1200 twips (80 pixels).
constexpr double kMinimumLength = 1200;

// Custom caps: drawn 16 pixels long, the far one 17 pixels from the end, in every mode.
constexpr double kCustomCapLength = 16;
constexpr double kCustomCapOffset = 17;

// The sizes of a picture mode: the bar's thickness T and cap length L in pixels, the
// far cap's distance from the end, and for the modes of fixed thickness the control's
// thickness in twips and where Picture1 goes (its start along the bar, and how much
// shorter than the surface it is).
struct ModeSizes {
    double thickness;
    double capLength;
    double capOffset;
    bool fixed;
    double controlTwips;
    double boxStart;
    double boxShrink;
};

// `whole` is the thickness of the surface the sizes are for, which modes 1 and 2 fill.
std::optional<ModeSizes> SizesOf(std::int32_t mode, double whole) {
    switch (mode) {
    case DefaultStyle:
        return ModeSizes{42, 16, 17, true, 630, 16, 33};
    case RescaleToEdges:
    case RescaleWhenNeeded:
        return ModeSizes{whole, 16, 17, false, 0, 16, 33};
    case HalfSize:
        return ModeSizes{21, 8, 9, true, 315, 8, 17};
    case DoubleSize:
        return ModeSizes{84, 32, 34, true, 1260, 32, 66};
    case OneAndHalfSize:
        return ModeSizes{63, 24, 26, true, 945, 24, 45};
    default:
        return std::nullopt;
    }
}

// The length of the filled part: the given share, in percent, of the bar's length. A
// value that is not a number, or a product that is not finite, fills nothing.
double FillLength(double length, const Variant& value) {
    const std::optional<double> percent = value.ToDouble();
    if (!percent) return 0;
    const double f = length / 100 * *percent;
    return std::isfinite(f) ? f : 0;
}

// Prints the text centred on the box, in the box's font and fore colour.
void PrintCentred(PictureBox& box, const std::string& text) {
    box.SetCurrentX(box.ScaleWidth() / 2 - box.TextWidth(text) / 2);
    box.SetCurrentY(box.ScaleHeight() / 2 - box.TextHeight(text) / 2);
    box.Print(text);
}

} // namespace

void NuvelFill::Layout() {
    const bool vertical = IsVertical();

    // 1. The minimum length.
    if (vertical && host_.Height() < kMinimumLength) host_.SetHeight(kMinimumLength);
    if (!vertical && host_.Width() < kMinimumLength) host_.SetWidth(kMinimumLength);

    // 2. The thickness and Picture1's place, by picture mode. Setting the thickness makes
    // the host resize at once, so the surface's size is read only after it.
    const std::optional<ModeSizes> sizes = SizesOf(pictureMode_, 0);
    if (!sizes) return;
    double boxThickness = 0;
    if (sizes->fixed) {
        const double twips = sizes->controlTwips;
        if (vertical && host_.Width() != twips) host_.SetWidth(twips);
        if (!vertical && host_.Height() != twips) host_.SetHeight(twips);
        boxThickness = sizes->thickness;
    } else if (pictureMode_ == RescaleToEdges) {
        boxThickness = vertical ? host_.ScaleWidth() : host_.ScaleHeight();
    } else {
        return; // RescaleWhenNeeded leaves Picture1 where it is
    }
    PictureBox* box = Inside();
    if (!box) return;
    if (vertical)
        box->Move(0, sizes->boxStart, boxThickness, host_.ScaleHeight() - sizes->boxShrink);
    else
        box->Move(sizes->boxStart, 0, host_.ScaleWidth() - sizes->boxShrink, boxThickness);
}

void NuvelFill::Redraw() {
    DrawFill();
    DrawEdges();
}

void NuvelFill::DrawFill() {
    // 1. An unknown fill style paints nothing.
    if (nuvelFill_ < NKGreenFill || nuvelFill_ > NKCustomPicture) return;
    PictureBox* box = Inside();
    if (!box) return;
    const bool vertical = IsVertical();

    // 2, 3. The inside's size and the text.
    const double pw = box->ScaleWidth();
    const double ph = box->ScaleHeight();
    const std::string text = caption_.empty() ? VariantToString(value_) + "%" : caption_;

    // 4. The filled length, and the bar's thickness (none for an unknown picture mode).
    const double f = FillLength(vertical ? ph : pw, value_);
    const std::optional<ModeSizes> sizes = SizesOf(pictureMode_, vertical ? pw : ph);
    const double t = sizes ? sizes->thickness : 0;

    // 5. The empty part, beyond the filled part: from 2 pixels past it to the far end.
    const double emptyX = vertical ? 0 : f + 2;
    const double emptyW = vertical ? t : pw - (f + 2);
    const double emptyH = vertical ? ph - (f + 2) : t;
    if (back_.present)
        box->PaintPicture(back_.picture, emptyX, 0, emptyW, emptyH);
    else
        box->Line(emptyX, 0, vertical ? t : pw, emptyH, box->BackColor(), LineKind::FilledBox);

    // 6. Text behind the fill.
    if (captionStyle_ == CaptionInback) PrintCentred(*box, text);

    // 7. The filled part, one pixel longer than f: from the left, or up from the bottom.
    if (vertical)
        PaintFilledPart(*box, 0, ph - f - 1, t, f + 1);
    else
        PaintFilledPart(*box, 0, 0, f + 1, t);

    // 8. Text in front of the fill.
    if (captionStyle_ == CaptionInFront) PrintCentred(*box, text);
}

void NuvelFill::PaintFilledPart(PictureBox& box, double x, double y, double w, double h) {
    const bool vertical = IsVertical();
    if (host_.Enabled()) {
        if (nuvelFill_ == NKCustomPicture)
            box.PaintPicture(fill_.picture, x, y, w, h);
        else
            PaintBitmap(box,
                        (vertical ? nuvset2::kFirstVerticalFill : nuvset2::kFirstHorizontalFill) +
                            nuvelFill_,
                        x, y, w, h);
    } else if (disabled_.present) {
        box.PaintPicture(disabled_.picture, x, y, w, h);
    } else {
        PaintBitmap(box,
                    vertical ? nuvset2::kVerticalDisabledFill : nuvset2::kHorizontalDisabledFill, x,
                    y, w, h);
    }
}

void NuvelFill::DrawEdges() {
    const bool vertical = IsVertical();
    const double sw = host_.ScaleWidth();
    const double sh = host_.ScaleHeight();

    // 1. Custom caps, along the bar's thickness, the far one at its distance from the end.
    const double w = vertical ? sw : kCustomCapLength;
    const double h = vertical ? kCustomCapLength : sh;
    if (leftEdge_.present) host_.PaintPicture(leftEdge_.picture, 0, 0, w, h);
    if (rightEdge_.present)
        host_.PaintPicture(rightEdge_.picture, vertical ? 0 : sw - kCustomCapOffset,
                           vertical ? sh - kCustomCapOffset : 0, w, h);

    // 2. Custom caps replace the built-in ones. A vertical bar decides by its far cap alone.
    if (vertical ? rightEdge_.present : leftEdge_.present || rightEdge_.present) return;

    // 3. Built-in caps, sized by the picture mode; none for an unknown mode.
    const std::optional<ModeSizes> sizes = SizesOf(pictureMode_, vertical ? sw : sh);
    if (!sizes) return;
    const double t = sizes->thickness;
    const double l = sizes->capLength;
    if (vertical) {
        PaintBitmap(host_, nuvset2::kTopCap, 0, 0, t, l);
        PaintBitmap(host_, nuvset2::kBottomCap, 0, sh - sizes->capOffset, t, l);
    } else {
        PaintBitmap(host_, nuvset2::kLeftCap, 0, 0, l, t);
        PaintBitmap(host_, nuvset2::kRightCap, sw - sizes->capOffset, 0, l, t);
    }
}

// A built-in bitmap, loaded for this paint only; one that cannot be loaded is skipped.
void NuvelFill::PaintBitmap(Canvas& canvas, int id, double x, double y, double w, double h) {
    if (Picture bitmap = host_.LoadResPicture(id)) canvas.PaintPicture(bitmap, x, y, w, h);
}

} // namespace nk
