// Slots that end their own widget from one of its signals: delete it (plainly, later, or
// with its window), hide it, disable it or move it into another window. Each widget of each
// class goes through focus, the pointer, clicks, keys, the timer and a change of every member
// with one signal connected to such a slot; nothing may touch the widget once it is gone
// (the sanitizer build reports it), and a widget that is still there still works.
#include "qt_fixture.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPointer>

#include <map>
#include <set>
#include <span>

namespace nk::qt::testing {
namespace {

enum class Ending { Delete, DeleteLater, DeleteWindow, Hide, Disable, Reparent };

// Every ending for the events; the change signals, which all come from one path, are ended
// by deletion.
constexpr Ending kEventEndings[] = {Ending::Delete, Ending::DeleteLater, Ending::DeleteWindow,
                                    Ending::Hide,   Ending::Disable,     Ending::Reparent};
constexpr Ending kChangeEndings[] = {Ending::Delete, Ending::DeleteLater};

std::span<const Ending> EndingsOf(const std::string& signal) {
    if (signal.ends_with("Changed")) return kChangeEndings;
    return kEventEndings;
}

// Ends the widget the first time the signal it is connected to fires.
class Ender : public QObject {
    Q_OBJECT
public:
    Ender(Ending ending, ControlWidget* widget, QWidget* window, QWidget* elsewhere)
        : ending_(ending), widget_(widget), window_(window), elsewhere_(elsewhere) {}
    bool fired() const { return fired_; }

public slots:
    void end() {
        if (fired_ || !widget_) return;
        fired_ = true;
        switch (ending_) {
        case Ending::Delete:
            delete widget_.data();
            break;
        case Ending::DeleteLater:
            widget_->deleteLater();
            break;
        case Ending::DeleteWindow:
            delete window_.data();
            break;
        case Ending::Hide:
            widget_->hide();
            break;
        case Ending::Disable:
            widget_->setEnabled(false);
            break;
        case Ending::Reparent:
            widget_->setParent(elsewhere_);
            widget_->show();
            break;
        }
    }

private:
    Ending ending_;
    QPointer<ControlWidget> widget_;
    QPointer<QWidget> window_;
    QPointer<QWidget> elsewhere_;
    bool fired_ = false;
};

// Another value of a property's type, so that writing it is a change.
QVariant Changed(const QVariant& v) {
    switch (v.metaType().id()) {
    case QMetaType::Bool:
        return !v.toBool();
    case QMetaType::Int:
    case QMetaType::Short:
        return v.toInt() + 1;
    case QMetaType::Float:
    case QMetaType::Double:
        return v.toDouble() + 1;
    case QMetaType::QString:
        return v.toString() + "x";
    case QMetaType::QColor:
        return QColor(v.value<QColor>().rgb() ^ 0x00FFFFFFu);
    default:
        if (v.metaType().flags() & QMetaType::IsEnumeration) return v.toInt() + 1;
        return {};
    }
}

// Everything the widget hears of, one step at a time, while it is there: the pointer's entry,
// moves, a click (which gives the focus) and a double click, keys, the timer, a change of
// every member and the pointer's exit.
void Drive(const QPointer<ControlWidget>& w) {
    const auto step = [&](auto&& fn) {
        if (!w) return;
        fn();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    const QPoint mid = [&] { return w ? w->rect().center() : QPoint(); }();
    step([&] { MoveTo(*w, mid); });
    step([&] { MoveTo(*w, mid + QPoint(1, 1)); });
    step([&] { Press(*w, mid); });
    step([&] { Release(*w, mid); });
    step([&] {
        QTest::mouseDClick(w->window()->windowHandle(), Qt::LeftButton, {}, InWindow(*w, mid));
    });
    // The program gives the focus to a widget that a click does not focus (the fill bar).
    step([&] { w->setFocus(); });
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right,
                        Qt::Key_Down, Qt::Key_A}) {
        step([&] { QTest::keyPress(w.data(), key); });
        step([&] { QTest::keyRelease(w.data(), key); });
    }
    step([&] { w->call("TimerInvoke"); });
    const QMetaObject* meta = w ? w->metaObject() : nullptr;
    for (int i = ControlWidget::staticMetaObject.propertyCount(); meta && i < meta->propertyCount();
         ++i) {
        const QMetaProperty p = meta->property(i);
        if (!p.isWritable()) continue;
        step([&] {
            const QVariant other = Changed(p.read(w.data()));
            if (other.isValid()) p.write(w.data(), other);
        });
    }
    step([&] { MoveTo(*w->window(), QPoint(w->window()->width() - 1, 0)); });
}

// The class's own signals.
std::vector<QMetaMethod> SignalsOf(const QMetaObject& meta) {
    std::vector<QMetaMethod> out;
    for (int i = ControlWidget::staticMetaObject.methodCount(); i < meta.methodCount(); ++i)
        if (meta.method(i).methodType() == QMetaMethod::Signal) out.push_back(meta.method(i));
    return out;
}

TEST(QtReentry, ASlotMayEndItsWidgetFromAnyOfItsSignals) {
    const char* classes[] = {"NuvelCommand", "NuvelHCommand", "NuvelSphere", "NuvelCheck",
                             "NuvelScreen",  "NuvelFill",     "NuvelPad"};
    // Signals that must have fired (and ended the widget) in the drive above.
    const std::map<std::string, std::set<std::string>> mustFire = {
        {"NuvelCommand", {"clicked", "mouseDown", "mouseUp", "captionChanged"}},
        {"NuvelHCommand", {"clicked", "mouseDown", "captionChanged"}},
        {"NuvelSphere", {"clicked", "mouseDown"}},
        {"NuvelCheck", {"keyDown", "valueChanged", "captionChanged"}},
        {"NuvelScreen", {"keyDown", "screenTypeChanged"}},
        {"NuvelFill", {"keyDown", "valueChanged"}},
        {"NuvelPad", {"goLeft", "xyRefresh", "xValueChanged"}},
    };
    auto elsewhere = ShownForm(300, 300);
    ASSERT_TRUE(Show(*elsewhere));
    for (const char* className : classes) {
        std::map<std::string, int> fired;
        QWidget probe;
        for (const QMetaMethod& signal : SignalsOf(*Make(className, &probe)->metaObject())) {
            const std::string name = signal.name().toStdString();
            for (Ending ending : EndingsOf(name)) {
                SCOPED_TRACE(std::string(className) + "." + name + " ending " +
                             std::to_string(static_cast<int>(ending)));
                QPointer<QWidget> window = ShownForm(400, 300).release();
                QPointer<ControlWidget> w = Make(className, window);
                w->setGeometry(20, 20, 200, 120);
                ASSERT_TRUE(Show(*window));
                Ender ender(ending, w, window, elsewhere.get());
                const QMetaMethod end =
                    ender.metaObject()->method(ender.metaObject()->indexOfSlot("end()"));
                ASSERT_TRUE(QObject::connect(w, signal, &ender, end));
                Drive(w);
                if (ender.fired()) ++fired[name];
                const bool deleting = ending == Ending::Delete || ending == Ending::DeleteLater ||
                                      ending == Ending::DeleteWindow;
                if (ender.fired() && deleting) {
                    EXPECT_TRUE(w.isNull());
                }
                if (w) { // still there: enabled again, it draws and its control follows
                    w->setEnabled(true);
                    w->show();
                    EXPECT_FALSE(w->grab().isNull());
                    EXPECT_TRUE(w->formControl()->host().Enabled());
                }
                delete window.data();
            }
        }
        for (const std::string& name : mustFire.at(className))
            EXPECT_EQ(fired[name], EndingsOf(name).size()) << className << "." << name;
    }
}

} // namespace
} // namespace nk::qt::testing

#include "test_qt_reentry.moc"
