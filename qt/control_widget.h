// The Qt host of one control: a QWidget that creates a control of a class through its
// library's class object and gives it everything the host contract promises, on Qt. The
// control runs in the kit's own headless host; this widget shows what the kit's compositor
// would compose (surface, visible picture boxes, the glow overlay, the mask as the widget's
// mask) and feeds it Qt's input by the kit's input rules.
//
// The widget classes of the controls (nk::qt::NuvelCommand, ...) derive from it; it can also
// host any class by name:
//
//     auto* w = new nk::qt::ControlWidget("NuvelCommand", parent);
//     w->setObjectName("Command1");       // the control's Ambient.DisplayName
//     w->setMember("Caption", nk::Variant::String("OK"));
//
// The control is made when it is first needed (shown, sized, asked for a member), so that
// the object name given after construction is the display name its first placement sees.
#pragma once

#include "qt/event_args.h"
#include "qt/kit_types.h"

#include <QImage>
#include <QRegion>
#include <QShortcut>
#include <QWidget>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nk::qt {

class ControlWidget : public QWidget {
    Q_OBJECT
public:
    explicit ControlWidget(const QString& className, QWidget* parent = nullptr);
    ~ControlWidget() override;

    // The class's name ("NuvelCommand"), and whether a control of it could be made; when it
    // could not, error() says why and the widget stays empty.
    QString controlClass() const;
    bool hasControl();
    QString error() const { return error_; }

    // The public members through the class's table (see ControlSite::Set, Get, Call).
    // setMember is also false when a slot deleted the widget during the assignment (from a
    // change the control reported): the caller must not touch the widget then.
    bool setMember(std::string_view name, const Variant& value);
    // The same for a value that may have been refused on its way from Qt (nothing): a refused
    // value is not assigned.
    bool setMember(std::string_view name, const std::optional<Variant>& value);
    std::optional<Variant> member(std::string_view name);
    // The same for the widget classes' const getters: reading a member changes nothing the
    // widget shows.
    std::optional<Variant> member(std::string_view name) const;
    // A method with `count` arguments from `args`.
    MethodResult call(std::string_view method, const Variant* args = nullptr,
                      std::size_t count = 0);

    // The kit's side of the control, for containers and tests; nullptr without a control.
    FormControl* formControl();
    // The control as the kit's compositor composes it (pixels 0xAARRGGBB).
    Image composed();
    // Whether the control was last told that it has the focus (GotFocus without LostFocus).
    bool controlHasFocus() const;

    // In design mode (a form designer hosts the widget) the control draws as placed but is
    // told nothing of the mouse, the keyboard, the focus or the pointer's entry and exit, so
    // that it raises no events, plays no sound and opens no dialog. Property setters still
    // reach it.
    void setDesignMode(bool on) { designMode_ = on; }
    bool designMode() const { return designMode_; }

    // A left click at `at` (widget pixels) through the control's input path, as the mouse
    // gives it: the focus, the press, the release and the click that follows it. Nothing
    // happens in design mode or while the widget is disabled. Assistive technology's press
    // and toggle actions come here, so that they raise the control's own events.
    void clickAt(QPointF at);
    // Where a mouse button went down on the widget, while it is held.
    std::optional<QPointF> pressedAt() const { return pressedAt_; }

