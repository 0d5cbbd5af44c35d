// The interface of NuvelCheck as its containers see it: the members of _NuvelCheck in
// interface order, the events of __NuvelCheck by number, the glow overlay child and the
// design-time settings.
#include "framework/member_values.h"
#include "framework/sound.h"
#include "resources/resource_tables.h"
#include "set1/check/nuvel_check.h"

#include <memory>

namespace nk {

namespace {

NuvelCheck& Self(Control& c) {
    return static_cast<NuvelCheck&>(c);
}

// Setters receive values already converted to the member's type.

using VT = ValueType;
using MK = MemberKind;

std::vector<PropertyInfo> Fields() {
    return {
        PropertyInfo{"AllowMultiLine", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).AllowMultiLine); },
                     [](Control& c, const Variant& v) { Self(c).AllowMultiLine = AsBoolean(v); },
                     "Wraps the caption over several lines, starting at AdjustTop."}
            .SavedAs("AllowMultiline")
            .ReadAs("AllowMultiLine")
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"AdjustTop", VT::Long, MK::Field,
                     [](Control& c) { return Variant::Long(Self(c).AdjustTop); },
                     [](Control& c, const Variant& v) { Self(c).AdjustTop = AsLong(v); },
                     "Top of a several-line caption, in pixels."}
            .Saved(Variant::Long(0)),
        PropertyInfo{"ShowFocus", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).ShowFocus); },
                     [](Control& c, const Variant& v) { Self(c).ShowFocus = AsBoolean(v); },
                     "Draws the focus mark around the glyph while the control has the focus."}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"UseSound", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).UseSound); },
                     [](Control& c, const Variant& v) { Self(c).UseSound = AsBoolean(v); },
                     "Press and release sounds."}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"SoundMethod", VT::Long, MK::Field,
                     [](Control& c) { return Variant::Long(Self(c).SoundMethod); },
                     [](Control& c, const Variant& v) { Self(c).SoundMethod = AsLong(v); },
                     "0 plays the built-in sounds; any other value raises PlaySound instead."}
            .Takes(kSoundMethodEnum)
            .Saved(Variant::Long(NKInternalSound)),
        PropertyInfo{"FocusColor", VT::Color, MK::Field,
                     [](Control& c) { return OfColor(Self(c).FocusColor); },
                     [](Control& c, const Variant& v) { Self(c).FocusColor = AsColor(v); },
                     "Colour of the focus mark."}
            .Saved(Variant::Double(0x00FF00)),
    };
}

std::vector<PropertyInfo> Properties() {
    return {
        PropertyInfo{"Font", VT::Font, MK::Surface,
                     [](Control& c) { return Variant::OfFont(Self(c).GetFont()); },
                     [](Control& c, const Variant& v) { Self(c).SetFont(v.font()); },
                     "The caption's font."}
            .Saved(std::nullopt),
        PropertyInfo{"Caption", VT::String, MK::Own,
                     [](Control& c) { return Variant::String(Self(c).Caption()); },
                     [](Control& c, const Variant& v) { Self(c).SetCaption(v.text()); },
                     "The text right of the glyph; & underlines the next character, && draws one."}
            .Saved(Variant::String("")),
        PropertyInfo{"Value", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).Value()); },
                     [](Control& c, const Variant& v) { Self(c).SetValue(AsLong(v)); },
                     "The default member: 0 unchecked, any other value checked."}
            .Takes(kBiStateEnum)
            .Saved(Variant::Long(NKUnChecked)),
        PropertyInfo{"BackColor", VT::Color, MK::Surface,
                     [](Control& c) { return OfColor(Self(c).BackColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetBackColor(AsColor(v)); },
                     "The colour the control is cleared to."}
            .Saved(Variant::Double(0x000000)),
        PropertyInfo{"ForeColor", VT::Color, MK::Surface,
                     [](Control& c) { return OfColor(Self(c).ForeColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetForeColor(AsColor(v)); },
                     "The caption's colour, shown from the next repaint on."}
            .Saved(Variant::Double(0xFFFFFF)),
        PropertyInfo{"Enabled", VT::Boolean, MK::Surface,
                     [](Control& c) { return Variant::Boolean(Self(c).Enabled()); },
                     [](Control& c, const Variant& v) { Self(c).SetEnabled(AsBoolean(v)); },
                     "Whether the control takes input; disabled, it shows the disabled glyph."}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"PictureUncheck", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureUncheck()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureUncheck(v.picture()); },
                     "Custom look: the unchecked glyph, also shown pressed without PicturePushed."}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureCheck", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureCheck()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureCheck(v.picture()); },
                     "Custom look: the checked glyph."}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PicturePushed", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PicturePushed()); },
                     [](Control& c, const Variant& v) { Self(c).SetPicturePushed(v.picture()); },
                     "Custom look: the glyph while pressed."}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureDisabled", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureDisabled()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureDisabled(v.picture()); },
                     "The glyph while disabled, in either look; without it the built-in one."}
            .Saved(Variant::OfPicture(nullptr), Variant::Integer(0)),
        PropertyInfo{"NuvelCheckType", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).NuvelCheckType()); },
                     [](Control& c, const Variant& v) { Self(c).SetNuvelCheckType(AsLong(v)); },
                     "0 NKClassic (built-in glyphs), 1 NKCustom (the Picture properties)."}
            .Takes(kCheckTypeEnum)
            .Saved(Variant::Long(NKClassic)),
        PropertyInfo{"FocusType", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).FocusType()); },
                     [](Control& c, const Variant& v) { Self(c).SetFocusType(AsLong(v)); },
                     "0 NKChkNormalCircle, 1 NKChkNormalSquare."}
            .Takes(kCheckFocusTypeEnum)
            .Saved(Variant::Long(NKChkNormalCircle)),
        PropertyInfo{"CoolButton", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).CoolButton()); },
                     [](Control& c, const Variant& v) { Self(c).SetCoolButton(AsBoolean(v)); },
                     "Hover look: a raised edge while the pointer is over the control."}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"CoolUseGlow", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).CoolUseGlow()); },
                     [](Control& c, const Variant& v) { Self(c).SetCoolUseGlow(AsBoolean(v)); },
                     "Tints the hovered control with CoolGlowColor."}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"CoolGlowColor", VT::Color, MK::Own,
                     [](Control& c) { return OfColor(Self(c).CoolGlowColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetCoolGlowColor(AsColor(v)); },
                     "The hover tint, ORed into every pixel."}
            .Saved(Variant::Double(0xC00000)),
    };
}

