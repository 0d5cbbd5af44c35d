// PNG through libpng's simplified interface, which keeps libpng's error jumps inside
// libpng: a damaged file comes back as a failed call with a message.
#include "host/codec/codec.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace nk {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian32(std::span<const std::uint8_t> d, std::size_t at) {
    return (static_cast<std::uint32_t>(d[at]) << 24) |
           (static_cast<std::uint32_t>(d[at + 1]) << 16) |
           (static_cast<std::uint32_t>(d[at + 2]) << 8) | d[at + 3];
}

// The depth a decoded image records, from the header's bit depth and colour type:
// one-bit grey is black and white; palettes and grey are 4 or 8; colour is 24 or 32.
int SourceDepth(std::span<const std::uint8_t> d, bool hasAlpha) {
    int bitDepth = d[24];
    int colourType = d[25];
    if (hasAlpha) return 32;
    switch (colourType) {
    case 0:
        return bitDepth == 1 ? 1 : (bitDepth <= 4 ? 4 : 8);
    case 3:
        return bitDepth <= 4 ? 4 : 8;
    default:
        return 24;
    }
}

// Bits a pixel of the stored rows takes: the bit depth times the colour type's channels.
std::uint64_t PixelBits(std::span<const std::uint8_t> d) {
    const int bitDepth = d[24] == 0 ? 1 : d[24];
    switch (d[25]) {
    case 2:
        return 3u * static_cast<std::uint64_t>(bitDepth);
    case 4:
        return 2u * static_cast<std::uint64_t>(bitDepth);
    case 6:
        return 4u * static_cast<std::uint64_t>(bitDepth);
    default:
        return static_cast<std::uint64_t>(bitDepth);
    }
}

struct ImageGuard {
    png_image* image;
    ~ImageGuard() { png_image_free(image); }
};

// What is wrong with the data as a PNG before its pixels are read: its header, a size beyond
// the limits, too few bytes for the rows it claims, or no end chunk. Empty when nothing is.
std::string HeaderProblem(std::span<const std::uint8_t> data) {
    // Signature (8) + IHDR length and type (8) + IHDR body (13) + CRC (4).
    if (data.size() < 33)
        return "truncated PNG header: needs 33 bytes, file has " + std::to_string(data.size());
    if (std::memcmp(data.data(), kSignature, 8) != 0) return "not a PNG file (bad signature)";
    if (std::memcmp(data.data() + 12, "IHDR", 4) != 0) return "PNG file does not start with IHDR";
    const std::uint32_t w = BigEndian32(data, 16), h = BigEndian32(data, 20);
    if (std::string problem = PictureSizeProblem(std::min<std::uint32_t>(w, 0x7FFFFFFFu),
                                                 std::min<std::uint32_t>(h, 0x7FFFFFFFu));
        !problem.empty())
        return problem;
    // Deflate expands at most about 1032 to 1: a file too small to hold the rows it
    // claims, at the bits a pixel its header gives, is refused before any pixel memory
    // is taken.
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(w) * PixelBits(data) + 7) / 8;
    const std::uint64_t rawRows = static_cast<std::uint64_t>(h) * (1 + rowBytes);
    if (static_cast<std::uint64_t>(data.size()) * 1032 < rawRows)
        return "truncated pixel data: " + std::to_string(data.size()) + " bytes cannot hold " +
               std::to_string(w) + " x " + std::to_string(h) + " pixels";

    // The reader stops at the last pixel row; a file cut after that still lacks its end
    // chunk, and a cut file is not taken for a whole one.
    static constexpr std::uint8_t kEnd[8] = {0, 0, 0, 0, 'I', 'E', 'N', 'D'};
    const auto end = std::search(data.begin() + 33, data.end(), std::begin(kEnd), std::end(kEnd));
    if (data.end() - end < 12) return "truncated PNG data: the file ends before its IEND chunk";
    return {};
}

} // namespace

PngShape CheckPng(std::span<const std::uint8_t> data, const std::string& source) {
    PngShape shape;
    if (std::string problem = HeaderProblem(data); !problem.empty()) {
        shape.error = source + ": " + problem;
        return shape;
    }
    // Every chunk whole, with the checksum its bytes call for, up to the end chunk.
    for (std::size_t at = 8;;) {
        if (data.size() - at < 12) {
            shape.error = source + ": truncated PNG data: a chunk at byte " + std::to_string(at) +
                          " is cut short";
            return shape;
        }
        const std::uint32_t length = BigEndian32(data, at);
        if (length > data.size() - at - 12) {
            shape.error = source + ": truncated PNG data: the chunk at byte " + std::to_string(at) +
                          " claims " + std::to_string(length) + " bytes";
            return shape;
        }
        const std::uint8_t* type = data.data() + at + 4;
        const auto crc = static_cast<std::uint32_t>(::crc32(0, type, length + 4));
        if (crc != BigEndian32(data, at + 8 + length)) {
            shape.error = source + ": damaged PNG data: the chunk at byte " + std::to_string(at) +
                          " fails its checksum";
            return shape;
        }
        if (std::memcmp(type, "IEND", 4) == 0) break;
        at += 12 + length;
    }
    shape.width = static_cast<int>(BigEndian32(data, 16));
    shape.height = static_cast<int>(BigEndian32(data, 20));
    return shape;
}

DecodeResult DecodePng(std::span<const std::uint8_t> data, const std::string& source) {
    DecodeResult result;
    auto fail = [&](const std::string& what) {
        result.error = source + ": " + what;
        return result;
    };
    if (std::string problem = HeaderProblem(data); !problem.empty()) return fail(problem);

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    ImageGuard guard{&image};
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
        return fail(std::string("bad PNG data: ") + image.message);
    bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_BGRA; // little-endian 0xAARRGGBB
    Image out(static_cast<int>(image.width), static_cast<int>(image.height), 0);
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(),
                               static_cast<png_int_32>(image.width * 4), nullptr))
        return fail(std::string("bad PNG data: ") + image.message);
    // A pixel is either opaque or see-through: alpha below one half is transparent.
    for (std::uint32_t& p : out.pixels)
        p = (p >> 24) >= 0x80 ? (p | 0xFF000000u) : (p & 0x00FFFFFFu);
    out.bitsPerPixel = SourceDepth(data, hasAlpha);
    result.image = std::move(out);
    return result;
}

std::vector<std::uint8_t> EncodePng(const Image& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return {};
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, image.pixels.data(), 0, nullptr))
        return {};
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&png, out.data(), &size, 0, image.pixels.data(), 0, nullptr))
        return {};
    out.resize(size);
    return out;
}

} // namespace nk
