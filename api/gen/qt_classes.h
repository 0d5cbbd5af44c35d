// The Qt classes of the controls, written for a host class: the widget classes on the Qt
// widget host and the Qt Quick items on the item host are the same members, signals and
// conversions, and differ only in what the flavour below names.
#pragma once

#include "api/gen/model.h"

#include <string>

namespace nk::apigen {

struct QtFlavour {
    std::string base;       // the host class: "ControlWidget"
    std::string parentType; // the constructor's parent: "QWidget"
    std::string hostHeader; // "qt/control_widget.h"
    std::string files;      // the output files without their suffix: "qt/widgets"
    std::string space;      // the classes' namespace: "nk::qt"
    std::string about;      // the header's opening comment, "// " lines
    std::string classLines; // lines in each class after Q_OBJECT ("    QML_ELEMENT\n")
    std::string construct;  // the constructor's body
    std::string made;       // the first statement once the control is made
    bool eventsByValue;     // signals pass the events' arguments by value (QML takes no references)
};

// The header and the source of the classes of every control in the model.
std::string QtClassesHeader(const ApiModel& model, const QtFlavour& f);
std::string QtClassesSource(const ApiModel& model, const QtFlavour& f);
// An event's signal parameters in the flavour: "short& button, ..." or "short button, ...".
std::string EventSignalParams(const EventModel& e, const QtFlavour& f);

} // namespace nk::apigen
