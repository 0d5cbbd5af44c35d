#include "set1/resource_ids.h"
#include "set1/screen/nuvel_screen.h"

#include <array>
#include <optional>

namespace nk {

namespace {

// One skin bitmap painted at a place and a destination size.
struct Piece {
    int resource;
    double x, y, width, height;
};

// An edge is painted only when the control is large enough for it.
struct Edge {
    Piece piece;
    bool drawn;
};

// Where a scheme's pieces go on a W x H surface.
struct ScreenFrame {
    OleColor background;
    std::array<Piece, 4> corners; // top-left, bottom-left, top-right, bottom-right
    std::array<Edge, 4> edges;    // top, bottom, left, right
};

using nuvset1::kBlueScreen;
using nuvset1::kCyanScreen;
using nuvset1::kGreenScreen;

// The frame of a scheme; nothing for the custom type and every unlisted value. The left
// edges start one pixel left of the control, so their first column is cut off. The cyan
// top-right corner, 51 pixels high, is stretched to 52.
std::optional<ScreenFrame> FrameFor(std::int32_t type, double w, double h) {
    switch (type) {
    case NKGreenScreen:
        return ScreenFrame{0x008900,
                           {{{kGreenScreen.topLeft, 0, 0, 189, 197},
                             {kGreenScreen.bottomLeft, 0, h - 49, 54, 49},
                             {kGreenScreen.topRight, w - 66, 0, 66, 50},
                             {kGreenScreen.bottomRight, w - 37, h - 38, 37, 38}}},
                           {{{{kGreenScreen.topEdge, 189, 0, w - 255, 35}, w >= 255},
                             {{kGreenScreen.bottomEdge, 54, h - 34, w - 91, 34}, w >= 91},
                             {{kGreenScreen.leftEdge, -1, 197, 37, h - 246}, h >= 246},
                             {{kGreenScreen.rightEdge, w - 38, 50, 38, h - 88}, h >= 88}}}};
    case NKCyanScreen:
        return ScreenFrame{0x808A00,
                           {{{kCyanScreen.topLeft, 0, 0, 189, 175},
                             {kCyanScreen.bottomLeft, 0, h - 52, 55, 52},
                             {kCyanScreen.topRight, w - 65, 0, 65, 52},
                             {kCyanScreen.bottomRight, w - 133, h - 114, 133, 114}}},
                           {{{{kCyanScreen.topEdge, 189, 0, w - 254, 40}, w >= 255},
                             {{kCyanScreen.bottomEdge, 55, h - 34, w - 188, 34}, w >= 188},
                             {{kCyanScreen.leftEdge, -1, 175, 36, h - 227}, h >= 227},
                             {{kCyanScreen.rightEdge, w - 34, 51, 34, h - 165}, h >= 165}}}};
    case NKBlueScreen:
        return ScreenFrame{0x850000,
                           {{{kBlueScreen.topLeft, 0, 0, 249, 197},
                             {kBlueScreen.bottomLeft, 0, h - 47, 50, 47},
                             {kBlueScreen.topRight, w - 61, 0, 61, 47},
                             {kBlueScreen.bottomRight, w - 46, h - 42, 46, 42}}},
                           {{{{kBlueScreen.topEdge, 249, 0, w - 310, 36}, w >= 310},
                             {{kBlueScreen.bottomEdge, 50, h - 33, w - 96, 33}, w >= 96},
                             {{kBlueScreen.leftEdge, -1, 197, 37, h - 244}, h >= 244},
                             {{kBlueScreen.rightEdge, w - 36, 47, 36, h - 89}, h >= 89}}}};
    default:
        return std::nullopt;
    }
}

// A skin bitmap that cannot be loaded is skipped.
void PaintPiece(Host& host, const Piece& piece) {
    const Picture picture = host.LoadResPicture(piece.resource);
    if (!picture) return;
    host.PaintPicture(picture, piece.x, piece.y, piece.width, piece.height);
}

} // namespace

// ---- Drawing ----------------------------------------------------------------------------

// Paints the frame of the current scheme over whatever the surface shows: the background
// box, the four corners, then the edges that fit. The custom type draws nothing.
void NuvelScreen::Redraw() {
    const double w = host_.ScaleWidth();
    const double h = host_.ScaleHeight();
    const auto frame = FrameFor(screenType_, w, h);
    if (!frame) return;
    host_.Line(0, 0, w, h, frame->background, LineKind::FilledBox);
    for (const Piece& corner : frame->corners)
        PaintPiece(host_, corner);
    for (const Edge& edge : frame->edges)
        if (edge.drawn) PaintPiece(host_, edge.piece);
}

} // namespace nk
