// What the Qt widgets share: the control libraries, opened once per process and asked for
// their class objects, the one sound player, and the conversions between Qt's input, fonts
// and colours and the kit's.
#pragma once

#include "qt/kit_types.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <Qt>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>
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

// A number from Qt for a member that takes any value: a finite number is the member's double;
// anything else is refused with a warning naming `member` ("NuvelFill.value").
std::optional<Variant> numberFromQt(double v, std::string_view member);
// The same for a percentage, which Qt takes from 0 to 100 as a QProgressBar takes its value.
std::optional<Variant> percentFromQt(double v, std::string_view member);

// A single as Qt's double: the double its shortest decimal form reads as (0.1f gives 0.1, not
// 0.100000001490116), so that a value a form gives comes back as written; nothing gives 0.
double singleToQt(const std::optional<Variant>& v);
// A double from Qt for a single member: what rounds to a single (the nearest) is the member's
// single, the infinities and NaN included; a finite number beyond the single's range is
// refused with a warning naming `member` ("NuvelPad.xValue").
std::optional<Variant> singleFromQt(double v, std::string_view member);

// A name that values of several enumerations of one class share (NuvelFill's "None" of its
// caption and border styles): it converts to the value of each of them, so that
// `NuvelFill::None` sets either property. Each enumeration appears once among `Values`.
template <auto... Values> struct EnumKey {
    template <class E, std::enable_if_t<(std::is_same_v<E, decltype(Values)> || ...), int> = 0>
    constexpr operator E() const {
        E found{};
        ((std::is_same_v<E, decltype(Values)> ? (void)(found = static_cast<E>(Values)) : void()),
         ...);
        return found;
    }
};

// Whether two values of a property's Qt type are the same value: pixmaps by their pixels.
template <class T> bool sameInQt(const T& a, const T& b) {
    return a == b;
}
inline bool sameInQt(const QPixmap& a, const QPixmap& b) {
    if (a.isNull() || b.isNull()) return a.isNull() == b.isNull();
    return a.toImage().convertToFormat(QImage::Format_ARGB32) ==
           b.toImage().convertToFormat(QImage::Format_ARGB32);
}

// A change signal as Qt's own: emitted with `now` when it differs from `shown`, the value the
// signal last carried (nothing before the control is made: its first values are no change).
// Whether the widget is still there after the slots have run.
template <class Widget, class T, class Signal>
bool reportChange(Widget* widget, std::optional<T>& shown, const T& now, Signal signal) {
    if (!shown || sameInQt(*shown, now)) return true;
    shown = now;
    const QPointer<Widget> alive(widget);
    (widget->*signal)(now);
    return !alive.isNull();
}

} // namespace nk::qt
