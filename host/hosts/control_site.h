// The container's view of one control: its headless host, the recording host when tracing,
// and the control, with every notification delivered through one guarded path.
#pragma once

#include "host/hosts/headless_host.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace nk {

class TraceSink;

// A control of a class in a headless host: the container's view of one instance. It owns
// the host (and, when tracing, the recording host the control talks to) and the control,
// and delivers the container's notifications with exceptions caught at the boundary.
class ControlSite {
public:
    struct Options {
        int width = -1; // pixels; the class's design size when negative
        int height = -1;
        std::string displayName = {}; // Ambient.DisplayName; "<class>1" when empty
        Font ambientFont = {};        // Ambient.Font
        TraceSink* trace = nullptr;   // when set, every request prints a line here
        ContainerHooks hooks = {};    // installed before the control is created
        double scale = 1.0;           // device pixels per pixel: 1, 1.5, 2 or 3
    };

    explicit ControlSite(const InterfaceTable& table);
    ControlSite(const InterfaceTable& table, const Options& options);
    ~ControlSite();
    ControlSite(const ControlSite&) = delete;
    ControlSite& operator=(const ControlSite&) = delete;

    const InterfaceTable& table() const { return host_->table(); }
    HeadlessHost& host() { return *host_; }
    const HeadlessHost& host() const { return *host_; }
    // The host the control talks to: the recording host when tracing, else host().
    Host& controlHost() { return recorder_ ? *recorder_ : *host_; }
    // nullptr when the class could not create an instance.
    Control* control() { return control_.get(); }

    // Notifications; each returns false when the control threw or there is no control.
    bool InitProperties();
    bool ReadProperties(const PropertyBag& bag);
    bool WriteProperties(PropertyBag& bag);
    bool Resize();
    bool Paint();
    bool Click();
    bool DblClick();
    bool GotFocus();
    bool LostFocus();
    bool EnterFocus();
    bool ExitFocus();
    bool KeyDown(std::int16_t keyCode, std::int16_t shift);
    bool KeyUp(std::int16_t keyCode, std::int16_t shift);
    bool KeyPress(std::int16_t keyAscii);
    bool AccessKeyPress(std::int16_t keyAscii);
    bool MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    bool MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    bool MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    // A child's notification: Paint, Click, DblClick, KeyDown, KeyUp, KeyPress, MouseDown,
    // MouseMove, MouseUp. The child must be declared in the class's table.
    bool ChildPaint(ChildRef child);
    // The whole control drawn again, as a window newly uncovered: Paint, then Paint of each
    // picture box (after a new size or device scale, whose surfaces start blank).
    bool PaintWhole();
    bool ChildClick(ChildRef child);
    bool ChildDblClick(ChildRef child);
    bool ChildKeyDown(ChildRef child, std::int16_t keyCode, std::int16_t shift);
    bool ChildKeyUp(ChildRef child, std::int16_t keyCode, std::int16_t shift);
    bool ChildKeyPress(ChildRef child, std::int16_t keyAscii);
    bool ChildMouseDown(ChildRef child, std::int16_t button, std::int16_t shift, float x, float y);
    bool ChildMouseMove(ChildRef child, std::int16_t button, std::int16_t shift, float x, float y);
    bool ChildMouseUp(ChildRef child, std::int16_t button, std::int16_t shift, float x, float y);

    // The container gives the control a new outer size in pixels (Resize when it changes).
    bool SetSize(int w, int h) { return host_->SetExtent(w, h); }

    // The public members through the interface table, converting values to the member's
    // type. Set and Get return false / nothing for an unknown member, a read-only one or a
    // value that does not convert; Call reports those as error -1.
    bool Set(std::string_view member, const Variant& value);
    std::optional<Variant> Get(std::string_view member);
    MethodResult Call(std::string_view method, std::span<const Variant> args);

private:
    bool Deliver(std::string_view what, const std::function<void(Control&)>& fn);

    std::unique_ptr<HeadlessHost> host_;
    std::unique_ptr<Host> recorder_;
    std::unique_ptr<Control> control_;
};

} // namespace nk
