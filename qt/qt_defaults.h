// What a Qt window expects of the widgets where the controls leave the choice to their
// container: the focus policy of each class, and colours that follow the widget's palette
// where a control starts with a system colour or black.
//
// Only the Qt widget's first values change: the control keeps its own initial values for the
// kit's own hosts and forms, and a value set later (by code, or saved by Designer) wins.
#pragma once

#include "qt/kit_types.h"

#include <QPalette>
#include <Qt>

#include <string_view>
#include <utility>
#include <vector>

namespace nk::qt {

class ControlWidget;

// A progress bar (NuvelFill) is not in the Tab chain, as a QProgressBar; every other class
// takes the focus by Tab and by click, as a QPushButton or QCheckBox.
Qt::FocusPolicy focusPolicyOf(std::string_view className);

// The members a control of the class starts with from the palette in a Qt window, with their
// values, in the order they are given.
std::vector<std::pair<std::string_view, Variant>> paletteDefaults(std::string_view className,
                                                                  const QPalette& palette);

// Gives a control just made the colours of the widget's palette that stand in for its own
// first colours: a check box shows the window's background and text, a fill bar's empty part
// and its percentage are drawn as a QProgressBar draws its groove and text.
void applyQtDefaults(ControlWidget& widget);

} // namespace nk::qt
