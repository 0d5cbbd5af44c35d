// NuvelCheck's rows of the gallery: the classic glyphs in each state, a custom look with
// pictures of the user's own, the hover look with and without the glow, both focus marks and
// a caption over several lines.
#include "tools/gallery.h"

#include "set1/check/nuvel_check.h"

#include <cmath>
#include <cstdlib>
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

const CellOptions kCell = Size(150, 30);
const CellOptions kTall = Size(150, 64);

Variant Long(std::int32_t v) {
    return Variant::Long(v);
}
Variant Bool(bool v) {
    return Variant::Boolean(ToVBool(v));
}
Variant Color(OleColor c) {
    return Variant::Double(c);
}

// A readable caption on the control's own black background.
void Dress(ControlSite& site, const std::string& caption) {
    site.Set("Font", Variant::OfFont(Font{"Arial", 10}));
    site.Set("Caption", Variant::String(caption));
}

// A 24 x 24 custom glyph: a rounded box in `frame` filled with `fill`, with a tick in `mark`
// when `ticked`.
Image CustomGlyph(std::uint32_t frame, std::uint32_t fill, std::uint32_t mark, bool ticked) {
    Image image(24, 24, 0xFF000000u);
    for (int y = 2; y < 22; ++y)
        for (int x = 2; x < 22; ++x) {
            const bool corner = (x == 2 || x == 21) && (y == 2 || y == 21);
            if (corner) continue;
            const bool edge = x < 4 || x > 19 || y < 4 || y > 19;
            image.At(x, y) = edge ? frame : fill;
        }
    if (ticked) {
        // Two strokes, three pixels thick: down to (10, 16), then up to (18, 7).
        const auto stroke = [&](double x0, double y0, double x1, double y1) {
            for (int i = 0; i <= 40; ++i) {
                const double t = i / 40.0;
                const int cx = static_cast<int>(std::lround(x0 + (x1 - x0) * t));
                const int cy = static_cast<int>(std::lround(y0 + (y1 - y0) * t));
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (std::abs(dx) + std::abs(dy) <= 1) image.At(cx + dx, cy + dy) = mark;
            }
        };
        stroke(6, 12, 10, 16);
        stroke(10, 16, 18, 7);
    }
    return image;
}

Variant Glyph(const char* name, std::uint32_t frame, std::uint32_t fill, bool ticked) {
    return Variant::OfPicture(
        MakePicture(CustomGlyph(frame, fill, 0xFFFFFFFFu, ticked), std::string(name)));
}

void UseCustomPictures(ControlSite& site) {
    site.Set("PictureUncheck", Glyph("unchecked", 0xFF3070D0u, 0xFF102040u, false));
    site.Set("PictureCheck", Glyph("checked", 0xFF3070D0u, 0xFF2060B0u, true));
    site.Set("PicturePushed", Glyph("pushed", 0xFF80B0F0u, 0xFF4080D0u, false));
    site.Set("NuvelCheckType", Long(NKCustom));
}

void AddClassic(Section& section) {
    Row& row = section.AddRow("Classic look (NKClassic): the built-in glyphs 201-204");
    row.AddControl("unchecked", NuvelCheckInterface(), kCell,
                   [](ControlSite& site) { Dress(site, "Unchecked"); });
    row.AddControl("checked (Value 1)", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Checked");
        site.Set("Value", Long(NKChecked));
    });
    row.AddControl("Value 5 draws checked", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Value 5");
        site.Set("Value", Long(5));
    });
    row.AddControl("pressed", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Pressed");
        site.MouseDown(1, 0, 10, 10);
    });
    row.AddControl("disabled", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Disabled");
        site.Set("Enabled", Bool(false));
    });
    row.AddControl("as placed: the container's font", NuvelCheckInterface(), kCell);
}

void AddCustom(Section& section) {
    Row& row = section.AddRow("Custom look (NKCustom): pictures of the user's own");
    row.AddControl("PictureUncheck", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Unchecked");
        UseCustomPictures(site);
    });
    row.AddControl("PictureCheck", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Checked");
        UseCustomPictures(site);
        site.Set("Value", Long(NKChecked));
    });
    row.AddControl("PicturePushed", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Pressed");
        UseCustomPictures(site);
        site.MouseDown(1, 0, 10, 10);
    });
    row.AddControl("pressed, no PicturePushed", NuvelCheckInterface(), kCell,
                   [](ControlSite& site) {
                       Dress(site, "Unchecked shown");
                       UseCustomPictures(site);
                       site.Set("PicturePushed", Variant::OfPicture(nullptr));
                       site.Set("Value", Long(NKChecked));
                       site.MouseDown(1, 0, 10, 10);
                   });
    row.AddControl("disabled: built-in 204", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Disabled");
        UseCustomPictures(site);
        site.Set("Enabled", Bool(false));
    });
    row.AddControl("new pictures are empty", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "No glyph");
        site.Set("NuvelCheckType", Long(NKCustom));
    });
}

void AddHoverAndFocus(Section& section) {
    Row& row = section.AddRow("Hover (CoolButton) and focus (ShowFocus)");
    row.AddControl("hovered, with the glow", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Hovered");
        site.MouseMove(0, 0, 40, 10);
    });
    row.AddControl("hovered, green glow", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Green glow");
        site.Set("CoolGlowColor", Color(0x008000));
        site.MouseMove(0, 0, 40, 10);
    });
    row.AddControl("hovered, CoolUseGlow off", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Edge only");
        site.Set("CoolUseGlow", Bool(false));
        site.MouseMove(0, 0, 40, 10);
    });
    row.AddControl("focus: NKChkNormalCircle", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Circle");
        site.Set("ShowFocus", Bool(true));
        site.GotFocus();
    });
    row.AddControl("focus: NKChkNormalSquare", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "Square");
        site.Set("ShowFocus", Bool(true));
        site.Set("FocusType", Long(NKChkNormalSquare));
        site.Set("FocusColor", Color(0x00C0FF));
        site.GotFocus();
    });
}

void AddCaptions(Section& section) {
    Row& row = section.AddRow("Captions");
    row.AddControl("AllowMultiLine, AdjustTop 4", NuvelCheckInterface(), kTall,
                   [](ControlSite& site) {
                       Dress(site, "A longer caption that wraps over several lines");
                       site.Set("AllowMultiLine", Bool(true));
                       site.Set("AdjustTop", Long(4));
                       site.Paint();
                   });
    row.AddControl("one line, clipped", NuvelCheckInterface(), kCell,
                   [](ControlSite& site) { Dress(site, "A longer caption that does not fit"); });
    row.AddControl("access key, colours", NuvelCheckInterface(), kCell, [](ControlSite& site) {
        Dress(site, "&Remember me");
        site.Set("BackColor", Color(0x503010));
        site.Set("ForeColor", Color(0x80E0FF));
        site.Paint();
    });
    row.AddControl("10 pixels high", NuvelCheckInterface(), Size(150, 10),
                   [](ControlSite& site) { Dress(site, "Low"); });
}

void AddCheckRows(Section& section) {
    AddClassic(section);
    AddCustom(section);
    AddHoverAndFocus(section);
    AddCaptions(section);
}

const gallery::Registration kRegistration{"NuvelCheck", 30, &AddCheckRows};

} // namespace

} // namespace nk
