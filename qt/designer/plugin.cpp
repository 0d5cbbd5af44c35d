// The Qt Designer plugin of the kit: one custom-widget interface per widget class, gathered in
// one collection. Widgets made here are in design mode: they draw as placed and take no input.
#include "framework/interface_table.h"
#include "framework/variant.h"
#include "host/forms/form.h"
#include "qt/kit.h"
#include "qt/member_help.h"
#include "qt/widgets.h"

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLinearGradient>
#include <QMetaProperty>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <dlfcn.h>

#include <functional>
#include <memory>
#include <vector>

namespace nk::qt {
namespace {

// The shape a widget-box icon draws.
enum class IconShape { Pill, Bar, Sphere, Check, Screen, Fill, Pad };

// What Designer needs to know of one widget class.
struct WidgetEntry {
    QString name;      // the C++ class, "nk::qt::NuvelCommand"
    QString shortName; // "NuvelCommand"
    QSize designSize;
    IconShape shape;
    int toolboxImage; // the library's own toolbox bitmap, 0 where it has none
    QString toolTip;
    QString whatsThis;
    std::function<ControlWidget*(QWidget*)> make;
};

QLinearGradient Gloss(QRectF r, QColor base) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, base.lighter(170));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(140));
    return g;
}

// A 24 x 24 icon in the kit's glossy style: a blue gradient body with a dark outline.
QIcon DrawIcon(IconShape shape) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(40, 110, 220);
    p.setPen(QPen(QColor(20, 40, 90), 1));
    switch (shape) {
    case IconShape::Pill:
        p.setBrush(Gloss(QRectF(2, 6, 20, 12), blue));
        p.drawRoundedRect(QRectF(2.5, 6.5, 19, 11), 5.5, 5.5);
        break;
    case IconShape::Bar:
        p.setBrush(Gloss(QRectF(1, 8, 22, 8), blue));
        p.drawRoundedRect(QRectF(1.5, 8.5, 21, 7), 2, 2);
        break;
    case IconShape::Sphere:
        p.setBrush(Gloss(QRectF(3, 3, 18, 18), blue));
        p.drawEllipse(QRectF(3.5, 3.5, 17, 17));
        break;
    case IconShape::Check:
        p.setBrush(Gloss(QRectF(3, 5, 14, 14), blue));
        p.drawRoundedRect(QRectF(3.5, 5.5, 13, 13), 3, 3);
        p.setPen(QPen(Qt::white, 2));
        p.drawPolyline(QPolygonF({QPointF(6, 12), QPointF(9, 15), QPointF(14, 8)}));
        break;
    case IconShape::Screen:
        p.setBrush(Gloss(QRectF(2, 3, 20, 18), QColor(30, 30, 40)));
        p.drawRect(QRectF(2.5, 3.5, 19, 17));
        break;
    case IconShape::Fill:
        p.setBrush(QColor(230, 230, 235));
        p.drawRoundedRect(QRectF(1.5, 8.5, 21, 7), 3.5, 3.5);
        p.setBrush(Gloss(QRectF(1, 8, 14, 8), QColor(40, 180, 70)));
        p.drawRoundedRect(QRectF(1.5, 8.5, 13, 7), 3.5, 3.5);
        break;
    case IconShape::Pad: {
        p.setBrush(Gloss(QRectF(2, 2, 20, 20), blue));
        QPainterPath cross;
        cross.addRect(QRectF(8.5, 2.5, 7, 19));
        cross.addRect(QRectF(2.5, 8.5, 19, 7));
        p.drawPath(cross.simplified());
        break;
    }
    }
    return QIcon(pixmap);
}

// The toolbox bitmap `id` of the library serving `className`, read through a control of the
// class; a null icon when the library or the bitmap cannot be had.
QIcon ToolboxIcon(const QString& className, int id) {
    ControlWidget probe(className);
    if (!probe.hasControl()) return {};
    const QPixmap pixmap = pictureToQt(probe.formControl()->host().LoadResPicture(id));
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

// The folder holding this plugin's file.
QString PluginFolder() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&PluginFolder), &info) || !info.dli_fname) return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

// Points the widgets at the control libraries that came with the plugin: <build>/lib beside
// <build>/plugins/designer in a build tree, <prefix>/lib above <prefix>/lib/qt6/plugins/designer
// when installed. Elsewhere the widgets search as they always do.
void UseLibrariesBesidePlugin() {
    const QString plugin = PluginFolder();
    if (plugin.isEmpty()) return;
    const QDir dir(plugin);
    for (const char* relative : {"../../lib", "../../.."}) {
        const QString folder = QDir::cleanPath(dir.absoluteFilePath(QLatin1String(relative)));
        if (QFileInfo::exists(folder + QStringLiteral("/libnuvset1.so.1"))) {
            setControlFolder(folder);
            return;
        }
    }
}

template <class W>
WidgetEntry Entry(const char* shortName, QSize size, IconShape shape, int toolboxImage,
                  const char* toolTip, const char* whatsThis) {
    return WidgetEntry{QStringLiteral("nk::qt::") + QLatin1String(shortName),
                       QLatin1String(shortName),
                       size,
                       shape,
                       toolboxImage,
                       QLatin1String(toolTip),
                       QLatin1String(whatsThis),
                       [](QWidget* parent) -> ControlWidget* { return new W(parent); }};
}

