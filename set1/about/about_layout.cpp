#include "set1/about/about_layout.h"

#include "framework/frames.h"
#include "framework/interface_table.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace nk {

namespace {

constexpr OleColor kWhite = 0x00FFFFFF;
constexpr OleColor kBlue = 0x00FF0000;
constexpr OleColor kBanner = 0x00482010; // a deep night blue behind the logo
constexpr OleColor kDefaultButtonRim = 0x00000000;

constexpr unsigned kLineText = dt::kSingleLine | dt::kVCenter | dt::kNoPrefix;
constexpr unsigned kNoticeText = dt::kWordBreak | dt::kNoPrefix;
constexpr unsigned kCaptionText = dt::kCenter | dt::kVCenter | dt::kSingleLine;

const Font kLabelFont{"Arial", 8.25};
const Font kBoldFont{"Arial", 8.25, true};

AboutElement Panel(std::string_view name, double l, double t, double w, double h, OleColor c) {
    return {name, AboutElementKind::Panel, l, t, w, h, {}, kLabelFont, c, c, true, false, 0, false};
}

AboutElement Line(std::string_view name, double x1, double y, double x2, OleColor c) {
    return {name, AboutElementKind::Line, x1, y, x2 - x1, 0, {}, kLabelFont, c, c, false, false, 0,
            false};
}

// A label on the form's own background.
AboutElement Notice(std::string_view name, double l, double t, double w, double h,
                    std::string_view text) {
    return {name,        AboutElementKind::Label,
            l,           t,
            w,           h,
            text,        kLabelFont,
            kButtonText, kButtonFace,
            false,       false,
            kNoticeText, true};
}

AboutElement Caption(std::string_view name, double t, std::string_view text) {
    return {name,        AboutElementKind::Label,
            12,          t,
            120,         14,
            text,        kBoldFont,
            kButtonText, kWhite,
            true,        false,
            kLineText,   true};
}

AboutElement Link(std::string_view name, double t, std::string_view text) {
    return {name,      AboutElementKind::Label,
            136,       t,
            268,       14,
            text,      kLabelFont,
            kBlue,     kWhite,
            true,      true,
            kLineText, true};
}

AboutElement Button(std::string_view name, double l, std::string_view text) {
    return {name,
            AboutElementKind::Button,
            l,
            306,
            88,
            26,
            text,
            kLabelFont,
            kButtonText,
            kButtonFace,
            true,
            false,
            kCaptionText,
            true};
}

std::vector<AboutElement> MakeElements() {
    const double w = kAboutFormWidth;
    return {
        Panel("Form", 0, 0, w, kAboutFormHeight, kButtonFace),
        Panel("Banner", 0, 0, w, 156, kBanner),
        {"Image2",
         AboutElementKind::Image,
         8,
         8,
         400,
         120,
         {},
         kLabelFont,
         kWhite,
         kBanner,
         false,
         false,
         0,
         true},
        {"Label1(0)", AboutElementKind::Label, 8, 134, 400, 16, "Quillon Nuvelkit 2001", kLabelFont,
         kWhite, kBanner, false, false, kLineText | dt::kCenter, true},
        Line("Line1", 0, 156, w, kButtonShadow),
        Line("Line2", 0, 157, w, k3DHighlight),
        Notice("Label1(1)", 12, 166, 392, 14,
               "Copyright (c) 2001 Quillon Software. All rights reserved."),
        Notice("Label1(2)", 12, 182, 392, 14,
               "You may use and ship Nuvelkit free of charge inside applications of your own."),
        Notice("Label1(3)", 12, 198, 392, 14,
               "It may not be sold or passed on as a kit of its own."),
        Notice("Label1(4)", 12, 214, 392, 14,
               "It is provided as is, without warranty of any kind."),
        Line("Line3", 0, 236, w, kButtonShadow),
        Line("Line4", 0, 237, w, k3DHighlight),
        Panel("LinkPanel", 0, 238, w, 56, kWhite),
        Caption("Label1(9)", 244, "Quillon Software:"),
        Link("Label1(7)", 244, kMakerWebSite),
        Caption("Label1(10)", 260, "Email:"),
        Link("Label1(5)", 260, kMakerMailAddress),
        Caption("Label1(8)", 276, "Nuvelkit Web Site:"),
        Link("Label1(6)", 276, kProductPage),
        Line("Line5", 0, 294, w, kButtonShadow),
        Line("Line6", 0, 295, w, k3DLight),
        Button("Command2", 12, " Web Site "),
        Button("Command1", 316, "OK"),
    };
}

Rect BoxOf(const AboutElement& e) {
    return {static_cast<std::int32_t>(e.left), static_cast<std::int32_t>(e.top),
            static_cast<std::int32_t>(e.left + e.width),
            static_cast<std::int32_t>(e.top + e.height)};
}

// Fills the element's box; boxes include both corners, so the far corner is one less.
void FillBox(Canvas& c, const AboutElement& e, OleColor colour) {
    c.Line(e.left, e.top, e.left + e.width - 1, e.top + e.height - 1, colour, LineKind::FilledBox);
}

void DrawText(Canvas& c, const AboutElement& e, Rect box) {
    c.SetFont(e.font);
    c.SetForeColor(e.foreColor);
    c.DrawText(e.text, box, e.textFlags);
}

// A classic push button: face, raised (or pushed-in) frame and centred caption. The
// default button, OK, has a dark rim around it.
void DrawButton(Canvas& c, const AboutElement& e, bool pressed) {
    FillBox(c, e, e.backColor);
    double l = e.left, t = e.top, r = e.left + e.width - 1, b = e.top + e.height - 1;
    if (SameName(e.name, "Command1")) {
        c.Line(l, t, r, b, kDefaultButtonRim, LineKind::Box);
        l += 1, t += 1, r -= 1, b -= 1;
    }
    if (pressed) {
        c.Line(l, t, r, b, kButtonShadow, LineKind::Box);
    } else {
        DrawRaisedFrame(c, l, t, r, b);
    }
    Rect box = BoxOf(e);
    if (pressed) box = {box.left + 1, box.top + 1, box.right + 1, box.bottom + 1};
    DrawText(c, e, box);
}

} // namespace

