// What the Qt widgets share: the control libraries, opened once per process and asked for
// their class objects, the one sound player, and the conversions between Qt's input, fonts
// and colours and the kit's.
#pragma once

#include "framework/font.h"
#include "framework/interface_table.h"
#include "framework/values.h"
#include "framework/variant.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QVariant>
#include <Qt>

#include <cstdint>
#include <memory>
#include <vector>

namespace nk::qt {

// Where the widgets look for the control libraries (lib<name>.so) before the places the kit
// itself searches (next to the program, then the user's component registry). Call it before
// the first widget is made.
void setControlFolder(const QString& folder);

// The interface table of a class ("NuvelCommand"), from the class object of the library
// that serves it; nullptr, with `error` saying why, when no library has the class.
const InterfaceTable* findClass(const QString& className, QString* error = nullptr);

// Hands a wave image to the process's sound player (made on first use), which stops the
// sound playing and starts this one in the background.
void playSound(std::shared_ptr<const std::vector<std::uint8_t>> image, int id);

// Opens an address with the desktop and gives the shell result the about dialog explains.
int openAddress(const std::string& address);

// The VK code of a Qt key (0 for a key the kit does not name) and the Shift state bits
// (1 Shift, 2 Ctrl, 4 Alt) of keyboard modifiers.
int vkFromQt(int key);
int shiftFromQt(Qt::KeyboardModifiers modifiers);
// The kit's mouse buttons (1 left, 2 right, 4 middle) of Qt buttons.
int buttonsFromQt(Qt::MouseButtons buttons);

Font fontFromQt(const QFont& font);
QFont fontToQt(const Font& font);
// An OLE colour, system colours resolved, as a Qt colour; and back.
QColor colorToQt(OleColor color);
OleColor colorFromQt(const QColor& color);

QString fromUtf8(std::string_view text);

// A picture as a Qt pixmap (null for no picture or an empty one), and a pixmap as a picture
// (no picture for a null pixmap, or for one beyond the limits below).
QPixmap pictureToQt(const Picture& picture);
Picture pictureFromQt(const QPixmap& pixmap);
// Whether a pixmap is within the limits picture files obey (kMaxPictureSide pixels a side,
// kMaxPicturePixels in all); a null pixmap is.
bool pictureWithinLimits(const QPixmap& pixmap);

// A member's value in Qt's types, as the widget classes' properties give it; what does not
// convert gives the type's empty value.
bool boolToQt(const std::optional<Variant>& v);
int intToQt(const std::optional<Variant>& v);
double doubleToQt(const std::optional<Variant>& v);
QString stringToQt(const std::optional<Variant>& v);
QColor colorToQt(const std::optional<Variant>& v);
QPixmap pictureToQt(const std::optional<Variant>& v);
QVariant variantToQt(const std::optional<Variant>& v);
// And back. A pixmap beyond the picture limits gives nothing: the assignment is refused,
// with a warning naming its size, and the member keeps its picture.
Variant boolFromQt(bool v);
Variant stringFromQt(const QString& v);
Variant colorValueFromQt(const QColor& v);
std::optional<Variant> pictureValueFromQt(const QPixmap& v);
std::optional<Variant> variantFromQt(const QVariant& v);

} // namespace nk::qt
