// The click, key and mouse notifications of a control that passes them on unchanged: each
// raises the control's event of the same name with the same arguments, numbered by the
// control's enumeration `Self::Event`. A control derives from PassedInput<itself> instead
// of Control, befriends it so that it reaches the control's `host_`, and overrides the
// notifications it treats otherwise.
#pragma once

#include "framework/control.h"
#include "framework/events.h"
#include "framework/host.h"

#include <cstdint>

namespace nk {

template <typename Self> class PassedInput : public Control {
public:
    void Click() override { EventSite().RaiseEvent(Number(Self::Event::Click), {}); }
    void DblClick() override { EventSite().RaiseEvent(Number(Self::Event::DblClick), {}); }
    void KeyDown(std::int16_t keyCode, std::int16_t shift) override {
        RaiseKeyEvent(EventSite(), Self::Event::KeyDown, keyCode, shift);
    }
    void KeyUp(std::int16_t keyCode, std::int16_t shift) override {
        RaiseKeyEvent(EventSite(), Self::Event::KeyUp, keyCode, shift);
    }
    void KeyPress(std::int16_t keyAscii) override {
        RaiseKeyPressEvent(EventSite(), Self::Event::KeyPress, keyAscii);
    }
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override {
        RaiseMouseEvent(EventSite(), Self::Event::MouseDown, button, shift, x, y);
    }
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override {
        RaiseMouseEvent(EventSite(), Self::Event::MouseMove, button, shift, x, y);
    }
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override {
        RaiseMouseEvent(EventSite(), Self::Event::MouseUp, button, shift, x, y);
    }

private:
    Host& EventSite() { return static_cast<Self&>(*this).host_; }
};

} // namespace nk
