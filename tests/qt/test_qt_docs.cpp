// docs/qt.md lists every widget property with its member's help string, as the tables have
// them: a new member, a renamed one or a changed help string shows here until the list is
// brought up to date (the expected list is written beside the test binary).
#include "qt/kit.h"
#include "qt/member_help.h"
#include "qt/widgets.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaProperty>
#include <gtest/gtest.h>

namespace nk::qt::testing {
namespace {

// The list's section for one class: a row per property, in the widget's order.
QString ClassSection(const QMetaObject& meta, const char* className) {
    const InterfaceTable* table = findClass(QLatin1String(className));
    if (!table) return QStringLiteral("no class %1\n").arg(QLatin1String(className));
    QString out =
        QStringLiteral("### %1\n\n| Property | Help |\n|---|---|\n").arg(QLatin1String(className));
    for (int i = ControlWidget::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i) {
        const QString name = QLatin1String(meta.property(i).name());
        QString help = memberHelp(*table, name);
        help.replace('|', QStringLiteral("\\|"));
        out += QStringLiteral("| `%1` | %2 |\n").arg(name, help);
    }
    return out;
}

QString PropertyList() {
    // Sections apart by one blank line.
    return QStringList{ClassSection(NuvelCommand::staticMetaObject, "NuvelCommand"),
                       ClassSection(NuvelHCommand::staticMetaObject, "NuvelHCommand"),
                       ClassSection(NuvelSphere::staticMetaObject, "NuvelSphere"),
                       ClassSection(NuvelCheck::staticMetaObject, "NuvelCheck"),
                       ClassSection(NuvelScreen::staticMetaObject, "NuvelScreen"),
                       ClassSection(NuvelFill::staticMetaObject, "NuvelFill"),
                       ClassSection(NuvelPad::staticMetaObject, "NuvelPad")}
        .join('\n');
}

TEST(QtDocs, TheGuideListsEveryPropertyWithItsHelpString) {
    QFile doc(QStringLiteral(NK_QT_DOC));
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly)) << NK_QT_DOC;
    const QString text = QString::fromUtf8(doc.readAll());
    const QString expected = PropertyList();
    if (text.contains(expected)) return;
    const QString written = QCoreApplication::applicationDirPath() + "/qt_properties.md";
    QFile out(written);
    if (out.open(QIODevice::WriteOnly)) out.write(expected.toUtf8());
    ADD_FAILURE() << NK_QT_DOC << " does not hold the property list the tables give; it is in "
                  << written.toStdString();
}

} // namespace
} // namespace nk::qt::testing
