// Feeds arbitrary bytes to the kit's picture decoding, the format chosen by the data's
// signature as for a file: every reader must refuse or decode without reading outside the
// buffer, within the pixel budget, and a refusal must name the source.
#include "host/codec/codec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const nk::DecodeResult r = nk::DecodePicture({data, size}, "fuzz.pic");
    if (!r.ok()) {
        if (r.error.rfind("fuzz.pic: ", 0) != 0 || r.error.size() <= 10) std::abort();
        return 0;
    }
    const nk::Image& img = r.image;
    if (!nk::PictureSizeProblem(img.width, img.height).empty()) std::abort();
    if (img.pixels.size() != static_cast<std::size_t>(img.width) * img.height) std::abort();
    return 0;
}
