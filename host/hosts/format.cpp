#include "host/hosts/format.h"

#include <cmath>
#include <cstdio>

namespace nk {

std::string FormatNumber(double v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "Inf" : "-Inf";
    char buf[400];
    if (v == std::trunc(v)) {
        std::snprintf(buf, sizeof buf, "%.0f", v == 0 ? 0.0 : v);
        return buf;
    }
    std::snprintf(buf, sizeof buf, "%.4f", v);
    std::string s = buf;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string FormatColor(OleColor c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(c));
    return buf;
}

std::string FormatBoolean(VBool b) {
    if (b == kTrue) return "True";
    if (b == kFalse) return "False";
    return std::to_string(b);
}

std::string QuoteString(std::string_view s) {
    std::string out;
    out.reserve(s.size() + 2);
    out += '"';
    for (char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string FormatPicture(const Picture& p) {
    return PictureName(p);
}

std::string FormatFont(const Font& f) {
    std::string s = "Font(" + QuoteString(f.name) + ", " + FormatNumber(f.size);
    if (f.bold) s += ", bold";
    if (f.italic) s += ", italic";
    if (f.underline) s += ", underline";
    if (f.strikethru) s += ", strikethru";
    return s + ")";
}

std::string FormatVariant(const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Empty:
        return "Empty";
    case VariantKind::Boolean:
        return FormatBoolean(static_cast<VBool>(v.number()));
    case VariantKind::String:
        return QuoteString(v.text());
    case VariantKind::Picture:
        return FormatPicture(v.picture());
    case VariantKind::Font:
        return FormatFont(v.font());
    default:
        return FormatNumber(v.number());
    }
}

std::string FormatValue(ValueType type, const Variant& v) {
    switch (type) {
    case ValueType::Color:
        if (auto c = v.ToColor()) return FormatColor(*c);
        break;
    case ValueType::Boolean:
        if (v.kind() == VariantKind::Boolean || v.kind() == VariantKind::Integer)
            return FormatBoolean(static_cast<VBool>(v.number()));
        if (auto b = v.ToBoolean()) return FormatBoolean(*b);
        break;
    default:
        break;
    }
    return FormatVariant(v);
}

} // namespace nk
