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

std::vector<PropertyInfo> Fields() {
    return {
        FieldRow<ValueType::Boolean, &NuvelCheck::AllowMultiLine>(
            "AllowMultiLine", "Wraps the caption over several lines, starting at AdjustTop.")
            .SavedAs("AllowMultiline")
            .ReadAs("AllowMultiLine")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Long, &NuvelCheck::AdjustTop>(
            "AdjustTop", "Top of a several-line caption, in pixels.")
            .Saved(Variant::Long(0)),
        FieldRow<ValueType::Boolean, &NuvelCheck::ShowFocus>(
            "ShowFocus", "Draws the focus mark around the glyph while the control has the focus.")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Boolean, &NuvelCheck::UseSound>("UseSound", "Press and release sounds.")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Long, &NuvelCheck::SoundMethod>(
            "SoundMethod", "0 plays the built-in sounds; any other value raises PlaySound instead.")
            .Takes(kSoundMethodEnum)
            .Saved(Variant::Long(NKInternalSound)),
        FieldRow<ValueType::Color, &NuvelCheck::FocusColor>("FocusColor",
                                                            "Colour of the focus mark.")
            .Saved(Variant::Double(0x00FF00)),
    };
}

std::vector<PropertyInfo> Properties() {
    return {
        SharedRows<NuvelCheck>::Font("The caption's font."),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelCheck::Caption,
                    &NuvelCheck::SetCaption>(
            "Caption",
            "The text right of the glyph; & underlines the next character, && draws one.")
            .Saved(Variant::String("")),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelCheck::Value, &NuvelCheck::SetValue>(
            "Value", "The default member: 0 unchecked, any other value checked.")
            .Takes(kBiStateEnum)
            .Saved(Variant::Long(NKUnChecked)),
        AccessorRow<ValueType::Color, MemberKind::Surface, &NuvelCheck::BackColor,
                    &NuvelCheck::SetBackColor>("BackColor", "The colour the control is cleared to.")
            .Saved(Variant::Double(0x000000)),
        AccessorRow<ValueType::Color, MemberKind::Surface, &NuvelCheck::ForeColor,
                    &NuvelCheck::SetForeColor>(
            "ForeColor", "The caption's colour, shown from the next repaint on.")
            .Saved(Variant::Double(0xFFFFFF)),
        SharedRows<NuvelCheck>::Enabled(
            "Whether the control takes input; disabled, it shows the disabled glyph."),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelCheck::PictureUncheck,
                    &NuvelCheck::SetPictureUncheck>(
            "PictureUncheck",
            "Custom look: the unchecked glyph, also shown pressed without PicturePushed.")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelCheck::PictureCheck,
                    &NuvelCheck::SetPictureCheck>("PictureCheck", "Custom look: the checked glyph.")
            .Saved(Variant::OfPicture(nullptr)),
        SharedRows<NuvelCheck>::PicturePushed("Custom look: the glyph while pressed."),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelCheck::PictureDisabled,
                    &NuvelCheck::SetPictureDisabled>(
            "PictureDisabled",
            "The glyph while disabled, in either look; without it the built-in one.")
            .Saved(Variant::OfPicture(nullptr), Variant::Integer(0)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelCheck::NuvelCheckType,
                    &NuvelCheck::SetNuvelCheckType>(
            "NuvelCheckType", "0 NKClassic (built-in glyphs), 1 NKCustom (the Picture properties).")
            .Takes(kCheckTypeEnum)
            .Saved(Variant::Long(NKClassic)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelCheck::FocusType,
                    &NuvelCheck::SetFocusType>("FocusType",
                                               "0 NKChkNormalCircle, 1 NKChkNormalSquare.")
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

// The fields first, then the properties, in interface order.
std::vector<PropertyInfo> Rows() {
    std::vector<PropertyInfo> rows = Fields();
    for (PropertyInfo& p : Properties())
        rows.push_back(std::move(p));
    return rows;
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
        Rows(), Methods(), Events(),
        {
            // The glow overlay: hidden, white fill (which changes nothing when shown).
            {.name = "Shape1", .kind = ChildKind::Shape, .fillColor = 0xFFFFFF},
        },
        Nuvset1Resources());
    return table;
}

} // namespace nk
