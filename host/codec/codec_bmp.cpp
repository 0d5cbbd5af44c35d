// The kit's own BMP codec. Reads the 12-byte core header and the 40-byte and larger
// information headers at 1, 4, 8, 24 and 32 bits (uncompressed, colour masks at 32 bits,
// RLE8 and RLE4), bottom-up and top-down; writes uncompressed files at the same depths.
// Every size and offset in a file is checked against the data before it is used.
#include "host/codec/codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>

namespace nk {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::uint64_t kMaxRlePixelsPerByte = 4096;

using Bytes = std::span<const std::uint8_t>;

std::uint16_t U16(Bytes d, std::size_t at) {
    return static_cast<std::uint16_t>(d[at] | (d[at + 1] << 8));
}
std::uint32_t U32(Bytes d, std::size_t at) {
    return static_cast<std::uint32_t>(d[at]) | (static_cast<std::uint32_t>(d[at + 1]) << 8) |
           (static_cast<std::uint32_t>(d[at + 2]) << 16) |
           (static_cast<std::uint32_t>(d[at + 3]) << 24);
}
std::int32_t I32(Bytes d, std::size_t at) {
    return static_cast<std::int32_t>(U32(d, at));
}

std::uint32_t Opaque(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// What the headers say, after checking.
struct BmpLayout {
    std::int64_t width = 0;
    std::int64_t height = 0; // always positive; topDown tells the row order
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = kBiRgb;
    std::vector<std::uint32_t> palette;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue for 32-bit colour masks
    std::size_t pixelOffset = 0;
    std::size_t pixelEnd = 0; // end of the pixel data (RLE: end of the stream)
};

std::string Num(std::uint64_t v) {
    return std::to_string(v);
}

std::string Truncated(const char* what, std::uint64_t needs, std::uint64_t at, std::size_t has) {
    return std::string("truncated ") + what + ": needs " + Num(needs) + " bytes at offset " +
           Num(at) + ", file has " + Num(has);
}

// A colour mask must be one run of set bits (an empty mask gives a channel of zero).
bool ValidMask(std::uint32_t m) {
    if (m == 0) return true;
    std::uint32_t shifted = m >> std::countr_zero(m);
    return (shifted & (shifted + 1)) == 0;
}

std::uint32_t MaskChannel(std::uint32_t v, std::uint32_t m) {
    if (m == 0) return 0;
    int shift = std::countr_zero(m);
    int bits = std::popcount(m);
    std::uint32_t c = (v & m) >> shift;
    if (bits >= 8) return c >> (bits - 8);
    return c * 255u / ((1u << bits) - 1u);
}

std::string ReadPalette(Bytes d, std::size_t at, std::size_t count, std::size_t entry,
                        BmpLayout& out) {
    std::uint64_t end = at + static_cast<std::uint64_t>(count) * entry;
    if (end > d.size()) return Truncated("palette", count * entry, at, d.size());
    if (end > out.pixelOffset)
        return "palette of " + Num(count) + " colours (ends at offset " + Num(end) +
               ") overlaps the pixel data at offset " + Num(out.pixelOffset);
    out.palette.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t p = at + i * entry;
        out.palette[i] = Opaque(d[p + 2], d[p + 1], d[p]);
    }
    return {};
}

std::string ParseHeaders(Bytes d, BmpLayout& out) {
    if (d.size() < kFileHeaderSize + 4)
        return "truncated file header: needs " + Num(kFileHeaderSize + 4) + " bytes, file has " +
               Num(d.size());
    if (d[0] != 'B' || d[1] != 'M') return "not a BMP file (no BM signature)";
    out.pixelOffset = U32(d, 10);
    std::uint32_t headerSize = U32(d, 14);
    bool core = headerSize == kCoreHeaderSize;
    if (!core && (headerSize < kInfoHeaderSize || headerSize > 1024))
        return "unsupported information header size " + Num(headerSize);
    std::size_t headerEnd = kFileHeaderSize + headerSize;
    if (headerEnd > d.size())
        return "truncated information header: needs " + Num(headerEnd) + " bytes, file has " +
               Num(d.size());

    std::uint32_t colorsUsed = 0;
    if (core) {
        out.width = U16(d, 18);
        out.height = U16(d, 20);
        out.bits = U16(d, 24);
    } else {
        out.width = I32(d, 18);
        out.height = I32(d, 22);
        out.bits = U16(d, 28);
        out.compression = U32(d, 30);
        colorsUsed = U32(d, 46);
    }
    if (out.height < 0) {
        out.topDown = true;
        out.height = -out.height;
    }
    if (out.width <= 0 || out.height <= 0)
        return "non-positive size " + std::to_string(out.width) + " x " +
               std::to_string(out.topDown ? -out.height : out.height);
    if (std::string problem = PictureSizeProblem(out.width, out.height); !problem.empty())
        return problem;
    if (out.bits != 1 && out.bits != 4 && out.bits != 8 && out.bits != 24 && out.bits != 32)
        return "unsupported depth of " + Num(out.bits) + " bits per pixel";

    switch (out.compression) {
    case kBiRgb:
        break;
    case kBiRle8:
    case kBiRle4:
        if (out.bits != (out.compression == kBiRle8 ? 8 : 4))
            return "RLE compression does not match a depth of " + Num(out.bits) + " bits";
        if (out.topDown) return "a top-down bitmap cannot be RLE compressed";
        break;
    case kBiBitfields:
        if (out.bits != 32) return "colour masks with a depth of " + Num(out.bits) + " bits";
        break;
    default:
        return "unsupported compression " + Num(out.compression);
    }

    std::size_t paletteAt = headerEnd;
    if (out.compression == kBiBitfields) {
        std::size_t masksAt = kFileHeaderSize + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            if (masksAt + 12 > d.size()) return Truncated("colour masks", 12, masksAt, d.size());
            paletteAt += 12;
        } else if (headerSize < kInfoHeaderSize + 12) {
            return "information header of " + Num(headerSize) + " bytes has no colour masks";
        }
        for (int i = 0; i < 3; ++i) {
            out.masks[static_cast<std::size_t>(i)] =
                U32(d, masksAt + 4 * static_cast<std::size_t>(i));
            if (!ValidMask(out.masks[static_cast<std::size_t>(i)]))
                return "colour mask " + Num(out.masks[static_cast<std::size_t>(i)]) +
                       " is not one run of bits";
        }
    }

