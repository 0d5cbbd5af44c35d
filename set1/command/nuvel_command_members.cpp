// The interface of NuvelCommand as its containers see it: the members of _NuvelCommand
// in interface order, the events of __NuvelCommand by number, the children and the
// design-time settings.
#include "framework/class_table.h"
#include "framework/member_rows.h"
#include "framework/member_values.h"
#include "framework/pic_styles.h"
#include "framework/shared_rows.h"
#include "framework/sound.h"
#include "resources/resource_tables.h"
#include "set1/command/nuvel_command.h"

namespace nk {

namespace {

// Setters receive values already converted to the member's type.

std::vector<PropertyInfo> Properties() {
    return {
        // Public fields.
        FieldRow<ValueType::Boolean, &NuvelCommand::HasShadow>("HasShadow")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Color, &NuvelCommand::ShadowColor>("ShadowColor")
            .Saved(Variant::Double(0)),
        FieldRow<ValueType::Boolean, &NuvelCommand::AllowMultiLine>("AllowMultiLine")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Long, &NuvelCommand::AdjustTop>("AdjustTop").Saved(Variant::Long(0)),
        SharedRows<NuvelCommand>::SoundMethod(),
        SharedRows<NuvelCommand>::UseSound(),
        SharedRows<NuvelCommand>::ShowFocus(),
        // Properties.
        NK_OWN_ROW(NuvelCommand, Long, hWnd).Saved(Variant::Long(0)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelCommand::BackPicture,
                    &NuvelCommand::SetBackPicture>("BackPicture")
            .Takes(kBackPicsEnum)
            .Saved(Variant::Long(NKSpiralRainbow)),
        NK_OWN_ROW(NuvelCommand, String, Caption).Saved(Variant::String("")),
        SharedRows<NuvelCommand>::ShortCutKey(),
        AccessorRow<ValueType::Single, MemberKind::Own, &NuvelCommand::SideIconHeight,
                    &NuvelCommand::SetSideIconHeight>("SideIconHeight")
            .Saved(Variant::Single(32)),
        AccessorRow<ValueType::Single, MemberKind::Own, &NuvelCommand::RSideIconHeight,
                    &NuvelCommand::SetRSideIconHeight>("RSideIconHeight")
            .Saved(Variant::Single(32)),
        AccessorRow<ValueType::Single, MemberKind::Own, &NuvelCommand::RSideIconWidth,
                    &NuvelCommand::SetRSideIconWidth>("RSideIconWidth")
            .Saved(Variant::Single(32)),
        AccessorRow<ValueType::Single, MemberKind::Own, &NuvelCommand::GradientRedDividend,
                    &NuvelCommand::SetGradientRedDividend>("GradientRedDividend")
            .Saved(Variant::Single(2)),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelCommand::GradientInverted,
                    &NuvelCommand::SetGradientInverted>("GradientInverted")
            .Saved(Variant::Boolean(kFalse)),
        AccessorRow<ValueType::Single, MemberKind::Own, &NuvelCommand::GradientBrightness,
                    &NuvelCommand::SetGradientBrightness>("GradientBrightness")
            .Saved(Variant::Single(100)),
        AccessorRow<ValueType::Single, MemberKind::Own, &NuvelCommand::GradientGreenDividend,
                    &NuvelCommand::SetGradientGreenDividend>("GradientGreenDividend")
            .Saved(Variant::Single(2)),
        AccessorRow<ValueType::Single, MemberKind::Own, &NuvelCommand::GradientBlueDividend,
                    &NuvelCommand::SetGradientBlueDividend>("GradientBlueDividend")
            .Saved(Variant::Single(1)),
        AccessorRow<ValueType::Color, MemberKind::Surface, &NuvelCommand::ForeColor,
                    &NuvelCommand::SetForeColor>("ForeColor")
            .Saved(Variant::Double(0xFFFFFF)),
        NK_SURFACE_ROW(NuvelCommand, String, FontName)
            .Saved(Variant::String("Arial"), Variant::String("")),
        NK_SURFACE_ROW(NuvelCommand, Single, FontSize)
            .Saved(Variant::Single(20), Variant::Single(0)),
        SharedRows<NuvelCommand>::FontBold(),
        SharedRows<NuvelCommand>::FontItalic(),
        SharedRows<NuvelCommand>::FontStrikethru(),
        SharedRows<NuvelCommand>::FontUnderline(),
        SharedRows<NuvelCommand>::Font(),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelCommand::SideIcon,
                    &NuvelCommand::SetSideIcon>("SideIcon")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelCommand::RSideIcon,
                    &NuvelCommand::SetRSideIcon>("RSideIcon")
            .Saved(Variant::OfPicture(nullptr)),
        SharedRows<NuvelCommand>::Enabled(),
        SharedRows<NuvelCommand>::CoolButton(),
        SharedRows<NuvelCommand>::CoolGlowColor(),
        SharedRows<NuvelCommand>::CoolUseGlow(),
        SharedRows<NuvelCommand>::PictureMode(),
        SharedRows<NuvelCommand>::PictureNormal(),
        SharedRows<NuvelCommand>::PictureDisabled(),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelCommand::PictureGoDown,
                    &NuvelCommand::SetPictureGoDown>("PictureGoDown")
            .Saved(Variant::Boolean(kFalse)),
    };
}

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelCommand>::AboutMe(),
        SharedRows<NuvelCommand>::TimerInvoke(),
    };
}

std::vector<EventInfo> Events() {
    return PushButtonEvents<NuvelCommand::Event>(MouseArgs());
}

} // namespace

const InterfaceTable& NuvelCommandInterface() {
    static const InterfaceTable table = MakeInterfaceTable<NuvelCommand>(
        {.className = "NuvelCommand",
         .library = "nuvset1",
         .typeLibrary = "Nuvelkit3",
         // The size of the built-in backgrounds, which then cover the control exactly.
         .designWidth = 250,
         .designHeight = 100,
         .designBackColor = 0,
         .designForeColor = 0},
        Properties(), Methods(), Events(),
        {
            // The glow overlay: hidden, white fill (which changes nothing when shown).
            {.name = "Shape2", .kind = ChildKind::Shape, .fillColor = 0xFFFFFF},
            // The off-screen canvas of the gradient pictures: hidden, black background.
            {.name = "Picture1", .kind = ChildKind::PictureBox, .visible = false, .backColor = 0},
        },
        Nuvset1Resources());
    return table;
}

} // namespace nk
