// The gallery's row of captions in several scripts: the same few captions on NuvelCommand,
// NuvelHCommand and NuvelCheck, for characters from fallback fonts, shaped runs and
// right-to-left text with access keys.
#include "tools/gallery.h"

#include "set1/check/nuvel_check.h"
#include "set1/command/nuvel_command.h"
#include "set1/hcommand/nuvel_hcommand.h"

#include <array>
#include <string>

namespace nk {

namespace {

using gallery::CellOptions;
using gallery::Section;

struct Caption {
    const char* label;
    const char* text;
};

// "Open file" and the like, each with an access key where the script has one to mark.
constexpr std::array<Caption, 8> kCaptions = {{
    {"Chinese", "打开文件"},
    {"Japanese", "ファイルを開く"},
    {"Arabic", "&فتح الملف"},
    {"Hebrew", "&פתח קובץ"},
    {"Hindi", "फ़ाइल &खोलें"},
    {"Greek", "Ά&νοιγμα"},
    {"Cyrillic", "&Открыть"},
    {"Latin and Hebrew", "&Save שמור"},
}};

CellOptions Size(int w, int h) {
    CellOptions options;
    options.width = w;
    options.height = h;
    return options;
}

Variant Color(OleColor c) {
    return Variant::Double(c);
}

void Captioned(ControlSite& site, const char* caption, const Font& font, OleColor fore) {
    site.Set("Font", Variant::OfFont(font));
    site.Set("ForeColor", Color(fore));
    site.Set("Caption", Variant::String(caption));
    site.Paint();
}

void AddScriptRows(Section& section) {
    auto& commands = section.AddRow("NuvelCommand (Arial 11 bold)");
    auto& hcommands = section.AddRow("NuvelHCommand (Arial 9 bold)");
    auto& checks = section.AddRow("NuvelCheck (Arial 10)");
    for (const Caption& c : kCaptions) {
        commands.AddControl(c.label, NuvelCommandInterface(), Size(140, 44),
                            [&c](ControlSite& site) {
                                Captioned(site, c.text, Font{"Arial", 11, true}, 0xFFFFFF);
                            });
        hcommands.AddControl(c.label, NuvelHCommandInterface(), Size(140, 32),
                             [&c](ControlSite& site) {
                                 Captioned(site, c.text, Font{"Arial", 9, true}, 0xFFFFFF);
                             });
        checks.AddControl(c.label, NuvelCheckInterface(), Size(140, 31), [&c](ControlSite& site) {
            Captioned(site, c.text, Font{"Arial", 10}, 0xFFFFFF);
        });
    }
}

const gallery::Registration kRegistration{"Captions in several scripts", 1000, &AddScriptRows};

} // namespace

} // namespace nk
