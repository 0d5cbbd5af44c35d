// The vocabulary of input events that every control shares: the key codes the controls
// act on, the argument lists of the mouse and key events, and the number of an event
// given by a control's own event enumeration.
#pragma once

#include "framework/interface_table.h"

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

namespace nk {

class Host;

inline constexpr std::int16_t kEnterKey = 13;
inline constexpr std::int16_t kSpaceKey = 32;
inline constexpr std::int16_t kLeftKey = 37;
inline constexpr std::int16_t kUpKey = 38;
inline constexpr std::int16_t kRightKey = 39;
inline constexpr std::int16_t kDownKey = 40;

// KeyDown and KeyUp: KeyCode, Shift.
std::vector<EventArgInfo> KeyArgs();
// KeyPress: KeyAscii.
std::vector<EventArgInfo> KeyPressArgs();
// MouseDown, MouseMove and MouseUp: Button, Shift and the position, under the names the
// class's event interface gives them ("X" and "Y", or "x" and "y").
std::vector<EventArgInfo> MouseArgs(std::string_view x = "X", std::string_view y = "Y");
// PlaySound: the SoundType of the push buttons' sound step.
std::vector<EventArgInfo> SoundArgs();

// The number that identifies an event to RaiseEvent.
template <typename E> constexpr int Number(E event) {
    static_assert(std::is_enum_v<E>);
    return static_cast<int>(event);
}

// Raise the key and mouse events with their arguments by reference: a handler may change
// them, and the caller sees what it changed them to.
void RaiseKeyEvent(Host& host, int number, std::int16_t& keyCode, std::int16_t& shift);
void RaiseKeyPressEvent(Host& host, int number, std::int16_t& keyAscii);
void RaiseMouseEvent(Host& host, int number, std::int16_t& button, std::int16_t& shift, float& x,
                     float& y);

template <typename E>
void RaiseKeyEvent(Host& host, E event, std::int16_t& keyCode, std::int16_t& shift) {
    RaiseKeyEvent(host, Number(event), keyCode, shift);
}
template <typename E> void RaiseKeyPressEvent(Host& host, E event, std::int16_t& keyAscii) {
    RaiseKeyPressEvent(host, Number(event), keyAscii);
}
template <typename E>
void RaiseMouseEvent(Host& host, E event, std::int16_t& button, std::int16_t& shift, float& x,
                     float& y) {
    RaiseMouseEvent(host, Number(event), button, shift, x, y);
}

} // namespace nk
