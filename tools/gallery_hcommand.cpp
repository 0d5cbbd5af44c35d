// NuvelHCommand's rows of the gallery: the eight skins at rest and pressed, faces of the
// user's own through the hover sequence, the three captions, the focus outlines, the edge
// shine at a few levels, each size mode and the disabled look.
#include "tools/gallery.h"

#include "framework/pic_styles.h"
#include "set1/hcommand/nuvel_hcommand.h"

#include <array>
#include <string>

namespace nk {

namespace {

using gallery::CellOptions;
using gallery::Row;
using gallery::Section;

Variant Long(std::int32_t v) {
    return Variant::Long(v);
}
Variant Bool(bool v) {
    return Variant::Boolean(ToVBool(v));
}
Variant Color(OleColor c) {
    return Variant::Double(c);
}
Variant Text(std::string s) {
    return Variant::String(std::move(s));
}
Variant Pic(Image image, std::string name) {
    return Variant::OfPicture(MakePicture(std::move(image), std::move(name)));
}

CellOptions Size(int w, int h) {
    CellOptions options;
    options.width = w;
    options.height = h;
    return options;
}

const CellOptions kNatural = Size(175, 32);

// The pill shape and a readable caption.
void Dress(ControlSite& site, const std::string& caption, OleColor fore = 0xFFFFFF) {
    site.Set("PictureMode", Long(DefaultStyle));
    site.Set("Font", Variant::OfFont(Font{"Arial", 9, true}));
    site.Set("ForeColor", Color(fore));
    site.Set("Caption", Text(caption));
}

constexpr std::array<const char*, 8> kSkins = {"NKCyanWater",  "NKBlueWater", "NKTriColor",
                                               "NKCrystaline", "NKClouds",    "NKOldMarble",
                                               "NKTintMarble", "NKSpectrum"};

void AddSkins(Section& section) {
    Row& rest = section.AddRow("NuvelStyle 0-7: the built-in skins at rest");
    Row& pressed = section.AddRow("The same skins pressed");
    for (int i = 0; i < static_cast<int>(kSkins.size()); ++i) {
        const auto dressed = [i](ControlSite& site) {
            Dress(site, kSkins[i] + 2);
            site.Set("NuvelStyle", Long(i));
        };
        rest.AddControl(std::to_string(i) + " " + kSkins[i], NuvelHCommandInterface(), kNatural,
                        dressed);
        pressed.AddControl(std::to_string(i) + " pressed", NuvelHCommandInterface(), kNatural,
                           [dressed](ControlSite& site) {
                               dressed(site);
                               site.MouseDown(1, 0, 80, 16);
                           });
    }
}

// NKCustom with a face for each state, stepped through the hover sequence by ticks.
void CustomFaces(ControlSite& site, const char* caption) {
    Dress(site, caption);
    site.Set("PictureNormal", Pic(gallery::PatternImage(175, 32, 0x603010, 0x804020), "normal"));
    site.Set("PictureOver", Pic(gallery::PatternImage(175, 32, 0x2070C0, 0x3090E0), "over"));
    site.Set("PictureOver2", Pic(gallery::PatternImage(175, 32, 0x6060A0, 0x8080C0), "over2"));
    site.Set("PicturePushed", Pic(gallery::PatternImage(175, 32, 0x104080, 0x2050A0), "pushed"));
    site.Set("UseOnTop", Bool(true));
    site.Set("UseAnimation", Bool(true));
    site.Set("NuvelStyle", Long(static_cast<std::int32_t>(NKHCommandTypes::NKCustom)));
}

void Ticks(ControlSite& site, int n) {
    for (int i = 0; i < n; ++i)
        site.Call("TimerInvoke", {});
}

void AddCustomFaces(Section& section) {
    Row& row = section.AddRow("NuvelStyle 8 (NKCustom) with UseOnTop: the hover sequence");
    row.AddControl("at rest: PictureNormal", NuvelHCommandInterface(), kNatural,
                   [](ControlSite& site) { CustomFaces(site, "Normal"); });
    row.AddControl("pointer over: PictureOver", NuvelHCommandInterface(), kNatural,
                   [](ControlSite& site) {
                       CustomFaces(site, "Over");
                       site.MouseMove(0, 0, 80, 16);
                   });
    row.AddControl("just left, 5 ticks: PictureOver2", NuvelHCommandInterface(), kNatural,
                   [](ControlSite& site) {
                       CustomFaces(site, "Just left");
                       site.MouseMove(0, 0, 80, 16);
                       Ticks(site, 5);
                   });
    row.AddControl("6 ticks: PictureNormal again", NuvelHCommandInterface(), kNatural,
                   [](ControlSite& site) {
                       CustomFaces(site, "Back to normal");
                       site.MouseMove(0, 0, 80, 16);
                       Ticks(site, 6);
                   });
    row.AddControl("pressed: PicturePushed", NuvelHCommandInterface(), kNatural,
                   [](ControlSite& site) {
                       CustomFaces(site, "Pushed");
                       site.MouseDown(1, 0, 80, 16);
                   });
}

void AddCaptions(Section& section) {
    Row& row = section.AddRow("Caption, LeftCaption and RightCaption, each in its own colour");
    row.AddControl("three captions", NuvelHCommandInterface(), kNatural, [](ControlSite& site) {
        Dress(site, "Centre");
        site.Set("NuvelStyle", Long(static_cast<std::int32_t>(NKHCommandTypes::NKClouds)));
        site.Set("LeftCaption", Text("<<"));
        site.Set("LeftColor", Color(0x0000C0));
        site.Set("RightCaption", Text(">>"));
        site.Set("RightColor", Color(0x008000));
        site.Set("ForeColor", Color(0x800000));
    });
    row.AddControl("AllowMultiLine, AdjustTop 2", NuvelHCommandInterface(), Size(175, 32),
                   [](ControlSite& site) {
                       Dress(site, "A caption that wraps onto two lines", 0x000000);
                       site.Set("NuvelStyle",
                                Long(static_cast<std::int32_t>(NKHCommandTypes::NKCrystaline)));
                       site.Set("Font", Variant::OfFont(Font{"Arial", 7}));
                       site.Set("AllowMultiLine", Bool(true));
                       site.Set("AdjustTop", Long(2));
                       site.Paint();
                   });
    row.AddControl("as placed: the container's name", NuvelHCommandInterface(), kNatural);
}

constexpr std::array<const char*, 4> kFocusStyles = {"NKHClassicIndent", "NKHColorOutline",
                                                     "NKHBoldColorOutline", "NKHRoundIndent"};

void Focused(ControlSite& site, int style, int mode, int w, int h) {
    site.Set("PictureMode", Long(mode));
    // Placed, the control snapped to its natural size; a rescaling mode takes any size.
    site.SetSize(w, h);
    site.Set("Font", Variant::OfFont(Font{"Arial", 9, true}));
    site.Set("Caption", Text("Focused"));
    site.Set("NuvelStyle", Long(static_cast<std::int32_t>(NKHCommandTypes::NKOldMarble)));
    site.Set("ShowFocus", Bool(true));
    site.Set("FocusColor", Color(0x00D0FF));
    site.Set("FocusStyle", Long(style));
    site.GotFocus();
}

void AddFocusStyles(Section& section) {
    Row& fixed = section.AddRow("FocusStyle 0-3 with ShowFocus, DefaultStyle (fixed places)");
    Row& scaled = section.AddRow("The same in RescaleToEdges, 240 x 40 (scaled to the surface)");
    for (int i = 0; i < static_cast<int>(kFocusStyles.size()); ++i) {
        fixed.AddControl(std::to_string(i) + " " + kFocusStyles[i], NuvelHCommandInterface(),
                         kNatural,
                         [i](ControlSite& site) { Focused(site, i, DefaultStyle, 175, 32); });
        scaled.AddControl(std::to_string(i) + " " + kFocusStyles[i], NuvelHCommandInterface(),
                          Size(240, 40),
                          [i](ControlSite& site) { Focused(site, i, RescaleToEdges, 240, 40); });
    }
}

void AddShine(Section& section) {
    Row& row = section.AddRow("The edge shine after ShineEdges, by ticks of TimerInvoke");
    const auto shine = [](std::int32_t mode, int ticks) {
        return [mode, ticks](ControlSite& site) {
            Dress(site, "Shine");
            site.Set("NuvelStyle", Long(static_cast<std::int32_t>(NKHCommandTypes::NKBlueWater)));
            site.Set("ShineMode", Long(mode));
            site.Set("UseAnimation", Bool(true));
            site.Call("ShineEdges", {});
            Ticks(site, ticks);
        };
    };
    row.AddControl("white, 2 ticks (level 64)", NuvelHCommandInterface(), kNatural, shine(0, 2));
    row.AddControl("white, 5 ticks (level 160)", NuvelHCommandInterface(), kNatural, shine(0, 5));
    row.AddControl("white, 8 ticks (level 255)", NuvelHCommandInterface(), kNatural, shine(0, 8));
    row.AddControl("yellow, 8 ticks", NuvelHCommandInterface(), kNatural, shine(6, 8));
    row.AddControl("magenta, 12 ticks (falling, 127)", NuvelHCommandInterface(), kNatural,
                   shine(5, 12));
    row.AddControl("17 ticks: finished", NuvelHCommandInterface(), kNatural, shine(0, 17));
}

void AddSizeModes(Section& section) {
    static constexpr std::array<const char*, 6> kModes = {"DefaultStyle",      "RescaleToEdges",
                                                          "RescaleWhenNeeded", "HalfSize",
                                                          "DoubleSize",        "OneAndHalfSize"};
    Row& row = section.AddRow("PictureMode: the size and the mask (then sized to 260 x 48)");
    for (int mode = 0; mode < static_cast<int>(kModes.size()); ++mode)
        row.AddControl(std::to_string(mode) + " " + kModes[mode], NuvelHCommandInterface(),
                       Size(260, 48), [mode](ControlSite& site) {
                           site.Set("Font", Variant::OfFont(Font{"Arial", 8, true}));
                           site.Set("ForeColor", Color(0xFFFFFF));
                           site.Set("Caption", Text(kModes[mode]));
                           site.Set("NuvelStyle",
                                    Long(static_cast<std::int32_t>(NKHCommandTypes::NKSpectrum)));
                           site.Set("PictureMode", Long(mode));
                           // The fixed-size modes snap back; the rescaling ones keep it.
                           site.SetSize(260, 48);
                           site.Paint();
                       });
}

void AddDisabled(Section& section) {
    Row& row = section.AddRow("Disabled");
    row.AddControl("new: empty PictureDisabled", NuvelHCommandInterface(), kNatural,
                   [](ControlSite& site) {
                       Dress(site, "Disabled", 0x808080);
                       site.Set("Enabled", Bool(false));
                   });
    row.AddControl("no PictureDisabled: bitmap 602", NuvelHCommandInterface(), kNatural,
                   [](ControlSite& site) {
                       Dress(site, "Disabled", 0x808080);
                       site.Set("PictureDisabled", Variant::OfPicture(nullptr));
                       site.Set("Enabled", Bool(false));
                   });
    row.AddControl("own PictureDisabled", NuvelHCommandInterface(), kNatural,
                   [](ControlSite& site) {
                       Dress(site, "Disabled", 0x404040);
                       site.Set("PictureDisabled",
                                Pic(gallery::PatternImage(175, 32, 0x909090, 0xA8A8A8), "gray"));
                       site.Set("Enabled", Bool(false));
                   });
    row.AddControl("disabled, shining (5 ticks)", NuvelHCommandInterface(), kNatural,
                   [](ControlSite& site) {
                       Dress(site, "Disabled", 0x808080);
                       site.Set("PictureDisabled", Variant::OfPicture(nullptr));
                       site.Set("Enabled", Bool(false));
                       site.Set("UseAnimation", Bool(true));
                       site.Call("ShineEdges", {});
                       Ticks(site, 5);
                   });
}

void AddHCommandRows(Section& section) {
    AddSkins(section);
    AddCustomFaces(section);
    AddCaptions(section);
    AddFocusStyles(section);
    AddShine(section);
    AddSizeModes(section);
    AddDisabled(section);
}

const gallery::Registration kRegistration{"NuvelHCommand", 60, &AddHCommandRows};

} // namespace

} // namespace nk
