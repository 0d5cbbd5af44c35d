#include "qt/quick/control_item.h"

#include "framework/variant.h"
#include "host/forms/form.h"
#include "host/forms/form_damage.h"
#include "host/hosts/compose.h"
#include "host/hosts/pixel_extent.h"
#include "host/input/form_input.h"
#include "host/surface/surface_canvas.h"
#include "qt/accessibility.h"
#include "qt/control_form.h"
#include "qt/control_manners.h"
#include "qt/kit.h"
#include "qt/modal_dialog.h"
#include "qt/qt_defaults.h"
#include "qt/size_rules.h"

#include <QApplication>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlProperty>
#include <QQuickWindow>
#include <QSGSimpleTextureNode>
#include <QSGTexture>

#include <cmath>
#include <limits>
#include <span>

namespace nk::quick {

using namespace nk::qt;

namespace {

// The form timer's role on Qt Quick: one timer per window, a child of the window, steps every
// control item in it whose TimerInvoke does something, in the order the window holds them; a
// window without such an item has no timer.
constexpr int kStepMs = 50;
constexpr const char* kTimerName = "nuvelkitFormTimer";

void StepWindow(QQuickWindow* window) {
    const QList<ControlItem*> items = window->contentItem()->findChildren<ControlItem*>();
    QList<QPointer<ControlItem>> guarded(items.begin(), items.end());
    for (const QPointer<ControlItem>& item : guarded)
        if (item && item->formControl() && animatedOnTimer(item->formControl()->table()))
            item->call("TimerInvoke");
}

void EnsureWindowTimer(QQuickWindow* window) {
    if (window->findChild<QTimer*>(kTimerName, Qt::FindDirectChildrenOnly)) return;
    auto* timer = new QTimer(window);
    timer->setObjectName(kTimerName);
    timer->setInterval(kStepMs);
    QObject::connect(timer, &QTimer::timeout, window, [window] { StepWindow(window); });
    timer->start();
}

// The item's size as a control's, nothing for a size no control takes (negative, not finite,
// beyond the kit's largest extent).
std::optional<QSize> ControlSize(QSizeF size) {
    const std::optional<int> w = PixelSize(size.width()), h = PixelSize(size.height());
    if (!w || !h) return std::nullopt;
    return QSize(*w, *h);
}

// Dialogs are Qt widgets' where the application has them (a QApplication); a Qt Quick
// application without widgets gets the message in its log.
bool WidgetsThere() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

struct ControlItem::KitSide {
    ControlItem* item = nullptr;
    std::unique_ptr<Form> form;
    std::unique_ptr<FormInput> input;
    ControlDamage damage;
    std::vector<PixelBox> changed;
    // What the control changed since the last frame (item pixels), for the frame to compose.
    QRect dirty;
    SizeRules rules;
    SizeSettings probedWith;
    bool probed = false;
    std::string accessKeys;
    char mnemonic = 0;
    std::vector<AccessKeyBinding> bindings;
};

ControlItem::ControlItem(const QString& className, QQuickItem* parent) : QQuickItem(parent) {
    table_ = findClass(className, &error_);
    if (!table_) qWarning("Nuvelkit: %s", qPrintable(error_));
    setFlag(ItemHasContents);
    setAcceptedMouseButtons(Qt::AllButtons);
    setAcceptHoverEvents(true);
    if (table_) setImplicitSize(table_->designWidth, table_->designHeight);
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        if (control_) control_->host().SetAmbientDisplayName(name.toStdString());
    });
}

ControlItem::~ControlItem() {
    if (kit_) kit_->item = nullptr;
}

QString ControlItem::controlClass() const {
    return table_ ? fromUtf8(table_->className) : QString();
}

template <class Call> bool ControlItem::Reach(Call&& call) {
    // The kit's side stays until the call has returned, even when a slot deletes the item.
    const std::shared_ptr<KitSide> hold = kit_;
    const QPointer<ControlItem> alive(this);
    call();
    if (!alive) return false;
    for (std::string_view name : quietMembers(table_->className))
        controlPropertyChanged(name);
    if (!alive) return false;
    Sync();
    return true;
}

