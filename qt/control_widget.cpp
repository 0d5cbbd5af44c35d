#include "qt/control_widget.h"

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
#include "qt/size_rules.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <span>

namespace nk::qt {

namespace {

// The surface's pixels (0xFFRRGGBB) as a Qt image, without a copy.
QImage Wrap(const Image& image) {
    return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                  image.width * 4, QImage::Format_RGB32);
}

// The part of a mask picture that belongs to the control, as a region: one rectangle per
// run of kept pixels in each row.
QRegion MaskRegion(const Image& mask, int w, int h) {
    std::vector<QRect> runs;
    const int rows = std::min(mask.height, h), cols = std::min(mask.width, w);
    for (int y = 0; y < rows; ++y) {
        int x = 0;
        while (x < cols) {
            while (x < cols && !MaskKeeps(mask.At(x, y)))
                ++x;
            const int start = x;
            while (x < cols && MaskKeeps(mask.At(x, y)))
                ++x;
            if (x > start) runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    if (!runs.empty()) region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

bool IsFontMember(std::string_view name) {
    return name.size() >= 4 && name.substr(0, 4) == "Font";
}

// Size policies as the Qt widget of the same role has them: a push button grows in width, a
// check box takes what it is given across, a sphere and a pad keep their size, a bar grows
// along its length, a screen anywhere.
QSizePolicy PolicyOf(std::string_view className, bool vertical) {
    using P = QSizePolicy;
    if (className == "NuvelCommand" || className == "NuvelHCommand") return {P::Minimum, P::Fixed};
    if (className == "NuvelCheck") return {P::Preferred, P::Fixed};
    if (className == "NuvelSphere" || className == "NuvelPad") return {P::Fixed, P::Fixed};
    if (className == "NuvelFill")
        return vertical ? P(P::Fixed, P::Expanding) : P(P::Expanding, P::Fixed);
    return {P::Preferred, P::Preferred};
}

} // namespace

struct ControlWidget::KitSide {
    ControlWidget* widget = nullptr;
    std::unique_ptr<Form> form;
    std::unique_ptr<FormInput> input;
    SizeSettings probedWith;
    // What the control changed since its last frame, and the storage it is measured in.
    ControlDamage damage;
    std::vector<PixelBox> changed;
    // The composed pixels of the part being painted.
    std::vector<std::uint32_t> scratch;
    // What the widget asks of its class after every delivery, looked up once.
    Mnemonic mnemonic = Mnemonic::None;
    std::span<const std::string_view> quiet;
    bool orientable = false;
};

class ControlWidget::Holding {
public:
    explicit Holding(std::shared_ptr<KitSide> side) : side_(std::move(side)) {}
    bool widgetGone() const { return side_ && !side_->widget; }

private:
    std::shared_ptr<KitSide> side_;
};

ControlWidget::Holding ControlWidget::Hold() const {
    return Holding(kit_);
}

template <class Call> bool ControlWidget::Reach(Call&& call) {
    const Holding hold = Hold();
    call();
    if (hold.widgetGone()) return false;
    ReportQuietChanges();
    if (hold.widgetGone()) return false;
    Sync();
    return true;
}

ControlWidget::ControlWidget(const QString& className, QWidget* parent) : QWidget(parent) {
    installAccessibility();
    table_ = findClass(className, &error_);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (table_) resize(table_->designWidth, table_->designHeight);
    setAttribute(Qt::WA_Resized, false); // the design size is the widget's until it is sized
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        if (control_) control_->host().SetAmbientDisplayName(name.toStdString());
    });
}

ControlWidget::~ControlWidget() {
    if (QWidget::mouseGrabber() == this) releaseMouse();
    if (!kit_) return;
    // From now on the control reaches no part of the widget. The control goes now, or, when
    // this widget was deleted from a slot of one of its own signals, once the call into the
    // control that raised the signal has returned.
    kit_->widget = nullptr;
    kit_.reset();
}

QString ControlWidget::controlClass() const {
    return table_ ? fromUtf8(table_->className) : QString();
}

bool ControlWidget::hasControl() {
    return Ensure() != nullptr;
}

FormControl* ControlWidget::formControl() {
    return Ensure();
}

Image ControlWidget::composed() {
    return Ensure() ? Compose(control_->host()) : Image();
}

ContainerHooks ControlWidget::Hooks() {
    // The hooks belong to the kit's side, which may outlive the widget for the rest of a call:
    // each one asks it for the widget.
    KitSide* side = kit_.get();
    ContainerHooks h;
    h.player = [](std::shared_ptr<const std::vector<std::uint8_t>> image, int id) {
        playSound(std::move(image), id);
    };
    h.shell = [](const std::string& address) { return openAddress(address); };
    h.messageBox = [side](int style, const std::string& title, const std::string& text) {
        if (side->widget) RunMessageBox(side->widget->window(), style, title, text);
    };
    h.runDialog = [side](ModalForm& form) {
        if (side->widget) RunModalDialog(side->widget->window(), form);
    };
    const QString className = controlClass();
    h.onFault = [className](const std::string& message) {
        qWarning("%s: %s", qPrintable(className), message.c_str());
    };
    h.onCapture = [side](bool on) {
        if (side->widget) side->widget->Capture(on);
    };
    return h;
}

FormControl* ControlWidget::Ensure() {
    if (control_ || !table_ || creating_) return control_;
    creating_ = true;
    kit_ = std::make_shared<KitSide>();
    kit_->widget = this;
    kit_->mnemonic = mnemonicOf(table_->className);
    kit_->quiet = quietMembers(table_->className);
    kit_->orientable = table_->FindProperty("FillOrientation") != nullptr;
    KitSide* side = kit_.get();
    kit_->form = makeControlForm(
        table_, font(), devicePixelRatioF(), Hooks(),
        [side](FormControl&, const EventInfo* info, int number, std::span<const EventArg> args) {
            if (side->widget)
                side->widget->controlEvent(info, number, EventArgs(args.data(), args.size()));
        });
    form_ = kit_->form.get();
    const std::string name = displayNameOf(objectName(), table_->className);
    // A size beyond what a control may take (a damaged form's geometry) is refused: the
    // control starts at its design size, which the widget then takes.
    const bool sized =
        testAttribute(Qt::WA_Resized) && width() <= kMaxExtent && height() <= kMaxExtent;
    std::string why;
    const Holding hold = Hold();
    FormControl* made = form_->Add(table_->className, name, 0, 0, sized ? width() : -1,
                                   sized ? height() : -1, &why);
    if (hold.widgetGone()) return nullptr;
    creating_ = false;
    if (!made) {
        error_ = QString::fromStdString(why);
        kit_.reset();
        form_ = nullptr;
        return nullptr;
    }
    control_ = made;
    kit_->input = std::make_unique<FormInput>(*form_);
    input_ = kit_->input.get();
    for (const PropertyInfo& p : table_->properties) {
        const std::string_view name = p.name;
        control_->OnChanged(name, [side, name](FormControl&) {
            ControlWidget* w = side->widget;
            if (!w) return;
            if (IsFontMember(name)) w->fontChanged_ = true;
            w->controlPropertyChanged(name);
        });
    }
    kitEnabled_ = control_->host().Enabled();
    if (!isEnabled()) { // made inside a disabled form
        control_->Set("Enabled", Variant::Boolean(kFalse));
        if (hold.widgetGone()) return nullptr;
        kitEnabled_ = false;
    }
    ++syncing_;
    resize(control_->width(), control_->height());
    --syncing_;
    ProbeRules();
    if (!ApplyRules()) return nullptr;
    fontChanged_ = true;
    Sync();
    controlMade();
    return control_;
}

bool ControlWidget::setMember(std::string_view name, const Variant& value) {
    if (!Ensure()) return false;
    const Holding hold = Hold();
    const bool ok = control_->Set(name, value);
    if (hold.widgetGone()) return false;
    // The limits were the control's answers to the last settings; new ones may free it.
    if (ok && !ClearLimits()) return false;
    Sync();
    return ok;
}

std::optional<Variant> ControlWidget::member(std::string_view name) {
    if (!Ensure()) return std::nullopt;
    const Holding hold = Hold();
    std::optional<Variant> v = control_->Get(name);
    if (hold.widgetGone()) return v;
    Sync();
    return v;
}

bool ControlWidget::setMember(std::string_view name, const std::optional<Variant>& value) {
    return value && setMember(name, *value);
}

std::optional<Variant> ControlWidget::member(std::string_view name) const {
    return const_cast<ControlWidget*>(this)->member(name);
}

bool ControlWidget::controlHasFocus() const {
    return control_ && input_->focused() == control_;
}

MethodResult ControlWidget::call(std::string_view method, const Variant* args, std::size_t count) {
    if (!Ensure()) return {-1, "no control", {}};
    const Holding hold = Hold();
    MethodResult r = control_->Call(method, std::span<const Variant>(args, count));
    if (hold.widgetGone()) return r;
    ReportQuietChanges();
    if (hold.widgetGone()) return r;
    Sync();
    return r;
}

void ControlWidget::controlEvent(const EventInfo*, int, EventArgs) {}

void ControlWidget::controlPropertyChanged(std::string_view) {}

QSize ControlWidget::sizeHint() const {
    if (!table_) return {0, 0};
    // The class's design size, along a vertical bar's length for a vertical one; within what
    // the control has shown it holds (a picture mode's fixed or least size).
    QSize design(table_->designWidth, table_->designHeight);
    if (Vertical()) design.transpose();
    return design.expandedTo(minimumSizeHint()).expandedTo(minimumSize()).boundedTo(maximumSize());
}

QSize ControlWidget::minimumSizeHint() const {
    if (!table_) return {0, 0};
    return artworkLeast(table_->className, least_,
                        control_ ? control_->Get("Caption") : std::nullopt, font());
}

bool ControlWidget::Vertical() const {
    if (!control_ || !kit_->orientable) return false;
    const std::optional<Variant> o = control_->Get("FillOrientation");
    return o && o->ToLong() == std::optional<std::int32_t>(1);
}

bool ControlWidget::ProbeRules() {
    SizeSettings settings =
        SizeSettingsOf(*table_, [this](std::string_view name) { return control_->Get(name); });
    if (probed_ && SameSettings(settings, kit_->probedWith)) return false;
    probed_ = true;
    const SizeRules rules = FindSizeRules(*table_, settings, fontFromQt(font()));
    kit_->probedWith = std::move(settings);
    least_ = rules.least;
    fixedWidth_ = rules.fixedWidth;
    fixedHeight_ = rules.fixedHeight;
    return true;
}

bool ControlWidget::ApplyRules() {
    AdoptUserLimits();
    // Within the user's limits, never below the control's least size; a side the control
    // holds fixed is fixed whatever the user asked.
    QSize least = userLeast_.expandedTo(least_);
    QSize most = userMost_.expandedTo(least);
    if (fixedWidth_) {
        least.setWidth(least_.width());
        most.setWidth(least_.width());
    }
    if (fixedHeight_) {
        least.setHeight(least_.height());
        most.setHeight(least_.height());
    }
    ++syncing_;
    SetLimits(least, most);
    SyncPolicy();
    --syncing_;
    updateGeometry();
    // Within its new limits the widget may have changed its size: the control takes it.
    const QSize now = size();
    if (now == QSize(control_->width(), control_->height())) return true;
    const Holding hold = Hold();
    ResizeControl(now);
    return !hold.widgetGone();
}

void ControlWidget::ResizeControl(QSize to) {
    const QSize before(control_->width(), control_->height());
    const Holding hold = Hold();
    control_->SetSize(to.width(), to.height());
    if (hold.widgetGone() || QSize(control_->width(), control_->height()) == before) return;
    // As a window shown anew at that size: erased to its back colour, then drawn whole (the
    // control's own Resize handler need not repaint, and its drawing does not always cover the
    // surface, which would otherwise keep a picture of the old size).
    control_->host().Cls();
    control_->site().PaintWhole();
}

void ControlWidget::SyncPolicy() {
    QSizePolicy policy = PolicyOf(table_->className, Vertical());
    // A side the control holds fixed is fixed for the layout too.
    if (minimumWidth() == maximumWidth()) policy.setHorizontalPolicy(QSizePolicy::Fixed);
    if (minimumHeight() == maximumHeight()) policy.setVerticalPolicy(QSizePolicy::Fixed);
    if (policy != sizePolicy()) setSizePolicy(policy);
}

void ControlWidget::Sync() {
    if (!control_) return;
    ++syncing_;
    SyncSize();
    SyncPolicy();
    SyncMask();
    SyncAccessKeys();
    SyncEnabled();
    if (fontChanged_) {
        fontChanged_ = false;
        if (std::optional<Variant> f = control_->Get("Font"); f && f->kind() == VariantKind::Font)
            setFont(fontToQt(f->font()));
    }
    --syncing_;
    RepaintChanged();
}

void ControlWidget::ReportQuietChanges() {
    // A slot may end the widget at any signal: nothing of it is touched after that.
    if (kit_->quiet.empty()) return;
    const Holding hold = Hold();
    for (std::string_view name : kit_->quiet) {
        controlPropertyChanged(name);
        if (hold.widgetGone()) return;
    }
}

void ControlWidget::RepaintChanged() {
    // Only what the control drew or moved since the last frame: its surfaces' drawing records,
    // its glow overlay's change, or its whole place when its size, border, mask, picture boxes
    // or device scale changed (Qt would not repaint for most of these on its own).
    std::vector<PixelBox>& changed = kit_->changed;
    changed.clear();
    kit_->damage.Collect(*control_, changed);
    QRegion region;
    for (const PixelBox& b : MergeBoxes(changed, {0, 0, width(), height()}))
        region +=
            alignedToDevice(QRect(b.left, b.top, b.Width(), b.Height()), form_->scale()) & rect();
    // Qt paints nothing outside the mask.
    if (maskShown_) region &= mask();
    if (region.isEmpty()) return;
    pending_ += region;
    update(region);
}

void ControlWidget::SyncSize() {
    const QSize extent(control_->width(), control_->height());
    if (extent == size()) return;
    // The control would not take the size it was given. Where it grew the size, it holds
    // that side at least that long; where it cut the size down, it holds that side fixed
    // (the controls' rules know minimums and fixed sizes, no bare maximum). A fixed side
    // first seen growing is found fixed when it is next asked for more.
    QSize least = minimumSize(), most = maximumSize();
    auto learn = [](int now, int asked, int& min, int& max) {
        if (now > asked) min = now;
        if (now < asked) min = max = now;
    };
    AdoptUserLimits();
    learn(extent.width(), width(), least.rwidth(), most.rwidth());
    learn(extent.height(), height(), least.rheight(), most.rheight());
    SetLimits(least, most);
    limited_ = true;
    SyncPolicy();
    resize(extent);
    updateGeometry();
}

void ControlWidget::SetLimits(QSize least, QSize most) {
    setMinimumSize(least);
    setMaximumSize(most);
    shownLeast_ = minimumSize();
    shownMost_ = maximumSize();
}

void ControlWidget::AdoptUserLimits() {
    const QSize least = minimumSize(), most = maximumSize();
    if (least.width() != shownLeast_.width()) userLeast_.setWidth(least.width());
    if (least.height() != shownLeast_.height()) userLeast_.setHeight(least.height());
    if (most.width() != shownMost_.width()) userMost_.setWidth(most.width());
    if (most.height() != shownMost_.height()) userMost_.setHeight(most.height());
}

bool ControlWidget::ClearLimits() {
    // The limits were the control's answers to the last settings; new ones may free it or
    // hold it otherwise. The size rules of the settings are the limits now.
    if (!ProbeRules() && !limited_) return true;
    limited_ = false;
    return ApplyRules();
}

void ControlWidget::SyncMask() {
    const Picture& mask = control_->host().maskPicture();
    const PictureObject* now = HasImage(mask) ? mask.get() : nullptr;
    if (now == maskShown_ && maskSize_ == size()) return;
    maskShown_ = now;
    maskSize_ = size();
    if (now) {
        setMask(MaskRegion(*now->image(), width(), height()));
    } else {
        clearMask();
    }
    // Outside a mask nothing is painted: the widget is then not opaque.
    setAttribute(Qt::WA_OpaquePaintEvent, now == nullptr);
}

char ControlWidget::CaptionMnemonic() {
    if (kit_->mnemonic == Mnemonic::None) return 0;
    const std::optional<Variant> caption = control_->Get("Caption");
    return caption ? captionMnemonic(VariantToString(*caption)) : 0;
}

bool ControlWidget::UsesKey(int keyCode) const {
    if (!table_) return false;
    return classUsesKey(table_->className, keyCode);
}

void ControlWidget::SyncAccessKeys() {
    // The control's own access keys, and the caption's mnemonic as a Qt button has it; the
    // control stores and raises nothing for the mnemonic beyond what its access key does.
    const std::string& keys = control_->host().accessKeys();
    const char mark = CaptionMnemonic();
    if (keys == accessKeys_ && mark == mnemonic_) return;
    accessKeys_ = keys;
    mnemonic_ = mark;
    shortcuts_.clear();
    const bool toggles = kit_->mnemonic == Mnemonic::Toggles;
    for (const AccessKeyBinding& b : accessKeyBindings(keys, mark, toggles)) {
        const QKeySequence sequence(QKeyCombination(
            b.shifted ? Qt::AltModifier | Qt::ShiftModifier : Qt::AltModifier, b.key));
        auto s = std::make_unique<QShortcut>(sequence, this);
        s->setContext(Qt::WindowShortcut);
        const int ascii = b.ascii;
        const bool toggle = b.toggle;
        connect(s.get(), &QShortcut::activated, this,
                [this, ascii, toggle] { AccessKey(ascii, toggle); });
        connect(s.get(), &QShortcut::activatedAmbiguously, this,
                [this, ascii, toggle] { AccessKey(ascii, toggle); });
        shortcuts_.push_back(std::move(s));
    }
}

void ControlWidget::SyncEnabled() {
    // Only a change the control made itself goes to Qt; Qt's own changes reach the control
    // in changeEvent.
    const bool kit = control_->host().Enabled();
    if (kit == kitEnabled_) return;
    kitEnabled_ = kit;
    if (!kit)
        setEnabled(false);
    else if (testAttribute(Qt::WA_ForceDisabled))
        setEnabled(true); // a widget disabled only through its parent stays so
}

void ControlWidget::Capture(bool on) {
    if (on) {
        if (isVisible() && QWidget::mouseGrabber() != this) grabMouse();
    } else if (QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
}

void ControlWidget::AccessKey(int keyAscii, bool toggle) {
    if (designMode_ || !Ensure() || !isEnabled() || !control_->host().Enabled()) return;
    const Holding hold = Hold();
    setFocus(Qt::ShortcutFocusReason);
    if (hold.widgetGone()) return;
    FormControl* control = control_;
    FormInput* input = input_;
    if (!Reach([&] { input->Focus(control); })) return;
    // A check box's mnemonic toggles it before its click, as a mouse click does.
    if (toggle && !Reach([&] { toggleCheck(*control); })) return;
    Reach([&] { control->site().AccessKeyPress(static_cast<std::int16_t>(keyAscii)); });
}

namespace {

// The events that reach a control as input; in design mode none of them does.
bool isInputEvent(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::Shortcut:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

bool ControlWidget::FollowDeviceRatio() {
    if (!control_) return false;
    const double scale = NearestDeviceScale(devicePixelRatioF());
    if (scale == form_->scale()) return false;
    form_->SetScale(scale);
    return true;
}

bool ControlWidget::event(QEvent* e) {
    if (e->type() == QEvent::Polish || e->type() == QEvent::Show) Ensure();
    // The window went to another screen (Qt tells every widget in it), or the widget went
    // into another window: its ratio may differ.
    if (e->type() == QEvent::ScreenChangeInternal || e->type() == QEvent::ParentChange) {
        const Holding hold = Hold();
        if (FollowDeviceRatio() && !hold.widgetGone()) Sync();
        if (hold.widgetGone()) return true;
    }
    // Unhandled, so that the form designer above the widget sees the input.
    if (designMode_ && isInputEvent(e->type())) {
        e->ignore();
        return false;
    }
    return QWidget::event(e);
}

namespace {

// Whether the control shows its surface alone: no border line, no visible picture box or
// glow overlay (a mask is the widget's own, which Qt applies).
bool SurfaceAlone(const HeadlessHost& host) {
    return host.BorderStyle() != 1 &&
           std::none_of(host.shapes().begin(), host.shapes().end(),
                        [](const auto& s) { return s->Visible(); }) &&
           std::none_of(host.pictureBoxes().begin(), host.pictureBoxes().end(),
                        [](const auto& b) { return b->visible(); });
}

// The places of the painter's own raster image that the control's `area` (device pixels)
// covers and Qt lets this paint reach, as composition targets: the composition lands there
// straight, with no image of its own to draw. Nothing when the painter does more than copy
// pixels there (another engine, a transform other than the device scale and whole-pixel
// shifts, opacity, a composition mode, a clip of its own such as the mask's), so that the
// caller draws through the painter.
std::vector<ComposeTarget> DirectTargets(QPainter& p, const PixelBox& area, double scale) {
    QPaintEngine* engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice() ||
        engine->paintDevice()->devType() != QInternal::Image)
        return {};
    auto& image = *static_cast<QImage*>(engine->paintDevice());
    const QImage::Format format = image.format();
    if (image.isNull() || (format != QImage::Format_ARGB32_Premultiplied &&
                           format != QImage::Format_RGB32 && format != QImage::Format_ARGB32))
        return {};
    const QTransform t = p.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() != scale || t.m22() != scale ||
        t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()) || p.opacity() != 1.0 ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver || p.hasClipping())
        return {};
    const int dx = static_cast<int>(t.dx()), dy = static_cast<int>(t.dy());
    const QRect covered = QRect(area.left + dx, area.top + dy, area.Width(), area.Height()) &
                          QRect(QPoint(0, 0), image.size());
    // No system clip is the whole device.
    const QRegion reach = engine->systemClip().isEmpty()
                              ? QRegion(covered)
                              : engine->systemClip().intersected(covered);
    // The buffer the engine draws into: written as the engine writes it (a non-const bits()
    // could detach the image from the engine's buffer).
    auto* bits = reinterpret_cast<std::uint32_t*>(const_cast<uchar*>(image.constBits()));
    const std::ptrdiff_t stride = image.bytesPerLine() / 4;
    std::vector<ComposeTarget> targets;
    for (const QRect& r : reach)
        targets.push_back({bits + r.top() * stride + r.left(),
                           stride,
                           {r.left() - dx, r.top() - dy, r.right() + 1 - dx, r.bottom() + 1 - dy},
                           ComposeTarget::SeeThrough::Keep});
    return targets;
}

} // namespace

void ControlWidget::PaintComposed(QPainter& p, QRect asked) {
    const HeadlessHost& host = control_->host();
    const double scale = host.surface().scale();
    const QRect part = alignedToDevice(asked, scale);
    const int left = part.left(), top = part.top();
    const PixelBox area =
        Intersect({DevicePixels(left, scale), DevicePixels(top, scale),
                   DevicePixels(part.right() + 1, scale), DevicePixels(part.bottom() + 1, scale)},
                  DeviceExtent(host));
    if (area.Empty()) return;
    if (const std::vector<ComposeTarget> direct = DirectTargets(p, area, scale); !direct.empty()) {
        for (const ComposeTarget& target : direct)
            ComposeInto(host, target);
        return;
    }
    std::vector<std::uint32_t>& scratch = kit_->scratch;
    const std::size_t count = static_cast<std::size_t>(area.Width()) * area.Height();
    if (scratch.size() < count) scratch.resize(count);
    ComposeInto(host, {scratch.data(), area.Width(), area});
    // Where a mask leaves pixels out they are see-through (0): premultiplied, they draw nothing.
    QImage image(reinterpret_cast<const uchar*>(scratch.data()), area.Width(), area.Height(),
                 area.Width() * 4,
                 maskShown_ ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    p.drawImage(QPoint(left, top), image);
}

void ControlWidget::paintEvent(QPaintEvent* e) {
    if (!Ensure()) return;
    // A ratio that changed unannounced (the screen's own ratio changed): the control draws
    // again before it is shown, and the mask and the rest follow after this paint; the next
    // paint finds the scale in place.
    const Holding hold = Hold();
    if (FollowDeviceRatio() && !hold.widgetGone()) QTimer::singleShot(0, this, [this] { Sync(); });
    if (hold.widgetGone()) return;
    // What waits outside the widget (it was larger when the part was asked for) is gone.
    if (!pending_.isEmpty()) pending_ = (pending_ - e->region()) & rect();
    const HeadlessHost& host = control_->host();
    QPainter p(this);
    // Qt keeps what lies outside the mask off the screen, but not off a grab or a render.
    if (maskShown_) p.setClipRegion(mask());
    // Qt clips the painting to the region: a region of many small parts (a masked control's)
    // is painted as its bounding box at once.
    constexpr int kFewParts = 4;
    const QRegion& region = e->region();
    const QRect bounds = region.boundingRect();
    const std::span<const QRect> parts = region.rectCount() <= kFewParts
                                             ? std::span<const QRect>(region.begin(), region.end())
                                             : std::span<const QRect>(&bounds, 1);
    if (host.surface().scale() != 1.0 || !SurfaceAlone(host)) {
        for (const QRect& asked : parts)
            PaintComposed(p, asked);
        return;
    }
    // The surface alone: straight from the control's pixels.
    const Image& surface = host.surface().pixels();
    const QImage pixels = Wrap(surface);
    for (const QRect& asked : parts) {
        const QRect area = asked & QRect(0, 0, surface.width, surface.height);
        if (!area.isEmpty()) p.drawImage(area.topLeft(), pixels, area);
    }
}

void ControlWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (!control_ || syncing_) return;
    const QSize asked = size();
    Reach([&] { ResizeControl(asked); });
}

void ControlWidget::MouseMove(int buttons, int shift, QPointF at) {
    // Qt reports the entry and the first move at the same place: the control hears it once.
    if (lastMove_ && *lastMove_ == at && lastMoveButtons_ == buttons && lastMoveShift_ == shift)
        return;
    lastMove_ = at;
    lastMoveButtons_ = buttons;
    lastMoveShift_ = shift;
    Reach([&] { input_->MouseMove(buttons, shift, at.x(), at.y()); });
}

void ControlWidget::clickAt(QPointF at) {
    if (designMode_ || !Ensure() || !isEnabled()) return;
    const Holding hold = Hold();
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    if (hold.widgetGone()) return;
    lastMove_.reset();
    if (!Reach([&] { input_->MouseDown(kLeftButton, 0, at.x(), at.y(), 1); })) return;
    Reach([&] { input_->MouseUp(kLeftButton, 0, at.x(), at.y()); });
}

void ControlWidget::mousePressEvent(QMouseEvent* e) {
    if (!Ensure()) return;
    lastMove_.reset();
    const int button = buttonsFromQt(e->button());
    if (button == 0) return;
    pressedAt_ = e->position();
    Reach([&] {
        input_->MouseDown(button, shiftFromQt(e->modifiers()), e->position().x(), e->position().y(),
                          1);
    });
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!Ensure()) return;
    lastMove_.reset();
    const int button = buttonsFromQt(e->button());
    if (button == 0) return;
    pressedAt_ = e->position();
    Reach([&] {
        input_->MouseDown(button, shiftFromQt(e->modifiers()), e->position().x(), e->position().y(),
                          2);
    });
}

