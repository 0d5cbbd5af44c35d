// Shared pieces of the nuvset2 drawings: surfaces described by a height and a colour at every
// point, lit by one light from the upper left and rendered with several samples per pixel.
#pragma once

#include "resources/generator.h"
#include "resources/paint.h"

#include <functional>
#include <vector>

namespace nk::resgen::set2 {

// What a drawing shows at one point: the surface's height (in pixels, for the light), its
// colour, how glossy it is (0 matte, 1 wet), and light it gives off itself.
struct Surface {
    float height = 0;
    paint::Rgb albedo;
    float gloss = 0.5f;
    paint::Rgb emission;
};

using SurfaceFn = std::function<Surface(paint::Vec2)>;

// Renders the w x h logical area of a surface whose top-left corner is at (x0, y0), at
// `scale` device pixels per logical pixel, averaging samples x samples points per pixel.
paint::Layer RenderSurface(const SurfaceFn& f, int x0, int y0, int w, int h, int samples = 3,
                           float scale = 1.0f);

// The colour of a surface point seen from the front with normal n.
paint::Rgb ShadeSurface(const Surface& s, paint::Vec3 n);

// The w x h device pixels of `l` from (x0, y0).
paint::Layer Crop(const paint::Layer& l, int x0, int y0, int w, int h);

// A piece that shows `changed` but meets the picture `base` was cut from without a seam: its
// outermost pixels come from `base` and the change fades in over `fade` more pixels. Both
// layers show the same place at the same size.
paint::Layer Inset(const paint::Layer& base, const paint::Layer& changed, float fade);

void AddBitmap(std::vector<GeneratedBitmap>& out, int id, int depth, const paint::Layer& layer);

// The directional pads: skins, held arrows, lights and masks (130-137, 140-149, 150-157).
void GeneratePadBitmaps(std::vector<GeneratedBitmap>& out, float scale);

} // namespace nk::resgen::set2
