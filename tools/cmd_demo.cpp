// nuvelkit demo [-o FILE]: draws the raster surface's primitives (lines and pens, the
// frame procedures, boxes, circles and arcs, pictures at own size and stretched, captions
// in every DrawText layout) on one labelled sheet and writes it as a PNG file.
#include "tools/cli.h"
#include "tools/commands.h"

#include "framework/frames.h"
#include "host/codec/codec.h"
#include "host/surface/surface_canvas.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <memory>
#include <numbers>
#include <string>

namespace nk::tools {

namespace {

constexpr int kSheetW = 980, kSheetH = 760;
constexpr OleColor kInk = 0x000000;
constexpr OleColor kLabelInk = 0x404040;
constexpr OleColor kPaper = 0xFFFFFF;

Font MakeFont(double size, bool bold = false, bool italic = false) {
    Font f;
    f.name = "Arial";
    f.size = size;
    f.bold = bold;
    f.italic = italic;
    return f;
}

// A colour around the wheel: i of n.
OleColor Hue(int i, int n) {
    const double h = 6.0 * i / n;
    const auto channel = [h](double offset) {
        const double d = std::fabs(std::fmod(h + offset, 6.0) - 3.0);
        return static_cast<int>(std::lround(255 * std::clamp(d - 1.0, 0.0, 1.0)));
    };
    return RGB(channel(0), channel(4), channel(2));
}

class Sheet {
public:
    Sheet() : c_(kSheetW, kSheetH, kButtonFace, kInk, MakeFont(8.25)) {}
    SurfaceCanvas& canvas() { return c_; }

    // A white panel with a sunken frame and a small label above it.
    void Panel(int x, int y, int w, int h, const std::string& label) {
        Label(x, y - 15, w + 40, label);
        c_.Line(x, y, x + w - 1, y + h - 1, kPaper, LineKind::FilledBox);
        DrawSunkenFrame(c_, x - 2, y - 2, x + w + 1, y + h + 1);
    }

    void Label(int x, int y, int w, const std::string& text) {
        const Font saved = c_.GetFont();
        const OleColor ink = c_.ForeColor();
        c_.SetFont(MakeFont(7.5));
        c_.SetForeColor(kLabelInk);
        c_.DrawText(text, {x, y, x + w, y + 14}, dt::kNoPrefix | dt::kSingleLine);
        c_.SetFont(saved);
        c_.SetForeColor(ink);
    }

