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
constexpr std::string_view kLeftTip = "Left";
constexpr std::string_view kRightTip = "Right";
constexpr std::string_view kUpTip = "Up";
constexpr std::string_view kDownTip = "Down";

// The keys of each direction: its arrow key, and its letter, whose key code is the
// capital's and which is typed in either case.
struct DirectionKeys {
    NuvelPad::Direction direction;
    std::int16_t arrow;
    char letter;
};
constexpr DirectionKeys kDirectionKeys[] = {{NuvelPad::kLeft, 37, 'L'},
                                            {NuvelPad::kRight, 39, 'R'},
                                            {NuvelPad::kUp, 38, 'U'},
                                            {NuvelPad::kDown, 40, 'D'}};

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

void NuvelPad::StoreTip(std::string_view name, std::string& field, const std::string& value) {
    StoreNotify(name, field, value);
    ApplyToolTips();
}

void NuvelPad::StoreShape(std::string_view name, std::int32_t& field, std::int32_t value) {
    StoreNotify(name, field, value);
    ApplyPadSize();
    ApplyStyleLayout();
    Redraw();
}

// A status light repaints only when its new value differs from the one its setter last
// acted on. A load stores the value without acting on it, so after loading a lit light
// (1), setting it to 0 compares with the last acted-on 0 and does not repaint.
void NuvelPad::StoreLight(std::string_view name, std::int16_t& field, std::int16_t& shown,
                          std::int16_t value) {
    StoreNotify(name, field, value);
    if (value != shown) {
        shown = value;
        Redraw();
    }
}

// Assigning the position raises XYRefresh even when the value does not change.
void NuvelPad::StorePosition(std::string_view name, float& field, float value) {
    StoreNotify(name, field, value);
    RaiseXYRefresh();
    Redraw();
}

void NuvelPad::SetUseDirectionShortKeys(VBool value) {
    StoreNotify("UseDirectionShortKeys", useDirectionShortKeys_, value);
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
    foreColor_ = 0;
    SetFont(host_.AmbientFont());
    nuvelStyle_ = NuvlMilitaryDir;
    statusLight1_ = 0;
    statusLight2_ = 0;
    xValue_ = 0;
    yValue_ = 0;
    useDirectionShortKeys_ = kFalse;
    leftToolTip_ = kLeftTip;
    rightToolTip_ = kRightTip;
    upToolTip_ = kUpTip;
    downToolTip_ = kDownTip;
    // PictureMode keeps its value and the access keys stay as they are.
    ApplyToolTips();
    ApplyPadSize();
    RaiseXYRefresh();
    ApplyStyleLayout();
    Redraw();
}

void NuvelPad::ReadProperties(const PropertyBag& bag) {
    // Values are stored directly, except MouseIcon and Font, which go through their own
    // setters (each notifying and repainting while the rest is still loading).
    if (auto style = ReadInteger(bag, "BorderStyle", 0)) host_.SetBorderStyle(*style);
    ReadRowsThroughSetters(*this, bag, {"MouseIcon"});
    if (auto pointer = ReadInteger(bag, "MousePointer", 0)) host_.SetMousePointer(*pointer);
    ReadStoredRows(*this, bag, {{"ForeColor", &foreColor_}});
    if (auto font = ReadFont(bag, "Font", host_.AmbientFont())) SetFont(*font);
    if (auto enabled = ReadBoolean(bag, "Enabled", kTrue)) host_.SetEnabled(*enabled != kFalse);
    ReadStoredRows(*this, bag,
                   {{"NuvelStyle", &nuvelStyle_},
                    {"StatusLight1", &statusLight1_},
                    {"StatusLight2", &statusLight2_},
                    {"XValue", &xValue_},
                    {"YValue", &yValue_},
                    {"PictureMode", &pictureMode_},
                    {"UseDirectionShortKeys", &useDirectionShortKeys_},
                    {"LeftToolTip", &leftToolTip_},
                    {"RightToolTip", &rightToolTip_},
                    {"UpToolTip", &upToolTip_},
                    {"DownToolTip", &downToolTip_}});
    ApplyToolTips();
    ApplyShortKeys();
    ApplyPadSize();
    ApplyStyleLayout();
    Redraw();
    RaiseXYRefresh();
}

void NuvelPad::WriteProperties(PropertyBag& bag) {
    // BorderStyle, a Long member, is saved as an Integer.
    WriteInteger(bag, "BorderStyle", host_.BorderStyle(), 0);
    WriteSavedRows(*this, bag, {"MouseIcon", "MousePointer", "ForeColor"});
    WriteFont(bag, "Font", GetFont(), host_.AmbientFont());
    WriteSavedRows(*this, bag,
                   {"Enabled", "NuvelStyle", "StatusLight1", "StatusLight2", "XValue", "YValue",
                    "PictureMode", "UseDirectionShortKeys", "LeftToolTip", "RightToolTip",
                    "UpToolTip", "DownToolTip"});
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