std::span<const AboutElement> AboutElements() {
    static const std::vector<AboutElement> elements = MakeElements();
    return elements;
}

const AboutElement* FindAboutElement(std::string_view name) {
    for (const auto& e : AboutElements())
        if (SameName(e.name, name)) return &e;
    return nullptr;
}

const AboutElement* AboutElementAt(double x, double y) {
    const auto elements = AboutElements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        if (!it->clickable) continue;
        if (x >= it->left && x < it->left + it->width && y >= it->top && y < it->top + it->height)
            return &*it;
    }
    return nullptr;
}

void DrawAboutForm(Canvas& canvas, const Picture& logo, std::string_view pressed) {
    const Font savedFont = canvas.GetFont();
    const OleColor savedFore = canvas.ForeColor();
    for (const auto& e : AboutElements()) {
        switch (e.kind) {
        case AboutElementKind::Panel:
            FillBox(canvas, e, e.backColor);
            break;
        case AboutElementKind::Image:
            if (HasImage(logo)) canvas.PaintPicture(logo, e.left, e.top);
            break;
        case AboutElementKind::Line:
            // A plain line leaves out its end point; the separators run the full width.
            canvas.Line(e.left, e.top, e.left + e.width, e.top + e.height, e.foreColor);
            break;
        case AboutElementKind::Label:
            if (e.opaque) FillBox(canvas, e, e.backColor);
            DrawText(canvas, e, BoxOf(e));
            break;
        case AboutElementKind::Button:
            DrawButton(canvas, e, !pressed.empty() && SameName(e.name, pressed));
            break;
        }
    }
    canvas.SetFont(savedFont);
    canvas.SetForeColor(savedFore);
}

} // namespace nk
