#include "host/script/script_parse.h"

#include "support/json_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace nk::script {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && SameName(s.substr(0, prefix.size()), prefix);
}

// The end of a quoted string starting at `from` (the opening quote), one past the closing
// quote; npos when it is not closed.
size_t StringEnd(std::string_view s, size_t from) {
    for (size_t i = from + 1; i < s.size(); ++i) {
        if (s[i] == '\\') {
            ++i;
            continue;
        }
        if (s[i] == '"') return i + 1;
    }
    return std::string_view::npos;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string Shown(std::string_view token) {
    const bool plain =
        token.size() <= kMaxQuotedChars && std::none_of(token.begin(), token.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        });
    return plain ? std::string(token) : QuoteCut(token);
}

void Lexer::SkipBlanks() {
    while (pos_ < s_.size() && IsBlank(s_[pos_]))
        ++pos_;
}

std::string_view Lexer::Rest() const {
    return Trim(s_.substr(std::min(pos_, s_.size())));
}

std::optional<std::string> Lexer::Next() {
    SkipBlanks();
    if (pos_ >= s_.size()) return std::nullopt;
    const size_t start = pos_;
    if (s_[pos_] == '"') {
        const size_t end = StringEnd(s_, pos_);
        if (end == std::string_view::npos) throw SyntaxError("unterminated string");
        pos_ = end;
        if (pos_ < s_.size() && !IsBlank(s_[pos_]))
            throw SyntaxError("a blank must follow the string " +
                              Shown(s_.substr(start, end - start)));
        return std::string(s_.substr(start, end - start));
    }
    if (StartsWithNoCase(s_.substr(pos_), "Font(")) {
        size_t i = pos_ + 5;
        while (i < s_.size() && s_[i] != ')') {
            if (s_[i] == '"') {
                const size_t end = StringEnd(s_, i);
                if (end == std::string_view::npos) throw SyntaxError("unterminated string in font");
                i = end;
            } else {
                ++i;
            }
        }
        if (i >= s_.size()) throw SyntaxError("unterminated font: missing )");
        pos_ = i + 1;
        return std::string(s_.substr(start, pos_ - start));
    }
    while (pos_ < s_.size() && !IsBlank(s_[pos_]))
        ++pos_;
    return std::string(s_.substr(start, pos_ - start));
}

std::string Unquote(std::string_view token) {
    if (token.size() < 2 || token.front() != '"' || token.back() != '"')
        throw SyntaxError("expected a string in double quotes, got " + Shown(token));
    std::string out;
    for (size_t i = 1; i + 1 < token.size(); ++i) {
        char c = token[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i + 2 >= token.size()) throw SyntaxError("a backslash ends the string");
        c = token[++i];
        switch (c) {
        case '"':
        case '\\':
            out += c;
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        default:
            throw SyntaxError(std::string("unknown escape \\") + c + " in string");
        }
    }
    return out;
}

std::optional<Literal> ParseNumber(std::string_view token) {
    if (token.empty()) return std::nullopt;
    std::string_view t = token;
    bool negative = false;
    if (t.front() == '-' || t.front() == '+') {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    const bool hex = StartsWithNoCase(t, "0x") || StartsWithNoCase(t, "&H");
    if (hex) {
        t.remove_prefix(2);
        if (t.empty() || t.size() > 16) return std::nullopt;
        unsigned long long v = 0;
        auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v, 16);
        if (ec != std::errc() || ptr != t.data() + t.size()) return std::nullopt;
        const double d = static_cast<double>(v);
        return Literal{Variant::Double(negative ? -d : d), true};
    }
    if (t.empty() || !(std::isdigit(static_cast<unsigned char>(t.front())) || t.front() == '.'))
        return std::nullopt;
    double d = 0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), d);
    if (ec != std::errc() || ptr != t.data() + t.size()) return std::nullopt;
    if (negative) d = -d;
    if (d == std::trunc(d) && std::fabs(d) <= 2147483647.0)
        return Literal{Variant::Long(static_cast<std::int32_t>(d)), false};
    return Literal{Variant::Double(d), false};
}