    if (out.pixelOffset < paletteAt)
        return "pixel data offset " + Num(out.pixelOffset) + " points inside the headers (" +
               Num(paletteAt) + " bytes)";
    if (out.bits <= 8) {
        std::size_t maxColours = std::size_t{1} << out.bits;
        if (colorsUsed > maxColours)
            return "bad palette count " + Num(colorsUsed) + " for a depth of " + Num(out.bits) +
                   " bits (at most " + Num(maxColours) + ")";
        std::size_t count = colorsUsed ? colorsUsed : maxColours;
        std::string err = ReadPalette(d, paletteAt, count, core ? 3 : 4, out);
        if (!err.empty()) return err;
    }

    if (out.pixelOffset > d.size())
        return "pixel data offset " + Num(out.pixelOffset) + " is outside the file (" +
               Num(d.size()) + " bytes)";

    if (out.compression == kBiRle8 || out.compression == kBiRle4) {
        std::uint32_t sizeImage = U32(d, 34);
        out.pixelEnd = d.size();
        if (sizeImage != 0) {
            if (out.pixelOffset + static_cast<std::uint64_t>(sizeImage) > d.size())
                return Truncated("RLE data", sizeImage, out.pixelOffset, d.size());
            out.pixelEnd = out.pixelOffset + sizeImage;
        }
        // Runs give at most 255 pixels for two bytes; line ends and jumps can skip more,
        // but a stream claiming thousands of pixels a byte is a lie about the data, and
        // is refused before the pixel memory is taken.
        std::uint64_t pixels = static_cast<std::uint64_t>(out.width) * out.height;
        std::uint64_t streamBytes = out.pixelEnd - out.pixelOffset;
        if (pixels > streamBytes * kMaxRlePixelsPerByte)
            return "truncated RLE data: " + Num(streamBytes) + " bytes cannot hold " +
                   Num(out.width) + " x " + Num(out.height) + " pixels";
        return {};
    }
    std::uint64_t stride = ((static_cast<std::uint64_t>(out.width) * out.bits + 31) / 32) * 4;
    std::uint64_t needs = stride * static_cast<std::uint64_t>(out.height);
    if (out.pixelOffset + needs > d.size())
        return Truncated("pixel data", needs, out.pixelOffset, d.size());
    out.pixelEnd = static_cast<std::size_t>(out.pixelOffset + needs);
    return {};
}

