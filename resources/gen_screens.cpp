// The screen frames of nuvset1: corners and stretchable edges in three schemes.
#include "resources/generator.h"

namespace nk::resgen {

void GenerateScreenBitmaps(std::vector<GeneratedBitmap>& out) {
    (void)out;
}

} // namespace nk::resgen
