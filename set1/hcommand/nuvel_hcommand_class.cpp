// The interface of NuvelHCommand as its containers see it: the members of _NuvelHCommand
// in interface order, the events of __NuvelHCommand by number, the child and the design-time
// settings.
#include "framework/member_values.h"
#include "framework/pic_styles.h"
#include "framework/sound.h"
#include "resources/resource_tables.h"
#include "set1/hcommand/nuvel_hcommand.h"

#include <memory>

namespace nk {

namespace {

NuvelHCommand& Self(Control& c) {
    return static_cast<NuvelHCommand&>(c);
}

// Setters receive values already converted to the member's type.

using VT = ValueType;
using MK = MemberKind;

std::vector<PropertyInfo> Properties() {
    return {
        PropertyInfo{"ShowFocus", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).ShowFocus); },
                     [](Control& c, const Variant& v) { Self(c).ShowFocus = AsBoolean(v); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"FocusColor", VT::Color, MK::Field,
                     [](Control& c) { return OfColor(Self(c).FocusColor); },
                     [](Control& c, const Variant& v) { Self(c).FocusColor = AsColor(v); }}
            .Saved(Variant::Double(0xFF00)),
        PropertyInfo{"UseSound", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).UseSound); },
                     [](Control& c, const Variant& v) { Self(c).UseSound = AsBoolean(v); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"SoundMethod", VT::Long, MK::Field,
                     [](Control& c) { return Variant::Long(Self(c).SoundMethod); },
                     [](Control& c, const Variant& v) { Self(c).SoundMethod = AsLong(v); }}
            .Takes(kSoundMethodEnum)
            .Saved(Variant::Long(NKInternalSound)),
        PropertyInfo{"AllowMultiLine", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).AllowMultiLine); },
                     [](Control& c, const Variant& v) { Self(c).AllowMultiLine = AsBoolean(v); }}
            .ReadAs("AllowMultiline")
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"AdjustTop", VT::Long, MK::Field,
                     [](Control& c) { return Variant::Long(Self(c).AdjustTop); },
                     [](Control& c, const Variant& v) { Self(c).AdjustTop = AsLong(v); }}
            .Saved(Variant::Long(0)),
        PropertyInfo{"UseAnimation", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).UseAnimation()); },
                     [](Control& c, const Variant& v) { Self(c).SetUseAnimation(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kTrue), Variant::Boolean(kFalse)),
        PropertyInfo{"ShortCutKey", VT::String, MK::Own,
                     [](Control& c) { return Variant::String(Self(c).ShortCutKey()); },
                     [](Control& c, const Variant& v) { Self(c).SetShortCutKey(v.text()); }}
            .Saved(Variant::String("")),
        PropertyInfo{"Enabled", VT::Boolean, MK::Surface,
                     [](Control& c) { return Variant::Boolean(Self(c).Enabled()); },
                     [](Control& c, const Variant& v) { Self(c).SetEnabled(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"Font", VT::Font, MK::Surface,
                     [](Control& c) { return Variant::OfFont(Self(c).GetFont()); },
                     [](Control& c, const Variant& v) { Self(c).SetFont(v.font()); }}
            .Saved(std::nullopt),
        PropertyInfo{"FontBold", VT::Boolean, MK::Surface,
                     [](Control& c) { return Variant::Boolean(Self(c).FontBold()); },
                     [](Control& c, const Variant& v) { Self(c).SetFontBold(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"FontItalic", VT::Boolean, MK::Surface,
                     [](Control& c) { return Variant::Boolean(Self(c).FontItalic()); },
                     [](Control& c, const Variant& v) { Self(c).SetFontItalic(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"FontStrikethru", VT::Boolean, MK::Surface,
                     [](Control& c) { return Variant::Boolean(Self(c).FontStrikethru()); },
                     [](Control& c, const Variant& v) { Self(c).SetFontStrikethru(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"FontUnderline", VT::Boolean, MK::Surface,
                     [](Control& c) { return Variant::Boolean(Self(c).FontUnderline()); },
                     [](Control& c, const Variant& v) { Self(c).SetFontUnderline(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"FontName", VT::String, MK::Surface,
                     [](Control& c) { return Variant::String(Self(c).FontName()); },
                     [](Control& c, const Variant& v) { Self(c).SetFontName(v.text()); }}
            .Saved(Variant::String("")),
        PropertyInfo{"FontSize", VT::Single, MK::Surface,
                     [](Control& c) { return Variant::Single(Self(c).FontSize()); },
                     [](Control& c, const Variant& v) { Self(c).SetFontSize(AsSingle(v)); }}
            .Saved(Variant::Single(0)),
        PropertyInfo{"ShineMode", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).ShineMode()); },
                     [](Control& c, const Variant& v) { Self(c).SetShineMode(AsLong(v)); }}
            .Takes(kHShineModesEnum)
            .Saved(Variant::Long(0)),
        PropertyInfo{"ForeColor", VT::Color, MK::Own,
                     [](Control& c) { return OfColor(Self(c).ForeColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetForeColor(AsColor(v)); }}
            .Saved(Variant::Double(kButtonText)),
        PropertyInfo{"LeftColor", VT::Color, MK::Own,
                     [](Control& c) { return OfColor(Self(c).LeftColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetLeftColor(AsColor(v)); }}
            .Saved(Variant::Double(0)),
        PropertyInfo{"RightColor", VT::Color, MK::Own,
                     [](Control& c) { return OfColor(Self(c).RightColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetRightColor(AsColor(v)); }}
            .Saved(Variant::Double(0)),
        PropertyInfo{"MouseIcon", VT::Picture, MK::Surface,
                     [](Control& c) { return Variant::OfPicture(Self(c).MouseIcon()); },
                     [](Control& c, const Variant& v) { Self(c).SetMouseIcon(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"MousePointer", VT::Integer, MK::Surface,
                     [](Control& c) { return Variant::Integer(Self(c).MousePointer()); },
                     [](Control& c, const Variant& v) { Self(c).SetMousePointer(AsInteger(v)); }}
            .Saved(Variant::Integer(0)),
        PropertyInfo{"NuvelStyle", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).NuvelStyle()); },
                     [](Control& c, const Variant& v) { Self(c).SetNuvelStyle(AsLong(v)); }}
            .Takes(kHCommandTypesEnum)
            .Saved(Variant::Long(0)),
        PropertyInfo{"UseOnTop", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).UseOnTop()); },
                     [](Control& c, const Variant& v) { Self(c).SetUseOnTop(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"Caption", VT::String, MK::Own,
                     [](Control& c) { return Variant::String(Self(c).Caption()); },
                     [](Control& c, const Variant& v) { Self(c).SetCaption(v.text()); }}
            .Saved(Variant::String("0")),
        PropertyInfo{"LeftCaption", VT::String, MK::Own,
                     [](Control& c) { return Variant::String(Self(c).LeftCaption()); },
                     [](Control& c, const Variant& v) { Self(c).SetLeftCaption(v.text()); }}
            .Saved(Variant::String("")),
        PropertyInfo{"CoolGlowColor", VT::Color, MK::Own,
                     [](Control& c) { return OfColor(Self(c).CoolGlowColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetCoolGlowColor(AsColor(v)); }}
            .Saved(Variant::Double(0xC00000)),
        PropertyInfo{"CoolUseGlow", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).CoolUseGlow()); },
                     [](Control& c, const Variant& v) { Self(c).SetCoolUseGlow(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"RightCaption", VT::String, MK::Own,
                     [](Control& c) { return Variant::String(Self(c).RightCaption()); },
                     [](Control& c, const Variant& v) { Self(c).SetRightCaption(v.text()); }}
            .Saved(Variant::String("")),
        PropertyInfo{"FocusStyle", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).FocusStyle()); },
                     [](Control& c, const Variant& v) { Self(c).SetFocusStyle(AsLong(v)); }}
            .Takes(kHCommandFocusStylesEnum)
            .Saved(Variant::Long(0)),
        PropertyInfo{"PicturePushed", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PicturePushed()); },
                     [](Control& c, const Variant& v) { Self(c).SetPicturePushed(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureOver", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureOver()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureOver(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureNormal", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureNormal()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureNormal(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureDisabled", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureDisabled()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureDisabled(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureOver2", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureOver2()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureOver2(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureMode", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).PictureMode()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureMode(AsLong(v)); }}
            .Takes(kPicStylesEnum)
            .Saved(Variant::Long(DefaultStyle)),
    };
}

std::vector<MethodInfo> Methods() {
    return {
        {"TimerInvoke",
         {},
         [](Control& c, std::span<const Variant>) {
             Self(c).TimerInvoke();
             return MethodResult{};
         }},
        {"AboutMe",
         {},
         [](Control& c, std::span<const Variant>) {
             Self(c).AboutMe();
             return MethodResult{};
         }},
        {"ShineEdges",
         {},
         [](Control& c, std::span<const Variant>) {
             Self(c).ShineEdges();
             return MethodResult{};
         }},
    };
}

std::vector<EventInfo> Events() {
    const auto key = KeyArgs();
    const auto mouse = MouseArgs("x", "y");
    return {
        {Number(NuvelHCommand::Event::Click), "Click", {}},
        {Number(NuvelHCommand::Event::DblClick), "DblClick", {}},
        {Number(NuvelHCommand::Event::KeyDown), "KeyDown", key},
        {Number(NuvelHCommand::Event::KeyPress), "KeyPress", KeyPressArgs()},
        {Number(NuvelHCommand::Event::KeyUp), "KeyUp", key},
        {Number(NuvelHCommand::Event::MouseMove), "MouseMove", mouse},
        {Number(NuvelHCommand::Event::MouseDown), "MouseDown", mouse},
        {Number(NuvelHCommand::Event::MouseUp), "MouseUp", mouse},
        {Number(NuvelHCommand::Event::PlaySound), "PlaySound", SoundArgs()},
    };
}

InterfaceTable MakeTable() {
    InterfaceTable t;
    t.className = "NuvelHCommand";
    t.library = "nuvset1";
    t.typeLibrary = "Nuvelkit3";
    // The natural size of the pill faces and of the mask.
    t.designWidth = 175;
    t.designHeight = 32;
    t.properties = Properties();
    t.methods = Methods();
    t.events = Events();
    t.children = {
        // The off-screen canvas on which the mask is stretched: hidden, white.
        {.name = "Picture1",
         .kind = ChildKind::PictureBox,
         .visible = false,
         .backColor = 0xFFFFFF},
    };
    t.resources = &Nuvset1Resources();
    t.create = [](Host& host) -> std::unique_ptr<Control> {
        return std::make_unique<NuvelHCommand>(host);
    };
    return t;
}

} // namespace

const InterfaceTable& NuvelHCommandClass() {
    static const InterfaceTable table = MakeTable();
    return table;
}

} // namespace nk
