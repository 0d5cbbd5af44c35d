#include "set1/classes.h"

#include "set1/check/nuvel_check.h"
#include "set1/command/nuvel_command.h"
#include "set1/hcommand/nuvel_hcommand.h"
#include "set1/screen/nuvel_screen.h"
#include "set1/sphere/nuvel_sphere.h"

namespace nk {

std::span<const InterfaceTable* const> Nuvset1Classes() {
    static const InterfaceTable* const classes[] = {
        &NuvelCommandInterface(), &NuvelCheckInterface(),  &NuvelHCommandInterface(),
        &NuvelScreenInterface(),  &NuvelSphereInterface(),
    };
    return classes;
}

} // namespace nk