std::uint32_t PaletteColour(const BmpLayout& l, std::uint32_t index) {
    // An index beyond a short palette draws black rather than reading past it.
    return index < l.palette.size() ? l.palette[index] : 0xFF000000u;
}

void DecodeRows(Bytes d, const BmpLayout& l, Image& img) {
    std::size_t stride =
        ((static_cast<std::size_t>(l.width) * static_cast<std::size_t>(l.bits) + 31) / 32) * 4;
    int w = img.width;
    for (int row = 0; row < img.height; ++row) {
        const std::uint8_t* src = d.data() + l.pixelOffset + static_cast<std::size_t>(row) * stride;
        int y = l.topDown ? row : img.height - 1 - row;
        std::uint32_t* dst = img.pixels.data() + static_cast<std::size_t>(y) * w;
        switch (l.bits) {
        case 1:
            for (int x = 0; x < w; ++x)
                dst[x] = PaletteColour(l, (src[x >> 3] >> (7 - (x & 7))) & 1u);
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                dst[x] = PaletteColour(l, (x & 1) ? (src[x >> 1] & 15u) : (src[x >> 1] >> 4));
            break;
        case 8:
            for (int x = 0; x < w; ++x)
                dst[x] = PaletteColour(l, src[x]);
            break;
        case 24:
            for (int x = 0; x < w; ++x, src += 3)
                dst[x] = Opaque(src[2], src[1], src[0]);
            break;
        case 32:
            for (int x = 0; x < w; ++x, src += 4) {
                if (l.compression == kBiBitfields) {
                    std::uint32_t v = static_cast<std::uint32_t>(src[0]) | (src[1] << 8) |
                                      (src[2] << 16) | (static_cast<std::uint32_t>(src[3]) << 24);
                    dst[x] = Opaque(MaskChannel(v, l.masks[0]), MaskChannel(v, l.masks[1]),
                                    MaskChannel(v, l.masks[2]));
                } else {
                    dst[x] = Opaque(src[2], src[1], src[0]);
                }
            }
            break;
        default:
            break;
        }
    }
}

// Walks an RLE stream. With `img` null it only checks that the stream is complete;
// otherwise it paints the indices it finds (pixels outside the bitmap are dropped,
// pixels the stream skips keep palette colour 0).
std::string WalkRle(Bytes d, const BmpLayout& l, Image* img) {
    bool rle8 = l.compression == kBiRle8;
    std::size_t pos = l.pixelOffset;
    std::int64_t x = 0, y = 0; // y counts rows from the bottom
    auto put = [&](std::uint32_t index) {
        if (img && x < l.width && y < l.height)
            img->At(static_cast<int>(x), static_cast<int>(l.height - 1 - y)) =
                PaletteColour(l, index);
        ++x;
    };
    for (;;) {
        if (pos + 2 > l.pixelEnd)
            return "truncated RLE data: no end-of-bitmap marker before offset " + Num(l.pixelEnd);
        std::uint8_t a = d[pos], b = d[pos + 1];
        pos += 2;
        if (a > 0) {
            for (int i = 0; i < a; ++i)
                put(rle8 ? b : ((i & 1) ? (b & 15u) : (b >> 4)));
        } else if (b == 0) {
            x = 0;
            ++y;
        } else if (b == 1) {
            return {};
        } else if (b == 2) {
            if (pos + 2 > l.pixelEnd) return Truncated("RLE delta", 2, pos, l.pixelEnd);
            x += d[pos];
            y += d[pos + 1];
            pos += 2;
        } else {
            std::size_t bytes = rle8 ? b : (b + 1u) / 2u;
            if (pos + bytes > l.pixelEnd) return Truncated("RLE run", bytes, pos, l.pixelEnd);
            for (int i = 0; i < b; ++i) {
                std::uint8_t v = d[pos + (rle8 ? i : i / 2)];
                put(rle8 ? v : ((i & 1) ? (v & 15u) : (v >> 4)));
            }
            pos = std::min(pos + ((bytes + 1) & ~std::size_t{1}), l.pixelEnd);
        }
    }
}

// ---- Writing ----

