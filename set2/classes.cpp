#include "set2/classes.h"

namespace nk {

std::span<const InterfaceTable* const> Nuvset2Classes() {
    static const InterfaceTable* const classes[] = {nullptr};
    return {classes, 0};
}

} // namespace nk
