// The form drawn in Qt Designer (form.ui, with all seven widgets), compiled by uic into this
// program. `--check` shows the form, runs the form timer for a few frames and exits with 0 when
// every widget has its control, draws, and carries the values the form gives it.
#include "qt/form_timer.h"
#include "qt/kit.h"
#include "ui_form.h"

#include <QApplication>
#include <QImage>

#include <cstdio>
#include <cstring>

namespace {

// Whether a widget draws something other than one flat colour.
bool Draws(QWidget& w) {
    const QImage image = w.grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) return true;
    return false;
}

int Check(QWidget& window, Ui::NuvelkitForm& ui) {
    nk::qt::FormTimer timer(&window);
    for (int frame = 0; frame < 5; ++frame) {
        timer.step();
        QApplication::processEvents();
    }
    int failures = 0;
    auto expect = [&failures](bool ok, const char* what) {
        if (!ok) {
            std::fprintf(stderr, "check failed: %s\n", what);
            ++failures;
        }
    };
    for (nk::qt::ControlWidget* w : window.findChildren<nk::qt::ControlWidget*>()) {
        expect(w->hasControl(), qPrintable(w->objectName() + ": " + w->error()));
        expect(Draws(*w), qPrintable(w->objectName() + " draws nothing"));
    }
    expect(ui.nuvelCommand->caption() == QLatin1String("&Start"), "the command's caption");
    expect(ui.nuvelCommand->gradientInverted(), "the command's inverted gradient");
    expect(ui.nuvelCommand->backPicture() == nk::qt::NuvelCommand::NKCyanWater,
           "the command's background");
    expect(ui.nuvelCommand->sideIconHeight() == 24, "the command's side icon height");
    expect(ui.nuvelPad->borderStyle() == nk::qt::NuvelPad::NKFillBorderStyle::FixedSingle,
           "the pad's border");
    expect(ui.nuvelCheck->showFocus(), "the check box shows its focus");
    expect(ui.nuvelScreen->borderStyle() == 1, "the screen's border");
    expect(ui.nuvelPad->useDirectionShortKeys(), "the pad's direction keys");
    expect(ui.nuvelFill->backColor() == QColor(32, 32, 32), "the fill bar's background");
    std::printf("%lld widgets from the form, %d failures\n",
                static_cast<long long>(window.findChildren<nk::qt::ControlWidget*>().size()),
                failures);
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
#ifdef NK_CONTROL_DIR
    nk::qt::setControlFolder(NK_CONTROL_DIR);
#endif
    QWidget window;
    Ui::NuvelkitForm ui;
    ui.setupUi(&window);
    window.show();
    if (argc > 1 && std::strcmp(argv[1], "--check") == 0) return Check(window, ui);
    nk::qt::FormTimer timer(&window);
    timer.start();
    return app.exec();
}
