// What the form-file reader checks beyond the file's shape: that every bag key is a member
// the control's class saves or has, that its value has that member's type, and colours
// written as "#RRGGBB" or by a system colour's name ("ButtonFace"). Used by form_file.cpp
// only; it speaks the reader's JSON.
#pragma once

#include "framework/interface_table.h"
#include "framework/values.h"

#include <nlohmann/json.hpp>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

// A colour written as text: "#RRGGBB" (red, green, blue) or a system colour's name in any
// letter case ("ButtonFace", "WindowText"). Nothing for any other text.
std::optional<OleColor> ParseColorText(std::string_view text);

// A problem found at a place of the file (a JSON pointer).
struct FormIssue {
    std::string path;
    std::string problem;
};

class FormChecker {
public:
    using Json = nlohmann::ordered_json;

    // Checks one entry of a control's bag; returns the value to read (a colour written as
    // text becomes its number) and adds what is wrong to `issues`.
    Json BagEntry(const InterfaceTable& table, const std::string& key, const Json& value,
                  const std::string& path, std::vector<FormIssue>& issues);

private:
    // What a key of a class's bag holds: the kind the class saves it as, or the property's type.
    struct Member {
        std::string key;
        std::optional<VariantKind> saved;      // when WriteProperties writes the key
        std::optional<ValueType> propertyType; // when a property has the name
    };
    const std::vector<Member>& Members(const InterfaceTable& table);

    std::map<const InterfaceTable*, std::vector<Member>> members_;
};

} // namespace nk
