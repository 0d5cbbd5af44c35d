// A dialog of Qt's own widgets, with no code of the kit's: run it with `-style nuvelkit` and it
// wears the kit's looks (two widgets choose theirs in the form, through the nuvelkit-look
// property). `--grab FILE` writes a picture of the dialog and exits; `--check` exits with 1
// unless the application's style is the one asked for.
#include "ui_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QStyle>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    Ui::StockDialog ui;
    ui.setupUi(&dialog);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 2 && args[1] == "--grab") {
        dialog.adjustSize();
        return dialog.grab().save(args[2]) ? 0 : 1;
    }
    if (args.size() > 1 && args[1] == "--check") {
        std::printf("style %s\n", qPrintable(app.style()->name()));
        return app.style()->name().isEmpty() ? 1 : 0;
    }
    dialog.show();
    return app.exec();
}
