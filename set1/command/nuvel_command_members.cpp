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
        NK_FIELD_ROW(NuvelCommand, Boolean, HasShadow).Saved(Variant::Boolean(kFalse)),
        NK_FIELD_ROW(NuvelCommand, Color, ShadowColor).Saved(Variant::Double(0)),
        NK_FIELD_ROW(NuvelCommand, Boolean, AllowMultiLine).Saved(Variant::Boolean(kFalse)),
        NK_FIELD_ROW(NuvelCommand, Long, AdjustTop).Saved(Variant::Long(0)),
        SharedRows<NuvelCommand>::SoundMethod(),
        SharedRows<NuvelCommand>::UseSound(),
        SharedRows<NuvelCommand>::ShowFocus(),
        // Properties.
        NK_OWN_ROW(NuvelCommand, Long, hWnd).Saved(Variant::Long(0)),
        NK_OWN_ROW(NuvelCommand, Long, BackPicture)
            .Takes(kBackPicsEnum)
            .Saved(Variant::Long(NKSpiralRainbow)),
        NK_OWN_ROW(NuvelCommand, String, Caption).Saved(Variant::String("")),
        SharedRows<NuvelCommand>::ShortCutKey(),
        NK_OWN_ROW(NuvelCommand, Single, SideIconHeight).Saved(Variant::Single(32)),
        NK_OWN_ROW(NuvelCommand, Single, RSideIconHeight).Saved(Variant::Single(32)),
        NK_OWN_ROW(NuvelCommand, Single, RSideIconWidth).Saved(Variant::Single(32)),
        NK_OWN_ROW(NuvelCommand, Single, GradientRedDividend).Saved(Variant::Single(2)),
        NK_OWN_ROW(NuvelCommand, Boolean, GradientInverted).Saved(Variant::Boolean(kFalse)),
        NK_OWN_ROW(NuvelCommand, Single, GradientBrightness).Saved(Variant::Single(100)),
        NK_OWN_ROW(NuvelCommand, Single, GradientGreenDividend).Saved(Variant::Single(2)),
        NK_OWN_ROW(NuvelCommand, Single, GradientBlueDividend).Saved(Variant::Single(1)),
        NK_SURFACE_ROW(NuvelCommand, Color, ForeColor).Saved(Variant::Double(0xFFFFFF)),
        NK_SURFACE_ROW(NuvelCommand, String, FontName)
            .Saved(Variant::String("Arial"), Variant::String("")),
        NK_SURFACE_ROW(NuvelCommand, Single, FontSize)
            .Saved(Variant::Single(20), Variant::Single(0)),
        SharedRows<NuvelCommand>::FontBold(),
        SharedRows<NuvelCommand>::FontItalic(),
        SharedRows<NuvelCommand>::FontStrikethru(),
        SharedRows<NuvelCommand>::FontUnderline(),
        SharedRows<NuvelCommand>::Font(),
        NK_OWN_ROW(NuvelCommand, Picture, SideIcon).Saved(Variant::OfPicture(nullptr)),
        NK_OWN_ROW(NuvelCommand, Picture, RSideIcon).Saved(Variant::OfPicture(nullptr)),
        SharedRows<NuvelCommand>::Enabled(),
        SharedRows<NuvelCommand>::CoolButton(),
        SharedRows<NuvelCommand>::CoolGlowColor(),
        SharedRows<NuvelCommand>::CoolUseGlow(),
        SharedRows<NuvelCommand>::PictureMode(),
        SharedRows<NuvelCommand>::PictureNormal(),
        SharedRows<NuvelCommand>::PictureDisabled(),
        NK_OWN_ROW(NuvelCommand, Boolean, PictureGoDown).Saved(Variant::Boolean(kFalse)),
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
