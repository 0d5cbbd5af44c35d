// nk_resgen: draws every numbered bitmap and synthesises the sounds, writes them as BMP and
// wave files, checks each against the resource list, and writes for each library a C++ source
// that embeds its files and defines its resource table.
//
//   nk_resgen OUTDIR [--allow-missing]
//
// OUTDIR receives nuvset1/<n>.bmp, nuvset2/<n>.bmp, nuvset1/401.wav, nuvset1/402.wav,
// nuvset1_table.cpp and nuvset2_table.cpp. A resource that differs from the list (size, depth,
// wave size), is not in it, or comes twice fails the run with a message naming it. A resource
// of the list that nothing generated fails the run too, unless --allow-missing is given, in
// which case it is reported and left out.
#include "host/codec.h"
#include "resources/generator.h"
#include "resources/resource_list.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using nk::ResourceKind;
using nk::resgen::ResourceSpec;

struct Output {
    const ResourceSpec* spec = nullptr;
    std::vector<std::uint8_t> bytes;
};

struct Run {
    std::vector<Output> outputs;
    std::vector<std::string> errors;
    std::set<std::pair<std::string, int>> seen; // library and number, per kind below
};

std::string KindName(ResourceKind kind) {
    return kind == ResourceKind::Sound ? "sound" : "bitmap";
}

const ResourceSpec* Claim(Run& run, std::string_view library, int id, ResourceKind kind) {
    const ResourceSpec* spec = nk::resgen::FindResourceSpec(library, id, kind);
    if (spec == nullptr) {
        run.errors.push_back(std::string(library) + ": " + KindName(kind) + " " +
                             std::to_string(id) + " is not in the resource list");
        return nullptr;
    }
    const std::string key = std::string(library) + (kind == ResourceKind::Sound ? "#s" : "#b");
    if (!run.seen.insert({key, id}).second) {
        run.errors.push_back(nk::resgen::ResourcePath(*spec) + ": generated twice");
        return nullptr;
    }
    return spec;
}

void AddBitmap(Run& run, const nk::resgen::GeneratedBitmap& bmp) {
    const ResourceSpec* spec = Claim(run, bmp.library, bmp.id, ResourceKind::Bitmap);
    if (spec == nullptr) return;
    const nk::Image& img = bmp.image;
    const std::string path = nk::resgen::ResourcePath(*spec);
    if (img.width <= 0 || img.height <= 0 ||
        img.pixels.size() != static_cast<size_t>(img.width) * img.height) {
        run.errors.push_back(path + ": the drawing has no pixels or a wrong pixel count");
        return;
    }
    if (std::string e = nk::resgen::CheckBitmap(*spec, img.width, img.height, bmp.bitsPerPixel);
        !e.empty()) {
        run.errors.push_back(e);
        return;
    }
    Output out{spec, nk::EncodeBmp(img, bmp.bitsPerPixel)};
    // Check what was written, not what was asked for.
    const nk::DecodeResult back = nk::DecodeBmp(out.bytes, path);
    if (!back.ok()) {
        run.errors.push_back(path + ": the written file does not decode: " + back.error);
        return;
    }
    if (std::string e = nk::resgen::CheckBitmap(*spec, back.image.width, back.image.height,
                                                back.image.bitsPerPixel);
        !e.empty()) {
        run.errors.push_back(e + " (as written)");
        return;
    }
    run.outputs.push_back(std::move(out));
}

void AddSound(Run& run, const nk::resgen::GeneratedSound& snd) {
    const ResourceSpec* spec = Claim(run, "nuvset1", snd.id, ResourceKind::Sound);
    if (spec == nullptr) return;
    const std::string path = nk::resgen::ResourcePath(*spec);
    if (snd.wave.size() < 12 || !std::equal(snd.wave.begin(), snd.wave.begin() + 4, "RIFF") ||
        !std::equal(snd.wave.begin() + 8, snd.wave.begin() + 12, "WAVE")) {
        run.errors.push_back(path + ": not a RIFF wave image");
        return;
    }
    if (std::string e = nk::resgen::CheckSound(*spec, snd.wave.size()); !e.empty()) {
        run.errors.push_back(e);
        return;
    }
    run.outputs.push_back({spec, snd.wave});
}

std::vector<const ResourceSpec*> Missing(const Run& run) {
    std::vector<const ResourceSpec*> missing;
    for (const ResourceSpec& spec : nk::resgen::ResourceList()) {
        const bool found = std::any_of(run.outputs.begin(), run.outputs.end(),
                                       [&](const Output& o) { return o.spec == &spec; });
        if (!found) missing.push_back(&spec);
    }
    return missing;
}

// Allowed: one line per library with the numbers still to come. Otherwise: one error per
// resource, with its role.
void ReportMissing(const std::vector<const ResourceSpec*>& missing, bool allowed) {
    if (!allowed) {
        for (const ResourceSpec* spec : missing)
            std::cerr << "nk_resgen: missing: " << nk::resgen::ResourcePath(*spec) << " ("
                      << spec->role << ")\n";
        return;
    }
    std::map<std::string_view, std::string> byLibrary;
    for (const ResourceSpec* spec : missing) {
        std::string& ids = byLibrary[spec->library];
        ids += ' ';
        ids += std::to_string(spec->id);
    }
    for (const auto& [library, ids] : byLibrary)
        std::cout << "nk_resgen: " << library << ": not generated yet:" << ids << "\n";
}

