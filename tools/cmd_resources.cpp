// nuvelkit resources export DIR: writes every embedded resource of both libraries as a file
// (DIR/nuvset1/<n>.bmp, DIR/nuvset2/<n>.bmp, DIR/nuvset1/<n>.wav) and a contact sheet,
// DIR/resources.png, with every bitmap at its real size under its number.
#include "host/codec/codec.h"
#include "host/surface/surface_canvas.h"
#include "resources/resource_tables.h"
#include "tools/cli.h"
#include "tools/commands.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace nk::tools {

namespace {

struct SheetItem {
    std::string label;
    Image image; // empty for a sound, which gets a text line instead
};

struct SheetSection {
    std::string title;
    std::vector<SheetItem> items;
};

// Writes one library's files; adds its bitmaps and sounds to the sheet. Returns the errors.
std::vector<std::string> ExportLibrary(const ResourceLibrary& lib, const std::filesystem::path& dir,
                                       SheetSection& section) {
    std::vector<std::string> errors;
    const std::filesystem::path libDir = dir / std::string(lib.name);
    std::error_code ec;
    std::filesystem::create_directories(libDir, ec);
    if (ec) return {libDir.string() + ": cannot create the folder: " + ec.message()};
    section.title = std::string(lib.name);
    for (const ResourceEntry& e : lib.entries) {
        const bool sound = e.kind == ResourceKind::Sound;
        const std::string file = std::to_string(e.id) + (sound ? ".wav" : ".bmp");
        const std::string path = (libDir / file).string();
        if (std::string err = WriteFile(path, e.bytes); !err.empty()) {
            errors.push_back(err);
            continue;
        }
        if (sound) {
            section.items.push_back(
                {std::to_string(e.id) + ".wav, " + std::to_string(e.bytes.size()) + " bytes", {}});
            continue;
        }
        DecodeResult d = DecodeBmp(e.bytes, std::string(lib.name) + " res:" + std::to_string(e.id));
        if (!d.ok()) {
            errors.push_back(d.error);
            continue;
        }
        section.items.push_back({std::to_string(e.id), std::move(d.image)});
    }
    // Bitmaps first, in number order; the sounds' text lines after them.
    std::stable_partition(section.items.begin(), section.items.end(),
                          [](const SheetItem& i) { return i.image.width > 0; });
    return errors;
}

constexpr int kMargin = 12;
constexpr int kGap = 10;
constexpr int kMaxRow = 1100;
constexpr OleColor kSheetBack = 0x00E6E6E6; // light grey, so white masks show their edges
constexpr OleColor kFrame = 0x00909090;
constexpr OleColor kText = 0x00202020;

struct Placed {
    const SheetItem* item;
    int x, y, w, h; // the cell: image (or text) and label below
};

// Lays the sections out in rows; returns the sheet's height, `width` gets its width.
int Layout(SurfaceCanvas& measure, const std::vector<SheetSection>& sections,
           std::vector<Placed>& placed, std::vector<std::pair<std::string, int>>& titles,
           int& width) {
    const int lineH = static_cast<int>(measure.TextHeight("0"));
    int y = kMargin;
    width = 0;
    for (const SheetSection& s : sections) {
        titles.push_back({s.title, y});
        y += lineH + 6;
        int x = kMargin, rowH = 0;
        for (const SheetItem& item : s.items) {
            const int textW = static_cast<int>(measure.TextWidth(item.label));
            const int w = std::max(item.image.width + 2, textW);
            const int h = (item.image.width > 0 ? item.image.height + 2 + 2 : 0) + lineH;
            if (x > kMargin && x + w > kMaxRow) {
                y += rowH + kGap;
                x = kMargin;
                rowH = 0;
            }
            placed.push_back({&item, x, y, w, h});
            width = std::max(width, x + w + kMargin);
            x += w + kGap;
            rowH = std::max(rowH, h);
        }
        y += rowH + kGap * 2;
    }
    return y + kMargin;
}

std::string WriteSheet(const std::vector<SheetSection>& sections, const std::string& path) {
    Font font;
    font.name = "Arial";
    font.size = 8.25;
    SurfaceCanvas measure(1, 1, kSheetBack, kText, font);
    std::vector<Placed> placed;
    std::vector<std::pair<std::string, int>> titles;
    int width = 0;
    const int height = Layout(measure, sections, placed, titles, width);
    SurfaceCanvas sheet(std::max(width, 200), height, kSheetBack, kText, font);
    Font bold = font;
    bold.bold = true;
    bold.size = 10;
    sheet.SetFont(bold);
    for (const auto& [title, y] : titles) {
        sheet.SetCurrentX(kMargin);
        sheet.SetCurrentY(y);
        sheet.Print(title);
    }
    sheet.SetFont(font);
    for (const Placed& p : placed) {
        int labelY = p.y;
        if (p.item->image.width > 0) {
            const Image& img = p.item->image;
            sheet.Line(p.x, p.y, p.x + img.width + 1, p.y + img.height + 1, kFrame, LineKind::Box);
            sheet.PaintPicture(MakePicture(img, ""), p.x + 1, p.y + 1);
            labelY = p.y + img.height + 4;
        }
        sheet.SetCurrentX(p.x);
        sheet.SetCurrentY(labelY);
        sheet.Print(p.item->label);
    }
    return WritePng(sheet.pixels(), path);
}

int Export(const std::string& dirName, const CommonOptions& common) {
    const std::filesystem::path dir = dirName;
    std::vector<SheetSection> sections(2);
    std::vector<std::string> errors = ExportLibrary(Nuvset1Resources(), dir, sections[0]);
    for (std::string& e : ExportLibrary(Nuvset2Resources(), dir, sections[1]))
        errors.push_back(std::move(e));
    if (std::string e = WriteSheet(sections, (dir / "resources.png").string()); !e.empty())
        errors.push_back(e);
    for (const std::string& e : errors)
        std::cerr << "nuvelkit resources export: " << e << "\n";
    if (!errors.empty()) return 1;
    size_t count = 0;
    for (const SheetSection& s : sections)
        count += s.items.size();
    if (!common.quiet)
        std::cout << "wrote " << count << " resources and the contact sheet "
                  << (dir / "resources.png").string() << " into " << dir.string() << "\n";
    return 0;
}

} // namespace

void RegisterResources(CLI::App& app, const CommonOptions& common) {
    CLI::App* res = app.add_subcommand("resources", "The built-in bitmaps and sounds");
    res->require_subcommand(1);
    CLI::App* exp = res->add_subcommand(
        "export", "Write every built-in resource as a file, and a labelled contact sheet");
    auto dir = std::make_shared<std::string>();
    exp->add_option("DIR", *dir, "The folder to write into (created if missing)")->required();
    exp->callback([dir, &common] {
        if (const int rc = Export(*dir, common); rc != 0) throw CLI::RuntimeError(rc);
    });
}

} // namespace nk::tools
