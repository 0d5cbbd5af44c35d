// NuvelCommand's rows of the gallery: every background, the generated gradients, a picture
// of the user's own, each picture mode, the interaction states and the caption's options.
#include "tools/gallery.h"

#include "framework/pic_styles.h"
#include "set1/command/nuvel_command.h"

#include <array>
#include <cmath>
#include <string>

namespace nk {

namespace {

using gallery::CellOptions;
using gallery::Row;
using gallery::Section;

constexpr OleColor kWhite = 0xFFFFFF;

CellOptions Size(int w, int h) {
    CellOptions options;
    options.width = w;
    options.height = h;
    return options;
}

const CellOptions kDesignSize = Size(250, 100);
const CellOptions kWide = Size(300, 120);

Variant Long(std::int32_t v) {
    return Variant::Long(v);
}
Variant Bool(bool v) {
    return Variant::Boolean(ToVBool(v));
}
Variant Color(OleColor c) {
    return Variant::Double(c);
}
Variant Pic(Image image, std::string name) {
    return Variant::OfPicture(MakePicture(std::move(image), std::move(name)));
}

// A readable caption: white, bold, a little larger than the container's font.
void Dress(ControlSite& site, const std::string& caption) {
    site.Set("Font", Variant::OfFont(Font{"Arial", 11, true}));
    site.Set("ForeColor", Color(kWhite));
    site.Set("Caption", Variant::String(caption));
}

// A round badge for the side icons: a disc in `color` with a white ring, on `back`.
Image Badge(int size, std::uint32_t color, std::uint32_t back) {
    Image image(size, size, back);
    const double c = (size - 1) / 2.0;
    const double r = size / 2.0 - 1;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x - c, y - c);
            if (d <= r - 3)
                image.At(x, y) = color;
            else if (d <= r)
                image.At(x, y) = 0xFFFFFFFF;
        }
    return image;
}

void WithIcons(ControlSite& site) {
    site.Set("SideIcon", Pic(Badge(24, 0xFF20A040, 0xFF103050), "go"));
    site.Set("RSideIcon", Pic(Badge(24, 0xFFD04020, 0xFF103050), "stop"));
    site.Set("SideIconHeight", Variant::Single(24));
    site.Set("RSideIconHeight", Variant::Single(24));
    site.Set("RSideIconWidth", Variant::Single(24));
}

void AddBackgrounds(Section& section) {
    static constexpr std::array<const char*, 8> kNames = {
        "NKSpiralRainbow", "NKCyanWater",      "NKBlueBubblyWater",  "NKAuroraZone",
        "NKGreenWater",    "NKTriColorTemple", "NKUnderwaterClouds", "NKLollipopLand"};
    Row& row = section.AddRow("BackPicture 0-7: the built-in backgrounds");
    for (int i = 0; i < static_cast<int>(kNames.size()); ++i)
        row.AddControl(std::to_string(i) + " " + kNames[i], NuvelCommandInterface(), kDesignSize,
                       [i](ControlSite& site) {
                           Dress(site, kNames[i] + 2);
                           site.Set("BackPicture", Long(i));
                       });
}

void AddGeneratedPictures(Section& section) {
    Row& row = section.AddRow("BackPicture 8 and 9: generated gradients; 10: a picture of the "
                              "user's own");
    const auto gradient = [](int back, auto&& tune) {
        return [back, tune](ControlSite& site) {
            Dress(site, back == NKPictureX1 ? "Picture X1" : "Picture X2");
            tune(site);
            site.Set("BackPicture", Long(back));
        };
    };
    const auto none = [](ControlSite&) {};
    row.AddControl("8 NKPictureX1", NuvelCommandInterface(), kDesignSize, gradient(8, none));
    row.AddControl("9 NKPictureX2", NuvelCommandInterface(), kDesignSize, gradient(9, none));
    row.AddControl("X1, wide: filled boxes", NuvelCommandInterface(), Size(300, 100),
                   gradient(8, none));
    row.AddControl(
        "X1 inverted", NuvelCommandInterface(), kDesignSize,
        gradient(8, [](ControlSite& site) { site.Set("GradientInverted", Bool(true)); }));
    row.AddControl("X2, dividends 1 / 3 / 4", NuvelCommandInterface(), kDesignSize,
                   gradient(9, [](ControlSite& site) {
                       site.Set("GradientRedDividend", Variant::Single(1));
                       site.Set("GradientGreenDividend", Variant::Single(3));
                       site.Set("GradientBlueDividend", Variant::Single(4));
                   }));
    row.AddControl("X1, brightness 50", NuvelCommandInterface(), kDesignSize,
                   gradient(8, [](ControlSite& site) {
                       site.Set("GradientBrightness", Variant::Single(50));
                   }));
    row.AddControl(
        "10 NKCustomPicture", NuvelCommandInterface(), kDesignSize, [](ControlSite& site) {
            Dress(site, "Custom picture");
            site.Set("PictureNormal",
                     Pic(gallery::PatternImage(250, 100, 0x804020, 0xC07030), "stripes"));
            site.Set("BackPicture", Long(NKCustomPicture));
        });
}

void AddPictureModes(Section& section) {
    static constexpr std::array<const char*, 6> kModes = {"DefaultStyle",      "RescaleToEdges",
                                                          "RescaleWhenNeeded", "HalfSize",
                                                          "DoubleSize",        "OneAndHalfSize"};
    Row& row = section.AddRow("PictureMode, on a 300 x 120 button (NKAuroraZone)");
    for (int mode = 0; mode < static_cast<int>(kModes.size()); ++mode)
        row.AddControl(std::to_string(mode) + " " + kModes[mode], NuvelCommandInterface(), kWide,
                       [mode](ControlSite& site) {
                           Dress(site, kModes[mode]);
                           site.Set("BackPicture", Long(NKAuroraZone));
                           site.Set("PictureMode", Long(mode));
                       });
    row.AddControl("RescaleWhenNeeded, 200 x 80", NuvelCommandInterface(), Size(200, 80),
                   [](ControlSite& site) {
                       Dress(site, "Smaller");
                       site.Set("BackPicture", Long(NKAuroraZone));
                       site.Set("PictureMode", Long(RescaleWhenNeeded));
                   });
}

