// Picture codecs: round trips at every depth, palettes chosen for an image, and
// damaged files refused with a message that names the problem.
#include "host/codec/codec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

namespace nk {
namespace {

std::uint32_t Rgb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) |
           (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}

// A picture whose every pixel differs from its neighbours, with an odd width so that
// row padding matters at every depth.
Image Colourful(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.At(x, y) = Rgb((x * 37) & 255, (y * 53) & 255, (x * y) & 255);
    return img;
}

Image Gradient(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.At(x, y) = Rgb(x * 255 / (w - 1), y * 255 / (h - 1), 255 - x * 255 / (w - 1));
    return img;
}

Image WithPalette(int w, int h, const std::vector<std::uint32_t>& colours) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.At(x, y) = colours[static_cast<std::size_t>(x * 7 + y * 3) % colours.size()];
    return img;
}

Image Decode(const std::vector<std::uint8_t>& bytes) {
    DecodeResult r = DecodeBmp(bytes, "t.bmp");
    EXPECT_TRUE(r.ok()) << r.error;
    return r.image;
}

int Channel(std::uint32_t p, int shift) {
    return static_cast<int>((p >> shift) & 0xFF);
}

double MeanError(const Image& a, const Image& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        for (int s : {0, 8, 16})
            sum += std::abs(Channel(a.pixels[i], s) - Channel(b.pixels[i], s));
    return sum / (3.0 * static_cast<double>(a.pixels.size()));
}

TEST(CodecBmp, TrueColourRoundTripsExactly) {
    Image src = Colourful(13, 7);
    for (int bits : {24, 32}) {
        Image back = Decode(EncodeBmp(src, bits));
        EXPECT_EQ(back.width, 13);
        EXPECT_EQ(back.height, 7);
        EXPECT_EQ(back.bitsPerPixel, bits);
        EXPECT_EQ(back.pixels, src.pixels) << bits << " bits";
    }
}

TEST(CodecBmp, PalettedDepthsRoundTripImagesThatFit) {
    std::vector<std::uint32_t> sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen.push_back(Rgb(i * 16, 255 - i * 9, (i * 71) & 255));
    Image four = WithPalette(11, 5, sixteen);
    Image back4 = Decode(EncodeBmp(four, 4));
    EXPECT_EQ(back4.bitsPerPixel, 4);
    EXPECT_EQ(back4.pixels, four.pixels);

    std::vector<std::uint32_t> many;
    for (int i = 0; i < 256; ++i)
        many.push_back(Rgb(i, (i * 7) & 255, (i * 13) & 255));
    Image eight = WithPalette(33, 17, many);
    Image back8 = Decode(EncodeBmp(eight, 8));
    EXPECT_EQ(back8.bitsPerPixel, 8);
    EXPECT_EQ(back8.pixels, eight.pixels);
}

