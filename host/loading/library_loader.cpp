#include "host/loading/library_loader.h"

#include "registry/registry.h"

#include "support/file_io.h"
#include "support/json_text.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace nk {

void LoadedLibrary::Closer::operator()(void* handle) const {
    if (handle != nullptr) ::dlclose(handle);
}

std::unique_ptr<LoadedLibrary> LoadedLibrary::Open(const std::filesystem::path& given,
                                                   std::string& error) {
    std::error_code ec;
    const std::filesystem::path file = std::filesystem::absolute(given, ec);
    if (ec) {
        error = given.string() + ": cannot be loaded: " + ec.message();
        return nullptr;
    }
    if (std::string problem = LibraryTrustProblem(file); !problem.empty()) {
        error = std::move(problem);
        return nullptr;
    }
    ::dlerror();
    void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = ::dlerror();
        error = file.string() + ": cannot be loaded: " + (why ? why : "unknown reason");
        return nullptr;
    }
    auto lib = std::make_unique<LoadedLibrary>(Token{});
    lib->path_ = file;
    lib->handle_.reset(handle);
    auto find = [&](const char* name) -> void* {
        void* sym = ::dlsym(handle, name);
        if (sym == nullptr && error.empty())
            error = file.string() + ": not a control library: no export " + name;
        return sym;
    };
    error.clear();
    lib->getClassObject_ = reinterpret_cast<GetClassObjectFn>(find("DllGetClassObject"));
    lib->canUnloadNow_ = reinterpret_cast<CanUnloadNowFn>(find("DllCanUnloadNow"));
    lib->register_ = reinterpret_cast<RegisterServerFn>(find("DllRegisterServer"));
    lib->unregister_ = reinterpret_cast<RegisterServerFn>(find("DllUnregisterServer"));
    if (!error.empty()) return nullptr;
    std::vector<const ClassIdentity*> classes = lib->Classes();
    if (!classes.empty()) lib->name_ = classes.front()->library;
    return lib;
}

LoadedLibrary::~LoadedLibrary() {
    // Unloading code whose objects are still referenced would leave them pointing at
    // nothing, so such a library stays loaded.
    if (handle_ && canUnloadNow_ != nullptr && canUnloadNow_() != S_OK) (void)handle_.release();
}

HResult LoadedLibrary::GetClassObject(const Guid* clsid, const Guid* iid, void** out) const {
    return getClassObject_(clsid, iid, out);
}
HResult LoadedLibrary::CanUnloadNow() const {
    return canUnloadNow_();
}
HResult LoadedLibrary::RegisterServer() const {
    return register_();
}
HResult LoadedLibrary::UnregisterServer() const {
    return unregister_();
}

ComRef<ClassFactory> LoadedLibrary::ClassObject(const Guid& clsid) const {
    ComRef<ClassFactory> factory;
    if (getClassObject_(&clsid, &kIID_ClassFactory, factory.Out()) != S_OK) factory.Reset();
    return factory;
}

std::vector<const ClassIdentity*> LoadedLibrary::Classes() const {
    std::vector<const ClassIdentity*> out;
    for (const ClassIdentity& c : ClassIdentities())
        if (ClassObject(c.classId)) out.push_back(&c);
    return out;
}

std::vector<const InterfaceTable*> LoadedLibrary::ClassTables() const {
    std::vector<const InterfaceTable*> out;
    for (const ClassIdentity& c : ClassIdentities())
        if (ComRef<ClassFactory> f = ClassObject(c.classId)) out.push_back(&f->ClassInterface());
    return out;
}

ComRef<ControlObject> CreateControl(ClassFactory& factory, Host& host, HResult* result) {
    ComRef<ControlObject> obj;
    HResult hr = factory.CreateInstance(nullptr, &host, kIID_ControlObject, obj.Out());
    if (result) *result = hr;
    if (hr != S_OK) obj.Reset();
    return obj;
}

std::filesystem::path ProgramFolder(const std::filesystem::path& exeLink) {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink(exeLink, ec);
    if (ec || !exe.is_absolute()) return {};
    return exe.parent_path();
}

namespace {

// Whether a file or folder with this status could be changed by a user other than the
// one running the program and the system's administrator.
bool OthersMayChange(const struct stat& st, bool folder) {
    const bool foreignOwner = st.st_uid != ::geteuid() && st.st_uid != 0;
    const bool othersWrite = (st.st_mode & S_IWOTH) != 0 && !(folder && (st.st_mode & S_ISVTX));
    return foreignOwner || othersWrite;
}

} // namespace

