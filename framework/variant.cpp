#include "framework/variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace nk {

Variant Variant::Boolean(VBool v) {
    Variant r;
    r.kind_ = VariantKind::Boolean;
    r.number_ = v;
    return r;
}
Variant Variant::Integer(std::int16_t v) {
    Variant r;
    r.kind_ = VariantKind::Integer;
    r.number_ = v;
    return r;
}
Variant Variant::Long(std::int32_t v) {
    Variant r;
    r.kind_ = VariantKind::Long;
    r.number_ = v;
    return r;
}
Variant Variant::Single(float v) {
    Variant r;
    r.kind_ = VariantKind::Single;
    r.number_ = v;
    return r;
}
Variant Variant::Double(double v) {
    Variant r;
    r.kind_ = VariantKind::Double;
    r.number_ = v;
    return r;
}
Variant Variant::String(std::string v) {
    Variant r;
    r.kind_ = VariantKind::String;
    r.text_ = std::move(v);
    return r;
}
Variant Variant::OfPicture(Picture p) {
    Variant r;
    r.kind_ = VariantKind::Picture;
    r.picture_ = std::move(p);
    return r;
}
Variant Variant::OfFont(nk::Font f) {
    Variant r;
    r.kind_ = VariantKind::Font;
    r.font_ = std::move(f);
    return r;
}

bool Variant::IsNumeric() const {
    switch (kind_) {
    case VariantKind::Boolean:
    case VariantKind::Integer:
    case VariantKind::Long:
    case VariantKind::Single:
    case VariantKind::Double:
        return true;
    default:
        return false;
    }
}

namespace {

std::optional<double> ParseNumber(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    if (b == e) return std::nullopt;
    double v = 0;
    const char* first = s.data() + b;
    const char* last = s.data() + e;
    if (*first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return v;
}

} // namespace

std::optional<double> Variant::ToDouble() const {
    if (IsNumeric()) return number_;
    if (kind_ == VariantKind::Empty) return 0.0;
    if (kind_ == VariantKind::String) return ParseNumber(text_);
    return std::nullopt;
}

std::optional<float> Variant::ToSingle() const {
    auto d = ToDouble();
    if (!d) return std::nullopt;
    if (std::isfinite(*d) && std::fabs(*d) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*d);
}

std::optional<std::int16_t> Variant::ToInteger() const {
    auto d = ToDouble();
    if (!d) return std::nullopt;
    return RoundToInt16(*d);
}

std::optional<std::int32_t> Variant::ToLong() const {
    auto d = ToDouble();
    if (!d) return std::nullopt;
    return RoundToInt32(*d);
}

std::optional<OleColor> Variant::ToColor() const {
    auto d = ToDouble();
    if (!d || !std::isfinite(*d)) return std::nullopt;
    const double r = std::nearbyint(*d);
    if (r >= 0 && r <= 4294967295.0) return static_cast<OleColor>(r);
    if (r < 0 && r >= -2147483648.0) return static_cast<OleColor>(static_cast<std::int32_t>(r));
    return std::nullopt;
}

std::optional<VBool> Variant::ToBoolean() const {
    if (kind_ == VariantKind::String) {
        std::string t;
        for (char c : text_)
            t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (t == "true") return kTrue;
        if (t == "false") return kFalse;
    }
    auto d = ToDouble();
    if (!d) return std::nullopt;
    if (*d == 0) return kFalse;
    if (kind_ == VariantKind::Boolean || kind_ == VariantKind::Integer)
        return static_cast<VBool>(*d);
    return kTrue;
}

std::optional<std::string> Variant::ToText() const {
    if (kind_ == VariantKind::Picture || kind_ == VariantKind::Font) return std::nullopt;
    return VariantToString(*this);
}

std::optional<Picture> Variant::ToPicture() const {
    if (kind_ == VariantKind::Picture) return picture_;
    if (kind_ == VariantKind::Empty) return Picture{};
    return std::nullopt;
}

std::optional<nk::Font> Variant::ToFont() const {
    if (kind_ == VariantKind::Font) return font_;
    return std::nullopt;
}

bool Variant::SameValue(const Variant& o) const {
    if (IsNumeric() && o.IsNumeric()) return number_ == o.number_;
    if (kind_ == VariantKind::String && o.kind_ == VariantKind::String) return text_ == o.text_;
    if (kind_ == VariantKind::Picture || o.kind_ == VariantKind::Picture) {
        auto a = ToPicture();
        auto b = o.ToPicture();
        return a && b && *a == *b;
    }
    if (kind_ == VariantKind::Font && o.kind_ == VariantKind::Font) return font_ == o.font_;
    if (kind_ == VariantKind::Empty && o.kind_ == VariantKind::Empty) return true;
    return false;
}

std::string VariantToString(const Variant& v) {
    switch (v.kind()) {
    case VariantKind::Empty:
        return "";
    case VariantKind::Boolean:
        return v.number() == 0 ? "False" : "True";
    case VariantKind::String:
        return v.text();
    case VariantKind::Picture:
    case VariantKind::Font:
        return "";
    default:
        break;
    }
    const double d = v.number();
    if (std::isnan(d)) return "NaN";
    if (std::isinf(d)) return d > 0 ? "Inf" : "-Inf";
    if (d == std::trunc(d) && std::fabs(d) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", d);
        return buf;
    }
    char buf[40];
    // Singles print with 7 significant digits, doubles with 15, as the string conversion does.
    std::snprintf(buf, sizeof buf, v.kind() == VariantKind::Single ? "%.7g" : "%.15g", d);
    return buf;
}

} // namespace nk
