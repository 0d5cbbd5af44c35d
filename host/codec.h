// Picture files: BMP (1, 4, 8, 24 and 32 bits; read and written by the kit's own codec),
// PNG (read and written), JPEG and GIF (read). A file that is truncated, lies about its
// size or claims more than 16384 pixels a side is refused with a message naming the
// file and the problem.
#pragma once

#include "framework/picture.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace nk {

inline constexpr int kMaxPictureSide = 16384;

// The outcome of a decode: an image, or an error message ("<source>: <problem>").
struct DecodeResult {
    Image image;
    std::string error; // empty on success
    bool ok() const { return error.empty(); }
};

// `source` names the data in messages (a file name, or "res:101").
DecodeResult DecodeBmp(std::span<const std::uint8_t> data, const std::string& source);
DecodeResult DecodePng(std::span<const std::uint8_t> data, const std::string& source);
DecodeResult DecodeJpeg(std::span<const std::uint8_t> data, const std::string& source);
DecodeResult DecodeGif(std::span<const std::uint8_t> data, const std::string& source);
// Chooses the decoder by the data's signature.
DecodeResult DecodePicture(std::span<const std::uint8_t> data, const std::string& source);
// Reads a file and decodes it.
DecodeResult LoadPictureFile(const std::string& path);

// BMP of the given depth. 1 bit: black and white; 8 bits: a palette of at most 256
// colours chosen for the image, with error-diffusion dithering when `dither` is set;
// 24 and 32 bits: true colour.
std::vector<std::uint8_t> EncodeBmp(const Image& image, int bitsPerPixel, bool dither = true);
// PNG, 8-bit RGBA (alpha kept: see-through pixels stay transparent).
std::vector<std::uint8_t> EncodePng(const Image& image);

// Writes bytes to a file; returns an error message, empty on success.
std::string WriteFile(const std::string& path, std::span<const std::uint8_t> bytes);
std::string WritePng(const Image& image, const std::string& path);

} // namespace nk
