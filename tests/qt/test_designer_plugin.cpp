// The Designer plugin from the build tree: what Designer's widget box reads of each class, and
// the widgets it places, which draw but take no input.
#include "host/hosts/compose.h"
#include "qt/member_help.h"
#include "qt_fixture.h"

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QColor>
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

// One property a form file sets: its widget, its name and its value.
struct FormProperty {
    QString widget;
    QString className;
    QString name;
    QVariant value;
};

// An enumeration value a form names, by its key ("NKCyanWater").
struct FormEnumKey {
    QString key;
};

// The value of a property element (<bool>, <enum>, <number>, <double>, <string>, <color>, <rect>),
// the reader on its first child.
QVariant ReadValue(QXmlStreamReader& reader) {
    const QString kind = reader.name().toString();
    if (kind == "color" || kind == "rect") {
        QMap<QString, int> parts;
        while (reader.readNextStartElement())
            parts[reader.name().toString()] = reader.readElementText().toInt();
        if (kind == "color") return QColor(parts["red"], parts["green"], parts["blue"]);
        return QRect(parts["x"], parts["y"], parts["width"], parts["height"]);
    }
    const QString text = reader.readElementText();
    if (kind == "bool") return text == "true";
    if (kind == "number") return text.toInt();
    if (kind == "double") return text.toDouble();
    if (kind == "string") return text;
    if (kind == "enum")
        return QVariant::fromValue(
            FormEnumKey{text.mid(text.lastIndexOf(QLatin1String("::")) + 2)});
    return {};
}

// Every property the Nuvelkit widgets of a form (or a domXml) set, in the text's order; with
// `toolTips`, the property tool tips it gives too.
std::vector<FormProperty> FormProperties(const QByteArray& text,
                                         QMap<QString, QString>* toolTips = nullptr) {
    QXmlStreamReader reader(text);
    std::vector<FormProperty> out;
    QString widget, className;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        if (reader.name() == QLatin1String("widget")) {
            className = reader.attributes().value("class").toString();
            widget = reader.attributes().value("name").toString();
        } else if (reader.name() == QLatin1String("property") && className.startsWith("nk::qt::")) {
            const QString name = reader.attributes().value("name").toString();
            reader.readNextStartElement();
            out.push_back({widget, className, name, ReadValue(reader)});
        } else if (reader.name() == QLatin1String("tooltip") && toolTips) {
            const QString name = reader.attributes().value("name").toString();
            (*toolTips)[name] = reader.readElementText();
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return out;
}

QByteArray FormText() {
    QFile file(QStringLiteral(NK_DESIGNER_FORM));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << NK_DESIGNER_FORM;
    return file.readAll();
}

std::unique_ptr<QWidget> LoadForm(const QString& path, QString* error) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(NK_DESIGNER_PLUGIN)).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    std::unique_ptr<QWidget> form(loader.load(&file));
    *error = loader.errorString();
    return form;
}

bool SameValue(const QVariant& saved, const QVariant& live) {
    if (saved.metaType() == QMetaType::fromType<FormEnumKey>())
        return (live.metaType().flags() & QMetaType::IsEnumeration) &&
               live.toString() == saved.value<FormEnumKey>().key;
    if (saved.typeId() == QMetaType::Double)
        return std::abs(saved.toDouble() - live.toDouble()) < 1e-6;
    if (saved.typeId() == QMetaType::QColor) return saved.value<QColor>() == live.value<QColor>();
    return saved == live;
}

QDesignerCustomWidgetInterface* PluginFor(const QString& className) {
    for (QDesignerCustomWidgetInterface* w : PluginWidgets())
        if (w->name() == className) return w;
    return nullptr;
}

TEST(DesignerPlugin, TheExampleFormLoadsWithAllSevenClassesAndTheValuesItSets) {
    const auto saved = FormProperties(FormText());
    QString error;
    const auto form = LoadForm(QStringLiteral(NK_DESIGNER_FORM), &error);
    ASSERT_NE(form, nullptr) << error.toStdString();
    QStringList classes;
    for (const FormProperty& p : saved) {
        SCOPED_TRACE((p.widget + "." + p.name).toStdString());
        auto* w = form->findChild<QWidget*>(p.widget);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(QLatin1String(w->metaObject()->className()), p.className);
        if (!classes.contains(p.className)) classes << p.className;
        ASSERT_TRUE(p.value.isValid()) << "a kind of value the test does not read";
        const QVariant live = w->property(p.name.toLatin1());
        EXPECT_TRUE(SameValue(p.value, live)) << live.toString().toStdString();
    }
    EXPECT_EQ(classes.size(), 7);
}

