// A control class's interface, declared once as a table: its properties and fields
// (type, kind, getter, setter), methods, events (number, arguments), children,
// design-time settings and library. The script host, form files, the property
// browser and the library exports all read this table.
#pragma once

#include "framework/resource_library.h"
#include "framework/values.h"
#include "framework/variant.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

// Whether two names (of classes, members, events, elements) are the same without regard to
// letter case, as every container matches them.
bool SameName(std::string_view a, std::string_view b);

class Control;
class Host;

// How InitProperties or ReadProperties hands a member its value: stored as it is (into the
// control's storage or onto the surface, with no notification and no repaint), or through
// the member's setter with the setter's own steps.
enum class Via { Storage, Setter };

// Where a member's initial value comes from: the row's fixed value, or the container and
// the host at the time InitProperties runs.
enum class Initial { Value, EmptyPicture, AmbientDisplayName, AmbientFont };

// A member's part in the control's lifecycle: its place in InitProperties, ReadProperties
// and WriteProperties, counted from 1 in each (0: not part of it), and how it is applied.
// A control's own steps that the rows cannot say take places of the same count.
struct Lifecycle {
    int initAt = 0;
    Via initBy = Via::Storage;
    Initial initFrom = Initial::Value;
    std::optional<Variant> initValue = std::nullopt;
    int readAt = 0;
    Via readBy = Via::Storage;
    int writeAt = 0;
};

// The type of a member, an argument or a parameter, as traces print it.
enum class ValueType {
    Boolean,
    Integer,
    Long,
    Single,
    Double,
    String,
    Color,
    Picture,
    Font,
    Variant
};

// own: stored by the control with accessors; surface: forwarded to the surface;
// field: a plain public field (no notification, no repaint).
enum class MemberKind { Own, Surface, Field };

// An enumeration that members take, with its members' names and values in declaration order.
// Tools list it: the script host, form files, property browsers and the typed API.
struct EnumMember {
    std::string_view name;
    std::int32_t value;
};

struct EnumInfo {
    std::string_view name; // "NKPicStyles"
    std::span<const EnumMember> members;
};

struct PropertyInfo {
    std::string_view name;
    ValueType type;
    MemberKind kind;
    Variant (*get)(Control&);
    // Assigns a value already converted to `type`; nullptr for a read-only property.
    void (*set)(Control&, const Variant&);
    std::string_view help = {};            // the member's help string, shown by property browsers
    const EnumInfo* enumeration = nullptr; // the enumeration the property takes, if any
    // Persistence: the key WriteProperties stores (empty: the property is not saved), the
    // key ReadProperties reads when it is spelt differently, and the defaults handed to
    // the bag on reading and on writing. No default: it is not a fixed value (the
    // container's ambient font).
    std::string_view bagKey = {};
    std::string_view readKey = {};
    std::optional<Variant> readDefault = std::nullopt;
    std::optional<Variant> writeDefault = std::nullopt;
    Lifecycle life = {};
    // The type WriteProperties stores the value as, when it is not the member's own.
    std::optional<ValueType> writtenAs = std::nullopt;
    // Stores a value already converted to `type` into the control's own storage, without the
    // setter's steps; nullptr where the setter is the storage (a field) or the surface keeps it.
    void (*store)(Control&, const Variant&) = nullptr;

    // The key ReadProperties reads.
    std::string_view ReadKey() const { return readKey.empty() ? bagKey : readKey; }

    // Builders for table rows: `PropertyInfo{...}.Takes(kPicStylesEnum).Saved(def)`.
    PropertyInfo Takes(const EnumInfo& e) const;
    PropertyInfo Help(std::string_view text) const;
    // Saved under its own name with one default for reading and writing, or two.
    PropertyInfo Saved(std::optional<Variant> def) const;
    PropertyInfo Saved(std::optional<Variant> readDef, std::optional<Variant> writeDef) const;
    // Saved under a key spelt differently from the name; read under `key` unless ReadAs.
    PropertyInfo SavedAs(std::string_view key) const;
    PropertyInfo ReadAs(std::string_view key) const;
    // Its initial value, assigned at place `at` of InitProperties: its read default, a value
    // of its own, or one that the container or the host gives.
    PropertyInfo Init(int at, Via by = Via::Storage) const;
    PropertyInfo Init(int at, Variant value, Via by = Via::Storage) const;
    PropertyInfo Init(int at, Initial from, Via by = Via::Storage) const;
    // Saved as another type than its own (a Long member saved as an Integer).
    PropertyInfo WrittenAs(ValueType type) const;
    // Its storage, for a member that no field pointer reaches.
    PropertyInfo StoredBy(void (*store)(Control&, const Variant&)) const;
    // Its places in ReadProperties and WriteProperties, and how a read value is applied.
    PropertyInfo Kept(int readAt, int writeAt, Via by = Via::Storage) const;
};

struct ParamInfo {
    std::string_view name;
    ValueType type;
};

// An error that a method lets reach its caller (number 0: none).
struct MethodResult {
    int error = 0;
    std::string description;
    Variant value;
};

struct MethodInfo {
    std::string_view name;
    std::vector<ParamInfo> params;
    MethodResult (*call)(Control&, std::span<const Variant> args);
    std::string_view help = {};
    // The method does nothing in this class (a member of the common interface, such as
    // TimerInvoke of a control with nothing to animate): a container that calls it on a
    // schedule may leave the call out.
    bool inert = false;
};

struct EventArgInfo {
    std::string_view name;
    ValueType type;
    bool byRef = true;
    const EnumInfo* enumeration = nullptr; // the enumeration the argument carries, if any
};

struct EventInfo {
    int number;
    std::string_view name;
    std::vector<EventArgInfo> args;
    std::string_view help = {};
};

enum class ChildKind { Shape, PictureBox, ImageZones };

struct ChildInfo {
    std::string_view name;
    ChildKind kind;
    int count = 1;                 // elements of an ImageZones array
    bool visible = false;          // a visible picture box is composed over the surface
    OleColor backColor = 0;        // a picture box's background
    OleColor fillColor = 0xFFFFFF; // a shape's design-time fill colour
};

struct InterfaceTable {
    std::string_view className;   // "NuvelCommand"
    std::string_view library;     // "nuvset1"
    std::string_view typeLibrary; // "Nuvelkit3"
    int designWidth = 0;          // pixels
    int designHeight = 0;
    OleColor designBackColor = kButtonFace;
    OleColor designForeColor = kButtonText;
    int designMask = 0; // a bitmap of the class's library that shapes a new instance; 0: none
    std::vector<PropertyInfo> properties; // in interface order
    std::vector<MethodInfo> methods;
    std::vector<EventInfo> events;
    std::vector<ChildInfo> children;
    const ResourceLibrary* resources = nullptr;
    std::unique_ptr<Control> (*create)(Host&) = nullptr;

    const PropertyInfo* FindProperty(std::string_view name) const;
    const MethodInfo* FindMethod(std::string_view name) const;
    const EventInfo* FindEvent(std::string_view name) const;
    const EventInfo* FindEvent(int number) const;
    const ChildInfo* FindChild(std::string_view name) const;
};

// Converts a value to a member's type, as an assignment from the container's code does.
std::optional<Variant> ConvertTo(ValueType type, const Variant& v);

} // namespace nk
