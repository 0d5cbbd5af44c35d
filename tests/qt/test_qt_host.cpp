// The Qt host: the widget shows exactly what the kit composes, and Qt's input reaches the
// control by the kit's input rules.
#include "host/hosts/compose.h"
#include "qt_fixture.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSignalSpy>

#include <cmath>

namespace nk::qt::testing {
namespace {

enum class State { Rest, Hovered, Pressed, Focused, Disabled, HalfSize, Bordered };

const char* Name(State s) {
    switch (s) {
    case State::Rest:
        return "at rest";
    case State::Hovered:
        return "hovered";
    case State::Pressed:
        return "pressed";
    case State::Focused:
        return "focused";
    case State::Disabled:
        return "disabled";
    case State::HalfSize:
        return "half size";
    case State::Bordered:
        return "with a border";
    }
    return "?";
}

const Variant kOn = Variant::Boolean(kTrue);

// Puts the Qt widget and the kit's reference into the same state, each through its own
// input path; false when the class has nothing that state needs.
bool Apply(State s, ControlWidget& w, Reference& ref) {
    const QPoint centre(w.width() / 2, w.height() / 2);
    FormControl& c = *ref.control;
    auto both = [&](std::string_view member, const Variant& v) {
        if (!ref.table->FindProperty(member)) return false;
        w.setMember(member, v);
        c.Set(member, v);
        return true;
    };
    switch (s) {
    case State::Rest:
        return true;
    case State::Hovered:
        both("CoolButton", kOn);
        both("CoolUseGlow", kOn);
        MoveTo(w, centre);
        ref.input.MouseMove(0, 0, centre.x(), centre.y());
        return true;
    case State::Pressed:
        MoveTo(w, centre);
        Press(w, centre);
        ref.input.MouseMove(0, 0, centre.x(), centre.y());
        ref.input.MouseDown(kLeftButton, 0, centre.x(), centre.y());
        return true;
    case State::Focused:
        w.setFocus(Qt::TabFocusReason);
        ref.input.Focus(&c);
        return w.hasFocus();
    case State::Disabled:
        // Qt moves the focus away before the widget hears that it is disabled.
        w.setEnabled(false);
        if (!w.controlHasFocus()) ref.input.Focus(nullptr);
        c.Set("Enabled", Variant::Boolean(kFalse));
        return ref.table->FindProperty("Enabled") != nullptr;
    case State::HalfSize:
        return both("PictureMode", Variant::Long(3));
    case State::Bordered:
        return both("BorderStyle", Variant::Integer(1));
    }
    return false;
}

TEST(QtHost, EveryClassShowsWhatTheKitComposesInEveryState) {
    const char* classes[] = {"NuvelCommand", "NuvelHCommand", "NuvelSphere", "NuvelCheck",
                             "NuvelScreen",  "NuvelFill",     "NuvelPad"};
    const State states[] = {State::Rest,     State::Hovered,  State::Pressed, State::Focused,
                            State::Disabled, State::HalfSize, State::Bordered};
    int compared = 0;
    for (const char* cls : classes) {
        for (State s : states) {
            SCOPED_TRACE(std::string(cls) + " " + Name(s));
            auto form = ShownForm();
            auto* w = new ControlWidget(cls, form.get());
            w->setObjectName("Control1");
            w->move(20, 20);
            ASSERT_TRUE(Show(*form));
            ASSERT_TRUE(w->hasControl()) << w->error().toStdString();
            Reference ref(*w);
            ASSERT_NE(ref.control, nullptr);
            if (!Apply(s, *w, ref)) continue;
            EXPECT_EQ(w->size(), QSize(ref.control->width(), ref.control->height()));
            std::string where;
            EXPECT_EQ(Differences(*w, Compose(ref.control->host()), &where), 0) << where;
            ++compared;
            if (s == State::Pressed) Release(*w, QPoint(w->width() / 2, w->height() / 2));
        }
    }
    EXPECT_GE(compared, 38);
}

// The ratio the screen has: 1, or what QT_SCALE_FACTOR asks of Qt (one ctest entry runs
// these tests at 2).
double ScreenRatio() {
    const QByteArray asked = qgetenv("QT_SCALE_FACTOR");
    return asked.isEmpty() ? 1.0 : asked.toDouble();
}

// Whether every 2x2 block of device pixels is of one colour, as in a picture drawn at 1 and
// doubled.
bool BlocksAreUniform(const QImage& image) {
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                return false;
        }
    return true;
}

// The widget paints an image of the screen's ratio with that many device pixels per pixel,
// drawn at that scale: not a picture at 1 stretched.
TEST(QtHost, TheWidgetPaintsInDevicePixelsAtTheScreensRatio) {
    const double ratio = ScreenRatio();
    for (const char* cls : {"NuvelCommand", "NuvelSphere", "NuvelCheck"}) {
        SCOPED_TRACE(cls);
        auto form = ShownForm();
        auto* w = new ControlWidget(cls, form.get());
        w->move(20, 20);
        ASSERT_TRUE(Show(*form));
        ASSERT_TRUE(w->hasControl()) << w->error().toStdString();
        EXPECT_DOUBLE_EQ(w->devicePixelRatioF(), ratio);
        EXPECT_DOUBLE_EQ(w->formControl()->host().surface().scale(), ratio);
        const QImage shown = w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), ratio);
        EXPECT_EQ(shown.width(), std::lround(w->width() * ratio));
        EXPECT_EQ(shown.height(), std::lround(w->height() * ratio));
        if (ratio == 2.0) {
            EXPECT_FALSE(BlocksAreUniform(shown)) << "drawn at 1 and doubled";
        }
    }
}

