#include "tools/gallery.h"

#include "framework/interface_table.h"
#include "host/hosts/compose.h"
#include "host/surface/surface_canvas.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <iostream>
#include <tuple>

namespace nk::gallery {

namespace {

// Colours of the sheet, as OLE colours (0x00BBGGRR).
constexpr OleColor kSheetBack = 0xE6E6E6;
constexpr OleColor kTitleColor = 0x202020;
constexpr OleColor kHeadingColor = 0x603010;
constexpr OleColor kRuleColor = 0xA0A0A0;
constexpr OleColor kRowLabelColor = 0x404040;
constexpr OleColor kCellLabelColor = 0x303030;
constexpr OleColor kFailedColor = 0x0000C0;
constexpr std::uint32_t kChequerLight = 0xFFFFFFFF;
constexpr std::uint32_t kChequerDark = 0xFFD0D0D0;

constexpr int kMargin = 24;
constexpr int kCellGapX = 18;
constexpr int kCellGapY = 14;
constexpr int kLabelGap = 4;
constexpr int kRowGap = 20;
constexpr int kSectionGap = 16;

// Labels are one line, drawn as they are (no access-key prefixes) and never clipped.
constexpr unsigned kLabelFlags = dt::kSingleLine | dt::kNoPrefix | dt::kNoClip;

const Font kTitleFont{"Arial", 18, true};
const Font kHeadingFont{"Arial", 14, true};
const Font kRowFont{"Arial", 9, true};
const Font kCellFont{"Arial", 8.25};

struct Entry {
    std::string title;
    int order;
    AddRowsFn addRows;
};

std::vector<Entry>& Registry() {
    static std::vector<Entry> entries;
    return entries;
}

std::uint32_t Opaque(OleColor c) {
    return 0xFF000000u | ResolveColor(c);
}

Image FailedImage(double scale) {
    return Image(static_cast<int>(std::lround(120 * scale)),
                 static_cast<int>(std::lround(40 * scale)), 0xFFF0C8C8);
}

// A cell picture's size in the sheet's logical pixels.
int Logical(int device, double scale) {
    return static_cast<int>(std::lround(device / scale));
}

// Text measured and drawn on a surface in one of the sheet's fonts.
class Writer {
public:
    explicit Writer(SurfaceCanvas& canvas) : canvas_(canvas) {}