std::vector<WidgetEntry> Entries() {
    return {
        Entry<NuvelCommand>("NuvelCommand", {250, 100}, IconShape::Pill, 0, "Glossy command button",
                            "A glossy push button with a caption, side icons, a glow on "
                            "hover and optional picture modes."),
        Entry<NuvelHCommand>("NuvelHCommand", {175, 32}, IconShape::Bar, 0,
                             "Glossy horizontal command bar",
                             "A flat, wide command button drawn as a glossy bar."),
        Entry<NuvelSphere>("NuvelSphere", {32, 32}, IconShape::Sphere, 0, "Glossy sphere button",
                           "A round glossy button; its see-through corners let clicks through."),
        Entry<NuvelCheck>("NuvelCheck", {120, 30}, IconShape::Check, 0, "Glossy check box",
                          "A check box with a glossy box and a caption."),
        Entry<NuvelScreen>("NuvelScreen", {320, 256}, IconShape::Screen, 0, "Display screen",
                           "A dark screen pane that shows text and pictures."),
        Entry<NuvelFill>("NuvelFill", {200, 42}, IconShape::Fill, 30000, "Glossy fill bar",
                         "A progress bar with glossy end caps, filled from 0 to 100."),
        Entry<NuvelPad>("NuvelPad", {150, 120}, IconShape::Pad, 30001, "Directional pad",
                        "A pad with four direction buttons that raise events while held."),
    };
}

// The object name Designer gives the first widget of a class: "nuvelCommand".
QString DomName(const WidgetEntry& entry) {
    return entry.shortName.left(1).toLower() + entry.shortName.mid(1);
}

// The help strings of a class's members, as tool tips for Designer's property editor.
QString PropertyToolTips(ControlWidget& probe) {
    FormControl* control = probe.formControl();
    if (!control) return {};
    QString tips;
    const QMetaObject* meta = probe.metaObject();
    for (int i = ControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QString name = QLatin1String(meta->property(i).name());
        const QString help = memberHelp(control->table(), name);
        if (!help.isEmpty())
            tips += QStringLiteral("    <tooltip name=\"%1\">%2</tooltip>\n")
                        .arg(name, help.toHtmlEscaped());
    }
    return tips;
}

// The domXml of a class: its design size as the geometry, the caption where a new control
// takes it from its display name (Designer names the first widget as the domXml does), and the
// members' help strings as the properties' tool tips. Designer writes every property a domXml
// names into the form as set by the user, so it names no other: the widget that createWidget
// makes starts with the class's initial values, and Designer's property editor reads them, and
// their defaults, from it.
QString DomXml(const WidgetEntry& entry) {
    QString caption;
    std::unique_ptr<ControlWidget> probe(entry.make(nullptr));
    probe->setDesignMode(true);
    probe->setObjectName(DomName(entry));
    if (probe->property("caption").toString() == DomName(entry))
        caption = QStringLiteral("  <property name=\"caption\"><string>%1</string></property>\n")
                      .arg(DomName(entry));
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n%5"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%1</class>\n"
                          "   <propertyspecifications>\n%6"
                          "   </propertyspecifications>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(entry.name, DomName(entry))
        .arg(entry.designSize.width())
        .arg(entry.designSize.height())
        .arg(caption, PropertyToolTips(*probe));
}

// One widget class as Designer sees it.
class WidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    WidgetPlugin(WidgetEntry entry, QObject* parent) : QObject(parent), entry_(std::move(entry)) {}

    QString name() const override { return entry_.name; }
    QString group() const override { return QStringLiteral("Nuvelkit"); }
    QString toolTip() const override { return entry_.toolTip; }
    QString whatsThis() const override { return entry_.whatsThis; }
    QString includeFile() const override { return QStringLiteral("qt/widgets.h"); }
    // The library's toolbox image where it has one, else an icon drawn here in its style;
    // made when first asked for, when Qt's application object is there.
    QIcon icon() const override {
        if (icon_.isNull() && entry_.toolboxImage != 0)
            icon_ = ToolboxIcon(entry_.shortName, entry_.toolboxImage);
        if (icon_.isNull()) icon_ = DrawIcon(entry_.shape);
        return icon_;
    }
    bool isContainer() const override { return false; }
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface*) override { initialized_ = true; }

    QWidget* createWidget(QWidget* parent) override {
        ControlWidget* widget = entry_.make(parent);
        widget->setDesignMode(true);
        // Named as the domXml names it, so that a control taking its caption from the name
        // starts with the caption the domXml gives; Designer renames it afterwards.
        widget->setObjectName(DomName(entry_));
        widget->resize(entry_.designSize);
        return widget;
    }

    // The widget as Designer places it: the class's design size as its geometry, and every
    // property a new widget of the class starts with, read from one (see DomXml).
    QString domXml() const override {
        if (domXml_.isEmpty()) domXml_ = DomXml(entry_);
        return domXml_;
    }

private:
    WidgetEntry entry_;
    mutable QIcon icon_;
    mutable QString domXml_;
    bool initialized_ = false;
};

} // namespace

// The kit's widget classes, for Designer's widget box.
class DesignerCollection : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
public:
    explicit DesignerCollection(QObject* parent = nullptr) : QObject(parent) {
        UseLibrariesBesidePlugin();
        for (WidgetEntry& entry : Entries())
            widgets_.push_back(new WidgetPlugin(std::move(entry), this));
    }
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

private:
    QList<QDesignerCustomWidgetInterface*> widgets_;
};

} // namespace nk::qt

#include "plugin.moc"
