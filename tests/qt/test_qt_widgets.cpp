// The generated widget classes: properties in Qt's types with their change signals, the
// events as signals whose by-reference arguments a slot may change, the methods as
// invokables, the form timer and the about dialog.
#include "host/surface/surface_canvas.h"
#include "qt/form_timer.h"
#include "qt/modal_dialog.h"
#include "qt/widgets.h"
#include "qt_fixture.h"
#include "set1/about/about.h"
#include "set1/about/about_layout.h"

#include <QMessageBox>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTimer>

namespace nk::qt::testing {
namespace {

template <class W> W* Placed(QWidget& form) {
    auto* w = new W(&form);
    w->setObjectName(QString::fromUtf8(W::kClassName.data(), W::kClassName.size()) + "1");
    return w;
}

TEST(QtWidgets, EveryPropertyReadsAndWritesBackInQtTypes) {
    QWidget form;
    std::vector<ControlWidget*> widgets = {Placed<NuvelCommand>(form), Placed<NuvelHCommand>(form),
                                           Placed<NuvelSphere>(form),  Placed<NuvelCheck>(form),
                                           Placed<NuvelScreen>(form),  Placed<NuvelFill>(form),
                                           Placed<NuvelPad>(form)};
    int properties = 0;
    for (ControlWidget* w : widgets) {
        ASSERT_TRUE(w->hasControl()) << w->error().toStdString();
        const QMetaObject* meta = w->metaObject();
        for (int i = ControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount();
             ++i) {
            const QMetaProperty p = meta->property(i);
            SCOPED_TRACE(w->controlClass().toStdString() + "." + p.name());
            const QVariant v = p.read(w);
            ASSERT_TRUE(v.isValid());
            if (p.metaType() != QMetaType::fromType<QVariant>()) {
                EXPECT_EQ(v.metaType(), p.metaType());
            }
            ASSERT_TRUE(p.hasNotifySignal());
            if (!p.isWritable()) continue;
            EXPECT_TRUE(p.write(w, v));
            if (v.metaType() == QMetaType::fromType<QPixmap>()) // pixmaps do not compare
                EXPECT_EQ(p.read(w).value<QPixmap>().isNull(), v.value<QPixmap>().isNull());
            else
                EXPECT_EQ(p.read(w), v);
            ++properties;
        }
    }
    EXPECT_GT(properties, 100);
}

TEST(QtWidgets, SettingAPropertyReachesTheControlAndSignalsTheChangeOnce) {
    QWidget form;
    auto* w = Placed<NuvelCommand>(form);
    QSignalSpy caption(w, &NuvelCommand::captionChanged);
    QSignalSpy shadow(w, &NuvelCommand::hasShadowChanged); // a plain field
    w->setCaption("Hello");
    w->setProperty("hasShadow", true);
    EXPECT_EQ(VariantToString(*w->member("Caption")), "Hello");
    EXPECT_EQ(w->property("caption").toString(), "Hello");
    EXPECT_TRUE(w->hasShadow());
    EXPECT_EQ(caption.count(), 1);
    EXPECT_EQ(shadow.count(), 1);

    w->setShadowColor(QColor(10, 20, 30));
    EXPECT_EQ(w->member("ShadowColor")->ToColor(), RGB(10, 20, 30));
    QImage icon(8, 8, QImage::Format_ARGB32);
    icon.fill(QColor(200, 0, 0));
    w->setSideIcon(QPixmap::fromImage(icon));
    EXPECT_EQ(w->member("SideIcon")->picture()->Width(), 8);
    EXPECT_EQ(w->sideIcon().toImage().pixel(3, 3), QColor(200, 0, 0).rgb());
    w->setSideIcon(QPixmap());
    EXPECT_FALSE(HasImage(w->member("SideIcon")->picture()));
}

TEST(QtWidgets, AResetBringsBackTheSystemColourTheControlStartsWith) {
    QWidget form;
    auto* w = Placed<NuvelSphere>(form);
    const std::optional<OleColor> initial = w->member("ForeColor")->ToColor();
    ASSERT_TRUE(initial && (*initial & kSystemColorBit));
    const QMetaProperty p =
        w->metaObject()->property(w->metaObject()->indexOfProperty("foreColor"));
    ASSERT_TRUE(p.isResettable());
    w->setForeColor(Qt::red);
    EXPECT_EQ(w->member("ForeColor")->ToColor(), RGB(255, 0, 0));
    EXPECT_TRUE(p.reset(w));
    EXPECT_EQ(w->member("ForeColor")->ToColor(), initial);
}

TEST(QtWidgets, EventsArriveAsSignalsAndASlotMayChangeTheirArguments) {
    for (bool moveOut : {false, true}) {
        SCOPED_TRACE(moveOut);
        auto form = ShownForm();
        auto* w = Placed<NuvelCommand>(*form);
        w->move(10, 10);
        ASSERT_TRUE(Show(*form));
        w->setCoolButton(true);
        QSignalSpy clicked(w, &NuvelCommand::clicked);
        std::vector<float> seen;
        // A slot connected directly sees the arguments by reference: moving X out of the
        // control keeps the hover look from starting.
        QObject::connect(w, &NuvelCommand::mouseMove, w, [&](short&, short&, float& x, float&) {
            seen.push_back(x);
            if (moveOut) x = -1;
        });
        MoveTo(*w, QPoint(40, 30));
        ASSERT_FALSE(seen.empty());
        EXPECT_FLOAT_EQ(seen.front(), 40);
        EXPECT_EQ(w->formControl()->host().captured(), !moveOut);
        Click(*w, QPoint(40, 30));
        EXPECT_EQ(clicked.count(), 1);
    }
}

TEST(QtWidgets, AKeyArgumentChangedByASlotIsWhatTheControlGoesOnWith) {
    auto form = ShownForm();
    auto* w = Placed<NuvelCommand>(*form);
    ASSERT_TRUE(Show(*form));
    w->setFocus();
    QSignalSpy clicked(w, &NuvelCommand::clicked);
    // Space presses the button; a slot that turns it into another key leaves it at rest.
    QObject::connect(w, &NuvelCommand::keyDown, w, [](short& code, short&) { code = 65; });
    QTest::keyClick(w, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 1); // the key test of KeyDown used the code as delivered
}

TEST(QtWidgets, MethodsAreInvokable) {
    QWidget form;
    auto* pad = Placed<NuvelPad>(form);
    ASSERT_TRUE(pad->hasControl());
    const int x = pad->xValue();
    EXPECT_TRUE(QMetaObject::invokeMethod(pad, "tweakRight"));
    EXPECT_NE(pad->xValue(), x);
    auto* screen = Placed<NuvelScreen>(form);
    int error = 0;
    EXPECT_TRUE(QMetaObject::invokeMethod(screen, "loadScreenDataFile", Q_RETURN_ARG(int, error),
                                          Q_ARG(QString, "/no/such/file.dat")));
    EXPECT_EQ(error, 76); // the folder is not there: path not found
}

TEST(QtWidgets, TheFormTimerStepsEveryNuvelkitWidgetUnderTheForm) {
    QWidget form;
    Placed<NuvelCommand>(form);
    auto* inner = new QWidget(&form);
    Placed<NuvelPad>(*inner);
    new QWidget(&form); // not one of the kit's
    FormTimer timer(&form, 20);
    EXPECT_EQ(timer.interval(), 20);
    EXPECT_EQ(timer.step(), 2);
    // A pad pushed right goes on moving at each step.
    auto* pad = inner->findChild<NuvelPad*>();
    pad->forceRight();
    const int before = pad->xValue();
    timer.step();
    timer.step();
    EXPECT_GT(pad->xValue(), before);
    delete pad;
    EXPECT_EQ(timer.step(), 1);
}

// Runs `fn` on the modal dialog once it is shown.
template <class Fn> void WhenModal(Fn fn) {
    QTimer::singleShot(0, [fn] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) fn(modal);
    });
}