    // The parts of the widget waiting to be painted again (widget pixels): what the control
    // changed since they were last painted, no more. A paint of any part takes that part.
    QRegion pendingRepaint() const { return pending_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // An event the control raised, with its by-reference arguments; a handler that changes
    // them changes what the control does next.
    virtual void controlEvent(const EventInfo* info, int number, EventArgs args);
    // The control reported that a property changed.
    virtual void controlPropertyChanged(std::string_view name);
    // The control was made (once, before any change of it is reported to Qt).
    virtual void controlMade() {}

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // The form timer reads which widgets have a control, and of which class, without
    // running any of the controls' code.
    friend class FormTimer;

    // The kit's side of the widget: the form holding the control and the input rules. Every
    // call into the control holds it (see Holding), so that a slot deleting the widget from a
    // signal the control raised leaves the control in place until its own call has returned;
    // the widget's destructor clears `widget`, and nothing reaches the widget after that.
    // It also keeps the settings the control's size rules were found for.
    struct KitSide;
    // Held across a call into the control: it keeps the kit's side alive and says afterwards
    // whether the widget is still there. Nothing after a call touches the widget unless it is.
    class Holding;
    Holding Hold() const;
    // Runs `call` (into the control), then brings the widget up to date (Sync) unless a slot
    // deleted it meanwhile; whether the widget is still there.
    template <class Call> bool Reach(Call&& call);

    FormControl* Ensure();
    // Draws the control again at the device scale of the widget's ratio when that changed;
    // whether it did.
    bool FollowDeviceRatio();
    ContainerHooks Hooks();
    // Brings the widget up to date after anything reached the control: size, mask, access
    // keys, enabled state, and a repaint.
    void Sync();
    // Reports the members the control changes without a report of its own (their change
    // signals); the widget may be gone afterwards.
    void ReportQuietChanges();
    void SyncSize();
    // The size policy of the class, fixed on a side the control holds fixed.
    void SyncPolicy();
    // Whether the control is a bar laid out vertically.
    bool Vertical() const;
    // Finds the control's size rules for its present settings (least_, fixed sides) when
    // they changed since the last look; whether it looked again.
    bool ProbeRules();
    // The size rules as the widget's minimum and maximum size and its size policy; whether
    // the widget is still there (the control may be told a new size).
    bool ApplyRules();
    // Gives the control the size `to`, and has it draw its new surface whole.
    void ResizeControl(QSize to);
    bool ClearLimits();
    // The widget's minimum and maximum size, as the size rules leave them (kept in shown_).
    void SetLimits(QSize least, QSize most);
    // Takes limits the widget did not set itself as its user's (a program's setMinimumSize,
    // a form's maximumSize), so that the size rules narrow them rather than replace them.
    void AdoptUserLimits();
    void SyncMask();
    void SyncAccessKeys();
    void SyncEnabled();
    void Capture(bool on);
    // The caption's "&" letter where the class has one (lower case), else 0.
    char CaptionMnemonic();
    // Whether the control acts on the key (VK code), so that Qt must not pass it on.
    bool UsesKey(int keyCode) const;
    // An access key: focus, then the control's AccessKeyPress; `toggle` first flips a check
    // box's Value, as a Qt check box's mnemonic does.
    void AccessKey(int keyAscii, bool toggle);
    void MouseMove(int buttons, int shift, QPointF at);
    // Asks Qt to repaint what the control changed since the last frame.
    void RepaintChanged();
    // Paints the part `asked` (widget pixels) of what the kit composes, in device pixels at
    // the widget's ratio.
    void PaintComposed(QPainter& p, QRect asked);

    const InterfaceTable* table_ = nullptr;
    QString error_;
    std::shared_ptr<KitSide> kit_;
    // Parts of kit_, which owns them.
    Form* form_ = nullptr;
    FormInput* input_ = nullptr;
    FormControl* control_ = nullptr;
    bool creating_ = false;
    int syncing_ = 0;
    const PictureObject* maskShown_ = nullptr;
    QSize maskSize_;
    // Whether the widget's minimum or maximum size holds what the control refused.
    bool limited_ = false;
    // The control's size rules: its least size, the sides it holds fixed, and the settings
    // they were found for.
    QSize least_;
    bool fixedWidth_ = false;
    bool fixedHeight_ = false;
    // The limits the widget's user asked for, and the limits the widget set last.
    QSize userLeast_{0, 0};
    QSize userMost_{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    QSize shownLeast_{0, 0};
    QSize shownMost_{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    bool probed_ = false;
    bool fontChanged_ = false;
    bool kitEnabled_ = true;
    bool designMode_ = false;
    QRegion pending_;
    std::string accessKeys_;
    char mnemonic_ = 0;
    std::vector<std::unique_ptr<QShortcut>> shortcuts_;
    std::optional<QPointF> lastMove_;
    std::optional<QPointF> pressedAt_;
    int lastMoveButtons_ = -1;
    int lastMoveShift_ = -1;
};

} // namespace nk::qt
