// The look of the about form: every element with its place, text, font and colours, the
// procedure that draws the whole form onto a canvas, the hit test that turns a point of the
// form into the element name AboutForm::Click takes, and the addresses its links show and
// open.
#pragma once

#include "framework/font.h"
#include "framework/host.h"
#include "framework/picture.h"
#include "framework/values.h"

#include <span>
#include <string_view>

namespace nk {

// The addresses the dialog opens. The mail label shows the address without "mailto:".
inline constexpr std::string_view kMakerWebSite = "https://www.quillon.example/";
inline constexpr std::string_view kProductPage = "https://www.quillon.example/nuvelkit/";
inline constexpr std::string_view kMakerMailTo = "mailto:nuvelkit@quillon.example";
inline constexpr std::string_view kMakerMailAddress = "nuvelkit@quillon.example";

inline constexpr std::string_view kAboutTitle = "About Nuvelkit 2001";
// The form's inner (client) size in pixels.
inline constexpr int kAboutFormWidth = 416;
inline constexpr int kAboutFormHeight = 342;

enum class AboutElementKind {
    Panel,  // a filled background area of the form
    Image,  // the logo, at its own size
    Line,   // a one-pixel line from (left, top) to (left + width, top + height)
    Label,  // text in a box
    Button, // a push button with a centred caption
};

struct AboutElement {
    std::string_view name; // "Label1(5)", "Command1", "Image2", "Line3"
    AboutElementKind kind;
    double left, top, width, height;
    std::string_view text;
    Font font;
    OleColor foreColor; // text, or the line's colour
    OleColor backColor; // used when opaque
    bool opaque;        // the box is filled with backColor before the text
    bool linkPointer;   // the pointer over it is the link pointer (resource 901)
    unsigned textFlags; // DrawText flags
    bool clickable;     // clicks on it reach AboutForm::Click
};

// Every element in drawing order (later ones lie on top).
std::span<const AboutElement> AboutElements();

// The element named so (any letter case), or nullptr.
const AboutElement* FindAboutElement(std::string_view name);

// The topmost clickable element under a point of the form, or nullptr.
const AboutElement* AboutElementAt(double x, double y);

// Draws the whole form onto a canvas of the form's size: background, logo, separators,
// labels and buttons. `logo` is the picture of resource 900 (nothing draws no logo);
// `pressed` names a button drawn pushed in. The canvas's font and fore colour are restored.
void DrawAboutForm(Canvas& canvas, const Picture& logo, std::string_view pressed = {});

} // namespace nk
