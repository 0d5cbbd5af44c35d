// The interface of NuvelSphere as its containers see it: the members of _NuvelSphere in
// interface order, the events of __NuvelSphere by number, the child and the design-time
// settings.
#include "framework/member_values.h"
#include "framework/pic_styles.h"
#include "framework/sound.h"
#include "resources/resource_tables.h"
#include "set1/sphere/nuvel_sphere.h"

#include <memory>

namespace nk {

namespace {

NuvelSphere& Self(Control& c) {
    return static_cast<NuvelSphere&>(c);
}

using VT = ValueType;
using MK = MemberKind;

std::vector<PropertyInfo> Properties() {
    return {
        PropertyInfo{"Enabled", VT::Boolean, MK::Surface,
                     [](Control& c) { return Variant::Boolean(Self(c).Enabled()); },
                     [](Control& c, const Variant& v) { Self(c).SetEnabled(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"MouseIcon", VT::Picture, MK::Surface,
                     [](Control& c) { return Variant::OfPicture(Self(c).MouseIcon()); },
                     [](Control& c, const Variant& v) { Self(c).SetMouseIcon(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"MousePointer", VT::Integer, MK::Surface,
                     [](Control& c) { return Variant::Integer(Self(c).MousePointer()); },
                     [](Control& c, const Variant& v) { Self(c).SetMousePointer(AsInteger(v)); }}
            .Saved(Variant::Integer(0)),
        PropertyInfo{"SphereType", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).SphereType()); },
                     [](Control& c, const Variant& v) { Self(c).SetSphereType(AsLong(v)); }}
            .Takes(kSphereTypeEnum)
            .Saved(Variant::Long(NvlSphereRings)),
        PropertyInfo{"ContentType", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).ContentType()); },
                     [](Control& c, const Variant& v) { Self(c).SetContentType(AsLong(v)); }}
            .Takes(kSphereContentTypeEnum)
            .Saved(Variant::Long(NvlCntNone)),
        PropertyInfo{"ContentIcon", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).ContentIcon()); },
                     [](Control& c, const Variant& v) { Self(c).SetContentIcon(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"ContentLetter", VT::String, MK::Own,
                     [](Control& c) { return Variant::String(Self(c).ContentLetter()); },
                     [](Control& c, const Variant& v) { Self(c).SetContentLetter(v.text()); }}
            .Saved(Variant::String("0")),
        PropertyInfo{"Font", VT::Font, MK::Surface,
                     [](Control& c) { return Variant::OfFont(Self(c).GetFont()); },
                     [](Control& c, const Variant& v) { Self(c).SetFont(v.font()); }}
            .Saved(std::nullopt),
        PropertyInfo{"ForeColor", VT::Color, MK::Surface,
                     [](Control& c) { return OfColor(Self(c).ForeColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetForeColor(AsColor(v)); }}
            .Saved(Variant::Double(kButtonText)),
        PropertyInfo{"IconSize", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).IconSize()); },
                     [](Control& c, const Variant& v) { Self(c).SetIconSize(AsLong(v)); }}
            .Takes(kSphereIconSizeEnum)
            .Saved(Variant::Long(NvlSphrIconUnknown)),
        PropertyInfo{"PictureNormal", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureNormal()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureNormal(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureOver", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureOver()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureOver(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureOver2", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureOver2()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureOver2(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PicturePushed", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PicturePushed()); },
                     [](Control& c, const Variant& v) { Self(c).SetPicturePushed(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureDisabled", VT::Picture, MK::Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureDisabled()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureDisabled(v.picture()); }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureMode", VT::Long, MK::Own,
                     [](Control& c) { return Variant::Long(Self(c).PictureMode()); },
                     [](Control& c, const Variant& v) { Self(c).SetPictureMode(AsLong(v)); }}
            .Takes(kPicStylesEnum)
            .Saved(Variant::Long(DefaultStyle)),
        PropertyInfo{"UseAnimation", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).UseAnimation()); },
                     [](Control& c, const Variant& v) { Self(c).SetUseAnimation(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"UseOnTop", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).UseOnTop()); },
                     [](Control& c, const Variant& v) { Self(c).SetUseOnTop(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"ShortCutKey", VT::String, MK::Own,
                     [](Control& c) { return Variant::String(Self(c).ShortCutKey()); },
                     [](Control& c, const Variant& v) { Self(c).SetShortCutKey(v.text()); }}
            .Saved(Variant::String("")),
        PropertyInfo{"CoolGlowColor", VT::Color, MK::Own,
                     [](Control& c) { return OfColor(Self(c).CoolGlowColor()); },
                     [](Control& c, const Variant& v) { Self(c).SetCoolGlowColor(AsColor(v)); }}
            .Saved(Variant::Double(0xC00000)),
        PropertyInfo{"CoolUseGlow", VT::Boolean, MK::Own,
                     [](Control& c) { return Variant::Boolean(Self(c).CoolUseGlow()); },
                     [](Control& c, const Variant& v) { Self(c).SetCoolUseGlow(AsBoolean(v)); }}
            .Saved(Variant::Boolean(kTrue)),
        PropertyInfo{"FocusColor", VT::Color, MK::Field,
                     [](Control& c) { return OfColor(Self(c).FocusColor); },
                     [](Control& c, const Variant& v) { Self(c).FocusColor = AsColor(v); }}
            .Saved(Variant::Double(0xFFFFFF)),
        PropertyInfo{"ShowFocus", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).ShowFocus); },
                     [](Control& c, const Variant& v) { Self(c).ShowFocus = AsBoolean(v); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"UseSound", VT::Boolean, MK::Field,
                     [](Control& c) { return Variant::Boolean(Self(c).UseSound); },
                     [](Control& c, const Variant& v) { Self(c).UseSound = AsBoolean(v); }}
            .Saved(Variant::Boolean(kFalse)),
        PropertyInfo{"SoundMethod", VT::Long, MK::Field,
                     [](Control& c) { return Variant::Long(Self(c).SoundMethod); },
                     [](Control& c, const Variant& v) { Self(c).SoundMethod = AsLong(v); }}
            .Takes(kSoundMethodEnum)
            .Saved(Variant::Long(NKInternalSound)),
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
    const auto mouse = MouseArgs("x", "y");
    return {
        {Number(NuvelSphere::Event::Click), "Click", {}},
        {Number(NuvelSphere::Event::DblClick), "DblClick", {}},
        {Number(NuvelSphere::Event::KeyDown), "KeyDown", key},
        {Number(NuvelSphere::Event::KeyPress), "KeyPress", KeyPressArgs()},
        {Number(NuvelSphere::Event::KeyUp), "KeyUp", key},
        {Number(NuvelSphere::Event::MouseDown), "MouseDown", mouse},
        {Number(NuvelSphere::Event::MouseMove), "MouseMove", mouse},
        {Number(NuvelSphere::Event::MouseUp), "MouseUp", mouse},
        {Number(NuvelSphere::Event::PlaySound), "PlaySound", SoundArgs()},
    };
}

InterfaceTable MakeTable() {
    InterfaceTable t;
    t.className = "NuvelSphere";
    t.library = "nuvset1";
    t.typeLibrary = "Nuvelkit3";
    // A new sphere is 32 x 32 pixels and round: shaped by the normal round mask.
    t.designWidth = 32;
    t.designHeight = 32;
    t.designForeColor = kButtonText;
    t.designMask = 705;
    t.properties = Properties();
    t.methods = Methods();
    t.events = Events();
    t.children = {
        // The hidden canvas on which the round mask is stretched to the control.
        {.name = "Picture1",
         .kind = ChildKind::PictureBox,
         .visible = false,
         .backColor = 0xFFFFFF},
    };
    t.resources = &Nuvset1Resources();
    t.create = [](Host& host) -> std::unique_ptr<Control> {
        return std::make_unique<NuvelSphere>(host);
    };
    return t;
}

} // namespace

const InterfaceTable& NuvelSphereClass() {
    static const InterfaceTable table = MakeTable();
    return table;
}

} // namespace nk
