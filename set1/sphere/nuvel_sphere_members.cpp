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
#include "set1/sphere/nuvel_sphere.h"

namespace nk {

namespace {

std::vector<PropertyInfo> Properties() {
    return {
        SharedRows<NuvelSphere>::Enabled(),
        SharedRows<NuvelSphere>::MouseIcon(),
        SharedRows<NuvelSphere>::MousePointer(),
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
        SharedRows<NuvelSphere>::Font(),
        AccessorRow<ValueType::Color, MemberKind::Surface, &NuvelSphere::ForeColor,
                    &NuvelSphere::SetForeColor>("ForeColor")
            .Saved(Variant::Double(kButtonText)),
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelSphere::IconSize,
                    &NuvelSphere::SetIconSize>("IconSize")
            .Takes(kSphereIconSizeEnum)
            .Saved(Variant::Long(NvlSphrIconUnknown)),
        SharedRows<NuvelSphere>::PictureNormal(),
        SharedRows<NuvelSphere>::PictureOver(),
        SharedRows<NuvelSphere>::PictureOver2(),
        SharedRows<NuvelSphere>::PicturePushed(),
        SharedRows<NuvelSphere>::PictureDisabled(),
        SharedRows<NuvelSphere>::PictureMode(),
        AccessorRow<ValueType::Boolean, MemberKind::Own, &NuvelSphere::UseAnimation,
                    &NuvelSphere::SetUseAnimation>("UseAnimation")
            .Saved(Variant::Boolean(kTrue)),
        SharedRows<NuvelSphere>::UseOnTop(),
        SharedRows<NuvelSphere>::ShortCutKey(),
        SharedRows<NuvelSphere>::CoolGlowColor(),
        SharedRows<NuvelSphere>::CoolUseGlow(),
        FieldRow<ValueType::Color, &NuvelSphere::FocusColor>("FocusColor")
            .Saved(Variant::Double(0xFFFFFF)),
        SharedRows<NuvelSphere>::ShowFocus(),
        SharedRows<NuvelSphere>::UseSound(),
        SharedRows<NuvelSphere>::SoundMethod(),
    };
}

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
         .designMask = 705},
        Properties(), Methods(), Events(),
        {
            // The hidden canvas on which the mask is stretched to the control.
            HiddenMaskCanvas(),
        },
        Nuvset1Resources());
    return table;
}

} // namespace nk
