// NuvelFill's interface: `_NuvelFill` in its order, the events of `__NuvelFill`, the
// child picture box Picture1 and the design-time settings.
#include "framework/class_table.h"
#include "framework/member_rows.h"
#include "framework/pic_styles.h"
#include "framework/shared_rows.h"
#include "resources/resource_tables.h"
#include "set2/fill/nuvel_fill.h"

namespace nk {

// Each row gives its place in InitProperties (Init), and in ReadProperties and
// WriteProperties (Kept). The colours and the font are Picture1's, read and written by the
// control itself; a bag without CaptionStyle gives no caption at all, unlike a new bar.
std::vector<PropertyInfo> NuvelFill::Rows() {
    using C = NuvelFill;
    using K = KeptPicture;
    constexpr Via kSetter = Via::Setter;
    const Variant noPicture = Variant::OfPicture(nullptr);
    return {
        NK_SURFACE_ROW(C, Color, BackColor)
            .Help("The colour of the bar's empty part when no PictureBack is assigned.")
            .Saved(Variant::Double(0x000000)),
        NK_SURFACE_ROW(C, Color, ForeColor)
            .Help("The colour of the text.")
            .Saved(Variant::Double(0xFFFFFF)),
        NK_OWN_ROW(C, String, Caption, caption_)
            .Help("Text shown instead of the percentage when not empty.")
            .Saved(Variant::String(""))
            .Kept(12, 16),
        NK_OWN_ROW(C, Long, CaptionStyle, captionStyle_)
            .Help("Where the text goes: none, in front of the fill or behind it.")
            .Takes(kFillCaptionStyleEnum)
            .Saved(Variant::Long(NoCaption))
            .Init(14, Variant::Long(CaptionInFront))
            .Kept(10, 15),
        NK_SURFACE_ROW(C, Long, BorderStyle)
            .Help("The border of the control: none or a single line.")
            .Takes(kFillBorderStyleEnum)
            .Saved(Variant::Integer(0))
            .WrittenAs(ValueType::Integer)
            .Kept(2, 2),
        SharedRows<C>::Font().Help("The font of the text."),
        SharedRows<C>::Enabled()
            .Help("Whether the control takes input; a disabled bar paints the disabled fill.")
            .Init(2)
            .Kept(3, 3),
        NK_OWN_ROW(C, Picture, MouseIcon, mouseIcon_)
            .Help("A custom mouse pointer picture, stored and saved only.")
            .Saved(Variant::OfPicture(nullptr))
            .Init(3, Initial::EmptyPicture)
            .Kept(4, 4),
        NK_OWN_ROW(C, Integer, MousePointer, mousePointer_)
            .Help("A mouse pointer type, stored and saved only.")
            .Saved(Variant::Integer(0))
            .Init(4)
            .Kept(5, 5),
        StoredIn<ValueType::Long, C, &C::nuvelFill_>(
            AccessorRow<ValueType::Long, MemberKind::Own, &C::GetNuvelFill, &C::SetNuvelFill>(
                "NuvelFill", "The fill style: one of eight built-in fills, or PictureFill."))
            .Takes(kFillTypeEnum)
            .Saved(Variant::Long(NKGreenFill))
            .Init(5)
            .Kept(6, 6),
        NK_PICTURE_ROW(C, PictureBack, &C::back_, &K::picture)
            .Help("The picture of the bar's empty part.")
            .Init(9, noPicture, kSetter)
            .Kept(13, 11),
        NK_PICTURE_ROW(C, PictureDisabled, &C::disabled_, &K::picture)
            .Help("The fill picture while the control is disabled.")
            .Init(13, noPicture, kSetter)
            .Kept(15, 12),
        NK_PICTURE_ROW(C, PictureFill, &C::fill_, &K::picture)
            .Help("The fill picture for NKCustomPicture.")
            .Init(10, noPicture, kSetter)
            .Kept(14, 10),
        NK_PICTURE_ROW(C, PictureLeftEdge, &C::leftEdge_, &K::picture)
            .Help("The left cap of the bar, or its top cap when vertical.")
            .Init(11, noPicture, kSetter)
            .Kept(16, 13),
        NK_PICTURE_ROW(C, PictureRightEdge, &C::rightEdge_, &K::picture)
            .Help("The right cap of the bar, or its bottom cap when vertical.")
            .Init(12, noPicture, kSetter)
            .Kept(17, 14),
        NK_OWN_ROW(C, Long, FillOrientation, fillOrientation_)
            .Help("The direction of the bar: horizontal or vertical.")
            .Takes(kOrientationEnum)
            .Saved(Variant::Long(NKHorizontal))
            .Init(7)
            .Kept(8, 8),
        // Any variant, kept as stored.
        PropertyInfo{"Value", ValueType::Variant, MemberKind::Own,
                     [](Control& c) { return static_cast<C&>(c).Value(); },
                     [](Control& c, const Variant& v) { static_cast<C&>(c).SetValue(v); }}
            .Help("The amount filled, in percent of the bar's length.")
            .Saved(Variant::Integer(0))
            .Init(6)
            .Kept(7, 7)
            .StoredBy([](Control& c, const Variant& v) { static_cast<C&>(c).value_ = v; }),
        NK_OWN_ROW(C, Long, PictureMode, pictureMode_)
            .Help("The bar's thickness and cap size.")
            .Takes(kPicStyles2Enum)
            .Saved(Variant::Long(DefaultStyle))
            .Init(8)
            .Kept(9, 9),
    };
}

namespace {

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelFill>::InertTimerInvoke(
            "The kit's timer entry point; the bar has nothing to animate."),
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
        NuvelFill::Rows(), Methods(), Events(),
        // Picture1: the visible inside of the bar, black until painted.
        {{"Picture1", ChildKind::PictureBox, 1, true, 0x000000}}, Nuvset2Resources());
    return table;
}

} // namespace nk
