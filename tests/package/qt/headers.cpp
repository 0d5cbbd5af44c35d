// Every installed widget header in one C++17 translation unit, and a widget made from it:
// exits with 0 when the command widget has its control and takes a caption.
#include "qt/accessibility.h"
#include "qt/control_widget.h"
#include "qt/form_timer.h"
#include "qt/kit.h"
#include "qt/kit_types.h"
#include "qt/member_help.h"
#include "qt/modal_dialog.h"
#include "qt/qt_defaults.h"
#include "qt/sound_player.h"
#include "qt/widgets.h"

#include <QApplication>

#include <cstdio>

static_assert(__cplusplus == 201703L, "built as C++17");

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    nk::qt::setControlFolder(NK_CONTROL_DIR);
    nk::qt::NuvelCommand command;
    command.setCaption(QStringLiteral("OK"));
    if (!command.hasControl()) {
        std::fprintf(stderr, "no control: %s\n", qPrintable(command.error()));
        return 1;
    }
    if (command.caption() != QLatin1String("OK")) {
        std::fprintf(stderr, "the caption is '%s'\n", qPrintable(command.caption()));
        return 1;
    }
    return 0;
}
