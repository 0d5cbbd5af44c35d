// The classes of both control libraries, as the test program links them: nuvset1's, then
// nuvset2's.
#pragma once

#include "set1/classes.h"
#include "set2/classes.h"

#include <vector>

namespace nk {

inline std::vector<const InterfaceTable*> AllClasses() {
    std::vector<const InterfaceTable*> classes;
    for (const InterfaceTable* t : Nuvset1Classes())
        classes.push_back(t);
    for (const InterfaceTable* t : Nuvset2Classes())
        classes.push_back(t);
    return classes;
}

} // namespace nk
