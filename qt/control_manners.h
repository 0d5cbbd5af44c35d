// How the hosts of the controls on Qt (the widgets, the Qt Quick items) meet Qt's keyboard and
// layouts where the control itself leaves it to its container: the keys each class keeps, the
// caption's "&" letter as an access key, the least size its artwork needs beside the control's
// own size rules, and the members a control changes without reporting them.
#pragma once

#include "qt/kit_types.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <Qt>

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nk::qt {

// What a caption's "&" letter does as an access key, as in the Qt widget of the same role.
enum class Mnemonic { None, Presses, Toggles };

// Whether the class's control acts on the key (VK code), so that Qt must not pass it on.
bool classUsesKey(std::string_view className, int keyCode);
// What the class's caption mnemonic does.
Mnemonic mnemonicOf(std::string_view className);
// The letter or digit a caption marks with "&" ("&Start": 's'), in lower case; 0 for none.
char captionMnemonic(std::string_view caption);

// One Alt shortcut of a control: Alt+key (Alt+Shift+key when `shifted`) gives the control
// the access key `ascii`; `toggle` first flips a check box's value.
struct AccessKeyBinding {
    Qt::Key key;
    bool shifted;
    int ascii;
    bool toggle;
};
// The shortcuts of a control's own access keys and its caption's mnemonic `mark` (0: none),
// each letter or digit once; `toggles` when the class's mnemonic toggles.
std::vector<AccessKeyBinding> accessKeyBindings(const std::string& keys, char mark, bool toggles);

// Flips a check box's Value (0 and 1), as its mnemonic does before its click.
void toggleCheck(FormControl& control);

// The artwork's measures (pixels): a push button's focus frame is 3 pixels in at the top and
// left and 4 at the bottom and right; a check box's glyph is 24 pixels square at the left, its
// caption starts at 30 and stops 2 short of the right edge.
inline constexpr int kFocusFrame = 7;
inline constexpr int kCheckGlyph = 24;
inline constexpr int kCheckCaptionLeft = 30;
inline constexpr int kCheckCaptionMargin = 2;
// The text a caption draws: "&" marks the next letter, "&&" is one ampersand.
QString visibleCaption(const std::string& caption);
// The least size the class's artwork needs to draw whole at `font` beyond the control's own
// `least` size: a push button's caption line between round caps, a check box's glyph beside
// a caption line.
QSize artworkLeast(std::string_view className, QSize least, const std::optional<Variant>& caption,
                   const QFont& font);

// Whether a window's form timer has to call the class's TimerInvoke: the class has one, and it
// is not one that does nothing.
bool animatedOnTimer(const InterfaceTable& table);
// The members the class's control changes by itself without reporting the change.
std::span<const std::string_view> quietMembers(std::string_view className);

// The box `b` grown to the nearest logical pixels that are whole device pixels at `scale`.
QRect alignedToDevice(QRect b, double scale);

} // namespace nk::qt
