#include "host/registry.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace nk {

namespace {

using nlohmann::ordered_json;

constexpr std::string_view kFormat = "nuvelkit-registry";
constexpr int kVersion = 1;

std::string Describe(const std::filesystem::path& file, const std::string& what) {
    return file.string() + ": " + what;
}

// The document in the file; a fresh one when the file does not exist.
std::optional<ordered_json> Load(const std::filesystem::path& file, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        ordered_json doc;
        doc["format"] = kFormat;
        doc["version"] = kVersion;
        doc["libraries"] = ordered_json::object();
        return doc;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = Describe(file, "cannot be read");
        return std::nullopt;
    }
    std::stringstream text;
    text << in.rdbuf();
    ordered_json doc = ordered_json::parse(text.str(), nullptr, false);
    if (doc.is_discarded()) {
        // Parse again with exceptions to learn where the text goes wrong.
        try {
            ordered_json probe = ordered_json::parse(text.str());
            (void)probe;
        } catch (const ordered_json::parse_error& e) {
            error = Describe(file, "byte " + std::to_string(e.byte) + ": not valid JSON");
            return std::nullopt;
        }
        error = Describe(file, "not valid JSON");
        return std::nullopt;
    }
    if (!doc.is_object() || doc.value("format", "") != kFormat) {
        error = Describe(file, "top level: not a component registry (format is not \"" +
                                   std::string(kFormat) + "\")");
        return std::nullopt;
    }
    if (!doc.contains("libraries")) doc["libraries"] = ordered_json::object();
    if (!doc["libraries"].is_object()) {
        error = Describe(file, "\"libraries\": expected an object");
        return std::nullopt;
    }
    return doc;
}

bool Save(const std::filesystem::path& file, const ordered_json& doc, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    if (ec) {
        error = Describe(file.parent_path(), "cannot create the folder: " + ec.message());
        return false;
    }
    std::filesystem::path tmp = file;
    tmp += ".tmp" + std::to_string(::getpid());
    std::string text = doc.dump(2) + "\n";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (f == nullptr) {
        error = Describe(tmp, "cannot be written");
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        std::filesystem::remove(tmp, ec);
        error = Describe(tmp, "writing failed");
        return false;
    }
    std::filesystem::rename(tmp, file, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        error = Describe(file, "cannot replace the file");
        return false;
    }
    return true;
}

std::string Text(const ordered_json& j, const char* key) {
    auto it = j.find(key);
    return it != j.end() && it->is_string() ? it->get<std::string>() : std::string();
}

ordered_json ToJson(const RegisteredLibrary& lib) {
    ordered_json entry;
    entry["path"] = lib.path;
    entry["libraryId"] = lib.libraryId;
    entry["typeLibrary"] = {{"name", lib.typeLibrary}, {"version", lib.version}};
    ordered_json classes = ordered_json::array();
    for (const auto& c : lib.classes)
        classes.push_back({{"progId", c.progId},
                           {"name", c.className},
                           {"classId", c.classId},
                           {"interfaceId", c.interfaceId},
                           {"eventsId", c.eventsId}});
    entry["classes"] = classes;
    return entry;
}

} // namespace

std::optional<std::filesystem::path> RegistryPath(std::string* error) {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    // Relative values are ignored, as the base-directory convention asks.
    if (data != nullptr && data[0] == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/') {
            if (error)
                *error = "no place for the component registry: neither XDG_DATA_HOME "
                         "nor HOME is an absolute path";
            return std::nullopt;
        }
        base = std::filesystem::path(home) / ".local" / "share";
    }
    return base / "nuvelkit" / "registry.json";
}

RegisteredLibrary DescribeLibrary(const LibraryIdentity& library, const std::string& path) {
    RegisteredLibrary lib{std::string(library.name),
                          path,
                          ToString(library.libraryId),
                          std::string(library.typeLibrary),
                          std::to_string(library.versionMajor) + "." +
                              std::to_string(library.versionMinor),
                          {}};
    for (const ClassIdentity& c : ClassIdentities())
        if (c.library == library.name)
            lib.classes.push_back({ProgramId(c), std::string(c.className), ToString(c.classId),
                                   ToString(c.interfaceId), ToString(c.eventsId)});
    return lib;
}

