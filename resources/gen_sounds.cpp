// The press and release sounds of nuvset1.
#include "resources/generator.h"

namespace nk::resgen {

void GenerateSounds(std::vector<GeneratedSound>& out) {
    (void)out;
}

} // namespace nk::resgen
