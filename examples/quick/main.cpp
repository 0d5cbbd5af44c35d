// The Qt Quick example: the seven controls of the QML module Nuvelkit in a window.
//
//     nuvelkit-quick-example [--check] [QML import folder]
//
// With --check it shows the window for a few frames, prints each control's size and leaves,
// failing when a control is missing or has no size.
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

namespace {

constexpr const char* kControls[] = {"command", "hcommand", "sphere", "check",
                                     "pad",     "fill",     "screen"};

int Check(QQuickWindow& window) {
    int missing = 0;
    for (const char* name : kControls) {
        auto* item = window.findChild<QQuickItem*>(name);
        if (!item || item->width() <= 0 || item->height() <= 0) {
            std::fprintf(stderr, "nuvelkit-quick-example: %s is missing or has no size\n", name);
            ++missing;
            continue;
        }
        std::printf("%s %s %gx%g\n", name, item->metaObject()->className(), item->width(),
                    item->height());
    }
    return missing ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool check = args.removeAll("--check") > 0;
    QQmlApplicationEngine engine;
    if (!args.isEmpty()) engine.addImportPath(args.front());
    engine.load(QUrl::fromLocalFile(QStringLiteral(NK_EXAMPLE_QML)));
    if (engine.rootObjects().isEmpty()) return 1;
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().front());
    if (!window) return 1;
    if (!check) return app.exec();
    int result = 1;
    QTimer::singleShot(300, &app, [&] {
        result = Check(*window);
        app.quit();
    });
    app.exec();
    return result;
}
