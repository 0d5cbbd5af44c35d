// The pictures a script names: those made by `picture` and, while there is a control, the
// built-in bitmaps of its library as `res:<n>`.
#pragma once

#include "framework/picture.h"
#include "framework/values.h"

#include <map>
#include <string>

namespace nk {
class ControlSite;
}

namespace nk::script {

class Pictures {
public:
    // The picture `name` stands for, or nullptr: `res:<n>` is looked up in the library of the
    // control of `site` (none without a control), any other name among the script's pictures.
    Picture Find(const std::string& name, ControlSite* site) const;

    // Letters, digits and _, not starting with a digit, and no keyword of the values.
    static bool ValidName(const std::string& name);

    // Makes `name` a `w` × `h` picture filled with `colour`; throws SyntaxError when a side is
    // out of range.
    void Make(const std::string& name, int w, int h, OleColor colour);
    // Makes `name` the picture of a BMP or PNG file; a relative `path` is looked up in
    // `baseDir` ("" for the current folder). Throws SyntaxError naming what went wrong.
    void Load(const std::string& name, std::string path, const std::string& baseDir);

private:
    std::map<std::string, Picture> named_;
};

} // namespace nk::script
