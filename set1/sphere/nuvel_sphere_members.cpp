// The interface of NuvelSphere as its containers see it: the members of _NuvelSphere in
// interface order, the events of __NuvelSphere by number, the child and the design-time
// settings.
#include "framework/class_table.h"
#include "framework/member_rows.h"
#include "framework/member_values.h"
#include "framework/pic_styles.h"
#include "framework/shared_rows.h"
#include "framework/sound.h"
#include "resources/resource_tables.h"
#include "set1/resource_ids.h"
#include "set1/sphere/nuvel_sphere.h"

namespace nk {

// Setters receive values already converted to the member's type. Each row gives its place
// in InitProperties (Init), and in ReadProperties and WriteProperties (Kept).
std::vector<PropertyInfo> NuvelSphere::Rows() {
    using C = NuvelSphere;
    using S = SharedRows<C>;
    using F = StatePictures;
    constexpr Via kSetter = Via::Setter;
    return {
        S::Enabled().Kept(1, 1),
        S::MouseIcon().Kept(2, 2, kSetter),
        S::MousePointer().Kept(3, 3),
        NK_OWN_ROW(C, Long, SphereType, sphereType_)
            .Takes(kSphereTypeEnum)
            .Saved(Variant::Long(NvlSphereRings))
            .Init(1)
            .Kept(4, 4),
        NK_OWN_ROW(C, Long, ContentType, contentType_)
            .Takes(kSphereContentTypeEnum)
            .Saved(Variant::Long(NvlCntNone))
            .Init(2)
            .Kept(5, 5),
        NK_OWN_ROW(C, Picture, ContentIcon, contentIcon_)
            .Saved(Variant::OfPicture(nullptr))
            .Init(3, Initial::EmptyPicture)
            .Kept(6, 6),
        NK_OWN_ROW(C, String, ContentLetter, contentLetter_)
            .Saved(Variant::String("0"))
            .Init(4)
            .Kept(7, 7),
        S::Font().Init(5, Initial::AmbientFont).Kept(8, 8, kSetter),
        NK_SURFACE_ROW(C, Color, ForeColor).Saved(Variant::Double(kButtonText)).Kept(9, 9),
        NK_OWN_ROW(C, Long, IconSize, iconSize_)
            .Takes(kSphereIconSizeEnum)
            .Saved(Variant::Long(NvlSphrIconUnknown))
            .Init(6)
            .Kept(10, 10),
        S::PictureNormal<&C::faces_, &F::normal>().Init(10, Initial::EmptyPicture).Kept(14, 12),
        S::PictureOver<&C::faces_, &F::over>().Init(8, Initial::EmptyPicture).Kept(12, 13),
        S::PictureOver2<&C::faces_, &F::over2>().Kept(13, 14),
        S::PicturePushed<&C::faces_, &F::pushed>().Init(9, Initial::EmptyPicture).Kept(15, 15),
        S::PictureDisabled<&C::faces_, &F::disabled>().Init(11, Initial::EmptyPicture).Kept(16, 16),
        S::PictureMode<&C::pictureMode_>().Kept(18, 18),
        NK_OWN_ROW(C, Boolean, UseAnimation, useAnimation_)
            .Saved(Variant::Boolean(kTrue))
            .Kept(19, 19),
        S::UseOnTop<&C::useOnTop_>().Kept(20, 20),
        S::ShortCutKey<&C::shortCutKey_>().Kept(21, 21),
        S::CoolGlowColor<&C::coolGlowColor_>().Init(13).Kept(24, 24),
        S::CoolUseGlow<&C::coolUseGlow_>().Init(14).Kept(25, 25),
        NK_FIELD_ROW(C, Color, FocusColor).Saved(Variant::Double(0xFFFFFF)).Init(12).Kept(17, 17),
        S::ShowFocus().Init(7).Kept(11, 11),
        S::UseSound().Kept(22, 22),
        S::SoundMethod().Kept(23, 23),
    };
}

namespace {

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelSphere>::AboutMe(),
        SharedRows<NuvelSphere>::TimerInvoke(),
    };
}

std::vector<EventInfo> Events() {
    return PushButtonEvents<NuvelSphere::Event>(MouseArgs("x", "y"));
}

} // namespace

const InterfaceTable& NuvelSphereInterface() {
    static const InterfaceTable table = MakeInterfaceTable<NuvelSphere>(
        {.className = "NuvelSphere",
         .library = "nuvset1",
         .typeLibrary = "Nuvelkit3",
         // A new sphere is 32 x 32 pixels and round: shaped by the normal round mask.
         .designWidth = 32,
         .designHeight = 32,
         .designForeColor = kButtonText,
         .designMask = nuvset1::kSphereMasks.natural},
        NuvelSphere::Rows(), Methods(), Events(),
        {
            // The hidden canvas on which the mask is stretched to the control.
            HiddenMaskCanvas(),
        },
        Nuvset1Resources());
    return table;
}

} // namespace nk
