// Reading JSON text from files and scripts the user hands the kit: nesting bounded, every
// refusal in words with its line and column, and values quoted in messages kept short.
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace nk {

// Objects and arrays nested deeper than this are refused.
inline constexpr int kMaxJsonDepth = 512;
// Quoted values in messages are cut to this many characters.
inline constexpr std::size_t kMaxQuotedChars = 80;

// Parses `text` into `out`; on failure returns "line L, column C: <what is wrong>"
// ("invalid UTF-8 byte 0xFF", "control character U+0009 in a string", "number 1e400 out
// of range", "nesting deeper than 512 levels"), and "" on success.
std::string ParseJsonText(const std::string& text, nlohmann::ordered_json& out);

// "line L, column C" of the byte at 0-based `offset` (columns count bytes from 1).
std::string LineColumn(std::string_view text, std::size_t offset);

// `s` in double quotes as JSON writes it, cut after kMaxQuotedChars characters with "…".
std::string QuoteCut(std::string_view s);

// A name from the user's file (a key, a member's name) as a message shows it: as it stands
// when it is short printable ASCII, else quoted and cut as above, so that escape sequences
// and megabytes of text never reach the terminal.
std::string MessageName(std::string_view name);

// A short account of a JSON value for a message: a scalar as written (cut as above),
// an object or an array by its kind and size.
std::string DescribeJsonValue(const nlohmann::ordered_json& j);

} // namespace nk
