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

namespace {

// Setters receive values already converted to the member's type.

// The public fields first, then the properties, in interface order.
std::vector<PropertyInfo> Properties() {
    return {
        NK_FIELD_ROW(NuvelCheck, Boolean, AllowMultiLine)
            .Help("Wraps the caption over several lines, starting at AdjustTop.")
            .SavedAs("AllowMultiline")
            .ReadAs("AllowMultiLine")
            .Saved(Variant::Boolean(kFalse)),
        NK_FIELD_ROW(NuvelCheck, Long, AdjustTop)
            .Help("Top of a several-line caption, in pixels.")
            .Saved(Variant::Long(0)),
        NK_FIELD_ROW(NuvelCheck, Boolean, ShowFocus)
            .Help("Draws the focus mark around the glyph while the control has the focus.")
            .Saved(Variant::Boolean(kFalse)),
        NK_FIELD_ROW(NuvelCheck, Boolean, UseSound)
            .Help("Press and release sounds.")
            .Saved(Variant::Boolean(kFalse)),
        NK_FIELD_ROW(NuvelCheck, Long, SoundMethod)
            .Help("0 plays the built-in sounds; any other value raises PlaySound instead.")
            .Takes(kSoundMethodEnum)
            .Saved(Variant::Long(NKInternalSound)),
        NK_FIELD_ROW(NuvelCheck, Color, FocusColor)
            .Help("Colour of the focus mark.")
            .Saved(Variant::Double(0x00FF00)),
        SharedRows<NuvelCheck>::Font("The caption's font."),
        NK_OWN_ROW(NuvelCheck, String, Caption)
            .Help("The text right of the glyph; & underlines the next character, && draws one.")
            .Saved(Variant::String("")),
        NK_OWN_ROW(NuvelCheck, Long, Value)
            .Help("The default member: 0 unchecked, any other value checked.")
            .Takes(kBiStateEnum)
            .Saved(Variant::Long(NKUnChecked)),
        NK_SURFACE_ROW(NuvelCheck, Color, BackColor)
            .Help("The colour the control is cleared to.")
            .Saved(Variant::Double(0x000000)),
        NK_SURFACE_ROW(NuvelCheck, Color, ForeColor)
            .Help("The caption's colour, shown from the next repaint on.")
            .Saved(Variant::Double(0xFFFFFF)),
        SharedRows<NuvelCheck>::Enabled(
            "Whether the control takes input; disabled, it shows the disabled glyph."),
        NK_OWN_ROW(NuvelCheck, Picture, PictureUncheck)
            .Help("Custom look: the unchecked glyph, also shown pressed without PicturePushed.")
            .Saved(Variant::OfPicture(nullptr)),
        NK_OWN_ROW(NuvelCheck, Picture, PictureCheck)
            .Help("Custom look: the checked glyph.")
            .Saved(Variant::OfPicture(nullptr)),
        SharedRows<NuvelCheck>::PicturePushed("Custom look: the glyph while pressed."),
        NK_OWN_ROW(NuvelCheck, Picture, PictureDisabled)
            .Help("The glyph while disabled, in either look; without it the built-in one.")
            .Saved(Variant::OfPicture(nullptr), Variant::Integer(0)),
        NK_OWN_ROW(NuvelCheck, Long, NuvelCheckType)
            .Help("0 NKClassic (built-in glyphs), 1 NKCustom (the Picture properties).")
            .Takes(kCheckTypeEnum)
            .Saved(Variant::Long(NKClassic)),
        NK_OWN_ROW(NuvelCheck, Long, FocusType)
            .Help("0 NKChkNormalCircle, 1 NKChkNormalSquare.")
            .Takes(kCheckFocusTypeEnum)
            .Saved(Variant::Long(NKChkNormalCircle)),
        SharedRows<NuvelCheck>::CoolButton(
            "Hover look: a raised edge while the pointer is over the control."),
        SharedRows<NuvelCheck>::CoolUseGlow("Tints the hovered control with CoolGlowColor."),
        SharedRows<NuvelCheck>::CoolGlowColor("The hover tint, ORed into every pixel."),
    };
}

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelCheck>::AboutMe("Shows the about dialog."),
        SharedRows<NuvelCheck>::TimerInvoke(
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
        Properties(), Methods(), Events(),
        {
            // The glow overlay: hidden, white fill (which changes nothing when shown).
            {.name = "Shape1", .kind = ChildKind::Shape, .fillColor = 0xFFFFFF},
        },
        Nuvset1Resources());
    return table;
}

} // namespace nk