int Luminance(std::uint32_t p) {
    return static_cast<int>(
        (299 * ((p >> 16) & 0xFF) + 587 * ((p >> 8) & 0xFF) + 114 * (p & 0xFF)) / 1000);
}

// Median cut over a histogram of 5-bit-per-channel cells; each box's colour is the
// average of the real colours that fall in it.
class MedianCut {
public:
    explicit MedianCut(const Image& image) : count_(kCells), sum_(kCells * 3) {
        for (std::uint32_t p : image.pixels) {
            std::size_t cell = Cell(p);
            ++count_[cell];
            sum_[cell * 3] += (p >> 16) & 0xFF;
            sum_[cell * 3 + 1] += (p >> 8) & 0xFF;
            sum_[cell * 3 + 2] += p & 0xFF;
        }
    }

    std::vector<std::uint32_t> Palette(std::size_t maxColours) {
        std::vector<Box> boxes{Shrink(Box{{0, 0, 0}, {31, 31, 31}, 0})};
        while (boxes.size() < maxColours) {
            std::size_t best = boxes.size();
            std::uint64_t bestScore = 0;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                int axis = LongestAxis(boxes[i]);
                int span = boxes[i].hi[axis] - boxes[i].lo[axis];
                std::uint64_t score = boxes[i].count * static_cast<std::uint64_t>(span);
                if (span > 0 && score > bestScore) {
                    bestScore = score;
                    best = i;
                }
            }
            if (best == boxes.size()) break;
            auto [a, b] = Split(boxes[best]);
            boxes[best] = a;
            boxes.push_back(b);
        }
        std::vector<std::uint32_t> palette;
        for (const Box& box : boxes)
            palette.push_back(Average(box));
        return palette;
    }

private:
    static constexpr std::size_t kCells = 32 * 32 * 32;
    struct Box {
        std::array<int, 3> lo, hi;
        std::uint64_t count;
    };

    static std::size_t Cell(std::uint32_t p) {
        return (((p >> 19) & 31) << 10) | (((p >> 11) & 31) << 5) | ((p >> 3) & 31);
    }
    static std::size_t Index(int r, int g, int b) {
        return (static_cast<std::size_t>(r) << 10) | (static_cast<std::size_t>(g) << 5) |
               static_cast<std::size_t>(b);
    }
    static int LongestAxis(const Box& b) {
        int axis = 0;
        for (int i = 1; i < 3; ++i)
            if (b.hi[i] - b.lo[i] > b.hi[axis] - b.lo[axis]) axis = i;
        return axis;
    }

    template <typename F> void ForEach(const Box& b, F f) const {
        for (int r = b.lo[0]; r <= b.hi[0]; ++r)
            for (int g = b.lo[1]; g <= b.hi[1]; ++g)
                for (int bl = b.lo[2]; bl <= b.hi[2]; ++bl)
                    f(r, g, bl, Index(r, g, bl));
    }

    Box Shrink(Box box) const {
        Box out{{31, 31, 31}, {0, 0, 0}, 0};
        ForEach(box, [&](int r, int g, int b, std::size_t i) {
            if (!count_[i]) return;
            std::array<int, 3> c{r, g, b};
            for (int k = 0; k < 3; ++k) {
                out.lo[k] = std::min(out.lo[k], c[k]);
                out.hi[k] = std::max(out.hi[k], c[k]);
            }
            out.count += count_[i];
        });
        if (out.count == 0) return Box{box.lo, box.lo, 0};
        return out;
    }

    std::pair<Box, Box> Split(const Box& box) const {
        int axis = LongestAxis(box);
        std::vector<std::uint64_t> plane(32, 0);
        ForEach(box, [&](int r, int g, int b, std::size_t i) {
            std::array<int, 3> c{r, g, b};
            plane[static_cast<std::size_t>(c[axis])] += count_[i];
        });
        // Cut after the plane where the running count reaches half, leaving both sides
        // non-empty (the box is shrunk, so its end planes hold colours).
        std::uint64_t running = 0;
        int cut = box.lo[axis];
        for (int v = box.lo[axis]; v < box.hi[axis]; ++v) {
            running += plane[static_cast<std::size_t>(v)];
            cut = v;
            if (running * 2 >= box.count) break;
        }
        Box a = box, b = box;
        a.hi[axis] = cut;
        b.lo[axis] = cut + 1;
        return {Shrink(a), Shrink(b)};
    }

    std::uint32_t Average(const Box& box) const {
        std::uint64_t s[3] = {0, 0, 0};
        std::uint64_t n = 0;
        ForEach(box, [&](int, int, int, std::size_t i) {
            n += count_[i];
            for (int k = 0; k < 3; ++k)
                s[k] += sum_[i * 3 + static_cast<std::size_t>(k)];
        });
        if (n == 0) return 0xFF000000u;
        return Opaque(static_cast<std::uint32_t>((s[0] + n / 2) / n),
                      static_cast<std::uint32_t>((s[1] + n / 2) / n),
                      static_cast<std::uint32_t>((s[2] + n / 2) / n));
    }

    std::vector<std::uint64_t> count_;
    std::vector<std::uint64_t> sum_;
};

