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
        NK_OWN_ROW(NuvelSphere, Long, SphereType)
            .Takes(kSphereTypeEnum)
            .Saved(Variant::Long(NvlSphereRings)),
        NK_OWN_ROW(NuvelSphere, Long, ContentType)
            .Takes(kSphereContentTypeEnum)
            .Saved(Variant::Long(NvlCntNone)),
        NK_OWN_ROW(NuvelSphere, Picture, ContentIcon).Saved(Variant::OfPicture(nullptr)),
        NK_OWN_ROW(NuvelSphere, String, ContentLetter).Saved(Variant::String("0")),
        SharedRows<NuvelSphere>::Font(),
        NK_SURFACE_ROW(NuvelSphere, Color, ForeColor).Saved(Variant::Double(kButtonText)),
        NK_OWN_ROW(NuvelSphere, Long, IconSize)
            .Takes(kSphereIconSizeEnum)
            .Saved(Variant::Long(NvlSphrIconUnknown)),
        SharedRows<NuvelSphere>::PictureNormal(),
        SharedRows<NuvelSphere>::PictureOver(),
        SharedRows<NuvelSphere>::PictureOver2(),
        SharedRows<NuvelSphere>::PicturePushed(),
        SharedRows<NuvelSphere>::PictureDisabled(),
        SharedRows<NuvelSphere>::PictureMode(),
        NK_OWN_ROW(NuvelSphere, Boolean, UseAnimation).Saved(Variant::Boolean(kTrue)),
        SharedRows<NuvelSphere>::UseOnTop(),
        SharedRows<NuvelSphere>::ShortCutKey(),
        SharedRows<NuvelSphere>::CoolGlowColor(),
        SharedRows<NuvelSphere>::CoolUseGlow(),
        NK_FIELD_ROW(NuvelSphere, Color, FocusColor).Saved(Variant::Double(0xFFFFFF)),
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
