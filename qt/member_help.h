// The help strings of the controls' members, for the widgets' properties: what a property
// browser shows beside a property, and what docs/qt.md lists.
#pragma once

#include "qt/kit_types.h"

#include <QString>

namespace nk::qt {

// The table's member behind a widget property ("coolGlowColor" is CoolGlowColor, "nuvelHeight"
// a member Height renamed beside QWidget's own); nullptr when the table has none.
const PropertyInfo* memberOf(const InterfaceTable& table, const QString& property);

// Its help string, empty when the member has none.
QString memberHelp(const InterfaceTable& table, const QString& property);

} // namespace nk::qt
