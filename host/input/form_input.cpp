// The windowed host's input rules: hit tests, capture, clicks, focus, keys and access keys.
#include "host/input/form_input.h"
#include "host/hosts/compose.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace nk {

namespace {

enum MouseKind { kDown, kMove, kUp };

bool Inside(double x, double y, double left, double top, double w, double h) {
    return x >= left && y >= top && x < left + w && y < top + h;
}

std::int16_t I16(int v) {
    return static_cast<std::int16_t>(v);
}

} // namespace

int KeyAscii(int keyCode, int shift) {
    if (keyCode >= 'A' && keyCode <= 'Z') return (shift & kShiftMask) ? keyCode : keyCode + 32;
    if (keyCode >= '0' && keyCode <= '9') return keyCode;
    switch (keyCode) {
    case vk::kSpace:
    case vk::kReturn:
    case vk::kBack:
    case vk::kEscape:
        return keyCode;
    default:
        return 0;
    }
}

bool FormInput::Usable(const FormControl* c) const {
    return c && c->host().control() && c->host().Enabled();
}

InputTarget FormInput::HitTest(double x, double y) const {
    const auto& controls = form_.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        FormControl& c = **it;
        const double lx = x - c.left();
        const double ly = y - c.top();
        if (!Inside(lx, ly, 0, 0, c.width(), c.height())) continue;
        // See-through pixels (outside a mask) let the pointer through to what lies below.
        const int px = static_cast<int>(std::floor(lx));
        const int py = static_cast<int>(std::floor(ly));
        if (!ComposedPixelAt(c.host(), px, py)) continue;
        // A disabled control takes no input, and neither does what lies below it.
        if (!Usable(&c)) return {};
        InputTarget t{&c, {}, -1, static_cast<float>(lx), static_cast<float>(ly)};
        for (const auto& z : c.host().zones()) {
            if (Inside(lx, ly, z->left(), z->top(), z->width(), z->height())) {
                t.child = std::string(z->name());
                t.index = z->index();
                t.x = static_cast<float>(lx - z->left());
                t.y = static_cast<float>(ly - z->top());
                return t;
            }
        }
        for (const auto& b : c.host().pictureBoxes()) {
            if (b->visible() &&
                Inside(lx, ly, b->left(), b->top(), b->ScaleWidth(), b->ScaleHeight())) {
                t.child = std::string(b->name());
                t.x = static_cast<float>(lx - b->left());
                t.y = static_cast<float>(ly - b->top());
                return t;
            }
        }
        return t;
    }
    return {};
}

// The point relative to a target already chosen (a captured or pressed control or child).
InputTarget FormInput::Relative(FormControl& c, double x, double y) const {
    InputTarget t{&c, {}, -1, static_cast<float>(x - c.left()), static_cast<float>(y - c.top())};
    return t;
}

void FormInput::SendMouse(const InputTarget& t, int kind, int button, int shift) {
    if (!Usable(t.control)) return;
    ControlSite& site = t.control->site();
    const std::int16_t b = I16(button);
    const std::int16_t s = I16(shift);
    if (t.child.empty()) {
        if (kind == kDown) site.MouseDown(b, s, t.x, t.y);
        if (kind == kMove) site.MouseMove(b, s, t.x, t.y);
        if (kind == kUp) site.MouseUp(b, s, t.x, t.y);
        return;
    }
    const ChildRef ref{t.child, t.index};
    if (kind == kDown) site.ChildMouseDown(ref, b, s, t.x, t.y);
    if (kind == kMove) site.ChildMouseMove(ref, b, s, t.x, t.y);
    if (kind == kUp) site.ChildMouseUp(ref, b, s, t.x, t.y);
}

namespace {

FormControl* Captor(const Form& form) {
    for (const auto& c : form.controls())
        if (c->host().captured()) return c.get();
    return nullptr;
}

void SendClick(const InputTarget& t, bool dbl) {
    ControlSite& site = t.control->site();
    if (t.child.empty()) {
        if (dbl)
            site.DblClick();
        else
            site.Click();
        return;
    }
    const ChildRef ref{t.child, t.index};
    if (dbl)
        site.ChildDblClick(ref);
    else
        site.ChildClick(ref);
}

// A pressed target's point: relative to the child's origin when the press was on a child.
InputTarget Follow(const InputTarget& pressed, double x, double y) {
    InputTarget t = pressed;
    FormControl& c = *pressed.control;
    double ox = c.left(), oy = c.top();
    if (!pressed.child.empty()) {
        if (pressed.index >= 0) {
            if (auto* z = c.host().ZoneChild(pressed.child, pressed.index)) {
                ox += z->left();
                oy += z->top();
            }
        } else if (auto* b = c.host().PictureBoxChild(pressed.child)) {
            ox += b->left();
            oy += b->top();
        }
    }
    t.x = static_cast<float>(x - ox);
    t.y = static_cast<float>(y - oy);
    return t;
}

} // namespace

