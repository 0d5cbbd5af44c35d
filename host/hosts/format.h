// How values print in traces and in `nuvelkit script` output: numbers, OLE colours,
// Booleans, strings with escapes, pictures, fonts, and a Variant by its member type.
#pragma once

#include "framework/font.h"
#include "framework/interface_table.h"
#include "framework/picture.h"
#include "framework/values.h"
#include "framework/variant.h"

#include <string>
#include <string_view>

namespace nk {

// A whole value as an integer ("-7"); any other with at most four decimals, trailing zeros
// dropped ("87.8", "0.3333"); "NaN", "Inf", "-Inf". Negative zero prints as "0".
std::string FormatNumber(double v);
// "0x" and eight upper-case hex digits: "0x00C00000", "0x80000014".
std::string FormatColor(OleColor c);
// "True" for -1, "False" for 0, any other stored value as its integer.
std::string FormatBoolean(VBool b);
// In double quotes with the escapes \" \\ \n \r \t.
std::string QuoteString(std::string_view s);
// res:<n>, a script's name, image:<w>x<h>, empty or nothing.
std::string FormatPicture(const Picture& p);
// Font("Arial", 8.25[, bold][, italic][, underline][, strikethru])
std::string FormatFont(const Font& f);
// A value of a member or argument of the given type.
std::string FormatValue(ValueType type, const Variant& v);
// A value by its own kind (for Variant-typed members and method results).
std::string FormatVariant(const Variant& v);

} // namespace nk
