// A form setting a value of every kind of property (enumerations in both spellings form
// designers write, singles as doubles, pictures from a Qt resource, colours, a font, Booleans)
// on several classes: compiled by uic into these tests, loaded by QUiLoader through the
// build-tree plugin, and saved back by Qt's form builder, each giving the values the form sets.
#include "qt_fixture.h"
#include "ui_every_kind.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QUiLoader>
#ifdef NK_FORM_BUILDER
#include <QFormBuilder>
#endif

namespace nk::qt::testing {
namespace {

// A property the form sets and the value the widget must have for it.
struct Expected {
    const char* widget;
    const char* property;
    QVariant value;
};

QPixmap Icon() {
    return QPixmap(QStringLiteral(":/nk_forms/icon.png"));
}

template <class E> QVariant Enum(E value) {
    return QVariant::fromValue(value);
}

std::vector<Expected> Rows() {
    QFont font(QStringLiteral("DejaVu Sans"), 14);
    font.setBold(true);
    return {
        // Designer 6.4 writes Class::Value, later Designers Class::Enumeration::Value.
        {"command", "backPicture", Enum(NuvelCommand::NKBackPics::NKCyanWater)},
        {"command", "pictureMode", Enum(NuvelCommand::NKPicStyles::HalfSize)},
        {"command", "sideIconHeight", 20.5},
        // A single comes back as the number the form wrote, not its nearest double.
        {"command", "gradientBrightness", 0.1},
        {"command", "sideIcon", Icon()},
        {"command", "coolGlowColor", QColor(0, 128, 0)},
        {"command", "gradientInverted", true},
        {"command", "font", font},
        {"check", "value", Enum(NuvelCheck::NKBiState::NKChecked)},
        {"check", "nuvelCheckType", Enum(NuvelCheck::NKChkType::NKCustom)},
        {"check", "pictureCheck", Icon()},
        {"check", "foreColor", QColor(255, 255, 0)},
        {"check", "showFocus", true},
        // "None" names a value of both the caption's and the border's enumeration.
        {"fill", "captionStyle", Enum(NuvelFill::NKFillCaptionStyle::None)},
        {"fill", "borderStyle", Enum(NuvelFill::NKFillBorderStyle::FixedSingle)},
        {"fill", "pictureFill", Icon()},
        {"fill", "backColor", QColor(32, 32, 32)},
        {"fill", "value", 42.5},
        {"pad", "borderStyle", Enum(NuvelPad::NKFillBorderStyle::FixedSingle)},
        {"pad", "xValue", -2.25},
        // The form writes 16777217, which a single holds as its nearest, 16777216.
        {"pad", "yValue", 16777216.0},
        {"pad", "useDirectionShortKeys", true},
        {"sphere", "sphereType", Enum(NuvelSphere::NvlSphereTypeEnum::NvlSphereVortex)},
        {"sphere", "contentType", Enum(NuvelSphere::NvlSphrContentTypeEnum::NvlCntIcon)},
        {"sphere", "contentIcon", Icon()},
    };
}

// Whether a widget's value is the one expected: an enumeration by its type's name and value
// (the plugin carries its own copy of the classes), a picture by its pixels, a font by the
// parts the form sets.
bool Same(const QVariant& expected, const QVariant& live, std::string* why) {
    *why = "live value " + live.toString().toStdString() + " of type " + live.typeName();
    if (expected.metaType().flags() & QMetaType::IsEnumeration)
        return QByteArray(live.typeName()) == expected.typeName() &&
               live.toInt() == expected.toInt();
    if (expected.typeId() == QMetaType::QPixmap)
        return !live.value<QPixmap>().isNull() &&
               sameInQt(expected.value<QPixmap>(), live.value<QPixmap>());
    if (expected.typeId() == QMetaType::QFont) {
        const QFont a = expected.value<QFont>(), b = live.value<QFont>();
        *why = "live font " + b.toString().toStdString();
        return a.family() == b.family() && a.pointSize() == b.pointSize() && a.bold() == b.bold();
    }
    return live.metaType() == expected.metaType() && live == expected;
}

enum class Pictures { Checked, Skipped };

void ExpectFormValues(QWidget& form, Pictures pictures = Pictures::Checked) {
    ASSERT_FALSE(Icon().isNull()) << "the form's picture is not among the resources";
    for (const Expected& row : Rows()) {
        if (pictures == Pictures::Skipped && row.value.typeId() == QMetaType::QPixmap) continue;
        SCOPED_TRACE(std::string(row.widget) + "." + row.property);
        QWidget* w = form.findChild<QWidget*>(QLatin1String(row.widget));
        ASSERT_NE(w, nullptr);
        std::string why;
        EXPECT_TRUE(Same(row.value, w->property(row.property), &why)) << why;
    }
}

TEST(DesignerForms, UicOutputSetsEveryKindOfProperty) {
    QWidget form;
    Ui::EveryKindForm ui;
    ui.setupUi(&form);
    ExpectFormValues(form);
    // The typed getters give the enumeration types themselves.
    EXPECT_EQ(ui.command->backPicture(), NuvelCommand::NKCyanWater);
    EXPECT_EQ(ui.fill->captionStyle(), NuvelFill::NKFillCaptionStyle::None);
    EXPECT_EQ(ui.fill->borderStyle(), NuvelFill::FixedSingle);
}

QString PluginFolder() {
    return QFileInfo(QStringLiteral(NK_DESIGNER_PLUGIN)).absolutePath();
}

std::unique_ptr<QWidget> Load(QIODevice& device) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(PluginFolder());
    std::unique_ptr<QWidget> form(loader.load(&device));
    EXPECT_NE(form, nullptr) << loader.errorString().toStdString();
    return form;
}

std::unique_ptr<QWidget> LoadFile() {
    QFile file(QStringLiteral(NK_EVERY_KIND_FORM));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << NK_EVERY_KIND_FORM;
    return Load(file);
}

TEST(DesignerForms, TheLoaderThroughThePluginSetsTheSameValues) {
    const auto form = LoadFile();
    ASSERT_NE(form, nullptr);
    ExpectFormValues(*form);
}

#ifdef NK_FORM_BUILDER
// Qt's form builder as an application saves with it. Qt 6.4's writes an enumeration only from
// an int, and a property gives its enumeration's own type (Qt's own, focusPolicy, too), so
// those are handed over as ints. A picture is written by the file or resource it came from,
// which a pixmap does not carry (Designer's form editor keeps it beside the widget), so the
// form builder writes none: pictures are left out of the values saved this way.
class FormSaver : public QFormBuilder {
protected:
    DomProperty* createProperty(QObject* object, const QString& name,
                                const QVariant& value) override {
        if (value.metaType().flags() & QMetaType::IsEnumeration)
            return QFormBuilder::createProperty(object, name, value.toInt());
        return QFormBuilder::createProperty(object, name, value);
    }
};

TEST(DesignerForms, ALoadedFormSavedAndLoadedAgainKeepsItsValues) {
    const auto form = LoadFile();
    ASSERT_NE(form, nullptr);
    QByteArray saved;
    QBuffer out(&saved);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    FormSaver saver;
    saver.addPluginPath(PluginFolder());
    saver.save(&out, form.get());
    QBuffer in(&saved);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const auto again = Load(in);
    ASSERT_NE(again, nullptr);
    ExpectFormValues(*again, Pictures::Skipped);
    // What was saved of the form is saved again unchanged.
    QByteArray resaved;
    QBuffer out2(&resaved);
    ASSERT_TRUE(out2.open(QIODevice::WriteOnly));
    saver.save(&out2, again.get());
    EXPECT_EQ(QString::fromUtf8(resaved).toStdString(), QString::fromUtf8(saved).toStdString());
}
#endif

} // namespace
} // namespace nk::qt::testing
