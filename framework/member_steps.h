// The steps of the controls' plain setters: store the new value, tell the container which
// member changed and repaint, in one of the two orders the controls use. A control derives
// from MemberSteps<itself> and befriends it, so that the steps reach the control's `host_`
// and its `Redraw`; a setter with any other step writes it out beside these.
#pragma once

#include "framework/host.h"

#include <string_view>
#include <utility>

namespace nk {

enum class Steps {
    NotifyThenRedraw, // PropertyChanged, then Redraw
    RedrawThenNotify, // Redraw, then PropertyChanged
};

template <typename Self> class MemberSteps {
protected:
    static constexpr Steps kRedrawFirst = Steps::RedrawThenNotify;

    // Stores `value` in `field`, then tells the container and repaints.
    template <typename T, typename V>
    void Store(std::string_view name, T& field, V&& value, Steps steps = Steps::NotifyThenRedraw) {
        field = std::forward<V>(value);
        Changed(name, steps);
    }

    // Stores `value` in `field` and tells the container; the look follows at the next repaint.
    template <typename T, typename V> void StoreNotify(std::string_view name, T& field, V&& value) {
        field = std::forward<V>(value);
        Site().PropertyChanged(name);
    }

    // Tells the container that `name` changed and repaints, in the order `steps` gives.
    void Changed(std::string_view name, Steps steps = Steps::NotifyThenRedraw) {
        if (steps == Steps::RedrawThenNotify) Repaint();
        Site().PropertyChanged(name);
        if (steps == Steps::NotifyThenRedraw) Repaint();
    }

    Host& Site() const { return static_cast<const Self&>(*this).host_; }
    void Repaint() { static_cast<Self&>(*this).Redraw(); }
};

} // namespace nk
