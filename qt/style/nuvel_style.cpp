#include "qt/style/nuvel_style.h"

#include "host/surface/surface_canvas.h"
#include "qt/control_manners.h"
#include "qt/kit.h"
#include "qt/qt_defaults.h"
#include "qt/size_rules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDynamicPropertyChangeEvent>
#include <QMutexLocker>
#include <QPainter>
#include <QProgressBar>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace nk::qt::style {

namespace {

Settings FileSettings() {
    const QString path = SettingsFile();
    if (path.isEmpty()) return {};
    Settings settings = LoadSettings(path, QCoreApplication::applicationName());
    for (const QString& p : settings.problems)
        qWarning("nuvelkit style: %s", qPrintable(p));
    return settings;
}

// A widget's name for a warning: its class, and its object name when it has one.
QString NameOf(const QWidget* w) {
    const QString cls = QLatin1String(w->metaObject()->className());
    return w->objectName().isEmpty() ? cls : QStringLiteral("%1 \"%2\"").arg(cls, w->objectName());
}

// The states of an option in the kit's terms. A push button that is on (a toggle button
// checked) shows pressed, as Qt's own styles draw it.
States StatesOf(const QStyleOption& o, bool onIsPressed) {
    States s = 0;
    if (!(o.state & QStyle::State_Enabled)) s = s | State::Disabled;
    if (o.state & QStyle::State_MouseOver) s = s | State::Hover;
    if (o.state & QStyle::State_Sunken) s = s | State::Pressed;
    if (o.state & (QStyle::State_On | QStyle::State_NoChange))
        s = s | (onIsPressed ? State::Pressed : State::Checked);
    if (o.state & QStyle::State_HasFocus) s = s | State::Focused;
    return s;
}

QFont FontOf(const QWidget* w) {
    return w ? w->font() : QApplication::font();
}

double ScaleOf(const QPainter* p, const QWidget* w) {
    const double ratio = p && p->device() ? p->device()->devicePixelRatio()
                         : w              ? w->devicePixelRatio()
                                          : qApp->devicePixelRatio();
    return NearestDeviceScale(ratio);
}

// The picture in `rect`, centred where the control keeps a smaller size than asked.
void Paint(QPainter* p, QRect rect, const QImage& image) {
    const QSize shown = image.deviceIndependentSize().toSize();
    p->drawImage(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2,
                                         (rect.height() - shown.height()) / 2),
                 image);
}

std::optional<Variant> MemberOf(const Members& members, std::string_view name) {
    for (const auto& [member, value] : members)
        if (SameName(member, name)) return value;
    return std::nullopt;
}

SizeRules RulesOf(const Look& look, const Members& extra, const QFont& font) {
    const SizeSettings settings = SizeSettingsOf(*look.table, [&](std::string_view name) {
        if (auto v = MemberOf(extra, name)) return v;
        return MemberOf(look.members, name);
    });
    return FindSizeRules(*look.table, settings, fontFromQt(font));
}

QSize Within(QSize wanted, const SizeRules& rules) {
    wanted = wanted.expandedTo(rules.least);
    if (rules.fixedWidth) wanted.setWidth(rules.least.width());
    if (rules.fixedHeight) wanted.setHeight(rules.least.height());
    return wanted;
}

Members BarMembers(const QStyleOptionProgressBar& bar) {
    const bool vertical = !(bar.state & QStyle::State_Horizontal);
    const double span = double(bar.maximum) - double(bar.minimum);
    const double percent =
        span > 0 ? std::clamp((double(bar.progress) - bar.minimum) / span * 100.0, 0.0, 100.0) : 0;
    Members m;
    m.emplace_back("FillOrientation", Variant::Long(vertical ? 1 : 0));
    m.emplace_back("Value", Variant::Double(percent));
    m.emplace_back("Caption", Variant::String(bar.textVisible ? bar.text.toStdString() : ""));
    if (!bar.textVisible) m.emplace_back("CaptionStyle", Variant::Long(0));
    return m;
}

// A tool bar's flat button (auto-raise) stays Fusion's unless the widget asks for a look.
bool ToolBarButton(const QStyleOption& option, const QWidget* widget) {
    return (option.state & QStyle::State_AutoRaise) &&
           !(widget && widget->property(kLookProperty).isValid());
}

} // namespace

