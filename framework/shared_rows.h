// Rows that several controls' member tables share: members kept under the same getter and
// setter names with the same defaults, methods without arguments, and the standard key and
// mouse events. Each table still lists its rows in its own interface order.
#pragma once

#include "framework/enumerations.h"
#include "framework/events.h"
#include "framework/member_rows.h"
#include "framework/pic_styles.h"
#include "framework/sound.h"

#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace nk {

// A method without arguments that lets no error reach its caller.
template <typename C, void (C::*Method)()>
MethodResult InvokeMethod(Control& c, std::span<const Variant>) {
    (static_cast<C&>(c).*Method)();
    return MethodResult{};
}

template <typename C, void (C::*Method)()>
MethodInfo MethodRow(std::string_view name, std::string_view help = {}) {
    return {name, {}, InvokeMethod<C, Method>, help};
}

// A picture the control keeps, saved with no picture as its default.
template <typename C, auto Get, auto Set, auto... Field>
PropertyInfo PictureRow(std::string_view name, std::string_view help = {}) {
    return StoredIn<ValueType::Picture, C, Field...>(
        AccessorRow<ValueType::Picture, MemberKind::Own, Get, Set, C>(name, help)
            .Saved(Variant::OfPicture(nullptr)));
}

// The members that the push buttons share, with their saved defaults. An own member's
// storage, when given (`Field`, a path of member pointers), is where InitProperties and
// ReadProperties store it without the setter.
template <typename C> struct SharedRows {
    static PropertyInfo ShowFocus() {
        return FieldRow<ValueType::Boolean, &C::ShowFocus>("ShowFocus")
            .Saved(Variant::Boolean(kFalse));
    }
    static PropertyInfo UseSound() {
        return FieldRow<ValueType::Boolean, &C::UseSound>("UseSound")
            .Saved(Variant::Boolean(kFalse));
    }
    static PropertyInfo SoundMethod() {
        return FieldRow<ValueType::Long, &C::SoundMethod>("SoundMethod")
            .Takes(kSoundMethodEnum)
            .Saved(Variant::Long(NKInternalSound));
    }
    static PropertyInfo Enabled(std::string_view help = {}) {
        return AccessorRow<ValueType::Boolean, MemberKind::Surface, &C::Enabled, &C::SetEnabled, C>(
                   "Enabled", help)
            .Saved(Variant::Boolean(kTrue));
    }
    // The container's ambient font is the default, so no fixed value is handed to the bag.
    static PropertyInfo Font(std::string_view help = {}) {
        return AccessorRow<ValueType::Font, MemberKind::Surface, &C::GetFont, &C::SetFont, C>(
                   "Font", help)
            .Saved(std::nullopt);
    }
    template <auto Get, auto Set> static PropertyInfo FontFlag(std::string_view name) {
        return AccessorRow<ValueType::Boolean, MemberKind::Surface, Get, Set, C>(name).Saved(
            Variant::Boolean(kFalse));
    }
    static PropertyInfo FontBold() { return FontFlag<&C::FontBold, &C::SetFontBold>("FontBold"); }
    static PropertyInfo FontItalic() {
        return FontFlag<&C::FontItalic, &C::SetFontItalic>("FontItalic");
    }
    static PropertyInfo FontStrikethru() {
        return FontFlag<&C::FontStrikethru, &C::SetFontStrikethru>("FontStrikethru");
    }
    static PropertyInfo FontUnderline() {
        return FontFlag<&C::FontUnderline, &C::SetFontUnderline>("FontUnderline");
    }
    template <auto... Field> static PropertyInfo ShortCutKey() {
        return StoredIn<ValueType::String, C, Field...>(
            AccessorRow<ValueType::String, MemberKind::Own, &C::ShortCutKey, &C::SetShortCutKey, C>(
                "ShortCutKey")
                .Saved(Variant::String("")));
    }
    template <auto... Field> static PropertyInfo CoolButton(std::string_view help = {}) {
        return StoredIn<ValueType::Boolean, C, Field...>(
            AccessorRow<ValueType::Boolean, MemberKind::Own, &C::CoolButton, &C::SetCoolButton>(
                "CoolButton", help)
                .Saved(Variant::Boolean(kFalse)));
    }
    template <auto... Field> static PropertyInfo CoolGlowColor(std::string_view help = {}) {
        return StoredIn<ValueType::Color, C, Field...>(
            AccessorRow<ValueType::Color, MemberKind::Own, &C::CoolGlowColor, &C::SetCoolGlowColor>(
                "CoolGlowColor", help)
                .Saved(Variant::Double(0xC00000)));
    }
    template <auto... Field> static PropertyInfo CoolUseGlow(std::string_view help = {}) {
        return StoredIn<ValueType::Boolean, C, Field...>(
            AccessorRow<ValueType::Boolean, MemberKind::Own, &C::CoolUseGlow, &C::SetCoolUseGlow>(
                "CoolUseGlow", help)
                .Saved(Variant::Boolean(kTrue)));
    }
    static PropertyInfo MouseIcon(std::string_view help = {}) {
        return AccessorRow<ValueType::Picture, MemberKind::Surface, &C::MouseIcon, &C::SetMouseIcon,
                           C>("MouseIcon", help)
            .Saved(Variant::OfPicture(nullptr));
    }
    static PropertyInfo MousePointer(std::string_view help = {}) {
        return AccessorRow<ValueType::Integer, MemberKind::Surface, &C::MousePointer,
                           &C::SetMousePointer, C>("MousePointer", help)
            .Saved(Variant::Integer(0));
    }
    template <auto... Field> static PropertyInfo UseOnTop() {
        return StoredIn<ValueType::Boolean, C, Field...>(
            AccessorRow<ValueType::Boolean, MemberKind::Own, &C::UseOnTop, &C::SetUseOnTop>(
                "UseOnTop")
                .Saved(Variant::Boolean(kTrue)));
    }
    // NKPicStyles, saved as DefaultStyle.
    template <auto... Field> static PropertyInfo PictureMode() {
        return StoredIn<ValueType::Long, C, Field...>(
            AccessorRow<ValueType::Long, MemberKind::Own, &C::PictureMode, &C::SetPictureMode>(
                "PictureMode")
                .Takes(kPicStylesEnum)
                .Saved(Variant::Long(DefaultStyle)));
    }
    template <auto... Field> static PropertyInfo PictureNormal() {
        return PictureRow<C, &C::PictureNormal, &C::SetPictureNormal, Field...>("PictureNormal");
    }
    template <auto... Field> static PropertyInfo PictureDisabled() {
        return PictureRow<C, &C::PictureDisabled, &C::SetPictureDisabled, Field...>(
            "PictureDisabled");
    }
    template <auto... Field> static PropertyInfo PicturePushed(std::string_view help = {}) {
        return PictureRow<C, &C::PicturePushed, &C::SetPicturePushed, Field...>("PicturePushed",
                                                                                help);
    }
    template <auto... Field> static PropertyInfo PictureOver() {
        return PictureRow<C, &C::PictureOver, &C::SetPictureOver, Field...>("PictureOver");
    }
    template <auto... Field> static PropertyInfo PictureOver2() {
        return PictureRow<C, &C::PictureOver2, &C::SetPictureOver2, Field...>("PictureOver2");
    }
    static MethodInfo AboutMe(std::string_view help = {}) {
        return MethodRow<C, &C::AboutMe>("AboutMe", help);
    }
    static MethodInfo TimerInvoke(std::string_view help = {}) {
        return MethodRow<C, &C::TimerInvoke>("TimerInvoke", help);
    }
    // TimerInvoke of a class with nothing to animate, which does nothing.
    static MethodInfo InertTimerInvoke(std::string_view help = {}) {
        MethodInfo row = TimerInvoke(help);
        row.inert = true;
        return row;
    }
};

