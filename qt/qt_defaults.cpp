#include "qt/qt_defaults.h"

#include "framework/values.h"
#include "framework/variant.h"
#include "qt/control_widget.h"
#include "qt/kit.h"

#include <array>
#include <string>

namespace nk::qt {

namespace {

// A colour member that starts from a colour of the palette in a Qt window.
struct PaletteColour {
    std::string_view className;
    std::string_view member;
    QPalette::ColorRole role;
};

// The check box's black background would stand out on a window, and its white caption would
// vanish on the window's background; the fill bar's empty part is black and its percentage
// black, unreadable together.
// The text colour goes first: a new background draws the control again, with its text.
constexpr std::array<PaletteColour, 4> kPaletteColours{{
    {"NuvelCheck", "ForeColor", QPalette::WindowText},
    {"NuvelCheck", "BackColor", QPalette::Window},
    {"NuvelFill", "ForeColor", QPalette::Text},
    {"NuvelFill", "BackColor", QPalette::Base},
}};

} // namespace

Qt::FocusPolicy focusPolicyOf(std::string_view className) {
    return className == "NuvelFill" ? Qt::NoFocus : Qt::StrongFocus;
}

std::vector<std::pair<std::string_view, Variant>> paletteDefaults(std::string_view className,
                                                                  const QPalette& palette) {
    std::vector<std::pair<std::string_view, Variant>> out;
    for (const PaletteColour& c : kPaletteColours)
        if (c.className == className)
            out.emplace_back(c.member, colorValueFromQt(palette.color(QPalette::Active, c.role)));
    return out;
}

void applyQtDefaults(ControlWidget& widget) {
    const std::string className = widget.controlClass().toStdString();
    for (const auto& [member, value] : paletteDefaults(className, widget.palette()))
        if (!widget.setMember(member, value)) return;
}

} // namespace nk::qt
