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

// Setters receive values already converted to the member's type. Each row gives its place
// in InitProperties (Init), and in ReadProperties and WriteProperties (Kept); members that
// InitProperties leaves alone keep their creation values.
std::vector<PropertyInfo> NuvelCommand::Rows() {
    using C = NuvelCommand;
    using S = SharedRows<C>;
    constexpr Via kSetter = Via::Setter;
    return {
        // Public fields.
        NK_FIELD_ROW(C, Boolean, HasShadow)
            .Help("Draws a copy of the caption in ShadowColor below and right of it.")
            .Saved(Variant::Boolean(kFalse))
            .Init(14)
            .Kept(16, 16),
        NK_FIELD_ROW(C, Color, ShadowColor)
            .Help("The colour of the caption's shadow.")
            .Saved(Variant::Double(0))
            .Kept(17, 17),
        NK_FIELD_ROW(C, Boolean, AllowMultiLine)
            .Help("Wraps the caption at word boundaries, starting AdjustTop pixels from the top.")
            .Saved(Variant::Boolean(kFalse))
            .Kept(22, 25),
        NK_FIELD_ROW(C, Long, AdjustTop)
            .Help("Top of a wrapped caption, in pixels.")
            .Saved(Variant::Long(0))
            .Kept(23, 26),
        S::SoundMethod()
            .Help("0 plays the built-in sounds; any other value raises PlaySound instead.")
            .Kept(37, 37),
        S::UseSound()
            .Help("Plays a sound when the control is pressed and another when it is released.")
            .Kept(36, 36),
        S::ShowFocus()
            .Help("Draws a focus frame while the control has the focus.")
            .Init(5)
            .Kept(12, 15),
        // Properties.
        NK_OWN_ROW(C, Long, hWnd, hWnd_)
            .Help("A stored, saved number; it is not the control's window handle.")
            .Saved(Variant::Long(0))
            .Init(1)
            .Kept(1, 1),
        NK_OWN_ROW(C, Long, BackPicture, backPicture_)
            .Help("The background: one of eight built-in skins, a generated gradient picture or "
                  "the user's own picture.")
            .Takes(kBackPicsEnum)
            .Saved(Variant::Long(NKSpiralRainbow))
            .Init(2)
            .Kept(2, 2),
        NK_OWN_ROW(C, String, Caption, caption_)
            .Help("The text drawn centred on the control.")
            .Saved(Variant::String(""))
            .Init(3, Initial::AmbientDisplayName)
            .Kept(3, 3),
        S::ShortCutKey<&C::shortCutKey_>()
            .Help("The access keys that click the control.")
            .Kept(30, 30),
        NK_OWN_ROW(C, Single, SideIconHeight, sideIconHeight_)
            .Help("The height used to centre SideIcon vertically.")
            .Saved(Variant::Single(32))
            .Init(15)
            .Kept(24, 27, kSetter),
        NK_OWN_ROW(C, Single, RSideIconHeight, rSideIconHeight_)
            .Help("The height used to place RSideIcon.")
            .Saved(Variant::Single(32))
            .Init(16)
            .Kept(26, 29, kSetter),
        NK_OWN_ROW(C, Single, RSideIconWidth, rSideIconWidth_)
            .Help("The width used to place RSideIcon.")
            .Saved(Variant::Single(32))
            .Init(17)
            .Kept(25, 28, kSetter),
        NK_OWN_ROW(C, Single, GradientRedDividend, gradientRedDividend_)
            .Help("The red share of the generated gradient pictures' colour ramp.")
            .Saved(Variant::Single(2))
            .Init(8, kSetter)
            .Kept(31, 31),
        NK_OWN_ROW(C, Boolean, GradientInverted, gradientInverted_)
            .Help("Inverts the colour ramp of the generated gradient pictures.")
            .Saved(Variant::Boolean(kFalse))
            .Init(12, kSetter)
            .Kept(35, 35),
        NK_OWN_ROW(C, Single, GradientBrightness, gradientBrightness_)
            .Help("The brightness of the generated gradient pictures' colour ramp.")
            .Saved(Variant::Single(100))
            .Init(11, kSetter)
            .Kept(34, 34),
        NK_OWN_ROW(C, Single, GradientGreenDividend, gradientGreenDividend_)
            .Help("The green share of the generated gradient pictures' colour ramp.")
            .Saved(Variant::Single(2))
            .Init(9, kSetter)
            .Kept(32, 32),
        NK_OWN_ROW(C, Single, GradientBlueDividend, gradientBlueDividend_)
            .Help("The blue share of the generated gradient pictures' colour ramp.")
            .Saved(Variant::Single(1))
            .Init(10, kSetter)
            .Kept(33, 33),
        // The surface's colour and font are read straight onto it; "Font" has the last word.
        NK_SURFACE_ROW(C, Color, ForeColor)
            .Help("The colour of the caption.")
            .Saved(Variant::Double(0xFFFFFF))
            .Kept(4, 4),
        NK_SURFACE_ROW(C, String, FontName)
            .Help("The name of the caption's font.")
            .Saved(Variant::String("Arial"), Variant::String(""))
            .Kept(5, 5),
        NK_SURFACE_ROW(C, Single, FontSize)
            .Help("The size of the caption's font, in points.")
            .Saved(Variant::Single(20), Variant::Single(0))
            .Kept(6, 6),
        S::FontBold().Help("Draws the caption in bold.").Kept(7, 7),
        S::FontItalic().Help("Draws the caption in italics.").Kept(8, 8),
        S::FontStrikethru().Help("Draws the caption struck through.").Kept(9, 9),
        S::FontUnderline().Help("Draws the caption underlined.").Kept(10, 10),
        S::Font()
            .Help("The caption's font.")
            .Init(4, Initial::AmbientFont, kSetter)
            .Kept(11, 11, kSetter),
        NK_OWN_ROW(C, Picture, SideIcon, sideIcon_)
            .Help("A picture drawn at its own size at the left, vertically centred.")
            .Saved(Variant::OfPicture(nullptr))
            .Kept(13, 12),
        NK_OWN_ROW(C, Picture, RSideIcon, rSideIcon_)
            .Help("A picture drawn at its own size at the right.")
            .Saved(Variant::OfPicture(nullptr))
            .Kept(14, 13),
        S::Enabled()
            .Help("Whether the control takes input; disabled, it draws its disabled look.")
            .Kept(15, 14),
        S::CoolButton<&C::coolButton_>()
            .Help("Hover look: a raised border while the pointer is over the control.")
            .Init(18, Variant::Boolean(kTrue))
            .Kept(27, 22),
        S::CoolGlowColor<&C::coolGlowColor_>()
            .Help("The glow colour of the hover look.")
            .Init(19)
            .Kept(28, 23),
        S::CoolUseGlow<&C::coolUseGlow_>()
            .Help("Shows the glow in CoolGlowColor while the pointer is over the control.")
            .Init(20)
            .Kept(29, 24),
        S::PictureMode<&C::pictureMode_>()
            .Help("How the background picture is placed on the control.")
            .Kept(18, 18),
        // Empty pictures count as present, so a new disabled control shows no disabled
        // background until a real PictureDisabled is assigned.
        S::PictureNormal<&C::pictureNormal_>()
            .Help("The user's own background picture.")
            .Init(7, Initial::EmptyPicture)
            .Kept(20, 19),
        S::PictureDisabled<&C::pictureDisabled_>()
            .Help("The user's background picture while the control is disabled.")
            .Init(6, Initial::EmptyPicture)
            .Kept(21, 20),
        NK_OWN_ROW(C, Boolean, PictureGoDown, pictureGoDown_)
            .Help("Moves the background down and right by 2 pixels while the control is pressed.")
            .Saved(Variant::Boolean(kFalse))
            .Init(13, kSetter)
            .Kept(19, 21),
    };
}

namespace {

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelCommand>::AboutMe("Shows the about dialog."),
        SharedRows<NuvelCommand>::InertTimerInvoke(
            "The kit's timer entry point; the button does nothing on it."),
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
        NuvelCommand::Rows(), Methods(), Events(),
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
