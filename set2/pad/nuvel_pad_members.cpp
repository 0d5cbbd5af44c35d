// NuvelPad's interface: `_NuvelPad` in its order with its help strings, the events of
// `__NuvelPad`, the hot zones Image1(0) to Image1(3) and the design-time settings.
#include "framework/class_table.h"
#include "framework/member_rows.h"
#include "framework/pic_styles.h"
#include "framework/shared_rows.h"
#include "resources/resource_tables.h"
#include "set2/pad/nuvel_pad.h"

namespace nk {

namespace {

// Setters receive values already converted to the member's type; one that still does
// not convert is not assigned.

std::vector<PropertyInfo> Properties() {
    using enum MemberKind;
    return {
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelPad::LeftToolTip,
                    &NuvelPad::SetLeftToolTip>("LeftToolTip")
            .Saved(Variant::String("Left")),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelPad::RightToolTip,
                    &NuvelPad::SetRightToolTip>("RightToolTip")
            .Saved(Variant::String("Right")),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelPad::UpToolTip,
                    &NuvelPad::SetUpToolTip>("UpToolTip")
            .Saved(Variant::String("Up")),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelPad::DownToolTip,
                    &NuvelPad::SetDownToolTip>("DownToolTip")
            .Saved(Variant::String("Down")),
        AccessorRow<ValueType::Long, MemberKind::Surface, &NuvelPad::BorderStyle,
                    &NuvelPad::SetBorderStyle>("BorderStyle",
                                               "Returns/sets the border style for an object.")
            .Takes(kFillBorderStyleEnum)
            .Saved(Variant::Integer(0)),
        SharedRows<NuvelPad>::MouseIcon("Sets a custom mouse icon."),
        SharedRows<NuvelPad>::MousePointer(
            "Returns/sets the type of mouse pointer displayed when over part of an object."),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelPad::PictureMode,
                    &NuvelPad::SetPictureMode>("PictureMode",
                                               "Returns/sets the behavior of the pictures.")
            .Takes(kPicStyles2Enum)
            .Saved(Variant::Long(DefaultStyle)),
        AccessorRow<ValueType::Color, MemberKind::Own, &NuvelPad::ForeColor,
                    &NuvelPad::SetForeColor>(
            "ForeColor",
            "Returns/sets the foreground color used to display text and graphics in an object.")
            .Saved(Variant::Double(0)),
        SharedRows<NuvelPad>::Font("Returns a Font object."),
        SharedRows<NuvelPad>::Enabled("Returns/sets a value that determines whether an object can "
                                      "respond to user-generated events."),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelPad::NuvelStyle,
                    &NuvelPad::SetNuvelStyle>("NuvelStyle",
                                              "Returns/sets the style apearance of the control.")
            .Takes(kPadNuvelsEnum)
            .Saved(Variant::Long(NuvlMilitaryDir)),
        AccessorRow<ValueType::Integer, MemberKind::Own, &NuvelPad::StatusLight1,
                    &NuvelPad::SetStatusLight1>("StatusLight1",
                                                "Returns/sets the first status light")
            .Saved(Variant::Integer(0)),
        AccessorRow<ValueType::Integer, MemberKind::Own, &NuvelPad::StatusLight2,
                    &NuvelPad::SetStatusLight2>("StatusLight2",
                                                "Returns/sets the second status light")
            .Saved(Variant::Integer(0)),
        AccessorRow<ValueType::Single, MemberKind::Own, &NuvelPad::XValue, &NuvelPad::SetXValue>(
            "XValue", "returns/sets the X value in the cartesian plane.")
            .Saved(Variant::Single(0)),
        AccessorRow<ValueType::Single, MemberKind::Own, &NuvelPad::YValue, &NuvelPad::SetYValue>(
            "YValue", "Returns/sets the Y value in the cartesian plane.")
            .Saved(Variant::Single(0)),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelPad::UseDirectionShortKeys,
                    &NuvelPad::SetUseDirectionShortKeys>(
            "UseDirectionShortKeys",
            "Makes the control use the u, d, l, r shortcut keys for easy access.")
            .Saved(Variant::Boolean(kFalse)),
    };
}

std::vector<MethodInfo> Methods() {
    return {
        {"TimerInvoke",
         {},
         InvokeMethod<NuvelPad, &NuvelPad::TimerInvoke>,
         "Timer Invocation procedure for control timing."},
        {"TweakLeft",
         {},
         InvokeMethod<NuvelPad, &NuvelPad::TweakLeft>,
         "Makes the control tweak leftward once."},
        {"TweakRight",
         {},
         InvokeMethod<NuvelPad, &NuvelPad::TweakRight>,
         "Makes the control tweak rightward once"},
        {"TweakUp",
         {},
         InvokeMethod<NuvelPad, &NuvelPad::TweakUp>,
         "Makes the control tweak upward once."},
        {"TweakDown",
         {},
         InvokeMethod<NuvelPad, &NuvelPad::TweakDown>,
         "Makes the control tweak downward once."},
        {"ForceLeft",
         {},
         InvokeMethod<NuvelPad, &NuvelPad::ForceLeft>,
         "Makes the control force leftward."},
        {"ForceDown",
         {},
         InvokeMethod<NuvelPad, &NuvelPad::ForceDown>,
         "Makes the control force downward."},
        {"ForceUp",
         {},
         InvokeMethod<NuvelPad, &NuvelPad::ForceUp>,
         "Makes the control force upward."},
        {"ForceRight",
         {},
         InvokeMethod<NuvelPad, &NuvelPad::ForceRight>,
         "Makes the control force rightward."},
        {"ForceNeutral",
         {},
         InvokeMethod<NuvelPad, &NuvelPad::ForceNeutral>,
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

} // namespace

const InterfaceTable& NuvelPadInterface() {
    static const InterfaceTable table =
        MakeInterfaceTable<NuvelPad>({.className = "NuvelPad",
                                      .library = "nuvset2",
                                      .typeLibrary = "Nuvelkit4",
                                      // The skin's size.
                                      .designWidth = 150,
                                      .designHeight = 120},
                                     Properties(), Methods(), Events(),
                                     // The arrow hot zones: 0 left, 1 right, 2 up, 3 down.
                                     {{"Image1", ChildKind::ImageZones, 4}}, Nuvset2Resources());
    return table;
}

} // namespace nk
