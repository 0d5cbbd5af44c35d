// The widgets as Qt developers expect them: change signals that carry the new value and fire
// only for a change, the fill bar's typed value, what assistive technology reads of keys,
// states and names, and first colours that follow the window's palette.
#include "qt/accessibility.h"
#include "qt/widgets.h"
#include "qt_fixture.h"

#include <QAccessible>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include <algorithm>
#include <cmath>
#include <limits>

namespace nk::qt::testing {
namespace {

QMetaProperty PropertyOf(const QObject& o, const char* name) {
    return o.metaObject()->property(o.metaObject()->indexOfProperty(name));
}

QImage Filled(QColor c) {
    QImage image(6, 6, QImage::Format_ARGB32);
    image.fill(c);
    return image;
}

TEST(QtBehaviourSignals, AChangeSignalFiresOncePerChangeWithTheNewValue) {
    struct Case {
        const char* className;
        const char* property;
        QVariant first, second; // two different values, neither the initial one
    };
    const Case cases[] = {
        {"NuvelCommand", "caption", QStringLiteral("A"), QStringLiteral("B")},
        {"NuvelCommand", "hasShadow", true, false}, // a plain field
        {"NuvelCommand", "shadowColor", QColor(10, 20, 30), QColor(30, 20, 10)},
        {"NuvelCommand", "sideIcon", QPixmap::fromImage(Filled(Qt::red)),
         QPixmap::fromImage(Filled(Qt::blue))},
        {"NuvelCheck", "value", QVariant::fromValue(NuvelCheck::NKBiState::NKChecked),
         QVariant::fromValue(NuvelCheck::NKBiState::NKUnChecked)},
        {"NuvelFill", "value", 40.0, 60.5},
        {"NuvelPad", "xValue", 3.5, -2.0}, // a single, as a double
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + "." + c.property);
        QWidget form;
        ControlWidget* w = Make(c.className, &form);
        const QMetaProperty p = PropertyOf(*w, c.property);
        ASSERT_TRUE(p.isValid() && p.hasNotifySignal());
        const QVariant &first = c.first, &second = c.second;
        QSignalSpy spy(w, p.notifySignal());
        ASSERT_TRUE(spy.isValid());
        const auto lastValue = [&] { return spy.back().at(0); };
        const auto same = [](const QVariant& a, const QVariant& b) {
            return a.metaType() == QMetaType::fromType<QPixmap>()
                       ? a.value<QPixmap>().toImage() == b.value<QPixmap>().toImage()
                       : a == b;
        };
        ASSERT_TRUE(p.write(w, first));
        ASSERT_EQ(spy.count(), 1);
        EXPECT_TRUE(same(lastValue(), p.read(w)));
        EXPECT_TRUE(same(lastValue(), first));
        EXPECT_TRUE(p.write(w, first)); // the same value again: no change
        EXPECT_EQ(spy.count(), 1);
        ASSERT_TRUE(p.write(w, second));
        ASSERT_EQ(spy.count(), 2);
        EXPECT_TRUE(same(lastValue(), second));
    }
}

TEST(QtBehaviourSignals, AChangeTheControlMakesItselfIsSignalledWithItsValue) {
    auto form = ShownForm(300, 200);
    auto* check = new NuvelCheck(form.get());
    ASSERT_TRUE(Show(*form));
    QSignalSpy spy(check, &NuvelCheck::valueChanged);
    const QPoint centre = check->rect().center();
    const NuvelCheck::NKBiState expected[] = {NuvelCheck::NKBiState::NKChecked,
                                              NuvelCheck::NKBiState::NKUnChecked};
    for (NuvelCheck::NKBiState state : expected) {
        MoveTo(*check, centre);
        Click(*check, centre);
        ASSERT_FALSE(spy.isEmpty());
        EXPECT_EQ(spy.back().at(0).value<NuvelCheck::NKBiState>(), state);
        EXPECT_EQ(check->value(), state);
    }
    EXPECT_EQ(spy.count(), 2);
}

TEST(QtBehaviourSignals, SettingTheFontSignalsEachFontMemberThatChanged) {
    QWidget form;
    auto* w = new NuvelCommand(&form);
    w->setObjectName("Command1");
    QFont font = w->font();
    const QString family = font.family() == "Serif" ? "Sans" : "Serif";
    struct Member {
        const char* property;
        QVariant after; // the member's value after the new font
        int changes;    // how many signals the two settings of the font give
    };
    const Member members[] = {
        {"fontName", family, 1},
        {"fontSize", 17, 1},
        {"fontBold", !font.bold(), 1},
        {"fontItalic", font.italic(), 0},
        {"fontUnderline", font.underline(), 0},
    };
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    (void)w->caption(); // the control is made with the old font
    for (const Member& m : members)
        spies.push_back(std::make_unique<QSignalSpy>(w, PropertyOf(*w, m.property).notifySignal()));
    font.setFamily(family);
    font.setPointSize(17);
    font.setBold(!font.bold());
    w->setFont(font);
    w->setFont(font); // the same font again changes nothing
    for (size_t i = 0; i < std::size(members); ++i) {
        const Member& m = members[i];
        SCOPED_TRACE(m.property);
        const QVariant now = w->property(m.property);
        EXPECT_EQ(now.toString(), m.after.toString());
        ASSERT_EQ(spies[i]->count(), m.changes);
        if (m.changes) {
            EXPECT_EQ(spies[i]->back().at(0).toString(), now.toString());
        }
    }
}

TEST(QtBehaviourSignals, TheFillBarsValueIsANumberFrom0To100InQt) {
    QWidget form;
    auto* fill = new NuvelFill(&form);
    EXPECT_EQ(PropertyOf(*fill, "value").metaType(), QMetaType::fromType<double>());
    struct Case {
        QVariant written;
        bool taken;   // whether the bar takes it
        double after; // the value it then has
    };
    const Case cases[] = {
        {40, true, 40},
        {QStringLiteral("abc"), false, 40},
        {150, false, 40},
        {-1, false, 40},
        {std::numeric_limits<double>::quiet_NaN(), false, 40},
        {55.5, true, 55.5},
        {QStringLiteral("70"), true, 70},
        {100, true, 100},
        {0, true, 0},
    };
    double before = fill->value();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written.toString().toStdString());
        QSignalSpy spy(fill, &NuvelFill::valueChanged);
        fill->setProperty("value", c.written);
        EXPECT_DOUBLE_EQ(fill->value(), c.taken ? c.after : before);
        EXPECT_EQ(spy.count(), c.taken && c.after != before ? 1 : 0);
        before = fill->value();
    }
    // The kit's own API keeps every value the control takes.
    ASSERT_TRUE(fill->setMember("Value", Variant::Long(150)));
    EXPECT_EQ(fill->member("Value")->ToLong(), 150);
    ASSERT_TRUE(fill->setMember("Value", Variant::String("abc")));
    EXPECT_EQ(fill->member("Value")->ToText(), "abc");
}

