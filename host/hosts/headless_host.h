// The headless host: runs one control of a class without a window. It keeps the control's
// surface, its children, its extent and the container's side of the contract (ambient
// properties, events, the player, the shell, message boxes and the modal about dialog).
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
#include "host/surface/forwarding_canvas.h"
#include "host/surface/surface_canvas.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

inline constexpr int kMaxExtent = 16384;
// The most nested calls into the control that a host lets through (a handler that raises
// its own event again and again is stopped here instead of overflowing the stack).
inline constexpr int kMaxNesting = 64;

// A drawing surface of the headless host (the control's own or a child picture box's): its
// pixels, and the print position, which Cls puts back at the top-left corner and Print
// moves to the start of the next row.
template <class Base> class HeadlessCanvas : public ForwardingCanvas<Base, SurfaceCanvas> {
public:
    SurfaceCanvas& surface() { return surface_; }
    const SurfaceCanvas& surface() const { return surface_; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }

    bool Cls() override {
        currentX_ = currentY_ = 0;
        return surface_.Cls();
    }
    void SetCurrentX(double x) override {
        currentX_ = x;
        surface_.SetCurrentX(x);
    }
    void SetCurrentY(double y) override {
        currentY_ = y;
        surface_.SetCurrentY(y);
    }
    bool Print(std::string_view text) override {
        const bool ok = surface_.Print(text);
        // The row's height: the text's own, one line for an empty text.
        currentY_ += surface_.TextHeight(text.empty() ? std::string_view(" ") : text);
        currentX_ = 0;
        return ok;
    }

protected:
    HeadlessCanvas(int w, int h, OleColor back, OleColor fore, const Font& font, double scale = 1.0)
        : ForwardingCanvas<Base, SurfaceCanvas>(surface_), surface_(w, h, back, fore, font, scale) {
    }

    SurfaceCanvas surface_;

private:
    double currentX_ = 0;
    double currentY_ = 0;
};

// A child picture box: its own surface, 0 x 0 until moved.
class HeadlessPictureBox : public HeadlessCanvas<PictureBox> {
public:
    // `scale`: the device scale of the box's surface.
    HeadlessPictureBox(const ChildInfo& info, const Font& font, double scale = 1.0);
    void SetDeviceScale(double scale) { surface_.SetScale(scale); }

    const ChildInfo& info() const { return info_; }
    std::string_view name() const { return info_.name; }
    bool visible() const { return info_.visible; }
    double left() const { return left_; }
    double top() const { return top_; }
    bool autoRedraw() const { return autoRedraw_; }

    bool Move(double left, double top, double width, double height) override;
    void SetAutoRedraw(bool on) override { autoRedraw_ = on; }
    Picture Image() override;

private:
    const ChildInfo& info_;
    double left_ = 0;
    double top_ = 0;
    bool autoRedraw_ = false;
};

// A child rectangle shape: hidden at first, composed over the control by merge-not-pen.
class HeadlessShape : public Shape {
public:
    explicit HeadlessShape(const ChildInfo& info);
    std::string_view name() const { return info_.name; }
    OleColor fillColor() const { return fill_; }
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }

    bool Move(double left, double top, double width, double height) override;
    void SetVisible(bool visible) override { visible_ = visible; }
    bool Visible() const override { return visible_; }
    void SetFillColor(OleColor c) override { fill_ = c; }

private:
    const ChildInfo& info_;
    bool visible_ = false;
    OleColor fill_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// A windowless image hot zone: a rectangle and a tool tip; it draws nothing.
class HeadlessZone : public ImageZone {
public:
    HeadlessZone(const ChildInfo& info, int index) : info_(info), index_(index) {}
    std::string_view name() const { return info_.name; }
    int index() const { return index_; }
    const std::string& toolTipText() const { return toolTip_; }
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }

    bool Move(double left, double top, double width, double height) override;
    void SetToolTipText(const std::string& text) override { toolTip_ = text; }

private:
    const ChildInfo& info_;
    int index_;
    std::string toolTip_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// A message box the control showed, kept by the headless host.
struct MessageBoxRecord {
    int style = 0;
    std::string title;
    std::string text;
};

// The container's event handler: the event's table entry (nullptr for a number the table
// does not declare), its number and the by-reference arguments.
using EventHandler =
    std::function<void(const EventInfo* info, int number, std::span<const EventArg> args)>;
// A sound player: starts the wave image of resource `id`, stopping any sound playing.
using SoundPlayer =
    std::function<void(std::shared_ptr<const std::vector<std::uint8_t>> image, int id)>;

