// The four C exports of a control library: the class objects of its controls, the unload
// check and self-registration in the user's component registry. Every control library
// compiles this one file (see NuvelkitLibrary.cmake), which names the library:
//   NK_LIBRARY_NAME           its name in the kit's identities ("nuvset1")
//   NK_LIBRARY_CLASSES_HEADER the header declaring its class list ("set1/classes.h")
//   NK_LIBRARY_CLASSES        the function giving that list (Nuvset1Classes)
#include "framework/com.h"
#include "framework/identity.h"
#include "registry/registry.h"

#include NK_LIBRARY_CLASSES_HEADER

#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kLibrary = NK_LIBRARY_NAME;

std::span<const nk::InterfaceTable* const> Classes() {
    return nk::NK_LIBRARY_CLASSES();
}

std::vector<std::string_view> ServedClasses() {
    std::vector<std::string_view> names;
    for (const nk::InterfaceTable* t : Classes())
        if (t != nullptr) names.push_back(t->className);
    return names;
}

} // namespace

extern "C" {

NK_API nk::HResult DllGetClassObject(const nk::Guid* clsid, const nk::Guid* iid, void** out) {
    try {
        return nk::ServeClassObject(kLibrary, Classes(), clsid, iid, out);
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