QAccessibleInterface* Accessible(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

TEST(QtBehaviourSignals, TheKeyBindingIsTheCaptionsMarkAndTheShortCutKey) {
    struct Case {
        const char* className;
        const char* caption;
        const char* shortCutKey;
        QStringList bindings;
    };
    const Case cases[] = {
        {"NuvelCommand", "&Push", "", {"Alt+P"}},
        {"NuvelCommand", "Save", "v", {"Alt+V"}},
        {"NuvelCommand", "&Open", "x", {"Alt+O", "Alt+X"}},
        {"NuvelCommand", "&Start", "s", {"Alt+S"}},
        {"NuvelCommand", "Fish && chips", "", {}},
        {"NuvelHCommand", "Op&tions", "", {"Alt+t"}}, // as Qt writes the mark's key
        {"NuvelHCommand", "Op&tions", "T", {"Alt+t"}},
        {"NuvelCheck", "&Enable", nullptr, {"Alt+E"}},
        {"NuvelCheck", "Enable", nullptr, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + " " + c.caption);
        auto form = ShownForm(400, 300);
        ControlWidget* w = Make(c.className, form.get());
        ASSERT_TRUE(w->setProperty("caption", QLatin1String(c.caption)));
        if (c.shortCutKey) {
            ASSERT_TRUE(w->setProperty("shortCutKey", QLatin1String(c.shortCutKey)));
        }
        auto* button = new QPushButton(QLatin1String(c.caption), form.get());
        ASSERT_TRUE(Show(*form));
        QAccessibleInterface* a = Accessible(w);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Accelerator), c.bindings.value(0));
        const QString action = c.className == std::string("NuvelCheck")
                                   ? QAccessibleActionInterface::toggleAction()
                                   : QAccessibleActionInterface::pressAction();
        EXPECT_EQ(a->actionInterface()->keyBindingsForAction(action), c.bindings);
        // With only the caption's mark, what a QPushButton of that caption reports.
        if (!c.shortCutKey || !*c.shortCutKey) {
            EXPECT_EQ(a->text(QAccessible::Accelerator),
                      Accessible(button)->text(QAccessible::Accelerator));
        }
    }
}