// What the container provides. Every hook may be left empty.
struct ContainerHooks {
    EventHandler onEvent = {};
    // Told when the control reports a change of one of its properties (PropertyChanged).
    std::function<void(std::string_view property)> onPropertyChanged = {};
    // Without a player the host keeps the last image it was handed.
    SoundPlayer player = {};
    // Told when a call into the control threw or nested too deeply; the control goes on.
    std::function<void(const std::string& message)> onFault = {};
    // Runs a modal about dialog until it is closed (a windowed host's loop); without one
    // the host performs the queued dialog clicks and then clicks OK.
    std::function<void(AboutForm& form)> runDialog = {};
    // Opens an address and gives the shell's result; without one the host answers with
    // the shell result it was given (42 unless set).
    std::function<int(const std::string& address)> shell = {};
    // Shows a message box; the host records every message box either way.
    std::function<void(int style, const std::string& title, const std::string& text)> messageBox =
        {};
    // Told when the control takes (true) or releases (false) the mouse capture, so that a
    // container with a real pointer can grab it.
    std::function<void(bool captured)> onCapture = {};
};

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
    void SetShellResult(int result) { shellResult_ = result; }
    int shellResult() const { return shellResult_; }
    // Clicks for the next modal dialogs ("Command1", "Label1(7)", ...), performed in order.
    void QueueDialogClicks(std::span<const std::string> elements);
    void ClearDialogClicks() { dialogClicks_.clear(); }

    // The container gives the control an outer size in pixels; when that changes the
    // drawing surface's size, Resize is sent. A negative size or more than 16384 pixels a
    // side is refused (false).
    bool SetExtent(int w, int h);
    int ExtentWidth() const { return extentW_; }
    int ExtentHeight() const { return extentH_; }
    // Draws at another device scale from now on: the surface and the picture boxes keep their
    // logical sizes and what they show, resampled until the control paints them again.
    void SetDeviceScale(double scale);

    // Runs fn on the attached control, catching anything it throws and refusing to nest
    // deeper than kMaxNesting; false when the call did not complete.
    bool Deliver(std::string_view what, const std::function<void(Control&)>& fn);
    int nesting() const { return nesting_; }

    // State the compositor and the container read.
    const Picture& maskPicture() const { return mask_; }
    const std::string& accessKeys() const { return accessKeys_; }
    bool captured() const { return captured_; }
    int drawWidth() const { return surface_.DrawWidth(); }
    const std::vector<std::unique_ptr<HeadlessPictureBox>>& pictureBoxes() const { return boxes_; }
    const std::vector<std::unique_ptr<HeadlessShape>>& shapes() const { return shapes_; }
    const std::vector<std::unique_ptr<HeadlessZone>>& zones() const { return zones_; }
    HeadlessPictureBox* FindPictureBox(std::string_view name) const;
    HeadlessShape* FindShape(std::string_view name) const;
    HeadlessZone* FindZone(std::string_view name, int index) const;
    const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
    const std::vector<std::string>& shellAddresses() const { return shellAddresses_; }
    // The image last handed to the built-in player and its resource number (0: none).
    const std::shared_ptr<const std::vector<std::uint8_t>>& lastSound() const { return sound_; }
    int lastSoundId() const { return soundId_; }
    bool modalShowing() const { return modal_ != nullptr; }
    // The problem of the last resource bitmap, or variant of one, that could not be decoded.
    const std::string& lastResourceError() const { return resourceError_; }

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
    void ShowModal(AboutForm& form) override;
    void CloseModal(AboutForm& form) override;
    int ShellExecute(const std::string& address) override;
    void MessageBox(int style, const std::string& title, const std::string& text) override;
    FileError OpenFileForRead(const std::string& name) override;
    PictureBox* PictureBoxChild(std::string_view name) override { return FindPictureBox(name); }
    Shape* ShapeChild(std::string_view name) override { return FindShape(name); }
    ImageZone* ZoneChild(std::string_view name, int index) override {
        return FindZone(name, index);
    }

private:
    bool ApplyExtent(int w, int h);
    void Fault(const std::string& message);
    void CallContainer(const std::string& what, const std::function<void()>& fn);

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
    AboutForm* modal_ = nullptr;
    std::vector<MessageBoxRecord> messageBoxes_;
    std::vector<std::string> shellAddresses_;
    std::shared_ptr<const std::vector<std::uint8_t>> sound_;
    int soundId_ = 0;
    // A numbered bitmap decoded once, with its finer variants.
    struct ResourceImages {
        std::shared_ptr<const Image> image;
        std::vector<ScaledImage> variants;
    };
    std::map<int, ResourceImages> resourceImages_;
    std::string resourceError_;
    std::vector<std::unique_ptr<HeadlessPictureBox>> boxes_;
    std::vector<std::unique_ptr<HeadlessShape>> shapes_;
    std::vector<std::unique_ptr<HeadlessZone>> zones_;
    int nesting_ = 0;
};

} // namespace nk
