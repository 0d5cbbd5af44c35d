// Feeds arbitrary bytes to the wave decoder: it must refuse or decode them without reading
// outside the buffer, and a decoded image must hold whole sample frames.
#include "host/sound/wave.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto decoded = nk::DecodeWave({data, size}, "fuzz");
    if (decoded.ok()) {
        if (decoded.info.channels == 0 || decoded.samples.size() % decoded.info.channels != 0)
            std::abort();
        if (decoded.info.dataOffset + decoded.info.dataSize > size) std::abort();
    } else if (!decoded.samples.empty()) {
        std::abort();
    }
    return 0;
}
