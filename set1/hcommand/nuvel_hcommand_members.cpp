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
        FieldRow<ValueType::Color, &NuvelHCommand::FocusColor>("FocusColor")
            .Saved(Variant::Double(0xFF00)),
        SharedRows<NuvelHCommand>::UseSound(),
        SharedRows<NuvelHCommand>::SoundMethod(),
        FieldRow<ValueType::Boolean, &NuvelHCommand::AllowMultiLine>("AllowMultiLine")
            .ReadAs("AllowMultiline")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Long, &NuvelHCommand::AdjustTop>("AdjustTop").Saved(Variant::Long(0)),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelHCommand::UseAnimation,
                    &NuvelHCommand::SetUseAnimation>("UseAnimation")
            .Saved(Variant::Boolean(kTrue), Variant::Boolean(kFalse)),
        SharedRows<NuvelHCommand>::ShortCutKey(),
        SharedRows<NuvelHCommand>::Enabled(),
        SharedRows<NuvelHCommand>::Font(),
        SharedRows<NuvelHCommand>::FontBold(),
        SharedRows<NuvelHCommand>::FontItalic(),
        SharedRows<NuvelHCommand>::FontStrikethru(),
        SharedRows<NuvelHCommand>::FontUnderline(),
        AccessorRow<ValueType::String, MemberKind::Surface, &NuvelHCommand::FontName,
                    &NuvelHCommand::SetFontName>("FontName")
            .Saved(Variant::String("")),
        AccessorRow<ValueType::Single, MemberKind::Surface, &NuvelHCommand::FontSize,
                    &NuvelHCommand::SetFontSize>("FontSize")
            .Saved(Variant::Single(0)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelHCommand::ShineMode,
                    &NuvelHCommand::SetShineMode>("ShineMode")
            .Takes(kHShineModesEnum)
            .Saved(Variant::Long(0)),
        AccessorRow<ValueType::Color, MemberKind::Own, &NuvelHCommand::ForeColor,
                    &NuvelHCommand::SetForeColor>("ForeColor")
            .Saved(Variant::Double(kButtonText)),
        AccessorRow<ValueType::Color, MemberKind::Own, &NuvelHCommand::LeftColor,
                    &NuvelHCommand::SetLeftColor>("LeftColor")
            .Saved(Variant::Double(0)),
        AccessorRow<ValueType::Color, MemberKind::Own, &NuvelHCommand::RightColor,
                    &NuvelHCommand::SetRightColor>("RightColor")
            .Saved(Variant::Double(0)),
        SharedRows<NuvelHCommand>::MouseIcon(),
        SharedRows<NuvelHCommand>::MousePointer(),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelHCommand::NuvelStyle,
                    &NuvelHCommand::SetNuvelStyle>("NuvelStyle")
            .Takes(kHCommandTypesEnum)
            .Saved(Variant::Long(0)),
        SharedRows<NuvelHCommand>::UseOnTop(),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelHCommand::Caption,
                    &NuvelHCommand::SetCaption>("Caption")
            .Saved(Variant::String("0")),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelHCommand::LeftCaption,
                    &NuvelHCommand::SetLeftCaption>("LeftCaption")
            .Saved(Variant::String("")),
        SharedRows<NuvelHCommand>::CoolGlowColor(),
        SharedRows<NuvelHCommand>::CoolUseGlow(),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelHCommand::RightCaption,
                    &NuvelHCommand::SetRightCaption>("RightCaption")
            .Saved(Variant::String("")),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelHCommand::FocusStyle,
                    &NuvelHCommand::SetFocusStyle>("FocusStyle")
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