TEST(DesignerPlugin, WidgetsFromTheFormDrawAsTheKitDrawsTheSameValues) {
    const auto saved = FormProperties(FormText());
    QString error;
    const auto form = LoadForm(QStringLiteral(NK_DESIGNER_FORM), &error);
    ASSERT_NE(form, nullptr) << error.toStdString();
    ASSERT_TRUE(Show(*form));
    for (const char* name : {"nuvelCommand", "nuvelHCommand", "nuvelCheck", "nuvelScreen"}) {
        SCOPED_TRACE(name);
        auto* w = dynamic_cast<ControlWidget*>(form->findChild<QWidget*>(QLatin1String(name)));
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->hasControl()) << w->error().toStdString();
        Reference ref(*w);
        int set = 0;
        for (const FormProperty& p : saved) {
            if (p.widget != QLatin1String(name) || p.name == "geometry") continue;
            const PropertyInfo* member = memberOf(w->formControl()->table(), p.name);
            ASSERT_NE(member, nullptr) << p.name.toStdString();
            ASSERT_TRUE(ref.control->Set(member->name, *w->member(member->name)));
            ++set;
        }
        EXPECT_GT(set, 0);
        std::string where;
        EXPECT_EQ(Differences(*w, Compose(ref.control->host()), &where), 0) << where;
    }
}

// Designer writes only the properties that differ from what a placed widget starts with (its
// domXml's own included): a value equal to that start would be a default written down.
TEST(DesignerPlugin, TheExampleFormWritesNoPropertyAtItsStartingValue) {
    auto parent = std::make_unique<QWidget>();
    for (const FormProperty& p : FormProperties(FormText())) {
        SCOPED_TRACE((p.widget + "." + p.name).toStdString());
        if (p.name == "geometry") continue; // Designer always writes where a widget sits
        QDesignerCustomWidgetInterface* plugin = PluginFor(p.className);
        ASSERT_NE(plugin, nullptr);
        QWidget* fresh = plugin->createWidget(parent.get());
        fresh->setObjectName(p.widget);
        EXPECT_FALSE(SameValue(p.value, fresh->property(p.name.toLatin1())));
    }
}

// A domXml value is written into every form as set by the user, so the only one given is the
// caption that a new control takes from its name anyway, equal to the placed widget's; the
// members' help strings are the properties' tool tips.
TEST(DesignerPlugin, DomXmlGivesThePlacedWidgetsCaptionAndTheMembersHelp) {
    auto parent = std::make_unique<QWidget>();
    int captions = 0, tips = 0;
    for (QDesignerCustomWidgetInterface* plugin : PluginWidgets()) {
        SCOPED_TRACE(plugin->name().toStdString());
        auto* placed = dynamic_cast<ControlWidget*>(plugin->createWidget(parent.get()));
        ASSERT_NE(placed, nullptr);
        ASSERT_TRUE(placed->hasControl());
        QMap<QString, QString> given;
        for (const FormProperty& p : FormProperties(plugin->domXml().toUtf8(), &given)) {
            SCOPED_TRACE(p.name.toStdString());
            if (p.name == "geometry") {
                EXPECT_EQ(p.value.toRect().size(), placed->size());
                continue;
            }
            EXPECT_EQ(p.name, QStringLiteral("caption"));
            EXPECT_TRUE(SameValue(p.value, placed->property(p.name.toLatin1())));
            ++captions;
        }
        const QMetaObject* meta = placed->metaObject();
        for (int i = ControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount();
             ++i) {
            const QString name = QLatin1String(meta->property(i).name());
            const PropertyInfo* member = memberOf(placed->formControl()->table(), name);
            ASSERT_NE(member, nullptr) << name.toStdString();
            EXPECT_EQ(given.value(name), fromUtf8(member->help)) << name.toStdString();
            EXPECT_FALSE(given.value(name).isEmpty()) << name.toStdString() << " has no tool tip";
        }
        tips += given.size();
    }
    EXPECT_EQ(captions, 3); // the two command buttons and the check box
    EXPECT_GT(tips, 0);
}

} // namespace
} // namespace nk::qt::testing
