// NuvelFill's interface: `_NuvelFill` in its order, the events of `__NuvelFill`, the
// child picture box Picture1 and the design-time settings.
#include "framework/member_rows.h"
#include "framework/pic_styles.h"
#include "framework/shared_rows.h"
#include "resources/resource_tables.h"
#include "set2/fill/nuvel_fill.h"

namespace nk {

namespace {

NuvelFill& Self(Control& c) {
    return static_cast<NuvelFill&>(c);
}

Variant ColorValue(OleColor c) {
    return Variant::Double(c);
}

// Setters receive values already converted to the member's type; a value that still
// does not convert is not assigned.
template <typename Setter> void WithColor(const Variant& v, Setter set) {
    if (auto c = v.ToColor()) set(*c);
}
template <typename Setter> void WithLong(const Variant& v, Setter set) {
    if (auto l = v.ToLong()) set(*l);
}
template <typename Setter> void WithInteger(const Variant& v, Setter set) {
    if (auto i = v.ToInteger()) set(*i);
}
template <typename Setter> void WithPicture(const Variant& v, Setter set) {
    if (auto p = v.ToPicture()) set(*p);
}

std::vector<PropertyInfo> Properties() {
    using enum MemberKind;
    return {
        PropertyInfo{"BackColor", ValueType::Color, Surface,
                     [](Control& c) { return ColorValue(Self(c).BackColor()); },
                     [](Control& c, const Variant& v) {
                         WithColor(v, [&](OleColor x) { Self(c).SetBackColor(x); });
                     }}
            .Saved(Variant::Double(0x000000)),
        PropertyInfo{"ForeColor", ValueType::Color, Surface,
                     [](Control& c) { return ColorValue(Self(c).ForeColor()); },
                     [](Control& c, const Variant& v) {
                         WithColor(v, [&](OleColor x) { Self(c).SetForeColor(x); });
                     }}
            .Saved(Variant::Double(0xFFFFFF)),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelFill::Caption,
                    &NuvelFill::SetCaption>("Caption")
            .Saved(Variant::String("")),
        PropertyInfo{"CaptionStyle", ValueType::Long, Own,
                     [](Control& c) { return Variant::Long(Self(c).CaptionStyle()); },
                     [](Control& c, const Variant& v) {
                         WithLong(v, [&](std::int32_t x) { Self(c).SetCaptionStyle(x); });
                     }}
            .Takes(kFillCaptionStyleEnum)
            .Saved(Variant::Long(NoCaption)),
        PropertyInfo{"BorderStyle", ValueType::Long, Surface,
                     [](Control& c) { return Variant::Long(Self(c).BorderStyle()); },
                     [](Control& c, const Variant& v) {
                         WithLong(v, [&](std::int32_t x) { Self(c).SetBorderStyle(x); });
                     }}
            .Takes(kFillBorderStyleEnum)
            .Saved(Variant::Integer(0)),
        SharedRows<NuvelFill>::Font(),
        SharedRows<NuvelFill>::Enabled(),
        PropertyInfo{"MouseIcon", ValueType::Picture, Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).MouseIcon()); },
                     [](Control& c, const Variant& v) {
                         WithPicture(v, [&](const nk::Picture& p) { Self(c).SetMouseIcon(p); });
                     }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"MousePointer", ValueType::Integer, Own,
                     [](Control& c) { return Variant::Integer(Self(c).MousePointer()); },
                     [](Control& c, const Variant& v) {
                         WithInteger(v, [&](std::int16_t x) { Self(c).SetMousePointer(x); });
                     }}
            .Saved(Variant::Integer(0)),
        PropertyInfo{"NuvelFill", ValueType::Long, Own,
                     [](Control& c) { return Variant::Long(Self(c).GetNuvelFill()); },
                     [](Control& c, const Variant& v) {
                         WithLong(v, [&](std::int32_t x) { Self(c).SetNuvelFill(x); });
                     }}
            .Takes(kFillTypeEnum)
            .Saved(Variant::Long(NKGreenFill)),
        PropertyInfo{"PictureBack", ValueType::Picture, Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureBack()); },
                     [](Control& c, const Variant& v) {
                         WithPicture(v, [&](const nk::Picture& p) { Self(c).SetPictureBack(p); });
                     }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureDisabled", ValueType::Picture, Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureDisabled()); },
                     [](Control& c, const Variant& v) {
                         WithPicture(v,
                                     [&](const nk::Picture& p) { Self(c).SetPictureDisabled(p); });
                     }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureFill", ValueType::Picture, Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureFill()); },
                     [](Control& c, const Variant& v) {
                         WithPicture(v, [&](const nk::Picture& p) { Self(c).SetPictureFill(p); });
                     }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureLeftEdge", ValueType::Picture, Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureLeftEdge()); },
                     [](Control& c, const Variant& v) {
                         WithPicture(v,
                                     [&](const nk::Picture& p) { Self(c).SetPictureLeftEdge(p); });
                     }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"PictureRightEdge", ValueType::Picture, Own,
                     [](Control& c) { return Variant::OfPicture(Self(c).PictureRightEdge()); },
                     [](Control& c, const Variant& v) {
                         WithPicture(v,
                                     [&](const nk::Picture& p) { Self(c).SetPictureRightEdge(p); });
                     }}
            .Saved(Variant::OfPicture(nullptr)),
        PropertyInfo{"FillOrientation", ValueType::Long, Own,
                     [](Control& c) { return Variant::Long(Self(c).FillOrientation()); },
                     [](Control& c, const Variant& v) {
                         WithLong(v, [&](std::int32_t x) { Self(c).SetFillOrientation(x); });
                     }}
            .Takes(kOrientationEnum)
            .Saved(Variant::Long(NKHorizontal)),
        PropertyInfo{"Value", ValueType::Variant, Own, [](Control& c) { return Self(c).Value(); },
                     [](Control& c, const Variant& v) { Self(c).SetValue(v); }}
            .Saved(Variant::Integer(0)),
        PropertyInfo{"PictureMode", ValueType::Long, Own,
                     [](Control& c) { return Variant::Long(Self(c).PictureMode()); },
                     [](Control& c, const Variant& v) {
                         WithLong(v, [&](std::int32_t x) { Self(c).SetPictureMode(x); });
                     }}
            .Takes(kPicStyles2Enum)
            .Saved(Variant::Long(DefaultStyle)),
    };
}

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelFill>::TimerInvoke(),
    };
}

std::vector<EventInfo> Events() {
    return KeyMouseEvents<NuvelFill::Event>(MouseArgs());
}

InterfaceTable MakeTable() {
    InterfaceTable t;
    t.className = "NuvelFill";
    t.library = "nuvset2";
    t.typeLibrary = "Nuvelkit4";
    t.designWidth = 200; // a default-style horizontal bar
    t.designHeight = 42;
    t.designBackColor = 0x000000;
    t.designForeColor = kButtonText;
    t.properties = Properties();
    t.methods = Methods();
    t.events = Events();
    // Picture1: the visible inside of the bar, black until painted.
    t.children = {{"Picture1", ChildKind::PictureBox, 1, true, 0x000000}};
    t.resources = &Nuvset2Resources();
    t.create = [](Host& host) -> std::unique_ptr<Control> {
        return std::make_unique<NuvelFill>(host);
    };
    return t;
}

} // namespace

const InterfaceTable& NuvelFillInterface() {
    static const InterfaceTable table = MakeTable();
    return table;
}

} // namespace nk
