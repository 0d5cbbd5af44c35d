// The classes of both control libraries, nuvset1's then nuvset2's: the one list shared by
// the programs that use the controls' C++ classes directly (the nuvelkit tool, the typed
// API's generator, the tests, the benchmarks and the fuzzers). Link nk_kit to use it.
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
