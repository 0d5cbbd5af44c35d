#include "set2/classes.h"

#include "set2/fill/nuvel_fill.h"
#include "set2/pad/nuvel_pad.h"

namespace nk {

std::span<const InterfaceTable* const> Nuvset2Classes() {
    static const InterfaceTable* const classes[] = {
        &NuvelFillInterface(),
        &NuvelPadInterface(),
    };
    return classes;
}

} // namespace nk
