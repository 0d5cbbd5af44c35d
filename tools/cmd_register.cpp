// nuvelkit register / unregister / classes: a library's own self-registration, called
// through its exports as an installer would, and the list of what the registry holds.
#include "tools/class_listing.h"
#include "tools/cli.h"
#include "tools/commands.h"

#include "host/loading/library_loader.h"
#include "kit/classes.h"
#include "registry/registry.h"

#include <CLI/CLI.hpp>

#include <iomanip>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace nk::tools {

namespace {

// The files named on the command line, or both kit libraries found next to the program.
std::vector<std::filesystem::path> LibraryFiles(const std::vector<std::string>& named) {
    std::vector<std::filesystem::path> files;
    if (!named.empty()) {
        for (const auto& n : named)
            files.emplace_back(std::filesystem::absolute(n));
        return files;
    }
    for (const LibraryIdentity& id : Libraries()) {
        std::string error;
        std::optional<std::filesystem::path> file = FindLibraryFile(id.name, error);
        if (!file) {
            std::cerr << "error: " << error << '\n';
            throw CLI::RuntimeError(1);
        }
        files.push_back(std::filesystem::absolute(*file).lexically_normal());
    }
    return files;
}

// Refuses a damaged registry before a library is asked to change it, with the reason;
// returns the registry's file.
std::filesystem::path CheckRegistry() {
    std::string error;
    std::optional<std::filesystem::path> file = RegistryPath(&error);
    if (!file || !ReadRegistry(*file, error)) Fail(kExitFailed, error);
    return *file;
}

std::string HexResult(HResult hr) {
    std::ostringstream s;
    s << "0x" << std::hex << std::uppercase << std::setw(8) << std::setfill('0')
      << static_cast<std::uint32_t>(hr);
    return s.str();
}

// The reason of a failed registration in words, with the registry it concerns; a registry
// damaged since it was checked names its damage.
std::string FailureReason(HResult hr) {
    std::string error;
    std::optional<std::filesystem::path> file = RegistryPath(&error);
    if (!file) return error;
    if (!ReadRegistry(*file, error)) return error;
    return DescribeRegistrationResult(hr) + " (" + file->string() + ")";
}

void RunRegistration(const std::vector<std::string>& named, bool add, const CommonOptions& common) {
    const std::filesystem::path registry = CheckRegistry();
    int failures = 0;
    for (const auto& file : LibraryFiles(named)) {
        std::string error;
        std::unique_ptr<LoadedLibrary> lib = LoadedLibrary::Open(file, error);
        if (!lib) {
            std::cerr << "error: " << error << '\n';
            ++failures;
            continue;
        }
        HResult hr = add ? lib->RegisterServer() : lib->UnregisterServer();
        if (hr != S_OK) {
            std::cerr << "error: " << file.string() << ": "
                      << (add ? "DllRegisterServer" : "DllUnregisterServer") << " failed with "
                      << HexResult(hr) << ": " << FailureReason(hr) << '\n';
            ++failures;
            continue;
        }
        if (!common.quiet)
            std::cout << (add ? "registered " : "unregistered ") << file.string()
                      << (add ? " in " : " from ") << registry.string() << '\n';
    }
    if (failures != 0) throw CLI::RuntimeError(1);
}

void ListClasses() {
    std::string error;
    std::optional<std::filesystem::path> file = RegistryPath(&error);
    std::optional<std::vector<RegisteredLibrary>> libs;
    if (file) libs = ReadRegistry(*file, error);
    if (!libs) {
        std::cerr << "error: " << error << '\n';
        throw CLI::RuntimeError(1);
    }
    if (libs->empty()) {
        std::cout << "no libraries registered in " << file->string() << '\n';
        return;
    }
    for (const RegisteredLibrary& lib : *libs) {
        std::cout << lib.name << "  " << lib.typeLibrary << ' ' << lib.version << "  "
                  << lib.libraryId << "  " << lib.path << '\n';
        for (const RegisteredClass& c : lib.classes)
            std::cout << "  " << std::left << std::setw(26) << c.progId << ' ' << c.classId << '\n';
    }
}

} // namespace

void RegisterRegistration(CLI::App& app, const CommonOptions& common) {
    auto named = std::make_shared<std::vector<std::string>>();
    auto* reg = app.add_subcommand("register",
                                   "Record the control libraries in the user's component registry");
    reg->add_option("LIB", *named, "Library files (both kit libraries when absent)");
    reg->callback([named, &common] { RunRegistration(*named, true, common); });

    auto unnamed = std::make_shared<std::vector<std::string>>();
    auto* unreg = app.add_subcommand(
        "unregister", "Remove the control libraries from the user's component registry");
    unreg->add_option("LIB", *unnamed, "Library files (both kit libraries when absent)");
    unreg->callback([unnamed, &common] { RunRegistration(*unnamed, false, common); });

    auto* classes = app.add_subcommand(
        "classes", "List the classes the registry holds, or the members of one class");
    auto name = std::make_shared<std::string>();
    classes->add_option("NAME", *name,
                        "A class (NuvelCommand or Nuvelkit3.NuvelCommand): list its properties "
                        "with types, initial values and help, its methods and its events");
    classes->callback([name] {
        if (name->empty()) return ListClasses();
        const std::vector<const InterfaceTable*> all = AllClasses();
        std::string error;
        const InterfaceTable* table = FindClassNamed(all, *name, error);
        if (table == nullptr) Fail(kExitUsage, error);
        PrintClass(std::cout, *table);
    });
}

} // namespace nk::tools
