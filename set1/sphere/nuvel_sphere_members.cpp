// The interface of NuvelSphere as its containers see it: the members of _NuvelSphere in
// interface order, the events of __NuvelSphere by number, the child and the design-time
// settings.
#include "framework/member_rows.h"
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
        AccessorRow<ValueType::Boolean, MemberKind::Surface, &NuvelSphere::Enabled,
                    &NuvelSphere::SetEnabled>("Enabled")
            .Saved(Variant::Boolean(kTrue)),
        AccessorRow<ValueType::Picture, MemberKind::Surface, &NuvelSphere::MouseIcon,
                    &NuvelSphere::SetMouseIcon>("MouseIcon")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Integer, MemberKind::Surface, &NuvelSphere::MousePointer,
                    &NuvelSphere::SetMousePointer>("MousePointer")
            .Saved(Variant::Integer(0)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelSphere::SphereType,
                    &NuvelSphere::SetSphereType>("SphereType")
            .Takes(kSphereTypeEnum)
            .Saved(Variant::Long(NvlSphereRings)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelSphere::ContentType,
                    &NuvelSphere::SetContentType>("ContentType")
            .Takes(kSphereContentTypeEnum)
            .Saved(Variant::Long(NvlCntNone)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelSphere::ContentIcon,
                    &NuvelSphere::SetContentIcon>("ContentIcon")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelSphere::ContentLetter,
                    &NuvelSphere::SetContentLetter>("ContentLetter")
            .Saved(Variant::String("0")),
        AccessorRow<ValueType::Font, MemberKind::Surface, &NuvelSphere::GetFont,
                    &NuvelSphere::SetFont>("Font")
            .Saved(std::nullopt),
        AccessorRow<ValueType::Color, MemberKind::Surface, &NuvelSphere::ForeColor,
                    &NuvelSphere::SetForeColor>("ForeColor")
            .Saved(Variant::Double(kButtonText)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelSphere::IconSize,
                    &NuvelSphere::SetIconSize>("IconSize")
            .Takes(kSphereIconSizeEnum)
            .Saved(Variant::Long(NvlSphrIconUnknown)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelSphere::PictureNormal,
                    &NuvelSphere::SetPictureNormal>("PictureNormal")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelSphere::PictureOver,
                    &NuvelSphere::SetPictureOver>("PictureOver")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelSphere::PictureOver2,
                    &NuvelSphere::SetPictureOver2>("PictureOver2")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelSphere::PicturePushed,
                    &NuvelSphere::SetPicturePushed>("PicturePushed")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelSphere::PictureDisabled,
                    &NuvelSphere::SetPictureDisabled>("PictureDisabled")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelSphere::PictureMode,
                    &NuvelSphere::SetPictureMode>("PictureMode")
            .Takes(kPicStylesEnum)
            .Saved(Variant::Long(DefaultStyle)),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelSphere::UseAnimation,
                    &NuvelSphere::SetUseAnimation>("UseAnimation")
            .Saved(Variant::Boolean(kTrue)),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelSphere::UseOnTop,
                    &NuvelSphere::SetUseOnTop>("UseOnTop")
            .Saved(Variant::Boolean(kTrue)),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelSphere::ShortCutKey,
                    &NuvelSphere::SetShortCutKey>("ShortCutKey")
            .Saved(Variant::String("")),
        AccessorRow<ValueType::Color, MemberKind::Own, &NuvelSphere::CoolGlowColor,
                    &NuvelSphere::SetCoolGlowColor>("CoolGlowColor")
            .Saved(Variant::Double(0xC00000)),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelSphere::CoolUseGlow,
                    &NuvelSphere::SetCoolUseGlow>("CoolUseGlow")
            .Saved(Variant::Boolean(kTrue)),
        FieldRow<ValueType::Color, &NuvelSphere::FocusColor>("FocusColor")
            .Saved(Variant::Double(0xFFFFFF)),
        FieldRow<ValueType::Boolean, &NuvelSphere::ShowFocus>("ShowFocus")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Boolean, &NuvelSphere::UseSound>("UseSound")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Long, &NuvelSphere::SoundMethod>("SoundMethod")
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

const InterfaceTable& NuvelSphereInterface() {
    static const InterfaceTable table = MakeTable();
    return table;
}

} // namespace nk
