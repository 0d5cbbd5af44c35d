// The widgets among Qt widgets: the keys a control does not use reach the dialog, a held key
// repeats as the controls' key stream does, and a caption's "&" letter is an access key.
#include "host/hosts/compose.h"
#include "qt_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>

#include <algorithm>

namespace nk::qt::testing {
namespace {

long Count(const std::vector<std::string>& events, const std::string& name) {
    return std::count(events.begin(), events.end(), name);
}

// A shown dialog with a default push button and one control widget, focused.
struct InDialog {
    explicit InDialog(const char* className) {
        QCursor::setPos(0, 0);
        dialog.setGeometry(50, 50, 500, 400);
        ok = new QPushButton("OK", &dialog);
        ok->setDefault(true);
        ok->move(400, 350);
        widget = new Recorder(QLatin1String(className), &dialog);
        widget->setObjectName(QLatin1String(className) + "1");
        shown = Show(dialog);
        widget->setFocus();
    }
    QDialog dialog;
    QPushButton* ok = nullptr;
    Recorder* widget = nullptr;
    bool shown = false;
};

TEST(QtBehaviourKeys, EscapeReachesTheDialogAndReturnTheDefaultButtonUnlessTheControlPresses) {
    struct Row {
        const char* className;
        bool returnPresses; // the control clicks on Return itself, as a push button does
    };
    const Row rows[] = {
        {"NuvelCommand", true}, {"NuvelHCommand", true}, {"NuvelSphere", true},
        {"NuvelCheck", false},  {"NuvelScreen", false},  {"NuvelFill", false},
        {"NuvelPad", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.className);
        InDialog d(row.className);
        ASSERT_TRUE(d.shown);
        ASSERT_TRUE(d.widget->hasFocus());
        QSignalSpy clicked(d.ok, &QPushButton::clicked);
        QSignalSpy rejected(&d.dialog, &QDialog::rejected);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            d.widget->events.clear();
            QTest::keyClick(d.widget, key,
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            // The control hears the key in every case.
            EXPECT_EQ(Count(d.widget->events, "KeyDown"), 1);
            EXPECT_EQ(Count(d.widget->events, "KeyUp"), 1);
            EXPECT_EQ(Count(d.widget->events, "Click"), row.returnPresses ? 1 : 0);
        }
        EXPECT_EQ(clicked.count(), row.returnPresses ? 0 : 2);
        EXPECT_EQ(rejected.count(), 0);
        d.widget->events.clear();
        QTest::keyClick(d.widget, Qt::Key_Escape);
        EXPECT_EQ(Count(d.widget->events, "KeyDown"), 1);
        EXPECT_EQ(rejected.count(), 1);
        EXPECT_FALSE(d.dialog.isVisible());
    }
}

void SendKey(QWidget* w, QEvent::Type type, Qt::Key key, bool repeat) {
    QKeyEvent e(type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString(),
                repeat);
    QApplication::sendEvent(w, &e);
}

// Qt's picture of a held key: press, then release and press pairs flagged as repeats, then
// the last release.
void Hold(QWidget* w, Qt::Key key, int repeats, const std::function<void()>& afterPress = {}) {
    SendKey(w, QEvent::KeyPress, key, false);
    if (afterPress) afterPress();
    for (int i = 0; i < repeats; ++i) {
        SendKey(w, QEvent::KeyRelease, key, true);
        SendKey(w, QEvent::KeyPress, key, true);
        if (afterPress) afterPress();
    }
    SendKey(w, QEvent::KeyRelease, key, false);
}

TEST(QtBehaviourKeys, AHeldKeyRepeatsItsKeyDownAndGoesUpOnce) {
    struct Row {
        const char* className;
        Qt::Key key;
        int clicks;
    };
    const Row rows[] = {
        {"NuvelCommand", Qt::Key_Space, 1}, {"NuvelHCommand", Qt::Key_Space, 1},
        {"NuvelSphere", Qt::Key_Space, 1},  {"NuvelCheck", Qt::Key_Space, 0},
        {"NuvelPad", Qt::Key_Right, 0},
    };
    constexpr int kRepeats = 4;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.className);
        InDialog d(row.className);
        ASSERT_TRUE(d.shown);
        const std::optional<Variant> before = d.widget->member("Value");
        d.widget->events.clear();
        Hold(d.widget, row.key, kRepeats);
        EXPECT_EQ(Count(d.widget->events, "KeyDown"), kRepeats + 1);
        EXPECT_EQ(Count(d.widget->events, "KeyUp"), 1);
        EXPECT_EQ(Count(d.widget->events, "Click"), row.clicks);
        if (row.className == std::string("NuvelCheck")) {
            // Toggled once, on the last release.
            EXPECT_EQ(before->ToLong(), std::optional<std::int32_t>(0));
            EXPECT_EQ(d.widget->member("Value")->ToLong(), std::optional<std::int32_t>(1));
        }
        EXPECT_TRUE(d.dialog.isVisible());
    }
}

