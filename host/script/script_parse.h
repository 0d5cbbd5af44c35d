// The script's syntax: tokens (blank-separated words, quoted strings with escapes, font
// literals) and literal values (numbers in decimal or hex, Booleans, Nothing, Empty,
// strings, fonts). Names of pictures are resolved by the runner.
#pragma once

#include "framework/font.h"
#include "framework/interface_table.h"
#include "framework/variant.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nk::script {

// A line that cannot be understood; the message says what is wrong.
class SyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the tokens of one line in turn.
class Lexer {
public:
    explicit Lexer(std::string_view line) : s_(line) {}
    // The next token, or nothing at the end of the line. A string token keeps its quotes; a
    // font literal ("Font(...)") is one token. Throws SyntaxError on an unterminated one.
    std::optional<std::string> Next();
    // Everything after the tokens read so far, without surrounding blanks.
    std::string_view Rest() const;
    bool AtEnd() const { return Rest().empty(); }

private:
    void SkipBlanks();
    std::string_view s_;
    size_t pos_ = 0;
};

// A token of the script as a message shows it: as written when it is short and holds no
// control character, else in quotes and cut to an excerpt, so that a word of megabytes or a
// terminal escape sequence never reaches the terminal whole.
std::string Shown(std::string_view token);

// The text of a quoted string token, escapes resolved (\" \\ \n \r \t).
std::string Unquote(std::string_view token);

// A literal value. Hexadecimal numbers are unsigned ("0x80000012" is 2147483666); `hex`
// lets a 16- or 32-bit integer target take them as a bit pattern ("&HFFFF" is -1 there).
struct Literal {
    Variant value;
    bool hex = false;
};

// A number ("-12", "3.5", "1e3", "0xC00000", "&H80000014"), or nothing.
std::optional<Literal> ParseNumber(std::string_view token);
// Font("Arial", 8.25, bold, italic); throws SyntaxError on a malformed one.
Font ParseFont(std::string_view token);
// A literal token: a number, a string, True / False, Nothing, Empty or a font. Nothing when
// the token is none of these (it may name a picture).
std::optional<Literal> ParseLiteral(std::string_view token);

// A literal converted to a member's or argument's type, as an assignment converts it.
std::optional<Variant> ConvertLiteral(ValueType type, const Literal& v);

// The name of a type for messages ("Integer", "Color", ...).
std::string_view TypeName(ValueType type);

} // namespace nk::script
