// The event numbers that NuvelCommand, NuvelCheck and the other push buttons with the same
// event interface raise: the key and mouse events in their usual order, then PlaySound.
#pragma once

namespace nk {

enum class PushButtonEvent : int {
    Click = 1,
    DblClick = 2,
    KeyDown = 3,
    KeyPress = 4,
    KeyUp = 5,
    MouseDown = 6,
    MouseMove = 7,
    MouseUp = 8,
    PlaySound = 9,
};

} // namespace nk
