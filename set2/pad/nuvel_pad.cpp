// NuvelPad's properties, public methods, persistence, motion and input. Painting, shape
// and size are in nuvel_pad_draw.cpp, the interface table in nuvel_pad_members.cpp.
#include "set2/pad/nuvel_pad.h"

#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/saved_rows.h"

namespace nk {

namespace {

constexpr std::string_view kZones = "Image1";

// The tool tips of a new pad, which are also what the bag gives for an absent key.

// The keys of each direction: its arrow key, and its letter, whose key code is the
// capital's and which is typed in either case.
struct DirectionKeys {
    NuvelPad::Direction direction;
    std::int16_t arrow;
    char letter;
};
constexpr DirectionKeys kDirectionKeys[] = {{NuvelPad::kLeft, kLeftKey, 'L'},
                                            {NuvelPad::kRight, kRightKey, 'R'},
                                            {NuvelPad::kUp, kUpKey, 'U'},
                                            {NuvelPad::kDown, kDownKey, 'D'}};

std::int16_t DirectionOfKey(std::int16_t keyCode) {
    for (const DirectionKeys& keys : kDirectionKeys)
        if (keyCode == keys.arrow || keyCode == keys.letter) return keys.direction;
    return NuvelPad::kNoDirection;
}

std::int16_t DirectionOfCharacter(std::int16_t keyAscii) {
    for (const DirectionKeys& keys : kDirectionKeys)
        if (keyAscii == keys.letter || keyAscii == keys.letter - 'A' + 'a') return keys.direction;
    return NuvelPad::kNoDirection;
}

// The hot zone a child notification comes from, 0 to 3; -1 for anything else.
int ZoneOf(ChildRef child) {
    if (child.name != kZones || child.index < 0 || child.index > 3) return -1;
    return child.index;
}

} // namespace

NuvelPad::NuvelPad(Host& host) : host_(host) {}

const InterfaceTable& NuvelPad::Interface() const {
    return NuvelPadInterface();
}

// ---- Properties ------------------------------------------------------------------

void NuvelPad::StoreTip(std::string& field, const std::string& value, Where where) {
    StoreNotify(field, value, where);
    ApplyToolTips();
}

void NuvelPad::StoreShape(std::int32_t& field, std::int32_t value, Where where) {
    StoreNotify(field, value, where);
    ApplyPadSize();
    ApplyStyleLayout();
    Redraw();
}

// A status light repaints only when its new value differs from the one its setter last
// acted on. A load stores the value without acting on it, so after loading a lit light
// (1), setting it to 0 compares with the last acted-on 0 and does not repaint.
void NuvelPad::StoreLight(std::int16_t& field, std::int16_t& shown, std::int16_t value,
                          Where where) {
    StoreNotify(field, value, where);
    if (value != shown) {
        shown = value;
        Redraw();
    }
}

// Assigning the position raises XYRefresh even when the value does not change.
void NuvelPad::StorePosition(float& field, float value, Where where) {
    StoreNotify(field, value, where);
    RaiseXYRefresh();
    Redraw();
}

void NuvelPad::SetUseDirectionShortKeys(VBool value) {
    StoreNotify(useDirectionShortKeys_, value);
    ApplyShortKeys();
    Redraw();
}

// ---- Methods ---------------------------------------------------------------------

void NuvelPad::Tweak(Direction direction) {
    Step(direction);
    RaiseXYRefresh();
}

// Holds the direction, steps once and shows the held arrow; TimerInvoke keeps stepping.
void NuvelPad::Force(Direction direction) {
    activeDirection_ = direction;
    Step(direction);
    RaiseXYRefresh();
    Redraw();
}

void NuvelPad::ForceNeutral() {
    activeDirection_ = kNoDirection;
    RaiseXYRefresh();
    Redraw();
}

// The point moves in single precision, written before the event so that a handler sees
// the new value. Far from zero a step can leave the value unchanged (16777216 + 1 is
// 16777216 in single precision); the event is raised all the same.
void NuvelPad::Step(std::int16_t direction) {
    switch (direction) {
    case kLeft:
        xValue_ = xValue_ - 1.0f;
        host_.RaiseEvent(Number(Event::GoLeft), {});
        break;
    case kRight:
        xValue_ = xValue_ + 1.0f;
        host_.RaiseEvent(Number(Event::GoRight), {});
        break;
    case kUp:
        yValue_ = yValue_ - 1.0f;
        host_.RaiseEvent(Number(Event::GoUp), {});
        break;
    case kDown:
        yValue_ = yValue_ + 1.0f;
        host_.RaiseEvent(Number(Event::GoDown), {});
        break;
    default:
        break;
    }
}

void NuvelPad::RaiseXYRefresh() {
    host_.RaiseEvent(Number(Event::XYRefresh), {});
}

void NuvelPad::ApplyToolTips() {
    const std::string* tips[] = {&leftToolTip_, &rightToolTip_, &upToolTip_, &downToolTip_};
    for (int i = 0; i < 4; ++i)
        if (ImageZone* zone = host_.ZoneChild(kZones, i)) zone->SetToolTipText(*tips[i]);
}

// ---- Life cycle ------------------------------------------------------------------

void NuvelPad::InitProperties() {
    InitFromRows(*this, host_);
    // PictureMode keeps its value and the access keys stay as they are.
    ApplyToolTips();
    ApplyPadSize();
    RaiseXYRefresh();
    ApplyStyleLayout();
    Redraw();
}

void NuvelPad::ReadProperties(const PropertyBag& bag) {
    ReadFromRows(*this, host_, bag);
    ApplyToolTips();
    ApplyShortKeys();
    ApplyPadSize();
    ApplyStyleLayout();
    Redraw();
    RaiseXYRefresh();
}

void NuvelPad::WriteProperties(PropertyBag& bag) {
    WriteFromRows(*this, host_, bag);
    ApplyToolTips();
    ApplyShortKeys();
    ApplyPadSize();
    Redraw();
    ApplyStyleLayout();
}

void NuvelPad::Resize() {
    ApplyPadSize();
    ApplyStyleLayout();
    Redraw();
}

void NuvelPad::Paint() {
    Redraw();
}

// ---- Motion and input ------------------------------------------------------------

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
