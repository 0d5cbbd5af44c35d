// The drawings of nuvset1, one function per kind of bitmap; GenerateSet1Bitmaps numbers them.
#pragma once

#include "framework/picture.h"
#include "set1/resource_ids.h"

namespace nk::resgen::set1 {

// Every drawing takes `scale`, the device pixels per logical pixel it is painted at; the
// sizes below are logical.

using nuvset1::kBackgroundCount;
using nuvset1::kPillCount;
using nuvset1::kSphereCount;

// Backgrounds, 250 x 100: 0 SpiralRainbow, 1 CyanWater, 2 BlueBubblyWater, 3 AuroraZone,
// 4 GreenWater, 5 TriColorTemple, 6 UnderwaterClouds, 7 LollipopLand; kBackgroundCount gives
// the greyed disabled background.
Image Background(int index, float scale);

// Sphere faces, 32 x 32: 0 Rings, 1 Gas Giant 1, 2 Gas Giant 2, 3 Rainbow, 4 Rain Flux,
// 5 Pixelix, 6 Vortex, 7 Cables, 8 Clouds, 9 Blue; kSphereCount gives the disabled sphere.
Image Sphere(int type, bool pressed, float scale);

// Pill faces, 175 x 32: 0 CyanWater, 1 BlueWater, 2 TriColor, 3 Crystaline, 4 Clouds,
// 5 OldMarble, 6 TintMarble, 7 Spectrum; kPillCount gives the disabled face.
Image Pill(int style, bool pressed, float scale);

// Check glyphs, 24 x 24: 0 unchecked, 1 checked, 2 pressed, 3 disabled.
Image CheckGlyph(int state, float scale);

// One-bit masks: a black disc touching all four edges of a size x size square, and a black
// capsule (a rectangle ending in half-discs) filling width x height; white elsewhere.
Image DiscMask(int size, float scale);
Image PillMask(int width, int height, float scale);

// The about dialog's logo (400 x 120) and its link pointer (32 x 32).
Image Logo(float scale);
Image LinkPointer(float scale);

} // namespace nk::resgen::set1
