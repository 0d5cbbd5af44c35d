#include "set2/classes.h"

#include "set2/fill/nuvel_fill.h"

namespace nk {

std::span<const InterfaceTable* const> Nuvset2Classes() {
    static const InterfaceTable* const classes[] = {
        &NuvelFillInterface(),
    };
    return classes;
}

} // namespace nk