Font ParseFont(std::string_view token) {
    const std::string text = Shown(token);
    if (!StartsWithNoCase(token, "Font(") || token.back() != ')')
        throw SyntaxError("expected Font(\"<name>\", <size>), got " + text);
    std::string_view inner = token.substr(5, token.size() - 6);
    // Split at commas outside the quoted name.
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= inner.size(); ++i) {
        if (i < inner.size() && inner[i] == '"') {
            const size_t end = StringEnd(inner, i);
            if (end == std::string_view::npos) throw SyntaxError("unterminated string in " + text);
            i = end - 1;
            continue;
        }
        if (i == inner.size() || inner[i] == ',') {
            parts.push_back(Trim(inner.substr(start, i - start)));
            start = i + 1;
        }
    }
    if (parts.size() < 2) throw SyntaxError("a font needs a name and a size: " + text);
    Font f;
    f.name = Unquote(parts[0]);
    auto size = ParseNumber(parts[1]);
    auto points = size ? size->value.ToDouble() : std::nullopt;
    if (!points || !std::isfinite(*points) || *points <= 0)
        throw SyntaxError("bad font size " + Shown(parts[1]) + " in " + text);
    f.size = *points;
    for (size_t i = 2; i < parts.size(); ++i) {
        if (SameName(parts[i], "bold"))
            f.bold = true;
        else if (SameName(parts[i], "italic"))
            f.italic = true;
        else if (SameName(parts[i], "underline"))
            f.underline = true;
        else if (SameName(parts[i], "strikethru"))
            f.strikethru = true;
        else
            throw SyntaxError("unknown font style " + Shown(parts[i]) +
                              " (bold, italic, underline, strikethru)");
    }
    return f;
}

std::optional<Literal> ParseLiteral(std::string_view token) {
    if (token.empty()) return std::nullopt;
    if (token.front() == '"') return Literal{Variant::String(Unquote(token)), false};
    if (SameName(token, "True")) return Literal{Variant::Boolean(kTrue), false};
    if (SameName(token, "False")) return Literal{Variant::Boolean(kFalse), false};
    if (SameName(token, "Nothing")) return Literal{Variant::OfPicture(nullptr), false};
    if (SameName(token, "Empty")) return Literal{Variant::OfPicture(MakeEmptyPicture()), false};
    if (StartsWithNoCase(token, "Font(")) return Literal{Variant::OfFont(ParseFont(token)), false};
    return ParseNumber(token);
}

std::optional<Variant> ConvertLiteral(ValueType type, const Literal& v) {
    if (v.hex && v.value.kind() == VariantKind::Double) {
        // A hex literal fills an integer's bits: &HFFFF is -1 as an Integer, &HFFFFFFFF as a
        // Long.
        const double d = v.value.number();
        if ((type == ValueType::Integer || type == ValueType::Boolean) && d >= 32768.0 &&
            d <= 65535.0)
            return ConvertTo(type, Variant::Double(d - 65536.0));
        if (type == ValueType::Long && d >= 2147483648.0 && d <= 4294967295.0)
            return ConvertTo(type, Variant::Double(d - 4294967296.0));
    }
    // A picture-typed member takes only pictures (Nothing, Empty, a named picture).
    if (type == ValueType::Picture && v.value.kind() != VariantKind::Picture) return std::nullopt;
    return ConvertTo(type, v.value);
}

std::string_view TypeName(ValueType type) {
    switch (type) {
    case ValueType::Boolean:
        return "Boolean";
    case ValueType::Integer:
        return "Integer";
    case ValueType::Long:
        return "Long";
    case ValueType::Single:
        return "Single";
    case ValueType::Double:
        return "Double";
    case ValueType::String:
        return "String";
    case ValueType::Color:
        return "Color";
    case ValueType::Picture:
        return "Picture";
    case ValueType::Font:
        return "Font";
    case ValueType::Variant:
        return "Variant";
    }
    return "?";
}

} // namespace nk::script