TEST(QtWidgets, TheAboutDialogShowsTheKitsFormAndExplainsAFailedOpen) {
    auto form = ShownForm();
    auto* sphere = Placed<NuvelSphere>(*form);
    ASSERT_TRUE(Show(*form));
    sphere->formControl()->host().hooks().shell = [](const std::string&) { return 2; };
    std::string title, text;
    bool drawn = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<ModalDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle().toStdString(), kAboutTitle);
        SurfaceCanvas canvas(kAboutFormWidth, kAboutFormHeight, kButtonFace, kButtonText, Font{});
        DrawAboutForm(canvas, sphere->formControl()->host().LoadResPicture(nuvset1::kAboutLogo));
        const QImage shown = dialog->formImage();
        drawn = shown.pixel(200, 60) == canvas.pixels().At(200, 60) &&
                shown.pixel(10, 330) == canvas.pixels().At(10, 330);
        const AboutElement* web = FindAboutElement("Command2");
        const AboutElement* ok = FindAboutElement("Command1");
        // The message box of the failed open comes up inside the click: read it, close it.
        WhenModal([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(message, nullptr);
            title = message->windowTitle().toStdString();
            text = message->text().toStdString();
            message->accept();
        });
        const QPoint webAt(int(web->left + web->width / 2), int(web->top + web->height / 2));
        QTest::mouseClick(dialog, Qt::LeftButton, {}, webAt);
        const QPoint okAt(int(ok->left + ok->width / 2), int(ok->top + ok->height / 2));
        QTest::mouseClick(dialog, Qt::LeftButton, {}, okAt);
    });
    sphere->aboutMe();
    EXPECT_TRUE(drawn);
    EXPECT_EQ(title, "File Access Error");
    EXPECT_EQ(text, "The Address was not Found.");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace nk::qt::testing
