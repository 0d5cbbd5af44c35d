// The table of every numbered resource of both control libraries: library, number, kind,
// size, depth and role. The build checks the generator's output against it, and the tests
// check the embedded libraries against it.
#pragma once

#include "framework/resource_library.h"

#include <span>
#include <string>
#include <string_view>

namespace nk::resgen {

struct ResourceSpec {
    std::string_view library; // "nuvset1" or "nuvset2"
    int id = 0;
    ResourceKind kind = ResourceKind::Bitmap;
    int width = 0;  // bitmaps: pixels
    int height = 0; // bitmaps: pixels
    int depth = 0;  // bitmaps: bits per pixel, 1, 8 or 24
    int bytes = 0;  // sounds: the exact size of the wave image
    std::string_view role;
};

// Every resource, nuvset1 first, each library in ascending number.
std::span<const ResourceSpec> ResourceList();

// The entry for a resource, or nullptr when the list has none.
const ResourceSpec* FindResourceSpec(std::string_view library, int id, ResourceKind kind);

// "nuvset1/101.bmp", "nuvset1/401.wav": where a resource lives in an export folder.
std::string ResourcePath(const ResourceSpec& listed);

// Compares a bitmap's measured size and depth with its entry; returns a message naming the
// resource and what differs, empty when everything matches.
std::string CheckBitmap(const ResourceSpec& listed, int width, int height, int depth);
// Compares a wave image's size with its entry, as CheckBitmap does.
std::string CheckSound(const ResourceSpec& listed, std::size_t bytes);

} // namespace nk::resgen
