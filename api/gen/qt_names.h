// How the Qt classes name and type the model's members, shared by the emitters that write
// the Qt widgets and their Python bindings, so that both spell every member alike.
#pragma once

#include "api/gen/model.h"

#include <set>
#include <string>
#include <string_view>

namespace nk::apigen {

// A member's name in Qt: "Caption" -> "caption", "XYRefresh" -> "xyRefresh", "hWnd" stays;
// a name QWidget has already ("Visible") gets "nuvel" before it ("nuvelVisible").
std::string LowerCamel(std::string_view name);
std::string Capitalised(std::string name);
// The signal of an event, as Qt names its own: "clicked", "doubleClicked", "mouseDown".
std::string SignalName(std::string_view event);
// The widget's own members that stand for a property: the font is the widget's font and the
// enabled state its enabled state.
bool WidgetOwned(const PropertyModel& p);

struct QtType {
    std::string type;  // "QString"
    std::string param; // "const QString&"
    std::string get;   // how a Variant becomes it
    std::string set;   // how it becomes a Variant (with `value`)
};

// The Qt type of a property and how the widget converts it.
QtType TypeOf(const ClassModel& c, const PropertyModel& p);
// A system colour's value when a colour property starts out as one ("0x8000000F"), else 0.
unsigned long SystemColorDefault(const PropertyModel& p);
// An event argument in Qt: "short&", "int&", "float&" by reference.
std::string ArgType(const EventArgModel& a);
// A method's parameters as the Qt classes declare them: "const QString& gFilename, double x".
std::string MethodParams(const MethodModel& m);
// A signal's parameters: "short& button, short& shift, float& x, float& y".
std::string EventParams(const EventModel& e);
// The enumerations a class's own properties take.
std::set<std::string> EnumsOf(const ClassModel& c);

} // namespace nk::apigen
