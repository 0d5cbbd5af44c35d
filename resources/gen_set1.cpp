// The nuvset1 bitmaps: backgrounds, check glyphs, spheres, pill faces, masks, the about logo
// and the link pointer.
#include "resources/generator.h"

namespace nk::resgen {

void GenerateSet1Bitmaps(std::vector<GeneratedBitmap>& out) { (void)out; }

} // namespace nk::resgen
