#include "host/codec/picture_cache.h"

#include "host/codec/codec.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace nk {

namespace {

std::string ScaleName(double scale) {
    char text[16];
    std::snprintf(text, sizeof text, "%g", scale);
    return text;
}

// A picture sharing `images`' pixels that keeps `owner` (the cache's entry) alive, so that the
// entry lasts as long as any picture made from it.
template <typename Owner>
Picture Sharing(const std::shared_ptr<Owner>& owner, const std::shared_ptr<const Image>& image,
                std::string label, std::vector<ScaledImage> variants) {
    return std::make_shared<const PictureObject>(std::shared_ptr<const Image>(owner, image.get()),
                                                 std::move(label), std::move(variants));
}

// What tells one state of a picture file from another: its identity, size and time of change,
// or that it is not there.
std::string FileState(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return "-";
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" +
           std::to_string(st.st_size) + ":" + std::to_string(st.st_mtim.tv_sec) + "." +
           std::to_string(st.st_mtim.tv_nsec);
}

} // namespace

PictureCache& PictureCache::Shared() {
    static PictureCache cache;
    return cache;
}

std::shared_ptr<const BuiltInPicture> PictureCache::BuiltIn(const ResourceLibrary& library, int id,
                                                            std::string& error) {
    const ResourceEntry* entry = library.Find(id, ResourceKind::Bitmap);
    if (!entry) return nullptr;
    BuiltInKey key{entry->bytes.data(), entry->bytes.size(), {}};
    for (const ResourceVariant& v : library.variants)
        if (v.id == id) key.variants.emplace_back(v.scale, v.bytes.data(), v.bytes.size());
    // Held while decoding, so that two first uses at once decode once.
    const std::lock_guard hold(lock_);
    if (auto known = builtIn_.find(key); known != builtIn_.end())
        if (std::shared_ptr<const BuiltInPicture> alive = known->second.lock()) return alive;
    std::shared_ptr<const BuiltInPicture> loaded = DecodeBuiltIn(library, id, error);
    if (!loaded) return nullptr;
    Sweep();
    builtIn_[std::move(key)] = loaded;
    return loaded;
}

std::shared_ptr<const BuiltInPicture> PictureCache::DecodeBuiltIn(const ResourceLibrary& library,
                                                                  int id, std::string& error) {
    const std::string label = "res:" + std::to_string(id);
    DecodeResult decoded = DecodeBmp(library.Find(id, ResourceKind::Bitmap)->bytes, label);
    ++decoded_;
    if (!decoded.ok()) {
        error = std::move(decoded.error);
        return nullptr;
    }
    auto loaded = std::make_shared<BuiltInPicture>();
    const Image& base = decoded.image;
    // Each variant is checked whole now (its header, its chunks, its size), so that what is
    // wrong with it is told when the bitmap is loaded; its pixels wait for their first use.
    for (const ResourceVariant& v : library.variants) {
        if (v.id != id) continue;
        const std::string source = label + "@" + ScaleName(v.scale) + "x";
        if (!(v.scale > 1.0) || v.scale > 16.0) {
            loaded->errors.push_back(source + ": a variant needs a scale above 1");
            continue;
        }
        const PngShape shape = CheckPng(v.bytes, source);
        if (!shape.ok()) {
            loaded->errors.push_back(shape.error);
            continue;
        }
        const long w = std::lround(base.width * v.scale), h = std::lround(base.height * v.scale);
        if (shape.width != w || shape.height != h) {
            loaded->errors.push_back(source + ": " + std::to_string(shape.width) + "x" +
                                     std::to_string(shape.height) + " pixels, expected " +
                                     std::to_string(w) + "x" + std::to_string(h));
            continue;
        }
        loaded->variants.push_back(
            LazyVariant(v, source, shape.width, shape.height, base.IsMonochrome()));
    }
    std::stable_sort(
        loaded->variants.begin(), loaded->variants.end(),
        [](const ScaledImage& a, const ScaledImage& b) { return a.scale() < b.scale(); });
    loaded->image = std::make_shared<const Image>(std::move(decoded.image));
    return loaded;
}

ScaledImage PictureCache::LazyVariant(const ResourceVariant& variant, const std::string& source,
                                      int w, int h, bool monochrome) {
    // The encoded bytes are copied: a picture may outlive the library that carried them.
    auto bytes = std::make_shared<const std::vector<std::uint8_t>>(variant.bytes.begin(),
                                                                   variant.bytes.end());
    return ScaledImage(variant.scale, w, h,
                       [this, bytes, source, monochrome]() -> std::shared_ptr<const Image> {
                           DecodeResult decoded = DecodePng(*bytes, source);
                           ++decoded_;
                           if (!decoded.ok())
                               return nullptr; // checked whole when loaded: not to be expected
                           // A variant of a mask is a mask too.
                           if (monochrome) decoded.image.bitsPerPixel = 1;
                           return std::make_shared<const Image>(std::move(decoded.image));
                       });
}

Picture PictureCache::PictureOf(const std::shared_ptr<const BuiltInPicture>& loaded, int id) {
    if (!loaded) return nullptr;
    return Sharing(loaded, loaded->image, "res:" + std::to_string(id), loaded->variants);
}

Picture PictureCache::File(const std::string& path, std::string label, std::string& error) {
    FileKey key = path + "|" + FileState(path);
    for (const double scale : {1.5, 2.0, 3.0})
        key += "|" + FileState(ScaledFileName(path, scale));
    const std::lock_guard hold(lock_);
    if (auto known = files_.find(key); known != files_.end())
        if (Picture alive = known->second.lock())
            return Sharing(alive, alive->shared_image(), std::move(label), alive->variants());
    Picture loaded = LoadScaledPictureFile(path, label, error);
    decoded_ += loaded ? 1 + loaded->variants().size() : 1;
    if (!loaded) return nullptr;
    Sweep();
    files_[std::move(key)] = loaded;
    return Sharing(loaded, loaded->shared_image(), std::move(label), loaded->variants());
}

void PictureCache::Sweep() {
    std::erase_if(builtIn_, [](const auto& e) { return e.second.expired(); });
    std::erase_if(files_, [](const auto& e) { return e.second.expired(); });
}

std::size_t PictureCache::Live() const {
    const std::lock_guard hold(lock_);
    const auto alive = [](const auto& map) {
        return std::count_if(map.begin(), map.end(),
                             [](const auto& e) { return !e.second.expired(); });
    };
    return static_cast<std::size_t>(alive(builtIn_) + alive(files_));
}

} // namespace nk
