#include "resources/resource_pack.h"

#include "host/codec/codec.h"
#include "resources/paint.h"

#include <algorithm>
#include <cstdio>

namespace nk::resgen {

namespace {

std::string KindName(ResourceKind kind) {
    return kind == ResourceKind::Sound ? "sound" : "bitmap";
}

std::string SymbolOf(const ResourceSpec& listed) {
    return std::string("k") + (listed.kind == ResourceKind::Sound ? "Sound" : "Bitmap") +
           std::to_string(listed.id);
}

// "1.5", "2", "3"
std::string ScaleText(float scale) {
    char text[16];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(scale));
    return text;
}

// kBitmap101At1_5, kBitmap101At2
std::string SymbolOf(const PackedVariant& v) {
    std::string scale = ScaleText(v.scale);
    std::replace(scale.begin(), scale.end(), '.', '_');
    return SymbolOf(*v.listed) + "At" + scale;
}

bool IsVariantScale(float scale) {
    return std::find(std::begin(kVariantScales), std::end(kVariantScales), scale) !=
           std::end(kVariantScales);
}

bool IsBlackOrWhite(const Image& img) {
    return std::all_of(img.pixels.begin(), img.pixels.end(),
                       [](std::uint32_t p) { return p == 0xFF000000u || p == 0xFFFFFFFFu; });
}

} // namespace

std::string VariantPath(const ResourceSpec& listed, float scale) {
    return std::string(listed.library) + "/" + std::to_string(listed.id) + "@" + ScaleText(scale) +
           "x.png";
}

const ResourceSpec* ResourcePack::Claim(std::string_view library, int id, ResourceKind kind) {
    const ResourceSpec* listed = FindResourceSpec(library, id, kind);
    if (listed == nullptr) {
        errors_.push_back(std::string(library) + ": " + KindName(kind) + " " + std::to_string(id) +
                          " is not in the resource list");
        return nullptr;
    }
    if (!seen_.insert(listed).second) {
        errors_.push_back(ResourcePath(*listed) + ": generated twice");
        return nullptr;
    }
    return listed;
}

void ResourcePack::AddBitmap(const GeneratedBitmap& bmp) {
    if (bmp.scale != 1.0f) {
        AddVariant(bmp);
        return;
    }
    const ResourceSpec* listed = Claim(bmp.library, bmp.id, ResourceKind::Bitmap);
    if (listed == nullptr) return;
    const Image& img = bmp.image;
    const std::string path = ResourcePath(*listed);
    if (img.width <= 0 || img.height <= 0 ||
        img.pixels.size() != static_cast<size_t>(img.width) * img.height) {
        errors_.push_back(path + ": the drawing has no pixels or a wrong pixel count");
        return;
    }
    if (std::string e = CheckBitmap(*listed, img.width, img.height, bmp.bitsPerPixel); !e.empty()) {
        errors_.push_back(e);
        return;
    }
    PackedResource out{listed, EncodeBmp(img, bmp.bitsPerPixel)};
    // Check what was written, not what was asked for.
    const DecodeResult back = DecodeBmp(out.bytes, path);
    if (!back.ok()) {
        errors_.push_back(path + ": the written file does not decode: " + back.error);
        return;
    }
    if (std::string e =
            CheckBitmap(*listed, back.image.width, back.image.height, back.image.bitsPerPixel);
        !e.empty()) {
        errors_.push_back(e + " (as written)");
        return;
    }
    resources_.push_back(std::move(out));
}

void ResourcePack::AddVariant(const GeneratedBitmap& bmp) {
    const ResourceSpec* listed = FindResourceSpec(bmp.library, bmp.id, ResourceKind::Bitmap);
    const std::string what = std::string(bmp.library) + ": bitmap " + std::to_string(bmp.id) +
                             " at " + ScaleText(bmp.scale) + "x";
    if (listed == nullptr) {
        errors_.push_back(what + " is not in the resource list");
        return;
    }
    const std::string path = VariantPath(*listed, bmp.scale);
    if (!IsVariantScale(bmp.scale)) {
        errors_.push_back(what + ": not a scale the libraries carry");
        return;
    }
    if (!seenVariants_.insert({listed, bmp.scale}).second) {
        errors_.push_back(path + ": generated twice");
        return;
    }
    const Image& img = bmp.image;
    const int w = paint::DeviceSize(listed->width, bmp.scale);
    const int h = paint::DeviceSize(listed->height, bmp.scale);
    if (img.width != w || img.height != h ||
        img.pixels.size() != static_cast<size_t>(img.width) * img.height) {
        errors_.push_back(path + ": " + std::to_string(img.width) + "x" +
                          std::to_string(img.height) + " pixels, the scaled size is " +
                          std::to_string(w) + "x" + std::to_string(h));
        return;
    }
    if (listed->depth == 1 && !IsBlackOrWhite(img)) {
        errors_.push_back(path + ": a mask with pixels that are neither black nor white");
        return;
    }
    PackedVariant out{listed, bmp.scale, EncodePng(img), img.pixels.size()};
    const DecodeResult back = DecodePng(out.bytes, path);
    if (!back.ok() || back.image.pixels != img.pixels) {
        errors_.push_back(path + ": the written file does not decode to the drawing" +
                          (back.ok() ? std::string() : ": " + back.error));
        return;
    }
    variants_.push_back(std::move(out));
}

