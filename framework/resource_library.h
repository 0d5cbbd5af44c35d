// The numbered resources a control library carries: bitmaps (as BMP files) and
// sounds (as RIFF wave images). Each library has one table; a host looks up a
// control's resources in the table of the control's own library. Beside a numbered
// bitmap a library may carry the same drawing painted finer for device scales above 1
// (as PNG files): these are not numbered but found by the bitmap's number and the scale.
// A library without them (its table names none) simply has no finer pictures.
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

struct ResourceVariant {
    int id;       // the numbered bitmap this one paints finer
    double scale; // device pixels per logical pixel: 1.5, 2 or 3
    std::span<const std::uint8_t> bytes;
};

struct ResourceLibrary {
    std::string_view name; // "nuvset1" or "nuvset2"
    std::span<const ResourceEntry> entries;
    std::span<const ResourceVariant> variants = {};

    const ResourceEntry* Find(int id, ResourceKind kind) const {
        for (const auto& e : entries)
            if (e.id == id && e.kind == kind) return &e;
        return nullptr;
    }
    // The variant of bitmap `id` at exactly `scale`, or nullptr.
    const ResourceVariant* FindVariant(int id, double scale) const {
        for (const auto& v : variants)
            if (v.id == id && v.scale == scale) return &v;
        return nullptr;
    }
};

} // namespace nk
