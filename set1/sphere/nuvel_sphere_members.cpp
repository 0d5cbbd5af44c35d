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
        S::Enabled()
            .Help("Whether the control takes input; disabled, it shows PictureDisabled or its "
                  "disabled look.")
            .Kept(1, 1),
        S::MouseIcon()
            .Help("A custom mouse pointer picture shown over the control.")
            .Kept(2, 2, kSetter),
        S::MousePointer().Help("The type of mouse pointer shown over the control.").Kept(3, 3),
        NK_OWN_ROW(C, Long, SphereType, sphereType_)
            .Help("The built-in sphere skin, or nvlSphereCustom for the user's own pictures.")
            .Takes(kSphereTypeEnum)
            .Saved(Variant::Long(NvlSphereRings))
            .Init(1)
            .Kept(4, 4),
        NK_OWN_ROW(C, Long, ContentType, contentType_)
            .Help("What the sphere shows on its face: nothing, ContentIcon or ContentLetter.")
            .Takes(kSphereContentTypeEnum)
            .Saved(Variant::Long(NvlCntNone))
            .Init(2)
            .Kept(5, 5),
        NK_OWN_ROW(C, Picture, ContentIcon, contentIcon_)
            .Help("The icon drawn on the sphere when ContentType is NvlCntIcon.")
            .Saved(Variant::OfPicture(nullptr))
            .Init(3, Initial::EmptyPicture)
            .Kept(6, 6),
        NK_OWN_ROW(C, String, ContentLetter, contentLetter_)
            .Help("The text drawn centred on the sphere when ContentType is NvlCntLetter.")
            .Saved(Variant::String("0"))
            .Init(4)
            .Kept(7, 7),
        S::Font()
            .Help("The font of ContentLetter.")
            .Init(5, Initial::AmbientFont)
            .Kept(8, 8, kSetter),
        NK_SURFACE_ROW(C, Color, ForeColor)
            .Help("The colour of ContentLetter.")
            .Saved(Variant::Double(kButtonText))
            .Kept(9, 9),
        NK_OWN_ROW(C, Long, IconSize, iconSize_)
            .Help("The size ContentIcon is drawn at.")
            .Takes(kSphereIconSizeEnum)
            .Saved(Variant::Long(NvlSphrIconUnknown))
            .Init(6)
            .Kept(10, 10),
        S::PictureNormal<&C::faces_, &F::normal>()
            .Help("Custom face at rest.")
            .Init(10, Initial::EmptyPicture)
            .Kept(14, 12),
        S::PictureOver<&C::faces_, &F::over>()
            .Help("Custom face while the pointer is over the control.")
            .Init(8, Initial::EmptyPicture)
            .Kept(12, 13),
        S::PictureOver2<&C::faces_, &F::over2>()
            .Help("Custom face shown when the pointer has just left the control.")
            .Kept(13, 14),
        S::PicturePushed<&C::faces_, &F::pushed>()
            .Help("Custom face while the control is pressed.")
            .Init(9, Initial::EmptyPicture)
            .Kept(15, 15),
        S::PictureDisabled<&C::faces_, &F::disabled>()
            .Help("The face while the control is disabled.")
            .Init(11, Initial::EmptyPicture)
            .Kept(16, 16),
        S::PictureMode<&C::pictureMode_>().Help("The control's size and shape mode.").Kept(18, 18),
        NK_OWN_ROW(C, Boolean, UseAnimation, useAnimation_)
            .Help("Lets TimerInvoke step the roll-over faces of the custom sphere.")
            .Saved(Variant::Boolean(kTrue))
            .Kept(19, 19),
        S::UseOnTop<&C::useOnTop_>()
            .Help("Shows the roll-over pictures PictureOver and PictureOver2 on the custom sphere.")
            .Kept(20, 20),
        S::ShortCutKey<&C::shortCutKey_>()
            .Help("The access keys that click the control.")
            .Kept(21, 21),
        S::CoolGlowColor<&C::coolGlowColor_>()
            .Help("A stored glow colour that the sphere's drawing does not use.")
            .Init(13)
            .Kept(24, 24),
        S::CoolUseGlow<&C::coolUseGlow_>()
            .Help("A stored glow switch that the sphere's drawing does not use.")
            .Init(14)
            .Kept(25, 25),
        NK_FIELD_ROW(C, Color, FocusColor)
            .Help("The colour of the focus mark.")
            .Saved(Variant::Double(0xFFFFFF))
            .Init(12)
            .Kept(17, 17),
        S::ShowFocus()
            .Help("Draws the focus mark while the control has the focus.")
            .Init(7)
            .Kept(11, 11),
        S::UseSound()
            .Help("Plays a sound when the control is pressed and another when it is released.")
            .Kept(22, 22),
        S::SoundMethod()
            .Help("0 plays the built-in sounds; any other value raises PlaySound instead.")
            .Kept(23, 23),
    };
}

namespace {

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelSphere>::AboutMe("Shows the about dialog."),
        SharedRows<NuvelSphere>::TimerInvoke("One roll-over animation tick of the custom sphere."),
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
