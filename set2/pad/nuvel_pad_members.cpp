// NuvelPad's interface: `_NuvelPad` in its order with its help strings, the events of
// `__NuvelPad`, the hot zones Image1(0) to Image1(3) and the design-time settings.
#include "framework/class_table.h"
#include "framework/member_rows.h"
#include "framework/pic_styles.h"
#include "framework/shared_rows.h"
#include "resources/resource_tables.h"
#include "set2/pad/nuvel_pad.h"

namespace nk {

// Each row gives its place in InitProperties (Init), and in ReadProperties and
// WriteProperties (Kept). Loaded values are stored directly, except MouseIcon and Font, which
// go through their own setters (each notifying and repainting while the rest still loads).
std::vector<PropertyInfo> NuvelPad::Rows() {
    using C = NuvelPad;
    using S = SharedRows<C>;
    constexpr Via kSetter = Via::Setter;
    return {
        NK_OWN_ROW(C, String, LeftToolTip, leftToolTip_)
            .Help("The tool tip of the left arrow.")
            .Saved(Variant::String("Left"))
            .Init(9)
            .Kept(14, 14),
        NK_OWN_ROW(C, String, RightToolTip, rightToolTip_)
            .Help("The tool tip of the right arrow.")
            .Saved(Variant::String("Right"))
            .Init(10)
            .Kept(15, 15),
        NK_OWN_ROW(C, String, UpToolTip, upToolTip_)
            .Help("The tool tip of the up arrow.")
            .Saved(Variant::String("Up"))
            .Init(11)
            .Kept(16, 16),
        NK_OWN_ROW(C, String, DownToolTip, downToolTip_)
            .Help("The tool tip of the down arrow.")
            .Saved(Variant::String("Down"))
            .Init(12)
            .Kept(17, 17),
        NK_SURFACE_ROW(C, Long, BorderStyle)
            .Help("Returns/sets the border style for an object.")
            .Takes(kFillBorderStyleEnum)
            .Saved(Variant::Integer(0))
            .WrittenAs(ValueType::Integer)
            .Kept(1, 1),
        S::MouseIcon("Sets a custom mouse icon.").Kept(2, 2, kSetter),
        S::MousePointer(
            "Returns/sets the type of mouse pointer displayed when over part of an object.")
            .Kept(3, 3),
        NK_OWN_ROW(C, Long, PictureMode, pictureMode_)
            .Help("Returns/sets the behavior of the pictures.")
            .Takes(kPicStyles2Enum)
            .Saved(Variant::Long(DefaultStyle))
            .Kept(12, 12),
        NK_OWN_ROW(C, Color, ForeColor, foreColor_)
            .Help("Returns/sets the foreground color used to display text and graphics in an "
                  "object.")
            .Saved(Variant::Double(0))
            .Init(1)
            .Kept(4, 4),
        S::Font("Returns a Font object.")
            .Init(2, Initial::AmbientFont, kSetter)
            .Kept(5, 5, kSetter),
        S::Enabled("Returns/sets a value that determines whether an object can "
                   "respond to user-generated events.")
            .Kept(6, 6),
        NK_OWN_ROW(C, Long, NuvelStyle, nuvelStyle_)
            .Help("Returns/sets the style apearance of the control.")
            .Takes(kPadNuvelsEnum)
            .Saved(Variant::Long(NuvlMilitaryDir))
            .Init(3)
            .Kept(7, 7),
        NK_OWN_ROW(C, Integer, StatusLight1, statusLight1_)
            .Help("Returns/sets the first status light")
            .Saved(Variant::Integer(0))
            .Init(4)
            .Kept(8, 8),
        NK_OWN_ROW(C, Integer, StatusLight2, statusLight2_)
            .Help("Returns/sets the second status light")
            .Saved(Variant::Integer(0))
            .Init(5)
            .Kept(9, 9),
        NK_OWN_ROW(C, Single, XValue, xValue_)
            .Help("returns/sets the X value in the cartesian plane.")
            .Saved(Variant::Single(0))
            .Init(6)
            .Kept(10, 10),
        NK_OWN_ROW(C, Single, YValue, yValue_)
            .Help("Returns/sets the Y value in the cartesian plane.")
            .Saved(Variant::Single(0))
            .Init(7)
            .Kept(11, 11),
        NK_OWN_ROW(C, Boolean, UseDirectionShortKeys, useDirectionShortKeys_)
            .Help("Makes the control use the u, d, l, r shortcut keys for easy access.")
            .Saved(Variant::Boolean(kFalse))
            .Init(8)
            .Kept(13, 13),
    };
}

namespace {

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
        {Number(E::MouseMove), "MouseMove", mouse, StandardEventHelp("MouseMove")},
        {Number(E::MouseUp), "MouseUp", mouse, StandardEventHelp("MouseUp")},
        {Number(E::MouseDown), "MouseDown", mouse, StandardEventHelp("MouseDown")},
        {Number(E::KeyDown), "KeyDown", key, StandardEventHelp("KeyDown")},
        {Number(E::KeyPress), "KeyPress", KeyPressArgs(), StandardEventHelp("KeyPress")},
        {Number(E::KeyUp), "KeyUp", key, StandardEventHelp("KeyUp")},
        {Number(E::DblClick), "DblClick", {}, StandardEventHelp("DblClick")},
        {Number(E::Click), "Click", {}, StandardEventHelp("Click")},
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
                                     NuvelPad::Rows(), Methods(), Events(),
                                     // The arrow hot zones: 0 left, 1 right, 2 up, 3 down.
                                     {{"Image1", ChildKind::ImageZones, 4}}, Nuvset2Resources());
    return table;
}

} // namespace nk
