// The widgets through Qt's accessibility framework: what a screen reader reads of each class,
// and that its actions raise the events a click raises.
#include "qt/accessibility.h"
#include "qt/widgets.h"
#include "qt_fixture.h"

#include <QAccessible>

namespace nk::qt::testing {
namespace {

QAccessibleInterface* Accessible(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

QAccessibleActionInterface* Actions(QAccessibleInterface* a) {
    return a ? a->actionInterface() : nullptr;
}

TEST(Accessibility, AccessMarksLeaveTheCaptionsText) {
    const std::pair<const char*, const char*> cases[] = {
        {"&Start", "Start"},
        {"Save && quit", "Save & quit"},
        {"A&&&B", "A&B"},
        {"end&", "end"},
        {"", ""},
        {"plain", "plain"},
    };
    for (const auto& [caption, text] : cases)
        EXPECT_EQ(withoutAccessMarks(QLatin1String(caption)), QLatin1String(text)) << caption;
}

struct Expected {
    const char* className;
    QAccessible::Role role;
    const char* caption;     // set before reading; nullptr: the class has none
    const char* name;        // what assistive technology reads
    const char* action;      // the click's action, nullptr: none
    const char* shortcut;    // the access key set (ShortCutKey), nullptr: none set
    const char* accelerator; // the key binding read, from the caption's mark and the key
    bool focusable;
};

TEST(Accessibility, EachClassHasItsRoleNameStatesAndActions) {
    const Expected table[] = {
        {"NuvelCommand", QAccessible::Button, "&Start", "Start", "Press", "Alt+S", "Alt+S", true},
        {"NuvelHCommand", QAccessible::Button, "Op&tions", "Options", "Press", "Alt+T", "Alt+t",
         true},
        {"NuvelSphere", QAccessible::Button, nullptr, "Tip of NuvelSphere", "Press", nullptr,
         nullptr, true},
        {"NuvelCheck", QAccessible::CheckBox, "&Enable", "Enable", "Toggle", nullptr, "Alt+E",
         true},
        {"NuvelScreen", QAccessible::Pane, nullptr, "", nullptr, nullptr, nullptr, true},
        {"NuvelFill", QAccessible::ProgressBar, "Loading", "Loading", nullptr, nullptr, nullptr,
         false},
        {"NuvelPad", QAccessible::Grouping, nullptr, "Tip of NuvelPad", nullptr, nullptr, nullptr,
         true},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.className);
        auto form = ShownForm(400, 300);
        ControlWidget* w = Make(e.className, form.get());
        ASSERT_NE(w, nullptr);
        w->setToolTip(QStringLiteral("Tip of ") + QLatin1String(e.className));
        if (e.caption) {
            ASSERT_TRUE(w->setProperty("caption", QLatin1String(e.caption)));
        }
        if (e.shortcut) {
            ASSERT_TRUE(w->setProperty("shortCutKey", QString(QString(e.shortcut).back())));
        }
        ASSERT_TRUE(Show(*form));

        QAccessibleInterface* a = Accessible(w);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), e.role);
        EXPECT_EQ(a->text(QAccessible::Name), QLatin1String(e.name));
        EXPECT_EQ(a->text(QAccessible::Description), w->toolTip());
        EXPECT_EQ(a->text(QAccessible::Accelerator),
                  e.accelerator ? QLatin1String(e.accelerator) : QString());
        ASSERT_NE(Actions(a), nullptr);
        EXPECT_EQ(Actions(a)->actionNames().contains(QLatin1String(e.action ? e.action : "-")),
                  e.action != nullptr)
            << Actions(a)->actionNames().join(',').toStdString();

        EXPECT_EQ(a->state().focusable, e.focusable);
        w->setFocus();
        EXPECT_TRUE(a->state().focused);
        EXPECT_FALSE(a->state().pressed);
        Press(*w, QPoint(w->width() / 2, w->height() / 2));
        EXPECT_TRUE(a->state().pressed || e.role == QAccessible::Grouping);
        Release(*w, QPoint(w->width() / 2, w->height() / 2));
        EXPECT_FALSE(a->state().pressed);
        EXPECT_FALSE(a->state().disabled);
        w->setEnabled(false);
        EXPECT_TRUE(a->state().disabled);
    }
}

TEST(Accessibility, TheCheckBoxIsCheckedFromValueAndTheFillBarHasItsValue) {
    auto form = ShownForm(400, 300);
    auto* check = new NuvelCheck(form.get());
    auto* fill = new NuvelFill(form.get());
    ASSERT_TRUE(Show(*form));
    QAccessibleInterface* a = Accessible(check);
    EXPECT_TRUE(a->state().checkable);
    EXPECT_FALSE(a->state().checked);
    check->setValue(NuvelCheck::NKBiState::NKChecked);
    EXPECT_TRUE(a->state().checked);

    QAccessibleValueInterface* v = Accessible(fill)->valueInterface();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->minimumValue().toInt(), 0);
    EXPECT_EQ(v->maximumValue().toInt(), 100);
    EXPECT_EQ(v->currentValue().toDouble(), 0);
    fill->setValue(40);
    EXPECT_EQ(v->currentValue().toDouble(), 40);
    EXPECT_EQ(Accessible(fill)->text(QAccessible::Value), QStringLiteral("40"));
    // The value is the control's to set: assistive technology only reads it.
    v->setCurrentValue(90);
    EXPECT_EQ(fill->value(), 40);
    EXPECT_EQ(Accessible(check)->valueInterface(), nullptr);
}

