// NuvelPad's properties, public methods and persistence. Input and motion are in
// nuvel_pad_input.cpp, painting, shape and size in nuvel_pad_draw.cpp, the interface
// table in nuvel_pad_members.cpp.
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

} // namespace

NuvelPad::NuvelPad(Host& host) : host_(host) {}

const InterfaceTable& NuvelPad::Interface() const {
    return NuvelPadInterface();
}

// ---- Properties ------------------------------------------------------------------

// The tool tips only reach the hot zones; nothing is repainted.
void NuvelPad::SetLeftToolTip(const std::string& text) {
    leftToolTip_ = text;
    host_.PropertyChanged("LeftToolTip");
    ApplyToolTips();
}

void NuvelPad::SetRightToolTip(const std::string& text) {
    rightToolTip_ = text;
    host_.PropertyChanged("RightToolTip");
    ApplyToolTips();
}

void NuvelPad::SetUpToolTip(const std::string& text) {
    upToolTip_ = text;
    host_.PropertyChanged("UpToolTip");
    ApplyToolTips();
}

void NuvelPad::SetDownToolTip(const std::string& text) {
    downToolTip_ = text;
    host_.PropertyChanged("DownToolTip");
    ApplyToolTips();
}

std::int32_t NuvelPad::BorderStyle() const {
    return host_.BorderStyle();
}

void NuvelPad::SetBorderStyle(std::int32_t style) {
    // The surface keeps its border style in 16 bits; a value that does not fit is not
    // stored, and the rest of the setter goes on.
    if (auto narrow = RoundToInt16(style)) host_.SetBorderStyle(*narrow);
    host_.PropertyChanged("BorderStyle");
    Redraw();
}

Picture NuvelPad::MouseIcon() const {
    return host_.MouseIcon();
}

void NuvelPad::SetMouseIcon(const Picture& icon) {
    host_.SetMouseIcon(icon);
    host_.PropertyChanged("MouseIcon");
    Redraw();
}

std::int16_t NuvelPad::MousePointer() const {
    return host_.MousePointer();
}

void NuvelPad::SetMousePointer(std::int16_t pointer) {
    host_.SetMousePointer(pointer);
    host_.PropertyChanged("MousePointer");
    Redraw();
}

void NuvelPad::SetPictureMode(std::int32_t mode) {
    pictureMode_ = mode;
    host_.PropertyChanged("PictureMode");
    ApplyPadSize();
    ApplyStyleLayout();
    Redraw();
}

void NuvelPad::SetForeColor(OleColor color) {
    foreColor_ = color;
    host_.PropertyChanged("ForeColor");
    Redraw();
}

Font NuvelPad::GetFont() const {
    return host_.GetFont();
}

void NuvelPad::SetFont(const Font& font) {
    host_.SetFont(font);
    host_.PropertyChanged("Font");
    Redraw();
}

VBool NuvelPad::Enabled() const {
    return ToVBool(host_.Enabled());
}

void NuvelPad::SetEnabled(VBool enabled) {
    host_.SetEnabled(enabled != kFalse);
    host_.PropertyChanged("Enabled");
    Redraw();
}

void NuvelPad::SetNuvelStyle(std::int32_t style) {
    nuvelStyle_ = style;
    host_.PropertyChanged("NuvelStyle");
    ApplyPadSize();
    ApplyStyleLayout();
    Redraw();
}

// A status light repaints only when its new value differs from the one its setter last
// acted on. A load stores the value without acting on it, so after loading a lit light
// (1), setting it to 0 compares with the last acted-on 0 and does not repaint.
void NuvelPad::SetStatusLight1(std::int16_t value) {
    statusLight1_ = value;
    host_.PropertyChanged("StatusLight1");
    if (value != shownLight1_) {
        shownLight1_ = value;
        Redraw();
    }
}

void NuvelPad::SetStatusLight2(std::int16_t value) {
    statusLight2_ = value;
    host_.PropertyChanged("StatusLight2");
    if (value != shownLight2_) {
        shownLight2_ = value;
        Redraw();
    }
}

// ---- Methods ---------------------------------------------------------------------

void NuvelPad::TweakLeft() {
    Step(kLeft);
    RaiseXYRefresh();
}

void NuvelPad::TweakRight() {
    Step(kRight);
    RaiseXYRefresh();
}

void NuvelPad::TweakUp() {
    Step(kUp);
    RaiseXYRefresh();
}

void NuvelPad::TweakDown() {
    Step(kDown);
    RaiseXYRefresh();
}

void NuvelPad::ForceLeft() {
    Force(kLeft);
}
void NuvelPad::ForceDown() {
    Force(kDown);
}
void NuvelPad::ForceUp() {
    Force(kUp);
}
void NuvelPad::ForceRight() {
    Force(kRight);
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

// Assigning the position raises XYRefresh even when the value does not change.
void NuvelPad::SetXValue(float value) {
    xValue_ = value;
    host_.PropertyChanged("XValue");
    RaiseXYRefresh();
    Redraw();
}

void NuvelPad::SetYValue(float value) {
    yValue_ = value;
    host_.PropertyChanged("YValue");
    RaiseXYRefresh();
    Redraw();
}

void NuvelPad::SetUseDirectionShortKeys(VBool use) {
    useDirectionShortKeys_ = use;
    host_.PropertyChanged("UseDirectionShortKeys");
    ApplyShortKeys();
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

} // namespace nk
