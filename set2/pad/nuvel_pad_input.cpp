// NuvelPad's motion and input: the timer step, the four arrow hot zones, the keyboard,
// the access keys u, d, l, r, and the ordinary events of the surface outside the zones.
#include "set2/pad/nuvel_pad.h"

namespace nk {

namespace {

constexpr std::string_view kZones = "Image1";

// Key codes: the arrow keys and the letter keys of the four directions.
std::int16_t DirectionOfKey(std::int16_t keyCode) {
    switch (keyCode) {
    case 37: // left arrow
    case 76: // L
        return NuvelPad::kLeft;
    case 39: // right arrow
    case 82: // R
        return NuvelPad::kRight;
    case 38: // up arrow
    case 85: // U
        return NuvelPad::kUp;
    case 40: // down arrow
    case 68: // D
        return NuvelPad::kDown;
    default:
        return NuvelPad::kNoDirection;
    }
}

// Typed characters: the four letters, either case.
std::int16_t DirectionOfCharacter(std::int16_t keyAscii) {
    switch (keyAscii) {
    case 'L':
    case 'l':
        return NuvelPad::kLeft;
    case 'R':
    case 'r':
        return NuvelPad::kRight;
    case 'U':
    case 'u':
        return NuvelPad::kUp;
    case 'D':
    case 'd':
        return NuvelPad::kDown;
    default:
        return NuvelPad::kNoDirection;
    }
}

// The hot zone a child notification comes from, 0 to 3; -1 for anything else.
int ZoneOf(ChildRef child) {
    if (child.name != kZones || child.index < 0 || child.index > 3) return -1;
    return child.index;
}

} // namespace

// One step in the held direction, if any, then XYRefresh in every case. No repaint.
void NuvelPad::TimerInvoke() {
    Step(activeDirection_);
    RaiseXYRefresh();
}

// A press on a hot zone, with any button, steps at once and holds the zone's direction.
// The control's own MouseDown event is not raised.
void NuvelPad::ChildMouseDown(ChildRef child, std::int16_t, std::int16_t, float, float) {
    const int zone = ZoneOf(child);
    if (zone < 0) return;
    Step(static_cast<std::int16_t>(zone + 1));
    activeDirection_ = static_cast<std::int16_t>(zone + 1);
    Redraw();
    RaiseXYRefresh();
}

// A release on any hot zone lets go of whatever direction is held, however it was set.
void NuvelPad::ChildMouseUp(ChildRef child, std::int16_t, std::int16_t, float, float) {
    if (ZoneOf(child) < 0) return;
    activeDirection_ = kNoDirection;
    Redraw();
}

// Outside the hot zones the pad only passes its mouse and click events on.
void NuvelPad::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseDown, button, shift, x, y);
}

void NuvelPad::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseMove, button, shift, x, y);
}

void NuvelPad::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseUp, button, shift, x, y);
}

void NuvelPad::Click() {
    host_.RaiseEvent(Number(Event::Click), {});
}

void NuvelPad::DblClick() {
    host_.RaiseEvent(Number(Event::DblClick), {});
}

// A direction key holds its direction and steps, on every key-down including repeats,
// whatever the shift state and whether or not the short keys are on.
void NuvelPad::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (const std::int16_t direction = DirectionOfKey(keyCode); direction != kNoDirection) {
        activeDirection_ = direction;
        Step(direction);
    }
    RaiseXYRefresh();
    Redraw();
    RaiseKeyEvent(host_, Event::KeyDown, keyCode, shift);
}

// A typed direction letter steps once more, without holding anything.
void NuvelPad::KeyPress(std::int16_t keyAscii) {
    Step(DirectionOfCharacter(keyAscii));
    RaiseXYRefresh();
    Redraw();
    RaiseKeyPressEvent(host_, Event::KeyPress, keyAscii);
}

// Any key going up lets go of the held direction.
void NuvelPad::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    activeDirection_ = kNoDirection;
    RaiseXYRefresh();
    Redraw();
    RaiseKeyEvent(host_, Event::KeyUp, keyCode, shift);
}

// An access key steps once; nothing is held and nothing repainted.
void NuvelPad::AccessKeyPress(std::int16_t keyAscii) {
    Step(DirectionOfCharacter(keyAscii));
    RaiseXYRefresh();
}

// The access keys are the four letters only while the short keys are exactly True (-1).
void NuvelPad::ApplyShortKeys() {
    host_.SetAccessKeys(useDirectionShortKeys_ == kTrue ? "udlr" : "");
}

} // namespace nk
