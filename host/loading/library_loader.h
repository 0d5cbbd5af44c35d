// How a container reaches the control libraries: it opens a library with dlopen (by path,
// from the program's own lib folder, or through the user's component registry), looks up the
// four exports, and creates controls through the class objects they hand out.
//
//     std::string error;
//     auto lib = nk::LoadedLibrary::Open("/usr/lib/libnuvset1.so", error);
//     nk::ComRef<nk::ClassFactory> factory = lib->ClassObject(clsid);
//     nk::ComRef<nk::ControlObject> obj = nk::CreateControl(*factory, host);
//     obj->GetControl().InitProperties();
#pragma once

#include "framework/com.h"
#include "framework/identity.h"
#include "framework/interface_table.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nk {

// Holds one reference to an object of a library and releases it when done.
template <class T> class ComRef {
public:
    ComRef() = default;
    // Takes over a reference the caller already holds.
    static ComRef Adopt(T* p) {
        ComRef r;
        r.p_ = p;
        return r;
    }
    ComRef(const ComRef& o) : p_(o.p_) {
        if (p_) p_->AddRef();
    }
    ComRef(ComRef&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComRef& operator=(ComRef o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~ComRef() { Reset(); }
    void Reset() {
        if (T* p = std::exchange(p_, nullptr)) p->Release();
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For calls that hand out a new reference: `f(..., ref.Out())`.
    void** Out() {
        Reset();
        return reinterpret_cast<void**>(&p_);
    }

private:
    T* p_ = nullptr;
};

// One opened control library. It is closed on destruction when it answers that it can
// unload; a library that still has live objects or locks stays loaded.
class LoadedLibrary {
public:
    // Opens the file and finds its four exports; nothing (and a message) on failure. A
    // relative path is taken from the current folder (never searched for); a file that
    // LibraryTrustProblem refuses is not opened at all.
    static std::unique_ptr<LoadedLibrary> Open(const std::filesystem::path& file,
                                               std::string& error);
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The kit library this file is ("nuvset1"), from the classes it serves; empty for none.
    std::string_view name() const { return name_; }

    HResult GetClassObject(const Guid* clsid, const Guid* iid, void** out) const;
    HResult CanUnloadNow() const;
    HResult RegisterServer() const;
    HResult UnregisterServer() const;

    // The class object of a class, or nothing when the library does not serve it.
    ComRef<ClassFactory> ClassObject(const Guid& clsid) const;
    // The kit's classes that this library serves, in identity order.
    std::vector<const ClassIdentity*> Classes() const;
    // The interface tables of those classes, from their class objects. They stay valid
    // while the library is loaded.
    std::vector<const InterfaceTable*> ClassTables() const;

    struct Token {};
    explicit LoadedLibrary(Token) {}

private:
    struct Closer {
        void operator()(void* handle) const;
    };
    std::filesystem::path path_;
    std::string name_;
    std::unique_ptr<void, Closer> handle_;
    GetClassObjectFn getClassObject_ = nullptr;
    CanUnloadNowFn canUnloadNow_ = nullptr;
    RegisterServerFn register_ = nullptr;
    RegisterServerFn unregister_ = nullptr;
};

// Creates a control for `host` through the class object; empty when creation fails (the
// result, when wanted, in *result).
ComRef<ControlObject> CreateControl(ClassFactory& factory, Host& host, HResult* result = nullptr);

// The folder of the running program, from the kernel's link `exeLink` (normally
// /proc/self/exe); empty when that cannot be read. It never falls back to the current
// folder, which says nothing about where the program came from.
std::filesystem::path ProgramFolder(const std::filesystem::path& exeLink = "/proc/self/exe");

// Why the library file at `file` must not be opened, or "" when it may: it must be an
// absolute path to a regular file (never a FIFO, a device or a folder, which could block or
// mean nothing), owned by the user or the system, and neither it nor its folder writable by
// other users (a folder with the sticky bit counts as safe, since others cannot replace a
// file in it).
std::string LibraryTrustProblem(const std::filesystem::path& file);

// The version in the file names of the control libraries (libnuvset1.so.1).
inline constexpr int kControlLibraryVersion = 1;

// The folder the kit's own code was loaded from: that of the installed libnuvelkit.so, or of
// the program when the kit is built into it. Empty when it cannot be told.
std::filesystem::path KitLibraryFolder();

// The file names a kit library may have, in the order tried: "libnuvset1.so.1", "libnuvset1.so".
std::vector<std::string> LibraryFileNames(std::string_view name);

// Where a kit library is: in the kit's library folder, in the program's ../lib folder (as
// in the build tree and an installed tree), else the path the component registry records,
// which must be absolute (a relative one would mean a different file in every folder the
// reading program stands in, and is refused with a message).
// Nothing when none has it, with a message naming the file and every place looked in.
std::optional<std::filesystem::path> FindLibraryFile(std::string_view name, std::string& error);

// Both kit libraries, opened for a container. The class tables stay valid while this
// lives: keep it for as long as the forms and controls made from them.
struct KitLibraries {
    std::vector<std::unique_ptr<LoadedLibrary>> libraries;
    // Every class table of every opened library.
    std::vector<const InterfaceTable*> Tables() const;
};
// The kit's classes for an application or any container: opens every kit library it can
// find (see FindLibraryFile). The message names those it could not, and where it looked.
//
//     std::string error;
//     nk::KitLibraries kit = nk::OpenKitLibraries(error);
//     if (!error.empty()) { std::cerr << error << '\n'; return 1; }
//     nk::Form form(kit.Tables());
KitLibraries OpenKitLibraries(std::string& error);

} // namespace nk