TEST(QtBehaviourKeys, TheHeldArrowKeepsThePadStepping) {
    InDialog d("NuvelPad");
    ASSERT_TRUE(d.shown);
    std::vector<float> xs;
    Hold(d.widget, Qt::Key_Right, 3,
         [&] { xs.push_back(*d.widget->member("XValue")->ToSingle()); });
    ASSERT_EQ(xs.size(), 4u);
    for (std::size_t i = 1; i < xs.size(); ++i)
        EXPECT_NE(xs[i], xs[i - 1]) << "press " << i;
}

TEST(QtBehaviourKeys, ACaptionsMnemonicPressesTheControlBesideItsShortCutKey) {
    struct Row {
        const char* className;
        const char* caption;
        const char* shortCutKey; // nullptr: the class has none
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        long clicks;
        std::int32_t valueAfter; // NuvelCheck's Value after the key; -1 not looked at
    };
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const Qt::KeyboardModifiers altShift = Qt::AltModifier | Qt::ShiftModifier;
    const Row rows[] = {
        {"NuvelCommand", "&Start", "", Qt::Key_S, alt, 1, -1},
        {"NuvelCommand", "&Start", "", Qt::Key_S, altShift, 1, -1},
        {"NuvelCommand", "Sta&rt", "k", Qt::Key_R, alt, 1, -1},
        {"NuvelCommand", "Sta&rt", "k", Qt::Key_K, alt, 1, -1},
        {"NuvelCommand", "R&&D", "", Qt::Key_D, alt, 0, -1},   // an ampersand drawn
        {"NuvelCommand", "Start&", "", Qt::Key_S, alt, 0, -1}, // a mark on nothing
        {"NuvelCommand", "&Start", "", Qt::Key_T, alt, 0, -1},
        {"NuvelHCommand", "&Go", "", Qt::Key_G, alt, 1, -1},
        {"NuvelCheck", "&Keep", nullptr, Qt::Key_K, alt, 1, 1},
        {"NuvelCheck", "Keep", nullptr, Qt::Key_K, alt, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.className) + " " + row.caption + " " +
                     std::to_string(row.key));
        InDialog d(row.className);
        ASSERT_TRUE(d.shown);
        ASSERT_TRUE(d.widget->setMember("Caption", Variant::String(row.caption)));
        if (row.shortCutKey) {
            ASSERT_TRUE(d.widget->setMember("ShortCutKey", Variant::String(row.shortCutKey)));
        }
        d.ok->setFocus();
        d.widget->events.clear();
        QTest::keyClick(d.ok, row.key, row.mods);
        EXPECT_EQ(Count(d.widget->events, "Click"), row.clicks);
        EXPECT_EQ(d.widget->hasFocus(), row.clicks > 0);
        if (row.valueAfter >= 0) {
            EXPECT_EQ(d.widget->member("Value")->ToLong(),
                      std::optional<std::int32_t>(row.valueAfter));
        }
        // What the control stores stays as given.
        EXPECT_EQ(VariantToString(*d.widget->member("Caption")), row.caption);
        if (row.shortCutKey) {
            EXPECT_EQ(VariantToString(*d.widget->member("ShortCutKey")), row.shortCutKey);
        }
        EXPECT_TRUE(d.dialog.isVisible());
    }
}