TEST(Accessibility, ThePadHasFourDirectionButtonsWithTheirToolTips) {
    auto form = ShownForm(400, 300);
    auto* pad = new NuvelPad(form.get());
    pad->setLeftToolTip(QStringLiteral("West"));
    pad->setUseDirectionShortKeys(true);
    ASSERT_TRUE(Show(*form));
    QAccessibleInterface* a = Accessible(pad);
    ASSERT_EQ(a->childCount(), 4);
    const char* names[] = {"Left", "Right", "Up", "Down"};
    const char* tips[] = {"West", "Right", "Up", "Down"};
    const char* keys[] = {"Alt+L", "Alt+R", "Alt+U", "Alt+D"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(names[i]);
        QAccessibleInterface* d = a->child(i);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->role(), QAccessible::Button);
        EXPECT_EQ(d->text(QAccessible::Name), QLatin1String(names[i]));
        EXPECT_EQ(d->text(QAccessible::Description), QLatin1String(tips[i]));
        EXPECT_EQ(d->text(QAccessible::Accelerator), QLatin1String(keys[i]));
        EXPECT_EQ(d->parent(), a);
        EXPECT_EQ(a->indexOfChild(d), i);
        EXPECT_EQ(a->child(i), d); // the same interface each time
        // The button's rectangle is the direction's hot zone: the pad finds it there.
        const QRect r = d->rect();
        EXPECT_FALSE(r.isEmpty());
        EXPECT_EQ(a->childAt(r.center().x(), r.center().y()), d);
        ASSERT_NE(Actions(d), nullptr);
        EXPECT_EQ(Actions(d)->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
        // Held down with the mouse, the direction reads as pressed.
        const QPoint inside = pad->mapFromGlobal(r.center());
        EXPECT_FALSE(d->state().pressed);
        Press(*pad, inside);
        EXPECT_TRUE(d->state().pressed);
        EXPECT_FALSE(a->child((i + 1) % 4)->state().pressed);
        Release(*pad, inside);
    }
}

// What the control raises, without the moves, for an action or for a real click.
std::vector<std::string> EventsOf(const char* className,
                                  const std::function<void(Recorder&)>& act) {
    auto form = ShownForm(400, 300);
    Recorder w(QLatin1String(className), form.get());
    w.setObjectName(QLatin1String(className) + "1");
    if (!Show(*form)) return {"not shown"};
    w.events.clear();
    act(w);
    return w.WithoutMoves();
}

TEST(Accessibility, AnActionRaisesTheEventsOfAClick) {
    struct Case {
        const char* className;
        int child;          // -1: the control itself, else the pad's direction
        const char* action; // the action's name
    };
    const Case cases[] = {
        {"NuvelCommand", -1, "Press"}, {"NuvelHCommand", -1, "Press"}, {"NuvelSphere", -1, "Press"},
        {"NuvelCheck", -1, "Toggle"},  {"NuvelPad", 0, "Press"},       {"NuvelPad", 3, "Press"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + " " + std::to_string(c.child));
        auto target = [&](Recorder& w) {
            QAccessibleInterface* a = Accessible(&w);
            return c.child < 0 ? a : a->child(c.child);
        };
        const auto acted = EventsOf(c.className, [&](Recorder& w) {
            QAccessibleInterface* a = target(w);
            ASSERT_NE(Actions(a), nullptr);
            Actions(a)->doAction(QLatin1String(c.action));
        });
        const auto clicked = EventsOf(c.className, [&](Recorder& w) {
            const QPoint at = w.mapFromGlobal(target(w)->rect().center());
            Click(w, at);
        });
        EXPECT_FALSE(acted.empty());
        EXPECT_EQ(acted, clicked);
        if (c.child < 0) {
            EXPECT_NE(std::find(acted.begin(), acted.end(), "Click"), acted.end());
        } else {
            // A press on a direction steps the pad: its direction's event, then XYRefresh.
            const char* step = c.child == 0 ? "GoLeft" : "GoDown";
            EXPECT_NE(std::find(acted.begin(), acted.end(), step), acted.end());
        }
    }
}

TEST(Accessibility, ActionsDoNothingOnADisabledOrPlacedWidget) {
    for (bool designMode : {false, true}) {
        SCOPED_TRACE(designMode ? "design mode" : "disabled");
        const auto events = EventsOf("NuvelCheck", [&](Recorder& w) {
            if (designMode)
                w.setDesignMode(true);
            else
                w.setEnabled(false);
            Actions(Accessible(&w))->doAction(QAccessibleActionInterface::toggleAction());
            EXPECT_EQ(intToQt(w.member("Value")), 0);
        });
        EXPECT_TRUE(events.empty());
    }
}

} // namespace
} // namespace nk::qt::testing
