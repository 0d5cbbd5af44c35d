// The decoded pictures of the process, shared by every host (headless, recording, window and
// Qt): the numbered bitmaps of the control libraries with their finer variants, and picture
// files. A bitmap is decoded once, when it is first loaded; each finer variant only when it
// is first drawn at its scale; a file loaded again, unchanged, is the same decoded image.
// What the cache hands out is immutable and shared by reference; an entry is released when
// the last picture or host holding it goes. Safe to use from any thread.
#pragma once

#include "framework/picture.h"
#include "framework/resource_library.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

namespace nk {

// A numbered bitmap as the cache keeps it: its image, its finer variants (made when first
// asked for), and what was wrong with the variants it left out, for each host to tell.
struct BuiltInPicture {
    std::shared_ptr<const Image> image;
    std::vector<ScaledImage> variants;
    std::vector<std::string> errors;
};

class PictureCache {
public:
    // The process's cache.
    static PictureCache& Shared();

    // Bitmap `id` of `library`, labelled "res:<id>" in messages; nothing when the library has
    // no such bitmap, or (with `error` saying why) when it does not decode. A variant that
    // would not decode, has a scale of 1 or less, or is not the bitmap's size times its scale
    // is left out and named in the result's errors.
    std::shared_ptr<const BuiltInPicture> BuiltIn(const ResourceLibrary& library, int id,
                                                  std::string& error);
    // The picture `id` of `library` as a host hands it out, sharing the cache's images.
    static Picture PictureOf(const std::shared_ptr<const BuiltInPicture>& loaded, int id);

    // A picture file with the images for the device scales beside it, as LoadScaledPictureFile
    // gives it, labelled `label`. The file and its scaled images unchanged since an earlier
    // load (the same file, size and time of change) give that load's decoded images.
    Picture File(const std::string& path, std::string label, std::string& error);

    // The bitmaps and files held alive, and the images decoded since the process began.
    std::size_t Live() const;
    std::uint64_t Decoded() const { return decoded_.load(); }

private:
    // A bitmap is known by where its bytes and its variants' bytes lie: a library loaded
    // again, or another at the same place, is a new entry.
    struct BuiltInKey {
        const std::uint8_t* bytes;
        std::size_t size;
        std::vector<std::tuple<double, const std::uint8_t*, std::size_t>> variants;
        auto operator<=>(const BuiltInKey&) const = default;
    };
    // A file is known by its path and the identity and age of each image file it is made of.
    using FileKey = std::string;

    std::shared_ptr<const BuiltInPicture> DecodeBuiltIn(const ResourceLibrary& library, int id,
                                                        std::string& error);
    ScaledImage LazyVariant(const ResourceVariant& variant, const std::string& source, int w, int h,
                            bool monochrome);
    // Forgets the entries no one holds any more.
    void Sweep();

    mutable std::mutex lock_;
    std::map<BuiltInKey, std::weak_ptr<const BuiltInPicture>> builtIn_;
    std::map<FileKey, std::weak_ptr<const PictureObject>> files_;
    std::atomic<std::uint64_t> decoded_{0};
};

} // namespace nk