TEST(QtBehaviourKeys, ANewCaptionMovesTheMnemonic) {
    InDialog d("NuvelCommand");
    ASSERT_TRUE(d.shown);
    d.widget->setMember("Caption", Variant::String("&Start"));
    d.widget->setMember("Caption", Variant::String("&Go"));
    d.ok->setFocus();
    d.widget->events.clear();
    QTest::keyClick(d.ok, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(Count(d.widget->events, "Click"), 0);
    QTest::keyClick(d.ok, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(Count(d.widget->events, "Click"), 1);
}

} // namespace
} // namespace nk::qt::testing

namespace nk::qt::testing {
namespace {

using P = QSizePolicy;

struct SizeRow {
    const char* className;
    QSize hint;  // the design size
    QSize least; // at least this small a minimum; a fixed side equals the hint
    P::Policy horizontal, vertical;
};

const SizeRow kSizeRows[] = {
    {"NuvelCommand", {250, 100}, {1, 1}, P::Minimum, P::Fixed},
    {"NuvelHCommand", {175, 32}, {175, 32}, P::Fixed, P::Fixed}, // the face's own size
    {"NuvelSphere", {32, 32}, {32, 32}, P::Fixed, P::Fixed},
    {"NuvelCheck", {120, 30}, {1, 24}, P::Preferred, P::Fixed}, // the glyph's height
    {"NuvelScreen", {320, 256}, {1, 1}, P::Preferred, P::Preferred},
    {"NuvelFill", {200, 42}, {80, 42}, P::Expanding, P::Fixed}, // least length, fixed bar
    {"NuvelPad", {150, 120}, {1, 1}, P::Fixed, P::Fixed},
};

TEST(QtBehaviourSizes, HintsArePerClassAndStayWhateverSizeTheWidgetHad) {
    for (const SizeRow& row : kSizeRows) {
        SCOPED_TRACE(row.className);
        auto form = ShownForm();
        ControlWidget* w = Make(row.className, form.get());
        ASSERT_TRUE(Show(*form));
        EXPECT_EQ(w->sizeHint(), row.hint);
        const QSize least = w->minimumSizeHint();
        EXPECT_GE(least.width(), row.least.width());
        EXPECT_GE(least.height(), row.least.height());
        EXPECT_LE(least.width(), row.hint.width());
        EXPECT_LE(least.height(), row.hint.height());
        EXPECT_EQ(w->sizePolicy().horizontalPolicy(), row.horizontal);
        EXPECT_EQ(w->sizePolicy().verticalPolicy(), row.vertical);
        for (QSize asked : {QSize(400, 300), QSize(10, 10), QSize(260, 110)}) {
            w->resize(asked);
            EXPECT_EQ(w->sizeHint(), row.hint) << asked.width() << "x" << asked.height();
            EXPECT_EQ(w->minimumSizeHint(), least);
        }
    }
}

TEST(QtBehaviourSizes, AVerticalBarHintsAlongItsLength) {
    auto form = ShownForm();
    ControlWidget* w = Make("NuvelFill", form.get());
    ASSERT_TRUE(Show(*form));
    ASSERT_TRUE(w->setMember("FillOrientation", Variant::Long(1)));
    EXPECT_EQ(w->sizeHint(), QSize(42, 200));
    EXPECT_EQ(w->sizePolicy().horizontalPolicy(), P::Fixed);
    EXPECT_EQ(w->sizePolicy().verticalPolicy(), P::Expanding);
    EXPECT_GE(w->minimumSizeHint().height(), 80);
}

TEST(QtBehaviourSizes, ACaptionWidensThePushButtonsLeastSize) {
    auto form = ShownForm();
    ControlWidget* w = Make("NuvelCommand", form.get());
    ASSERT_TRUE(Show(*form));
    w->setMember("Caption", Variant::String("OK"));
    const int shortCaption = w->minimumSizeHint().width();
    w->setMember("Caption", Variant::String("A much longer caption"));
    EXPECT_GT(w->minimumSizeHint().width(), shortCaption);
    // The mark is not drawn: "&OK" needs what "OK" needs.
    w->setMember("Caption", Variant::String("&OK"));
    EXPECT_EQ(w->minimumSizeHint().width(), shortCaption);
}

TEST(QtBehaviourSizes, AResizedWidgetShowsWhatTheKitDrawsAtThatSize) {
    // Larger than the artwork (the rest is what the control draws there, as in a form of that
    // size), smaller, and a little larger: the widget is always the control drawn whole.
    for (const SizeRow& row : kSizeRows) {
        for (QSize asked : {QSize(400, 200), QSize(90, 40), QSize(260, 110)}) {
            SCOPED_TRACE(std::string(row.className) + " at " + std::to_string(asked.width()) + "x" +
                         std::to_string(asked.height()));
            QCursor::setPos(0, 0);
            auto form = ShownForm();
            ControlWidget* w = Make(row.className, form.get());
            ASSERT_TRUE(Show(*form));
            // The kit's own form with the control placed at the size the widget took, erased to
            // its back colour and drawn again: nothing of the drawing at the old size shows.
            w->resize(asked);
            Reference ref(*w);
            ASSERT_NE(ref.control, nullptr);
            ref.control->host().Cls();
            ref.control->site().PaintWhole();
            std::string where;
            EXPECT_EQ(Differences(*w, Compose(ref.control->host()), &where), 0) << where;
        }
    }
}

struct LimitRow {
    const char* className;
    QSize userLeast, userMost; // what the program asks for
    QSize least, most;         // what the widget keeps
};

constexpr int kNone = QWIDGETSIZE_MAX;
const LimitRow kLimitRows[] = {
    // The user's limits within the control's rules are kept as asked.
    {"NuvelCommand", {300, 0}, {kNone, kNone}, {300, 1}, {kNone, kNone}},
    {"NuvelCommand", {0, 0}, {200, 120}, {1, 1}, {200, 120}},
    // A least size below the control's is raised to it.
    {"NuvelFill", {10, 10}, {kNone, kNone}, {80, 42}, {kNone, 42}},
    // A side the control holds fixed stays fixed whatever the user asked.
    {"NuvelHCommand", {300, 0}, {kNone, 10}, {175, 32}, {175, 32}},
};

TEST(QtBehaviourSizes, TheUsersLimitsAreNarrowedByTheControlsRulesNotReplaced) {
    for (const LimitRow& row : kLimitRows) {
        SCOPED_TRACE(row.className);
        auto form = ShownForm();
        ControlWidget* w = Make(row.className, form.get());
        w->setMinimumSize(row.userLeast);
        w->setMaximumSize(row.userMost);
        ASSERT_TRUE(Show(*form));
        auto expectKept = [&](const char* when) {
            SCOPED_TRACE(when);
            EXPECT_EQ(w->minimumSize(), row.least);
            EXPECT_EQ(w->maximumSize(), row.most);
        };
        expectKept("shown");
        // New size rules (another picture mode and back) start from the user's limits again.
        ASSERT_TRUE(w->setMember("PictureMode", Variant::Long(1)) ||
                    !w->formControl()->table().FindProperty("PictureMode"));
        w->setMember("PictureMode", Variant::Long(0));
        expectKept("after the picture mode changed");
    }
}

TEST(QtBehaviourSizes, ASqueezedGridCollapsesNoWidget) {
    QCursor::setPos(0, 0);
    QDialog dialog;
    auto* grid = new QGridLayout(&dialog);
    std::vector<ControlWidget*> widgets;
    int i = 0;
    for (const SizeRow& row : kSizeRows) {
        widgets.push_back(Make(row.className, &dialog));
        grid->addWidget(widgets.back(), i / 3, i % 3);
        ++i;
    }
    ASSERT_TRUE(Show(dialog));
    for (QSize squeezed : {QSize(300, 250), QSize(100, 100)}) {
        dialog.resize(squeezed);
        grid->activate();
        for (ControlWidget* w : widgets) {
            SCOPED_TRACE(w->controlClass().toStdString());
            EXPECT_GE(w->width(), w->minimumSizeHint().width());
            EXPECT_GE(w->height(), w->minimumSizeHint().height());
            EXPECT_GT(w->width(), 0);
            EXPECT_GT(w->height(), 0);
            // The control has the widget's size: what it draws covers the widget.
            EXPECT_EQ(w->size(), QSize(w->formControl()->width(), w->formControl()->height()));
        }
    }
}

} // namespace
} // namespace nk::qt::testing
