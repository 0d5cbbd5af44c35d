// NuvelScreen's rows of the gallery: the green, cyan and blue frames at a small size (where
// some edges do not fit yet), at the design size and at a large size, then the custom type
// and the single-line border.
#include "tools/gallery.h"

#include "host/forms/json_bag.h"
#include "host/hosts/compose.h"
#include "set1/screen/nuvel_screen.h"

#include <array>
#include <string>

namespace nk {

namespace {

using gallery::CellOptions;
using gallery::Section;

CellOptions Size(int w, int h) {
    CellOptions options;
    options.width = w;
    options.height = h;
    return options;
}

struct SchemeCell {
    const char* label;
    std::int32_t type;
};

constexpr std::array<SchemeCell, 3> kSchemes = {{
    {"Green", NKGreenScreen},
    {"Cyan", NKCyanScreen},
    {"Blue", NKBlueScreen},
}};

void SchemeRow(Section& section, const std::string& label, int w, int h) {
    auto& row = section.AddRow(label + " (" + std::to_string(w) + " x " + std::to_string(h) + ")");
    for (const auto& scheme : kSchemes) {
        row.AddControl(scheme.label, NuvelScreenInterface(), Size(w, h),
                       [type = scheme.type](ControlSite& site) {
                           site.Set("ScreenType", Variant::Long(type));
                       });
    }
}

// A screen loaded from a bag that holds the custom type: it draws nothing at all, so the
// surface keeps its plain design background.
Image LoadedAsCustom(int w, int h) {
    ControlSite::Options options;
    options.width = w;
    options.height = h;
    ControlSite site(NuvelScreenInterface(), options);
    JsonBag bag;
    bag.Store("ScreenType", Variant::Long(NKCustomScreen));
    site.ReadProperties(bag);
    site.Resize();
    site.Paint();
    return Compose(site.host());
}

void AddRows(Section& section) {
    SchemeRow(section, "Small", 200, 120);
    SchemeRow(section, "Medium", 320, 256);
    SchemeRow(section, "Large", 410, 320);

    auto& other = section.AddRow("Other settings");
    other.AddImage("Loaded as custom: no frame", LoadedAsCustom(200, 120));
    other.AddControl(
        "Custom set over green: the frame stays", NuvelScreenInterface(), Size(200, 120),
        [](ControlSite& site) { site.Set("ScreenType", Variant::Long(NKCustomScreen)); });
    other.AddControl("Border style 1", NuvelScreenInterface(), Size(200, 120),
                     [](ControlSite& site) {
                         site.Set("ScreenType", Variant::Long(NKBlueScreen));
                         site.Set("BorderStyle", Variant::Integer(1));
                     });
}

const gallery::Registration kRegistration{"NuvelScreen", 50, &AddRows};

} // namespace

} // namespace nk