std::optional<std::vector<RegisteredLibrary>> ReadRegistry(const std::filesystem::path& file,
                                                           std::string& error) {
    std::optional<ordered_json> doc = Load(file, error);
    if (!doc) return std::nullopt;
    std::vector<RegisteredLibrary> out;
    for (const auto& [name, entry] : (*doc)["libraries"].items()) {
        if (!entry.is_object()) {
            error = Describe(file, "\"libraries\"/\"" + name + "\": expected an object");
            return std::nullopt;
        }
        RegisteredLibrary lib{name, Text(entry, "path"), Text(entry, "libraryId"), {}, {}, {}};
        if (auto tl = entry.find("typeLibrary"); tl != entry.end() && tl->is_object()) {
            lib.typeLibrary = Text(*tl, "name");
            lib.version = Text(*tl, "version");
        }
        if (auto cl = entry.find("classes"); cl != entry.end() && cl->is_array()) {
            for (const auto& c : *cl) {
                if (!c.is_object()) continue;
                lib.classes.push_back({Text(c, "progId"), Text(c, "name"), Text(c, "classId"),
                                       Text(c, "interfaceId"), Text(c, "eventsId")});
            }
        }
        out.push_back(std::move(lib));
    }
    return out;
}

bool WriteRegistryEntry(const std::filesystem::path& file, const RegisteredLibrary& library,
                        std::string& error) {
    try {
        std::optional<ordered_json> doc = Load(file, error);
        if (!doc) return false;
        (*doc)["libraries"][library.name] = ToJson(library);
        return Save(file, *doc, error);
    } catch (const std::exception& e) {
        error = Describe(file, e.what());
        return false;
    }
}

bool RemoveRegistryEntry(const std::filesystem::path& file, std::string_view name,
                         std::string& error) {
    try {
        std::error_code ec;
        if (!std::filesystem::exists(file, ec)) return true;
        std::optional<ordered_json> doc = Load(file, error);
        if (!doc) return false;
        (*doc)["libraries"].erase(std::string(name));
        return Save(file, *doc, error);
    } catch (const std::exception& e) {
        error = Describe(file, e.what());
        return false;
    }
}

std::optional<RegistryHit> FindRegisteredClass(const std::vector<RegisteredLibrary>& libraries,
                                               std::string_view progIdOrName) {
    for (const auto& lib : libraries)
        for (const auto& c : lib.classes)
            if (c.progId == progIdOrName || c.className == progIdOrName) return RegistryHit{lib, c};
    return std::nullopt;
}

} // namespace nk

#include <dlfcn.h>

namespace nk {

HResult RegisterServer(const LibraryIdentity& library, const void* inLibrary,
                       std::span<const std::string_view> servedClasses) {
    try {
        Dl_info info{};
        if (::dladdr(inLibrary, &info) == 0 || info.dli_fname == nullptr) return SELFREG_E_CLASS;
        std::error_code ec;
        std::filesystem::path path = std::filesystem::weakly_canonical(info.dli_fname, ec);
        if (ec) path = std::filesystem::absolute(info.dli_fname);
        RegisteredLibrary entry = DescribeLibrary(library, path.string());
        std::erase_if(entry.classes, [&](const RegisteredClass& c) {
            for (std::string_view served : servedClasses)
                if (served == c.className) return false;
            return true;
        });
        std::string error;
        std::optional<std::filesystem::path> file = RegistryPath(&error);
        if (!file) return SELFREG_E_CLASS;
        return WriteRegistryEntry(*file, entry, error) ? S_OK : SELFREG_E_CLASS;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HResult UnregisterServer(const LibraryIdentity& library) {
    try {
        std::string error;
        std::optional<std::filesystem::path> file = RegistryPath(&error);
        if (!file) return SELFREG_E_CLASS;
        return RemoveRegistryEntry(*file, library.name, error) ? S_OK : SELFREG_E_CLASS;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

} // namespace nk
