#include "host/script/script_pictures.h"

#include "host/codec/codec.h"
#include "host/codec/picture_cache.h"
#include "host/hosts/control_site.h"
#include "host/script/script_parse.h"

#include <cctype>

namespace nk::script {

namespace {

// Every pixel a picture holds: its own image and its finer ones.
std::uint64_t PixelsOf(const Picture& p) {
    if (!p) return 0;
    auto area = [](const Image* i) {
        return i ? static_cast<std::uint64_t>(i->width) * static_cast<std::uint64_t>(i->height) : 0;
    };
    std::uint64_t n = area(p->image());
    for (const ScaledImage& v : p->variants())
        n += static_cast<std::uint64_t>(v.width()) * static_cast<std::uint64_t>(v.height());
    return n;
}

// File names beyond this are refused before any file is looked for: no folder holds them.
constexpr std::size_t kMaxPathChars = 4096;

} // namespace

Picture Pictures::Find(const std::string& name, ControlSite* site) const {
    if (name.rfind("res:", 0) == 0 && site) {
        const auto n = ParseNumber(name.substr(4));
        const auto id = n ? n->value.ToLong() : std::nullopt;
        if (id) return site->host().LoadResPicture(*id);
        return nullptr;
    }
    auto it = named_.find(name);
    return it == named_.end() ? nullptr : it->second;
}

bool Pictures::ValidName(const std::string& name) {
    if (name.empty() || name.size() > kMaxPictureNameChars ||
        !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_'))
        return false;
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
    return !SameName(name, "True") && !SameName(name, "False") && !SameName(name, "Nothing") &&
           !SameName(name, "Empty");
}

void Pictures::CheckRoom(const std::string& name, std::uint64_t pixels) const {
    const auto old = named_.find(name);
    const bool replaces = old != named_.end();
    if (!replaces && named_.size() >= kMaxScriptPictures)
        throw SyntaxError(owner_ + " already holds " + std::to_string(kMaxScriptPictures) +
                          " pictures, the most a script may hold; picture " + Shown(name) +
                          " would be one more");
    const std::uint64_t after = pixels_ - (replaces ? PixelsOf(old->second) : 0) + pixels;
    if (after > maxPixels_)
        throw SyntaxError("picture " + Shown(name) + " would bring the pictures of " + owner_ +
                          " to " + std::to_string(after) + " pixels; they may hold " +
                          std::to_string(maxPixels_) + " together");
}

void Pictures::Keep(const std::string& name, Picture picture) {
    Picture& slot = named_[name];
    pixels_ = pixels_ - PixelsOf(slot) + PixelsOf(picture);
    slot = std::move(picture);
}

void Pictures::Make(const std::string& name, int w, int h, OleColor colour) {
    if (w < 1 || h < 1 || w > kMaxExtent || h > kMaxExtent)
        throw SyntaxError("a picture must be 1 to " + std::to_string(kMaxExtent) +
                          " pixels a side");
    if (const std::string problem = PictureSizeProblem(w, h); !problem.empty())
        throw SyntaxError("picture " + Shown(name) + ": " + problem);
    CheckRoom(name, static_cast<std::uint64_t>(w) * static_cast<std::uint64_t>(h));
    Keep(name, MakePicture(Image(w, h, 0xFF000000u | ResolveColor(colour)), name));
}

void Pictures::Load(const std::string& name, std::string path, const std::string& baseDir) {
    if (path.size() > kMaxPathChars)
        throw SyntaxError("the file name " + Shown(path) + " is longer than " +
                          std::to_string(kMaxPathChars) + " characters");
    CheckRoom(name, 0); // refused before the file is read when no name is left
    if (!path.empty() && path.front() != '/' && !baseDir.empty()) path = baseDir + "/" + path;
    std::string error;
    Picture picture = PictureCache::Shared().File(path, name, error);
    if (!picture) throw SyntaxError(error);
    CheckRoom(name, PixelsOf(picture));
    Keep(name, std::move(picture));
}

} // namespace nk::script
