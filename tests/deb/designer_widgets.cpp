// Lists the widget classes Qt's form loader offers, one a line: Qt's own and those of the
// Designer plugins it finds in Qt's plugin folders. Fails when it offers none.
#include <QApplication>
#include <QUiLoader>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList names = QUiLoader().availableWidgets();
    for (const QString& name : names)
        std::printf("%s\n", qPrintable(name));
    return names.isEmpty() ? 1 : 0;
}
