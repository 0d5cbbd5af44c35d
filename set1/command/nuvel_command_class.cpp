// The interface of NuvelCommand as its containers see it: the members of _NuvelCommand
// in interface order, the events of __NuvelCommand by number, the children and the
// design-time settings.
#include "framework/member_values.h"
#include "framework/pic_styles.h"
#include "framework/sound.h"
#include "resources/resource_tables.h"
#include "set1/command/nuvel_command.h"

#include <memory>

namespace nk {

namespace {

NuvelCommand& Self(Control& c) {
    return static_cast<NuvelCommand&>(c);
}

// Setters receive values already converted to the member's type.

using VT = ValueType;
using MK = MemberKind;

std::vector<PropertyInfo> Properties() {
    return {
        // Public fields.
        PropertyInfo{"HasShadow", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).HasShadow); },
                     [](Control& c, const Variant& v) { Self(c).HasShadow = AsBoolean(v); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"ShadowColor", VT::Color, MK::Field,
                     [](Control& c) { return OfColor(Self(c).ShadowColor); },
                     [](Control& c, const Variant& v) { Self(c).ShadowColor = AsColor(v); }}
            .Saved(Variant::Double(0)),
        PropertyInfo{"AllowMultiLine", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).AllowMultiLine); },
                     [](Control& c, const Variant& v) { Self(c).AllowMultiLine = AsBoolean(v); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"AdjustTop", VT::Long, MK::Field,
                     [](Control& c) { return Variant::Long(Self(c).AdjustTop); },
                     [](Control& c, const Variant& v) { Self(c).AdjustTop = AsLong(v); }}
            .Saved(Variant::Long(0)),
        PropertyInfo{"SoundMethod", VT::Long, MK::Field,
                     [](Control& c) { return Variant::Long(Self(c).SoundMethod); },
                     [](Control& c, const Variant& v) { Self(c).SoundMethod = AsLong(v); }}
            .Takes(kSoundMethodEnum)
            .Saved(Variant::Long(NKInternalSound)),
        PropertyInfo{"UseSound", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).UseSound); },
                     [](Control& c, const Variant& v) { Self(c).UseSound = AsBoolean(v); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"ShowFocus", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).ShowFocus); },
                     [](Control& c, const Variant& v) { Self(c).ShowFocus = AsBoolean(v); }}
            .Saved(Variant::Boolean(kFalse)),
        // Properties.
        PropertyInfo{"hWnd", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).hWnd()); },
                     [](Control& c, const Variant& v) { Self(c).SethWnd(AsLong(v)); }}
            .Saved(Variant::Long(0)),
        PropertyInfo{"BackPicture", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).BackPicture()); },
                     [](Control& c, const Variant& v) { Self(c).SetBackPicture(AsLong(v)); }}
            .Takes(kBackPicsEnum)
            .Saved(Variant::Long(NKSpiralRainbow)),
        PropertyInfo{"Caption", VT::String, MK::Own,
                     [](Control& c) { return Variant::String(Self(c).Caption()); },
                     [](Control& c, const Variant& v) { Self(c).SetCaption(v.text()); }}
            .Saved(Variant::String("")),
        PropertyInfo{"ShortCutKey", VT::String, MK::Own,
                     [](Control& c) { return Variant::String(Self(c).ShortCutKey()); },
                     [](Control& c, const Variant& v) { Self(c).SetShortCutKey(v.text()); }}
            .Saved(Variant::String("")),
        PropertyInfo{"SideIconHeight", VT::Single, MK::Own,
                     [](Control& c) { return Variant::Single(Self(c).SideIconHeight()); },
                     [](Control& c, const Variant& v) { Self(c).SetSideIconHeight(AsSingle(v)); }}
            .Saved(Variant::Single(32)),
        PropertyInfo{"RSideIconHeight", VT::Single, MK::Own,
                     [](Control& c) { return Variant::Single(Self(c).RSideIconHeight()); },
                     [](Control& c, const Variant& v) { Self(c).SetRSideIconHeight(AsSingle(v)); }}
            .Saved(Variant::Single(32)),
        PropertyInfo{"RSideIconWidth", VT::Single, MK::Own,
                     [](Control& c) { return Variant::Single(Self(c).RSideIconWidth()); },
                     [](Control& c, const Variant& v) { Self(c).SetRSideIconWidth(AsSingle(v)); }}
            .Saved(Variant::Single(32)),
        PropertyInfo{
            "GradientRedDividend", VT::Single, MK::Own,
            [](Control& c) { return Variant::Single(Self(c).GradientRedDividend()); },
            [](Control& c, const Variant& v) { Self(c).SetGradientRedDividend(AsSingle(v)); }}
            .Saved(Variant::Single(2)),
        PropertyInfo{
            "GradientInverted", VT::Boolean, MK::Own,
            [](Control& c) { return Variant::Boolean(Self(c).GradientInverted()); },
            [](Control& c, const Variant& v) { Self(c).SetGradientInverted(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{
            "GradientBrightness", VT::Single, MK::Own,
            [](Control& c) { return Variant::Single(Self(c).GradientBrightness()); },
            [](Control& c, const Variant& v) { Self(c).SetGradientBrightness(AsSingle(v)); }}
            .Saved(Variant::Single(100)),
        PropertyInfo{
            "GradientGreenDividend", VT::Single, MK::Own,
            [](Control& c) { return Variant::Single(Self(c).GradientGreenDividend()); },
            [](Control& c, const Variant& v) { Self(c).SetGradientGreenDividend(AsSingle(v)); }}
            .Saved(Variant::Single(2)),
        PropertyInfo{
            "GradientBlueDividend", VT::Single, MK::Own,
            [](Control& c) { return Variant::Single(Self(c).GradientBlueDividend()); },
            [](Control& c, const Variant& v) { Self(c).SetGradientBlueDividend(AsSingle(v)); }}
            .Saved(Variant::Single(1)),
        PropertyInfo{"ForeColor", VT::Color, MK::Surface,
                     [](Control& c) { return OfColor(Self(c).ForeColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetForeColor(AsColor(v)); }}
            .Saved(Variant::Double(0xFFFFFF)),
        PropertyInfo{"FontName", VT::String, MK::Surface,
                     [](Control& c) { return Variant::String(Self(c).FontName()); },
                     [](Control& c, const Variant& v) { Self(c).SetFontName(v.text()); }}
            .Saved(Variant::String("Arial"), Variant::String("")),
        PropertyInfo{"FontSize", VT::Single, MK::Surface,
                     [](Control& c) { return Variant::Single(Self(c).FontSize()); },
                     [](Control& c, const Variant& v) { Self(c).SetFontSize(AsSingle(v)); }}
            .Saved(Variant::Single(20), Variant::Single(0)),
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
        PropertyInfo{"Font", VT::Font, MK::Surface,
                     [](Control& c) { return Variant::OfFont(Self(c).GetFont()); },
                     [](Control& c, const Variant& v) { Self(c).SetFont(v.font()); }}
            .Saved(std::nullopt),
        PropertyInfo{"SideIcon", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).SideIcon()); },
                     [](Control& c, const Variant& v) { Self(c).SetSideIcon(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"RSideIcon", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).RSideIcon()); },
                     [](Control& c, const Variant& v) { Self(c).SetRSideIcon(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"Enabled", VT::Boolean, MK::Surface,
                     [](Control& c) { return Variant::Boolean(Self(c).Enabled()); },
                     [](Control& c, const Variant& v) { Self(c).SetEnabled(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"CoolButton", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).CoolButton()); },
                     [](Control& c, const Variant& v) { Self(c).SetCoolButton(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"CoolGlowColor", VT::Color, MK::Own,
                     [](Control& c) { return OfColor(Self(c).CoolGlowColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetCoolGlowColor(AsColor(v)); }}
            .Saved(Variant::Double(0xC00000)),
        PropertyInfo{"CoolUseGlow", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).CoolUseGlow()); },
                     [](Control& c, const Variant& v) { Self(c).SetCoolUseGlow(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"PictureMode", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).PictureMode()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureMode(AsLong(v)); }}
            .Takes(kPicStylesEnum)
            .Saved(Variant::Long(DefaultStyle)),
        PropertyInfo{"PictureNormal", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureNormal()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureNormal(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureDisabled", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureDisabled()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureDisabled(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureGoDown", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).PictureGoDown()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureGoDown(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kFalse)),
    };
}

