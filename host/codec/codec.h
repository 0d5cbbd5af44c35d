// Picture files: BMP (1, 4, 8, 24 and 32 bits; read and written by the kit's own codec),
// PNG (read and written), JPEG and GIF (read). A file that is truncated, lies about its
// size, claims more than 16384 pixels a side or more pixels than one picture may hold is
// refused with a message naming the file and the problem, before any pixel memory is taken.
#pragma once

#include "framework/picture.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace nk {

// Decoded pixels all the pictures of one form may hold together: 256 megapixels.
inline constexpr std::uint64_t kMaxFormPicturePixels = std::uint64_t{256} << 20;
// Picture files beyond this size are refused before they are read: room for the largest
// picture the pixel budget allows, uncompressed, with its headers.
inline constexpr std::uint64_t kMaxPictureFileBytes = (kMaxPicturePixels * 4) + (1u << 20);

// What is wrong with a decoded size of w x h (a side not positive, beyond 16384, or
// more pixels than the budget); empty when the size is acceptable.
std::string PictureSizeProblem(std::int64_t w, std::int64_t h);

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
// The size decoding a PNG will give, found without decoding it: DecodePng's checks of the
// header, and every chunk up to the end one whole and matching its checksum.
struct PngShape {
    int width = 0;
    int height = 0;
    std::string error; // empty when the data passed
    bool ok() const { return error.empty(); }
};
PngShape CheckPng(std::span<const std::uint8_t> data, const std::string& source);
// Chooses the decoder by the data's signature.
DecodeResult DecodePicture(std::span<const std::uint8_t> data, const std::string& source);
// Reads a file and decodes it. Only a regular file of at most kMaxPictureFileBytes is
// read: a folder, a FIFO or a device is refused at once.
DecodeResult LoadPictureFile(const std::string& path);

// The name of the image for a device scale beside a picture file: "dir/name@2x.png" for
// "dir/name.png" and the scale 2 ("@1.5x", "@3x" for the others).
std::string ScaledFileName(const std::string& path, double scale);

// A picture file as a picture labelled `label`, with the images for the device scales
// (1.5, 2, 3) that lie beside it as "name@2x.png" and so on. Nothing, with `error` naming
// the file and the problem, when the file or one of those images cannot be decoded, or an
// image's size is not its scale times the picture's.
Picture LoadScaledPictureFile(const std::string& path, std::string label, std::string& error);

// BMP of the given depth. 1 bit: black and white; 8 bits: a palette of at most 256
// colours chosen for the image, with error-diffusion dithering when `dither` is set;
// 24 and 32 bits: true colour.
std::vector<std::uint8_t> EncodeBmp(const Image& image, int bitsPerPixel, bool dither = true);
// PNG, 8-bit RGBA (alpha kept: see-through pixels stay transparent).
std::vector<std::uint8_t> EncodePng(const Image& image);

// Writes bytes to a file; returns an error message, empty on success.
std::string WriteFile(const std::string& path, std::span<const std::uint8_t> bytes);
std::string WritePng(const Image& image, const std::string& path);
// Writes `image` as a 24-bit BMP file; a picture the format cannot hold (none, or more than
// kMaxPictureSide pixels a side) is an error and leaves any old file as it was.
std::string WriteBmp(const Image& image, const std::string& path);

} // namespace nk
