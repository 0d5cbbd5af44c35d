// A form that a host shows modally: a window of its own, drawn by the form, which takes the
// mouse and the keys until the form closes. The host owns the window and its loop (or, without
// a window, plays the clicks its container queued); the form owns what it shows, which element
// lies under a point and what pressing, clicking and closing do.
#pragma once

#include "framework/picture.h"

#include <string>
#include <string_view>

namespace nk {

class Canvas;

// The pointer a form shows over one of its points.
enum class FormPointer {
    Arrow, // the usual one
    Link,  // the form's link pointer (LinkPointer)
};

class ModalForm {
public:
    virtual ~ModalForm() = default;

    // The window's caption and inner (client) size in pixels.
    virtual std::string Caption() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Draws the whole form as it shows now (a pressed button pushed in) onto a canvas of the
    // form's size. The canvas's font and fore colour are left as they were.
    virtual void Draw(Canvas& canvas) = 0;

    // The name of the topmost element under a point that takes clicks; empty for none.
    virtual std::string ElementAt(double x, double y) const = 0;
    virtual FormPointer PointerAt(double x, double y) const = 0;
    // The picture of the link pointer; one without an image leaves the platform's own hand.
    virtual Picture LinkPointer() = 0;

    // The left button went down at a point: the element under it shows pressed.
    virtual void MouseDown(double x, double y) = 0;
    // The left button came up at a point: nothing shows pressed any more. Returns the element
    // the release clicks (the one the press was on, when released over it; empty for none).
    // The host draws the form again and then gives that element to Click, so that the form
    // shows its button up before the click's own effects (a message box) appear.
    virtual std::string MouseUp(double x, double y) = 0;
    // A key (its VK code) pressed while the form is shown; every key is the form's then.
    virtual void KeyDown(int key) = 0;
    // A click on an element by name (any letter case); an element without an action, or an
    // unknown name, does nothing.
    virtual void Click(std::string_view element) = 0;
    // The user closed the window (its close button, or the application ending), or the host
    // has nothing more to show it with.
    virtual void Close() = 0;
    // Whether the form has closed: the host's modal loop ends.
    virtual bool Closed() const = 0;
};

} // namespace nk
