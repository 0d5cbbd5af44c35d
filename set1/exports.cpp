// The four C exports of nuvset1: the class objects of its controls, the unload check and
// self-registration in the user's component registry.
#include "framework/com.h"
#include "framework/identity.h"
#include "host/registry.h"
#include "set1/classes.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kLibrary = "nuvset1";

std::vector<std::string_view> ServedClasses() {
    std::vector<std::string_view> names;
    for (const nk::InterfaceTable* t : nk::Nuvset1Classes())
        if (t != nullptr) names.push_back(t->className);
    return names;
}

} // namespace

extern "C" {

NK_API nk::HResult DllGetClassObject(const nk::Guid* clsid, const nk::Guid* iid, void** out) {
    try {
        return nk::ServeClassObject(kLibrary, nk::Nuvset1Classes(), clsid, iid, out);
    } catch (...) {
        return nk::E_FAIL;
    }
}

NK_API nk::HResult DllCanUnloadNow() {
    return nk::CanUnloadNow();
}

NK_API nk::HResult DllRegisterServer() {
    try {
        const nk::LibraryIdentity* lib = nk::FindLibrary(kLibrary);
        if (lib == nullptr) return nk::SELFREG_E_TYPELIB;
        std::vector<std::string_view> served = ServedClasses();
        return nk::RegisterServer(*lib, reinterpret_cast<const void*>(&DllRegisterServer), served);
    } catch (...) {
        return nk::SELFREG_E_CLASS;
    }
}

NK_API nk::HResult DllUnregisterServer() {
    const nk::LibraryIdentity* lib = nk::FindLibrary(kLibrary);
    return lib == nullptr ? nk::SELFREG_E_TYPELIB : nk::UnregisterServer(*lib);
}

} // extern "C"