    void Heading(int x, int y, const std::string& text) {
        const Font saved = c_.GetFont();
        c_.SetFont(MakeFont(11, true));
        c_.SetForeColor(kInk);
        c_.DrawText(text, {x, y, x + 400, y + 20}, dt::kNoPrefix | dt::kSingleLine);
        c_.SetFont(saved);
    }

private:
    SurfaceCanvas c_;
};

void DrawLines(Sheet& s) {
    SurfaceCanvas& c = s.canvas();
    s.Heading(20, 8, "Lines, frames and boxes");
    s.Panel(20, 50, 200, 150, "fan of plain lines (end points left out)");
    for (int i = 0; i < 24; ++i) {
        const double a = 2 * std::numbers::pi * i / 24;
        c.Line(120, 125, 120 + 70 * std::cos(a), 125 - 70 * std::sin(a), Hue(i, 24));
    }
    s.Panel(240, 50, 200, 150, "pen widths 1, 2, 3, 5 and 8");
    const int widths[] = {1, 2, 3, 5, 8};
    for (int i = 0; i < 5; ++i) {
        c.SetDrawWidth(widths[i]);
        c.Line(255, 65 + 22 * i, 330, 80 + 22 * i, Hue(i, 5));
        c.Line(345, 80 + 22 * i, 425, 65 + 22 * i, kInk);
    }
    c.SetDrawWidth(1);

    const char* names[] = {"raised frame", "sunken frame", "indent frame", "raised edge"};
    for (int i = 0; i < 4; ++i) {
        const int x = 20 + i * 105;
        s.Label(x, 215, 100, names[i]);
        c.Line(x, 230, x + 94, 269, kButtonFace, LineKind::FilledBox);
        switch (i) {
        case 0:
            DrawRaisedFrame(c, x, 230, x + 94, 269);
            break;
        case 1:
            DrawSunkenFrame(c, x, 230, x + 94, 269);
            break;
        case 2:
            DrawIndentFrame(c, x, 230, x + 94, 269);
            break;
        default:
            DrawRaisedEdge(c, x, 230, x + 94, 269);
            break;
        }
    }

    s.Panel(20, 300, 420, 90, "boxes (B) and filled boxes (BF), corners included; pens 1, 3");
    for (int i = 0; i < 5; ++i) {
        const int x = 32 + i * 80;
        c.Line(x, 312, x + 60, 378, Hue(i, 5), i % 2 ? LineKind::FilledBox : LineKind::Box);
        c.SetDrawWidth(3);
        c.Line(x + 12, 328, x + 48, 362, i % 2 ? kPaper : Hue(i + 2, 5), LineKind::Box);
        c.SetDrawWidth(1);
    }
}

void DrawCircles(Sheet& s) {
    SurfaceCanvas& c = s.canvas();
    s.Heading(470, 8, "Circles and arcs");
    s.Panel(470, 50, 150, 150, "circles, radius 5 to 65");
    for (int r = 5; r <= 65; r += 10)
        c.Circle(545, 125, r, Hue(r, 70));
    s.Panel(640, 50, 150, 150, "arcs counter-clockwise");
    for (int q = 0; q < 4; ++q) {
        const double a = q * std::numbers::pi / 2;
        c.Arc(715, 125, 60, Hue(q, 4), a + 0.2, a + std::numbers::pi / 2 - 0.2);
        c.Arc(715, 125, 40 - 6 * q, kInk, a, a + std::numbers::pi);
    }
    s.Panel(810, 50, 150, 150, "wrapping through 0; pen 3");
    c.Arc(885, 125, 60, 0x0000C0, 5.5, 0.8);
    c.SetDrawWidth(3);
    c.Arc(885, 125, 45, 0x008000, 4.0, 2.0);
    c.Circle(885, 125, 20, 0xC00000);
    c.SetDrawWidth(1);

    s.Panel(470, 230, 490, 60,
            "a pill outline: two end arcs (83 to 277 and 261 through 0 to 99 "
            "degrees) and two lines");
    const double leftStart = 1.4485810, leftEnd = 4.8344202;
    const double rightStart = 4.5551748, rightEnd = 1.7278250;
    for (int i = 0; i < 3; ++i) {
        const int x0 = 500 + i * 155, x1 = x0 + 110;
        c.SetDrawWidth(i + 1);
        c.Arc(x0, 260, 18, kButtonShadow, leftStart, leftEnd);
        c.Arc(x1, 260, 18, kButtonShadow, rightStart, rightEnd);
        c.Line(x0, 242, x1, 242, kButtonShadow);
        c.Line(x0, 278, x1, 278, kButtonShadow);
    }
    c.SetDrawWidth(1);
}

Picture MakeSample(bool oneBit) {
    Image im(40, 28);
    for (int y = 0; y < im.height; ++y)
        for (int x = 0; x < im.width; ++x) {
            const bool ring = std::abs(std::hypot(x - 20.0, y - 14.0) - 10) < 1.5;
            const bool grid = x % 8 == 0 || y % 7 == 0;
            std::uint32_t p = 0xFF000000u | static_cast<std::uint32_t>(x * 6) << 16 |
                              static_cast<std::uint32_t>(y * 9) << 8 | 0xC0u;
            if (grid) p = 0xFFFFFFFFu;
            if (ring) p = 0xFF202020u;
            if (oneBit) p = (ring || grid) ? 0xFF000000u : 0xFFFFFFFFu;
            im.At(x, y) = p;
        }
    im.bitsPerPixel = oneBit ? 1 : 32;
    return MakePicture(std::move(im), oneBit ? "sample-1bit" : "sample");
}

void DrawPictures(Sheet& s) {
    SurfaceCanvas& c = s.canvas();
    const Picture colour = MakeSample(false), mono = MakeSample(true);
    s.Heading(470, 300, "Pictures");
    s.Panel(470, 340, 490, 120,
            "own size; 2x smooth; 2x nearest (one-bit); half size; 3x1 smooth; clipped at "
            "negative and fractional places");
    c.PaintPicture(colour, 480, 352);
    c.PaintPicture(colour, 530, 352, 80, 56);
    c.PaintPicture(mono, 620, 352, 80, 56);
    c.PaintPicture(colour, 480, 390, 20, 14);
    c.PaintPicture(colour, 710, 352, 120, 28);
    // A small surface of its own, painted at negative and fractional coordinates, then
    // shown on the sheet with a frame around it.
    SurfaceCanvas inner(110, 90, 0xE0E0E0, kInk, Font{});
    inner.PaintPicture(colour, -15.5, -10.4);
    inner.PaintPicture(colour, 70.6, 60.2, 80, 56);
    inner.PaintPicture(mono, -30, 50, 60, 42);
    const Picture shot = MakePicture(inner.pixels(), "inner");
    c.PaintPicture(shot, 842, 356);
    DrawSunkenFrame(c, 840, 354, 953, 447);
}

void DrawFonts(Sheet& s) {
    SurfaceCanvas& c = s.canvas();
    s.Panel(20, 420, 420, 52,
            "Print at CurrentX, CurrentY: regular, bold, italic, underline, "
            "strikethru, 14 points");
    const Font saved = c.GetFont();
    Font f = MakeFont(9);
    const char* words[] = {"Regular", "Bold", "Italic", "Underline", "Strike"};
    double x = 28;
    for (int i = 0; i < 5; ++i) {
        f.bold = i == 1;
        f.italic = i == 2;
        f.underline = i == 3;
        f.strikethru = i == 4;
        c.SetFont(f);
        c.SetCurrentX(x);
        c.SetCurrentY(424);
        c.Print(words[i]);
        x += c.TextWidth(words[i]) + 14;
    }
    c.SetFont(MakeFont(14));
    c.SetCurrentX(28);
    c.SetCurrentY(441);
    c.Print("Liberation Sans for Arial");
    c.SetFont(saved);
}

struct Layout {
    const char* label;
    const char* text;
    unsigned flags;
};

void DrawCaptions(Sheet& s) {
    SurfaceCanvas& c = s.canvas();
    s.Heading(20, 490, "Captions: DrawText layouts (flags), in 9-point Arial");
    const Layout layouts[] = {
        {"0x00 left, top", "Left and top", 0},
        {"0x25 centred on one line", "Centred caption", 0x25},
        {"0x02 right", "Right aligned", 0x02},
        {"0x10 word break", "A longer caption that breaks between its words", 0x10},
        {"0x11 centred, word break", "A longer caption that breaks between its words", 0x11},
        {"0x91 buttons, multi-line", "&Multi-line caption of a button", 0x91},
        {"0xB5 buttons, one line", "&Caption of a button", 0xB5},
        {"line breaks \\n and \\r\\n", "First line\nSecond line\r\nThird line", 0},
        {"0x20 one line ignores them", "First\nsecond\r\nthird", 0x20},
        {"0x05 (0x04 needs 0x20)", "Top, centred", 0x05},
        {"prefixes &Open, A&&B", "&Open file, A&&B", 0x25},
        {"0x800 no prefix", "&Open file, A&&B", 0x825},
        {"clipped to the box", "A caption far too long for its little box", 0x24},
        {"0x100 not clipped", "A caption far too long for its little box", 0x124},
        {"0x40 tabs; UTF-8",
         "Tab\tstops\n"
         "Gr\xC3\xBC\xC3\x9F"
         "e, caf\xC3\xA9, \xE2\x82\xAC \xE2\x98\x82",
         0x41},
    };
    const int cellW = 176, cellH = 56, gap = 14;
    const Font saved = c.GetFont();
    c.SetFont(MakeFont(9));
    c.SetForeColor(kInk);
    for (int i = 0; i < static_cast<int>(std::size(layouts)); ++i) {
        const int x = 20 + (i % 5) * (cellW + gap);
        const int y = 530 + (i / 5) * (cellH + 24);
        s.Panel(x, y, cellW, cellH, layouts[i].label);
        // The layout rectangle, inset from the panel and outlined in a light colour.
        const Rect r{x + 6, y + 6, x + cellW - 6, y + cellH - 6};
        c.Line(r.left - 1, r.top - 1, r.right, r.bottom, 0xF0D0C0, LineKind::Box);
        c.DrawText(layouts[i].text, r, layouts[i].flags);
    }
    c.SetFont(saved);
}

} // namespace

// The demo sheet: every primitive of the surface, labelled.
Image RenderDemoSheet() {
    Sheet s;
    DrawLines(s);
    DrawCircles(s);
    DrawPictures(s);
    DrawFonts(s);
    DrawCaptions(s);
    return s.canvas().pixels();
}

void RegisterDemo(CLI::App& app, const CommonOptions& common) {
    auto* cmd = app.add_subcommand(
        "demo",
        "Draw the surface's primitives (lines, boxes, arcs, pictures, captions) to a picture");
    auto output = std::make_shared<std::string>("demo.png");
    cmd->add_option("-o,--output", *output, "The picture to write (.png or .bmp)")
        ->capture_default_str();
    cmd->callback([output, &common] {
        static constexpr PictureFormat kFormats[] = {PictureFormat::Png, PictureFormat::Bmp};
        const PictureFormat format = RequireFormat(*output, kFormats);
        const Image sheet = RenderDemoSheet();
        if (const std::string error = WritePicture(sheet, *output, format); !error.empty())
            Fail(kExitFailed, error);
        ReportWritten(common, *output);
    });
}

} // namespace nk::tools
