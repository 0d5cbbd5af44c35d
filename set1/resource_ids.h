// The numbers of the nuvset1 resources, named once: the controls load them under these names,
// the generator draws them under these names and the resource list describes them under
// these names. The press and release sounds are numbered in framework/sound.h.
#pragma once

#include "framework/picture_masks.h"

namespace nk::nuvset1 {

// NuvelCommand's backgrounds, 250 x 100: the first of kBackgroundCount, by BackPicture, and
// the greyed one of a disabled button.
inline constexpr int kFirstBackground = 101;
inline constexpr int kBackgroundCount = 8;
inline constexpr int kDisabledBackground = 601;

// NuvelCheck's built-in glyphs, 24 x 24.
inline constexpr int kUncheckedGlyph = 201;
inline constexpr int kCheckedGlyph = 202;
inline constexpr int kPressedGlyph = 203;
inline constexpr int kDisabledGlyph = 204;

// NuvelSphere's faces, 32 x 32: the first of kSphereCount, by type, at rest and pressed, and
// the face of a disabled sphere.
inline constexpr int kFirstSphere = 300;
inline constexpr int kFirstPressedSphere = 400;
inline constexpr int kSphereCount = 10;
inline constexpr int kDisabledSphere = 600;

// NuvelHCommand's pill faces, 175 x 32: the first of kPillCount, by style, at rest and
// pressed, and the face of a disabled button.
inline constexpr int kFirstPill = 550;
inline constexpr int kFirstPressedPill = 560;
inline constexpr int kPillCount = 8;
inline constexpr int kDisabledPill = 602;

// The one-bit masks of a shape at its natural size, at half and at double size.
inline constexpr MaskBitmaps kPillMasks = {.natural = 700, .half = 701, .twice = 702};
inline constexpr MaskBitmaps kSphereMasks = {.natural = 705, .half = 706, .twice = 707};

// NuvelScreen's frame pieces of one scheme: four corners and four stretched edges, numbered
// one after another from the scheme's first bitmap.
struct ScreenIds {
    int topLeft;
    int bottomLeft;
    int topRight;
    int bottomRight;
    int topEdge;
    int bottomEdge;
    int leftEdge;
    int rightEdge;
};
constexpr ScreenIds ScreenFrom(int first) {
    return {first, first + 1, first + 2, first + 3, first + 4, first + 5, first + 6, first + 7};
}
inline constexpr ScreenIds kGreenScreen = ScreenFrom(500);
inline constexpr ScreenIds kCyanScreen = ScreenFrom(510);
inline constexpr ScreenIds kBlueScreen = ScreenFrom(520);

// The about dialog's logo (400 x 120) and its link pointer (32 x 32).
inline constexpr int kAboutLogo = 900;
inline constexpr int kAboutPointer = 901;

} // namespace nk::nuvset1
