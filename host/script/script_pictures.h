// The pictures a script names: those made by `picture` and, while there is a control, the
// built-in bitmaps of its library as `res:<n>`.
#pragma once

#include "framework/picture.h"
#include "framework/values.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace nk {
class ControlSite;
}

namespace nk::script {

// The most pictures one script may hold at once (ScriptOptions::picturePixels bounds their
// pixels). A script is commands typed or generated, and one that asks for more would only
// grow the program's memory without bound.
inline constexpr std::size_t kMaxScriptPictures = 1024;

class Pictures {
public:
    // `owner` names the script in the messages about its bounds (a file name); `maxPixels`
    // bounds the pixels of all the pictures together (the finer images of a file count too).
    Pictures(std::string owner, std::uint64_t maxPixels)
        : owner_(std::move(owner)), maxPixels_(maxPixels) {}

    // The picture `name` stands for, or nullptr: `res:<n>` is looked up in the library of the
    // control of `site` (none without a control), any other name among the script's pictures.
    Picture Find(const std::string& name, ControlSite* site) const;

    // Letters, digits and _, not starting with a digit, at most kMaxPictureNameChars of them,
    // and no keyword of the values.
    static constexpr std::size_t kMaxPictureNameChars = 64;
    static bool ValidName(const std::string& name);

    // Makes `name` a `w` × `h` picture filled with `colour`; throws SyntaxError when a side is
    // out of range, or when the picture would pass the script's bounds.
    void Make(const std::string& name, int w, int h, OleColor colour);
    // Makes `name` the picture of a BMP or PNG file; a relative `path` is looked up in
    // `baseDir` ("" for the current folder). Throws SyntaxError naming what went wrong.
    void Load(const std::string& name, std::string path, const std::string& baseDir);

    std::size_t count() const { return named_.size(); }
    std::uint64_t pixels() const { return pixels_; }

private:
    // Throws SyntaxError when `name`, with `pixels` pixels, would not fit beside the
    // pictures held (a picture given a name already held replaces that one).
    void CheckRoom(const std::string& name, std::uint64_t pixels) const;
    void Keep(const std::string& name, Picture picture);

    std::string owner_;
    std::uint64_t maxPixels_;
    std::map<std::string, Picture> named_;
    std::uint64_t pixels_ = 0;
};

} // namespace nk::script
