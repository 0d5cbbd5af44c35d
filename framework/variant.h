// A Variant: the values that property bags, interface members and events carry.
#pragma once

#include "framework/font.h"
#include "framework/picture.h"
#include "framework/values.h"

#include <optional>
#include <string>

namespace nk {

enum class VariantKind { Empty, Boolean, Integer, Long, Single, Double, String, Picture, Font };

class Variant {
public:
    Variant() = default;
    static Variant Boolean(VBool v);
    static Variant Integer(std::int16_t v);
    static Variant Long(std::int32_t v);
    static Variant Single(float v);
    static Variant Double(double v);
    static Variant String(std::string v);
    static Variant OfPicture(Picture p);
    static Variant OfFont(nk::Font f);

    VariantKind kind() const { return kind_; }
    bool IsEmpty() const { return kind_ == VariantKind::Empty; }
    bool IsNumeric() const; // Boolean, Integer, Long, Single, Double

    // Raw access; valid for the matching kinds only.
    double number() const { return number_; }
    const std::string& text() const { return text_; }
    const Picture& picture() const { return picture_; }
    const nk::Font& font() const { return font_; }

    // Conversions that may fail (the step that needs them is then skipped).
    // Strings convert to numbers when they hold one; Booleans are -1 and 0.
    std::optional<double> ToDouble() const;
    std::optional<float> ToSingle() const;
    std::optional<std::int16_t> ToInteger() const; // rounds halves to even
    std::optional<std::int32_t> ToLong() const;
    std::optional<OleColor> ToColor() const; // a Long, or an unsigned 32-bit number
    std::optional<VBool> ToBoolean() const;  // any number: 0 is False, others kept in 16 bits
    std::optional<std::string> ToText() const;
    std::optional<Picture> ToPicture() const; // Empty converts to no picture
    std::optional<nk::Font> ToFont() const;

    // Equality as WriteProperty uses it: numbers by value across kinds, strings by text,
    // pictures by identity (two "no picture" values are equal), fonts by attributes.
    bool SameValue(const Variant& other) const;

private:
    VariantKind kind_ = VariantKind::Empty;
    double number_ = 0;
    std::string text_;
    Picture picture_;
    nk::Font font_;
};

// The text a Variant gives when converted to a string, as the controls' captions use it
// ("42", "3.5", "True"); Empty gives "".
std::string VariantToString(const Variant& v);

} // namespace nk