void ControlWidget::mouseMoveEvent(QMouseEvent* e) {
    if (!Ensure()) return;
    MouseMove(buttonsFromQt(e->buttons()), shiftFromQt(e->modifiers()), e->position());
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (!Ensure()) return;
    lastMove_.reset();
    if (e->buttons() == Qt::NoButton) pressedAt_.reset();
    const int button = buttonsFromQt(e->button());
    if (button == 0) return;
    Reach([&] {
        input_->MouseUp(button, shiftFromQt(e->modifiers()), e->position().x(), e->position().y());
    });
}

void ControlWidget::keyPressEvent(QKeyEvent* e) {
    const int code = vkFromQt(e->key());
    // Tab belongs to Qt's focus chain; keys the kit does not name go to the parent.
    if (!Ensure() || code == 0 || code == vk::kTab) {
        QWidget::keyPressEvent(e);
        return;
    }
    // Each press of a held key, the auto-repeated ones too, is one more KeyDown (and
    // KeyPress): the controls' key stream repeats only the key going down.
    FormInput* input = input_;
    const int shift = shiftFromQt(e->modifiers());
    if (!Reach([&] { input->KeyDown(code, shift); })) return;
    if (!UsesKey(code)) e->ignore();
}

void ControlWidget::keyReleaseEvent(QKeyEvent* e) {
    const int code = vkFromQt(e->key());
    if (!Ensure() || code == 0 || code == vk::kTab) {
        QWidget::keyReleaseEvent(e);
        return;
    }
    // Qt reports a held key as release and press pairs; only the last release, the one
    // that is no repeat, lets the key go up.
    if (!e->isAutoRepeat()) {
        FormInput* input = input_;
        const int shift = shiftFromQt(e->modifiers());
        if (!Reach([&] { input->KeyUp(code, shift); })) return;
    }
    if (!UsesKey(code)) e->ignore();
}

