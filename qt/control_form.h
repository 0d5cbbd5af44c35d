// The kit's side of a Qt host of one control (a widget, a Qt Quick item): the form of its own
// that the control runs in, the way both hosts make it.
#pragma once

#include "host/forms/form.h"

#include <QFont>
#include <QString>

#include <memory>
#include <string>
#include <string_view>

namespace nk::qt {

// A form for the one class `table`, at the host's font, drawn at the device scale nearest to
// `deviceRatio`, with the host's hooks and its observer of the control's events. It has no
// timer of its own: a form timer of the window steps the control.
std::unique_ptr<Form> makeControlForm(const InterfaceTable* table, const QFont& font,
                                      double deviceRatio, const ContainerHooks& hooks,
                                      FormEventObserver observer);

// The control's display name: the host's object name, or the class's name followed by 1.
std::string displayNameOf(const QString& objectName, std::string_view className);

} // namespace nk::qt
