// Lists the styles QStyleFactory finds, one a line, and checks that the nuvelkit style, when
// found, draws a push button otherwise than Fusion does (its control libraries were found).
// Fails when the nuvelkit style is found but cannot be made or draws as Fusion.
#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <memory>

namespace {

QImage Drawn(QStyle* style) {
    QPushButton button("OK");
    button.setStyle(style);
    button.resize(100, 32);
    return button.grab().toImage();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList keys = QStyleFactory::keys();
    for (const QString& key : keys)
        std::printf("%s\n", qPrintable(key));
    if (!keys.contains("nuvelkit", Qt::CaseInsensitive)) return 0;
    const std::unique_ptr<QStyle> ours(QStyleFactory::create("nuvelkit"));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    if (!ours) {
        std::fprintf(stderr, "the nuvelkit style cannot be made\n");
        return 1;
    }
    if (Drawn(ours.get()) == Drawn(fusion.get())) {
        std::fprintf(stderr, "the nuvelkit style draws a push button as Fusion does\n");
        return 1;
    }
    return 0;
}
