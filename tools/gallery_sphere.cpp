// NuvelSphere's rows of the gallery: the ten built-in looks at rest and pressed, a custom
// sphere with its roll-over pictures, the icon and letter contents, the focus ring, each size
// mode and the disabled look.
#include "tools/gallery.h"

#include "framework/pic_styles.h"
#include "set1/sphere/nuvel_sphere.h"

#include <array>
#include <string>

namespace nk {

namespace {

using gallery::CellOptions;
using gallery::Section;

constexpr std::array<const char*, 10> kLooks = {
    "Rings",   "Gas Giant 1", "Gas Giant 2", "Rainbow", "Rain Flux",
    "Pixelix", "Vortex",      "Cables",      "Clouds",  "Blue",
};

CellOptions Size(int w, int h) {
    CellOptions options;
    options.width = w;
    options.height = h;
    return options;
}

// Looks are shown at 64 x 64 (DoubleSize) so that the faces can be seen.
void Double(ControlSite& site) {
    site.Set("PictureMode", Variant::Long(DoubleSize));
}

Variant Pattern(const char* name, OleColor a, OleColor b) {
    return Variant::OfPicture(MakePicture(gallery::PatternImage(64, 64, a, b), name));
}

void AddLooks(Section& section) {
    auto& rest = section.AddRow("The ten built-in looks at rest");
    auto& pressed = section.AddRow("... and pressed");
    for (int type = 0; type < static_cast<int>(kLooks.size()); ++type) {
        rest.AddControl(kLooks[type], NuvelSphereInterface(), {}, [type](ControlSite& site) {
            Double(site);
            site.Set("SphereType", Variant::Long(type));
        });
        pressed.AddControl(kLooks[type], NuvelSphereInterface(), {}, [type](ControlSite& site) {
            Double(site);
            site.Set("SphereType", Variant::Long(type));
            site.MouseDown(1, 0, 32, 32);
        });
    }
}

void AddCustom(Section& section) {
    auto& row = section.AddRow("A custom sphere: normal, over, over 2, pushed");
    const auto custom = [](ControlSite& site) {
        Double(site);
        site.Set("SphereType", Variant::Long(nvlSphereCustom));
        site.Set("UseAnimation", Variant::Boolean(kTrue));
        site.Set("UseOnTop", Variant::Boolean(kTrue));
        site.Set("PictureNormal", Pattern("normal", 0x804000, 0xC08040));
        site.Set("PictureOver", Pattern("over", 0x00A0FF, 0x60E0FF));
        site.Set("PictureOver2", Pattern("over2", 0x0060C0, 0x40A0FF));
        site.Set("PicturePushed", Pattern("pushed", 0x402000, 0x604020));
        site.Paint();
    };
    row.AddControl("normal", NuvelSphereInterface(), {}, custom);
    row.AddControl("over (moving)", NuvelSphereInterface(), {}, [custom](ControlSite& site) {
        custom(site);
        site.MouseMove(0, 0, 30, 30);
    });
    row.AddControl("over 2 (just left)", NuvelSphereInterface(), {}, [custom](ControlSite& site) {
        custom(site);
        site.MouseMove(0, 0, 30, 30);
        for (int tick = 0; tick < 5; ++tick)
            site.Call("TimerInvoke", {});
    });
    row.AddControl("pushed", NuvelSphereInterface(), {}, [custom](ControlSite& site) {
        custom(site);
        site.MouseDown(1, 0, 30, 30);
    });
}

void AddContents(Section& section) {
    auto& row = section.AddRow("Contents: icon at each IconSize, a letter, the focus ring");
    const Variant icon = Pattern("icon", 0x0000C0, 0xFFFFFF);
    const char* sizes[] = {"icon, natural size", "icon 32", "icon 24", "icon 16"};
    for (int size = 0; size < 4; ++size) {
        row.AddControl(sizes[size], NuvelSphereInterface(), {}, [size, icon](ControlSite& site) {
            Double(site);
            site.Set("SphereType", Variant::Long(NvlSphereBlue));
            site.Set("ContentIcon", icon);
            site.Set("IconSize", Variant::Long(size));
            site.Set("ContentType", Variant::Long(NvlCntIcon));
        });
    }
    row.AddControl("letter \"N\"", NuvelSphereInterface(), {}, [](ControlSite& site) {
        Double(site);
        site.Set("SphereType", Variant::Long(NvlSphereClouds));
        site.Set("Font", Variant::OfFont(Font{"Arial", 20, true}));
        site.Set("ForeColor", Variant::Double(0xFFFFFF));
        site.Set("ContentLetter", Variant::String("N"));
        site.Set("ContentType", Variant::Long(NvlCntLetter));
    });
    row.AddControl("focus ring", NuvelSphereInterface(), {}, [](ControlSite& site) {
        Double(site);
        site.Set("SphereType", Variant::Long(NvlSphereRainbow));
        site.Set("ShowFocus", Variant::Boolean(kTrue));
        site.Set("FocusColor", Variant::Double(0x00FFFF));
        site.GotFocus();
    });
}

void AddModes(Section& section) {
    auto& row = section.AddRow("Size modes and the disabled look");
    const char* modes[] = {
        "DefaultStyle", "RescaleToEdges 96 x 48", "RescaleWhenNeeded 48 x 48", "HalfSize",
        "DoubleSize",   "OneAndHalfSize"};
    for (int mode = 0; mode < 6; ++mode) {
        row.AddControl(modes[mode], NuvelSphereInterface(), {}, [mode](ControlSite& site) {
            site.Set("SphereType", Variant::Long(NvlSphereGasGiant1));
            site.Set("PictureMode", Variant::Long(mode));
            if (mode == RescaleToEdges) site.SetSize(96, 48);
            if (mode == RescaleWhenNeeded) site.SetSize(48, 48);
            site.Paint();
        });
    }
    row.AddControl("disabled", NuvelSphereInterface(), Size(32, 32), [](ControlSite& site) {
        Double(site);
        // A new sphere's PictureDisabled is an empty picture, which paints nothing: clear it
        // so that the built-in disabled face shows.
        site.Set("PictureDisabled", Variant::OfPicture(nullptr));
        site.Set("Enabled", Variant::Boolean(kFalse));
    });
}

void AddSphereRows(Section& section) {
    AddLooks(section);
    AddCustom(section);
    AddContents(section);
    AddModes(section);
}

const gallery::Registration kRegistration{"NuvelSphere", 40, &AddSphereRows};

} // namespace

} // namespace nk
