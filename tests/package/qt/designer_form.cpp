// The Designer example form loaded at run time through the installed Designer plugin:
//   designer_form FORM.ui PLUGIN_FOLDER
// Exits with 0 when every widget QUiLoader makes is this program's own class (the plugin and
// the program share the one widget library), a typed connection carries its signal, and the
// form timer steps the loaded widgets.
#include "qt/control_widget.h"
#include "qt/form_timer.h"
#include "qt/kit.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QFile>
#include <QUiLoader>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// The checks that failed, each said on stderr as it fails.
class Report {
public:
    void Expect(bool ok, const QString& what) {
        if (ok) return;
        std::fprintf(stderr, "check failed: %s\n", qPrintable(what));
        ++failures_;
    }
    int failures() const { return failures_; }

private:
    int failures_ = 0;
};

template <class Widget> bool Is(QObject* o) {
    return qobject_cast<Widget*>(o) != nullptr;
}

// The form's widgets by object name, with the class each must be in this program.
struct Placed {
    const char* name;
    const char* className;
    std::function<bool(QObject*)> cast;
};

const Placed kPlaced[] = {
    {"nuvelCommand", "nk::qt::NuvelCommand", Is<nk::qt::NuvelCommand>},
    {"nuvelHCommand", "nk::qt::NuvelHCommand", Is<nk::qt::NuvelHCommand>},
    {"nuvelSphere", "nk::qt::NuvelSphere", Is<nk::qt::NuvelSphere>},
    {"nuvelCheck", "nk::qt::NuvelCheck", Is<nk::qt::NuvelCheck>},
    {"nuvelScreen", "nk::qt::NuvelScreen", Is<nk::qt::NuvelScreen>},
    {"nuvelFill", "nk::qt::NuvelFill", Is<nk::qt::NuvelFill>},
    {"nuvelPad", "nk::qt::NuvelPad", Is<nk::qt::NuvelPad>},
};

std::unique_ptr<QWidget> Load(Report& report, const QString& formFile,
                              const QString& pluginFolder) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(pluginFolder);
    for (const Placed& p : kPlaced)
        report.Expect(
            loader.availableWidgets().contains(QLatin1String(p.className)),
            QStringLiteral("the plugin in %1 offers no %2").arg(pluginFolder, p.className));
    QFile file(formFile);
    if (!file.open(QIODevice::ReadOnly)) {
        report.Expect(false, QStringLiteral("%1: %2").arg(formFile, file.errorString()));
        return nullptr;
    }
    std::unique_ptr<QWidget> form(loader.load(&file));
    report.Expect(form != nullptr, QStringLiteral("%1: %2").arg(formFile, loader.errorString()));
    return form;
}

void CheckClasses(Report& report, QWidget& form) {
    for (const Placed& p : kPlaced) {
        QWidget* w = form.findChild<QWidget*>(QLatin1String(p.name));
        report.Expect(w != nullptr, QStringLiteral("the form has no %1").arg(p.name));
        if (!w) continue;
        report.Expect(p.cast(w), QStringLiteral("%1 (a %2) is not the program's %3")
                                     .arg(p.name, w->metaObject()->className(), p.className));
    }
}

void CheckSignals(Report& report, QWidget& form) {
    auto* command = form.findChild<nk::qt::NuvelCommand*>(QStringLiteral("nuvelCommand"));
    if (!command) return report.Expect(false, QStringLiteral("no command to connect to"));
    QString caption;
    int clicks = 0;
    QObject::connect(command, &nk::qt::NuvelCommand::captionChanged,
                     [&caption](const QString& c) { caption = c; });
    QObject::connect(command, &nk::qt::NuvelCommand::clicked, [&clicks] { ++clicks; });
    command->setCaption(QStringLiteral("Go"));
    report.Expect(caption == QLatin1String("Go"),
                  QStringLiteral("captionChanged carried '%1', not 'Go'").arg(caption));
    // The plugin makes its widgets in design mode, as Designer places them; the program's
    // form takes input.
    command->setDesignMode(false);
    command->clickAt(QPointF(command->width() / 2.0, command->height() / 2.0));
    report.Expect(clicks == 1, QStringLiteral("a click gave %1 clicked signals").arg(clicks));
}

void CheckTimer(Report& report, QWidget& form) {
    nk::qt::FormTimer timer(&form);
    const int placed = static_cast<int>(form.findChildren<nk::qt::ControlWidget*>().size());
    report.Expect(placed == static_cast<int>(std::size(kPlaced)),
                  QStringLiteral("%1 of the form's widgets are the program's").arg(placed));
    const int stepped = timer.step();
    report.Expect(stepped == placed,
                  QStringLiteral("the timer stepped %1 of %2").arg(stepped).arg(placed));
    // A pad pushed right goes on moving at each step of the timer.
    auto* pad = form.findChild<nk::qt::NuvelPad*>(QStringLiteral("nuvelPad"));
    if (!pad) return report.Expect(false, QStringLiteral("no pad to step"));
    pad->forceRight();
    const float before = pad->xValue();
    timer.step();
    timer.step();
    report.Expect(
        pad->xValue() > before,
        QStringLiteral("the pad stayed at %1 through the timer's steps").arg(pad->xValue()));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FORM.ui PLUGIN_FOLDER\n", argv[0]);
        return 2;
    }
    nk::qt::setControlFolder(NK_CONTROL_DIR);
    Report report;
    const std::unique_ptr<QWidget> form =
        Load(report, QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    if (form) {
        form->show();
        CheckClasses(report, *form);
        CheckSignals(report, *form);
        CheckTimer(report, *form);
    }
    std::printf("designer form: %d failures\n", report.failures());
    return report.failures() == 0 ? 0 : 1;
}
