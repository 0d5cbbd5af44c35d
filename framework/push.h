// The steps the push buttons share: the press and the release (pressed state, sound,
// repaint), hover entry and exit with the pointer captured, and the hover glow overlay.
// Each control calls them in its own order around the events it raises.
#pragma once

#include "framework/events.h"
#include "framework/host.h"
#include "framework/sound.h"

#include <cstdint>
#include <string_view>

namespace nk {

// Space and Enter press a push button.
constexpr bool IsKeyThatPresses(std::int16_t keyCode) {
    return keyCode == kSpaceKey || keyCode == kEnterKey;
}

// The press step: the button goes down, the press sound plays, the face is repainted.
template <typename Repaint>
void PressStep(Host& host, bool& pressed, VBool useSound, std::int32_t soundMethod,
               Repaint&& redraw) {
    pressed = true;
    SoundStep(host, useSound, soundMethod, Gettingpushed);
    redraw();
}

// The release step: the button comes up, the release sound plays, the face is repainted.
template <typename Repaint>
void ReleaseStep(Host& host, bool& pressed, VBool useSound, std::int32_t soundMethod,
                 Repaint&& redraw) {
    pressed = false;
    SoundStep(host, useSound, soundMethod, GettingReleased);
    redraw();
}

// Hover entry: the control takes the capture, so the move that leaves it is reported too.
template <typename Repaint> void EnterHover(Host& host, bool& hovering, Repaint&& redraw) {
    hovering = true;
    host.SetCapture();
    redraw();
}

// Hover exit: the hover look ends and the capture is released.
template <typename Repaint> void LeaveHover(Host& host, bool& hovering, Repaint&& redraw) {
    hovering = false;
    host.ReleaseCapture();
    redraw();
}

// The roll-over rules of the animated faces, applied once each in order, each seeing the
// changes of the ones before it. `phase` is set to 2 by a pointer move and counted down by
// the timer; the faces of phases 0-2 are repainted, phases 3 and 4 hold the over face.
template <typename Repaint>
void RollOverStep(std::int16_t& phase, std::int16_t& state, Repaint&& redraw) {
    if (phase == 2 && state == 1) phase = 4;
    if (phase >= 0 && phase <= 2) redraw();
    if (phase == 0 && state == 1) state = 0;
    if (phase == 3 && state == 1) {
        phase = 4;
        state = 2;
    }
    if (phase == 2 && state == 0) {
        phase = 4;
        state = 1;
    }
    if (phase == 1 && state == 2) state = 0;
}

// Shows or hides the glow overlay `shape`, when the control has it.
void SetGlowVisible(Host& host, std::string_view shape, bool visible);

// Tints the glow overlay for `glowColor` (a colour without a fill keeps the fill it had)
// and shows it.
void ShowGlow(Shape& glow, OleColor glowColor);

} // namespace nk