bool WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                std::string& error) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
    f.close();
    if (!f) {
        error = path.string() + ": cannot write";
        return false;
    }
    return true;
}

// Bytes as a C++ string literal, split into lines: printable characters stay as they are,
// everything else becomes a three-digit octal escape (never followed by a misread digit).
void AppendLiteral(std::string& src, const std::vector<std::uint8_t>& bytes) {
    std::string line = "    \"";
    for (std::uint8_t b : bytes) {
        if (b >= 0x20 && b < 0x7F && b != '"' && b != '\\' && b != '?') {
            line += static_cast<char>(b);
        } else {
            char esc[6];
            std::snprintf(esc, sizeof esc, "\\%03o", b);
            line += esc;
        }
        if (line.size() >= 96) {
            src += line + "\"\n";
            line = "    \"";
        }
    }
    src += line + "\";\n";
}

std::string TableSource(std::string_view library, const std::string& function,
                        std::vector<const Output*> entries) {
    std::sort(entries.begin(), entries.end(), [](const Output* a, const Output* b) {
        return std::pair(a->spec->id, a->spec->kind) < std::pair(b->spec->id, b->spec->kind);
    });
    std::string src;
    src += "// Generated by nk_resgen: the embedded resources of " + std::string(library) +
           ". Do not edit.\n";
    src += "#include \"resources/resource_tables.h\"\n\n#include <cstdint>\n\nnamespace nk {\n\n";
    src += "namespace {\n\n";
    for (const Output* o : entries) {
        const bool sound = o->spec->kind == ResourceKind::Sound;
        src += "// " + std::string(o->spec->role) + "\n";
        src += "const char k" + std::string(sound ? "Sound" : "Bitmap") +
               std::to_string(o->spec->id) + "[] =\n";
        AppendLiteral(src, o->bytes);
        src += "\n";
    }
    if (!entries.empty())
        src += "const std::uint8_t* Bytes(const char* s) {\n"
               "    return reinterpret_cast<const std::uint8_t*>(s);\n}\n\n";
    src += "} // namespace\n\n";
    src += "const ResourceLibrary& " + function + "() {\n";
    if (entries.empty()) {
        src += "    static const ResourceLibrary lib{\"" + std::string(library) + "\", {}};\n";
    } else {
        src += "    static const ResourceEntry entries[] = {\n";
        for (const Output* o : entries) {
            const bool sound = o->spec->kind == ResourceKind::Sound;
            const std::string name =
                std::string("k") + (sound ? "Sound" : "Bitmap") + std::to_string(o->spec->id);
            src += "        {" + std::to_string(o->spec->id) +
                   ", ResourceKind::" + (sound ? "Sound" : "Bitmap") + ", {Bytes(" + name +
                   "), sizeof(" + name + ") - 1}},\n";
        }
        src += "    };\n";
        src += "    static const ResourceLibrary lib{\"" + std::string(library) + "\", entries};\n";
    }
    src += "    return lib;\n}\n\n} // namespace nk\n";
    return src;
}

bool WriteLibrary(const std::filesystem::path& dir, std::string_view library,
                  const std::string& function, const std::vector<Output>& outputs,
                  std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(dir / library, ec);
    if (ec) {
        error = (dir / library).string() + ": cannot create: " + ec.message();
        return false;
    }
    std::vector<const Output*> entries;
    for (const Output& o : outputs) {
        if (o.spec->library != library) continue;
        entries.push_back(&o);
        if (!WriteBytes(dir / nk::resgen::ResourcePath(*o.spec), o.bytes, error)) return false;
    }
    const std::string src = TableSource(library, function, entries);
    return WriteBytes(dir / (std::string(library) + "_table.cpp"),
                      std::vector<std::uint8_t>(src.begin(), src.end()), error);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::string(argv[2]) != "--allow-missing")) {
        std::cerr << "usage: nk_resgen OUTDIR [--allow-missing]\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const bool allowMissing = argc == 3;

    std::vector<nk::resgen::GeneratedBitmap> bitmaps;
    nk::resgen::GenerateSet1Bitmaps(bitmaps);
    nk::resgen::GenerateScreenBitmaps(bitmaps);
    nk::resgen::GenerateSet2Bitmaps(bitmaps);
    std::vector<nk::resgen::GeneratedSound> sounds;
    nk::resgen::GenerateSounds(sounds);

    Run run;
    for (const auto& b : bitmaps)
        AddBitmap(run, b);
    for (const auto& s : sounds)
        AddSound(run, s);
    const std::vector<const ResourceSpec*> missing = Missing(run);
    ReportMissing(missing, allowMissing);
    for (const std::string& e : run.errors)
        std::cerr << "nk_resgen: " << e << "\n";
    if (!run.errors.empty() || (!allowMissing && !missing.empty())) {
        std::cerr << "nk_resgen: the generated resources do not match the resource list\n";
        return 1;
    }

    std::string error;
    if (!WriteLibrary(dir, "nuvset1", "Nuvset1Resources", run.outputs, error) ||
        !WriteLibrary(dir, "nuvset2", "Nuvset2Resources", run.outputs, error)) {
        std::cerr << "nk_resgen: " << error << "\n";
        return 1;
    }
    std::cout << "nk_resgen: " << run.outputs.size() << " resources written to " << dir.string()
              << "\n";
    return 0;
}
