// NuvelFill's interface: `_NuvelFill` in its order, the events of `__NuvelFill`, the
// child picture box Picture1 and the design-time settings.
#include "framework/class_table.h"
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

std::vector<PropertyInfo> Properties() {
    using enum MemberKind;
    return {
        AccessorRow<ValueType::Color, MemberKind::Surface, &NuvelFill::BackColor,
                    &NuvelFill::SetBackColor>("BackColor")
            .Saved(Variant::Double(0x000000)),
        AccessorRow<ValueType::Color, MemberKind::Surface, &NuvelFill::ForeColor,
                    &NuvelFill::SetForeColor>("ForeColor")
            .Saved(Variant::Double(0xFFFFFF)),
        AccessorRow<ValueType::String, MemberKind::Own, &NuvelFill::Caption,
                    &NuvelFill::SetCaption>("Caption")
            .Saved(Variant::String("")),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelFill::CaptionStyle,
                    &NuvelFill::SetCaptionStyle>("CaptionStyle")
            .Takes(kFillCaptionStyleEnum)
            .Saved(Variant::Long(NoCaption)),
        AccessorRow<ValueType::Long, MemberKind::Surface, &NuvelFill::BorderStyle,
                    &NuvelFill::SetBorderStyle>("BorderStyle")
            .Takes(kFillBorderStyleEnum)
            .Saved(Variant::Integer(0)),
        SharedRows<NuvelFill>::Font(),
        SharedRows<NuvelFill>::Enabled(),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelFill::MouseIcon,
                    &NuvelFill::SetMouseIcon>("MouseIcon")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Integer, MemberKind::Own, &NuvelFill::MousePointer,
                    &NuvelFill::SetMousePointer>("MousePointer")
            .Saved(Variant::Integer(0)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelFill::GetNuvelFill,
                    &NuvelFill::SetNuvelFill>("NuvelFill")
            .Takes(kFillTypeEnum)
            .Saved(Variant::Long(NKGreenFill)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelFill::PictureBack,
                    &NuvelFill::SetPictureBack>("PictureBack")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelFill::PictureDisabled,
                    &NuvelFill::SetPictureDisabled>("PictureDisabled")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelFill::PictureFill,
                    &NuvelFill::SetPictureFill>("PictureFill")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelFill::PictureLeftEdge,
                    &NuvelFill::SetPictureLeftEdge>("PictureLeftEdge")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Picture, MemberKind::Own, &NuvelFill::PictureRightEdge,
                    &NuvelFill::SetPictureRightEdge>("PictureRightEdge")
            .Saved(Variant::OfPicture(nullptr)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelFill::FillOrientation,
                    &NuvelFill::SetFillOrientation>("FillOrientation")
            .Takes(kOrientationEnum)
            .Saved(Variant::Long(NKHorizontal)),
        PropertyInfo{"Value", ValueType::Variant, Own, [](Control& c) { return Self(c).Value(); },
                     [](Control& c, const Variant& v) { Self(c).SetValue(v); }}
            .Saved(Variant::Integer(0)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelFill::PictureMode,
                    &NuvelFill::SetPictureMode>("PictureMode")
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

} // namespace

const InterfaceTable& NuvelFillInterface() {
    static const InterfaceTable table = MakeInterfaceTable<NuvelFill>(
        {.className = "NuvelFill",
         .library = "nuvset2",
         .typeLibrary = "Nuvelkit4",
         // A default-style horizontal bar.
         .designWidth = 200,
         .designHeight = 42,
         .designBackColor = 0x000000,
         .designForeColor = kButtonText},
        Properties(), Methods(), Events(),
        // Picture1: the visible inside of the bar, black until painted.
        {{"Picture1", ChildKind::PictureBox, 1, true, 0x000000}}, Nuvset2Resources());
    return table;
}

} // namespace nk
