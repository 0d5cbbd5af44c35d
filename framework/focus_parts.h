// The focus notifications that the push controls answer alike: GotFocus and EnterFocus mark
// the control focused, LostFocus and ExitFocus unmark it, and each then repaints, always or
// only while the control shows its focus (ShowFocus). A control derives from
// FocusPart<itself, ...> in place of Control and befriends it, so that the part reaches its
// `Redraw` and its `ShowFocus`; the focus mark it draws reads `hasFocus_`.
#pragma once

#include "framework/control.h"
#include "framework/values.h"

namespace nk {

enum class FocusRepaint {
    Always,        // every focus change repaints
    WhileShowFocus // a focus change repaints only while ShowFocus is on
};

template <typename Self, FocusRepaint R = FocusRepaint::Always> class FocusPart : public Control {
public:
    void GotFocus() override { SetFocused(true); }
    void EnterFocus() override { SetFocused(true); }
    void LostFocus() override { SetFocused(false); }
    void ExitFocus() override { SetFocused(false); }

protected:
    bool hasFocus_ = false;

private:
    void SetFocused(bool focused) {
        hasFocus_ = focused;
        Self& self = static_cast<Self&>(*this);
        if (R == FocusRepaint::Always || self.ShowFocus != kFalse) self.Redraw();
    }
};

} // namespace nk
