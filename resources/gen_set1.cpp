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
    using namespace nuvset1;
    const Adder Add{out, scale};
    for (int i = 0; i < kBackgroundCount; ++i)
        Add(kFirstBackground + i, i == 3 ? 24 : 8, Background(i, scale));
    Add(kDisabledBackground, 8, Background(kBackgroundCount, scale));

    const int glyphs[] = {kUncheckedGlyph, kCheckedGlyph, kPressedGlyph, kDisabledGlyph};
    for (int state = 0; state < 4; ++state)
        Add(glyphs[state], 8, CheckGlyph(state, scale));

    for (int i = 0; i < kSphereCount; ++i) {
        Add(kFirstSphere + i, 8, Sphere(i, false, scale));
        Add(kFirstPressedSphere + i, i == 7 ? 24 : 8, Sphere(i, true, scale));
    }
    Add(kDisabledSphere, 8, Sphere(kSphereCount, false, scale));
    Add(kSphereMasks.natural, 1, DiscMask(32, scale));
    Add(kSphereMasks.half, 1, DiscMask(16, scale));
    Add(kSphereMasks.twice, 1, DiscMask(64, scale));

    for (int i = 0; i < kPillCount; ++i) {
        const int depth = (i == 2 || i == 3 || i == 7) ? 24 : 8;
        Add(kFirstPill + i, depth, Pill(i, false, scale));
        Add(kFirstPressedPill + i, depth, Pill(i, true, scale));
    }
    Add(kDisabledPill, 8, Pill(kPillCount, false, scale));
    Add(kPillMasks.natural, 1, PillMask(175, 32, scale));
    Add(kPillMasks.half, 1, PillMask(88, 16, scale));
    Add(kPillMasks.twice, 1, PillMask(350, 64, scale));

    Add(kAboutLogo, 8, Logo(scale));
    Add(kAboutPointer, 8, LinkPointer(scale));
}

} // namespace nk::resgen
