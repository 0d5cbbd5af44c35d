// The support of the typed API: how each member type travels between a typed handle and the
// form model, and the base of every generated handle (<nuvelkit/NuvelCommand.h>, ...).
//
// A handle is a light reference to one control of a form (nk::FormControl), valid as long as
// the form. Its members are generated from the class's interface table, so a misspelt member
// or a value of the wrong type does not compile:
//
//     nk::Form form(classes);
//     auto hello = form.Add<nk::NuvelCommand>("Hello", 20, 20, 160, 50);
//     hello.SetCaption("&Hello");
//     hello.OnMouseMove([](std::int16_t&, std::int16_t&, float& x, float&) { x = -1; });
//     auto allow = form.Get<nk::NuvelCheck>("Allow"); // throws nk::FormError on a mismatch
//     allow.OnValueChanged([hello](std::int16_t v) { hello.SetEnabled(v != 0); });
#pragma once

#include "host/forms/form.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace nk {
// The typed handles and their enumerations live in an inline namespace: applications name
// them nk::NuvelCommand, while they stay distinct from the controls' own classes.
inline namespace typed {

// A member type's C++ face: what a getter returns (Get), what a setter takes (Param), and the
// conversions to and from the form model's Variant.
template <ValueType T> struct Value;

template <> struct Value<ValueType::Boolean> {
    using Get = bool;
    using Param = bool;
    static Variant Wrap(bool v) { return Variant::Boolean(ToVBool(v)); }
    static bool Unwrap(const Variant& v) { return v.ToBoolean().value_or(kFalse) != kFalse; }
};
template <> struct Value<ValueType::Integer> {
    using Get = std::int16_t;
    using Param = std::int16_t;
    static Variant Wrap(std::int16_t v) { return Variant::Integer(v); }
    static std::int16_t Unwrap(const Variant& v) { return v.ToInteger().value_or(0); }
};
template <> struct Value<ValueType::Long> {
    using Get = std::int32_t;
    using Param = std::int32_t;
    static Variant Wrap(std::int32_t v) { return Variant::Long(v); }
    static std::int32_t Unwrap(const Variant& v) { return v.ToLong().value_or(0); }
};
template <> struct Value<ValueType::Single> {
    using Get = float;
    using Param = float;
    static Variant Wrap(float v) { return Variant::Single(v); }
    static float Unwrap(const Variant& v) { return v.ToSingle().value_or(0.0f); }
};
template <> struct Value<ValueType::Double> {
    using Get = double;
    using Param = double;
    static Variant Wrap(double v) { return Variant::Double(v); }
    static double Unwrap(const Variant& v) { return v.ToDouble().value_or(0.0); }
};
template <> struct Value<ValueType::String> {
    using Get = std::string;
    using Param = std::string_view;
    static Variant Wrap(std::string_view v) { return Variant::String(std::string(v)); }
    static std::string Unwrap(const Variant& v) { return v.ToText().value_or(std::string()); }
};
// Colours travel as unsigned 32-bit numbers, so a system colour keeps bit 31.
template <> struct Value<ValueType::Color> {
    using Get = OleColor;
    using Param = OleColor;
    static Variant Wrap(OleColor v) { return Variant::Double(v); }
    static OleColor Unwrap(const Variant& v) { return v.ToColor().value_or(0); }
};
template <> struct Value<ValueType::Picture> {
    using Get = Picture;
    using Param = const Picture&;
    static Variant Wrap(const Picture& v) { return Variant::OfPicture(v); }
    static Picture Unwrap(const Variant& v) { return v.ToPicture().value_or(nullptr); }
};
template <> struct Value<ValueType::Font> {
    using Get = nk::Font;
    using Param = const nk::Font&;
    static Variant Wrap(const nk::Font& v) { return Variant::OfFont(v); }
    static nk::Font Unwrap(const Variant& v) { return v.ToFont().value_or(nk::Font{}); }
};
template <> struct Value<ValueType::Variant> {
    using Get = nk::Variant;
    using Param = const nk::Variant&;
    static nk::Variant Wrap(const nk::Variant& v) { return v; }
    static nk::Variant Unwrap(const nk::Variant& v) { return v; }
};

namespace detail {

// Calls fn with the event's arguments, each bound to the value the control goes on with (a
// reference parameter changes it). Arguments that do not match the handler's list, which a
// class's own table rules out, call nothing.
template <class... Args, std::size_t... I>
void Unpack(const std::function<void(Args...)>& fn, std::span<const EventArg> args,
            std::index_sequence<I...>) {
    if (args.size() != sizeof...(Args)) return;
    if (!(std::holds_alternative<std::remove_cvref_t<Args>*>(args[I]) && ...)) return;
    fn(*std::get<std::remove_cvref_t<Args>*>(args[I])...);
}

} // namespace detail

// The base of every generated handle: the control it refers to and the typed paths into the
// form model that the generated members use.
class Handle {
public:
    explicit Handle(FormControl& control) : control_(&control) {}

    FormControl& control() const { return *control_; }
    const std::string& name() const { return control_->name(); }

protected:
    template <ValueType T> typename Value<T>::Get GetAs(std::string_view member) const {
        const auto v = control_->Get(member);
        return v ? Value<T>::Unwrap(*v) : typename Value<T>::Get{};
    }
    template <ValueType T> void SetAs(std::string_view member, typename Value<T>::Param v) const {
        const bool taken = control_->Set(member, Value<T>::Wrap(v));
        if constexpr (T == ValueType::Picture)
            if (!taken && !WithinPictureLimits(v))
                throw FormError(name() + "." + std::string(member) + ": a picture of " +
                                std::to_string(v->Width()) + " x " + std::to_string(v->Height()) +
                                " pixels is beyond the " + std::to_string(kMaxPictureSide) +
                                " pixels a side and " + std::to_string(kMaxPicturePixels) +
                                " pixels a picture may hold");
    }
    template <class E, ValueType T> E GetEnum(std::string_view member) const {
        return static_cast<E>(GetAs<T>(member));
    }
    template <class E, ValueType T> void SetEnum(std::string_view member, E v) const {
        SetAs<T>(member, static_cast<typename Value<T>::Get>(v));
    }
    MethodResult Invoke(std::string_view method, std::initializer_list<Variant> args) const {
        return control_->Call(method, std::span<const Variant>(args.begin(), args.size()));
    }
    template <class... Args>
    void Listen(std::string_view event, std::function<void(Args...)> fn) const {
        if (!fn) return;
        control_->On(event, [fn = std::move(fn)](FormControl&, std::span<const EventArg> args) {
            detail::Unpack(fn, args, std::index_sequence_for<Args...>{});
        });
    }
    // Runs fn with the property's new value whenever the control reports a change of it.
    template <class R, class Read>
    void Watch(std::string_view property, Read read, std::function<void(R)> fn) const {
        if (!fn) return;
        control_->OnChanged(property,
                            [fn = std::move(fn), read](FormControl& c) { fn(read(Handle(c))); });
    }
    template <ValueType T>
    void WatchAs(std::string_view property, std::function<void(typename Value<T>::Get)> fn) const {
        const std::string name(property);
        Watch<typename Value<T>::Get>(
            property, [name](const Handle& h) { return h.GetAs<T>(name); }, std::move(fn));
    }
    template <class E, ValueType T>
    void WatchEnum(std::string_view property, std::function<void(E)> fn) const {
        const std::string name(property);
        Watch<E>(
            property, [name](const Handle& h) { return h.GetEnum<E, T>(name); }, std::move(fn));
    }

private:
    FormControl* control_;
};

} // namespace typed
} // namespace nk
