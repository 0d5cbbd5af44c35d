// The user's component registry: the JSON file in which the control libraries record their
// classes, program identifiers, identifiers, file path and type library, and from which
// containers find them. It lives at $XDG_DATA_HOME/nuvelkit/registry.json (by default
// ~/.local/share/nuvelkit/registry.json). Writers hold an advisory lock on registry.json.lock
// beside it for the whole read-modify-write, replace the file atomically, and keep every
// other library's entry as it was.
#pragma once

#include "framework/identity.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

struct RegisteredClass {
    std::string progId; // "Nuvelkit3.NuvelCommand"
    std::string className;
    std::string classId; // "{...}"
    std::string interfaceId;
    std::string eventsId;
};

struct RegisteredLibrary {
    std::string name; // "nuvset1"
    std::string path; // absolute path of the shared library
    std::string libraryId;
    std::string typeLibrary; // "Nuvelkit3"
    std::string version;     // "1.0"
    std::vector<RegisteredClass> classes;
};

// The registry file; nothing (and a message in error) when neither XDG_DATA_HOME nor HOME
// gives a place for it.
std::optional<std::filesystem::path> RegistryPath(std::string* error = nullptr);

// The entry that a kit library at `path` records.
RegisteredLibrary DescribeLibrary(const LibraryIdentity& library, const std::string& path);

// Reads every library entry. A missing file is an empty registry; a damaged one gives
// nothing and a message naming the file, the place and what is wrong.
std::optional<std::vector<RegisteredLibrary>> ReadRegistry(const std::filesystem::path& file,
                                                           std::string& error);
// The entries of registry text; `source` names it in messages. A registry of a newer
// version than this program reads is refused.
std::optional<std::vector<RegisteredLibrary>>
ParseRegistry(const std::string& text, const std::string& source, std::string& error);
// Adds or replaces the entry of `library` (by name), keeping the others. On failure
// `cause`, when given, receives the errno value behind it (0 when there is none, as for a
// damaged registry).
bool WriteRegistryEntry(const std::filesystem::path& file, const RegisteredLibrary& library,
                        std::string& error, int* cause = nullptr);
// Removes the entry named `name`, keeping the others; removing an absent entry succeeds.
bool RemoveRegistryEntry(const std::filesystem::path& file, std::string_view name,
                         std::string& error, int* cause = nullptr);

// The registered class with this program identifier or class name, and its library.
struct RegistryHit {
    RegisteredLibrary library;
    RegisteredClass cls;
};
std::optional<RegistryHit> FindRegisteredClass(const std::vector<RegisteredLibrary>& libraries,
                                               std::string_view progIdOrName);

} // namespace nk

namespace nk {

// What a library's DllRegisterServer and DllUnregisterServer do: record or remove the
// library's entry (its served classes only). `inLibrary` is any address inside the library,
// from which its file path is found.
HResult RegisterServer(const LibraryIdentity& library, const void* inLibrary,
                       std::span<const std::string_view> servedClasses);
HResult UnregisterServer(const LibraryIdentity& library);

// The result a failed registration returns for the errno value behind it: access denied
// (a read-only folder or file), disk full, out of memory; SELFREG_E_CLASS otherwise.
HResult RegistrationFailure(int cause);
// The reason a registration result stands for, in words; empty for S_OK.
std::string DescribeRegistrationResult(HResult hr);

} // namespace nk