double ControlItem::DeviceRatio() const {
    return window() ? window()->effectiveDevicePixelRatio() : qGuiApp->devicePixelRatio();
}

ContainerHooks ControlItem::Hooks() {
    ContainerHooks h;
    h.player = [](std::shared_ptr<const std::vector<std::uint8_t>> image, int id) {
        playSound(std::move(image), id);
    };
    h.shell = [](const std::string& address) { return openAddress(address); };
    const QString className = controlClass();
    h.messageBox = [className](int style, const std::string& title, const std::string& text) {
        if (!WidgetsThere()) {
            qInfo("%s: %s: %s", qPrintable(className), title.c_str(), text.c_str());
            return;
        }
        RunMessageBox(nullptr, style, title, text);
    };
    h.runDialog = [className](ModalForm& form) {
        if (WidgetsThere())
            RunModalDialog(nullptr, form);
        else
            qInfo("%s: a dialog needs a QApplication", qPrintable(className));
    };
    h.onFault = [className](const std::string& message) {
        qWarning("%s: %s", qPrintable(className), message.c_str());
    };
    // Hover events follow the pointer out of the item: the capture needs nothing of Qt Quick.
    h.onCapture = [](bool) {};
    return h;
}

FormControl* ControlItem::Ensure() {
    if (control_ || !table_ || creating_) return control_;
    creating_ = true;
    kit_ = std::make_shared<KitSide>();
    kit_->item = this;
    KitSide* side = kit_.get();
    kit_->form = makeControlForm(
        table_, QGuiApplication::font(), DeviceRatio(), Hooks(),
        [side](FormControl&, const EventInfo* info, int number, std::span<const EventArg> args) {
            if (side->item)
                side->item->controlEvent(info, number, EventArgs(args.data(), args.size()));
        });
    Form& form = *kit_->form;
    const std::string name = displayNameOf(objectName(), table_->className);
    const std::optional<QSize> given = ControlSize(size());
    const bool sized = given && !given->isEmpty();
    std::string why;
    FormControl* made = form.Add(table_->className, name, 0, 0, sized ? given->width() : -1,
                                 sized ? given->height() : -1, &why);
    creating_ = false;
    if (!made) {
        error_ = QString::fromStdString(why);
        qWarning("Nuvelkit: %s", qPrintable(error_));
        kit_.reset();
        return nullptr;
    }
    control_ = made;
    kit_->input = std::make_unique<FormInput>(form);
    for (const PropertyInfo& p : table_->properties) {
        const std::string_view member = p.name;
        control_->OnChanged(member, [side, member](FormControl&) {
            if (side->item) side->item->controlPropertyChanged(member);
        });
    }
    if (!isEnabled()) control_->Set("Enabled", Variant::Boolean(kFalse)); // in a disabled parent
    kitEnabled_ = control_->host().Enabled();
    Sync();
    controlMade();
    WatchAccessible();
    WatchLayout();
    return control_;
}

void ControlItem::WatchAccessible() {
    // QML's Accessible attached object, where the item's context knows it (the module imports
    // QtQuick): the role and actions of the widget of the same class, the name and checked
    // state kept up by Sync.
    const QQmlProperty role(this, QStringLiteral("Accessible.role"), qmlContext(this));
    accessible_ = role.isValid() ? role.object() : nullptr;
    if (!accessible_) return;
    // A role the QML file gave the item stays.
    if (role.read().toInt() == QAccessible::NoRole) role.write(int(accessibleRole(controlClass())));
    const bool check = mnemonicOf(table_->className) == Mnemonic::Toggles;
    accessible_->setProperty("checkable", check);
    // Every action does what a click does, through the control's input path.
    const char* action = check ? SIGNAL(toggleAction()) : SIGNAL(pressAction());
    if (accessibleRole(controlClass()) == QAccessible::Button || check)
        connect(accessible_, action, this, SLOT(accessibleAction()));
    SyncAccessible();
}

void ControlItem::WatchLayout() {
    // The layouts' attached object, where the item's context has QtQuick.Layouts.
    const QQmlProperty most(this, QStringLiteral("Layout.maximumWidth"), qmlContext(this));
    layout_ = most.isValid() ? most.object() : nullptr;
    SyncLayout();
}