std::vector<MethodInfo> Methods() {
    return {
        {"AboutMe",
         {},
         [](Control& c, std::span<const Variant>) {
             Self(c).AboutMe();
             return MethodResult{};
         },
         "Shows the about dialog."},
        {"TimerInvoke",
         {},
         [](Control& c, std::span<const Variant>) {
             Self(c).TimerInvoke();
             return MethodResult{};
         },
         "The kit's timer entry point; the check box has nothing to animate."},
    };
}

std::vector<EventInfo> Events() {
    const auto key = KeyArgs();
    const auto mouse = MouseArgs("x", "y");
    return {
        {Number(NuvelCheck::Event::Click), "Click", {}},
        {Number(NuvelCheck::Event::DblClick), "DblClick", {}},
        {Number(NuvelCheck::Event::KeyDown), "KeyDown", key},
        {Number(NuvelCheck::Event::KeyPress), "KeyPress", KeyPressArgs()},
        {Number(NuvelCheck::Event::KeyUp), "KeyUp", key},
        {Number(NuvelCheck::Event::MouseDown), "MouseDown", mouse},
        {Number(NuvelCheck::Event::MouseMove), "MouseMove", mouse},
        {Number(NuvelCheck::Event::MouseUp), "MouseUp", mouse},
        {Number(NuvelCheck::Event::PlaySound), "PlaySound", SoundArgs()},
    };
}

InterfaceTable MakeTable() {
    InterfaceTable t;
    t.className = "NuvelCheck";
    t.library = "nuvset1";
    t.typeLibrary = "Nuvelkit3";
    // Room for the glyph, centred at 15, and a one-line caption.
    t.designWidth = 120;
    t.designHeight = 30;
    // The control's own initial colours: white text on black.
    t.designBackColor = 0x000000;
    t.designForeColor = 0xFFFFFF;
    t.properties = Fields();
    for (PropertyInfo& p : Properties())
        t.properties.push_back(std::move(p));
    t.methods = Methods();
    t.events = Events();
    t.children = {
        // The glow overlay: hidden, white fill (which changes nothing when shown).
        {.name = "Shape1", .kind = ChildKind::Shape, .fillColor = 0xFFFFFF},
    };
    t.resources = &Nuvset1Resources();
    t.create = [](Host& host) -> std::unique_ptr<Control> {
        return std::make_unique<NuvelCheck>(host);
    };
    return t;
}

} // namespace

const InterfaceTable& NuvelCheckClass() {
    static const InterfaceTable table = MakeTable();
    return table;
}

} // namespace nk
