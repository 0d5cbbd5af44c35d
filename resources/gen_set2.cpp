// The bitmaps of nuvset2: fill caps and fills, pad skins, and toolbox images.
#include "resources/generator.h"

namespace nk::resgen {

void GenerateSet2Bitmaps(std::vector<GeneratedBitmap>& out) {
    (void)out;
}

} // namespace nk::resgen
