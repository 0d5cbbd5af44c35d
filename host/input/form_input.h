// The kit's input rules, apart from any toolkit: FormInput turns a container's input (pointer
// and keys, in the form's pixels) into the controls' notifications. The SDL window and the Qt
// widgets both feed it.
//
// Input rules: the control under the pointer is the topmost one whose composed pixel there
// is not see-through (masks); a disabled control takes no input. Inside a hot zone the
// zone's notifications go to the control instead, and so do those inside a visible child
// picture box. A control holding the capture gets every mouse notification, relative to
// itself. A press keeps the notifications of that button on its target until release; a
// release over it gives Click; the second press of a double click gives DblClick and, at
// release, MouseUp. A press gives focus; Tab and Shift+Tab move it in tab order; Alt+key
// sends AccessKeyPress to the control whose access keys hold the key and focuses it. Keys
// go to the focused control as VK codes with the Shift state bits 1 Shift, 2 Ctrl, 4 Alt.
#pragma once

#include "framework/events.h"
#include "host/forms/form.h"

#include <optional>
#include <string>

namespace nk {

// VK codes of the keys the dispatcher itself looks at; those the controls look at too are
// the controls' own names.
namespace vk {
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kReturn = kEnterKey;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kMenu = 18; // Alt
inline constexpr int kEscape = 27;
inline constexpr int kSpace = kSpaceKey;
inline constexpr int kLeft = kLeftKey;
inline constexpr int kUp = kUpKey;
inline constexpr int kRight = kRightKey;
inline constexpr int kDown = kDownKey;
} // namespace vk

// Shift state bits of key and mouse notifications; mouse buttons.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// What the pointer is over: a control itself, or one of its children (a hot zone element or
// a visible picture box), with the point relative to that target.
struct InputTarget {
    FormControl* control = nullptr;
    std::string child; // empty: the control itself
    int index = -1;    // the zone's element, -1 for a picture box
    float x = 0;
    float y = 0;
    bool SameAs(const InputTarget& o) const {
        return control == o.control && child == o.child && index == o.index;
    }
};

class FormInput {
public:
    explicit FormInput(Form& form) : form_(form) {}

    // The target under a point of the form (no control: target.control is nullptr).
    InputTarget HitTest(double x, double y) const;

    // Pointer input in form pixels. `clicks` is 2 for the second press of a double click.
    void MouseDown(int button, int shift, double x, double y, int clicks = 1);
    void MouseMove(int buttons, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    // Keys as VK codes. KeyDown also types the key's character (KeyPress) when it has one.
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);

    FormControl* focused() const { return focused_; }
    // Moves the focus (LostFocus, ExitFocus to the old control; EnterFocus, GotFocus to the
    // new one). A disabled control cannot take it; false then.
    bool Focus(FormControl* control);
    // Tab / Shift+Tab: the next (previous) enabled control in tab order.
    void MoveFocus(bool backwards);
    // Gives the focus to the first enabled control in tab order that takes it, unless a
    // control has it already.
    void FocusFirst();

    // Forgets every reference to the form's controls (after the form changed its list).
    void Reset();

private:
    bool Usable(const FormControl* c) const;
    InputTarget Relative(FormControl& c, double x, double y) const;
    void SendMouse(const InputTarget& t, int kind, int button, int shift);
    bool AccessKey(int keyCode, int shift);

    Form& form_;
    FormControl* focused_ = nullptr;
    std::optional<InputTarget> pressed_;   // the target of the button held down
    std::optional<InputTarget> lastClick_; // the target of the last click (double clicks)
    int pressedButton_ = 0;
    bool pressedDouble_ = false;
};

// The character a key types with a Shift state, 0 for none (letters, digits, Space, Enter,
// Backspace, Escape).
int KeyAscii(int keyCode, int shift);

} // namespace nk
