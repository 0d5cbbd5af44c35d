// Basic value types shared by every control and host: VB Booleans, OLE colours,
// rectangles, and the checked arithmetic that lets a failing step be skipped.
#pragma once

#include <cstdint>
#include <optional>

namespace nk {

// A 16-bit Boolean: True is -1, False is 0. Other stored values are kept as they are.
using VBool = std::int16_t;
inline constexpr VBool kTrue = -1;
inline constexpr VBool kFalse = 0;
inline constexpr VBool ToVBool(bool b) {
    return b ? kTrue : kFalse;
}

// An OLE colour: 0x00BBGGRR, or a system colour of the scheme when bit 31 is set.
using OleColor = std::uint32_t;
inline constexpr OleColor kSystemColorBit = 0x80000000u;
inline constexpr OleColor kButtonFace = 0x8000000Fu;
inline constexpr OleColor kButtonShadow = 0x80000010u;
inline constexpr OleColor kButtonText = 0x80000012u;
inline constexpr OleColor k3DHighlight = 0x80000014u;
inline constexpr OleColor k3DDarkShadow = 0x80000015u;
inline constexpr OleColor k3DLight = 0x80000016u;

// RGB(r, g, b) = r + 256 g + 65536 b; an argument above 255 counts as 255, below 0 as 0.
OleColor RGB(int r, int g, int b);

// Resolves an OLE colour (system colours through the classic scheme) to 0x00RRGGBB.
std::uint32_t ResolveColor(OleColor c);

// A rectangle of 32-bit integers, as GetClientRect fills it.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const Rect&) const = default;
};

// Nearest integer with halves to the even neighbour; fails when the result does not fit.
std::optional<std::int16_t> RoundToInt16(double v);
std::optional<std::int32_t> RoundToInt32(double v);
// a / b, failing for a zero divisor or a non-finite result.
std::optional<double> Divide(double a, double b);

// Pixels <-> twips at 15 twips to the pixel.
inline constexpr double kTwipsPerPixel = 15.0;

} // namespace nk