void ControlItem::SyncLayout() {
    if (!layout_) return;
    // A side the control holds fixed is fixed for the layout too, unless the QML file gave the
    // layout limits of its own.
    const QSize fixed = kit_->rules.least;
    const auto hold = [this](const char* least, const char* most, bool on, int size, int& shown) {
        const double now = layout_->property(most).toDouble();
        const bool ours = std::isinf(now) || now == shown;
        if (!ours) return;
        shown = on ? size : -1;
        layout_->setProperty(least, on ? size : 0);
        layout_->setProperty(most, on ? double(size) : std::numeric_limits<double>::infinity());
    };
    hold("minimumWidth", "maximumWidth", kit_->rules.fixedWidth, fixed.width(), layoutWidth_);
    hold("minimumHeight", "maximumHeight", kit_->rules.fixedHeight, fixed.height(), layoutHeight_);
}

void ControlItem::SyncAccessible() {
    if (!accessible_) return;
    const std::optional<Variant> caption =
        table_->FindProperty("Caption") ? control_->Get("Caption") : std::nullopt;
    const QString name =
        caption ? withoutAccessMarks(fromUtf8(VariantToString(*caption))) : objectName();
    // A name the QML file gave the item stays; the caption's name follows the caption.
    const QString shown = accessible_->property("name").toString();
    if (shown != name && (shown.isEmpty() || shown == accessibleName_)) {
        accessibleName_ = name;
        accessible_->setProperty("name", name);
    }
    if (mnemonicOf(table_->className) == Mnemonic::Toggles) {
        const std::optional<Variant> value = control_->Get("Value");
        accessible_->setProperty("checked",
                                 value && value->ToLong() != std::optional<std::int32_t>(0));
    }
}

void ControlItem::accessibleAction() {
    clickAt(QPointF(width() / 2, height() / 2));
}

void ControlItem::clickAt(QPointF at) {
    if (!Ensure() || !isEnabled()) return;
    const QPointer<ControlItem> alive(this);
    PressAt(kLeftButton, 0, at, 1);
    if (!alive) return;
    FormInput* input = kit_->input.get();
    Reach([&] { input->MouseUp(kLeftButton, 0, at.x(), at.y()); });
}

void ControlItem::applyPaletteDefaults() {
    const std::string className = controlClass().toStdString();
    for (const auto& [name, value] : paletteDefaults(className, QGuiApplication::palette()))
        if (!setMember(name, value)) return;
}

bool ControlItem::setMember(std::string_view name, const Variant& value) {
    if (!Ensure()) return false;
    bool ok = false;
    return Reach([&] { ok = control_->Set(name, value); }) && ok;
}

bool ControlItem::setMember(std::string_view name, const std::optional<Variant>& value) {
    return value && setMember(name, *value);
}

std::optional<Variant> ControlItem::member(std::string_view name) const {
    auto* self = const_cast<ControlItem*>(this);
    return self->Ensure() ? control_->Get(name) : std::nullopt;
}

MethodResult ControlItem::call(std::string_view method, const Variant* args, std::size_t count) {
    if (!Ensure()) return {-1, "no control", {}};
    MethodResult r;
    Reach([&] { r = control_->Call(method, std::span<const Variant>(args, count)); });
    return r;
}

FormControl* ControlItem::formControl() {
    return Ensure();
}

Image ControlItem::composed() {
    return Ensure() ? Compose(control_->host()) : Image();
}

bool ControlItem::controlHasFocus() const {
    return control_ && kit_->input->focused() == control_;
}

void ControlItem::controlEvent(const EventInfo*, int, EventArgs) {}

void ControlItem::controlPropertyChanged(std::string_view) {}

void ControlItem::Sync() {
    if (!control_) return;
    ++syncing_;
    SyncSize();
    SyncAccessKeys();
    SyncEnabled();
    SyncAccessible();
    --syncing_;
    // Only what the control drew or moved makes a new frame.
    kit_->changed.clear();
    kit_->damage.Collect(*control_, kit_->changed);
    if (kit_->changed.empty()) return;
    for (const PixelBox& b : kit_->changed)
        kit_->dirty |= QRect(b.left, b.top, b.Width(), b.Height());
    drawn_ = true;
    update();
}