std::string LibraryTrustProblem(const std::filesystem::path& file) {
    const std::string name = file.string();
    if (!file.is_absolute()) return name + ": not loaded: the path is not absolute";
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return name + ": cannot be loaded: " + std::strerror(errno);
    if (!S_ISREG(st.st_mode)) {
        const std::string kind = NonRegularKind(name);
        return name + ": not loaded: it is " + (kind.empty() ? "not a regular file" : kind) +
               ", not a library file";
    }
    if (OthersMayChange(st, false))
        return name + ": not loaded: the file can be changed by other users";
    struct stat dir {};
    const std::filesystem::path folder = file.parent_path();
    if (::stat(folder.c_str(), &dir) != 0 || OthersMayChange(dir, true))
        return name + ": not loaded: its folder " + folder.string() +
               " can be changed by other users";
    return {};
}

std::filesystem::path KitLibraryFolder() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<const void*>(&KitLibraryFolder), &info) == 0 ||
        info.dli_fname == nullptr)
        return {};
    std::error_code ec;
    const std::filesystem::path file = std::filesystem::weakly_canonical(info.dli_fname, ec);
    return ec ? std::filesystem::path(info.dli_fname).parent_path() : file.parent_path();
}

std::vector<std::string> LibraryFileNames(std::string_view name) {
    const std::string base = "lib" + std::string(name) + ".so";
    return {base + "." + std::to_string(kControlLibraryVersion), base};
}

std::optional<std::filesystem::path> FindLibraryFile(std::string_view name, std::string& error) {
    const std::vector<std::string> names = LibraryFileNames(name);
    // The kit's own library folder (where this code was loaded from: the installed
    // libnuvelkit, or a program that carries the kit), then the program's ../lib folder, as
    // in the build tree and an installed tree, and the architecture's folder below it, as in
    // a Debian package.
    const std::filesystem::path bin = ProgramFolder();
#ifdef NK_LIBRARY_ARCHITECTURE
    const std::filesystem::path archLib = bin / "../lib" / NK_LIBRARY_ARCHITECTURE;
#else
    const std::filesystem::path archLib;
#endif
    std::vector<std::filesystem::path> folders;
    for (const std::filesystem::path& dir :
         {KitLibraryFolder(), bin / "../lib", archLib, bin / "../lib64"}) {
        if (dir.empty()) continue;
        const std::filesystem::path normal = dir.lexically_normal();
        if (std::find(folders.begin(), folders.end(), normal) == folders.end())
            folders.push_back(normal);
    }
    std::error_code ec;
    for (const std::filesystem::path& dir : folders)
        for (const std::string& file : names)
            if (std::filesystem::exists(dir / file, ec)) return dir / file;
    std::string looked;
    for (const std::filesystem::path& dir : folders)
        looked += (looked.empty() ? "" : ", ") + dir.string();
    std::optional<std::filesystem::path> registry = RegistryPath(&error);
    if (!registry) {
        error = names.front() + ": not in " + looked + "; " + error;
        return std::nullopt;
    }
    std::optional<std::vector<RegisteredLibrary>> libs = ReadRegistry(*registry, error);
    if (!libs) return std::nullopt;
    for (const RegisteredLibrary& lib : *libs) {
        if (lib.name != name || lib.path.empty()) continue;
        const std::filesystem::path recorded(lib.path);
        if (recorded.is_absolute()) return recorded;
        error = MessageName(lib.path) + ": the component registry " + registry->string() +
                " records " + names.front() +
                " at a path that is not absolute; it is not loaded from there";
        return std::nullopt;
    }
    error = names.front() + ": not in " + looked + " and not in the component registry " +
            registry->string();
    return std::nullopt;
}

std::vector<const InterfaceTable*> KitLibraries::Tables() const {
    std::vector<const InterfaceTable*> out;
    for (const auto& lib : libraries)
        for (const InterfaceTable* t : lib->ClassTables())
            out.push_back(t);
    return out;
}

KitLibraries OpenKitLibraries(std::string& error) {
    KitLibraries kit;
    error.clear();
    for (const LibraryIdentity& id : Libraries()) {
        std::string why;
        std::optional<std::filesystem::path> file = FindLibraryFile(id.name, why);
        std::unique_ptr<LoadedLibrary> lib;
        if (file) lib = LoadedLibrary::Open(*file, why);
        if (lib) {
            kit.libraries.push_back(std::move(lib));
        } else {
            if (!error.empty()) error += '\n';
            error += why;
        }
    }
    return kit;
}

} // namespace nk
