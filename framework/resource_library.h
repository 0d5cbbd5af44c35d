// The numbered resources a control library carries: bitmaps (as BMP files) and
// sounds (as RIFF wave images). Each library has one table; a host looks up a
// control's resources in the table of the control's own library.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace nk {

enum class ResourceKind { Bitmap, Sound };

struct ResourceEntry {
    int id;
    ResourceKind kind;
    std::span<const std::uint8_t> bytes;
};

struct ResourceLibrary {
    std::string_view name; // "nuvset1" or "nuvset2"
    std::span<const ResourceEntry> entries;

    const ResourceEntry* Find(int id, ResourceKind kind) const {
        for (const auto& e : entries)
            if (e.id == id && e.kind == kind) return &e;
        return nullptr;
    }
};

} // namespace nk
