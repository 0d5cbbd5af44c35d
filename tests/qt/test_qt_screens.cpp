// A widget whose window moves to a screen of another device pixel ratio draws again at the
// new ratio. The ctest entry qt_widgets_across_two_screens gives Qt's offscreen platform two
// screens, of ratios 1 and 2; elsewhere there is one screen and these tests are skipped.
#include "host/hosts/compose.h"
#include "qt_fixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace nk::qt::testing {
namespace {

// The first screen of ratio `ratio`, or nullptr.
QScreen* ScreenOfRatio(qreal ratio) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->devicePixelRatio() == ratio) return s;
    return nullptr;
}

// Whether this process has the two screens; in the entry that asks for them, their absence
// is a fault of the set-up, not a reason to skip.
bool HaveTwoRatios() {
    const bool there = ScreenOfRatio(1.0) && ScreenOfRatio(2.0);
    if (!there && !qEnvironmentVariableIsEmpty("QT_SCREEN_SCALE_FACTORS"))
        ADD_FAILURE() << "QT_SCREEN_SCALE_FACTORS is set but no screens of ratios 1 and 2";
    return there;
}

// A shown form on `screen`, from before its widgets are made.
std::unique_ptr<QWidget> FormOn(QScreen* screen) {
    auto form = ShownForm(300, 200);
    form->setScreen(screen);
    form->move(screen->geometry().topLeft() + QPoint(50, 50));
    return form;
}

// A widget of class `cls` on `form`, named as the reference names its control.
ControlWidget* Place(const char* cls, QWidget& form) {
    auto* w = new ControlWidget(cls, &form);
    w->setObjectName(QString(cls) + "1");
    w->move(20, 20);
    return w;
}

void MoveWindowTo(QWidget& form, QScreen* screen) {
    form.windowHandle()->setScreen(screen);
    QCoreApplication::processEvents();
}

// The widget draws at `ratio`: its surface, its painted image and its pixels are the kit's
// composition of the same control at that scale.
void ExpectDrawnAt(ControlWidget& w, double ratio) {
    EXPECT_DOUBLE_EQ(w.devicePixelRatioF(), ratio);
    EXPECT_DOUBLE_EQ(w.formControl()->host().surface().scale(), ratio);
    const QImage shown = w.grab().toImage();
    EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), ratio);
    EXPECT_EQ(shown.width(), std::lround(w.width() * ratio));
    EXPECT_EQ(shown.height(), std::lround(w.height() * ratio));
    Reference ref(w);
    ASSERT_NE(ref.control, nullptr);
    std::string where;
    EXPECT_EQ(Differences(w, Compose(ref.control->host()), &where), 0) << where;
}

// Moved from a screen of ratio 1 to one of 2 and back, and the other way round: the widget
// follows each time, the logical size and the mask it was given stay.
TEST(QtScreens, TheWidgetDrawsAgainWhenItsWindowMovesToAScreenOfAnotherRatio) {
    if (!HaveTwoRatios()) GTEST_SKIP() << "one screen ratio only";
    struct Case {
        const char* cls;
        qreal first, then;
    };
    const Case cases[] = {
        {"NuvelCommand", 1, 2}, {"NuvelSphere", 1, 2}, {"NuvelHCommand", 2, 1},
        {"NuvelCheck", 2, 1},   {"NuvelFill", 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cls);
        auto form = FormOn(ScreenOfRatio(c.first));
        auto* w = Place(c.cls, *form);
        ASSERT_TRUE(Show(*form));
        ASSERT_TRUE(w->hasControl()) << w->error().toStdString();
        ExpectDrawnAt(*w, c.first);
        const QSize size = w->size();
        const QRegion mask = w->mask();
        for (qreal ratio : {c.then, c.first}) {
            SCOPED_TRACE(ratio);
            MoveWindowTo(*form, ScreenOfRatio(ratio));
            ExpectDrawnAt(*w, ratio);
            EXPECT_EQ(w->size(), size);
            EXPECT_EQ(w->mask(), mask);
        }
    }
}

// A widget taken into a window on a screen of another ratio follows that window's ratio.
TEST(QtScreens, AWidgetTakenIntoAWindowOnAnotherScreenDrawsAtItsRatio) {
    if (!HaveTwoRatios()) GTEST_SKIP() << "one screen ratio only";
    auto first = FormOn(ScreenOfRatio(1));
    auto second = FormOn(ScreenOfRatio(2));
    auto* w = Place("NuvelSphere", *first);
    ASSERT_TRUE(Show(*first));
    ASSERT_TRUE(Show(*second));
    ASSERT_TRUE(w->hasControl());
    ExpectDrawnAt(*w, 1);
    w->setParent(second.get());
    w->show();
    QCoreApplication::processEvents();
    ExpectDrawnAt(*w, 2);
}

// A widget hidden while its window moves (a page not shown) draws at the new ratio once it
// is shown again.
TEST(QtScreens, AWidgetHiddenWhileItsWindowMovesDrawsAtTheNewRatioWhenShown) {
    if (!HaveTwoRatios()) GTEST_SKIP() << "one screen ratio only";
    auto form = FormOn(ScreenOfRatio(2));
    auto* w = Place("NuvelCommand", *form);
    ASSERT_TRUE(Show(*form));
    ASSERT_TRUE(w->hasControl());
    ExpectDrawnAt(*w, 2);
    w->hide();
    MoveWindowTo(*form, ScreenOfRatio(1));
    w->show();
    QCoreApplication::processEvents();
    ExpectDrawnAt(*w, 1);
}

} // namespace
} // namespace nk::qt::testing
