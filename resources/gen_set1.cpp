// The nuvset1 bitmaps: backgrounds, check glyphs, spheres, pill faces, masks, the about logo
// and the link pointer, numbered as the controls load them.
#include "resources/gen_set1_parts.h"
#include "resources/generator.h"

#include <utility>

namespace nk::resgen {

namespace {

struct Adder {
    std::vector<GeneratedBitmap>& out;
    float scale;
    void operator()(int id, int depth, Image image) const {
        image.bitsPerPixel = depth;
        out.push_back({"nuvset1", id, depth, std::move(image), scale});
    }
};

} // namespace

void GenerateSet1Bitmaps(std::vector<GeneratedBitmap>& out, float scale) {
    using namespace set1;
    const Adder Add{out, scale};
    for (int i = 0; i < kBackgroundCount; ++i)
        Add(101 + i, i == 3 ? 24 : 8, Background(i, scale));
    Add(601, 8, Background(kBackgroundCount, scale));

    for (int state = 0; state < 4; ++state)
        Add(201 + state, 8, CheckGlyph(state, scale));

    for (int i = 0; i < kSphereCount; ++i) {
        Add(300 + i, 8, Sphere(i, false, scale));
        Add(400 + i, i == 7 ? 24 : 8, Sphere(i, true, scale));
    }
    Add(600, 8, Sphere(kSphereCount, false, scale));
    Add(705, 1, DiscMask(32, scale));
    Add(706, 1, DiscMask(16, scale));
    Add(707, 1, DiscMask(64, scale));

    for (int i = 0; i < kPillCount; ++i) {
        const int depth = (i == 2 || i == 3 || i == 7) ? 24 : 8;
        Add(550 + i, depth, Pill(i, false, scale));
        Add(560 + i, depth, Pill(i, true, scale));
    }
    Add(602, 8, Pill(kPillCount, false, scale));
    Add(700, 1, PillMask(175, 32, scale));
    Add(701, 1, PillMask(88, 16, scale));
    Add(702, 1, PillMask(350, 64, scale));

    Add(900, 8, Logo(scale));
    Add(901, 8, LinkPointer(scale));
}

} // namespace nk::resgen