// The hidden white picture box on which a control stretches its mask to its own size.
inline ChildInfo HiddenMaskCanvas() {
    return {
        .name = "Picture1", .kind = ChildKind::PictureBox, .visible = false, .backColor = 0xFFFFFF};
}

// The help string of a key, mouse or click event that every control raises alike; empty for
// any other name.
inline std::string_view StandardEventHelp(std::string_view name) {
    constexpr std::pair<std::string_view, std::string_view> kHelp[] = {
        {"Click", "Occurs when the user presses and releases a mouse button over the control."},
        {"DblClick", "Occurs when the user double-clicks the control."},
        {"KeyDown", "Occurs when the user presses a key while the control has the focus."},
        {"KeyPress", "Occurs when the user types a character while the control has the focus."},
        {"KeyUp", "Occurs when the user releases a key while the control has the focus."},
        {"MouseDown", "Occurs when the user presses a mouse button over the control."},
        {"MouseMove", "Occurs when the user moves the mouse over the control."},
        {"MouseUp", "Occurs when the user releases a mouse button over the control."},
        {"PlaySound", "Occurs instead of a built-in press or release sound when SoundMethod is "
                      "not 0."},
    };
    for (const auto& [event, help] : kHelp)
        if (event == name) return help;
    return {};
}

// Click, DblClick, KeyDown, KeyPress, KeyUp, MouseDown, MouseMove and MouseUp, in that
// order, numbered by the control's event enumeration `E`; `mouse` names the position
// arguments as the class's event interface does.
template <typename E> std::vector<EventInfo> KeyMouseEvents(std::vector<EventArgInfo> mouse) {
    const auto key = KeyArgs();
    auto event = [](int number, std::string_view name, std::vector<EventArgInfo> args) {
        return EventInfo{number, name, std::move(args), StandardEventHelp(name)};
    };
    return {
        event(Number(E::Click), "Click", {}),
        event(Number(E::DblClick), "DblClick", {}),
        event(Number(E::KeyDown), "KeyDown", key),
        event(Number(E::KeyPress), "KeyPress", KeyPressArgs()),
        event(Number(E::KeyUp), "KeyUp", key),
        event(Number(E::MouseDown), "MouseDown", mouse),
        event(Number(E::MouseMove), "MouseMove", mouse),
        event(Number(E::MouseUp), "MouseUp", mouse),
    };
}

// The push buttons' events: the key and mouse events, then PlaySound.
template <typename E> std::vector<EventInfo> PushButtonEvents(std::vector<EventArgInfo> mouse) {
    auto events = KeyMouseEvents<E>(std::move(mouse));
    events.push_back(
        {Number(E::PlaySound), "PlaySound", SoundArgs(), StandardEventHelp("PlaySound")});
    return events;
}

} // namespace nk

// A picture row named after its member, as NK_OWN_ROW names it; then its storage, if any.
#define NK_PICTURE_ROW(C, Name, ...)                                                               \
    ::nk::PictureRow<C, &C::Name, &C::Set##Name __VA_OPT__(, ) __VA_ARGS__>(#Name)
// A method row named after its member, so that the name is written once: `Name` is C's
// method without arguments, "Name" the method's name in the table, then its help if any.
#define NK_METHOD_ROW(C, Name, ...) ::nk::MethodRow<C, &C::Name>(#Name __VA_OPT__(, ) __VA_ARGS__)