NuvelStyle::NuvelStyle() : NuvelStyle(FileSettings()) {}

NuvelStyle::NuvelStyle(Settings settings)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), settings_(std::move(settings)) {
}

const Look& NuvelStyle::LookOf(Kind kind, const QWidget* widget) const {
    const QVariant asked = widget ? widget->property(kLookProperty) : QVariant();
    const QString text = asked.toString();
    const QMutexLocker hold(&lock_);
    const auto key = std::make_pair(kind, text);
    if (const auto found = looks_.find(key); found != looks_.end()) return found->second;
    std::vector<QString> problems;
    Look look = ParseLook(kind, {settings_.looks[static_cast<std::size_t>(kind)], text}, problems);
    // A frame or group box is the kit's panel only where the widget asks for it.
    if ((kind == Kind::Frame || kind == Kind::GroupBox) && !asked.isValid()) look.drawn = false;
    for (const QString& p : problems)
        qWarning("nuvelkit style: %s: %s \"%s\": %s", qPrintable(NameOf(widget)), kLookProperty,
                 qPrintable(text), qPrintable(p));
    return looks_.emplace(key, std::move(look)).first->second;
}

bool NuvelStyle::DrawLook(Kind kind, const QStyleOption& option, QRect rect, Members given,
                          States states, QPainter* painter, const QWidget* widget) const {
    const Look& look = LookOf(kind, widget);
    if (!look.drawn || rect.isEmpty()) return false;
    Request r;
    r.table = look.table;
    for (auto& [member, value] : paletteDefaults(look.table->className, option.palette))
        r.members.emplace_back(std::string(member), std::move(value));
    r.members.insert(r.members.end(), look.members.begin(), look.members.end());
    for (auto& m : given)
        if (look.table->FindProperty(m.first)) r.members.push_back(std::move(m));
    r.font = FontOf(widget);
    r.size = rect.size();
    r.scale = ScaleOf(painter, widget);
    r.states = states;
    const QImage image = Picture(r);
    if (image.isNull()) return false;
    Paint(painter, rect, image);
    return true;
}

void NuvelStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    const auto caption = [](const QString& text) {
        return Members{{"Caption", Variant::String(text.toStdString())}};
    };
    bool drawn = false;
    if (element == CE_PushButton && button) {
        Members given = caption(button->text);
        if (button->features & QStyleOptionButton::DefaultButton)
            given.emplace_back("Default", Variant::Boolean(kTrue));
        drawn = DrawLook(Kind::PushButton, *option, option->rect, std::move(given),
                         StatesOf(*option, true), painter, widget);
    } else if ((element == CE_CheckBox || element == CE_RadioButton) && button) {
        drawn = DrawLook(element == CE_CheckBox ? Kind::CheckBox : Kind::RadioButton, *option,
                         option->rect, caption(button->text), StatesOf(*option, false), painter,
                         widget);
    } else if (element == CE_ProgressBar) {
        const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
        // A busy bar (no range) stays Fusion's moving one.
        if (bar && bar->maximum > bar->minimum)
            drawn = DrawLook(Kind::ProgressBar, *option, option->rect, BarMembers(*bar),
                             StatesOf(*option, false), painter, widget);
    } else if (element == CE_ShapedFrame) {
        drawn = DrawLook(Kind::Frame, *option, option->rect, {}, StatesOf(*option, false), painter,
                         widget);
    }
    if (!drawn) QProxyStyle::drawControl(element, option, painter, widget);
}

void NuvelStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (control == CC_ToolButton && !ToolBarButton(*option, widget)) {
        if (const auto* tool = qstyleoption_cast<const QStyleOptionToolButton*>(option)) {
            // The control draws the caption of a button without an icon; an icon and its text
            // are Fusion's label over the control's face.
            const bool textOnly =
                tool->icon.isNull() || tool->toolButtonStyle == Qt::ToolButtonTextOnly;
            const Members given{
                {"Caption", Variant::String(textOnly ? tool->text.toStdString() : "")}};
            if (DrawLook(Kind::ToolButton, *option, option->rect, given, StatesOf(*option, true),
                         painter, widget)) {
                if (!textOnly) {
                    QStyleOptionToolButton label = *tool;
                    label.rect = subControlRect(control, option, SC_ToolButton, widget);
                    proxy()->drawControl(CE_ToolButtonLabel, &label, painter, widget);
                }
                return;
            }
        }
    } else if (control == CC_GroupBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
            if ((box->subControls & SC_GroupBoxFrame) &&
                DrawLook(Kind::GroupBox, *option, frame, {}, StatesOf(*option, false), painter,
                         widget)) {
                QStyleOptionGroupBox rest = *box;
                rest.subControls &= ~SC_GroupBoxFrame;
                QProxyStyle::drawComplexControl(control, &rest, painter, widget);
                return;
            }
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QSize NuvelStyle::ButtonSize(Kind kind, const QStyleOption& option, QSize fusion,
                             const QString& text, const QWidget* widget) const {
    const Look& look = LookOf(kind, widget);
    if (!look.drawn) return fusion;
    const int line = option.fontMetrics.height();
    // The caption's line inside the focus frame, between round caps as wide as the button
    // is high.
    const int high = std::max(fusion.height(), line + kFocusFrame);
    const QSize art(option.fontMetrics.horizontalAdvance(visibleCaption(text.toStdString())) +
                        high + kFocusFrame,
                    high);
    return Within(fusion.expandedTo(art), RulesOf(look, {}, FontOf(widget)));
}

QSize NuvelStyle::CheckSize(const QStyleOption& option, QSize fusion, const QString& text) const {
    const int textWidth = option.fontMetrics.horizontalAdvance(visibleCaption(text.toStdString()));
    const QSize art(kCheckCaptionLeft + textWidth + kCheckCaptionMargin,
                    std::max(kCheckGlyph, option.fontMetrics.height()));
    return fusion.expandedTo(art);
}

QSize NuvelStyle::BarSize(const QStyleOption& option, QSize fusion, const QWidget* widget) const {
    const Look& look = LookOf(Kind::ProgressBar, widget);
    if (!look.drawn) return fusion;
    const bool vertical = !(option.state & State_Horizontal);
    const Members orientation{{"FillOrientation", Variant::Long(vertical ? 1 : 0)}};
    return Within(fusion, RulesOf(look, orientation, FontOf(widget)));
}

QSize NuvelStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const {
    const QSize fusion = QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    switch (type) {
    case CT_PushButton:
        return button ? ButtonSize(Kind::PushButton, *option, fusion, button->text, widget)
                      : fusion;
    case CT_ToolButton:
        if (ToolBarButton(*option, widget)) return fusion;
        if (const auto* tool = qstyleoption_cast<const QStyleOptionToolButton*>(option))
            return ButtonSize(Kind::ToolButton, *option, fusion,
                              tool->icon.isNull() ? tool->text : QString(), widget);
        return fusion;
    case CT_CheckBox:
    case CT_RadioButton: {
        const Kind kind = type == CT_CheckBox ? Kind::CheckBox : Kind::RadioButton;
        return button && LookOf(kind, widget).drawn ? CheckSize(*option, fusion, button->text)
                                                    : fusion;
    }
    case CT_ProgressBar:
        return BarSize(*option, fusion, widget);
    default:
        return fusion;
    }
}

void NuvelStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // Buttons repaint as the pointer enters and leaves them: their hover look.
    if (qobject_cast<QAbstractButton*>(widget)) widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
}

void NuvelStyle::unpolish(QWidget* widget) {
    widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

bool NuvelStyle::eventFilter(QObject* object, QEvent* event) {
    // A widget given a new look is drawn and sized again, as after a change of style (which
    // also drops a button's remembered size hint).
    if (event->type() == QEvent::DynamicPropertyChange &&
        static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kLookProperty) {
        if (auto* w = qobject_cast<QWidget*>(object)) {
            QEvent changed(QEvent::StyleChange);
            QCoreApplication::sendEvent(w, &changed);
            w->updateGeometry();
            w->update();
        }
    }
    return QProxyStyle::eventFilter(object, event);
}

} // namespace nk::qt::style
