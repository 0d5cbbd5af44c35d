// The resource table of each control library, generated at build time.
#pragma once

#include "framework/resource_library.h"

namespace nk {

const ResourceLibrary& Nuvset1Resources();
const ResourceLibrary& Nuvset2Resources();

} // namespace nk