void ControlItem::SyncSize() {
    // The size rules as the implicit size: the design size within the least size the control
    // and its artwork need.
    SizeSettings settings =
        SizeSettingsOf(*table_, [this](std::string_view name) { return control_->Get(name); });
    if (!kit_->probed || !SameSettings(settings, kit_->probedWith)) {
        kit_->rules = FindSizeRules(*table_, settings, fontFromQt(QGuiApplication::font()));
        kit_->probedWith = std::move(settings);
        kit_->probed = true;
    }
    QSize design(table_->designWidth, table_->designHeight);
    if (const std::optional<Variant> o = control_->Get("FillOrientation");
        o && o->ToLong() == std::optional<std::int32_t>(1))
        design.transpose();
    const QSize least = artworkLeast(table_->className, kit_->rules.least, control_->Get("Caption"),
                                     QGuiApplication::font());
    const QSize hint = design.expandedTo(least);
    setImplicitSize(hint.width(), hint.height());
    SyncLayout();
    // A size the control would not take is the item's.
    const QSizeF extent(control_->width(), control_->height());
    if (extent != size()) setSize(extent);
}

void ControlItem::SyncAccessKeys() {
    const std::string& keys = control_->host().accessKeys();
    const Mnemonic kind = mnemonicOf(table_->className);
    const std::optional<Variant> caption =
        kind == Mnemonic::None ? std::nullopt : control_->Get("Caption");
    const char mark = caption ? captionMnemonic(VariantToString(*caption)) : 0;
    if (keys == kit_->accessKeys && mark == kit_->mnemonic && !kit_->bindings.empty()) return;
    kit_->accessKeys = keys;
    kit_->mnemonic = mark;
    kit_->bindings = accessKeyBindings(keys, mark, kind == Mnemonic::Toggles);
}

void ControlItem::SyncEnabled() {
    // Only a change the control made itself goes to Qt Quick; Qt Quick's own changes reach the
    // control in itemChange.
    const bool kit = control_->host().Enabled();
    if (kit == kitEnabled_) return;
    kitEnabled_ = kit;
    setEnabled(kit);
}

void ControlItem::ResizeControl(QSizeF to) {
    const std::optional<QSize> asked = ControlSize(to);
    if (!asked || asked->isEmpty() || *asked == QSize(control_->width(), control_->height()))
        return;
    control_->SetSize(asked->width(), asked->height());
    // As the widget host: erased to its back colour, then drawn whole at the new size.
    control_->host().Cls();
    control_->site().PaintWhole();
}

void ControlItem::FollowDeviceRatio() {
    if (!control_) return;
    const double scale = NearestDeviceScale(DeviceRatio());
    if (scale == kit_->form->scale()) return;
    kit_->form->SetScale(scale);
    kit_->damage.Reset();
    Sync();
}

void ControlItem::componentComplete() {
    QQuickItem::componentComplete();
    Ensure();
}

QSGNode* ControlItem::updatePaintNode(QSGNode* old, UpdatePaintNodeData*) {
    auto* node = static_cast<QSGSimpleTextureNode*>(old);
    if (!control_ || !window() || width() <= 0 || height() <= 0) {
        delete node;
        return nullptr;
    }
    if (!node) {
        node = new QSGSimpleTextureNode;
        node->setOwnsTexture(true);
        drawn_ = true;
    }
    if (drawn_ || !node->texture()) {
        drawn_ = false;
        ++frames_;
        // The frame is composed into the item's own pixels, which the texture is made from
        // without a copy in between: only what the control changed, unless its size did.
        const HeadlessHost& host = control_->host();
        const PixelBox extent = DeviceExtent(host);
        const std::size_t count = static_cast<std::size_t>(extent.Width()) * extent.Height();
        PixelBox area = extent;
        if (frame_.size() == count && frameWidth_ == extent.Width()) {
            const double scale = host.surface().scale();
            const QRect part = alignedToDevice(kit_->dirty, scale);
            area = Intersect({DevicePixels(part.left(), scale), DevicePixels(part.top(), scale),
                              DevicePixels(part.right() + 1, scale),
                              DevicePixels(part.bottom() + 1, scale)},
                             extent);
        }
        frame_.resize(count);
        frameWidth_ = extent.Width();
        kit_->dirty = QRect();
        if (!area.Empty())
            ComposeInto(
                host,
                {frame_.data() + static_cast<std::ptrdiff_t>(area.top) * extent.Width() + area.left,
                 extent.Width(), area});
        // Where a mask leaves pixels out they are see-through (0): premultiplied, they draw
        // nothing.
        const QImage image(reinterpret_cast<const uchar*>(frame_.data()), extent.Width(),
                           extent.Height(), extent.Width() * 4,
                           HasImage(host.maskPicture()) ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_RGB32);
        node->setTexture(window()->createTextureFromImage(image));
    }
    node->setRect(QRectF(0, 0, control_->width(), control_->height()));
    node->setFiltering(QSGTexture::Nearest);
    return node;
}

