// The host contract: everything a control may ask of its container. A control talks
// to the world only through these interfaces. Every operation reports failure in its
// result and none throws, so a control can skip a failing step and go on.
#pragma once

#include "framework/font.h"
#include "framework/modal_form.h"
#include "framework/picture.h"
#include "framework/values.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace nk {

enum class LineKind { Plain, Box, FilledBox };

// DrawText layout flags.
namespace dt {
inline constexpr unsigned kCenter = 0x01;
inline constexpr unsigned kRight = 0x02;
inline constexpr unsigned kVCenter = 0x04;
inline constexpr unsigned kWordBreak = 0x10;
inline constexpr unsigned kSingleLine = 0x20;
inline constexpr unsigned kExpandTabs = 0x40;
inline constexpr unsigned kTabStop = 0x80;
inline constexpr unsigned kNoClip = 0x100;
inline constexpr unsigned kNoPrefix = 0x800;
} // namespace dt

// A drawing surface in pixels: the control's own, or a child picture box's.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    virtual OleColor ForeColor() const = 0;
    virtual void SetForeColor(OleColor c) = 0;
    virtual OleColor BackColor() const = 0;
    virtual void SetBackColor(OleColor c) = 0;
    virtual const Font& GetFont() const = 0;
    virtual void SetFont(const Font& f) = 0;
    virtual void SetDrawWidth(int width) = 0;

    virtual bool Cls() = 0;
    // Plain: from the first point up to, not including, the second. Box and filled box
    // include both corners.
    virtual bool Line(double x1, double y1, double x2, double y2, OleColor c,
                      LineKind kind = LineKind::Plain) = 0;
    virtual bool Circle(double x, double y, double r, OleColor c) = 0;
    // An arc counter-clockwise on screen from start to end (radians from the +x axis).
    virtual bool Arc(double x, double y, double r, OleColor c, double start, double end) = 0;
    // At the picture's own size.
    virtual bool PaintPicture(const Picture& p, double x, double y) = 0;
    // Stretched to w x h; nothing for a size <= 0.
    virtual bool PaintPicture(const Picture& p, double x, double y, double w, double h) = 0;

    virtual double TextWidth(std::string_view text) = 0;
    virtual double TextHeight(std::string_view text) = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;
    virtual bool Print(std::string_view text) = 0;

    // The platform calls on the surface's window and drawing context.
    virtual Rect GetClientRect() = 0;
    virtual bool DrawText(std::string_view text, const Rect& r, unsigned flags) = 0;
    virtual void Refresh() = 0;
};

// A child picture box: a surface of its own that the control moves and draws into.
class PictureBox : public Canvas {
public:
    virtual bool Move(double left, double top, double width, double height) = 0;
    virtual void SetAutoRedraw(bool on) = 0;
    // The picture of what was drawn into the box ("image:<w>x<h>").
    virtual Picture Image() = 0;
};

// A child rectangle shape (the glow overlay): solid fill, merge-not-pen.
class Shape {
public:
    virtual ~Shape() = default;
    virtual bool Move(double left, double top, double width, double height) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Visible() const = 0;
    virtual void SetFillColor(OleColor c) = 0;
};

// A transparent, windowless image hot zone with its own mouse notifications.
class ImageZone {
public:
    virtual ~ImageZone() = default;
    virtual bool Move(double left, double top, double width, double height) = 0;
    virtual void SetToolTipText(const std::string& text) = 0;
};

// One argument of an event, passed by reference: the handler may change it.
using EventArg = std::variant<std::int16_t*, std::int32_t*, float*>;

// The file errors that a host's file access can report.
enum class FileError { None = 0, FileNotFound = 53, PathFileAccess = 75, PathNotFound = 76 };

// The container site: the control's extent and the surface properties the container keeps
// for it, the container's ambient properties, the notice of a changed property, events and
// the mouse capture.
class HostSite {
public:
    virtual ~HostSite() = default;

    // The surface's own properties.
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool on) = 0;
    virtual std::int16_t BorderStyle() const = 0;
    virtual void SetBorderStyle(std::int16_t style) = 0;
    virtual std::int16_t MousePointer() const = 0;
    virtual void SetMousePointer(std::int16_t pointer) = 0;
    virtual Picture MouseIcon() const = 0;
    virtual void SetMouseIcon(const Picture& icon) = 0;
    virtual void SetMaskPicture(const Picture& mask) = 0;
    virtual void SetAccessKeys(const std::string& keys) = 0;

    // The outer size in twips. A set that changes the pixel size sends Resize before it
    // returns; a refused size (negative, or above 16384 pixels) returns false.
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    virtual bool SetWidth(double twips) = 0;
    virtual bool SetHeight(double twips) = 0;

    // The container.
    virtual std::string AmbientDisplayName() const = 0;
    virtual Font AmbientFont() const = 0;
    virtual void PropertyChanged(std::string_view name) = 0;
    // Runs the container's handler before returning; arguments are by reference.
    virtual void RaiseEvent(int number, std::span<const EventArg> args) = 0;

    // Mouse capture.
    virtual bool SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
};

// What the container provides besides drawing and the site: the resources of the control's
// own library, the sound player, modal forms, the shell, message boxes and files.
class HostServices {
public:
    virtual ~HostServices() = default;

    // Resources of the control's own library. A missing resource gives no picture / nothing.
    virtual Picture LoadResPicture(int id) = 0;
    virtual std::shared_ptr<const std::vector<std::uint8_t>> LoadResData(int id) = 0;
    virtual Picture LoadPicture() { return MakeEmptyPicture(); } // LoadPicture("")

    // The player: starts a wave image in the background, stopping any sound playing.
    // The image stays alive until the player lets go of it. `id` names the resource.
    virtual void PlayWaveImage(std::shared_ptr<const std::vector<std::uint8_t>> image, int id) = 0;

    // Modal forms: ShowModal shows the form and returns when it is closed; a form that is
    // closing tells its host with CloseModal.
    virtual void ShowModal(ModalForm& form) = 0;
    virtual void CloseModal(ModalForm& form) = 0;
    // The shell.
    virtual int ShellExecute(const std::string& address) = 0;
    virtual void MessageBox(int style, const std::string& title, const std::string& text) = 0;

    // Opens a file for reading and closes it again.
    virtual FileError OpenFileForRead(const std::string& name) = 0;
};

// The children declared in the control's interface table; nullptr for an unknown name.
class HostChildren {
public:
    virtual ~HostChildren() = default;

    virtual PictureBox* PictureBoxChild(std::string_view name) = 0;
    virtual Shape* ShapeChild(std::string_view name) = 0;
    virtual ImageZone* ZoneChild(std::string_view name, int index) = 0;
};

// Everything a control may ask of its container, by role: the drawing canvas of its own
// surface, the site, the services and the children. A helper that needs one role takes
// only that one.
class Host : public Canvas, public HostSite, public HostServices, public HostChildren {};

} // namespace nk
