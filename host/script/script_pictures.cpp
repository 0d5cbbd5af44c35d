#include "host/script/script_pictures.h"

#include "host/codec/codec.h"
#include "host/hosts/control_site.h"
#include "host/script/script_parse.h"

#include <cctype>

namespace nk::script {

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
    if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_'))
        return false;
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
    return !SameName(name, "True") && !SameName(name, "False") && !SameName(name, "Nothing") &&
           !SameName(name, "Empty");
}

void Pictures::Make(const std::string& name, int w, int h, OleColor colour) {
    if (w < 1 || h < 1 || w > kMaxExtent || h > kMaxExtent)
        throw SyntaxError("a picture must be 1 to " + std::to_string(kMaxExtent) +
                          " pixels a side");
    named_[name] = MakePicture(Image(w, h, 0xFF000000u | ResolveColor(colour)), name);
}

void Pictures::Load(const std::string& name, std::string path, const std::string& baseDir) {
    if (!path.empty() && path.front() != '/' && !baseDir.empty()) path = baseDir + "/" + path;
    std::string error;
    Picture picture = LoadScaledPictureFile(path, name, error);
    if (!picture) throw SyntaxError(error);
    named_[name] = std::move(picture);
}

} // namespace nk::script
