// The generator's model of the kit's classes: what every emitter reads. It is built once from
// the controls' interface tables (and the values a fresh control has after InitProperties),
// so that the typed API, its documentation and its checks all come from the same rows.
#pragma once

#include "framework/interface_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nk::apigen {

struct EnumModel {
    std::string name; // "NKPicStyles"
    struct Member {
        std::string name; // as the table spells it ("Fixed Single"); C++ joins the words
        std::int32_t value;
    };
    std::vector<Member> members; // in declaration order
};

struct PropertyModel {
    std::string name; // "Caption"
    // The getter's C++ name: the member's own, or "Get<name>" for a property named as its
    // class (NuvelFill's "NuvelFill"), since a member function cannot take the class's name.
    std::string getter;
    ValueType type;
    MemberKind kind;
    bool writable = true;
    // True when the control reports its changes (PropertyChanged); a plain field does not.
    bool notifies = true;
    std::string enumeration; // the name of the enumeration it takes (ApiModel::enums), or ""
    std::string help;
    std::string initial; // the value after InitProperties, as traces print it; "" when unread
    // Persistence: the key saved under ("" when not saved), the key read when spelt
    // differently (else ""), and the defaults on reading and writing ("" when not fixed).
    std::string bagKey;
    std::string readKey;
    std::string readDefault;
    std::string writeDefault;
};

struct ParamModel {
    std::string name;
    ValueType type;
};

struct MethodModel {
    std::string name; // "LoadScreenDataFile"
    std::vector<ParamModel> params;
    std::string help;
    // True when the caller must look at the result: a method that takes arguments can be
    // refused with an error (a file that does not open, an argument that does not convert).
    bool reportsErrors = false;
};

struct EventArgModel {
    std::string name; // "Button"
    ValueType type;   // Integer, Long or Single
    bool byRef = true;
    // The enumeration whose values it carries, or "". The handler still sees the integer:
    // a by-reference argument is the control's own variable of that type.
    std::string enumeration;
};

struct EventModel {
    int number;
    std::string name; // "MouseDown"
    std::vector<EventArgModel> args;
    std::string help;
};

struct ClassModel {
    std::string name;        // "NuvelCommand"
    std::string library;     // "nuvset1"
    std::string typeLibrary; // "Nuvelkit3"
    int designWidth = 0;
    int designHeight = 0;
    std::vector<PropertyModel> properties; // in interface order
    std::vector<MethodModel> methods;
    std::vector<EventModel> events;
};

struct ApiModel {
    std::vector<ClassModel> classes;
    // Every enumeration any property takes, once, in the order first met.
    std::vector<EnumModel> enums;
    const EnumModel* FindEnum(std::string_view name) const;
};

// Builds the model from the classes' tables. Each class is created in a headless host to read
// its initial values. Fails (nullopt, `error` naming the class, the member and the problem) on a
// table the typed API cannot express: an event argument of a type events do not carry, an
// enumeration declared twice with different members, two members that give one C++ name.
std::optional<ApiModel> BuildModel(std::span<const InterfaceTable* const> tables,
                                   std::string& error);

} // namespace nk::apigen
