// The Designer plugin from the build tree: what Designer's widget box reads of each class, and
// the widgets it places, which draw but take no input.
#include "qt_fixture.h"

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QUiLoader>
#include <QXmlStreamReader>

namespace nk::qt::testing {
namespace {

QList<QDesignerCustomWidgetInterface*> PluginWidgets() {
    static QPluginLoader loader(QStringLiteral(NK_DESIGNER_PLUGIN));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    EXPECT_NE(collection, nullptr) << loader.errorString().toStdString();
    return collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>{};
}

// The class attribute of the first <widget> of a domXml text; empty when it does not parse.
QString DomClass(const QString& xml) {
    QXmlStreamReader reader(xml);
    QString found;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && found.isEmpty() &&
            reader.name() == QLatin1String("widget"))
            found = reader.attributes().value(QLatin1String("class")).toString();
    }
    return reader.hasError() ? QString() : found;
}

TEST(DesignerPlugin, ListsTheSevenClassesInTheNuvelkitGroup) {
    const auto widgets = PluginWidgets();
    ASSERT_EQ(widgets.size(), 7);
    QStringList names;
    for (QDesignerCustomWidgetInterface* w : widgets) {
        SCOPED_TRACE(w->name().toStdString());
        names << w->name();
        EXPECT_EQ(w->group(), QStringLiteral("Nuvelkit"));
        EXPECT_FALSE(w->icon().isNull());
        // The fill bar's and the pad's library has toolbox images (16 x 15); the other
        // five get the plugin's own drawn icons (24 x 24).
        const bool set2 = w->name().endsWith("Fill") || w->name().endsWith("Pad");
        EXPECT_EQ(w->icon().availableSizes(), QList<QSize>{set2 ? QSize(16, 15) : QSize(24, 24)});
        EXPECT_FALSE(w->toolTip().isEmpty());
        EXPECT_FALSE(w->whatsThis().isEmpty());
        EXPECT_EQ(w->includeFile(), QStringLiteral("qt/widgets.h"));
        EXPECT_EQ(DomClass(w->domXml()), w->name());
        EXPECT_FALSE(w->isContainer());
    }
    names.sort();
    EXPECT_EQ(names.join(' '), QStringLiteral("nk::qt::NuvelCheck nk::qt::NuvelCommand "
                                              "nk::qt::NuvelFill nk::qt::NuvelHCommand "
                                              "nk::qt::NuvelPad nk::qt::NuvelScreen "
                                              "nk::qt::NuvelSphere"));
}

// Spies on the event signals a widget class declares whose arguments Qt can copy (not the
// change notifications); the events with by-reference arguments are watched at the control's
// side by the Recorder test below.
std::vector<std::unique_ptr<QSignalSpy>> EventSpies(QWidget* w) {
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    const QMetaObject* meta = w->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() == QMetaMethod::Signal && !m.name().endsWith("Changed") &&
            !m.methodSignature().contains('&'))
            spies.push_back(std::make_unique<QSignalSpy>(w, m));
    }
    return spies;
}

TEST(DesignerPlugin, PlacedWidgetsHaveTheirClassAndDesignSizeAndRaiseNoEvents) {
    for (QDesignerCustomWidgetInterface* plugin : PluginWidgets()) {
        SCOPED_TRACE(plugin->name().toStdString());
        auto form = ShownForm(400, 300);
        QWidget* w = plugin->createWidget(form.get());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(QString::fromLatin1(w->metaObject()->className()), plugin->name());
        // The plugin carries its own copy of the widget classes, so Qt's cast (which compares
        // meta-objects) does not see the base; the C++ cast compares the types by name.
        auto* control = dynamic_cast<ControlWidget*>(w);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->designMode());
        EXPECT_EQ(w->size(), w->sizeHint());
        ASSERT_TRUE(Show(*form));
        const auto spies = EventSpies(w);
        EXPECT_FALSE(spies.empty());
        const QPoint centre(w->width() / 2, w->height() / 2);
        MoveTo(*w, centre);
        Click(*w, centre);
        QTest::keyClick(w, Qt::Key_Space);
        for (const auto& spy : spies)
            EXPECT_EQ(spy->count(), 0) << spy->signal().toStdString();
        // Property edits still reach the control and change what it draws (the buttons and
        // the check box always show their caption).
        const Image before = control->composed();
        EXPECT_FALSE(before.pixels.empty());
        if (plugin->name().endsWith("Command") || plugin->name().endsWith("Check")) {
            ASSERT_TRUE(w->setProperty("caption", QStringLiteral("Edited in the designer")));
            EXPECT_EQ(w->property("caption").toString(), QStringLiteral("Edited in the designer"));
            EXPECT_NE(control->composed().pixels, before.pixels);
        }
    }
}

TEST(DesignerPlugin, DesignModeIsWhatSilencesTheControl) {
    auto form = ShownForm(400, 300);
    Recorder live("NuvelCommand", form.get());
    Recorder placed("NuvelCommand", form.get());
    placed.setDesignMode(true);
    placed.move(0, 120);
    live.resize(250, 100);
    placed.resize(250, 100);
    ASSERT_TRUE(Show(*form));
    for (Recorder* w : {&live, &placed}) {
        MoveTo(*w, QPoint(125, 50));
        Click(*w, QPoint(125, 50));
    }
    EXPECT_FALSE(live.events.empty());
    EXPECT_TRUE(placed.events.empty());
}

TEST(DesignerPlugin, TheExampleFormLoadsThroughThePluginWithItsSavedValues) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(NK_DESIGNER_PLUGIN)).absolutePath());
    QFile file(QStringLiteral(NK_DESIGNER_FORM));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    struct Saved {
        const char* name;
        const char* className;
        QSize size;
        const char* caption; // nullptr: none saved
    };
    const Saved saved[] = {
        {"nuvelCommand", "nk::qt::NuvelCommand", {250, 100}, "Start"},
        {"nuvelHCommand", "nk::qt::NuvelHCommand", {175, 32}, "Options"},
        {"nuvelSphere", "nk::qt::NuvelSphere", {32, 32}, nullptr},
        {"nuvelCheck", "nk::qt::NuvelCheck", {120, 30}, "Enable"},
        {"nuvelScreen", "nk::qt::NuvelScreen", {320, 256}, nullptr},
        {"nuvelFill", "nk::qt::NuvelFill", {200, 42}, nullptr},
        {"nuvelPad", "nk::qt::NuvelPad", {150, 120}, nullptr},
    };
    for (const Saved& s : saved) {
        SCOPED_TRACE(s.name);
        auto* w = form->findChild<QWidget*>(QLatin1String(s.name));
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(w->metaObject()->className(), s.className);
        EXPECT_EQ(w->size(), s.size);
        if (s.caption) {
            EXPECT_EQ(w->property("caption").toString(), QLatin1String(s.caption));
        }
    }
}

} // namespace
} // namespace nk::qt::testing
