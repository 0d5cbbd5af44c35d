// The seven controls as Qt widgets in ordinary layouts, wired with signals and slots: the
// check box enables a button, a button fills the fill bar, the pad moves a point shown in a
// caption, the sphere opens the about dialog. `--check` builds the window, drives the wiring
// once and exits with 0 when every connection did its job.
#include "qt/form_timer.h"
#include "qt/kit.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
#ifdef NK_CONTROL_DIR
    nk::qt::setControlFolder(NK_CONTROL_DIR);
#endif
    using namespace nk::qt;

    QWidget window;
    window.setWindowTitle("Nuvelkit for Qt");
    auto* rows = new QVBoxLayout(&window);

    auto* screen = new NuvelScreen;
    screen->setObjectName("Screen1");
    auto* top = new QHBoxLayout;
    top->addWidget(screen);
    auto* side = new QVBoxLayout;
    auto* enable = new NuvelCheck;
    enable->setObjectName("Enable fill");
    auto* fill = new NuvelCommand;
    fill->setObjectName("Fill");
    auto* shine = new NuvelHCommand;
    shine->setObjectName("Shine");
    side->addWidget(enable);
    side->addWidget(fill);
    side->addWidget(shine);
    top->addLayout(side);
    rows->addLayout(top);

    auto* bar = new NuvelFill;
    bar->setObjectName("Progress");
    rows->addWidget(bar);

    auto* bottom = new QHBoxLayout;
    auto* pad = new NuvelPad;
    pad->setObjectName("Pad");
    auto* point = new QLabel;
    auto* about = new NuvelSphere;
    about->setObjectName("About");
    bottom->addWidget(pad);
    bottom->addWidget(point);
    bottom->addWidget(about);
    rows->addLayout(bottom);

    // The check box enables the fill button.
    fill->setEnabled(false);
    QObject::connect(enable, &NuvelCheck::valueChanged, fill, [=](NuvelCheck::NKBiState value) {
        fill->setEnabled(value == NuvelCheck::NKBiState::NKChecked);
    });
    // The button fills the bar by ten, from 0 to 100 and round again.
    QObject::connect(fill, &NuvelCommand::clicked, bar,
                     [=] { bar->setValue((static_cast<int>(bar->value()) + 10) % 110); });
    // The pad's point, shown in a caption.
    auto showPoint = [=] {
        point->setText(QString("x %1, y %2").arg(pad->xValue()).arg(pad->yValue()));
    };
    QObject::connect(pad, &NuvelPad::xValueChanged, point, showPoint);
    QObject::connect(pad, &NuvelPad::yValueChanged, point, showPoint);
    QObject::connect(pad, &NuvelPad::xyRefresh, point, showPoint);
    showPoint();
    // The sphere opens the about dialog.
    QObject::connect(about, &NuvelSphere::clicked, about, &NuvelSphere::aboutMe);

    // The animations: the sphere's and the wide button's roll-over, the pad's motion.
    FormTimer timer(&window);
    timer.start();

    if (argc > 1 && std::strcmp(argv[1], "--check") == 0) {
        window.show();
        enable->setValue(NuvelCheck::NKBiState::NKChecked);
        const bool enabled = fill->isEnabled();
        QMetaObject::invokeMethod(fill, "clicked");
        const bool filled = bar->value() == 10;
        pad->tweakRight();
        const bool moved = point->text() != "x 0, y 0";
        timer.step();
        std::printf("enabled %d, filled %d, moved %d (%s)\n", enabled, filled, moved,
                    qPrintable(point->text()));
        return enabled && filled && moved ? 0 : 1;
    }
    window.show();
    return app.exec();
}
