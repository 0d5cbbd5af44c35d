// The event numbers that the push buttons share (NuvelCommand, NuvelSphere, NuvelCheck):
// Click and DblClick, the key events, then MouseDown, MouseMove and MouseUp, and PlaySound
// last. A class whose event interface numbers them so names this enumeration as its own
// Event; a class that numbers them otherwise declares its own.
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