// The image's distinct colours, or nothing when there are more than `limit`.
std::optional<std::vector<std::uint32_t>> DistinctColours(const Image& image, std::size_t limit) {
    std::unordered_map<std::uint32_t, bool> seen;
    std::vector<std::uint32_t> colours;
    for (std::uint32_t p : image.pixels) {
        std::uint32_t c = p | 0xFF000000u;
        if (seen.emplace(c, true).second) {
            if (colours.size() == limit) return std::nullopt;
            colours.push_back(c);
        }
    }
    return colours;
}

class NearestColour {
public:
    explicit NearestColour(const std::vector<std::uint32_t>& palette)
        : palette_(palette), cache_(std::size_t{1} << 18, -1) {}

    std::uint8_t operator()(int r, int g, int b) {
        std::size_t key = (static_cast<std::size_t>(r >> 2) << 12) |
                          (static_cast<std::size_t>(g >> 2) << 6) |
                          static_cast<std::size_t>(b >> 2);
        if (cache_[key] >= 0) return static_cast<std::uint8_t>(cache_[key]);
        int best = 0;
        int bestDist = 1 << 30;
        for (std::size_t i = 0; i < palette_.size(); ++i) {
            std::uint32_t p = palette_[i];
            int dr = r - static_cast<int>((p >> 16) & 0xFF);
            int dg = g - static_cast<int>((p >> 8) & 0xFF);
            int db = b - static_cast<int>(p & 0xFF);
            int dist = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (dist < bestDist) {
                bestDist = dist;
                best = static_cast<int>(i);
            }
        }
        cache_[key] = static_cast<std::int16_t>(best);
        return static_cast<std::uint8_t>(best);
    }

private:
    const std::vector<std::uint32_t>& palette_;
    std::vector<std::int16_t> cache_;
};

// Maps the image onto a palette chosen for it: exactly when it has few enough colours,
// otherwise by median cut, with Floyd-Steinberg error diffusion when `dither` is set.
std::vector<std::uint8_t> Palettise(const Image& image, std::size_t maxColours, bool dither,
                                    std::vector<std::uint32_t>& palette) {
    std::vector<std::uint8_t> indices(image.pixels.size());
    if (auto exact = DistinctColours(image, maxColours)) {
        palette = *exact;
        std::unordered_map<std::uint32_t, std::uint8_t> index;
        for (std::size_t i = 0; i < palette.size(); ++i)
            index[palette[i]] = static_cast<std::uint8_t>(i);
        for (std::size_t i = 0; i < indices.size(); ++i)
            indices[i] = index[image.pixels[i] | 0xFF000000u];
        return indices;
    }
    palette = MedianCut(image).Palette(maxColours);
    NearestColour nearest(palette);
    int w = image.width;
    // Error rows carry sixteenths of a level, with a guard cell at each end.
    std::vector<int> cur(static_cast<std::size_t>(w + 2) * 3, 0), next(cur.size(), 0);
    for (int y = 0; y < image.height; ++y) {
        std::fill(next.begin(), next.end(), 0);
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = image.At(x, y);
            int c[3] = {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                        static_cast<int>(p & 0xFF)};
            std::size_t e = static_cast<std::size_t>(x + 1) * 3;
            if (dither)
                for (int k = 0; k < 3; ++k)
                    c[k] =
                        std::clamp(c[k] + (cur[e + static_cast<std::size_t>(k)] + 8) / 16, 0, 255);
            std::uint8_t i = nearest(c[0], c[1], c[2]);
            indices[static_cast<std::size_t>(y) * w + x] = i;
            if (!dither) continue;
            std::uint32_t q = palette[i];
            int got[3] = {static_cast<int>((q >> 16) & 0xFF), static_cast<int>((q >> 8) & 0xFF),
                          static_cast<int>(q & 0xFF)};
            for (std::size_t k = 0; k < 3; ++k) {
                int err = c[k] - got[k];
                cur[e + 3 + k] += err * 7;
                next[e - 3 + k] += err * 3;
                next[e + k] += err * 5;
                next[e + 3 + k] += err;
            }
        }
        std::swap(cur, next);
    }
    return indices;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

