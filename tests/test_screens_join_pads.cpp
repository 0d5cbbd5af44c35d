// The directional pads' pieces join their skins: each held arrow and each light, taken from
// nuvset2's embedded bitmaps and laid on the skin where the pad paints it, matches the skin
// along its border, changes the skin only inside (an arrow only inside its hot zone), and so
// sits exactly at its place.
#include "host/codec/codec.h"
#include "resources/resource_tables.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nk {
namespace {

struct Rect {
    int x, y, w, h;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

struct Piece {
    int id;
    int x, y;
    Rect zone; // the hot zone that must hold every changed pixel (arrows), or the piece itself
};

struct PadSkin {
    const char* name;
    int skin;
    std::vector<Piece> arrows;
    std::vector<Piece> litLights; // lit pictures at their places
    std::vector<Piece> darkLights;
};

std::vector<PadSkin> Pads() {
    return {
        {"NuvlMilitaryDir",
         130,
         {{131, 31, 44, {21, 44, 28, 33}},
          {132, 87, 46, {84, 44, 27, 33}},
          {133, 52, 26, {50, 16, 35, 26}},
          {134, 51, 81, {50, 78, 35, 27}}},
         {{136, 123, 41, {123, 41, 25, 25}}, {136, 123, 70, {123, 70, 25, 25}}},
         {{135, 123, 41, {123, 41, 25, 25}}, {135, 123, 70, {123, 70, 25, 25}}}},
        {"NuvlAquaishDir",
         140,
         {{141, 13, 43, {13, 43, 27, 31}},
          {142, 90, 43, {80, 43, 27, 31}},
          {143, 45, 13, {45, 13, 32, 27}},
          {144, 45, 87, {45, 77, 31, 27}}},
         {{146, 113, 15, {113, 15, 24, 20}}, {148, 113, 44, {113, 44, 24, 20}}},
         {{145, 113, 15, {113, 15, 24, 20}}, {147, 113, 44, {113, 44, 24, 20}}}},
        {"NuvlElectronicDir",
         150,
         {{151, 20, 35, {20, 45, 25, 31}},
          {152, 60, 35, {70, 45, 25, 31}},
          {153, 32, 22, {42, 22, 31, 27}},
          {154, 32, 63, {42, 73, 31, 26}}},
         {{156, 113, 14, {113, 14, 37, 36}}, {156, 113, 50, {113, 50, 37, 36}}},
         {{155, 113, 14, {113, 14, 37, 36}}, {155, 113, 50, {113, 50, 37, 36}}}},
    };
}

Image Load(int id) {
    const ResourceEntry* entry = Nuvset2Resources().Find(id, ResourceKind::Bitmap);
    if (!entry) return {};
    DecodeResult decoded = DecodeBmp(entry->bytes, "res:" + std::to_string(id));
    return decoded.ok() ? std::move(decoded.image) : Image{};
}

int Difference(std::uint32_t a, std::uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                         static_cast<int>((b >> shift) & 0xFF)));
    return worst;
}

struct Comparison {
    double borderMean = 0; // mean difference along the piece's outermost ring
    double mean = 0;       // mean difference over the whole piece
    int changedOutsideZone = 0;
    int changed = 0;
};

// A pixel counts as changed when it differs from the skin by more than the palettes of two
// separately quantised images can explain.
constexpr int kChanged = 40;

Comparison CompareWithSkin(const Image& skin, const Image& piece, const Piece& at) {
    Comparison c;
    long sum = 0, all = 0;
    int ring = 0;
    for (int y = 0; y < piece.height; ++y)
        for (int x = 0; x < piece.width; ++x) {
            const int sx = at.x + x, sy = at.y + y;
            const int d = Difference(piece.At(x, y), skin.At(sx, sy));
            all += d;
            if (x == 0 || y == 0 || x == piece.width - 1 || y == piece.height - 1) {
                sum += d;
                ++ring;
            }
            if (d > kChanged) {
                ++c.changed;
                if (!at.zone.Contains(sx, sy)) ++c.changedOutsideZone;
            }
        }
    c.borderMean = ring ? static_cast<double>(sum) / ring : 0;
    c.mean = static_cast<double>(all) / std::max(1, piece.width * piece.height);
    return c;
}

TEST(PadPieces, HeldArrowsAndLightsFitTheirSkins) {
    for (const PadSkin& pad : Pads()) {
        SCOPED_TRACE(pad.name);
        const Image skin = Load(pad.skin);
        ASSERT_EQ(skin.width, 150);
        ASSERT_EQ(skin.height, 120);
        for (const Piece& arrow : pad.arrows) {
            SCOPED_TRACE(arrow.id);
            const Image held = Load(arrow.id);
            ASSERT_GT(held.width, 0);
            const Comparison c = CompareWithSkin(skin, held, arrow);
            EXPECT_LT(c.borderMean, 6.0); // it joins the skin
            EXPECT_GT(c.changed, 20);     // holding the direction shows
            EXPECT_EQ(c.changedOutsideZone, 0) << "the hot zone does not cover the arrow";
        }
        for (const Piece& light : pad.litLights) {
            SCOPED_TRACE(light.id);
            const Image lit = Load(light.id);
            ASSERT_GT(lit.width, 0);
            const Comparison c = CompareWithSkin(skin, lit, light);
            EXPECT_LT(c.borderMean, 6.0);
            EXPECT_GT(c.changed, 20);
        }
        // The skin shows the lights dark, so a dark light changes little more than its palette
        // (the skin's palette is shared by many more colours).
        for (const Piece& light : pad.darkLights) {
            SCOPED_TRACE(light.id);
            const Image dark = Load(light.id);
            ASSERT_GT(dark.width, 0);
            const Comparison c = CompareWithSkin(skin, dark, light);
            EXPECT_LT(c.borderMean, 6.0);
            EXPECT_LT(c.mean, 10.0);
            EXPECT_LT(c.changed, dark.width * dark.height / 50);
        }
    }
}

// A lit light is brighter than its dark twin at its centre.
TEST(PadPieces, LitLightsAreBrighterThanDarkOnes) {
    const std::vector<std::pair<int, int>> pairs = {{135, 136}, {145, 146}, {147, 148}, {155, 156}};
    for (const auto& [darkId, litId] : pairs) {
        SCOPED_TRACE(litId);
        const Image dark = Load(darkId), lit = Load(litId);
        ASSERT_GT(dark.width, 0);
        ASSERT_EQ(dark.width, lit.width);
        auto luma = [](std::uint32_t p) {
            return 0.3 * ((p >> 16) & 0xFF) + 0.59 * ((p >> 8) & 0xFF) + 0.11 * (p & 0xFF);
        };
        const int cx = dark.width / 2, cy = dark.height / 2;
        EXPECT_GT(luma(lit.At(cx, cy)), luma(dark.At(cx, cy)) + 60);
    }
}

} // namespace
} // namespace nk