TEST(QtBehaviourSignals, RolesAndStatesAreThoseOfTheQtWidgetOfTheSameRole) {
    struct Case {
        const char* className;
        bool sameFocus; // whether it takes the focus as the Qt widget does
        std::function<QWidget*(QWidget*)> makeQt;
    };
    const Case cases[] = {
        {"NuvelCommand", true, [](QWidget* f) { return new QPushButton("x", f); }},
        {"NuvelFill", true, [](QWidget* f) { return new QProgressBar(f); }},
        // The pad takes the arrow keys, which a group box does not.
        {"NuvelPad", false, [](QWidget* f) { return new QGroupBox(f); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        auto form = ShownForm(400, 300);
        ControlWidget* w = Make(c.className, form.get());
        QWidget* qtWidget = c.makeQt(form.get());
        ASSERT_TRUE(Show(*form));
        QAccessibleInterface *ours = Accessible(w), *theirs = Accessible(qtWidget);
        EXPECT_EQ(ours->role(), theirs->role());
        if (c.sameFocus) {
            EXPECT_EQ(w->focusPolicy(), qtWidget->focusPolicy());
            EXPECT_EQ(ours->state().focusable, theirs->state().focusable);
        }
        EXPECT_EQ(ours->state().readOnly, theirs->state().readOnly);
    }
}

TEST(QtBehaviourSignals, TabPassesOverTheFillBar) {
    auto form = ShownForm(400, 300);
    auto* before = new NuvelCommand(form.get());
    auto* fill = new NuvelFill(form.get());
    auto* after = new NuvelCheck(form.get());
    QWidget::setTabOrder(before, fill);
    QWidget::setTabOrder(fill, after);
    ASSERT_TRUE(Show(*form));
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_FALSE(fill->hasFocus());
}

TEST(QtBehaviourSignals, ASphereAndAPadAreNamedByTheirNameTipOrObjectName) {
    struct Case {
        const char* className;
        const char* accessibleName;
        const char* toolTip;
        const char* name;
    };
    const Case cases[] = {
        {"NuvelSphere", "", "", "NuvelSphere1"},
        {"NuvelSphere", "", "Play the tune", "Play the tune"},
        {"NuvelSphere", "Play", "Play the tune", "Play"},
        {"NuvelPad", "", "", "NuvelPad1"},
        {"NuvelPad", "", "Move the cursor", "Move the cursor"},
        {"NuvelPad", "Cursor", "Move the cursor", "Cursor"},
        {"NuvelCommand", "", "Tip", "NuvelCommand1"}, // the caption, the display name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + " '" + c.accessibleName + "' '" + c.toolTip + "'");
        auto form = ShownForm(400, 300);
        ControlWidget* w = Make(c.className, form.get());
        w->setAccessibleName(QLatin1String(c.accessibleName));
        w->setToolTip(QLatin1String(c.toolTip));
        ASSERT_TRUE(Show(*form));
        EXPECT_EQ(Accessible(w)->text(QAccessible::Name), QLatin1String(c.name));
    }
}

TEST(QtBehaviourSignals, FirstColoursFollowThePaletteAndSetValuesWin) {
    const QColor window(200, 200, 200), text(20, 20, 60), base(250, 250, 240), ink(90, 0, 0);
    struct Case {
        const char* className;
        const char* property;
        QColor expected;     // with the palette's colours
        OleColor kitDefault; // what the control starts with in the kit's own hosts
    };
    const Case cases[] = {
        {"NuvelCheck", "backColor", window, 0x000000},
        {"NuvelCheck", "foreColor", text, 0xFFFFFF},
        {"NuvelFill", "backColor", base, 0x000000},
        {"NuvelFill", "foreColor", ink, 0x80000012},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + "." + c.property);
        auto form = ShownForm(400, 300);
        QPalette palette = form->palette();
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, ink);
        form->setPalette(palette);
        ControlWidget* w = Make(c.className, form.get());
        ControlWidget* set = Make(c.className, form.get());
        ASSERT_TRUE(set->setProperty(c.property, QColor(1, 2, 3)));
        ASSERT_TRUE(Show(*form));
        EXPECT_EQ(w->property(c.property).value<QColor>(), c.expected);
        EXPECT_EQ(set->property(c.property).value<QColor>(), QColor(1, 2, 3));

        // The kit's own form keeps the control's initial value.
        const InterfaceTable* table = &w->formControl()->table();
        Form kitForm(std::span<const InterfaceTable* const>(&table, 1), FormSettings{});
        FormControl* own = kitForm.Add(table->className, "Own1", 0, 0, -1, -1);
        ASSERT_NE(own, nullptr);
        std::string member(c.property);
        member[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(member[0])));
        EXPECT_EQ(own->Get(member)->ToColor(), c.kitDefault);
    }
}

