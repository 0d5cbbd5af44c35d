// What the picture codecs share: choosing a decoder by signature, reading and writing files.
#include "host/codec.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace nk {
namespace {

bool StartsWith(std::span<const std::uint8_t> data, const char* magic, std::size_t n) {
    return data.size() >= n && std::memcmp(data.data(), magic, n) == 0;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Picture files beyond this size are refused before they are read into memory.
constexpr long kMaxPictureFileBytes = 1L << 30;

} // namespace

DecodeResult DecodePicture(std::span<const std::uint8_t> data, const std::string& source) {
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

DecodeResult LoadPictureFile(const std::string& path) {
    DecodeResult result;
    auto fail = [&](const std::string& what) {
        result.error = path + ": " + what;
        return result;
    };
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) return fail(std::string("cannot open: ") + std::strerror(errno));
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        return fail(std::string("cannot read: ") + std::strerror(errno));
    long size = std::ftell(file.get());
    if (size < 0) return fail(std::string("cannot read: ") + std::strerror(errno));
    if (size > kMaxPictureFileBytes)
        return fail("file of " + std::to_string(size) + " bytes is too large for a picture");
    std::rewind(file.get());
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return fail(std::string("cannot read: ") +
                    (std::ferror(file.get()) ? std::strerror(errno) : "file shrank while read"));
    return DecodePicture(bytes, path);
}

std::string WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    FileHandle file(std::fopen(path.c_str(), "wb"));
    if (!file) return path + ": cannot open for writing: " + std::strerror(errno);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return path + ": cannot write: " + std::strerror(errno);
    std::FILE* raw = file.release();
    if (std::fclose(raw) != 0) return path + ": cannot write: " + std::strerror(errno);
    return {};
}

std::string WritePng(const Image& image, const std::string& path) {
    std::vector<std::uint8_t> png = EncodePng(image);
    if (png.empty())
        return path + ": cannot encode a picture of " + std::to_string(image.width) + " x " +
               std::to_string(image.height) + " pixels as PNG";
    return WriteFile(path, png);
}

} // namespace nk
