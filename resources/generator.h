// The resource generator: draws every numbered bitmap and synthesises the two sounds,
// deterministically. The build runs it once and embeds each library's output in that
// library.
#pragma once

#include "framework/picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace nk::resgen {

struct GeneratedBitmap {
    std::string library; // "nuvset1" or "nuvset2"
    int id = 0;
    int bitsPerPixel = 8; // the depth the BMP is written in: 1, 8 or 24
    Image image;
    // Device pixels per logical pixel: 1 for the numbered resource, 1.5, 2 or 3 for the same
    // drawing painted finer.
    float scale = 1.0f;
};

// The scales each bitmap is painted at besides 1x.
inline constexpr float kVariantScales[] = {1.5f, 2.0f, 3.0f};

struct GeneratedSound {
    int id = 0;                     // 401 or 402, in nuvset1
    std::vector<std::uint8_t> wave; // a complete RIFF wave image
};

// Each drawing function paints its bitmaps at `scale`: at 1 the numbered resources with the
// sizes of the resource list, above 1 the same drawings finer.
//
// nuvset1: backgrounds 101-108 and 601, check glyphs 201-204, spheres 300-309, 400-409, 600,
// masks 705-707, pill faces 550-557, 560-567, 602, masks 700-702, about logo and pointer.
void GenerateSet1Bitmaps(std::vector<GeneratedBitmap>& out, float scale = 1.0f);
// nuvset1: the screen frames 500-507, 510-517, 520-527.
void GenerateScreenBitmaps(std::vector<GeneratedBitmap>& out, float scale = 1.0f);
// nuvset2: caps 101-104, fills 110-118, 120-128, pads 130-157, toolbox images 30000, 30001.
void GenerateSet2Bitmaps(std::vector<GeneratedBitmap>& out, float scale = 1.0f);
// nuvset1: the press (401) and release (402) sounds.
void GenerateSounds(std::vector<GeneratedSound>& out);

} // namespace nk::resgen
