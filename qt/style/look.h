// The looks of the nuvelkit style: which control draws a kind of Qt widget and with which of
// its members. A look is written as text, `Member=Value` pairs separated by ";", where
// `Class` picks the control (a push button may be a NuvelCommand or a NuvelHCommand) and
// every other key is a member of that control's class:
//
//     Class=NuvelHCommand; NuvelStyle=NKBlueWater
//     BackPicture=NKCyanWater; CoolButton=True
//
// A value is one of the member's enumeration names, a colour (#RRGGBB), a number or text.
// Looks come from the style's defaults, then the settings file, then the widget's dynamic
// property `nuvelkit-look`; a later pair wins over an earlier one. A look of "none" leaves
// the widget to Fusion.
#pragma once

#include "framework/interface_table.h"
#include "framework/variant.h"

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace nk::qt::style {

// The kinds of Qt widget the style draws with a control.
enum class Kind { PushButton, ToolButton, CheckBox, RadioButton, ProgressBar, Frame, GroupBox };
inline constexpr std::size_t kKinds = 7;

// The Qt class a kind stands for ("QPushButton"), and the kind of a Qt class name.
const char* QtClassOf(Kind kind);
std::optional<Kind> KindOf(const QString& qtClass);

using Members = std::vector<std::pair<std::string, Variant>>;

struct Look {
    bool drawn = true; // false: "none", Fusion draws the widget
    const InterfaceTable* table = nullptr;
    Members members; // in the order written, each member once
};

// The look the text gives a widget of `kind`, the pairs of `layers` applied in turn. What is
// wrong (an unknown member, a value that is none of the member's names, a class that cannot
// draw the kind) is added to `problems` as "what: why", and that pair is left out.
Look ParseLook(Kind kind, const std::vector<QString>& layers, std::vector<QString>& problems);

// The style's own choices for a control class, before any look (a control that shows the
// focus).
QString DefaultLook(const QString& className);

// The settings file: one line per widget kind, `QPushButton = <look>`, or for one
// application only, `<application name>/QPushButton = <look>`; "#" starts a comment line.
struct Settings {
    std::array<QString, kKinds> looks;
    // The file's problems, each naming the file, the line and what is wrong.
    std::vector<QString> problems;
};

// The settings of `application` in the text of a file named `fileName`.
Settings ParseSettings(const QString& text, const QString& fileName, const QString& application);

// The settings file the style reads: $NUVELKIT_STYLE_SETTINGS when set, else
// nuvelkit/style.conf in the user's configuration folder; empty when there is none.
QString SettingsFile();

// The settings in that file for `application`; a file that cannot be read is a problem.
Settings LoadSettings(const QString& path, const QString& application);

} // namespace nk::qt::style
