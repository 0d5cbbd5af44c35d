// NuvelPad's rows of the gallery: the three pads at rest, each arrow held, the status lights
// in each combination, and the sizes the picture modes give.
#include "tools/gallery.h"

#include "framework/pic_styles.h"
#include "set2/pad/nuvel_pad.h"

#include <array>
#include <string>

namespace nk {

namespace {

using gallery::Row;
using gallery::Section;

constexpr std::array<const char*, 3> kStyles = {"NuvlMilitaryDir", "NuvlAquaishDir",
                                                "NuvlElectronicDir"};

void Style(ControlSite& site, int style) {
    site.Set("NuvelStyle", Variant::Long(style));
}

void AddAtRest(Section& section) {
    Row& row = section.AddRow("NuvelStyle 0-2 at rest");
    for (int style = 0; style < 3; ++style)
        row.AddControl(std::to_string(style) + " " + kStyles[style], NuvelPadInterface(), {},
                       [style](ControlSite& site) { Style(site, style); });
}

void AddHeldArrows(Section& section) {
    static constexpr std::array<const char*, 4> kForce = {"ForceLeft", "ForceRight", "ForceUp",
                                                          "ForceDown"};
    for (int style = 0; style < 3; ++style) {
        Row& row = section.AddRow(std::string("Each arrow held: ") + kStyles[style]);
        for (const char* method : kForce)
            row.AddControl(method, NuvelPadInterface(), {}, [style, method](ControlSite& site) {
                Style(site, style);
                site.Call(method, {});
            });
    }
}

void AddLights(Section& section) {
    static constexpr std::array<std::array<std::int16_t, 2>, 4> kLights = {
        {{0, 0}, {1, 0}, {0, 1}, {1, 1}}};
    for (int style = 0; style < 3; ++style) {
        Row& row = section.AddRow(std::string("StatusLight1 and StatusLight2: ") + kStyles[style]);
        for (const auto& lights : kLights)
            row.AddControl(std::to_string(lights[0]) + " and " + std::to_string(lights[1]),
                           NuvelPadInterface(), {}, [style, lights](ControlSite& site) {
                               Style(site, style);
                               site.Set("StatusLight1", Variant::Integer(lights[0]));
                               site.Set("StatusLight2", Variant::Integer(lights[1]));
                           });
    }
}

void AddSizes(Section& section) {
    Row& row = section.AddRow("PictureMode: the size it gives (the skin is never scaled)");
    const std::array<std::pair<const char*, std::int32_t>, 3> modes = {
        {{"3 HalfSize: 150 x 60", HalfSize},
         {"4 DoubleSize: 150 x 240", DoubleSize},
         {"5 OneAndHalfSize: 150 x 180", OneAndHalfSize}}};
    for (int style = 0; style < 3; ++style)
        for (const auto& mode : modes)
            row.AddControl(std::string(mode.first) + ", " + std::to_string(style),
                           NuvelPadInterface(), {},
                           [style, value = mode.second](ControlSite& site) {
                               Style(site, style);
                               site.Set("PictureMode", Variant::Long(value));
                               site.Call("ForceDown", {});
                           });
    // The free modes leave the size to the container; the mask ends with the skin.
    row.AddControl("1 RescaleToEdges, given 170 x 140", NuvelPadInterface(), {},
                   [](ControlSite& site) {
                       site.Set("PictureMode", Variant::Long(RescaleToEdges));
                       site.SetSize(170, 140);
                   });
}

void AddPadRows(Section& section) {
    AddAtRest(section);
    AddHeldArrows(section);
    AddLights(section);
    AddSizes(section);
}

const gallery::Registration kRegistration{"NuvelPad", 80, &AddPadRows};

} // namespace

} // namespace nk
