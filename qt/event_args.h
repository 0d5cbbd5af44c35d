// The by-reference arguments of an event, as the hosts on Qt hand them to their classes.
#pragma once

#include "qt/kit_types.h"

#include <cstddef>

namespace nk::qt {

// The by-reference arguments of an event the control raised, in the event's order: a view of
// the control's own, so that a handler changing one changes what the control sees.
class EventArgs {
public:
    EventArgs() = default;
    EventArgs(const EventArg* data, std::size_t size) : data_(data), size_(size) {}
    const EventArg* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const EventArg& operator[](std::size_t i) const { return data_[i]; }
    const EventArg* begin() const { return data_; }
    const EventArg* end() const { return data_ + size_; }

private:
    const EventArg* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace nk::qt
