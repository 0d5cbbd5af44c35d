// NuvelPad's interface: `_NuvelPad` in its order with its help strings, the events of
// `__NuvelPad`, the hot zones Image1(0) to Image1(3) and the design-time settings.
#include "framework/pic_styles.h"
#include "resources/resource_tables.h"
#include "set2/pad/nuvel_pad.h"

namespace nk {

namespace {

NuvelPad& Self(Control& c) {
    return static_cast<NuvelPad&>(c);
}

// Setters receive values already converted to the member's type; one that still does
// not convert is not assigned.
void SetString(Control& c, const Variant& v, void (NuvelPad::*set)(const std::string&)) {
    if (auto t = v.ToText()) (Self(c).*set)(*t);
}
void SetLong(Control& c, const Variant& v, void (NuvelPad::*set)(std::int32_t)) {
    if (auto l = v.ToLong()) (Self(c).*set)(*l);
}
void SetInteger(Control& c, const Variant& v, void (NuvelPad::*set)(std::int16_t)) {
    if (auto i = v.ToInteger()) (Self(c).*set)(*i);
}
void SetSingle(Control& c, const Variant& v, void (NuvelPad::*set)(float)) {
    if (auto s = v.ToSingle()) (Self(c).*set)(*s);
}
void SetBoolean(Control& c, const Variant& v, void (NuvelPad::*set)(VBool)) {
    if (auto b = v.ToBoolean()) (Self(c).*set)(*b);
}

std::vector<PropertyInfo> Properties() {
    using enum MemberKind;
    return {
        PropertyInfo{
            "LeftToolTip", ValueType::String, Own,
            [](Control& c) { return Variant::String(Self(c).LeftToolTip()); },
            [](Control& c, const Variant& v) { SetString(c, v, &NuvelPad::SetLeftToolTip); }}
            .Saved(Variant::String("Left")),
        PropertyInfo{
            "RightToolTip", ValueType::String, Own,
            [](Control& c) { return Variant::String(Self(c).RightToolTip()); },
            [](Control& c, const Variant& v) { SetString(c, v, &NuvelPad::SetRightToolTip); }}
            .Saved(Variant::String("Right")),
        PropertyInfo{"UpToolTip", ValueType::String, Own,
                     [](Control& c) { return Variant::String(Self(c).UpToolTip()); },
                     [](Control& c, const Variant& v) { SetString(c, v, &NuvelPad::SetUpToolTip); }}
            .Saved(Variant::String("Up")),
        PropertyInfo{
            "DownToolTip", ValueType::String, Own,
            [](Control& c) { return Variant::String(Self(c).DownToolTip()); },
            [](Control& c, const Variant& v) { SetString(c, v, &NuvelPad::SetDownToolTip); }}
            .Saved(Variant::String("Down")),
        PropertyInfo{"BorderStyle", ValueType::Long, Surface,
                     [](Control& c) { return Variant::Long(Self(c).BorderStyle()); },
                     [](Control& c, const Variant& v) { SetLong(c, v, &NuvelPad::SetBorderStyle); },
                     "Returns/sets the border style for an object."}
            .Takes(kFillBorderStyleEnum)
            .Saved(Variant::Integer(0)),
        PropertyInfo{"MouseIcon", ValueType::Picture, Surface,
                     [](Control& c) { return Variant::OfPicture(Self(c).MouseIcon()); },
                     [](Control& c, const Variant& v) {
                         if (auto p = v.ToPicture()) Self(c).SetMouseIcon(*p);
                     },
                     "Sets a custom mouse icon."}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{
            "MousePointer", ValueType::Integer, Surface,
            [](Control& c) { return Variant::Integer(Self(c).MousePointer()); },
            [](Control& c, const Variant& v) { SetInteger(c, v, &NuvelPad::SetMousePointer); },
            "Returns/sets the type of mouse pointer displayed when over part of an object."}
            .Saved(Variant::Integer(0)),
        PropertyInfo{"PictureMode", ValueType::Long, Own,
                     [](Control& c) { return Variant::Long(Self(c).PictureMode()); },
                     [](Control& c, const Variant& v) { SetLong(c, v, &NuvelPad::SetPictureMode); },
                     "Returns/sets the behavior of the pictures."}
            .Takes(kPicStyles2Enum)
            .Saved(Variant::Long(DefaultStyle)),
        PropertyInfo{
            "ForeColor", ValueType::Color, Own,
            [](Control& c) { return Variant::Double(Self(c).ForeColor()); },
            [](Control& c, const Variant& v) {
                if (auto color = v.ToColor()) Self(c).SetForeColor(*color);
            },
            "Returns/sets the foreground color used to display text and graphics in an object."}
            .Saved(Variant::Double(0)),
        PropertyInfo{"Font", ValueType::Font, Surface,
                     [](Control& c) { return Variant::OfFont(Self(c).GetFont()); },
                     [](Control& c, const Variant& v) {
                         if (auto f = v.ToFont()) Self(c).SetFont(*f);
                     },
                     "Returns a Font object."}
            .Saved(std::nullopt),
        PropertyInfo{"Enabled", ValueType::Boolean, Surface,
                     [](Control& c) { return Variant::Boolean(Self(c).Enabled()); },
                     [](Control& c, const Variant& v) { SetBoolean(c, v, &NuvelPad::SetEnabled); },
                     "Returns/sets a value that determines whether an object can respond to "
                     "user-generated events."}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"NuvelStyle", ValueType::Long, Own,
                     [](Control& c) { return Variant::Long(Self(c).NuvelStyle()); },
                     [](Control& c, const Variant& v) { SetLong(c, v, &NuvelPad::SetNuvelStyle); },
                     "Returns/sets the style apearance of the control."}
            .Takes(kPadNuvelsEnum)
            .Saved(Variant::Long(NuvlMilitaryDir)),
        PropertyInfo{
            "StatusLight1", ValueType::Integer, Own,
            [](Control& c) { return Variant::Integer(Self(c).StatusLight1()); },
            [](Control& c, const Variant& v) { SetInteger(c, v, &NuvelPad::SetStatusLight1); },
            "Returns/sets the first status light"}
            .Saved(Variant::Integer(0)),
        PropertyInfo{
            "StatusLight2", ValueType::Integer, Own,
            [](Control& c) { return Variant::Integer(Self(c).StatusLight2()); },
            [](Control& c, const Variant& v) { SetInteger(c, v, &NuvelPad::SetStatusLight2); },
            "Returns/sets the second status light"}
            .Saved(Variant::Integer(0)),
        PropertyInfo{"XValue", ValueType::Single, Own,
                     [](Control& c) { return Variant::Single(Self(c).XValue()); },
                     [](Control& c, const Variant& v) { SetSingle(c, v, &NuvelPad::SetXValue); },
                     "returns/sets the X value in the cartesian plane."}
            .Saved(Variant::Single(0)),
        PropertyInfo{"YValue", ValueType::Single, Own,
                     [](Control& c) { return Variant::Single(Self(c).YValue()); },
                     [](Control& c, const Variant& v) { SetSingle(c, v, &NuvelPad::SetYValue); },
                     "Returns/sets the Y value in the cartesian plane."}
            .Saved(Variant::Single(0)),
        PropertyInfo{"UseDirectionShortKeys", ValueType::Boolean, Own,
                     [](Control& c) { return Variant::Boolean(Self(c).UseDirectionShortKeys()); },
                     [](Control& c, const Variant& v) {
                         SetBoolean(c, v, &NuvelPad::SetUseDirectionShortKeys);
                     },
                     "Makes the control use the u, d, l, r shortcut keys for easy access."}
            .Saved(Variant::Boolean(kFalse)),
    };
}

// A method without arguments that lets no error reach its caller.
template <void (NuvelPad::*Method)()> MethodResult Invoke(Control& c, std::span<const Variant>) {
    (Self(c).*Method)();
    return MethodResult{};
}

std::vector<MethodInfo> Methods() {
    return {
        {"TimerInvoke",
         {},
         Invoke<&NuvelPad::TimerInvoke>,
         "Timer Invocation procedure for control timing."},
        {"TweakLeft", {}, Invoke<&NuvelPad::TweakLeft>, "Makes the control tweak leftward once."},
        {"TweakRight", {}, Invoke<&NuvelPad::TweakRight>, "Makes the control tweak rightward once"},
        {"TweakUp", {}, Invoke<&NuvelPad::TweakUp>, "Makes the control tweak upward once."},
        {"TweakDown", {}, Invoke<&NuvelPad::TweakDown>, "Makes the control tweak downward once."},
        {"ForceLeft", {}, Invoke<&NuvelPad::ForceLeft>, "Makes the control force leftward."},
        {"ForceDown", {}, Invoke<&NuvelPad::ForceDown>, "Makes the control force downward."},
        {"ForceUp", {}, Invoke<&NuvelPad::ForceUp>, "Makes the control force upward."},
        {"ForceRight", {}, Invoke<&NuvelPad::ForceRight>, "Makes the control force rightward."},
        {"ForceNeutral",
         {},
         Invoke<&NuvelPad::ForceNeutral>,
         "Makes the control neutral and stops."},
    };
}

std::vector<EventInfo> Events() {
    const auto mouse = MouseArgs();
    const auto key = KeyArgs();
    return {
        {Number(NuvelPad::Event::MouseMove), "MouseMove", mouse},
        {Number(NuvelPad::Event::MouseUp), "MouseUp", mouse},
        {Number(NuvelPad::Event::MouseDown), "MouseDown", mouse},
        {Number(NuvelPad::Event::KeyDown), "KeyDown", key},
        {Number(NuvelPad::Event::KeyPress), "KeyPress", KeyPressArgs()},
        {Number(NuvelPad::Event::KeyUp), "KeyUp", key},
        {Number(NuvelPad::Event::DblClick), "DblClick", {}},
        {Number(NuvelPad::Event::Click), "Click", {}},
        {Number(NuvelPad::Event::GoLeft), "GoLeft", {}, "Occurs when the control goes leftward."},
        {Number(NuvelPad::Event::GoRight),
         "GoRight",
         {},
         "Occurs when the control goes rightward."},
        {Number(NuvelPad::Event::GoUp), "GoUp", {}, "Returns/sets when the control goes upward."},
        {Number(NuvelPad::Event::GoDown), "GoDown", {}, "Occurs when the control goes downward."},
        {Number(NuvelPad::Event::XYRefresh),
         "XYRefresh",
         {},
         "Occurs when the X or Y values from the cartesian plane changes."},
    };
}

InterfaceTable MakeTable() {
    InterfaceTable t;
    t.className = "NuvelPad";
    t.library = "nuvset2";
    t.typeLibrary = "Nuvelkit4";
    t.designWidth = 150; // the skin's size
    t.designHeight = 120;
    t.properties = Properties();
    t.methods = Methods();
    t.events = Events();
    // The arrow hot zones: 0 left, 1 right, 2 up, 3 down.
    t.children = {{"Image1", ChildKind::ImageZones, 4}};
    t.resources = &Nuvset2Resources();
    t.create = [](Host& host) -> std::unique_ptr<Control> {
        return std::make_unique<NuvelPad>(host);
    };
    return t;
}

} // namespace

const InterfaceTable& NuvelPadInterface() {
    static const InterfaceTable table = MakeTable();
    return table;
}

} // namespace nk
