// The kit's fixed identifiers: each library (its type library), each control class, its
// programmable interface and its event interface. Chosen once, never changed: containers
// and saved registrations refer to them.
#pragma once

#include "framework/com.h"

#include <span>
#include <string_view>

namespace nk {

struct LibraryIdentity {
    std::string_view name;        // "nuvset1": the file is lib<name>.so
    std::string_view typeLibrary; // "Nuvelkit3"
    Guid libraryId;               // the type library's identifier
    int versionMajor = 1;
    int versionMinor = 0;
};

struct ClassIdentity {
    std::string_view className; // "NuvelCommand"
    std::string_view library;   // "nuvset1"
    Guid classId;               // the class identifier a container creates
    Guid interfaceId;           // the programmable interface
    Guid eventsId;              // the event interface
};

std::span<const LibraryIdentity> Libraries();
std::span<const ClassIdentity> ClassIdentities();

const LibraryIdentity* FindLibrary(std::string_view name);
const ClassIdentity* FindClass(std::string_view className);
const ClassIdentity* FindClass(const Guid& classId);

// "Nuvelkit3.NuvelCommand": the type library's name, a dot and the class's name.
std::string ProgramId(const ClassIdentity& c);

// What a library's DllGetClassObject does: the class object of `clsid` when that class is
// one of `classes` (its tables) and `library` serves it; CLASS_E_CLASSNOTAVAILABLE otherwise.
HResult ServeClassObject(std::string_view library, std::span<const InterfaceTable* const> classes,
                         const Guid* clsid, const Guid* iid, void** out);

} // namespace nk
