// The screen frames join without a seam: each scheme's corners and stretched edges, taken
// from nuvset1's embedded bitmaps, are painted the way the screen control places them, at
// sizes where every edge is drawn, and neighbouring pixels that come from different pieces
// (or from a piece and the background fill) must look alike.
#include "framework/font.h"
#include "host/codec/codec.h"
#include "host/surface/surface_canvas.h"
#include "resources/resource_tables.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace nk {
namespace {

struct Placement {
    int id;
    int x, y, w, h;
    bool drawn; // the edge's condition
};

struct Frame {
    const char* name;
    OleColor background;
    int minWidth, minHeight; // the smallest size at which every edge is drawn
    std::function<std::vector<Placement>(int W, int H)> pieces; // in painting order
};

std::vector<Frame> Frames() {
    return {
        {"green", 0x008900, 255, 246,
         [](int W, int H) {
             return std::vector<Placement>{
                 {500, 0, 0, 189, 197, true},           {501, 0, H - 49, 54, 49, true},
                 {502, W - 66, 0, 66, 50, true},        {503, W - 37, H - 38, 37, 38, true},
                 {504, 189, 0, W - 255, 35, W >= 255},  {505, 54, H - 34, W - 91, 34, W >= 91},
                 {506, -1, 197, 37, H - 246, H >= 246}, {507, W - 38, 50, 38, H - 88, H >= 88},
             };
         }},
        {"cyan", 0x808A00, 255, 227,
         [](int W, int H) {
             return std::vector<Placement>{
                 {510, 0, 0, 189, 175, true},
                 {511, 0, H - 52, 55, 52, true},
                 {512, W - 65, 0, 65, 52, true}, // 51 rows drawn 52 high
                 {513, W - 133, H - 114, 133, 114, true},
                 {514, 189, 0, W - 254, 40, W >= 255},
                 {515, 55, H - 34, W - 188, 34, W >= 188},
                 {516, -1, 175, 36, H - 227, H >= 227},
                 {517, W - 34, 51, 34, H - 165, H >= 165},
             };
         }},
        {"blue", 0x850000, 310, 244,
         [](int W, int H) {
             return std::vector<Placement>{
                 {520, 0, 0, 249, 197, true},           {521, 0, H - 47, 50, 47, true},
                 {522, W - 61, 0, 61, 47, true},        {523, W - 46, H - 42, 46, 42, true},
                 {524, 249, 0, W - 310, 36, W >= 310},  {525, 50, H - 33, W - 96, 33, W >= 96},
                 {526, -1, 197, 37, H - 244, H >= 244}, {527, W - 36, 47, 36, H - 89, H >= 89},
             };
         }},
    };
}

Picture LoadPiece(int id, std::string& error) {
    const ResourceEntry* entry = Nuvset1Resources().Find(id, ResourceKind::Bitmap);
    if (!entry) {
        error = "nuvset1 has no bitmap " + std::to_string(id);
        return nullptr;
    }
    DecodeResult decoded = DecodeBmp(entry->bytes, "res:" + std::to_string(id));
    if (!decoded.ok()) {
        error = decoded.error;
        return nullptr;
    }
    if (decoded.image.bitsPerPixel != 24) {
        error = "bitmap " + std::to_string(id) + " is not 24 bits";
        return nullptr;
    }
    return MakePicture(std::move(decoded.image), "res:" + std::to_string(id));
}

int ChannelDifference(std::uint32_t a, std::uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        worst = std::max(worst, std::abs(ca - cb));
    }
    return worst;
}

struct Joints {
    int pairs = 0; // neighbouring pixels from different pieces
    int worst = 0; // the largest channel difference between such neighbours
    std::string where;
};

