// The interface of NuvelHCommand as its containers see it: the members of _NuvelHCommand
// in interface order, the events of __NuvelHCommand by number, the child and the design-time
// settings.
#include "framework/class_table.h"
#include "framework/member_rows.h"
#include "framework/member_values.h"
#include "framework/pic_styles.h"
#include "framework/shared_rows.h"
#include "framework/sound.h"
#include "resources/resource_tables.h"
#include "set1/hcommand/nuvel_hcommand.h"

#include <utility>

namespace nk {

namespace {

// Setters receive values already converted to the member's type.

std::vector<PropertyInfo> Properties() {
    return {
        SharedRows<NuvelHCommand>::ShowFocus(),
        NK_FIELD_ROW(NuvelHCommand, Color, FocusColor).Saved(Variant::Double(0xFF00)),
        SharedRows<NuvelHCommand>::UseSound(),
        SharedRows<NuvelHCommand>::SoundMethod(),
        NK_FIELD_ROW(NuvelHCommand, Boolean, AllowMultiLine)
            .ReadAs("AllowMultiline")
            .Saved(Variant::Boolean(kFalse)),
        NK_FIELD_ROW(NuvelHCommand, Long, AdjustTop).Saved(Variant::Long(0)),
        NK_OWN_ROW(NuvelHCommand, Boolean, UseAnimation)
            .Saved(Variant::Boolean(kTrue), Variant::Boolean(kFalse)),
        SharedRows<NuvelHCommand>::ShortCutKey(),
        SharedRows<NuvelHCommand>::Enabled(),
        SharedRows<NuvelHCommand>::Font(),
        SharedRows<NuvelHCommand>::FontBold(),
        SharedRows<NuvelHCommand>::FontItalic(),
        SharedRows<NuvelHCommand>::FontStrikethru(),
        SharedRows<NuvelHCommand>::FontUnderline(),
        NK_SURFACE_ROW(NuvelHCommand, String, FontName).Saved(Variant::String("")),
        NK_SURFACE_ROW(NuvelHCommand, Single, FontSize).Saved(Variant::Single(0)),
        NK_OWN_ROW(NuvelHCommand, Long, ShineMode).Takes(kHShineModesEnum).Saved(Variant::Long(0)),
        NK_OWN_ROW(NuvelHCommand, Color, ForeColor).Saved(Variant::Double(kButtonText)),
        NK_OWN_ROW(NuvelHCommand, Color, LeftColor).Saved(Variant::Double(0)),
        NK_OWN_ROW(NuvelHCommand, Color, RightColor).Saved(Variant::Double(0)),
        SharedRows<NuvelHCommand>::MouseIcon(),
        SharedRows<NuvelHCommand>::MousePointer(),
        NK_OWN_ROW(NuvelHCommand, Long, NuvelStyle)
            .Takes(kHCommandTypesEnum)
            .Saved(Variant::Long(0)),
        SharedRows<NuvelHCommand>::UseOnTop(),
        NK_OWN_ROW(NuvelHCommand, String, Caption).Saved(Variant::String("0")),
        NK_OWN_ROW(NuvelHCommand, String, LeftCaption).Saved(Variant::String("")),
        SharedRows<NuvelHCommand>::CoolGlowColor(),
        SharedRows<NuvelHCommand>::CoolUseGlow(),
        NK_OWN_ROW(NuvelHCommand, String, RightCaption).Saved(Variant::String("")),
        NK_OWN_ROW(NuvelHCommand, Long, FocusStyle)
            .Takes(kHCommandFocusStylesEnum)
            .Saved(Variant::Long(0)),
        SharedRows<NuvelHCommand>::PicturePushed(),
        SharedRows<NuvelHCommand>::PictureOver(),
        SharedRows<NuvelHCommand>::PictureNormal(),
        SharedRows<NuvelHCommand>::PictureDisabled(),
        SharedRows<NuvelHCommand>::PictureOver2(),
        SharedRows<NuvelHCommand>::PictureMode(),
    };
}

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelHCommand>::TimerInvoke(),
        SharedRows<NuvelHCommand>::AboutMe(),
        MethodRow<NuvelHCommand, &NuvelHCommand::ShineEdges>("ShineEdges"),
    };
}

std::vector<EventInfo> Events() {
    auto events = PushButtonEvents<NuvelHCommand::Event>(MouseArgs("x", "y"));
    // This class's event interface lists MouseMove before MouseDown.
    std::swap(events[5], events[6]);
    return events;
}

} // namespace

const InterfaceTable& NuvelHCommandInterface() {
    static const InterfaceTable table = MakeInterfaceTable<NuvelHCommand>(
        {.className = "NuvelHCommand",
         .library = "nuvset1",
         .typeLibrary = "Nuvelkit3",
         // The natural size of the pill faces and of the mask.
         .designWidth = 175,
         .designHeight = 32},
        Properties(), Methods(), Events(),
        {
            // The hidden canvas on which the mask is stretched to the control.
            HiddenMaskCanvas(),
        },
        Nuvset1Resources());
    return table;
}

} // namespace nk
