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
#include "resources/generator.h"
#include "resources/resource_pack.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

using nk::resgen::ResourceSpec;

// Allowed: one line per library with the numbers still to come. Otherwise: one error per
// resource, with its role.
void ReportMissing(const std::vector<const ResourceSpec*>& missing, bool allowed) {
    if (!allowed) {
        for (const ResourceSpec* listed : missing)
            std::cerr << "nk_resgen: missing: " << nk::resgen::ResourcePath(*listed) << " ("
                      << listed->role << ")\n";
        return;
    }
    std::map<std::string_view, std::string> byLibrary;
    for (const ResourceSpec* listed : missing) {
        std::string& ids = byLibrary[listed->library];
        ids += ' ';
        ids += std::to_string(listed->id);
    }
    for (const auto& [library, ids] : byLibrary)
        std::cout << "nk_resgen: " << library << ": not generated yet:" << ids << "\n";
}

bool WriteBytes(const std::filesystem::path& path, const std::string_view bytes,
                std::string& error) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    f.close();
    if (!f) {
        error = path.string() + ": cannot write";
        return false;
    }
    return true;
}

bool WriteLibrary(const std::filesystem::path& dir, std::string_view library,
                  const std::string& function, const nk::resgen::ResourcePack& pack,
                  std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(dir / library, ec);
    if (ec) {
        error = (dir / library).string() + ": cannot create: " + ec.message();
        return false;
    }
    for (const nk::resgen::PackedResource& r : pack.resources()) {
        if (r.listed->library != library) continue;
        const std::string_view bytes(reinterpret_cast<const char*>(r.bytes.data()), r.bytes.size());
        if (!WriteBytes(dir / nk::resgen::ResourcePath(*r.listed), bytes, error)) return false;
    }
    return WriteBytes(dir / (std::string(library) + "_table.cpp"),
                      nk::resgen::TableSource(library, function, pack), error);
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

    nk::resgen::ResourcePack pack;
    for (const auto& b : bitmaps)
        pack.AddBitmap(b);
    for (const auto& s : sounds)
        pack.AddSound(s);
    const std::vector<const ResourceSpec*> missing = pack.Missing();
    ReportMissing(missing, allowMissing);
    for (const std::string& e : pack.errors())
        std::cerr << "nk_resgen: " << e << "\n";
    if (!pack.errors().empty() || (!allowMissing && !missing.empty())) {
        std::cerr << "nk_resgen: the generated resources do not match the resource list\n";
        return 1;
    }

    std::string error;
    if (!WriteLibrary(dir, "nuvset1", "Nuvset1Resources", pack, error) ||
        !WriteLibrary(dir, "nuvset2", "Nuvset2Resources", pack, error)) {
        std::cerr << "nk_resgen: " << error << "\n";
        return 1;
    }
    std::cout << "nk_resgen: " << pack.resources().size() << " resources written to "
              << dir.string() << "\n";
    return 0;
}