TEST(QtBehaviourSignals, ACheckBoxOnAWindowShowsTheWindowsBackground) {
    auto form = ShownForm(300, 200);
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, QColor(190, 190, 190));
    form->setPalette(palette);
    auto* check = new NuvelCheck(form.get());
    check->setCaption("x");
    ASSERT_TRUE(Show(*form));
    const QImage shown = check->grab().toImage();
    // The far corner, right of the caption, is the control's cleared background.
    EXPECT_EQ(QColor(shown.pixel(shown.width() - 2, shown.height() - 2)), QColor(190, 190, 190));
}

TEST(QtBehaviourSignals, TheFillBarsPercentageIsDrawnInTheTextColourOverTheBase) {
    auto form = ShownForm(300, 200);
    QPalette palette = form->palette();
    palette.setColor(QPalette::Base, QColor(240, 240, 240));
    palette.setColor(QPalette::Text, QColor(0, 0, 90));
    form->setPalette(palette);
    auto* fill = new NuvelFill(form.get());
    fill->setValue(0); // all of the bar is the empty part
    ASSERT_TRUE(Show(*form));
    const QImage shown = fill->grab().toImage();
    // Between the caps: the base, and the "0%" in (smoothed) text colour on it.
    int base = 0, text = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = shown.width() / 4; x < shown.width() * 3 / 4; ++x) {
            const QColor c = shown.pixelColor(x, y);
            base += c == QColor(240, 240, 240);
            text += c.red() < 120 && c.green() < 120 && c.blue() >= 60;
        }
    EXPECT_GT(base, shown.width() * shown.height() / 4);
    EXPECT_GT(text, 10);
}

