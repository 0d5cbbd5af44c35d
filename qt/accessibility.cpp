#include "qt/accessibility.h"

#include "framework/interface_table.h"
#include "framework/variant.h"
#include "host/forms/form.h"
#include "qt/control_widget.h"
#include "qt/kit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaMethod>
#include <QPointer>
#include <QWindow>

#include <array>
#include <cctype>
#include <optional>

namespace nk::qt {

namespace {

// How a control class shows itself to assistive technology.
enum class Kind { Button, Check, Progress, Pane, Pad };

std::optional<Kind> KindOf(const QString& controlClass) {
    if (controlClass == QLatin1String("NuvelCommand") ||
        controlClass == QLatin1String("NuvelHCommand") ||
        controlClass == QLatin1String("NuvelSphere"))
        return Kind::Button;
    if (controlClass == QLatin1String("NuvelCheck")) return Kind::Check;
    if (controlClass == QLatin1String("NuvelFill")) return Kind::Progress;
    if (controlClass == QLatin1String("NuvelScreen")) return Kind::Pane;
    if (controlClass == QLatin1String("NuvelPad")) return Kind::Pad;
    return std::nullopt;
}

QAccessible::Role RoleOf(Kind kind) {
    switch (kind) {
    case Kind::Button:
        return QAccessible::Button;
    case Kind::Check:
        return QAccessible::CheckBox;
    case Kind::Progress:
        return QAccessible::ProgressBar;
    case Kind::Pane:
        return QAccessible::Pane;
    case Kind::Pad:
        return QAccessible::Grouping;
    }
    return QAccessible::Client;
}

// "Alt+K" for an access key, empty for none.
QString Shortcut(char key) {
    if (!std::isalnum(static_cast<unsigned char>(key))) return {};
    return QStringLiteral("Alt+") +
           QChar(static_cast<char>(std::toupper(static_cast<unsigned char>(key))));
}

// The key a caption's access mark gives ("&Start": 'S', "Op&tions": 't', written as Qt's own
// buttons write it), or nothing; "&&" is no mark.
std::optional<QChar> MnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (caption[i + 1].isLetterOrNumber()) return caption[i + 1];
    }
    return std::nullopt;
}

const HeadlessHost* HostOf(ControlWidget* w) {
    FormControl* c = w ? w->formControl() : nullptr;
    return c ? &c->host() : nullptr;
}

// The pad's four hot zones, in the order of their elements.
struct Direction {
    const char* name;
    char letter; // its access key when the pad uses the direction keys
};
constexpr std::array<Direction, 4> kDirections{
    {{"Left", 'l'}, {"Right", 'r'}, {"Up", 'u'}, {"Down", 'd'}}};

const HeadlessZone* ZoneOf(ControlWidget* pad, int index) {
    const HeadlessHost* host = HostOf(pad);
    if (!host) return nullptr;
    for (const auto& z : host->zones())
        if (z->index() == index) return z.get();
    return nullptr;
}

QRect ZoneRect(const HeadlessZone& z) {
    return QRectF(z.left(), z.top(), z.width(), z.height()).toAlignedRect();
}