void AddStates(Section& section) {
    Row& row = section.AddRow("States");
    const auto state = [](const char* caption, auto&& act) {
        return [caption, act](ControlSite& site) {
            Dress(site, caption);
            site.Set("BackPicture", Long(NKCyanWater));
            act(site);
        };
    };
    row.AddControl("normal (CoolButton: no border)", NuvelCommandInterface(), kDesignSize,
                   state("Normal", [](ControlSite&) {}));
    row.AddControl("hovered, with the glow", NuvelCommandInterface(), kDesignSize,
                   state("Hovered", [](ControlSite& site) { site.MouseMove(0, 0, 40, 40); }));
    row.AddControl("pressed", NuvelCommandInterface(), kDesignSize,
                   state("Pressed", [](ControlSite& site) {
                       site.MouseMove(0, 0, 40, 40);
                       site.MouseDown(1, 0, 40, 40);
                   }));
    row.AddControl("pressed, PictureGoDown", NuvelCommandInterface(), kDesignSize,
                   state("Pressed", [](ControlSite& site) {
                       site.Set("PictureGoDown", Bool(true));
                       site.MouseDown(1, 0, 40, 40);
                   }));
    row.AddControl("focused, ShowFocus", NuvelCommandInterface(), kDesignSize,
                   state("Focused", [](ControlSite& site) {
                       site.Set("ShowFocus", Bool(true));
                       site.GotFocus();
                   }));
    row.AddControl(
        "CoolButton off: raised frame", NuvelCommandInterface(), kDesignSize,
        state("Classic", [](ControlSite& site) { site.Set("CoolButton", Bool(false)); }));
    row.AddControl("green glow (CoolGlowColor)", NuvelCommandInterface(), kDesignSize,
                   state("Green glow", [](ControlSite& site) {
                       site.Set("CoolGlowColor", Color(0x00A000));
                       site.MouseMove(0, 0, 40, 40);
                   }));
    row.AddControl("disabled, new (empty PictureDisabled)", NuvelCommandInterface(), kDesignSize,
                   state("Disabled", [](ControlSite& site) { site.Set("Enabled", Bool(false)); }));
    row.AddControl("disabled, bitmap 601", NuvelCommandInterface(), kDesignSize,
                   state("Disabled", [](ControlSite& site) {
                       site.Set("PictureDisabled", Variant::OfPicture(nullptr));
                       site.Set("Enabled", Bool(false));
                   }));
    row.AddControl("disabled, own PictureDisabled", NuvelCommandInterface(), kDesignSize,
                   state("Disabled", [](ControlSite& site) {
                       site.Set("PictureDisabled",
                                Pic(gallery::PatternImage(250, 100, 0x909090, 0xA8A8A8), "gray"));
                       site.Set("Enabled", Bool(false));
                   }));
}

void AddCaptions(Section& section) {
    Row& row = section.AddRow("Caption: shadow, side icons, several lines, fonts");
    row.AddControl("HasShadow", NuvelCommandInterface(), kDesignSize, [](ControlSite& site) {
        Dress(site, "With a shadow");
        site.Set("BackPicture", Long(NKGreenWater));
        site.Set("HasShadow", Bool(true));
        site.Set("ShadowColor", Color(0x202020));
        site.Paint();
    });
    row.AddControl("SideIcon and RSideIcon", NuvelCommandInterface(), kDesignSize,
                   [](ControlSite& site) {
                       Dress(site, "Icons");
                       site.Set("BackPicture", Long(NKBlueBubblyWater));
                       WithIcons(site);
                   });
    row.AddControl("shadow and icons, pressed", NuvelCommandInterface(), kDesignSize,
                   [](ControlSite& site) {
                       Dress(site, "Pressed");
                       site.Set("BackPicture", Long(NKBlueBubblyWater));
                       WithIcons(site);
                       site.Set("HasShadow", Bool(true));
                       site.MouseDown(1, 0, 40, 40);
                   });
    row.AddControl("AllowMultiLine, AdjustTop 20", NuvelCommandInterface(), kDesignSize,
                   [](ControlSite& site) {
                       Dress(site, "A longer caption that wraps onto a second line");
                       site.Set("BackPicture", Long(NKUnderwaterClouds));
                       site.Set("AllowMultiLine", Bool(true));
                       site.Set("AdjustTop", Long(20));
                       site.Paint();
                   });
    row.AddControl(
        "italic, underlined, access key", NuvelCommandInterface(), kDesignSize,
        [](ControlSite& site) {
            Dress(site, "&Save changes");
            site.Set("Font", Variant::OfFont(Font{"Times New Roman", 14, false, true, true}));
            site.Set("BackPicture", Long(NKLollipopLand));
            site.Set("ShortCutKey", Variant::String("s"));
        });
    row.AddControl("as placed: the container's font, black", NuvelCommandInterface(), kDesignSize);
}

void AddCommandRows(Section& section) {
    AddBackgrounds(section);
    AddGeneratedPictures(section);
    AddPictureModes(section);
    AddStates(section);
    AddCaptions(section);
}

const gallery::Registration kRegistration{"NuvelCommand", 10, &AddCommandRows};

} // namespace

} // namespace nk
