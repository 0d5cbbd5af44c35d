// The headless host: runs one control of a class without a window. It keeps the control's
// surface, its children, its extent and the container's side of the contract (ambient
// properties, events, the player, the shell, message boxes and modal forms),
// reaching the container through its hooks.
//
// A container normally uses ControlSite, which creates the host and the control together,
// optionally behind the recording host, and delivers notifications to the control with
// every exception caught at the boundary.
//
//     nk::ControlSite site(*table, {.width = 150, .height = 40});
//     site.InitProperties();
//     site.MouseMove(0, 0, 10, 10);
//     nk::Image shown = site.Compose();
#pragma once

#include "framework/control.h"
#include "framework/host.h"
#include "framework/interface_table.h"
#include "host/hosts/call_guard.h"
#include "host/hosts/container_hooks.h"
#include "host/hosts/headless_canvas.h"
#include "host/hosts/headless_picture_box.h"
#include "host/hosts/headless_shape.h"
#include "host/hosts/headless_zone.h"
#include "host/hosts/pixel_extent.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

struct BuiltInPicture;

class HeadlessHost : public HeadlessCanvas<Host> {
public:
    // A surface of w x h pixels (the class's design size when w or h is negative), filled
    // with the class's design background colour, drawn at a device scale (1, 1.5, 2 or 3)
    // for a screen with that many device pixels per pixel; the control sees only logical
    // pixels either way.
    HeadlessHost(const InterfaceTable& table, int w = -1, int h = -1, double scale = 1.0);
    ~HeadlessHost() override;
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    // The container's side.
    const InterfaceTable& table() const { return table_; }
    void Attach(Control* control) { control_ = control; }
    Control* control() const { return control_; }
    ContainerHooks& hooks() { return hooks_; }
    void SetAmbientDisplayName(std::string name) { displayName_ = std::move(name); }
    void SetAmbientFont(const Font& f) { ambientFont_ = f; }
    // The shell's result for addresses opened without a shell hook.
    void SetShellResult(int result) { shellResult_ = result; }
    // Clicks for the next modal forms, by element name ("Command1", "Label1(7)", ...),
    // performed in order.
    void QueueDialogClicks(std::span<const std::string> elements);

    // The container gives the control an outer size in pixels; when that changes the
    // drawing surface's size, Resize is sent. A negative size or more than 16384 pixels a
    // side is refused (false).
    bool SetExtent(int w, int h);
    int ExtentWidth() const { return extentW_; }
    int ExtentHeight() const { return extentH_; }
    // Draws at another device scale from now on: the surface and the picture boxes keep their
    // logical sizes and what they show, resampled until the control paints them again.
    void SetDeviceScale(double scale);

    // Runs fn on the attached control at the boundary; false when there is no control or
    // the call did not complete.
    bool Deliver(std::string_view what, const std::function<void(Control&)>& fn);
    // Runs fn at the boundary that every call into the control or the container crosses
    // (see CallGuard); false when it did not complete.
    bool Guarded(CallSide side, std::string_view what, const std::function<void()>& fn) {
        return guard_.Run(side, what, fn);
    }

    // State the compositor and the container read.
    const Picture& maskPicture() const { return mask_; }
    const std::string& accessKeys() const { return accessKeys_; }
    bool captured() const { return captured_; }
    const std::vector<std::unique_ptr<HeadlessPictureBox>>& pictureBoxes() const { return boxes_; }
    const std::vector<std::unique_ptr<HeadlessShape>>& shapes() const { return shapes_; }
    const std::vector<std::unique_ptr<HeadlessZone>>& zones() const { return zones_; }

    // The site, the services and the children; the canvas is the control's own surface.
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool on) override { enabled_ = on; }
    std::int16_t BorderStyle() const override { return borderStyle_; }
    void SetBorderStyle(std::int16_t style) override;
    std::int16_t MousePointer() const override { return mousePointer_; }
    void SetMousePointer(std::int16_t pointer) override { mousePointer_ = pointer; }
    Picture MouseIcon() const override { return mouseIcon_; }
    void SetMouseIcon(const Picture& icon) override { mouseIcon_ = icon; }
    void SetMaskPicture(const Picture& mask) override { mask_ = mask; }
    void SetAccessKeys(const std::string& keys) override { accessKeys_ = keys; }
    double Width() const override { return extentW_ * kTwipsPerPixel; }
    double Height() const override { return extentH_ * kTwipsPerPixel; }
    bool SetWidth(double twips) override;
    bool SetHeight(double twips) override;
    std::string AmbientDisplayName() const override { return displayName_; }
    Font AmbientFont() const override { return ambientFont_; }
    void PropertyChanged(std::string_view property) override;
    void RaiseEvent(int number, std::span<const EventArg> args) override;
    bool SetCapture() override;
    void ReleaseCapture() override;
    Picture LoadResPicture(int id) override;
    std::shared_ptr<const std::vector<std::uint8_t>> LoadResData(int id) override;
    void PlayWaveImage(std::shared_ptr<const std::vector<std::uint8_t>> image, int id) override;
    void ShowModal(ModalForm& form) override;
    void CloseModal(ModalForm& form) override;
    int ShellExecute(const std::string& address) override;
    void MessageBox(int style, const std::string& title, const std::string& text) override;
    FileError OpenFileForRead(const std::string& name) override;
    HeadlessPictureBox* PictureBoxChild(std::string_view name) override;
    HeadlessShape* ShapeChild(std::string_view name) override;
    HeadlessZone* ZoneChild(std::string_view name, int index) override;

private:
    bool ApplyExtent(int w, int h);

    const InterfaceTable& table_;
    Control* control_ = nullptr;
    ContainerHooks hooks_;
    int extentW_ = 0;
    int extentH_ = 0;
    bool enabled_ = true;
    std::int16_t borderStyle_ = 0;
    std::int16_t mousePointer_ = 0;
    Picture mouseIcon_;
    Picture mask_;
    std::string accessKeys_;
    bool captured_ = false;
    std::string displayName_;
    Font ambientFont_;
    int shellResult_ = 42;
    std::deque<std::string> dialogClicks_;
    ModalForm* modal_ = nullptr;
    // The numbered bitmaps this host has loaded, as the process's picture cache holds them.
    std::map<int, std::shared_ptr<const BuiltInPicture>> resourceImages_;
    std::vector<std::unique_ptr<HeadlessPictureBox>> boxes_;
    std::vector<std::unique_ptr<HeadlessShape>> shapes_;
    std::vector<std::unique_ptr<HeadlessZone>> zones_;
    CallGuard guard_{[this](const std::string& message) {
        if (hooks_.onFault) hooks_.onFault(message);
    }};
};

} // namespace nk