// One direction of a pad: a push button that assistive technology can press.
class PadDirection : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PadDirection(ControlWidget* pad, int index) : pad_(pad), index_(index) {}

    bool isValid() const override { return pad_ && ZoneOf(pad_, index_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return pad_ ? pad_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return pad_ ? QAccessible::queryAccessibleInterface(pad_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        const Direction& d = kDirections[static_cast<size_t>(index_)];
        switch (t) {
        case QAccessible::Name:
            return QLatin1String(d.name);
        case QAccessible::Description: {
            const HeadlessZone* z = ZoneOf(pad_, index_);
            return z ? fromUtf8(z->toolTipText()) : QString();
        }
        case QAccessible::Accelerator: {
            const HeadlessHost* host = HostOf(pad_);
            return host && host->accessKeys().find(d.letter) != std::string::npos
                       ? Shortcut(d.letter)
                       : QString();
        }
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const HeadlessZone* z = ZoneOf(pad_, index_);
        if (!z) return {};
        const QRect local = ZoneRect(*z);
        return QRect(pad_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!pad_) {
            s.invalid = true;
            return s;
        }
        s.disabled = !pad_->isEnabled();
        s.invisible = !pad_->isVisible();
        const HeadlessZone* z = ZoneOf(pad_, index_);
        const std::optional<QPointF> at = pad_->pressedAt();
        s.pressed = z && at && QRectF(z->left(), z->top(), z->width(), z->height()).contains(*at);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction() || !pad_) return;
        if (const HeadlessZone* z = ZoneOf(pad_, index_))
            pad_->clickAt(QRectF(z->left(), z->top(), z->width(), z->height()).center());
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        const QString key = text(QAccessible::Accelerator);
        return action == pressAction() && !key.isEmpty() ? QStringList{key} : QStringList{};
    }

private:
    QPointer<ControlWidget> pad_;
    int index_;
};

// Tells assistive technology when what it reads of a control changes: the name with the
// caption, the checked state and the value with Value.
class ChangeNotifier : public QObject {
    Q_OBJECT
public:
    ChangeNotifier(ControlWidget* w, Kind kind) : QObject(w), widget_(w), kind_(kind) {
        Watch("captionChanged", SLOT(CaptionChanged()));
        Watch("valueChanged", SLOT(ValueChanged()));
    }

private slots:
    void CaptionChanged() {
        QAccessibleEvent e(widget_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
    void ValueChanged() {
        if (kind_ == Kind::Check) {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent e(widget_, changed);
            QAccessible::updateAccessibility(&e);
        } else if (kind_ == Kind::Progress) {
            QAccessibleValueChangeEvent e(widget_, doubleToQt(widget_->member("Value")));
            QAccessible::updateAccessibility(&e);
        }
    }

private:
    // Connects the widget's change signal of that name, whatever value it carries.
    void Watch(const char* signal, const char* slot) {
        const QMetaObject* meta = widget_->metaObject();
        const int receiver = metaObject()->indexOfSlot(QMetaObject::normalizedSignature(slot + 1));
        for (int i = 0; i < meta->methodCount() && receiver >= 0; ++i) {
            const QMetaMethod m = meta->method(i);
            if (m.methodType() == QMetaMethod::Signal && m.name() == signal)
                connect(widget_, m, this, metaObject()->method(receiver));
        }
    }

    ControlWidget* widget_;
    Kind kind_;
};

// A Nuvelkit widget: its role, name, states, actions and, for the fill bar, its value; the
// pad's four directions are its children.
class ControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    ControlAccessible(ControlWidget* w, Kind kind)
        : QAccessibleWidget(w, RoleOf(kind)), kind_(kind) {
        new ChangeNotifier(w, kind);
    }
    ~ControlAccessible() override {
        for (QAccessible::Id id : directions_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    ControlWidget* control() const { return static_cast<ControlWidget*>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return Name();
        case QAccessible::Description:
            if (!widget()->accessibleDescription().isEmpty())
                return widget()->accessibleDescription();
            return widget()->toolTip();
        case QAccessible::Accelerator: {
            const QStringList keys = KeyBindings();
            return keys.isEmpty() ? QString() : keys.front();
        }
        case QAccessible::Value:
            return kind_ == Kind::Progress ? QString::number(Value()) : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = kind_ != Kind::Pad && control()->pressedAt().has_value();
        // A progress bar is read, never edited, as a QProgressBar.
        if (kind_ == Kind::Progress) s.readOnly = true;
        if (kind_ == Kind::Check) {
            s.checkable = true;
            s.checked = intToQt(control()->member("Value")) != 0;
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface && kind_ == Kind::Progress)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The pad's directions.
    int childCount() const override {
        return kind_ == Kind::Pad ? static_cast<int>(kDirections.size())
                                  : QAccessibleWidget::childCount();
    }
    QAccessibleInterface* child(int index) const override {
        if (kind_ != Kind::Pad) return QAccessibleWidget::child(index);
        if (index < 0 || index >= static_cast<int>(kDirections.size())) return nullptr;
        QAccessible::Id& id = directions_[static_cast<size_t>(index)];
        if (!id) id = QAccessible::registerAccessibleInterface(new PadDirection(control(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        if (kind_ != Kind::Pad) return QAccessibleWidget::indexOfChild(c);
        for (size_t i = 0; i < directions_.size(); ++i)
            if (directions_[i] && QAccessible::accessibleInterface(directions_[i]) == c)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (kind_ != Kind::Pad) return QAccessibleWidget::childAt(x, y);
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < static_cast<int>(kDirections.size()); ++i)
            if (const HeadlessZone* z = ZoneOf(control(), i); z && ZoneRect(*z).contains(local))
                return child(i);
        return nullptr;
    }

    // Press for the buttons, toggle for the check box: a click at the control's centre.
    QStringList actionNames() const override {
        QStringList names;
        if (kind_ == Kind::Button) names << pressAction();
        if (kind_ == Kind::Check) names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        const bool click = (kind_ == Kind::Button && action == pressAction()) ||
                           (kind_ == Kind::Check && action == toggleAction());
        if (click)
            control()->clickAt(QRectF(widget()->rect()).center());
        else
            QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        const bool click = (kind_ == Kind::Button && action == pressAction()) ||
                           (kind_ == Kind::Check && action == toggleAction());
        return click ? KeyBindings() : QAccessibleWidget::keyBindingsForAction(action);
    }

    // The fill bar's value, 0 to 100; assistive technology reads it but does not set it.
    QVariant currentValue() const override { return Value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    bool HasMember(std::string_view name) const {
        return control()->formControl() && control()->formControl()->table().FindProperty(name);
    }
    QString Member(std::string_view name) const {
        return HasMember(name) ? stringToQt(control()->member(name)) : QString();
    }
    double Value() const { return doubleToQt(control()->member("Value")); }

    // The accessible name; else the caption without its marks; for a class without a caption
    // that is acted on (the sphere, the pad), the tool tip, else the object name.
    QString Name() const {
        if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
        if (HasMember("Caption")) return withoutAccessMarks(Member("Caption"));
        if (kind_ != Kind::Button && kind_ != Kind::Pad) return {};
        return widget()->toolTip().isEmpty() ? widget()->objectName() : widget()->toolTip();
    }

    // The keys that press the control, as a QPushButton reports its own: the caption's access
    // mark first, then the control's access keys (ShortCutKey), each with Alt. The pad's keys
    // belong to its directions.
    QStringList KeyBindings() const {
        QStringList keys;
        if (kind_ == Kind::Pad) return keys;
        if (const std::optional<QChar> mark = MnemonicOf(Member("Caption")))
            keys << QStringLiteral("Alt+") + *mark;
        if (const HeadlessHost* host = HostOf(control()))
            for (char k : host->accessKeys()) {
                const QString key = Shortcut(k);
                if (!key.isEmpty() && !keys.contains(key, Qt::CaseInsensitive)) keys << key;
            }
        return keys;
    }

    Kind kind_;
    mutable std::array<QAccessible::Id, 4> directions_{};
};

} // namespace

QString withoutAccessMarks(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // A mark goes; the character after it, a second "&" included, stays.
        if (caption[i] == QLatin1Char('&') && ++i == caption.size()) break;
        out += caption[i];
    }
    return out;
}

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("nk::qt::ControlWidget")) return nullptr;
    auto* w = qobject_cast<ControlWidget*>(object);
    if (!w) return nullptr;
    const std::optional<Kind> kind = KindOf(w->controlClass());
    return kind ? new ControlAccessible(w, *kind) : nullptr;
}

QAccessible::Role accessibleRole(const QString& className) {
    const std::optional<Kind> kind = KindOf(className);
    return kind ? RoleOf(*kind) : QAccessible::Client;
}

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(&accessibleFactory), true);
    (void)installed;
}

} // namespace nk::qt

#include "accessibility.moc"
