// The Qt Quick host of one control: a QQuickItem that makes the control through its library's
// class object in the kit's headless host, as the widget host does, and shows what the kit's
// compositor composes as a texture of the scene graph at the window's device scale. It feeds
// the control Qt Quick's mouse, hover, keys and focus by the kit's input rules, takes Alt
// shortcuts for its access keys, lets clicks through where a mask leaves the control out, and
// gives the layouts its size rules as implicit sizes.
//
// The item classes of the controls (nk::quick::NuvelCommand, ... in QML's Nuvelkit module)
// derive from it.
#pragma once

#include "qt/event_args.h"
#include "qt/kit.h"
#include "qt/kit_types.h"

#include <QPointer>
#include <QQuickItem>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace nk::quick {

using nk::qt::EnumKey;
using nk::qt::EventArgs;

class ControlItem : public QQuickItem {
    Q_OBJECT
    QML_ANONYMOUS
public:
    explicit ControlItem(const QString& className, QQuickItem* parent = nullptr);
    ~ControlItem() override;

    QString controlClass() const;
    // Why no control could be made, empty when it was.
    QString error() const { return error_; }

    // The public members through the class's table, as the widget host has them.
    bool setMember(std::string_view name, const Variant& value);
    bool setMember(std::string_view name, const std::optional<Variant>& value);
    std::optional<Variant> member(std::string_view name) const;
    MethodResult call(std::string_view method, const Variant* args = nullptr,
                      std::size_t count = 0);

    // The kit's side of the control; nullptr without one.
    FormControl* formControl();
    // The control as the kit's compositor composes it (pixels 0xAARRGGBB).
    Image composed();
    // Whether the control was last told that it has the focus.
    Q_INVOKABLE bool controlHasFocus() const;
    // How many frames the item has drawn into its texture: one per change the control drew.
    Q_INVOKABLE int framesDrawn() const { return frames_; }

    // A left click at `at` (item pixels) through the control's input path: the focus, the
    // press, the release and the click that follows. Assistive technology's press and toggle
    // actions come here.
    void clickAt(QPointF at);

    bool contains(const QPointF& point) const override;

protected:
    // An event the control raised, with its by-reference arguments.
    virtual void controlEvent(const EventInfo* info, int number, EventArgs args);
    // The control reported that a property changed.
    virtual void controlPropertyChanged(std::string_view name);
    // The control was made (once, before any change of it is reported to Qt).
    virtual void controlMade() {}
    // Gives a control just made the palette's colours where it starts with system colours.
    void applyPaletteDefaults();

    void componentComplete() override;
    QSGNode* updatePaintNode(QSGNode* old, UpdatePaintNodeData* data) override;
    void geometryChange(const QRectF& now, const QRectF& before) override;
    void itemChange(ItemChange change, const ItemChangeData& data) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void hoverEnterEvent(QHoverEvent* e) override;
    void hoverMoveEvent(QHoverEvent* e) override;
    void hoverLeaveEvent(QHoverEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private slots:
    void accessibleAction();

private:
    struct KitSide;

    FormControl* Ensure();
    ContainerHooks Hooks();
    // Runs `call` (into the control) and brings the item up to date; whether it is still there.
    template <class Call> bool Reach(Call&& call);
    void Sync();
    void SyncSize();
    void SyncAccessKeys();
    void SyncEnabled();
    void ResizeControl(QSizeF to);
    void FollowDeviceRatio();
    void MouseMove(int buttons, int shift, QPointF at);
    void PressAt(int button, int shift, QPointF at, int clicks);
    // Whether the item took the access key.
    bool AccessKey(int ascii, bool toggle);
    void WatchWindow(QQuickWindow* window);
    void WatchAccessible();
    void SyncAccessible();
    void WatchLayout();
    void SyncLayout();
    double DeviceRatio() const;

    const InterfaceTable* table_ = nullptr;
    QString error_;
    std::shared_ptr<KitSide> kit_;
    // QML's Accessible attached object of the item, when its context has one.
    QPointer<QObject> accessible_;
    // The layouts' attached object of the item, and the fixed sides it was given (-1: none).
    QPointer<QObject> layout_;
    int layoutWidth_ = -1;
    int layoutHeight_ = -1;
    // The name the item gave the attached object last.
    QString accessibleName_;
    // Whether the control was last seen enabled.
    bool kitEnabled_ = true;
    FormControl* control_ = nullptr;
    bool creating_ = false;
    int syncing_ = 0;
    // The composed picture waits for the next frame when the control drew since the last one.
    bool drawn_ = true;
    int frames_ = 0;
    std::vector<std::uint32_t> frame_;
    int frameWidth_ = 0;
    QPointer<QQuickWindow> watched_;
    std::optional<QPointF> lastMove_;
};

} // namespace nk::quick
