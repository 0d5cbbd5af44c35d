// The in-process server vocabulary shared by the two control libraries and the containers
// that load them: 128-bit identifiers, result codes, the reference-counted object and
// class-factory interfaces, and each library's count of live objects and factory locks.
//
// A container loads a library, asks its DllGetClassObject for the class object of a class
// identifier, and calls CreateInstance with the host that will contain the control:
//
//     nk::ClassFactory* factory = nullptr;
//     if (getClassObject(clsid, nk::kIID_ClassFactory, (void**)&factory) == nk::S_OK) {
//         nk::ControlObject* obj = nullptr;
//         factory->CreateInstance(nullptr, &host, nk::kIID_ControlObject, (void**)&obj);
//         factory->Release();
//         ...  obj->GetControl() ... obj->Release();
//     }
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#define NK_API __attribute__((visibility("default")))

namespace nk {

class Control;
class Host;
struct InterfaceTable;

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4 = {};

    friend bool operator==(const Guid&, const Guid&) = default;
};

// "{96784440-10D4-4F90-910E-ED6D6BA27D89}": upper-case hexadecimal in braces.
std::string ToString(const Guid& g);
// Reads the form above, with or without braces, in either case; nothing when malformed.
std::optional<Guid> ParseGuid(std::string_view text);

using HResult = std::int32_t;

inline constexpr HResult S_OK = 0;
inline constexpr HResult S_FALSE = 1;
inline constexpr HResult E_NOINTERFACE = static_cast<HResult>(0x80004002u);
inline constexpr HResult E_POINTER = static_cast<HResult>(0x80004003u);
inline constexpr HResult E_FAIL = static_cast<HResult>(0x80004005u);
inline constexpr HResult E_OUTOFMEMORY = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult E_INVALIDARG = static_cast<HResult>(0x80070057u);
inline constexpr HResult CLASS_E_NOAGGREGATION = static_cast<HResult>(0x80040110u);
inline constexpr HResult CLASS_E_CLASSNOTAVAILABLE = static_cast<HResult>(0x80040111u);
inline constexpr HResult SELFREG_E_TYPELIB = static_cast<HResult>(0x80040200u);
inline constexpr HResult SELFREG_E_CLASS = static_cast<HResult>(0x80040201u);

inline bool Succeeded(HResult hr) {
    return hr >= 0;
}

// The standard identifiers of the base object and the class object interfaces, and the
// kit's own interface of a created control.
inline constexpr Guid kIID_Unknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr Guid kIID_ClassFactory = {
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr Guid kIID_ControlObject = {
    0x8E971738, 0xFF5F, 0x4820, {0xBE, 0xD9, 0x68, 0x6F, 0xC7, 0x0A, 0x81, 0x63}};

// A reference-counted object. Released objects delete themselves inside their library,
// so a container never frees them itself.
class Unknown {
public:
    virtual HResult QueryInterface(const Guid& iid, void** out) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~Unknown() = default;
};

// A class object: creates instances of one control class for a host.
class ClassFactory : public Unknown {
public:
    // outer must be null (no aggregation); host must outlive the instance.
    virtual HResult CreateInstance(Unknown* outer, Host* host, const Guid& iid, void** out) = 0;
    // Keeps the library loaded while locked (true) or lets it go (false).
    virtual HResult LockServer(bool lock) = 0;
    // The class's programmable interface and event interface, as a table.
    virtual const InterfaceTable& ClassInterface() const = 0;

protected:
    ~ClassFactory() = default;
};

// A created control: answers kIID_ControlObject, kIID_Unknown and the class's own
// programmable interface identifier.
class ControlObject : public Unknown {
public:
    virtual Control& GetControl() = 0;
    virtual const InterfaceTable& ClassInterface() const = 0;

protected:
    ~ControlObject() = default;
};

// The live objects and factory locks of the library this code is linked into. Every
// library links its own copy, so each counts only its own objects.
void ObjectCreated();
void ObjectDestroyed();
void LockServer(bool lock);
long LiveObjects();
long ServerLocks();
// S_OK when nothing is alive and nothing locked, S_FALSE otherwise.
HResult CanUnloadNow();

// The four exports of a library, as a container sees them after dlsym.
using GetClassObjectFn = HResult (*)(const Guid* clsid, const Guid* iid, void** out);
using CanUnloadNowFn = HResult (*)();
using RegisterServerFn = HResult (*)();

// Hands out the class object of `table` (a factory that creates controls of that class).
// The programmable interface identifier is `iid` of the class.
HResult GetClassObject(const InterfaceTable& table, const Guid& classIid, const Guid& iid,
                       void** out);

} // namespace nk
