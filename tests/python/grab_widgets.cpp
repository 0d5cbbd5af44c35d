// The C++ side of the Python bindings' pixel test: makes each widget class as the Python test
// does (object name, size, the properties given as name=value), grabs it and writes
// OUT/<Class>.png, so that the test can compare what Python shows with what C++ shows.
//     nk_python_grab OUT [property=value...]
#include "qt/widgets.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

using Make = std::function<std::unique_ptr<nk::qt::ControlWidget>()>;

template <class W> std::pair<const char*, Make> Class() {
    return {W::kClassName.data(), [] { return std::make_unique<W>(); }};
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: nk_python_grab OUT [property=value...]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::vector<std::pair<const char*, Make>> classes = {
        Class<nk::qt::NuvelCommand>(), Class<nk::qt::NuvelHCommand>(), Class<nk::qt::NuvelSphere>(),
        Class<nk::qt::NuvelCheck>(),   Class<nk::qt::NuvelScreen>(),   Class<nk::qt::NuvelFill>(),
        Class<nk::qt::NuvelPad>()};
    for (const auto& [name, make] : classes) {
        const std::unique_ptr<nk::qt::ControlWidget> w = make();
        w->setObjectName(QStringLiteral("grabbed"));
        for (int i = 2; i < argc; ++i) {
            const QString arg = QString::fromLocal8Bit(argv[i]);
            const qsizetype eq = arg.indexOf('=');
            if (eq < 0) continue;
            const QByteArray property = arg.left(eq).toUtf8();
            // A property the class does not have is left alone, as the Python side does.
            if (w->metaObject()->indexOfProperty(property) >= 0)
                w->setProperty(property, arg.mid(eq + 1));
        }
        w->resize(w->sizeHint());
        const QString file = out.filePath(QString::fromLatin1(name) + ".png");
        if (!w->grab().toImage().save(file)) {
            std::fprintf(stderr, "nk_python_grab: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
