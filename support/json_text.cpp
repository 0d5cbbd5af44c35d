// JSON text from outside: a first pass over the text finds what the parser would only
// report without a place (a number beyond the range of a double) or could not report at
// all (nesting deep enough to exhaust the stack of whoever walks the value later); the
// parser's own errors are put in plain words with their place.
#include "support/json_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>

namespace nk {
namespace {

using Json = nlohmann::ordered_json;

// Text for a message, cut after kMaxQuotedChars bytes with an ellipsis.
std::string Cut(const std::string& text) {
    return text.size() <= kMaxQuotedChars ? text : text.substr(0, kMaxQuotedChars) + "\u2026";
}

struct TextProblem {
    std::size_t offset = 0;
    std::string words;
};

bool NumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// The first place where the nesting goes beyond the limit or a number cannot be held.
std::optional<TextProblem> ScanText(const std::string& text) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > kMaxJsonDepth)
                return TextProblem{i, "nesting deeper than " + std::to_string(kMaxJsonDepth) +
                                          " levels"};
        } else if (c == '}' || c == ']') {
            --depth;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            std::size_t end = i;
            while (end < text.size() && NumberChar(text[end]))
                ++end;
            const std::string token = text.substr(i, end - i);
            const double value = std::strtod(token.c_str(), nullptr);
            if (std::isinf(value)) return TextProblem{i, "number " + Cut(token) + " out of range"};
            i = end - 1;
        }
    }
    return std::nullopt;
}

std::string Hex2(unsigned char b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", b);
    return buf;
}

// The parser's message without its prefix, its place and its echo of the text read.
std::string ParserWords(const std::string& what, const std::string& text, std::size_t offset) {
    std::string words = what;
    if (std::size_t column = words.find("column "); column != std::string::npos)
        if (std::size_t colon = words.find(": ", column); colon != std::string::npos)
            words = words.substr(colon + 2);
    if (std::size_t dash = words.find(" - "); dash != std::string::npos)
        words = words.substr(dash + 3);
    if (std::size_t echo = words.find("; last read: "); echo != std::string::npos)
        words = words.substr(0, echo);
    if (words.find("ill-formed UTF-8") != std::string::npos && offset < text.size())
        return "invalid UTF-8 byte " + Hex2(static_cast<unsigned char>(text[offset]));
    if (std::size_t control = words.find("control character U+"); control != std::string::npos)
        return words.substr(control, 24) + " in a string";
    if (words.rfind("invalid string: ", 0) == 0) return words.substr(16);
    if (words.rfind("unexpected end of input", 0) == 0)
        return "the text ends early" + words.substr(23);
    return words;
}

std::string ParseError(const std::string& text, const Json::parse_error& e) {
    const std::size_t offset = e.byte > 0 ? e.byte - 1 : 0;
    return LineColumn(text, offset) + ": " + ParserWords(e.what(), text, offset);
}

} // namespace

std::string LineColumn(std::string_view text, std::size_t offset) {
    std::size_t line = 1, lineStart = 0;
    const std::size_t end = std::min(offset, text.size());
    for (std::size_t i = 0; i < end; ++i)
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    return "line " + std::to_string(line) + ", column " + std::to_string(end - lineStart + 1);
}

std::string QuoteCut(std::string_view s) {
    // Cut on a character boundary of UTF-8, so that the quoted text stays readable.
    std::size_t chars = 0, at = 0;
    while (at < s.size() && chars < kMaxQuotedChars) {
        ++at;
        while (at < s.size() && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80)
            ++at;
        ++chars;
    }
    const bool cut = at < s.size();
    std::string quoted =
        Json(std::string(s.substr(0, at))).dump(-1, ' ', false, Json::error_handler_t::replace);
    if (cut) quoted.insert(quoted.size() - 1, "\u2026");
    return quoted;
}

std::string MessageName(std::string_view name) {
    const bool plain =
        !name.empty() && name.size() <= kMaxQuotedChars &&
        std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 0x7F; });
    return plain ? std::string(name) : QuoteCut(name);
}

std::string DescribeJsonValue(const Json& j) {
    if (j.is_object())
        return "an object with " + std::to_string(j.size()) +
               (j.size() == 1 ? " member" : " members");
    if (j.is_array())
        return "an array of " + std::to_string(j.size()) +
               (j.size() == 1 ? " element" : " elements");
    if (j.is_string()) return QuoteCut(j.get_ref<const std::string&>());
    return Cut(j.dump());
}

std::string ParseJsonText(const std::string& text, Json& out) {
    try {
        const std::optional<TextProblem> scanned = ScanText(text);
        if (!scanned) {
            out = Json::parse(text);
            return {};
        }
        // The parser may find an earlier fault; up to the scanned problem the text is
        // parsed on its own, and only a fault before its end comes first.
        try {
            const Json prefix = Json::parse(std::string_view(text).substr(0, scanned->offset));
            (void)prefix;
        } catch (const Json::parse_error& e) {
            if (e.byte > 0 && e.byte - 1 < scanned->offset) return ParseError(text, e);
        }
        return LineColumn(text, scanned->offset) + ": " + scanned->words;
    } catch (const Json::parse_error& e) {
        return ParseError(text, e);
    } catch (const Json::exception& e) {
        return LineColumn(text, text.size()) + ": " + ParserWords(e.what(), text, text.size());
    } catch (const std::bad_alloc&) {
        return LineColumn(text, 0) + ": not enough memory to read " + std::to_string(text.size()) +
               " bytes of JSON";
    }
}

} // namespace nk
