// The checked set of generated resources: each drawing or sound is matched with its entry in
// the resource list and encoded as the file the library embeds (BMP at the listed depth, or
// the wave image as it is). Anything that does not match is refused with a message naming it.
#pragma once

#include "resources/generator.h"
#include "resources/resource_list.h"

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nk::resgen {

struct PackedResource {
    const ResourceSpec* listed = nullptr;
    std::vector<std::uint8_t> bytes; // the file: a BMP or a RIFF wave image
};

// A listed bitmap painted finer: a PNG of DeviceSize(width, scale) x DeviceSize(height, scale)
// pixels, pure black and white for a mask.
struct PackedVariant {
    const ResourceSpec* listed = nullptr;
    float scale = 1.0f;
    std::vector<std::uint8_t> bytes;
    std::size_t pixels = 0; // decoded, for the memory the variant takes
};

// "nuvset1/705@2x.png", "nuvset1/705@1.5x.png": where a variant lives in an export folder.
std::string VariantPath(const ResourceSpec& listed, float scale);

class ResourcePack {
public:
    // Encodes and adds a bitmap, or records why it cannot be: not in the list, given twice,
    // a size or depth other than the list's, or a file that does not decode as listed. A
    // bitmap of a scale other than 1 is a variant (AddVariant).
    void AddBitmap(const GeneratedBitmap& bitmap);
    // Adds a listed bitmap painted at one of kVariantScales, or records why not: not in the
    // list, a scale that is not one of them, given twice, not the scaled size, a mask with
    // pixels that are neither black nor white, or a file that does not decode back.
    void AddVariant(const GeneratedBitmap& bitmap);
    // Adds a sound of nuvset1, or records why not (not listed, twice, not RIFF WAVE, size).
    void AddSound(const GeneratedSound& sound);

    const std::vector<PackedResource>& resources() const { return resources_; }
    const std::vector<PackedVariant>& variants() const { return variants_; }
    const std::vector<std::string>& errors() const { return errors_; }
    // The entries of the list that nothing added.
    std::vector<const ResourceSpec*> Missing() const;
    // The variants that nothing added, for every listed bitmap: "nuvset1/101@2x.png".
    std::vector<std::string> MissingVariants() const;

private:
    const ResourceSpec* Claim(std::string_view library, int id, ResourceKind kind);

    std::vector<PackedResource> resources_;
    std::vector<PackedVariant> variants_;
    std::vector<std::string> errors_;
    std::set<const ResourceSpec*> seen_;
    std::set<std::pair<const ResourceSpec*, float>> seenVariants_;
};

// Bytes as the body of a C++ string literal (without the quotes), in lines of about 96
// characters joined by `"\n    "`: printable characters stay, others become octal escapes.
std::string CppStringLiteral(std::span<const std::uint8_t> bytes);

// A C++ source embedding the library's resources and variants of the pack and defining
// `function` (Nuvset1Resources or Nuvset2Resources) to return its table.
std::string TableSource(std::string_view library, const std::string& function,
                        const ResourcePack& pack);

} // namespace nk::resgen
