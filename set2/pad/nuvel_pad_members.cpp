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

std::vector<PropertyInfo> Properties() {
    return {
        NK_OWN_ROW(NuvelPad, String, LeftToolTip).Saved(Variant::String("Left")),
        NK_OWN_ROW(NuvelPad, String, RightToolTip).Saved(Variant::String("Right")),
        NK_OWN_ROW(NuvelPad, String, UpToolTip).Saved(Variant::String("Up")),
        NK_OWN_ROW(NuvelPad, String, DownToolTip).Saved(Variant::String("Down")),
        NK_SURFACE_ROW(NuvelPad, Long, BorderStyle)
            .Help("Returns/sets the border style for an object.")
            .Takes(kFillBorderStyleEnum)
            .Saved(Variant::Integer(0)),
        SharedRows<NuvelPad>::MouseIcon("Sets a custom mouse icon."),
        SharedRows<NuvelPad>::MousePointer(
            "Returns/sets the type of mouse pointer displayed when over part of an object."),
        NK_OWN_ROW(NuvelPad, Long, PictureMode)
            .Help("Returns/sets the behavior of the pictures.")
            .Takes(kPicStyles2Enum)
            .Saved(Variant::Long(DefaultStyle)),
        NK_OWN_ROW(NuvelPad, Color, ForeColor)
            .Help("Returns/sets the foreground color used to display text and graphics in an "
                  "object.")
            .Saved(Variant::Double(0)),
        SharedRows<NuvelPad>::Font("Returns a Font object."),
        SharedRows<NuvelPad>::Enabled("Returns/sets a value that determines whether an object can "
                                      "respond to user-generated events."),
        NK_OWN_ROW(NuvelPad, Long, NuvelStyle)
            .Help("Returns/sets the style apearance of the control.")
            .Takes(kPadNuvelsEnum)
            .Saved(Variant::Long(NuvlMilitaryDir)),
        NK_OWN_ROW(NuvelPad, Integer, StatusLight1)
            .Help("Returns/sets the first status light")
            .Saved(Variant::Integer(0)),
        NK_OWN_ROW(NuvelPad, Integer, StatusLight2)
            .Help("Returns/sets the second status light")
            .Saved(Variant::Integer(0)),
        NK_OWN_ROW(NuvelPad, Single, XValue)
            .Help("returns/sets the X value in the cartesian plane.")
            .Saved(Variant::Single(0)),
        NK_OWN_ROW(NuvelPad, Single, YValue)
            .Help("Returns/sets the Y value in the cartesian plane.")
            .Saved(Variant::Single(0)),
        NK_OWN_ROW(NuvelPad, Boolean, UseDirectionShortKeys)
            .Help("Makes the control use the u, d, l, r shortcut keys for easy access.")
            .Saved(Variant::Boolean(kFalse)),
    };
}

std::vector<MethodInfo> Methods() {
    return {
        NK_METHOD_ROW(NuvelPad, TimerInvoke, "Timer Invocation procedure for control timing."),
        NK_METHOD_ROW(NuvelPad, TweakLeft, "Makes the control tweak leftward once."),
        NK_METHOD_ROW(NuvelPad, TweakRight, "Makes the control tweak rightward once"),
        NK_METHOD_ROW(NuvelPad, TweakUp, "Makes the control tweak upward once."),
        NK_METHOD_ROW(NuvelPad, TweakDown, "Makes the control tweak downward once."),
        NK_METHOD_ROW(NuvelPad, ForceLeft, "Makes the control force leftward."),
        NK_METHOD_ROW(NuvelPad, ForceDown, "Makes the control force downward."),
        NK_METHOD_ROW(NuvelPad, ForceUp, "Makes the control force upward."),
        NK_METHOD_ROW(NuvelPad, ForceRight, "Makes the control force rightward."),
        NK_METHOD_ROW(NuvelPad, ForceNeutral, "Makes the control neutral and stops."),
    };
}

std::vector<EventInfo> Events() {
    using E = NuvelPad::Event;
    const auto mouse = MouseArgs();
    const auto key = KeyArgs();
    return {
        {Number(E::MouseMove), "MouseMove", mouse},
        {Number(E::MouseUp), "MouseUp", mouse},
        {Number(E::MouseDown), "MouseDown", mouse},
        {Number(E::KeyDown), "KeyDown", key},
        {Number(E::KeyPress), "KeyPress", KeyPressArgs()},
        {Number(E::KeyUp), "KeyUp", key},
        {Number(E::DblClick), "DblClick", {}},
        {Number(E::Click), "Click", {}},
        {Number(E::GoLeft), "GoLeft", {}, "Occurs when the control goes leftward."},
        {Number(E::GoRight), "GoRight", {}, "Occurs when the control goes rightward."},
        {Number(E::GoUp), "GoUp", {}, "Returns/sets when the control goes upward."},
        {Number(E::GoDown), "GoDown", {}, "Occurs when the control goes downward."},
        {Number(E::XYRefresh),
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