// A check box that tells how many slots listen to one of its signals.
class ListenedCheck : public NuvelCheck {
public:
    using NuvelCheck::NuvelCheck;
    int listeners(const QByteArray& signal) const { return receivers(signal.constData()); }
};

TEST(QtBehaviourSignals, TheAccessibleInterfaceListensToTheChangeSignalsWithValues) {
    auto form = ShownForm(300, 200);
    auto* check = new ListenedCheck(form.get());
    ASSERT_TRUE(Show(*form));
    ASSERT_NE(QAccessible::queryAccessibleInterface(check), nullptr);
    for (const char* name : {"captionChanged", "valueChanged"}) {
        SCOPED_TRACE(name);
        const QMetaObject* meta = check->metaObject();
        int index = -1;
        for (int i = 0; i < meta->methodCount(); ++i)
            if (meta->method(i).name() == name) index = i;
        ASSERT_GE(index, 0);
        const QMetaMethod signal = meta->method(index);
        EXPECT_EQ(signal.parameterCount(), 1); // the new value
        EXPECT_GE(check->listeners(QByteArray("2") + signal.methodSignature()), 1);
    }
}

} // namespace
} // namespace nk::qt::testing

namespace nk::qt::testing {
namespace {

// Two values of a property as Qt gives them: pixmaps by their pixels (each read is a new pixmap).
bool SameValue(const QVariant& a, const QVariant& b) {
    if (a.metaType() == QMetaType::fromType<QPixmap>() && b.metaType() == a.metaType())
        return a.value<QPixmap>().toImage() == b.value<QPixmap>().toImage();
    return a == b;
}

// Whatever input or method changes a member's value, its change signal tells of it with the
// new value: a change the control makes without reporting it (a pad's step) included.
TEST(QtBehaviourSignals, EveryChangeAnInputOrAMethodMakesIsSignalled) {
    auto form = ShownForm();
    struct Case {
        const char* className;
        std::vector<const char*> methods; // invoked with no arguments, after the input
    };
    const Case cases[] = {
        {"NuvelCommand", {"timerInvoke"}}, {"NuvelHCommand", {"timerInvoke", "shineEdges"}},
        {"NuvelSphere", {"timerInvoke"}},  {"NuvelCheck", {"timerInvoke"}},
        {"NuvelFill", {"timerInvoke"}},    {"NuvelPad", {"tweakRight", "tweakDown", "timerInvoke"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        ControlWidget* w = Make(c.className, form.get());
        ASSERT_TRUE(w && w->hasControl());
        w->move(20, 20);
        ASSERT_TRUE(Show(*form));
        const QMetaObject* meta = w->metaObject();
        std::vector<QMetaProperty> watched;
        std::vector<QVariant> before;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int i = ControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount();
             ++i) {
            const QMetaProperty p = meta->property(i);
            if (!p.hasNotifySignal()) continue;
            watched.push_back(p);
            before.push_back(p.read(w));
            spies.push_back(std::make_unique<QSignalSpy>(w, p.notifySignal()));
        }
        const QPoint centre(w->width() / 2, w->height() / 2);
        Click(*w, centre);
        w->setFocus();
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Down})
            QTest::keyClick(w, key);
        for (const char* m : c.methods)
            ASSERT_TRUE(QMetaObject::invokeMethod(w, m)) << m;
        int changed = 0;
        for (std::size_t i = 0; i < watched.size(); ++i) {
            SCOPED_TRACE(watched[i].name());
            const QVariant now = watched[i].read(w);
            if (SameValue(now, before[i])) continue;
            ++changed;
            ASSERT_GT(spies[i]->count(), 0) << "changed without its signal";
            EXPECT_TRUE(SameValue(spies[i]->back().at(0), now));
        }
        if (std::string_view(c.className) == "NuvelPad") {
            EXPECT_GE(changed, 2) << "the pad's steps move both values";
        }
        delete w;
    }
}

} // namespace
} // namespace nk::qt::testing