void ResourcePack::AddSound(const GeneratedSound& snd) {
    const ResourceSpec* listed = Claim("nuvset1", snd.id, ResourceKind::Sound);
    if (listed == nullptr) return;
    const std::string path = ResourcePath(*listed);
    if (snd.wave.size() < 12 || !std::equal(snd.wave.begin(), snd.wave.begin() + 4, "RIFF") ||
        !std::equal(snd.wave.begin() + 8, snd.wave.begin() + 12, "WAVE")) {
        errors_.push_back(path + ": not a RIFF wave image");
        return;
    }
    if (std::string e = CheckSound(*listed, snd.wave.size()); !e.empty()) {
        errors_.push_back(e);
        return;
    }
    resources_.push_back({listed, snd.wave});
}

std::vector<const ResourceSpec*> ResourcePack::Missing() const {
    std::vector<const ResourceSpec*> missing;
    for (const ResourceSpec& listed : ResourceList()) {
        const bool found =
            std::any_of(resources_.begin(), resources_.end(),
                        [&](const PackedResource& r) { return r.listed == &listed; });
        if (!found) missing.push_back(&listed);
    }
    return missing;
}

std::vector<std::string> ResourcePack::MissingVariants() const {
    std::vector<std::string> missing;
    for (const ResourceSpec& listed : ResourceList()) {
        if (listed.kind != ResourceKind::Bitmap) continue;
        for (float scale : kVariantScales)
            if (!seenVariants_.contains({&listed, scale}))
                missing.push_back(VariantPath(listed, scale));
    }
    return missing;
}

std::string CppStringLiteral(std::span<const std::uint8_t> bytes) {
    std::string out, line;
    for (std::uint8_t b : bytes) {
        if (b >= 0x20 && b < 0x7F && b != '"' && b != '\\' && b != '?') {
            line += static_cast<char>(b);
        } else {
            // Always three digits, so a digit that follows is never read as part of it.
            char esc[6];
            std::snprintf(esc, sizeof esc, "\\%03o", b);
            line += esc;
        }
        if (line.size() >= 96) {
            out += line + "\"\n    \"";
            line.clear();
        }
    }
    return out + line;
}

std::string TableSource(std::string_view library, const std::string& function,
                        const ResourcePack& pack) {
    std::vector<const PackedResource*> entries;
    for (const PackedResource& r : pack.resources())
        if (r.listed->library == library) entries.push_back(&r);
    std::sort(entries.begin(), entries.end(), [](const auto* a, const auto* b) {
        return std::pair(a->listed->id, a->listed->kind) <
               std::pair(b->listed->id, b->listed->kind);
    });
    // Variants go with the numbered bitmaps they paint finer.
    std::vector<const PackedVariant*> variants;
    for (const PackedVariant& v : pack.variants())
        if (v.listed->library == library && !entries.empty()) variants.push_back(&v);
    std::sort(variants.begin(), variants.end(), [](const auto* a, const auto* b) {
        return std::pair(a->listed->id, a->scale) < std::pair(b->listed->id, b->scale);
    });
    const std::string lib(library);
    std::string src = "// Generated by nk_resgen: the embedded resources of " + lib +
                      ". Do not edit.\n#include \"resources/resource_tables.h\"\n\n"
                      "#include <cstdint>\n\nnamespace nk {\n\nnamespace {\n\n";
    for (const PackedResource* r : entries) {
        src += "// " + std::string(r->listed->role) + "\nconst char " + SymbolOf(*r->listed) +
               "[] =\n    \"" + CppStringLiteral(r->bytes) + "\";\n\n";
    }
    for (const PackedVariant* v : variants) {
        src += "// " + std::string(v->listed->role) + ", at " + ScaleText(v->scale) +
               "x\nconst char " + SymbolOf(*v) + "[] =\n    \"" + CppStringLiteral(v->bytes) +
               "\";\n\n";
    }
    if (!entries.empty())
        src += "const std::uint8_t* Bytes(const char* s) {\n"
               "    return reinterpret_cast<const std::uint8_t*>(s);\n}\n\n";
    src += "} // namespace\n\nconst ResourceLibrary& " + function + "() {\n";
    if (entries.empty()) {
        src += "    static const ResourceLibrary lib{\"" + lib + "\", {}};\n";
    } else {
        src += "    static const ResourceEntry entries[] = {\n";
        for (const PackedResource* r : entries) {
            const std::string name = SymbolOf(*r->listed);
            src += "        {" + std::to_string(r->listed->id) + ", ResourceKind::" +
                   (r->listed->kind == ResourceKind::Sound ? "Sound" : "Bitmap") + ", {Bytes(" +
                   name + "), sizeof(" + name + ") - 1}},\n";
        }
        src += "    };\n";
        if (variants.empty()) {
            src += "    static const ResourceLibrary lib{\"" + lib + "\", entries};\n";
        } else {
            src += "    static const ResourceVariant variants[] = {\n";
            for (const PackedVariant* v : variants) {
                const std::string name = SymbolOf(*v);
                src += "        {" + std::to_string(v->listed->id) + ", " + ScaleText(v->scale) +
                       ", {Bytes(" + name + "), sizeof(" + name + ") - 1}},\n";
            }
            src += "    };\n    static const ResourceLibrary lib{\"" + lib +
                   "\", entries, variants};\n";
        }
    }
    return src + "    return lib;\n}\n\n} // namespace nk\n";
}

} // namespace nk::resgen
