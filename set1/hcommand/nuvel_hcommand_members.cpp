// The interface of NuvelHCommand as its containers see it: the members of _NuvelHCommand
// in interface order, the events of __NuvelHCommand by number, the child and the design-time
// settings.
#include "framework/member_rows.h"
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
        FieldRow<ValueType::Boolean, &NuvelHCommand::ShowFocus>("ShowFocus")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Color, &NuvelHCommand::FocusColor>("FocusColor")
            .Saved(Variant::Double(0xFF00)),
        FieldRow<ValueType::Boolean, &NuvelHCommand::UseSound>("UseSound")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Long, &NuvelHCommand::SoundMethod>("SoundMethod")
            .Takes(kSoundMethodEnum)
            .Saved(Variant::Long(NKInternalSound)),
        FieldRow<ValueType::Boolean, &NuvelHCommand::AllowMultiLine>("AllowMultiLine")
            .ReadAs("AllowMultiline")
            .Saved(Variant::Boolean(kFalse)),
        FieldRow<ValueType::Long, &NuvelHCommand::AdjustTop>("AdjustTop").Saved(Variant::Long(0)),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelHCommand::UseAnimation,
                    &NuvelHCommand::SetUseAnimation>("UseAnimation")
            .Saved(Variant::Boolean(kTrue), Variant::Boolean(kFalse)),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelHCommand::ShortCutKey,
                    &NuvelHCommand::SetShortCutKey>("ShortCutKey")
            .Saved(Variant::String("")),
        AccessorRow<ValueType::Boolean, MemberKind::Surface, &NuvelHCommand::Enabled,
                    &NuvelHCommand::SetEnabled>("Enabled")
            .Saved(Variant::Boolean(kTrue)),
        AccessorRow<ValueType::Font, MemberKind::Surface, &NuvelHCommand::GetFont,
                    &NuvelHCommand::SetFont>("Font")
            .Saved(std::nullopt),
        AccessorRow<ValueType::Boolean, MemberKind::Surface, &NuvelHCommand::FontBold,
                    &NuvelHCommand::SetFontBold>("FontBold")
            .Saved(Variant::Boolean(kFalse)),
        AccessorRow<ValueType::Boolean, MemberKind::Surface, &NuvelHCommand::FontItalic,
                    &NuvelHCommand::SetFontItalic>("FontItalic")
            .Saved(Variant::Boolean(kFalse)),
        AccessorRow<ValueType::Boolean, MemberKind::Surface, &NuvelHCommand::FontStrikethru,
                    &NuvelHCommand::SetFontStrikethru>("FontStrikethru")
            .Saved(Variant::Boolean(kFalse)),
        AccessorRow<ValueType::Boolean, MemberKind::Surface, &NuvelHCommand::FontUnderline,
                    &NuvelHCommand::SetFontUnderline>("FontUnderline")
            .Saved(Variant::Boolean(kFalse)),
        AccessorRow<ValueType::String, MemberKind::Surface, &NuvelHCommand::FontName,
                    &NuvelHCommand::SetFontName>("FontName")
            .Saved(Variant::String("")),
        AccessorRow<ValueType::Single, MemberKind::Surface, &NuvelHCommand::FontSize,
                    &NuvelHCommand::SetFontSize>("FontSize")
            .Saved(Variant::Single(0)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelHCommand::ShineMode,
                    &NuvelHCommand::SetShineMode>("ShineMode")
            .Takes(kHShineModesEnum)
            .Saved(Variant::Long(0)),
        AccessorRow<ValueType::Color, MemberKind::Own, &NuvelHCommand::ForeColor,
                    &NuvelHCommand::SetForeColor>("ForeColor")
            .Saved(Variant::Double(kButtonText)),
        AccessorRow<ValueType::Color, MemberKind::Own, &NuvelHCommand::LeftColor,
                    &NuvelHCommand::SetLeftColor>("LeftColor")
            .Saved(Variant::Double(0)),
        AccessorRow<ValueType::Color, MemberKind::Own, &NuvelHCommand::RightColor,
                    &NuvelHCommand::SetRightColor>("RightColor")
            .Saved(Variant::Double(0)),
        AccessorRow<ValueType::Picture, MemberKind::Surface, &NuvelHCommand::MouseIcon,
                    &NuvelHCommand::SetMouseIcon>("MouseIcon")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Integer, MemberKind::Surface, &NuvelHCommand::MousePointer,
                    &NuvelHCommand::SetMousePointer>("MousePointer")
            .Saved(Variant::Integer(0)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelHCommand::NuvelStyle,
                    &NuvelHCommand::SetNuvelStyle>("NuvelStyle")
            .Takes(kHCommandTypesEnum)
            .Saved(Variant::Long(0)),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelHCommand::UseOnTop,
                    &NuvelHCommand::SetUseOnTop>("UseOnTop")
            .Saved(Variant::Boolean(kTrue)),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelHCommand::Caption,
                    &NuvelHCommand::SetCaption>("Caption")
            .Saved(Variant::String("0")),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelHCommand::LeftCaption,
                    &NuvelHCommand::SetLeftCaption>("LeftCaption")
            .Saved(Variant::String("")),
        AccessorRow<ValueType::Color, MemberKind::Own, &NuvelHCommand::CoolGlowColor,
                    &NuvelHCommand::SetCoolGlowColor>("CoolGlowColor")
            .Saved(Variant::Double(0xC00000)),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelHCommand::CoolUseGlow,
                    &NuvelHCommand::SetCoolUseGlow>("CoolUseGlow")
            .Saved(Variant::Boolean(kTrue)),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelHCommand::RightCaption,
                    &NuvelHCommand::SetRightCaption>("RightCaption")
            .Saved(Variant::String("")),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelHCommand::FocusStyle,
                    &NuvelHCommand::SetFocusStyle>("FocusStyle")
            .Takes(kHCommandFocusStylesEnum)
            .Saved(Variant::Long(0)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelHCommand::PicturePushed,
                    &NuvelHCommand::SetPicturePushed>("PicturePushed")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelHCommand::PictureOver,
                    &NuvelHCommand::SetPictureOver>("PictureOver")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelHCommand::PictureNormal,
                    &NuvelHCommand::SetPictureNormal>("PictureNormal")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelHCommand::PictureDisabled,
                    &NuvelHCommand::SetPictureDisabled>("PictureDisabled")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelHCommand::PictureOver2,
                    &NuvelHCommand::SetPictureOver2>("PictureOver2")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelHCommand::PictureMode,
                    &NuvelHCommand::SetPictureMode>("PictureMode")
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

const InterfaceTable& NuvelHCommandInterface() {
    static const InterfaceTable table = MakeTable();
    return table;
}

} // namespace nk
