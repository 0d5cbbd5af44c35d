// The font of a surface: name, size in points and the four styles.
// Fonts are values: assigning one to a surface copies it, as the container's
// font objects behave when handed to a control.
#pragma once

#include <string>

namespace nk {

struct Font {
    std::string name = "Arial";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
    bool operator==(const Font&) const = default;
};

} // namespace nk