void FormInput::MouseDown(int button, int shift, double x, double y, int clicks) {
    if (pressed_) { // another button while one is held: same target
        SendMouse(Follow(*pressed_, x, y), kDown, button, shift);
        return;
    }
    InputTarget t;
    if (FormControl* captor = Captor(form_))
        t = Relative(*captor, x, y);
    else
        t = HitTest(x, y);
    if (!Usable(t.control)) return;
    Focus(t.control);
    if (!Usable(t.control)) return; // a focus handler may have disabled it
    const bool dbl = clicks >= 2 && lastClick_ && lastClick_->SameAs(t);
    if (dbl)
        SendClick(t, true);
    else
        SendMouse(t, kDown, button, shift);
    pressed_ = t;
    pressedButton_ = button;
    pressedDouble_ = dbl;
}

void FormInput::MouseMove(int buttons, int shift, double x, double y) {
    InputTarget t;
    if (FormControl* captor = Captor(form_))
        t = Relative(*captor, x, y);
    else if (pressed_)
        t = Follow(*pressed_, x, y);
    else
        t = HitTest(x, y);
    if (t.control) SendMouse(t, kMove, buttons, shift);
}

void FormInput::MouseUp(int button, int shift, double x, double y) {
    if (pressed_ && button != pressedButton_) {
        SendMouse(Follow(*pressed_, x, y), kUp, button, shift);
        return;
    }
    InputTarget t;
    if (FormControl* captor = Captor(form_))
        t = Relative(*captor, x, y);
    else if (pressed_)
        t = Follow(*pressed_, x, y);
    else
        t = HitTest(x, y);
    if (t.control) SendMouse(t, kUp, button, shift);
    if (!pressed_) return;
    const InputTarget pressed = *pressed_;
    const bool dbl = pressedDouble_;
    pressed_.reset();
    pressedDouble_ = false;
    lastClick_.reset();
    if (dbl || button != kLeftButton) return;
    // A release over the pressed target completes a click.
    const InputTarget over = HitTest(x, y);
    if (over.SameAs(pressed) && Usable(pressed.control)) {
        SendClick(pressed, false);
        lastClick_ = pressed;
    }
}

bool FormInput::Focus(FormControl* control) {
    if (control == focused_) return true;
    if (control && !Usable(control)) return false;
    FormControl* old = focused_;
    focused_ = control;
    if (old) {
        old->site().LostFocus();
        old->site().ExitFocus();
    }
    if (control && focused_ == control) {
        control->site().EnterFocus();
        control->site().GotFocus();
    }
    return true;
}

void FormInput::MoveFocus(bool backwards) {
    std::vector<FormControl*> order;
    for (FormControl* c : form_.TabOrder())
        if (Usable(c)) order.push_back(c);
    if (order.empty()) return;
    const auto it = std::find(order.begin(), order.end(), focused_);
    size_t next;
    if (it == order.end()) {
        next = backwards ? order.size() - 1 : 0;
    } else {
        const size_t at = static_cast<size_t>(it - order.begin());
        next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    Focus(order[next]);
}

void FormInput::FocusFirst() {
    if (focused_) return;
    for (FormControl* c : form_.TabOrder()) {
        if (!Usable(c)) continue;
        Focus(c);
        // A focus handler may hand the focus on, or refuse it by disabling its control.
        if (focused_) return;
    }
}

bool FormInput::AccessKey(int keyCode, int shift) {
    const int ch = KeyAscii(keyCode, 0);
    if (ch == 0 || ch == vk::kReturn || ch == vk::kEscape || ch == vk::kBack) return false;
    for (FormControl* c : form_.TabOrder()) {
        if (!Usable(c)) continue;
        const std::string& keys = c->host().accessKeys();
        const bool found = std::any_of(keys.begin(), keys.end(), [ch](char k) {
            return std::tolower(static_cast<unsigned char>(k)) == ch;
        });
        if (!found) continue;
        Focus(c);
        c->site().AccessKeyPress(I16(KeyAscii(keyCode, shift)));
        return true;
    }
    return false;
}

void FormInput::KeyDown(int keyCode, int shift) {
    if (keyCode == vk::kTab && !(shift & (kCtrlMask | kAltMask))) {
        MoveFocus((shift & kShiftMask) != 0);
        return;
    }
    if ((shift & kAltMask) && AccessKey(keyCode, shift)) return;
    if (!Usable(focused_)) return;
    FormControl* target = focused_;
    target->site().KeyDown(I16(keyCode), I16(shift));
    const int ascii = (shift & (kCtrlMask | kAltMask)) ? 0 : KeyAscii(keyCode, shift);
    if (ascii && Usable(target)) target->site().KeyPress(I16(ascii));
}

void FormInput::KeyUp(int keyCode, int shift) {
    if (keyCode == vk::kTab) return;
    if (Usable(focused_)) focused_->site().KeyUp(I16(keyCode), I16(shift));
}

void FormInput::Reset() {
    focused_ = nullptr;
    pressed_.reset();
    lastClick_.reset();
    pressedDouble_ = false;
}

} // namespace nk