void ControlItem::geometryChange(const QRectF& now, const QRectF& before) {
    QQuickItem::geometryChange(now, before);
    if (!control_ || syncing_ || now.size() == before.size()) return;
    Reach([&] { ResizeControl(now.size()); });
}

void ControlItem::itemChange(ItemChange change, const ItemChangeData& data) {
    QQuickItem::itemChange(change, data);
    if (change == ItemSceneChange) {
        WatchWindow(data.window);
        // An item made in C++ is complete at once: its control is made when it is shown.
        if (data.window && isComponentComplete()) Ensure();
    }
    if (change == ItemDevicePixelRatioHasChanged) FollowDeviceRatio();
    if (change == ItemEnabledHasChanged && control_ && !syncing_ &&
        control_->host().Enabled() != isEnabled()) {
        const bool on = isEnabled();
        Reach([&] {
            if (table_->FindProperty("Enabled"))
                control_->Set("Enabled", Variant::Boolean(on ? kTrue : kFalse));
            else
                control_->host().SetEnabled(on);
            kitEnabled_ = control_->host().Enabled();
        });
    }
}

void ControlItem::WatchWindow(QQuickWindow* window) {
    if (watched_) watched_->removeEventFilter(this);
    watched_ = window;
    if (!window) return;
    window->installEventFilter(this);
    if (table_ && animatedOnTimer(*table_)) EnsureWindowTimer(window);
    FollowDeviceRatio();
}

bool ControlItem::eventFilter(QObject* watched, QEvent* e) {
    // The access keys: Alt+letter anywhere in the window, as a widget's shortcut.
    if (watched != watched_ || e->type() != QEvent::KeyPress || !control_ || !kit_) return false;
    const auto* key = static_cast<QKeyEvent*>(e);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (!(mods & Qt::AltModifier)) return false;
    const bool shifted = mods & Qt::ShiftModifier;
    for (const AccessKeyBinding& b : kit_->bindings) {
        if (b.key != key->key() || b.shifted != shifted) continue;
        return AccessKey(b.ascii, b.toggle);
    }
    return false;
}

bool ControlItem::AccessKey(int ascii, bool toggle) {
    if (!isEnabled() || !isVisible() || !control_->host().Enabled()) return false;
    forceActiveFocus(Qt::ShortcutFocusReason);
    FormControl* control = control_;
    FormInput* input = kit_->input.get();
    if (!Reach([&] { input->Focus(control); })) return true;
    // A check box's mnemonic toggles it before its click, as a mouse click does.
    if (toggle && !Reach([&] { toggleCheck(*control); })) return true;
    Reach([&] { control->site().AccessKeyPress(static_cast<std::int16_t>(ascii)); });
    return true;
}

void ControlItem::MouseMove(int buttons, int shift, QPointF at) {
    if (lastMove_ && *lastMove_ == at) return;
    lastMove_ = at;
    FormInput* input = kit_->input.get();
    Reach([&] { input->MouseMove(buttons, shift, at.x(), at.y()); });
}

void ControlItem::PressAt(int button, int shift, QPointF at, int clicks) {
    lastMove_.reset();
    // A class in the Tab chain takes the focus by click too, as a Qt push button or check box.
    if (activeFocusOnTab()) forceActiveFocus(Qt::MouseFocusReason);
    FormInput* input = kit_->input.get();
    Reach([&] { input->MouseDown(button, shift, at.x(), at.y(), clicks); });
}

