#include "framework/identity.h"

#include "framework/interface_table.h"

#include <array>

namespace nk {

namespace {

constexpr Guid G(std::uint32_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d,
                 std::uint64_t e) {
    return Guid{a,
                b,
                c,
                {static_cast<std::uint8_t>(d >> 8), static_cast<std::uint8_t>(d & 0xFF),
                 static_cast<std::uint8_t>(e >> 40), static_cast<std::uint8_t>(e >> 32),
                 static_cast<std::uint8_t>(e >> 24), static_cast<std::uint8_t>(e >> 16),
                 static_cast<std::uint8_t>(e >> 8), static_cast<std::uint8_t>(e)}};
}

constexpr std::array kLibraries = {
    LibraryIdentity{"nuvset1", "Nuvelkit3", G(0x96784440, 0x10D4, 0x4F90, 0x910E, 0xED6D6BA27D89),
                    1, 0},
    LibraryIdentity{"nuvset2", "Nuvelkit4", G(0x34EA2C5D, 0x3F9B, 0x417E, 0xAFCF, 0x5D039E26D40F),
                    1, 0},
};

// Class, programmable interface, event interface.
constexpr std::array kClasses = {
    ClassIdentity{"NuvelCommand", "nuvset1", G(0x8AC964BE, 0x086E, 0x429E, 0x9931, 0x47356D6354A2),
                  G(0x1C1688BD, 0xEB90, 0x4837, 0x9F87, 0xBA851E22D3EE),
                  G(0x1620F5F4, 0xA5B6, 0x4A2A, 0xBCC0, 0xD7FB60F702C9)},
    ClassIdentity{"NuvelHCommand", "nuvset1", G(0x265DCA8E, 0xD711, 0x42F1, 0x8476, 0x465448A0A477),
                  G(0xCC05BE46, 0x791E, 0x4398, 0x9AA0, 0x0CFC9BC8345E),
                  G(0xA004B4CD, 0x00C2, 0x4414, 0x9959, 0x4A67B5D39229)},
    ClassIdentity{"NuvelSphere", "nuvset1", G(0xA0A6BDB3, 0x7843, 0x4A7F, 0x8FB0, 0x27D0C1BA5253),
                  G(0xC4DD9B10, 0x789F, 0x4035, 0xBAFA, 0x7B1A31195F98),
                  G(0xAF4EBE19, 0xA341, 0x4E0C, 0xA1C0, 0xAA8F3C8493FD)},
    ClassIdentity{"NuvelCheck", "nuvset1", G(0xF787824E, 0xDC39, 0x4942, 0x907E, 0x21E15F34C11E),
                  G(0x105147B4, 0x69A1, 0x4A14, 0x8323, 0x358CB20F0380),
                  G(0x85BB2678, 0x5B03, 0x4393, 0xB95C, 0x6066EABC8C07)},
    ClassIdentity{"NuvelScreen", "nuvset1", G(0xC05FC980, 0x1580, 0x4B42, 0xA7AF, 0x35770700BBE8),
                  G(0x48EA46F3, 0xEF1D, 0x4F42, 0x8C60, 0x577915032B45),
                  G(0x4A8CC9EB, 0xB54B, 0x4799, 0x9147, 0xA40AC267CE84)},
    ClassIdentity{"NuvelFill", "nuvset2", G(0xED4CA504, 0x4C5A, 0x4450, 0x9592, 0x216A9A0C13B7),
                  G(0xED86B8ED, 0xE073, 0x460C, 0x9F6E, 0x2287ACF2FAB6),
                  G(0x6854D0C1, 0x20F9, 0x4EF5, 0xB029, 0xDFEC71D40121)},
    ClassIdentity{"NuvelPad", "nuvset2", G(0x78E04C76, 0x027D, 0x47CA, 0xAE54, 0xF25E7C757BFF),
                  G(0xA9AD27B1, 0x90B9, 0x4D9B, 0x8DDD, 0xC521F213EEED),
                  G(0x741F4304, 0xC17D, 0x412E, 0xB337, 0x726AC240989E)},
};

} // namespace

std::span<const LibraryIdentity> Libraries() {
    return kLibraries;
}
std::span<const ClassIdentity> ClassIdentities() {
    return kClasses;
}

const LibraryIdentity* FindLibrary(std::string_view name) {
    for (const auto& l : kLibraries)
        if (l.name == name) return &l;
    return nullptr;
}

const ClassIdentity* FindClass(std::string_view className) {
    for (const auto& c : kClasses)
        if (c.className == className) return &c;
    return nullptr;
}

const ClassIdentity* FindClass(const Guid& classId) {
    for (const auto& c : kClasses)
        if (c.classId == classId) return &c;
    return nullptr;
}

std::string ProgramId(const ClassIdentity& c) {
    const LibraryIdentity* lib = FindLibrary(c.library);
    std::string id = lib ? std::string(lib->typeLibrary) : std::string(c.library);
    id += '.';
    id += c.className;
    return id;
}

HResult ServeClassObject(std::string_view library, std::span<const InterfaceTable* const> classes,
                         const Guid* clsid, const Guid* iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (clsid == nullptr || iid == nullptr) return E_POINTER;
    const ClassIdentity* id = FindClass(*clsid);
    if (id == nullptr || id->library != library) return CLASS_E_CLASSNOTAVAILABLE;
    for (const InterfaceTable* t : classes)
        if (t != nullptr && t->className == id->className)
            return GetClassObject(*t, id->interfaceId, *iid, out);
    return CLASS_E_CLASSNOTAVAILABLE;
}

} // namespace nk
