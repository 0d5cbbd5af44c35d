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
    return {
        NK_SURFACE_ROW(NuvelFill, Color, BackColor).Saved(Variant::Double(0x000000)),
        NK_SURFACE_ROW(NuvelFill, Color, ForeColor).Saved(Variant::Double(0xFFFFFF)),
        NK_OWN_ROW(NuvelFill, String, Caption).Saved(Variant::String("")),
        NK_OWN_ROW(NuvelFill, Long, CaptionStyle)
            .Takes(kFillCaptionStyleEnum)
            .Saved(Variant::Long(NoCaption)),
        NK_SURFACE_ROW(NuvelFill, Long, BorderStyle)
            .Takes(kFillBorderStyleEnum)
            .Saved(Variant::Integer(0)),
        SharedRows<NuvelFill>::Font(),
        SharedRows<NuvelFill>::Enabled(),
        NK_OWN_ROW(NuvelFill, Picture, MouseIcon).Saved(Variant::OfPicture(nullptr)),
        NK_OWN_ROW(NuvelFill, Integer, MousePointer).Saved(Variant::Integer(0)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelFill::GetNuvelFill,
                    &NuvelFill::SetNuvelFill>("NuvelFill")
            .Takes(kFillTypeEnum)
            .Saved(Variant::Long(NKGreenFill)),
        PictureRow<&NuvelFill::PictureBack, &NuvelFill::SetPictureBack>("PictureBack"),
        PictureRow<&NuvelFill::PictureDisabled, &NuvelFill::SetPictureDisabled>("PictureDisabled"),
        PictureRow<&NuvelFill::PictureFill, &NuvelFill::SetPictureFill>("PictureFill"),
        PictureRow<&NuvelFill::PictureLeftEdge, &NuvelFill::SetPictureLeftEdge>("PictureLeftEdge"),
        PictureRow<&NuvelFill::PictureRightEdge, &NuvelFill::SetPictureRightEdge>(
            "PictureRightEdge"),
        NK_OWN_ROW(NuvelFill, Long, FillOrientation)
            .Takes(kOrientationEnum)
            .Saved(Variant::Long(NKHorizontal)),
        PropertyInfo{"Value", ValueType::Variant, MemberKind::Own,
                     [](Control& c) { return Self(c).Value(); },
                     [](Control& c, const Variant& v) { Self(c).SetValue(v); }}
            .Saved(Variant::Integer(0)),
        NK_OWN_ROW(NuvelFill, Long, PictureMode)
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
