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

// Setters receive values already converted to the member's type. Each row gives its place
// in InitProperties (Init), and in ReadProperties and WriteProperties (Kept). The separate
// font keys are read straight onto the surface, after "Font".
std::vector<PropertyInfo> NuvelHCommand::Rows() {
    using C = NuvelHCommand;
    using S = SharedRows<C>;
    using F = StatePictures;
    constexpr Via kSetter = Via::Setter;
    return {
        S::ShowFocus()
            .Help("Draws a focus outline in FocusStyle while the control has the focus.")
            .Init(4)
            .Kept(14, 14),
        NK_FIELD_ROW(C, Color, FocusColor)
            .Help("The colour of the focus outline.")
            .Saved(Variant::Double(0xFF00))
            .Init(10)
            .Kept(21, 21),
        S::UseSound()
            .Help("Plays a sound when the control is pressed and another when it is released.")
            .Kept(31, 31),
        S::SoundMethod()
            .Help("0 plays the built-in sounds; any other value raises PlaySound instead.")
            .Kept(32, 32),
        // Read as "AllowMultiline"; the bag matches keys whatever their letter case.
        NK_FIELD_ROW(C, Boolean, AllowMultiLine)
            .Help("Wraps the caption at word boundaries, starting AdjustTop pixels from the top.")
            .ReadAs("AllowMultiline")
            .Saved(Variant::Boolean(kFalse))
            .Kept(35, 35),
        NK_FIELD_ROW(C, Long, AdjustTop)
            .Help("Top of a wrapped caption, in pixels.")
            .Saved(Variant::Long(0))
            .Kept(36, 36),
        // Read against True but written against False: a saved False comes back True.
        NK_OWN_ROW(C, Boolean, UseAnimation, useAnimation_)
            .Help("Lets TimerInvoke step the hover faces and the edge shine.")
            .Saved(Variant::Boolean(kTrue), Variant::Boolean(kFalse))
            .Kept(22, 23),
        S::ShortCutKey<&C::shortCutKey_>()
            .Help("The access keys that click the control.")
            .Kept(30, 26),
        S::Enabled()
            .Help("Whether the control takes input; disabled, it shows PictureDisabled or its "
                  "disabled look.")
            .Kept(1, 1),
        S::Font()
            .Help("The font of the three captions.")
            .Init(1, Initial::AmbientFont, kSetter)
            .Kept(2, 2, kSetter),
        S::FontBold().Help("Draws the captions in bold.").Kept(3, 3),
        S::FontItalic().Help("Draws the captions in italics.").Kept(4, 4),
        S::FontStrikethru().Help("Draws the captions struck through.").Kept(7, 7),
        S::FontUnderline().Help("Draws the captions underlined.").Kept(8, 8),
        NK_SURFACE_ROW(C, String, FontName)
            .Help("The name of the captions' font.")
            .Saved(Variant::String(""))
            .Kept(5, 5),
        NK_SURFACE_ROW(C, Single, FontSize)
            .Help("The size of the captions' font, in points.")
            .Saved(Variant::Single(0))
            .Kept(6, 6),
        NK_OWN_ROW(C, Long, ShineMode, shineMode_)
            .Help("The colour of the edge shine that ShineEdges starts.")
            .Takes(kHShineModesEnum)
            .Saved(Variant::Long(0))
            .Kept(24, 24),
        NK_OWN_ROW(C, Color, ForeColor, foreColor_)
            .Help("The colour of Caption.")
            .Saved(Variant::Double(kButtonText))
            .Kept(9, 9),
        NK_OWN_ROW(C, Color, LeftColor, leftColor_)
            .Help("The colour of LeftCaption.")
            .Saved(Variant::Double(0))
            .Kept(28, 29),
        NK_OWN_ROW(C, Color, RightColor, rightColor_)
            .Help("The colour of RightCaption.")
            .Saved(Variant::Double(0))
            .Kept(29, 30),
        S::MouseIcon()
            .Help("A custom mouse pointer picture shown over the control.")
            .Kept(10, 10, kSetter),
        S::MousePointer().Help("The type of mouse pointer shown over the control.").Kept(11, 11),
        NK_OWN_ROW(C, Long, NuvelStyle, nuvelStyle_)
            .Help("The built-in skin, or NKCustom for the user's own pictures.")
            .Takes(kHCommandTypesEnum)
            .Saved(Variant::Long(0))
            .Init(2)
            .Kept(12, 12),
        S::UseOnTop<&C::useOnTop_>()
            .Help("Shows the hover pictures PictureOver and PictureOver2 in the custom style.")
            .Kept(25, 25),
        NK_OWN_ROW(C, String, Caption, caption_)
            .Help("The text drawn in the centre of the control.")
            .Saved(Variant::String("0"))
            .Init(3, Initial::AmbientDisplayName)
            .Kept(13, 13),
        NK_OWN_ROW(C, String, LeftCaption, leftCaption_)
            .Help("The text drawn left-aligned on the control.")
            .Saved(Variant::String(""))
            .Kept(26, 27),
        S::CoolGlowColor<&C::coolGlowColor_>()
            .Help("The glow colour shown while the pointer is over the control.")
            .Init(11)
            .Kept(33, 33),
        S::CoolUseGlow<&C::coolUseGlow_>()
            .Help("Shows the glow in CoolGlowColor while the pointer is over the control.")
            .Init(12)
            .Kept(34, 34),
        NK_OWN_ROW(C, String, RightCaption, rightCaption_)
            .Help("The text drawn right-aligned on the control.")
            .Saved(Variant::String(""))
            .Kept(27, 28),
        NK_OWN_ROW(C, Long, FocusStyle, focusStyle_)
            .Help("How the focus is drawn: an indent or an outline in FocusColor.")
            .Takes(kHCommandFocusStylesEnum)
            .Saved(Variant::Long(0))
            .Init(5)
            .Kept(15, 15),
        // Empty pictures count as assigned; the just-left face stays unassigned.
        S::PicturePushed<&C::faces_, &F::pushed>()
            .Help("Custom face while the control is pressed.")
            .Init(7, Initial::EmptyPicture)
            .Kept(16, 19),
        S::PictureOver<&C::faces_, &F::over>()
            .Help("Custom face while the pointer is over the control.")
            .Init(8, Initial::EmptyPicture)
            .Kept(17, 17),
        S::PictureNormal<&C::faces_, &F::normal>()
            .Help("Custom face at rest.")
            .Init(9, Initial::EmptyPicture)
            .Kept(19, 16),
        S::PictureDisabled<&C::faces_, &F::disabled>()
            .Help("The face while the control is disabled, in any style.")
            .Init(6, Initial::EmptyPicture)
            .Kept(20, 20),
        S::PictureOver2<&C::faces_, &F::over2>()
            .Help("Custom face shown when the pointer has just left the control.")
            .Kept(18, 18),
        S::PictureMode<&C::pictureMode_>().Help("The control's size and shape mode.").Kept(23, 22),
    };
}

namespace {

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelHCommand>::TimerInvoke(
            "One animation tick of the hover faces and the edge shine."),
        SharedRows<NuvelHCommand>::AboutMe("Shows the about dialog."),
        MethodRow<NuvelHCommand, &NuvelHCommand::ShineEdges>(
            "ShineEdges", "Starts the edge shine, which TimerInvoke then animates."),
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
        NuvelHCommand::Rows(), Methods(), Events(),
        {
            // The hidden canvas on which the mask is stretched to the control.
            HiddenMaskCanvas(),
        },
        Nuvset1Resources());
    return table;
}

} // namespace nk