    int Width(const Font& font, std::string_view text) {
        canvas_.SetFont(font);
        return static_cast<int>(canvas_.TextWidth(text) + 0.5);
    }
    int Height(const Font& font) {
        canvas_.SetFont(font);
        return std::max(1, static_cast<int>(canvas_.TextHeight("Ag") + 0.5));
    }
    void Draw(const Font& font, OleColor color, std::string_view text, int left, int top, int right,
              bool centred) {
        canvas_.SetFont(font);
        canvas_.SetForeColor(color);
        const Rect r{left, top, right, top + Height(font)};
        canvas_.DrawText(text, r, kLabelFlags | (centred ? dt::kCenter : 0u));
    }

private:
    SurfaceCanvas& canvas_;
};

// Where each piece of the sheet goes, worked out before anything is drawn.
struct PlacedText {
    const Font* font;
    OleColor color;
    std::string text;
    int left, top, right;
    bool centred;
};
struct PlacedCell {
    const Cell* cell;
    int left, top;
};
struct PlacedRule {
    int left, top, right;
};
struct Layout {
    int width = 0;
    int height = 0;
    std::vector<PlacedText> texts;
    std::vector<PlacedCell> cells;
    std::vector<PlacedRule> rules;
};

void LayOutRow(const Row& row, Writer& writer, int sheetWidth, int& y, Layout& out) {
    const double scale = row.scale();
    out.texts.push_back({&kRowFont, kRowLabelColor, row.label(), kMargin, y, sheetWidth, false});
    y += writer.Height(kRowFont) + 6;
    const int labelHeight = writer.Height(kCellFont);
    int x = kMargin;
    int lineHeight = 0;
    for (const Cell& cell : row.cells()) {
        const int labelWidth = writer.Width(kCellFont, cell.label);
        const int imageW = Logical(cell.image.width, scale);
        const int imageH = Logical(cell.image.height, scale);
        const int w = std::max(imageW, labelWidth);
        const int h = imageH + kLabelGap + labelHeight;
        if (x > kMargin && x + w > sheetWidth - kMargin) {
            y += lineHeight + kCellGapY;
            x = kMargin;
            lineHeight = 0;
        }
        out.cells.push_back({&cell, x + (w - imageW) / 2, y});
        out.texts.push_back({&kCellFont, cell.failed ? kFailedColor : kCellLabelColor, cell.label,
                             x, y + imageH + kLabelGap, x + w, true});
        out.width = std::max(out.width, x + w + kMargin);
        x += w + kCellGapX;
        lineHeight = std::max(lineHeight, h);
    }
    y += lineHeight + kRowGap;
}

// Copies a composed control onto the sheet (device pixels); see-through pixels show a
// chequer board of 6 x 6 logical pixels.
void Blit(Image& sheet, const Image& image, int left, int top, double scale) {
    const int square = static_cast<int>(std::lround(6 * scale));
    for (int y = 0; y < image.height; ++y) {
        const int sy = top + y;
        if (sy < 0 || sy >= sheet.height) continue;
        for (int x = 0; x < image.width; ++x) {
            const int sx = left + x;
            if (sx < 0 || sx >= sheet.width) continue;
            const std::uint32_t p = image.At(x, y);
            const std::uint32_t alpha = p >> 24;
            const std::uint32_t under =
                ((x / square + y / square) % 2) ? kChequerDark : kChequerLight;
            if (alpha == 0xFF) {
                sheet.At(sx, sy) = p;
            } else {
                std::uint32_t out = 0xFF000000u;
                for (int shift = 0; shift < 24; shift += 8) {
                    const std::uint32_t a = (p >> shift) & 0xFF;
                    const std::uint32_t b = (under >> shift) & 0xFF;
                    out |= ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
                }
                sheet.At(sx, sy) = out;
            }
        }
    }
}

} // namespace

Row& Row::AddControl(std::string label, const InterfaceTable& table, const CellOptions& options,
                     const Setup& setup) {
    std::string fault;
    ControlSite::Options o;
    o.width = options.width;
    o.height = options.height;
    o.displayName = options.displayName;
    o.ambientFont = options.ambientFont;
    o.scale = scale_;
    o.hooks.onFault = [&fault](const std::string& message) {
        if (fault.empty()) fault = message;
    };
    Cell cell{std::move(label), {}, false};
    try {
        ControlSite site(table, o);
        if (site.control()) {
            // Placed as a container places a new control: initial values, size, paint.
            site.InitProperties();
            site.Resize();
            site.Paint();
            if (setup) setup(site);
            cell.image = Compose(site.host());
        } else {
            fault = "the class made no control";
        }
    } catch (const std::exception& e) {
        fault = e.what();
    }
    if (!fault.empty()) {
        std::cerr << "gallery: " << table.className << " \"" << cell.label << "\": " << fault
                  << '\n';
        cell.failed = true;
        if (cell.image.width == 0) cell.image = FailedImage(scale_);
    }
    cells_.push_back(std::move(cell));
    return *this;
}

Row& Row::AddImage(std::string label, Image image) {
    if (scale_ != 1.0)
        image = Resampled(image, static_cast<int>(std::lround(image.width * scale_)),
                          static_cast<int>(std::lround(image.height * scale_)));
    cells_.push_back({std::move(label), std::move(image), false});
    return *this;
}

Row& Section::AddRow(std::string label) {
    return rows_.emplace_back(std::move(label), scale_);
}

Section& Sheet::AddSection(std::string title) {
    return sections_.emplace_back(std::move(title), scale_);
}

int Sheet::CellCount() const {
    int n = 0;
    for (const Section& s : sections_)
        for (const Row& r : s.rows())
            n += static_cast<int>(r.cells().size());
    return n;
}

int Sheet::FailedCount() const {
    int n = 0;
    for (const Section& s : sections_)
        for (const Row& r : s.rows())
            n += static_cast<int>(std::count_if(r.cells().begin(), r.cells().end(),
                                                [](const Cell& c) { return c.failed; }));
    return n;
}

Image Sheet::Render() const {
    SurfaceCanvas measure(1, 1, kSheetBack, kTitleColor, kCellFont);
    Writer measurer(measure);
    Layout layout;
    layout.width = width_;
    int y = kMargin;
    layout.texts.push_back({&kTitleFont, kTitleColor, title_, kMargin, y, width_, false});
    y += measurer.Height(kTitleFont) + kSectionGap;
    for (const Section& section : sections_) {
        layout.texts.push_back(
            {&kHeadingFont, kHeadingColor, section.title(), kMargin, y, width_, false});
        y += measurer.Height(kHeadingFont) + 4;
        layout.rules.push_back({kMargin, y, width_ - kMargin});
        y += 10;
        for (const Row& row : section.rows())
            LayOutRow(row, measurer, width_, y, layout);
        y += kSectionGap;
    }
    // The sheet's device pixels stay within a surface's largest side.
    const int most = static_cast<int>(kMaxExtent / scale_);
    if (y + kMargin > most)
        std::cerr << "gallery: the sheet is cut off at " << most << " pixels; "
                  << y + kMargin - most << " pixels of rows are left out\n";
    layout.height = std::min(y + kMargin, most);
    layout.width = std::min(layout.width, most);

    SurfaceCanvas canvas(layout.width, layout.height, kSheetBack, kTitleColor, kCellFont, scale_);
    for (const PlacedRule& rule : layout.rules)
        canvas.Line(rule.left, rule.top, rule.right, rule.top, kRuleColor, LineKind::Plain);
    for (const PlacedCell& placed : layout.cells)
        Blit(canvas.pixels(), placed.cell->image,
             static_cast<int>(std::lround(placed.left * scale_)),
             static_cast<int>(std::lround(placed.top * scale_)), scale_);
    Writer writer(canvas);
    for (const PlacedText& t : layout.texts)
        writer.Draw(*t.font, t.color, t.text, t.left, t.top, t.right, t.centred);
    return canvas.pixels();
}

Registration::Registration(std::string_view title, int order, AddRowsFn addRows) {
    Registry().push_back({std::string(title), order, addRows});
}

Sheet BuildSheet(const std::vector<std::string>& only, double scale) {
    std::vector<Entry> entries = Registry();
    if (!only.empty())
        std::erase_if(entries, [&only](const Entry& e) {
            return std::none_of(only.begin(), only.end(),
                                [&e](const std::string& t) { return SameName(t, e.title); });
        });
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.order, a.title) < std::tie(b.order, b.title);
    });
    Sheet sheet("Nuvelkit gallery", 1400, scale);
    for (const Entry& e : entries)
        if (e.addRows) e.addRows(sheet.AddSection(e.title));
    return sheet;
}

Image PatternImage(int w, int h, OleColor a, OleColor b) {
    Image image(w, h);
    const std::uint32_t pa = Opaque(a), pb = Opaque(b);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.At(x, y) = ((x + y) / 10) % 2 ? pb : pa;
    return image;
}

} // namespace nk::gallery
