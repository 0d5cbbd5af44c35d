// Feeds arbitrary bytes to the text layer as a caption: measured, drawn into a rectangle by
// DrawText flags and printed on a small surface, in a font and at a device scale the first
// bytes choose. Nothing may crash or read outside the caption; a caption longer than the
// layout takes must measure as its cut, and the cut must be a prefix of whole characters.
#include "host/surface/surface_canvas.h"
#include "host/surface/text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

struct Choice {
    unsigned flags = 0;
    nk::Font font;
    double scale = 1.0;
};

constexpr std::size_t kHeader = 3;

// Bytes 0 and 1: the DrawText flags; byte 2: the face (bits 0-1), bold, italic, underline,
// strikethru (bits 2-5) and the device scale (bits 6-7).
Choice Choose(const std::uint8_t* data) {
    static constexpr std::array<const char*, 4> kFaces = {"Arial", "DejaVu Sans", "Times New Roman",
                                                          "Courier New"};
    static constexpr std::array<double, 4> kScales = {1.0, 1.5, 2.0, 3.0};
    Choice c;
    c.flags = data[0] | (static_cast<unsigned>(data[1]) << 8);
    const std::uint8_t style = data[2];
    c.font.name = kFaces[style & 3u];
    c.font.size = 9;
    c.font.bold = (style & 4u) != 0;
    c.font.italic = (style & 8u) != 0;
    c.font.underline = (style & 16u) != 0;
    c.font.strikethru = (style & 32u) != 0;
    c.scale = kScales[(style >> 6) & 3u];
    return c;
}

std::size_t Characters(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++n)
        nk::text::NextChar(text, i);
    return n;
}

// The cut is a prefix of whole characters: at most the limit, and no shorter than the limit
// less the longest cluster it keeps whole, when the caption is longer.
void CheckCut(std::string_view caption, std::string_view cut) {
    if (cut.data() != caption.data() || cut.size() > caption.size()) std::abort();
    const std::size_t kept = Characters(cut);
    if (kept > nk::text::kCaptionLimit) std::abort();
    if (cut.size() == caption.size()) return;
    if (kept + 64 < nk::text::kCaptionLimit) std::abort();
    std::size_t i = 0;
    while (i < cut.size())
        nk::text::NextChar(caption, i);
    if (i != cut.size()) std::abort(); // the cut split a character
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeader) return 0;
    const Choice choice = Choose(data);
    const std::string_view caption(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
    const std::string_view cut = nk::text::CaptionCut(caption);
    CheckCut(caption, cut);

    nk::SurfaceCanvas canvas(48, 20, 0xFFFFFF, 0x000000, choice.font, choice.scale);
    const double width = canvas.TextWidth(caption);
    const double height = canvas.TextHeight(caption);
    if (width < 0 || height <= 0) std::abort();
    if (width != canvas.TextWidth(cut) || height != canvas.TextHeight(cut)) std::abort();
    if (!canvas.DrawText(caption, {2, 2, 46, 18}, choice.flags)) std::abort();
    canvas.SetCurrentX(1);
    canvas.SetCurrentY(1);
    if (!canvas.Print(caption)) std::abort();
    return 0;
}
