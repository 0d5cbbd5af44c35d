// The interface of NuvelCheck as its containers see it: the members of _NuvelCheck in
// interface order, the events of __NuvelCheck by number, the glow overlay child and the
// design-time settings.
#include "framework/class_table.h"
#include "framework/member_rows.h"
#include "framework/member_values.h"
#include "framework/shared_rows.h"
#include "framework/sound.h"
#include "resources/resource_tables.h"
#include "set1/check/nuvel_check.h"

namespace nk {

// Setters receive values already converted to the member's type. The public fields first,
// then the properties, in interface order; each row gives its place in InitProperties (Init),
// and in ReadProperties and WriteProperties (Kept). Every loaded value goes straight into
// storage or onto the surface.
std::vector<PropertyInfo> NuvelCheck::Rows() {
    using C = NuvelCheck;
    using S = SharedRows<C>;
    return {
        NK_FIELD_ROW(C, Boolean, AllowMultiLine)
            .Help("Wraps the caption over several lines, starting at AdjustTop.")
            .SavedAs("AllowMultiline")
            .ReadAs("AllowMultiLine")
            .Saved(Variant::Boolean(kFalse))
            .Kept(20, 20),
        NK_FIELD_ROW(C, Long, AdjustTop)
            .Help("Top of a several-line caption, in pixels.")
            .Saved(Variant::Long(0))
            .Kept(21, 21),
        NK_FIELD_ROW(C, Boolean, ShowFocus)
            .Help("Draws the focus mark around the glyph while the control has the focus.")
            .Saved(Variant::Boolean(kFalse))
            .Init(4)
            .Kept(6, 7),
        NK_FIELD_ROW(C, Boolean, UseSound)
            .Help("Plays a sound when the control is pressed and another when it is released.")
            .Saved(Variant::Boolean(kFalse))
            .Kept(15, 15),
        NK_FIELD_ROW(C, Long, SoundMethod)
            .Help("0 plays the built-in sounds; any other value raises PlaySound instead.")
            .Takes(kSoundMethodEnum)
            .Saved(Variant::Long(NKInternalSound))
            .Kept(16, 16),
        NK_FIELD_ROW(C, Color, FocusColor)
            .Help("Colour of the focus mark.")
            .Saved(Variant::Double(0x00FF00))
            .Init(8)
            .Kept(11, 11),
        S::Font("The caption's font.").Init(1, Initial::AmbientFont).Kept(1, 1),
        NK_OWN_ROW(C, String, Caption, caption_)
            .Help("The text right of the glyph; & underlines the next character, && draws one.")
            .Saved(Variant::String(""))
            .Init(2, Initial::AmbientDisplayName)
            .Kept(2, 2),
        NK_OWN_ROW(C, Long, Value, value_)
            .Help("The default member: 0 unchecked, any other value checked.")
            .Takes(kBiStateEnum)
            .Saved(Variant::Long(NKUnChecked))
            .Init(3)
            .Kept(3, 3),
        NK_SURFACE_ROW(C, Color, BackColor)
            .Help("The colour the control is cleared to.")
            .Saved(Variant::Double(0x000000))
            .Kept(4, 4),
        NK_SURFACE_ROW(C, Color, ForeColor)
            .Help("The caption's colour, shown from the next repaint on.")
            .Saved(Variant::Double(0xFFFFFF))
            .Kept(5, 5),
        S::Enabled("Whether the control takes input; disabled, it shows the disabled glyph.")
            .Kept(7, 6),
        NK_OWN_ROW(C, Picture, PictureUncheck, pictureUncheck_)
            .Help("Custom look: the unchecked glyph, also shown pressed without PicturePushed.")
            .Saved(Variant::OfPicture(nullptr))
            .Init(7, Initial::EmptyPicture)
            .Kept(9, 9),
        NK_OWN_ROW(C, Picture, PictureCheck, pictureCheck_)
            .Help("Custom look: the checked glyph.")
            .Saved(Variant::OfPicture(nullptr))
            .Init(6, Initial::EmptyPicture)
            .Kept(8, 8),
        S::PicturePushed<&C::picturePushed_>("Custom look: the glyph while pressed.")
            .Init(5, Initial::EmptyPicture)
            .Kept(10, 10),
        // The write default is the integer 0, which stands for "no picture": any picture
        // object, an empty one included, is stored so that it comes back at the next load.
        NK_OWN_ROW(C, Picture, PictureDisabled, pictureDisabled_)
            .Help("The glyph while disabled, in either look; without it the built-in one.")
            .Saved(Variant::OfPicture(nullptr), Variant::Integer(0))
            .Kept(13, 13),
        NK_OWN_ROW(C, Long, NuvelCheckType, nuvelCheckType_)
            .Help("0 NKClassic (built-in glyphs), 1 NKCustom (the Picture properties).")
            .Takes(kCheckTypeEnum)
            .Saved(Variant::Long(NKClassic))
            .Init(9)
            .Kept(12, 12),
        NK_OWN_ROW(C, Long, FocusType, focusType_)
            .Help("The shape of the focus mark: 0 a circle, 1 a square.")
            .Takes(kCheckFocusTypeEnum)
            .Saved(Variant::Long(NKChkNormalCircle))
            .Kept(14, 14),
        // On at placement, though a bag without the key loads it off (its stored default).
        S::CoolButton<&C::coolButton_>(
            "Hover look: a raised edge while the pointer is over the control.")
            .Init(12, Variant::Boolean(kTrue))
            .Kept(17, 17),
        S::CoolUseGlow<&C::coolUseGlow_>("Tints the hovered control with CoolGlowColor.")
            .Init(11)
            .Kept(19, 19),
        S::CoolGlowColor<&C::coolGlowColor_>("The hover tint, ORed into every pixel.")
            .Init(10)
            .Kept(18, 18),
    };
}

namespace {

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelCheck>::AboutMe("Shows the about dialog."),
        SharedRows<NuvelCheck>::InertTimerInvoke(
            "The kit's timer entry point; the check box has nothing to animate."),
    };
}

std::vector<EventInfo> Events() {
    return PushButtonEvents<NuvelCheck::Event>(MouseArgs("x", "y"));
}

} // namespace

const InterfaceTable& NuvelCheckInterface() {
    static const InterfaceTable table = MakeInterfaceTable<NuvelCheck>(
        {.className = "NuvelCheck",
         .library = "nuvset1",
         .typeLibrary = "Nuvelkit3",
         // Room for the glyph, centred at 15, and a one-line caption.
         .designWidth = 120,
         .designHeight = 30,
         // The control's own initial colours: white text on black.
         .designBackColor = 0x000000,
         .designForeColor = 0xFFFFFF},
        NuvelCheck::Rows(), Methods(), Events(),
        {
            // The glow overlay: hidden, white fill (which changes nothing when shown).
            {.name = "Shape1", .kind = ChildKind::Shape, .fillColor = 0xFFFFFF},
        },
        Nuvset1Resources());
    return table;
}

} // namespace nk
