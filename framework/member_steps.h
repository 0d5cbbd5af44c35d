// The steps of the controls' plain setters: store the new value, tell the container which
// member changed and repaint, in one of the two orders the controls use. A control derives
// from MemberSteps<itself> and befriends it, so that the steps reach the control's `host_`
// and its `Redraw`; a setter with any other step writes it out beside these.
//
// A setter names its member once, in its own name: the steps called from `SetName` tell the
// container that "Name" changed.
#pragma once

#include "framework/host.h"

#include <string_view>
#include <utility>

namespace nk {

enum class Steps {
    NotifyThenRedraw, // PropertyChanged, then Redraw
    RedrawThenNotify, // Redraw, then PropertyChanged
    NotifyOnly,       // PropertyChanged; the look follows at the next repaint
};

// The member that a setter sets, from the setter's name as the compiler spells its function
// ("void nk::NuvelCommand::SetCaption(const std::string&)" gives "Caption"); empty when the
// function is not named Set followed by a member.
constexpr std::string_view SetterMember(std::string_view function) {
    function = function.substr(0, function.find('('));
    const std::size_t scope = function.rfind("::");
    const std::size_t space = function.rfind(' ');
    std::size_t start = 0;
    if (scope != std::string_view::npos) start = scope + 2;
    if (space != std::string_view::npos && space + 1 > start) start = space + 1;
    function = function.substr(start);
    constexpr std::string_view kSet = "Set";
    if (function.size() <= kSet.size() || function.substr(0, kSet.size()) != kSet) return {};
    return function.substr(kSet.size());
}

// The function that calls, as the compiler names it in a default argument
// (`Caller where = __builtin_FUNCTION()`), so that a setter's helpers know whose member
// they store without the setter naming it again.
struct Caller {
    constexpr Caller(const char* function) : name(function) {}
    const char* name;
};

inline std::string_view SetterMember(const Caller& where) {
    return SetterMember(std::string_view(where.name));
}

template <typename Self> class MemberSteps {
protected:
    using Where = Caller;
    static constexpr Steps kRedrawFirst = Steps::RedrawThenNotify;

    // Stores `value` in `field`, then tells the container and repaints.
    template <typename T, typename V>
    void Store(T& field, V&& value, Steps steps = Steps::NotifyThenRedraw,
               Where where = __builtin_FUNCTION()) {
        field = std::forward<V>(value);
        Changed(SetterMember(where), steps);
    }

    // Stores `value` in `field` and tells the container; the look follows at the next repaint.
    template <typename T, typename V>
    void StoreNotify(T& field, V&& value, Where where = __builtin_FUNCTION()) {
        field = std::forward<V>(value);
        Site().PropertyChanged(SetterMember(where));
    }

    // Tells the container that the setter's member changed, with no repaint.
    void Notify(Where where = __builtin_FUNCTION()) { Site().PropertyChanged(SetterMember(where)); }

    // Tells the container that the setter's member changed and repaints, in the order given.
    void Changed(Steps steps = Steps::NotifyThenRedraw, Where where = __builtin_FUNCTION()) {
        Changed(SetterMember(where), steps);
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
