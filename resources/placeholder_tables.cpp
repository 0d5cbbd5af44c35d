// Empty resource tables, used until the generator provides the real ones.
#include "resources/resource_tables.h"

namespace nk {

const ResourceLibrary& Nuvset1Resources() {
    static const ResourceLibrary lib{"nuvset1", {}};
    return lib;
}

const ResourceLibrary& Nuvset2Resources() {
    static const ResourceLibrary lib{"nuvset2", {}};
    return lib;
}

} // namespace nk
