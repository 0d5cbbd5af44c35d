// Feeds arbitrary bytes to the BMP reader: it must refuse or decode them without reading
// outside the buffer; a decoded image must be within the side limit and hold every pixel,
// and a refusal must name the source.
#include "host/codec/codec.h"
// The reader is compiled into this target, not only linked from nk_host, so that the
// fuzzer's coverage instrumentation sees its branches (the libraries are built without it).
#include "host/codec/codec_bmp.cpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const nk::DecodeResult r = nk::DecodeBmp({data, size}, "fuzz.bmp");
    if (r.ok()) {
        const nk::Image& img = r.image;
        if (img.width <= 0 || img.height <= 0 || img.width > nk::kMaxPictureSide ||
            img.height > nk::kMaxPictureSide)
            std::abort();
        if (img.pixels.size() != static_cast<std::size_t>(img.width) * img.height) std::abort();
        for (std::uint32_t p : img.pixels)
            if ((p >> 24) != 0xFF) std::abort(); // BMP pictures are opaque
    } else if (r.error.rfind("fuzz.bmp: ", 0) != 0) {
        std::abort();
    }
    return 0;
}
