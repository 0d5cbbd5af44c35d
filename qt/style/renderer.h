// The pictures the nuvelkit style draws: a control of a look, at a size and device scale, in
// the state a Qt style option gives, drawn by the control itself in the kit's headless host
// and composed as the kit composes it.
//
// Pictures are kept in one process-wide cache, shared by every widget and every style object:
// two buttons of the same look, caption, size, state and scale are drawn once. It holds the
// latest pictures up to kCacheBytes and lets the least recently used go beyond that.
#pragma once

#include "qt/style/look.h"

#include <QFont>
#include <QImage>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <string>

namespace nk::qt::style {

// The states a control is driven into through the kit's input rules.
enum class State : std::uint8_t {
    Hover = 1,    // the pointer inside
    Pressed = 2,  // the left button down inside (which also focuses the control)
    Checked = 4,  // Value 1
    Focused = 8,  // the control has the focus
    Disabled = 16 // Enabled False
};
using States = std::uint8_t;
constexpr States operator|(State a, State b) {
    return static_cast<States>(static_cast<States>(a) | static_cast<States>(b));
}
constexpr States operator|(States a, State b) {
    return static_cast<States>(a | static_cast<States>(b));
}
constexpr bool Has(States states, State s) {
    return (states & static_cast<States>(s)) != 0;
}

struct Request {
    const InterfaceTable* table = nullptr;
    // The look's members, then those the widget gives (its caption, colours of its palette).
    Members members;
    QFont font;
    QSize size; // logical pixels
    double scale = 1.0;
    States states = 0;
};

inline constexpr std::size_t kCacheBytes = std::size_t{48} << 20;

// The request's picture: the composed control, in device pixels with the scale as its device
// pixel ratio, premultiplied (see-through where the control's mask leaves pixels out). A
// null image when the control cannot be made (its library is missing).
QImage Picture(const Request& request);

// What the cache holds and has done, for tests and benchmarks.
struct CacheCounts {
    std::size_t pictures = 0;
    std::size_t bytes = 0;
    std::size_t drawn = 0; // pictures drawn since the process started
};
CacheCounts Counts();

// The cache's key of a request: every input the picture depends on.
std::string KeyOf(const Request& request);

} // namespace nk::qt::style
