// The Qt Quick items: one QQuickItem class per control (nk::quick::NuvelCommand, ...) on the
// item host (qt/quick/control_item.h), registered in the QML module Nuvelkit under the
// control's name. They are the widget classes' members and signals (qt_classes.h); the events'
// arguments come by value, as QML's signal handlers take them.
#include "api/gen/emitter.h"
#include "api/gen/qt_classes.h"

namespace nk::apigen {

namespace {

const QtFlavour kItems{"ControlItem",
                       "QQuickItem",
                       "qt/quick/control_item.h",
                       "quick/items",
                       "nk::quick",
                       "// The kit's controls as Qt Quick items of the QML module Nuvelkit:\n//\n"
                       "//     import Nuvelkit\n"
                       "//     NuvelCommand { caption: \"OK\"; onClicked: dialog.accept() }\n//\n"
                       "// Properties are Q_PROPERTYs in Qt's types, enumerations are the class's\n"
                       "// (NuvelCommand.NKCyanWater), events are signals.\n",
                       "    QML_ELEMENT\n",
                       "setActiveFocusOnTab(focusPolicyOf(kClassName) & Qt::TabFocus);",
                       "applyPaletteDefaults();",
                       true};

class QuickEmitter : public Emitter {
public:
    std::vector<OutputFile> Emit(const ApiModel& model) const override {
        return {{"quick/items.h", QtClassesHeader(model, kItems)},
                {"quick/items.cpp", QtClassesSource(model, kItems)}};
    }
};

} // namespace

std::unique_ptr<Emitter> MakeQuickEmitter() {
    return std::make_unique<QuickEmitter>();
}

} // namespace nk::apigen