DecodeResult DecodeBmp(std::span<const std::uint8_t> data, const std::string& source) {
    DecodeResult result;
    BmpLayout layout;
    std::string err = ParseHeaders(data, layout);
    bool rle = layout.compression == kBiRle8 || layout.compression == kBiRle4;
    if (err.empty() && rle) err = WalkRle(data, layout, nullptr);
    if (!err.empty()) {
        result.error = source + ": " + err;
        return result;
    }
    Image img(static_cast<int>(layout.width), static_cast<int>(layout.height),
              rle ? PaletteColour(layout, 0) : 0xFF000000u);
    img.bitsPerPixel = layout.bits;
    if (rle)
        WalkRle(data, layout, &img);
    else
        DecodeRows(data, layout, img);
    result.image = std::move(img);
    return result;
}

std::vector<std::uint8_t> EncodeBmp(const Image& image, int bitsPerPixel, bool dither) {
    int bits = bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return {};
    if (image.width <= 0 || image.height <= 0 || image.width > kMaxPictureSide ||
        image.height > kMaxPictureSide ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return {};

    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
    if (bits == 1) {
        palette = {0xFF000000u, 0xFFFFFFFFu};
        indices.reserve(image.pixels.size());
        for (std::uint32_t p : image.pixels)
            indices.push_back(Luminance(p) >= 128 ? 1 : 0);
    } else if (bits <= 8) {
        indices = Palettise(image, std::size_t{1} << bits, dither, palette);
    }

    std::size_t stride = ((static_cast<std::size_t>(image.width) * bits + 31) / 32) * 4;
    std::size_t pixelBytes = stride * static_cast<std::size_t>(image.height);
    std::size_t offset = kFileHeaderSize + kInfoHeaderSize + palette.size() * 4;
    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(offset + pixelBytes));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(offset));
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(image.width));
    Put32(out, static_cast<std::uint32_t>(image.height)); // bottom-up
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    Put32(out, kBiRgb);
    Put32(out, static_cast<std::uint32_t>(pixelBytes));
    Put32(out, 3780); // 96 dots per inch, in pixels per metre
    Put32(out, 3780);
    Put32(out, static_cast<std::uint32_t>(palette.size()));
    Put32(out, 0);
    for (std::uint32_t c : palette)
        Put32(out, c & 0x00FFFFFFu);

    for (int y = image.height - 1; y >= 0; --y) {
        std::size_t rowStart = out.size();
        out.resize(rowStart + stride, 0);
        std::uint8_t* row = out.data() + rowStart;
        const std::uint32_t* src = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        const std::uint8_t* idx =
            indices.empty() ? nullptr : indices.data() + static_cast<std::size_t>(y) * image.width;
        for (int x = 0; x < image.width; ++x) {
            switch (bits) {
            case 1:
                row[x >> 3] |= static_cast<std::uint8_t>(idx[x] << (7 - (x & 7)));
                break;
            case 4:
                row[x >> 1] |= static_cast<std::uint8_t>(idx[x] << ((x & 1) ? 0 : 4));
                break;
            case 8:
                row[x] = idx[x];
                break;
            case 24:
                row[x * 3] = static_cast<std::uint8_t>(src[x]);
                row[x * 3 + 1] = static_cast<std::uint8_t>(src[x] >> 8);
                row[x * 3 + 2] = static_cast<std::uint8_t>(src[x] >> 16);
                break;
            default:
                row[x * 4] = static_cast<std::uint8_t>(src[x]);
                row[x * 4 + 1] = static_cast<std::uint8_t>(src[x] >> 8);
                row[x * 4 + 2] = static_cast<std::uint8_t>(src[x] >> 16);
                row[x * 4 + 3] = 0xFF;
                break;
            }
        }
    }
    return out;
}

} // namespace nk
