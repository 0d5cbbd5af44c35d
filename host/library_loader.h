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
    // Opens the file and finds its four exports; nothing (and a message) on failure.
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

// The folder of the running program.
std::filesystem::path ProgramFolder();

// Where lib<name>.so is: next to the program (its ../lib folder, as in the build tree and
// the installed tree), else the path the component registry records. Nothing, with a
// message, when neither has it.
std::optional<std::filesystem::path> FindLibraryFile(std::string_view name, std::string& error);

// Both kit libraries, opened for a container.
struct KitLibraries {
    std::vector<std::unique_ptr<LoadedLibrary>> libraries;
    // Every class table of every opened library.
    std::vector<const InterfaceTable*> Tables() const;
};
// Opens every kit library it can find; the message names those it could not.
KitLibraries OpenKitLibraries(std::string& error);

} // namespace nk