TEST(QtHost, APictureModeThatFixesTheSizeFixesTheWidgetAndTellsTheLayout) {
    auto form = ShownForm();
    auto* w = new ControlWidget("NuvelHCommand", form.get());
    auto* layout = new QHBoxLayout(form.get());
    layout->addWidget(w);
    ASSERT_TRUE(Show(*form));
    // The default mode keeps the face's own size, and the layout is told so.
    EXPECT_EQ(w->size(), QSize(175, 32));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(layout->minimumSize(), layout->maximumSize());
    w->setMember("PictureMode", Variant::Long(1)); // rescaled to the edges: any size
    layout->activate();
    EXPECT_GT(w->width(), 175);
    EXPECT_EQ(w->formControl()->width(), w->width());
    EXPECT_EQ(w->formControl()->height(), w->height());
}

// A size the control refuses becomes a limit of the widget: a minimum where it grew the
// size, a fixed side where it cut it down; a side it only holds at least so long stays free.
TEST(QtHost, TheWidgetsLimitsFollowWhatTheControlRefuses) {
    struct Case {
        const char* name;
        const char* cls;
        int mode;
        QSize first, firstGot; // asked, then what the control keeps
        QSize then, thenGot;   // asked larger, then what the control keeps
    };
    const Case cases[] = {
        {"free bar, short", "NuvelFill", 1, {50, 30}, {80, 30}, {200, 60}, {200, 60}},
        {"fixed-thickness bar", "NuvelFill", 0, {50, 30}, {80, 42}, {200, 60}, {200, 42}},
        {"round sphere", "NuvelSphere", 0, {50, 50}, {32, 32}, {100, 100}, {32, 32}},
        {"pill asked smaller", "NuvelHCommand", 0, {100, 20}, {175, 32}, {300, 50}, {175, 32}},
        {"push button", "NuvelCommand", 0, {50, 20}, {50, 20}, {300, 120}, {300, 120}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = ShownForm();
        auto* w = new ControlWidget(c.cls, form.get());
        ASSERT_TRUE(Show(*form));
        ASSERT_TRUE(w->setMember("PictureMode", Variant::Long(c.mode)));
        w->resize(c.first);
        EXPECT_EQ(w->size(), c.firstGot);
        w->resize(c.then);
        EXPECT_EQ(w->size(), c.thenGot);
        EXPECT_EQ(w->size(), QSize(w->formControl()->width(), w->formControl()->height()));
        EXPECT_LE(w->minimumWidth(), c.thenGot.width());
    }
}

// In a layout the bar that holds only a minimum length tells the layout so when it is
// squeezed, and still takes the room it is given afterwards.
TEST(QtHost, ABarWithAMinimumLengthTellsItsLayoutAndStillGrows) {
    auto form = ShownForm(300, 100);
    auto* w = new ControlWidget("NuvelFill", form.get());
    w->setMember("PictureMode", Variant::Long(1));
    auto* layout = new QHBoxLayout(form.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(w);
    ASSERT_TRUE(Show(*form));
    form->resize(40, 100);
    layout->activate();
    EXPECT_EQ(w->width(), 80);
    EXPECT_EQ(w->minimumWidth(), 80);
    EXPECT_EQ(layout->minimumSize().width(), 80);
    form->resize(600, 100);
    layout->activate();
    EXPECT_EQ(w->width(), 600);
    EXPECT_EQ(w->formControl()->width(), 600);
}

TEST(QtHost, HoverEntryAndExitShowTheGlowAndHoldTheMouseGrab) {
    auto form = ShownForm();
    auto* w = new Recorder("NuvelCommand", form.get());
    w->move(100, 100);
    ASSERT_TRUE(Show(*form));
    w->setMember("CoolButton", kOn);
    w->setMember("CoolUseGlow", kOn);
    HeadlessHost& host = w->formControl()->host();
    const Image rest = w->composed();

    MoveTo(*w, QPoint(125, 50));
    EXPECT_TRUE(host.captured());
    EXPECT_EQ(QWidget::mouseGrabber(), w);
    ASSERT_NE(host.ShapeChild("Shape2"), nullptr);
    EXPECT_TRUE(host.ShapeChild("Shape2")->Visible());
    EXPECT_NE(w->composed().pixels, rest.pixels);

    MoveTo(*form, QPoint(20, 20)); // outside: the grab brings the move here
    EXPECT_FALSE(host.captured());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(host.ShapeChild("Shape2")->Visible());
    EXPECT_GE(std::count(w->events.begin(), w->events.end(), "MouseMove"), 2);
}

TEST(QtHost, PressAndReleaseGiveTheirEventsInOrderAndClickOnlyInside) {
    struct Case {
        const char* what;
        QPoint release; // in the form
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"inside", QPoint(150, 150), {"MouseDown", "MouseUp", "Click"}},
        {"outside", QPoint(20, 20), {"MouseDown", "MouseUp"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto form = ShownForm();
        auto* w = new Recorder("NuvelCommand", form.get());
        w->move(100, 100);
        ASSERT_TRUE(Show(*form));
        Press(*w, QPoint(50, 50));
        MoveTo(*form, c.release);
        Release(*form, c.release);
        EXPECT_EQ(w->WithoutMoves(), c.events);
        EXPECT_TRUE(w->hasFocus());
        EXPECT_TRUE(w->controlHasFocus());
    }
}

TEST(QtHost, ADoubleClickGivesTheKitsSequence) {
    auto form = ShownForm();
    auto* w = new Recorder("NuvelCommand", form.get());
    ASSERT_TRUE(Show(*form));
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, InWindow(*w, QPoint(40, 40)));
    const std::vector<std::string> want = {"MouseDown", "MouseUp", "Click", "DblClick", "MouseUp"};
    EXPECT_EQ(w->WithoutMoves(), want);
}

TEST(QtHost, SpaceAndEnterPressTheButtonAndClickAtRelease) {
    struct Case {
        Qt::Key key;
        int vk;
    };
    for (const Case c : {Case{Qt::Key_Space, 32}, Case{Qt::Key_Return, 13}}) {
        SCOPED_TRACE(c.vk);
        auto form = ShownForm();
        auto* w = new Recorder("NuvelCommand", form.get());
        ASSERT_TRUE(Show(*form));
        w->setFocus();
        std::vector<int> codes;
        w->handler = [&](std::string_view name, std::span<const EventArg> args) {
            if (name == "KeyDown" || name == "KeyUp")
                codes.push_back(*std::get<std::int16_t*>(args[0]));
        };
        QTest::keyPress(w, c.key);
        const Image pressed = w->composed();
        QTest::keyRelease(w, c.key);
        const std::vector<std::string> want = {"KeyDown", "KeyPress", "Click", "KeyUp"};
        EXPECT_EQ(w->WithoutMoves(), want);
        EXPECT_EQ(codes, (std::vector<int>{c.vk, c.vk}));
        EXPECT_NE(pressed.pixels, w->composed().pixels);
    }
}

TEST(QtHost, TabMovesTheFocusInQtsOrderAndTheControlsHearIt) {
    auto form = ShownForm();
    auto* a = new ControlWidget("NuvelCommand", form.get());
    auto* b = new ControlWidget("NuvelCheck", form.get());
    auto* c = new ControlWidget("NuvelSphere", form.get());
    b->move(0, 120);
    c->move(0, 200);
    // Qt's order, not the order of creation: a, c, b.
    QWidget::setTabOrder(a, c);
    QWidget::setTabOrder(c, b);
    ASSERT_TRUE(Show(*form));
    a->setFocus();
    ASSERT_TRUE(a->controlHasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(c->hasFocus());
    EXPECT_TRUE(c->controlHasFocus());
    EXPECT_FALSE(a->controlHasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(b->controlHasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(c->controlHasFocus());
}

TEST(QtHost, AltAndALetterReachTheControlWithThatAccessKey) {
    auto form = ShownForm();
    auto* a = new Recorder("NuvelCommand", form.get());
    auto* b = new Recorder("NuvelCommand", form.get());
    b->move(0, 120);
    ASSERT_TRUE(Show(*form));
    a->setMember("ShortCutKey", Variant::String("k"));
    b->setMember("ShortCutKey", Variant::String("M"));
    a->setFocus();
    for (Qt::KeyboardModifiers mods :
         {Qt::KeyboardModifiers(Qt::AltModifier),
          Qt::KeyboardModifiers(Qt::AltModifier | Qt::ShiftModifier)}) {
        b->events.clear();
        a->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, mods);
        EXPECT_EQ(b->events, std::vector<std::string>{"Click"});
        EXPECT_TRUE(b->hasFocus());
        EXPECT_TRUE(b->controlHasFocus());
    }
    a->events.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::AltModifier); // nobody's key
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(a->events, std::vector<std::string>{"Click"});
    EXPECT_TRUE(a->hasFocus());
}

// Counts the presses that reach it.
class Beneath : public QWidget {
public:
    using QWidget::QWidget;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

TEST(QtHost, ASeeThroughPixelOfASphereLetsTheClickThroughToTheWidgetBeneath) {
    auto form = ShownForm();
    auto* beneath = new Beneath(form.get());
    beneath->setGeometry(0, 0, 200, 200);
    auto* sphere = new Recorder("NuvelSphere", form.get());
    sphere->move(50, 50);
    ASSERT_TRUE(Show(*form));
    const Image shown = sphere->composed();
    ASSERT_FALSE(ComposedPixel(shown, 0, 0)); // the corner is outside the round shape
    ASSERT_TRUE(ComposedPixel(shown, 16, 16));

    Click(*form, QPoint(50, 50));
    EXPECT_EQ(beneath->presses, 1);
    EXPECT_TRUE(sphere->WithoutMoves().empty());

    Click(*form, QPoint(66, 66));
    EXPECT_EQ(beneath->presses, 1);
    const std::vector<std::string> want = {"MouseDown", "MouseUp", "Click"};
    EXPECT_EQ(sphere->WithoutMoves(), want);
}

TEST(QtHost, AHandlerThatChangesAByReferenceArgumentChangesWhatTheControlDoes) {
    // The hover test follows the MouseMove event: moved outside by the handler, the pointer
    // never enters.
    for (bool moveOut : {false, true}) {
        SCOPED_TRACE(moveOut);
        auto form = ShownForm();
        auto* w = new Recorder("NuvelCommand", form.get());
        ASSERT_TRUE(Show(*form));
        w->setMember("CoolButton", kOn);
        w->handler = [&](std::string_view name, std::span<const EventArg> args) {
            if (name == "MouseMove" && moveOut) *std::get<float*>(args[2]) = -5.0f;
        };
        MoveTo(*w, QPoint(60, 60));
        EXPECT_EQ(w->formControl()->host().captured(), !moveOut);
    }
}

TEST(QtHost, TheWidgetsFontIsTheControlsFontAndItsNameTheDisplayName) {
    auto form = ShownForm();
    auto* w = new ControlWidget("NuvelCommand", form.get());
    w->setObjectName("Accept");
    QFont f("DejaVu Serif");
    f.setPointSizeF(14);
    f.setBold(true);
    w->setFont(f);
    ASSERT_TRUE(Show(*form));
    EXPECT_EQ(VariantToString(*w->member("Caption")), "Accept");
    const Font kit = w->member("Font")->font();
    EXPECT_EQ(kit.name, "DejaVu Serif");
    EXPECT_DOUBLE_EQ(kit.size, 14);
    EXPECT_TRUE(kit.bold);
    // A font set on the control comes back as the widget's font.
    w->setMember("FontSize", Variant::Single(20));
    EXPECT_DOUBLE_EQ(w->font().pointSizeF(), 20);
    QFont g = w->font();
    g.setItalic(true);
    w->setFont(g);
    EXPECT_TRUE(w->member("Font")->font().italic);
}

TEST(QtHost, AnUnknownClassGivesAnEmptyWidgetWithAReason) {
    ControlWidget w("NuvelToaster");
    EXPECT_FALSE(w.hasControl());
    EXPECT_TRUE(w.error().contains("NuvelToaster"));
    EXPECT_FALSE(w.setMember("Caption", Variant::String("x")));
    w.grab(); // paints nothing, and does not fail
}

} // namespace
} // namespace nk::qt::testing
