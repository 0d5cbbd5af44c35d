// The nuvset1 bitmaps: backgrounds, check glyphs, spheres, pill faces, masks, the about logo
// and the link pointer, numbered as the controls load them.
#include "resources/gen_set1_parts.h"
#include "resources/generator.h"

#include <utility>

namespace nk::resgen {

namespace {

void Add(std::vector<GeneratedBitmap>& out, int id, int depth, Image image) {
    image.bitsPerPixel = depth;
    out.push_back({"nuvset1", id, depth, std::move(image)});
}

} // namespace

void GenerateSet1Bitmaps(std::vector<GeneratedBitmap>& out) {
    using namespace set1;
    for (int i = 0; i < kBackgroundCount; ++i)
        Add(out, 101 + i, i == 3 ? 24 : 8, Background(i));
    Add(out, 601, 8, Background(kBackgroundCount));

    for (int state = 0; state < 4; ++state)
        Add(out, 201 + state, 8, CheckGlyph(state));

    for (int i = 0; i < kSphereCount; ++i) {
        Add(out, 300 + i, 8, Sphere(i, false));
        Add(out, 400 + i, i == 7 ? 24 : 8, Sphere(i, true));
    }
    Add(out, 600, 8, Sphere(kSphereCount, false));
    Add(out, 705, 1, DiscMask(32));
    Add(out, 706, 1, DiscMask(16));
    Add(out, 707, 1, DiscMask(64));

    for (int i = 0; i < kPillCount; ++i) {
        const int depth = (i == 2 || i == 3 || i == 7) ? 24 : 8;
        Add(out, 550 + i, depth, Pill(i, false));
        Add(out, 560 + i, depth, Pill(i, true));
    }
    Add(out, 602, 8, Pill(kPillCount, false));
    Add(out, 700, 1, PillMask(175, 32));
    Add(out, 701, 1, PillMask(88, 16));
    Add(out, 702, 1, PillMask(350, 64));

    Add(out, 900, 8, Logo());
    Add(out, 901, 8, LinkPointer());
}

} // namespace nk::resgen