void ControlWidget::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (!Ensure()) return;
    Reach([&] { input_->Focus(control_); });
}

void ControlWidget::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    if (!control_) return;
    Reach([&] { input_->Focus(nullptr); });
}

void ControlWidget::enterEvent(QEnterEvent* e) {
    QWidget::enterEvent(e);
    if (!Ensure()) return;
    // The move that the entry brings reaches the control once Qt has finished the entry:
    // Qt goes on with the widget after its entry, and a slot of the control's MouseMove may
    // delete it. A move that Qt sends with the entry reaches the control first, at the same
    // place, and this one is then no move at all.
    const int buttons = buttonsFromQt(e->buttons()), shift = shiftFromQt(e->modifiers());
    const QPointF at = e->position();
    QMetaObject::invokeMethod(
        this,
        [this, buttons, shift, at] {
            if (underMouse()) MouseMove(buttons, shift, at);
        },
        Qt::QueuedConnection);
}

void ControlWidget::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    if (!control_ || !control_->host().captured()) return;
    // The pointer left while the control held the capture: the move outside that the
    // capture brings.
    const QPointF at = mapFromGlobal(QCursor::pos());
    if (rect().contains(at.toPoint())) return;
    MouseMove(buttonsFromQt(QGuiApplication::mouseButtons()),
              shiftFromQt(QGuiApplication::keyboardModifiers()), at);
}

void ControlWidget::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (!control_ || syncing_) return;
    if (e->type() == QEvent::EnabledChange) {
        const bool on = isEnabled();
        if (control_->host().Enabled() != on) {
            const Holding hold = Hold();
            ++syncing_;
            if (table_->FindProperty("Enabled"))
                control_->Set("Enabled", Variant::Boolean(on ? kTrue : kFalse));
            else
                control_->host().SetEnabled(on);
            if (hold.widgetGone()) return;
            --syncing_;
            kitEnabled_ = control_->host().Enabled();
            Sync();
        }
    } else if (e->type() == QEvent::FontChange) {
        const Font f = fontFromQt(font());
        control_->host().SetAmbientFont(f);
        if (table_->FindProperty("Font")) {
            const Holding hold = Hold();
            ++syncing_;
            control_->Set("Font", Variant::OfFont(f));
            if (hold.widgetGone()) return;
            --syncing_;
            fontChanged_ = false;
            Sync();
        }
    }
}

} // namespace nk::qt