TEST(CodecBmp, OneBitThresholdsOnLuminance) {
    Image src(9, 3, Rgb(0, 0, 0));
    src.At(0, 0) = Rgb(255, 255, 255);
    src.At(1, 0) = Rgb(0, 255, 0); // bright green: white
    src.At(2, 0) = Rgb(0, 0, 255); // blue alone is dark: black
    src.At(8, 2) = Rgb(200, 200, 200);
    Image back = Decode(EncodeBmp(src, 1));
    EXPECT_TRUE(back.IsMonochrome());
    EXPECT_EQ(back.At(0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(back.At(1, 0), Rgb(255, 255, 255));
    EXPECT_EQ(back.At(2, 0), Rgb(0, 0, 0));
    EXPECT_EQ(back.At(8, 2), Rgb(255, 255, 255));
    EXPECT_EQ(back.At(7, 2), Rgb(0, 0, 0));
}

TEST(CodecBmp, GradientGetsAPaletteCloseToTheSource) {
    Image src = Gradient(200, 60);
    for (bool dither : {false, true}) {
        std::vector<std::uint8_t> bytes = EncodeBmp(src, 8, dither);
        Image back = Decode(bytes);
        std::set<std::uint32_t> used(back.pixels.begin(), back.pixels.end());
        EXPECT_LE(used.size(), 256u);
        EXPECT_GT(used.size(), 64u); // the palette is spent on the image, not wasted
        // A 2-D spread of colours over 256 entries leaves about 4 levels per channel.
        EXPECT_LT(MeanError(src, back), dither ? 6.5 : 5.0) << "dither " << dither;
    }
    // A 1-D ramp of 1000 colours fits 256 entries almost exactly.
    Image ramp(1000, 4);
    for (int x = 0; x < 1000; ++x)
        for (int y = 0; y < 4; ++y)
            ramp.At(x, y) = Rgb(x * 255 / 999, 40 + x * 150 / 999, 200 - x / 10);
    EXPECT_LT(MeanError(ramp, Decode(EncodeBmp(ramp, 8, false))), 1.5);
    // Sixteen colours: coarse, but still the same picture.
    Image back4 = Decode(EncodeBmp(src, 4, true));
    EXPECT_LT(MeanError(src, back4), 20.0);
}

TEST(CodecBmp, DitheringKeepsTheAverageColourOfAFlatArea) {
    // A flat colour between palette entries: dithering mixes neighbours so that the
    // area's average stays near the source, where plain mapping shifts it.
    Image src = Gradient(300, 40);
    for (int x = 100; x < 200; ++x)
        for (int y = 0; y < 40; ++y)
            src.At(x, y) = Rgb(101, 149, 203);
    Image back = Decode(EncodeBmp(src, 4, true));
    double avg[3] = {0, 0, 0};
    for (int x = 100; x < 200; ++x)
        for (int y = 0; y < 40; ++y)
            for (int k = 0; k < 3; ++k)
                avg[k] += Channel(back.At(x, y), 16 - 8 * k) / 4000.0;
    EXPECT_NEAR(avg[0], 101, 8);
    EXPECT_NEAR(avg[1], 149, 8);
    EXPECT_NEAR(avg[2], 203, 8);
}

TEST(CodecBmp, EncoderRejectsWhatItCannotWrite) {
    EXPECT_TRUE(EncodeBmp(Colourful(4, 4), 16).empty());
    EXPECT_TRUE(EncodeBmp(Image(), 24).empty());
}

// ---- Files written by hand, as other writers lay them out ----

struct BmpBuilder {
    std::vector<std::uint8_t> bytes;
    void U8(unsigned v) { bytes.push_back(static_cast<std::uint8_t>(v)); }
    void U16(unsigned v) {
        U8(v & 0xFF);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Put32At(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    // File header and a BITMAPINFOHEADER-style header of `headerSize` bytes.
    void Headers(std::uint32_t headerSize, std::int32_t w, std::int32_t h, unsigned bits,
                 std::uint32_t compression, std::uint32_t colours, std::uint32_t offset) {
        U8('B');
        U8('M');
        U32(0);
        U32(0);
        U32(offset);
        U32(headerSize);
        U32(static_cast<std::uint32_t>(w));
        U32(static_cast<std::uint32_t>(h));
        U16(1);
        U16(bits);
        U32(compression);
        U32(0);
        U32(0);
        U32(0);
        U32(colours);
        U32(0);
        while (bytes.size() < 14 + headerSize)
            U8(0);
    }
};

TEST(CodecBmp, ReadsTopDownAndBottomUpRows) {
    for (bool topDown : {false, true}) {
        BmpBuilder b;
        b.Headers(40, 2, 2, 24, 0, 0, 54);
        // Two rows of 2 pixels, padded to 8 bytes: first stored row red/green, second blue/white.
        for (unsigned v : {0u, 0u, 255u, 0u, 255u, 0u, 0u, 0u})
            b.U8(v);
        for (unsigned v : {255u, 0u, 0u, 255u, 255u, 255u, 0u, 0u})
            b.U8(v);
        if (topDown) b.Put32At(22, static_cast<std::uint32_t>(-2));
        Image img = Decode(b.bytes);
        int first = topDown ? 0 : 1;
        EXPECT_EQ(img.At(0, first), Rgb(255, 0, 0));
        EXPECT_EQ(img.At(1, first), Rgb(0, 255, 0));
        EXPECT_EQ(img.At(0, 1 - first), Rgb(0, 0, 255));
        EXPECT_EQ(img.At(1, 1 - first), Rgb(255, 255, 255));
    }
}

TEST(CodecBmp, ReadsColourMasksInBothHeaderForms) {
    // 32 bits with masks: blue in the top byte, green, red, and the low byte unused.
    for (std::uint32_t headerSize : {40u, 108u}) {
        BmpBuilder b;
        std::uint32_t offset = 14 + headerSize + (headerSize == 40 ? 12 : 0);
        b.Headers(headerSize, 1, 1, 32, 3, 0, offset);
        if (headerSize == 40) {
            b.U32(0x0000FF00u);
            b.U32(0x00FF0000u);
            b.U32(0xFF000000u);
        } else {
            b.Put32At(54, 0x0000FF00u);
            b.Put32At(58, 0x00FF0000u);
            b.Put32At(62, 0xFF000000u);
        }
        b.U32(0x30201000u); // red 0x10, green 0x20, blue 0x30
        Image img = Decode(b.bytes);
        EXPECT_EQ(img.At(0, 0), Rgb(0x10, 0x20, 0x30)) << headerSize;
    }
}

TEST(CodecBmp, ReadsCoreHeaderWithThreeBytePalette) {
    BmpBuilder b;
    b.U8('B');
    b.U8('M');
    b.U32(0);
    b.U32(0);
    b.U32(14 + 12 + 6);
    b.U32(12);
    b.U16(3);
    b.U16(1);
    b.U16(1);
    b.U16(1);
    for (unsigned v : {10u, 20u, 30u, 40u, 50u, 60u})
        b.U8(v);
    b.U32(0x000000A0u); // bits 1 0 1
    Image img = Decode(b.bytes);
    EXPECT_EQ(img.At(0, 0), Rgb(60, 50, 40));
    EXPECT_EQ(img.At(1, 0), Rgb(30, 20, 10));
    EXPECT_EQ(img.At(2, 0), Rgb(60, 50, 40));
}

TEST(CodecBmp, ReadsRle8AndRle4) {
    BmpBuilder b8;
    b8.Headers(40, 4, 2, 8, 1, 3, 54 + 12);
    b8.U32(0x000000);
    b8.U32(0x0000FF);
    b8.U32(0x00FF00);
    // Bottom row: one of colour 1, then an absolute run of 3 (1, 2, 1, padded); end of line.
    for (unsigned v : {1u, 1u, 0u, 3u, 1u, 2u, 1u, 0u, 0u, 0u})
        b8.U8(v);
    // Top row: skip 1 right by a delta, one of colour 2; end of bitmap.
    for (unsigned v : {0u, 2u, 1u, 0u, 1u, 2u, 0u, 1u})
        b8.U8(v);
    Image i8 = Decode(b8.bytes);
    EXPECT_EQ(i8.bitsPerPixel, 8);
    EXPECT_EQ(i8.At(0, 1), Rgb(0, 0, 255));
    EXPECT_EQ(i8.At(1, 1), Rgb(0, 0, 255));
    EXPECT_EQ(i8.At(2, 1), Rgb(0, 255, 0));
    EXPECT_EQ(i8.At(3, 1), Rgb(0, 0, 255));
    EXPECT_EQ(i8.At(0, 0), Rgb(0, 0, 0)); // skipped by the delta
    EXPECT_EQ(i8.At(1, 0), Rgb(0, 255, 0));

    BmpBuilder b4;
    b4.Headers(40, 5, 1, 4, 2, 2, 54 + 8);
    b4.U32(0x000000);
    b4.U32(0xFFFFFF);
    for (unsigned v : {5u, 0x10u, 0u, 1u})
        b4.U8(v); // alternating 1 0 1 0 1
    Image i4 = Decode(b4.bytes);
    EXPECT_EQ(i4.bitsPerPixel, 4);
    EXPECT_EQ(i4.At(0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(i4.At(1, 0), Rgb(0, 0, 0));
    EXPECT_EQ(i4.At(4, 0), Rgb(255, 255, 255));
}

// ---- Damaged files ----

void ExpectRefused(const std::vector<std::uint8_t>& bytes, const std::string& words) {
    DecodeResult r = DecodeBmp(bytes, "logo.bmp");
    ASSERT_FALSE(r.ok()) << "accepted a file that should fail with: " << words;
    EXPECT_EQ(r.error.rfind("logo.bmp: ", 0), 0u) << r.error;
    EXPECT_NE(r.error.find(words), std::string::npos) << r.error;
}

std::vector<std::uint8_t> GoodFile() {
    return EncodeBmp(Colourful(100, 100), 24);
}

TEST(CodecBmpDamage, TruncatedHeadersAndPixels) {
    std::vector<std::uint8_t> good = GoodFile();
    ExpectRefused({good.begin(), good.begin() + 10}, "truncated file header");
    ExpectRefused({good.begin(), good.begin() + 30}, "truncated information header");
    std::vector<std::uint8_t> cut(good.begin(), good.begin() + 1200);
    ExpectRefused(cut, "truncated pixel data: needs 30000 bytes at offset 54, file has 1200");
    std::vector<std::uint8_t> oneShort(good.begin(), good.end() - 1);
    ExpectRefused(oneShort, "truncated pixel data");
}

TEST(CodecBmpDamage, SizesThatCannotBe) {
    BmpBuilder huge;
    huge.Headers(40, 16385, 1, 24, 0, 0, 54);
    ExpectRefused(huge.bytes, "exceeds 16384 pixels a side");
    BmpBuilder tall;
    tall.Headers(40, 1, -16385, 24, 0, 0, 54);
    ExpectRefused(tall.bytes, "exceeds 16384 pixels a side");
    BmpBuilder minHeight; // the most negative height must not overflow when negated
    minHeight.Headers(40, 1, INT32_MIN, 24, 0, 0, 54);
    ExpectRefused(minHeight.bytes, "exceeds 16384");
    BmpBuilder zero;
    zero.Headers(40, 0, 5, 24, 0, 0, 54);
    ExpectRefused(zero.bytes, "non-positive size");
    BmpBuilder negative;
    negative.Headers(40, -3, 5, 24, 0, 0, 54);
    ExpectRefused(negative.bytes, "non-positive size");
    // The largest legal side with too little data behind it is refused before allocating.
    BmpBuilder big;
    big.Headers(40, 8192, 8192, 32, 0, 0, 54);
    ExpectRefused(big.bytes, "truncated pixel data: needs 268435456 bytes");
}

TEST(CodecBmpDamage, OffsetsAndPalettesThatLie) {
    std::vector<std::uint8_t> good = GoodFile();
    std::vector<std::uint8_t> far = good;
    far[10] = 0xFF;
    far[11] = 0xFF;
    far[12] = 0xFF;
    ExpectRefused(far, "pixel data offset 16777215 is outside the file");
    std::vector<std::uint8_t> inside = good;
    inside[10] = 20;
    ExpectRefused(inside, "points inside the headers");

    BmpBuilder tooMany;
    tooMany.Headers(40, 2, 2, 4, 0, 17, 54 + 17 * 4);
    ExpectRefused(tooMany.bytes, "bad palette count 17");
    BmpBuilder shortPalette; // 256 colours promised, file ends after a few
    shortPalette.Headers(40, 2, 2, 8, 0, 0, 54 + 1024);
    for (int i = 0; i < 40; ++i)
        shortPalette.U8(0);
    ExpectRefused(shortPalette.bytes, "truncated palette");
    BmpBuilder overlap; // palette runs into the pixel data
    overlap.Headers(40, 2, 2, 8, 0, 4, 54 + 8);
    for (int i = 0; i < 16 + 8; ++i)
        overlap.U8(0);
    ExpectRefused(overlap.bytes, "overlaps the pixel data");
    BmpBuilder hugeHeader;
    hugeHeader.Headers(40, 2, 2, 24, 0, 0, 54);
    hugeHeader.Put32At(14, 0x7FFFFFF0u);
    ExpectRefused(hugeHeader.bytes, "information header size");
}

TEST(CodecBmpDamage, UnsupportedFormsAndBrokenStreams) {
    BmpBuilder sixteen;
    sixteen.Headers(40, 2, 2, 16, 0, 0, 54);
    ExpectRefused(sixteen.bytes, "unsupported depth of 16 bits");
    BmpBuilder jpegInside;
    jpegInside.Headers(40, 2, 2, 24, 4, 0, 54);
    ExpectRefused(jpegInside.bytes, "unsupported compression 4");
    BmpBuilder badMask;
    badMask.Headers(40, 1, 1, 32, 3, 0, 66);
    for (std::uint32_t m : {0x00FF00FFu, 0x0000FF00u, 0x000000FFu})
        badMask.U32(m);
    badMask.U32(0);
    ExpectRefused(badMask.bytes, "not one run of bits");
    BmpBuilder rle; // a run, then the stream stops without its end marker
    rle.Headers(40, 4, 4, 8, 1, 2, 62);
    rle.U32(0);
    rle.U32(0xFFFFFF);
    for (unsigned v : {4u, 1u, 0u, 0u, 3u})
        rle.U8(v);
    ExpectRefused(rle.bytes, "truncated RLE data");
    BmpBuilder rleAbsolute; // an absolute run longer than the data left
    rleAbsolute.Headers(40, 4, 4, 8, 1, 2, 62);
    rleAbsolute.U32(0);
    rleAbsolute.U32(0xFFFFFF);
    for (unsigned v : {0u, 200u, 1u, 1u})
        rleAbsolute.U8(v);
    ExpectRefused(rleAbsolute.bytes, "truncated RLE run");
    BmpBuilder rleHuge; // a complete stream that ends at once, claiming 8192 x 8192 pixels
    rleHuge.Headers(40, 8192, 8192, 8, 1, 2, 62);
    rleHuge.U32(0);
    rleHuge.U32(0xFFFFFF);
    for (unsigned v : {0u, 1u})
        rleHuge.U8(v);
    ExpectRefused(rleHuge.bytes, "2 bytes cannot hold 8192 x 8192 pixels");
    ExpectRefused({'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "not a BMP file");
}

TEST(CodecBmpDamage, EveryPrefixOfAFileIsRefusedWithoutReadingPastIt) {
    std::vector<std::uint8_t> good = EncodeBmp(Colourful(5, 3), 8);
    for (std::size_t n = 0; n < good.size(); ++n) {
        std::vector<std::uint8_t> prefix(good.begin(), good.begin() + static_cast<long>(n));
        EXPECT_FALSE(DecodeBmp(prefix, "p.bmp").ok()) << n;
    }
    EXPECT_TRUE(DecodeBmp(good, "p.bmp").ok());
}

} // namespace
} // namespace nk
