// What the picture codecs share: choosing a decoder by signature, reading and writing files.
#include "host/codec.h"
#include "registry/file_io.h"

#include <cstring>
#include <new>

namespace nk {
namespace {

bool StartsWith(std::span<const std::uint8_t> data, const char* magic, std::size_t n) {
    return data.size() >= n && std::memcmp(data.data(), magic, n) == 0;
}

DecodeResult ChooseDecoder(std::span<const std::uint8_t> data, const std::string& source) {
    if (StartsWith(data, "BM", 2)) return DecodeBmp(data, source);
    if (StartsWith(data, "\x89PNG\r\n\x1a\n", 8)) return DecodePng(data, source);
    if (StartsWith(data, "\xFF\xD8\xFF", 3)) return DecodeJpeg(data, source);
    if (StartsWith(data, "GIF87a", 6) || StartsWith(data, "GIF89a", 6))
        return DecodeGif(data, source);
    DecodeResult result;
    result.error = source + (data.empty() ? ": empty file"
                                          : ": unknown picture format (not BMP, PNG, JPEG or GIF)");
    return result;
}

} // namespace

std::string PictureSizeProblem(std::int64_t w, std::int64_t h) {
    const std::string size = std::to_string(w) + " x " + std::to_string(h);
    if (w <= 0 || h <= 0) return "non-positive size " + size;
    if (w > kMaxPictureSide || h > kMaxPictureSide)
        return "size " + size + " exceeds " + std::to_string(kMaxPictureSide) + " pixels a side";
    const auto pixels = static_cast<std::uint64_t>(w) * static_cast<std::uint64_t>(h);
    if (pixels > kMaxPicturePixels)
        return "size " + size + " is " + std::to_string(pixels) + " pixels, more than the " +
               std::to_string(kMaxPicturePixels) + " pixels a picture may hold";
    return {};
}

DecodeResult DecodePicture(std::span<const std::uint8_t> data, const std::string& source) {
    // The decoders check sizes before they allocate; memory may still run short on a
    // busy machine, and that is a message about this picture, not the end of the program.
    try {
        return ChooseDecoder(data, source);
    } catch (const std::bad_alloc&) {
        DecodeResult result;
        result.error = source + ": not enough memory to decode the picture";
        return result;
    }
}

DecodeResult LoadPictureFile(const std::string& path) {
    FileBytes file = ReadRegularFile(path, kMaxPictureFileBytes, "picture file");
    if (!file.ok()) {
        DecodeResult result;
        result.error = std::move(file.error);
        return result;
    }
    return DecodePicture(file.bytes, path);
}

std::string WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    return ReplaceFile(path,
                       std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string WritePng(const Image& image, const std::string& path) {
    std::vector<std::uint8_t> png = EncodePng(image);
    if (png.empty())
        return path + ": cannot encode a picture of " + std::to_string(image.width) + " x " +
               std::to_string(image.height) + " pixels as PNG";
    return WriteFile(path, png);
}

} // namespace nk
