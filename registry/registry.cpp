#include "registry/registry.h"

#include "support/file_io.h"
#include "support/json_text.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/file.h>
#include <unistd.h>

namespace nk {

namespace {

using nlohmann::ordered_json;

constexpr std::string_view kFormat = "nuvelkit-registry";
constexpr int kVersion = 1;
// A registry holds a few entries; a file far larger than that is not one.
constexpr std::uint64_t kMaxRegistryBytes = std::uint64_t{16} << 20;

std::string Describe(const std::filesystem::path& file, const std::string& what) {
    return file.string() + ": " + what;
}

ordered_json EmptyRegistry() {
    ordered_json doc;
    doc["format"] = kFormat;
    doc["version"] = kVersion;
    doc["libraries"] = ordered_json::object();
    return doc;
}

std::string Text(const ordered_json& j, const char* key) {
    auto it = j.find(key);
    return it != j.end() && it->is_string() ? it->get<std::string>() : std::string();
}

// The registry document in `text`, checked for its format, version and entry table.
std::optional<ordered_json> ParseRegistryText(const std::string& text, const std::string& source,
                                              std::string& error) {
    ordered_json doc;
    if (std::string problem = ParseJsonText(text, doc); !problem.empty()) {
        error = source + ": " + problem;
        return std::nullopt;
    }
    if (!doc.is_object() || !doc.contains("format") || doc["format"] != kFormat) {
        error = source + ": top level: not a component registry (format is not \"" +
                std::string(kFormat) + "\")";
        return std::nullopt;
    }
    const auto version = doc.find("version");
    if (version != doc.end() && !version->is_number_integer()) {
        error =
            source + ": \"version\": expected a whole number, found " + DescribeJsonValue(*version);
        return std::nullopt;
    }
    if (version != doc.end() &&
        (version->is_number_unsigned() ? version->get<std::uint64_t>() > kVersion
                                       : version->get<std::int64_t>() > kVersion)) {
        error = source + ": \"version\": version " + DescribeJsonValue(*version) +
                " is newer than this program reads (" + std::to_string(kVersion) + ")";
        return std::nullopt;
    }
    if (!doc.contains("libraries")) doc["libraries"] = ordered_json::object();
    if (!doc["libraries"].is_object()) {
        error = source + ": \"libraries\": expected an object";
        return std::nullopt;
    }
    return doc;
}

std::optional<std::vector<RegisteredLibrary>>
Entries(const ordered_json& doc, const std::string& source, std::string& error) {
    std::vector<RegisteredLibrary> out;
    for (const auto& [name, entry] : doc.at("libraries").items()) {
        if (!entry.is_object()) {
            error = source + ": \"libraries\"/" + QuoteCut(name) + ": expected an object";
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

// The document in the file; a fresh one when the file does not exist. `cause` receives
// the errno value of a failure to read.
std::optional<ordered_json> Load(const std::filesystem::path& file, std::string& error,
                                 int& cause) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !ec) return EmptyRegistry();
    FileBytes bytes = ReadRegularFile(file.string(), kMaxRegistryBytes, "component registry");
    if (!bytes.ok()) {
        error = std::move(bytes.error);
        cause = EIO;
        return std::nullopt;
    }
    return ParseRegistryText(std::string(bytes.bytes.begin(), bytes.bytes.end()), file.string(),
                             error);
}

// Holds the registry's advisory lock: every read-modify-write of the registry happens
// under it, so that libraries registering at the same time keep each other's entries.
// The lock is on a file of its own beside the registry, which a save replaces.
class RegistryLock {
public:
    RegistryLock(const std::filesystem::path& file, std::string& error, int& cause) {
        std::error_code ec;
        std::filesystem::create_directories(file.parent_path(), ec);
        if (ec) {
            cause = ec.value();
            error = Describe(file.parent_path(), "cannot create the folder: " + ec.message());
            return;
        }
        std::filesystem::path lock = file;
        lock += ".lock";
        fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) {
            cause = errno;
            error = Describe(lock, std::string("cannot open the lock: ") + std::strerror(cause));
            return;
        }
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno == EINTR) continue;
            cause = errno;
            error = Describe(lock, std::string("cannot lock: ") + std::strerror(cause));
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
    RegistryLock(const RegistryLock&) = delete;
    RegistryLock& operator=(const RegistryLock&) = delete;
    ~RegistryLock() {
        if (fd_ >= 0) ::close(fd_); // closing the last descriptor releases the lock
    }
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

bool Save(const std::filesystem::path& file, const ordered_json& doc, std::string& error,
          int& cause) {
    error = ReplaceFile(file.string(), doc.dump(2) + "\n", &cause);
    return error.empty();
}

// Loads under the lock, lets `change` edit the document and saves it.
template <typename Change>
bool Modify(const std::filesystem::path& file, std::string& error, int* cause, Change change) {
    int reason = 0;
    bool ok = false;
    try {
        RegistryLock lock(file, error, reason);
        if (lock.held()) {
            std::optional<ordered_json> doc = Load(file, error, reason);
            ok = doc && (!change(*doc) || Save(file, *doc, error, reason));
        }
    } catch (const std::bad_alloc&) {
        reason = ENOMEM;
        error = Describe(file, "not enough memory to update the registry");
    } catch (const std::exception& e) {
        error = Describe(file, e.what());
    }
    if (cause) *cause = ok ? 0 : reason;
    return ok;
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

std::optional<std::vector<RegisteredLibrary>>
ParseRegistry(const std::string& text, const std::string& source, std::string& error) {
    std::optional<ordered_json> doc = ParseRegistryText(text, source, error);
    if (!doc) return std::nullopt;
    return Entries(*doc, source, error);
}

std::optional<std::vector<RegisteredLibrary>> ReadRegistry(const std::filesystem::path& file,
                                                           std::string& error) {
    int cause = 0;
    std::optional<ordered_json> doc;
    try {
        doc = Load(file, error, cause);
    } catch (const std::bad_alloc&) {
        error = Describe(file, "not enough memory to read the registry");
    }
    if (!doc) return std::nullopt;
    return Entries(*doc, file.string(), error);
}

bool WriteRegistryEntry(const std::filesystem::path& file, const RegisteredLibrary& library,
                        std::string& error, int* cause) {
    return Modify(file, error, cause, [&](ordered_json& doc) {
        doc["libraries"][library.name] = ToJson(library);
        return true;
    });
}

bool RemoveRegistryEntry(const std::filesystem::path& file, std::string_view name,
                         std::string& error, int* cause) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return true;
    return Modify(file, error, cause,
                  [&](ordered_json& doc) { return doc["libraries"].erase(std::string(name)) > 0; });
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
        int cause = 0;
        return WriteRegistryEntry(*file, entry, error, &cause) ? S_OK : RegistrationFailure(cause);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HResult UnregisterServer(const LibraryIdentity& library) {
    try {
        std::string error;
        std::optional<std::filesystem::path> file = RegistryPath(&error);
        if (!file) return SELFREG_E_CLASS;
        int cause = 0;
        return RemoveRegistryEntry(*file, library.name, error, &cause) ? S_OK
                                                                       : RegistrationFailure(cause);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

namespace {

// Failure results of the system's own kind, as a Win32 error in an HRESULT.
constexpr HResult kAccessDenied = static_cast<HResult>(0x80070005u); // ERROR_ACCESS_DENIED
constexpr HResult kDiskFull = static_cast<HResult>(0x80070070u);     // ERROR_DISK_FULL

} // namespace

HResult RegistrationFailure(int cause) {
    switch (cause) {
    case EACCES:
    case EPERM:
    case EROFS:
        return kAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return kDiskFull;
    case ENOMEM:
        return E_OUTOFMEMORY;
    default:
        return SELFREG_E_CLASS;
    }
}

std::string DescribeRegistrationResult(HResult hr) {
    switch (hr) {
    case S_OK:
        return {};
    case kAccessDenied:
        return "the component registry or its folder cannot be written (access denied)";
    case kDiskFull:
        return "the disk holding the component registry is full";
    case E_OUTOFMEMORY:
        return "not enough memory";
    case SELFREG_E_CLASS:
        return "the classes could not be recorded in the component registry";
    default:
        return "the library reported a failure";
    }
}

} // namespace nk
