// The Nuvelkit widgets as assistive technology sees them, through Qt's accessibility
// framework: one accessible interface per control class, made by a factory that the widgets
// install when the first of them is made.
//
//   NuvelCommand, NuvelHCommand, NuvelSphere   push button, action "Press"
//   NuvelCheck                                 check box (checked from Value), action "Toggle"
//   NuvelFill                                  progress bar, value 0 to 100
//   NuvelScreen                                pane
//   NuvelPad                                   grouping of four push buttons (left, right,
//                                              up, down), each with the action "Press"
//
// The name is the caption without its access-key marks (the widget's accessibleName when set;
// for the sphere and the pad, without a caption, the tool tip, else the object name); the
// shortcut is the caption's access mark with Alt, then the control's access keys; the fill bar
// is read-only. The description is the widget's tool tip, or a pad direction's own tool tip. Every
// action does what a click does, through the control's input path, so the events it raises are the
// control's own.
#pragma once

#include <QAccessible>
#include <QString>

class QAccessibleInterface;
class QObject;

namespace nk::qt {

// The factory's function: an interface for a Nuvelkit widget, nullptr for anything else.
QAccessibleInterface* accessibleFactory(const QString& className, QObject* object);

// The role of a control class's interface (QAccessible::Client for a class it does not know),
// for the hosts that tell assistive technology the role themselves.
QAccessible::Role accessibleRole(const QString& className);

// Installs the factory with Qt, once per process.
void installAccessibility();

// A caption as text: "&&" is one "&", a single "&" marks the next character and goes.
QString withoutAccessMarks(const QString& caption);

} // namespace nk::qt