void ControlItem::mousePressEvent(QMouseEvent* e) {
    const int button = buttonsFromQt(e->button());
    if (!Ensure() || button == 0) {
        e->ignore();
        return;
    }
    PressAt(button, shiftFromQt(e->modifiers()), e->position(), 1);
}

void ControlItem::mouseDoubleClickEvent(QMouseEvent* e) {
    const int button = buttonsFromQt(e->button());
    if (!Ensure() || button == 0) return;
    PressAt(button, shiftFromQt(e->modifiers()), e->position(), 2);
}

void ControlItem::mouseMoveEvent(QMouseEvent* e) {
    if (!Ensure()) return;
    MouseMove(buttonsFromQt(e->buttons()), shiftFromQt(e->modifiers()), e->position());
}

void ControlItem::mouseReleaseEvent(QMouseEvent* e) {
    const int button = buttonsFromQt(e->button());
    if (!Ensure() || button == 0) return;
    lastMove_.reset();
    FormInput* input = kit_->input.get();
    const QPointF at = e->position();
    const int shift = shiftFromQt(e->modifiers());
    Reach([&] { input->MouseUp(button, shift, at.x(), at.y()); });
}

void ControlItem::hoverEnterEvent(QHoverEvent* e) {
    if (Ensure()) MouseMove(0, shiftFromQt(e->modifiers()), e->position());
}

void ControlItem::hoverMoveEvent(QHoverEvent* e) {
    if (Ensure()) MouseMove(0, shiftFromQt(e->modifiers()), e->position());
}

void ControlItem::hoverLeaveEvent(QHoverEvent* e) {
    // The control holds the capture while the pointer is over it: the move outside that the
    // capture brings tells it the pointer left.
    if (!control_ || !control_->host().captured()) return;
    QPointF at = e->position();
    if (QQuickItem::contains(at)) at = QPointF(-1, -1);
    MouseMove(0, shiftFromQt(e->modifiers()), at);
}

void ControlItem::keyPressEvent(QKeyEvent* e) {
    const int code = vkFromQt(e->key());
    // Tab belongs to Qt Quick's focus chain; keys the kit does not name go to the parent.
    if (!Ensure() || code == 0 || code == vk::kTab) {
        e->ignore();
        return;
    }
    FormInput* input = kit_->input.get();
    const int shift = shiftFromQt(e->modifiers());
    const std::string_view className = table_->className;
    if (!Reach([&] { input->KeyDown(code, shift); })) return;
    e->setAccepted(classUsesKey(className, code));
}

void ControlItem::keyReleaseEvent(QKeyEvent* e) {
    const int code = vkFromQt(e->key());
    if (!Ensure() || code == 0 || code == vk::kTab) {
        e->ignore();
        return;
    }
    const std::string_view className = table_->className;
    // Only the last release of a held key, the one that is no repeat, lets the key go up.
    if (!e->isAutoRepeat()) {
        FormInput* input = kit_->input.get();
        const int shift = shiftFromQt(e->modifiers());
        if (!Reach([&] { input->KeyUp(code, shift); })) return;
    }
    e->setAccepted(classUsesKey(className, code));
}

void ControlItem::focusInEvent(QFocusEvent* e) {
    QQuickItem::focusInEvent(e);
    if (Ensure()) Reach([&] { kit_->input->Focus(control_); });
}

void ControlItem::focusOutEvent(QFocusEvent* e) {
    QQuickItem::focusOutEvent(e);
    if (control_) Reach([&] { kit_->input->Focus(nullptr); });
}

bool ControlItem::contains(const QPointF& point) const {
    if (!QQuickItem::contains(point) || !control_) return QQuickItem::contains(point);
    // Where a mask leaves the control out, the click goes to what lies beneath.
    const Picture& mask = control_->host().maskPicture();
    if (!HasImage(mask)) return true;
    const Image& image = *mask->image();
    const int x = static_cast<int>(point.x()), y = static_cast<int>(point.y());
    return x >= 0 && y >= 0 && x < image.width && y < image.height && MaskKeeps(image.At(x, y));
}

} // namespace nk::quick
