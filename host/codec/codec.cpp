// What the picture codecs share: choosing a decoder by signature, reading and writing files.
#include "host/codec/codec.h"
#include "support/file_io.h"

#include <cmath>
#include <cstring>
#include <new>
#include <sys/stat.h>

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

std::string ScaledFileName(const std::string& path, double scale) {
    const std::string tag = scale == 1.5 ? "@1.5x" : "@" + std::to_string(std::lround(scale)) + "x";
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        dot == (slash == std::string::npos ? 0 : slash + 1))
        return path + tag;
    return path.substr(0, dot) + tag + path.substr(dot);
}

Picture LoadScaledPictureFile(const std::string& path, std::string label, std::string& error) {
    DecodeResult base = LoadPictureFile(path);
    if (!base.ok()) {
        error = std::move(base.error);
        return nullptr;
    }
    std::vector<ScaledImage> variants;
    for (const double scale : {1.5, 2.0, 3.0}) {
        const std::string name = ScaledFileName(path, scale);
        struct stat st {};
        if (::stat(name.c_str(), &st) != 0) continue; // none for this scale
        DecodeResult fine = LoadPictureFile(name);
        if (!fine.ok()) {
            error = std::move(fine.error);
            return nullptr;
        }
        const long w = std::lround(base.image.width * scale),
                   h = std::lround(base.image.height * scale);
        if (fine.image.width != w || fine.image.height != h) {
            error = name + ": the image is " + std::to_string(fine.image.width) + " x " +
                    std::to_string(fine.image.height) + " pixels; beside a picture of " +
                    std::to_string(base.image.width) + " x " + std::to_string(base.image.height) +
                    " it must be " + std::to_string(w) + " x " + std::to_string(h);
            return nullptr;
        }
        fine.image.bitsPerPixel = base.image.bitsPerPixel;
        variants.push_back({scale, std::make_shared<const Image>(std::move(fine.image))});
    }
    return std::make_shared<PictureObject>(std::make_shared<const Image>(std::move(base.image)),
                                           std::move(label), std::move(variants));
}

std::string WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    return ReplaceFile(path,
                       std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

namespace {

// Writes what an encoder made, or says it made nothing of a picture of this size.
std::string WriteEncoded(const Image& image, const std::string& path,
                         std::span<const std::uint8_t> bytes, std::string_view format) {
    if (bytes.empty())
        return path + ": cannot encode a picture of " + std::to_string(image.width) + " x " +
               std::to_string(image.height) + " pixels as " + std::string(format);
    return WriteFile(path, bytes);
}

} // namespace

std::string WritePng(const Image& image, const std::string& path) {
    return WriteEncoded(image, path, EncodePng(image), "PNG");
}

std::string WriteBmp(const Image& image, const std::string& path) {
    static const std::string kBmp =
        "BMP (which holds 1 to " + std::to_string(kMaxPictureSide) + " pixels a side)";
    return WriteEncoded(image, path, EncodeBmp(image, 24), kBmp);
}

} // namespace nk
