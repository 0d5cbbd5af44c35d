// Pictures: no picture (a null reference), an empty picture (an object without an
// image, which counts as present and draws nothing), or a picture holding an image.
// Picture objects are shared and reference-counted; the image inside is immutable.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
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
//
// A finer image may be made when it is first asked for (a built-in picture's is decoded the
// first time something draws it at its scale); it is made once, whichever thread asks first,
// and then shared by every copy. Its size is known before it is made.
class ScaledImage {
public:
    using Maker = std::function<std::shared_ptr<const Image>()>;
    ScaledImage(double scale, std::shared_ptr<const Image> image);
    ScaledImage(double scale, int width, int height, Maker make);

    double scale() const { return scale_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The image, made on the first call; nothing when it could not be made.
    std::shared_ptr<const Image> image() const;

private:
    struct Slot {
        std::once_flag once;
        Maker make;
        std::shared_ptr<const Image> image;
    };
    double scale_;
    int width_;
    int height_;
    std::shared_ptr<Slot> slot_;
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

    // The finer images, in increasing scale; empty for a picture that has none. Asking one
    // for its image makes it.
    const std::vector<ScaledImage>& variants() const { return variants_; }
    // The image painted for exactly `scale` (the 1x image for scale 1), or nothing.
    std::shared_ptr<const Image> VariantAt(double scale) const;
    // The image with the most pixels per logical pixel: the source for smooth stretching.
    std::shared_ptr<const Image> Finest() const;

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
