// Feeds arbitrary text to the component registry's reader: it must read the entries or
// refuse the text with a message naming the source.
#include "registry/registry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto libraries = nk::ParseRegistry(text, "registry.json", error);
    if (!libraries && (error.rfind("registry.json: ", 0) != 0 || error.size() <= 15)) std::abort();
    if (libraries)
        for (const nk::RegisteredLibrary& lib : *libraries)
            if (lib.name.size() > size) std::abort();
    return 0;
}
