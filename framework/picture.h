// Pictures: no picture (a null reference), an empty picture (an object without an
// image, which counts as present and draws nothing), or a picture holding an image.
// Picture objects are shared and reference-counted; the image inside is immutable.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace nk {

// Pixels are 32-bit 0xAARRGGBB; alpha is 0xFF for every opaque pixel.
struct Image {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32; // depth of the source: 1, 4, 8, 24 or 32
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0xFF000000u);
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    bool IsMonochrome() const { return bitsPerPixel == 1; }
};

// The largest picture any entrance takes (a file, a Qt pixmap, the typed API, a script):
// at most this many pixels a side, and 64 megapixels (256 MB at four bytes a pixel) in all.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::uint64_t kMaxPicturePixels = std::uint64_t{64} << 20;

// The same picture painted finer for a device scale above 1: a built-in resource painted
// again at 1.5, 2 or 3 times its size, or a larger image the application gives beside its
// own (a "name@2x.png" file). The picture's logical size stays that of its 1x image.
struct ScaledImage {
    double scale = 1.0;
    std::shared_ptr<const Image> image;
};

class PictureObject {
public:
    // An empty picture object: present, but without an image.
    PictureObject() = default;
    PictureObject(std::shared_ptr<const Image> image, std::string label)
        : image_(std::move(image)), label_(std::move(label)) {}
    PictureObject(std::shared_ptr<const Image> image, std::string label,
                  std::vector<ScaledImage> variants)
        : image_(std::move(image)), label_(std::move(label)), variants_(std::move(variants)) {}

    const Image* image() const { return image_.get(); }
    std::shared_ptr<const Image> shared_image() const { return image_; }
    bool HasImage() const { return image_ != nullptr; }
    int Width() const { return image_ ? image_->width : 0; }
    int Height() const { return image_ ? image_->height : 0; }
    // How the picture is named in traces and bags: "res:101", a script's name,
    // "image:<w>x<h>" for a picture a control made itself, "" for an empty picture.
    const std::string& label() const { return label_; }

    // The finer images, in increasing scale; empty for a picture that has none.
    const std::vector<ScaledImage>& variants() const { return variants_; }
    // The image painted for exactly `scale` (the 1x image for scale 1), or nullptr.
    const Image* VariantAt(double scale) const;
    // The image with the most pixels per logical pixel: the source for smooth stretching.
    const Image* Finest() const;

private:
    std::shared_ptr<const Image> image_;
    std::string label_;
    std::vector<ScaledImage> variants_;
};

using Picture = std::shared_ptr<const PictureObject>;

inline bool IsPresent(const Picture& p) {
    return p != nullptr;
}
inline bool HasImage(const Picture& p) {
    return p && p->HasImage();
}
Picture MakeEmptyPicture();
Picture MakePicture(Image image, std::string label);
// Whether an image of w x h pixels, or every image of a picture (its finer ones included),
// lies within the limits above; nothing and an empty picture do.
bool WithinPictureLimits(std::int64_t w, std::int64_t h);
bool WithinPictureLimits(const Picture& p);
// A label for a picture: "nothing", "empty", or the picture's own label.
std::string PictureName(const Picture& p);

} // namespace nk
