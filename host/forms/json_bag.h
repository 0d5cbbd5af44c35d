// A property bag held as a JSON object, in the form the script's `read` command and
// `bag` lines use: Booleans as true/false (another stored Boolean as its integer),
// numbers as numbers (a colour as its unsigned 32-bit value), strings as strings,
// a picture as {"picture":"<name>"} ("" for an empty picture), a font as
// {"font":{"name":..,"size":..,"bold":..,"italic":..,"underline":..,"strikethru":..}}.
// Keys are matched without regard to letter case; stored keys keep the order written.
#pragma once

#include "framework/property_bag.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace nk {

// Turns a picture name of a bag into a picture: "" gives an empty picture; the resolver
// decides what other names mean ("res:101", a script picture); nullptr when unknown.
using PictureResolver = std::function<Picture(const std::string& name)>;

class JsonBag : public PropertyBag {
public:
    JsonBag() = default;

    // Parses a JSON object; on failure returns false and sets `error` to a message with
    // the line and column ("line 1, column 12: ...").
    bool Parse(const std::string& json, const PictureResolver& resolve, std::string& error);
    // The stored keys in the order stored, as one line of JSON.
    std::string ToJson() const;

    std::optional<Variant> Find(std::string_view key) const override;
    void Store(std::string_view key, const Variant& value) override;

    const std::vector<std::pair<std::string, Variant>>& entries() const { return entries_; }

private:
    std::vector<std::pair<std::string, Variant>> entries_;
};

} // namespace nk