// Paints the frame as the screen control does (background, corners, edges) and compares every
// pair of neighbouring pixels that were painted by different pieces.
Joints MeasureJoints(const Frame& frame, const std::vector<Picture>& pictures, int W, int H) {
    SurfaceCanvas canvas(W, H, 0x8000000F, 0, Font{});
    canvas.Line(0, 0, W, H, frame.background, LineKind::FilledBox);
    std::vector<int> owner(static_cast<std::size_t>(W) * H, -1); // -1: the background fill
    const auto placements = frame.pieces(W, H);
    for (std::size_t i = 0; i < placements.size(); ++i) {
        const Placement& p = placements[i];
        if (!p.drawn || p.w <= 0 || p.h <= 0) continue;
        canvas.PaintPicture(pictures[i], p.x, p.y, p.w, p.h);
        for (int y = std::max(0, p.y); y < std::min(H, p.y + p.h); ++y)
            for (int x = std::max(0, p.x); x < std::min(W, p.x + p.w); ++x)
                owner[static_cast<std::size_t>(y) * W + x] = p.id;
    }
    const Image& img = canvas.pixels();
    Joints j;
    auto compare = [&](int x0, int y0, int x1, int y1) {
        const int a = owner[static_cast<std::size_t>(y0) * W + x0];
        const int b = owner[static_cast<std::size_t>(y1) * W + x1];
        if (a == b) return;
        ++j.pairs;
        const int d = ChannelDifference(img.At(x0, y0), img.At(x1, y1));
        if (d > j.worst) {
            j.worst = d;
            std::ostringstream where;
            where << "(" << x0 << "," << y0 << ") piece " << a << " against (" << x1 << "," << y1
                  << ") piece " << b << " (-1: background)";
            j.where = where.str();
        }
    };
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (x + 1 < W) compare(x, y, x + 1, y);
            if (y + 1 < H) compare(x, y, x, y + 1);
        }
    return j;
}

// A stretched edge repeats its one row or column, so where it meets a corner the two agree
// up to rounding; the cyan top-right corner, drawn one row taller than it is, is made so that
// its smooth stretch agrees too.
constexpr int kSeamTolerance = 4;

TEST(ScreenFrames, PiecesJoinWithoutASeamAtEverySizeWhereTheEdgesAreDrawn) {
    for (const Frame& frame : Frames()) {
        SCOPED_TRACE(frame.name);
        std::vector<Picture> pictures;
        for (const Placement& p : frame.pieces(1000, 1000)) {
            std::string error;
            pictures.push_back(LoadPiece(p.id, error));
            ASSERT_TRUE(pictures.back()) << error;
        }
        const int w0 = frame.minWidth, h0 = frame.minHeight;
        const std::vector<std::pair<int, int>> sizes = {
            {w0, h0}, {w0 + 1, h0 + 1}, {w0 + 37, h0 + 91}, {640, 480}, {1203, 777}};
        for (const auto& [W, H] : sizes) {
            SCOPED_TRACE(std::to_string(W) + " x " + std::to_string(H));
            const Joints j = MeasureJoints(frame, pictures, W, H);
            EXPECT_GT(j.pairs, W + H); // every side has joints to compare
            EXPECT_LE(j.worst, kSeamTolerance) << j.where;
        }
    }
}

// The bitmaps have the sizes the control paints them at (the cyan top-right corner excepted),
// and each edge is one pixel along its length.
TEST(ScreenFrames, PiecesHaveTheirSizes) {
    for (const Frame& frame : Frames()) {
        for (const Placement& p : frame.pieces(1000, 1000)) {
            SCOPED_TRACE(p.id);
            std::string error;
            const Picture picture = LoadPiece(p.id, error);
            ASSERT_TRUE(picture) << error;
            const bool horizontalEdge = p.id % 10 == 4 || p.id % 10 == 5;
            const bool verticalEdge = p.id % 10 == 6 || p.id % 10 == 7;
            EXPECT_EQ(picture->Width(), horizontalEdge ? 1 : p.w);
            EXPECT_EQ(picture->Height(), verticalEdge ? 1 : (p.id == 512 ? 51 : p.h));
        }
    }
}

// Inside the opening, away from the bezel's shadow, each corner shows exactly the scheme's
// colour, so the background fill of the control continues it.
TEST(ScreenFrames, TheOpeningShowsTheSchemeColour) {
    struct Probe {
        int id;
        int x, y;
        std::uint32_t rgb;
    };
    // Inner corners of each top-left piece, where the opening reaches the piece's far corner.
    const std::vector<Probe> probes = {
        {500, 188, 196, 0x008900}, {510, 188, 174, 0x008A80}, {520, 248, 196, 0x000085},
        {501, 53, 0, 0x008900},    {511, 54, 0, 0x008A80},    {521, 49, 0, 0x000085},
        {502, 0, 49, 0x008900},    {513, 0, 0, 0x008A80},     {522, 0, 46, 0x000085},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.id);
        std::string error;
        const Picture picture = LoadPiece(probe.id, error);
        ASSERT_TRUE(picture) << error;
        EXPECT_EQ(picture->image()->At(probe.x, probe.y) & 0xFFFFFFu, probe.rgb);
    }
}

} // namespace
} // namespace nk
