// NuvelFill's rows of the gallery: every fill style in both directions, a few values in and
// out of range, each picture mode, pictures of the user's own, the caption's places and the
// disabled bar.
#include "tools/gallery.h"

#include "framework/pic_styles.h"
#include "set2/fill/nuvel_fill.h"

#include <array>
#include <string>

namespace nk {

namespace {

using gallery::CellOptions;
using gallery::Row;
using gallery::Section;

CellOptions Size(int w, int h) {
    CellOptions options;
    options.width = w;
    options.height = h;
    return options;
}

const CellOptions kBar = Size(200, 42);
const CellOptions kTall = Size(42, 200);

Variant Long(std::int32_t v) {
    return Variant::Long(v);
}
Variant Pic(Image image, std::string name) {
    return Variant::OfPicture(MakePicture(std::move(image), std::move(name)));
}

// A readable percentage: white and bold on the dark bar.
void Dress(ControlSite& site) {
    site.Set("Font", Variant::OfFont(Font{"Arial", 9, true}));
    site.Set("ForeColor", Variant::Double(0xFFFFFF));
}

// Turns a bar upright: the orientation first, then a size that Layout keeps.
void Upright(ControlSite& site) {
    site.Set("FillOrientation", Long(NKVertical));
    site.SetSize(42, 200);
}

constexpr std::array<const char*, 8> kStyles = {"NKGreenFill",   "NKYellowFill",  "NKPurpleFill",
                                                "NKRedFill",     "NKCyanFill",    "NKBlueFill",
                                                "NKRainbowFill", "NKRainbow2Fill"};

void AddHorizontalStyles(Section& section) {
    Row& row = section.AddRow("NuvelFill 0-7, horizontal, at 35 and 80");
    for (int k = 0; k < 8; ++k)
        for (int value : {35, 80})
            row.AddControl(std::to_string(k) + " " + kStyles[k] + ", " + std::to_string(value),
                           NuvelFillInterface(), kBar, [k, value](ControlSite& site) {
                               Dress(site);
                               site.Set("NuvelFill", Long(k));
                               site.Set("Value",
                                        Variant::Integer(static_cast<std::int16_t>(value)));
                           });
}

void AddVerticalStyles(Section& section) {
    Row& row = section.AddRow("NuvelFill 0-7, vertical (FillOrientation 1), growing upwards");
    for (int k = 0; k < 8; ++k)
        row.AddControl(std::to_string(k), NuvelFillInterface(), kTall, [k](ControlSite& site) {
            Dress(site);
            Upright(site);
            site.Set("NuvelFill", Long(k));
            site.Set("Value", Variant::Integer(static_cast<std::int16_t>(20 + 10 * k)));
        });
}

void AddValues(Section& section) {
    Row& row = section.AddRow("Value: in range, beyond it, and not a number");
    const std::array<std::pair<const char*, Variant>, 7> values = {{
        {"0", Variant::Integer(0)},
        {"50", Variant::Integer(50)},
        {"100", Variant::Integer(100)},
        {"150", Variant::Integer(150)},
        {"-5", Variant::Integer(-5)},
        {"\"abc\"", Variant::String("abc")},
        {"12.5", Variant::Double(12.5)},
    }};
    for (const auto& entry : values)
        row.AddControl(std::string("Value ") + entry.first, NuvelFillInterface(), kBar,
                       [value = entry.second](ControlSite& site) {
                           Dress(site);
                           site.Set("NuvelFill", Long(NKCyanFill));
                           site.Set("Value", value);
                       });
}

void AddPictureModes(Section& section) {
    static constexpr std::array<const char*, 6> kModes = {
        "DefaultStyle",
        "RescaleToEdges (240 x 30)",
        "RescaleWhenNeeded (240 x 30, Picture1 not moved)",
        "HalfSize",
        "DoubleSize",
        "OneAndHalfSize"};
    Row& row = section.AddRow("PictureMode 0-5: the thickness and the caps");
    for (int mode = 0; mode < 6; ++mode)
        row.AddControl(std::to_string(mode) + " " + kModes[mode], NuvelFillInterface(),
                       Size(240, 30), [mode](ControlSite& site) {
                           Dress(site);
                           site.Set("NuvelFill", Long(NKBlueFill));
                           site.Set("Value", Variant::Integer(60));
                           site.Set("PictureMode", Long(mode));
                           // The free modes keep a thickness the container gives.
                           if (mode == RescaleToEdges || mode == RescaleWhenNeeded)
                               site.SetSize(240, 30);
                       });
    row.AddControl("4 DoubleSize, vertical", NuvelFillInterface(), Size(84, 240),
                   [](ControlSite& site) {
                       Dress(site);
                       site.Set("FillOrientation", Long(NKVertical));
                       site.Set("PictureMode", Long(DoubleSize));
                       site.SetSize(84, 240);
                       site.Set("NuvelFill", Long(NKRainbowFill));
                       site.Set("Value", Variant::Integer(70));
                   });
}

void AddCustomPictures(Section& section) {
    Row& row = section.AddRow("Pictures of the user's own: fill, empty part and caps");
    row.AddControl("NuvelFill 8 NKCustomPicture", NuvelFillInterface(), kBar,
                   [](ControlSite& site) {
                       Dress(site);
                       site.Set("NuvelFill", Long(NKCustomPicture));
                       site.Set("PictureFill",
                                Pic(gallery::PatternImage(10, 42, 0x0000A0FF, 0x000050C0), "fill"));
                       site.Set("Value", Variant::Integer(65));
                   });
    row.AddControl("8 without PictureFill: no fill, old text stays", NuvelFillInterface(), kBar,
                   [](ControlSite& site) {
                       Dress(site);
                       site.Set("NuvelFill", Long(NKCustomPicture));
                       site.Set("Value", Variant::Integer(65));
                   });
    row.AddControl("PictureBack", NuvelFillInterface(), kBar, [](ControlSite& site) {
        Dress(site);
        site.Set("PictureBack", Pic(gallery::PatternImage(10, 42, 0x00503020, 0x00302010), "back"));
        site.Set("Value", Variant::Integer(40));
    });
    row.AddControl("custom caps", NuvelFillInterface(), kBar, [](ControlSite& site) {
        Dress(site);
        site.Set("PictureLeftEdge",
                 Pic(gallery::PatternImage(16, 42, 0x0000C000, 0x00006000), "left"));
        site.Set("PictureRightEdge",
                 Pic(gallery::PatternImage(16, 42, 0x000000C0, 0x00000060), "right"));
        site.Set("Value", Variant::Integer(55));
    });
    row.AddControl("vertical, top cap only: built-in caps over it", NuvelFillInterface(), kTall,
                   [](ControlSite& site) {
                       Dress(site);
                       Upright(site);
                       site.Set("PictureLeftEdge",
                                Pic(gallery::PatternImage(42, 16, 0x0000C000, 0x00006000), "top"));
                       site.Set("Value", Variant::Integer(55));
                   });
}

void AddCaptions(Section& section) {
    Row& row = section.AddRow("CaptionStyle: in front (1), behind (2), none (0); a Caption");
    const std::array<std::pair<const char*, std::int32_t>, 3> styles = {
        {{"1 CaptionInFront", CaptionInFront}, {"2 CaptionInback", CaptionInback}, {"0 None", 0}}};
    for (const auto& entry : styles)
        row.AddControl(entry.first, NuvelFillInterface(), kBar,
                       [style = entry.second](ControlSite& site) {
                           Dress(site);
                           site.Set("NuvelFill", Long(NKYellowFill));
                           site.Set("Value", Variant::Integer(60));
                           site.Set("CaptionStyle", Long(style));
                       });
    row.AddControl("Caption \"Loading\"", NuvelFillInterface(), kBar, [](ControlSite& site) {
        Dress(site);
        site.Set("NuvelFill", Long(NKPurpleFill));
        site.Set("Value", Variant::Integer(30));
        site.Set("Caption", Variant::String("Loading"));
    });
}

void AddDisabled(Section& section) {
    Row& row = section.AddRow("Disabled: bitmap 118 or 128, or PictureDisabled");
    row.AddControl("Enabled False", NuvelFillInterface(), kBar, [](ControlSite& site) {
        Dress(site);
        site.Set("NuvelFill", Long(NKRedFill));
        site.Set("Value", Variant::Integer(70));
        site.Set("Enabled", Variant::Boolean(kFalse));
    });
    row.AddControl("vertical", NuvelFillInterface(), kTall, [](ControlSite& site) {
        Dress(site);
        Upright(site);
        site.Set("Value", Variant::Integer(70));
        site.Set("Enabled", Variant::Boolean(kFalse));
    });
    row.AddControl("PictureDisabled", NuvelFillInterface(), kBar, [](ControlSite& site) {
        Dress(site);
        site.Set("PictureDisabled",
                 Pic(gallery::PatternImage(10, 42, 0x00909090, 0x00606060), "grey"));
        site.Set("Value", Variant::Integer(70));
        site.Set("Enabled", Variant::Boolean(kFalse));
    });
}

void AddFillRows(Section& section) {
    AddHorizontalStyles(section);
    AddVerticalStyles(section);
    AddValues(section);
    AddPictureModes(section);
    AddCustomPictures(section);
    AddCaptions(section);
    AddDisabled(section);
}

const gallery::Registration kRegistration{"NuvelFill", 70, &AddFillRows};

} // namespace

} // namespace nk