std::vector<MethodInfo> Methods() {
    return {
        {"AboutMe",
         {},
         [](Control& c, std::span<const Variant>) {
             Self(c).AboutMe();
             return MethodResult{};
         }},
        {"TimerInvoke",
         {},
         [](Control& c, std::span<const Variant>) {
             Self(c).TimerInvoke();
             return MethodResult{};
         }},
    };
}

std::vector<EventInfo> Events() {
    const auto key = KeyArgs();
    const auto mouse = MouseArgs();
    return {
        {Number(NuvelCommand::Event::Click), "Click", {}},
        {Number(NuvelCommand::Event::DblClick), "DblClick", {}},
        {Number(NuvelCommand::Event::KeyDown), "KeyDown", key},
        {Number(NuvelCommand::Event::KeyPress), "KeyPress", KeyPressArgs()},
        {Number(NuvelCommand::Event::KeyUp), "KeyUp", key},
        {Number(NuvelCommand::Event::MouseDown), "MouseDown", mouse},
        {Number(NuvelCommand::Event::MouseMove), "MouseMove", mouse},
        {Number(NuvelCommand::Event::MouseUp), "MouseUp", mouse},
        {Number(NuvelCommand::Event::PlaySound), "PlaySound", SoundArgs()},
    };
}

InterfaceTable MakeTable() {
    InterfaceTable t;
    t.className = "NuvelCommand";
    t.library = "nuvset1";
    t.typeLibrary = "Nuvelkit3";
    // The size of the built-in backgrounds, which then cover the control exactly.
    t.designWidth = 250;
    t.designHeight = 100;
    t.designBackColor = 0;
    t.designForeColor = 0;
    t.properties = Properties();
    t.methods = Methods();
    t.events = Events();
    t.children = {
        // The glow overlay: hidden, white fill (which changes nothing when shown).
        {.name = "Shape2", .kind = ChildKind::Shape, .fillColor = 0xFFFFFF},
        // The off-screen canvas of the gradient pictures: hidden, black background.
        {.name = "Picture1", .kind = ChildKind::PictureBox, .visible = false, .backColor = 0},
    };
    t.resources = &Nuvset1Resources();
    t.create = [](Host& host) -> std::unique_ptr<Control> {
        return std::make_unique<NuvelCommand>(host);
    };
    return t;
}

} // namespace

const InterfaceTable& NuvelCommandClass() {
    static const InterfaceTable table = MakeTable();
    return table;
}

} // namespace nk
