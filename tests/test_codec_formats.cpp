// PNG, JPEG and GIF reading (files made here with the same libraries' writers), PNG
// writing, the choice of decoder by signature, and the file helpers.
#include "host/codec/codec.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

namespace nk {
namespace {

std::uint32_t Argb(unsigned a, unsigned r, unsigned g, unsigned b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

bool Refused(const DecodeResult& r, const std::string& source, const std::string& words) {
    if (r.ok()) {
        ADD_FAILURE() << "accepted; expected: " << words;
        return false;
    }
    EXPECT_EQ(r.error.rfind(source + ": ", 0), 0u) << r.error;
    EXPECT_NE(r.error.find(words), std::string::npos) << r.error;
    return true;
}

// ---- PNG ----

TEST(CodecPng, RoundTripKeepsColoursAndMakesAlphaAllOrNothing) {
    Image src(5, 3, Argb(0xFF, 10, 20, 30));
    src.At(0, 0) = Argb(0x00, 1, 2, 3);   // see-through
    src.At(1, 0) = Argb(0x7F, 200, 0, 0); // under one half: see-through
    src.At(2, 0) = Argb(0x80, 0, 200, 0); // one half: opaque
    src.At(4, 2) = Argb(0xFF, 255, 128, 1);
    std::vector<std::uint8_t> png = EncodePng(src);
    ASSERT_FALSE(png.empty());
    DecodeResult r = DecodePicture(png, "a.png");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.image.width, 5);
    EXPECT_EQ(r.image.height, 3);
    EXPECT_EQ(r.image.bitsPerPixel, 32);
    EXPECT_EQ(r.image.At(0, 0) >> 24, 0u);
    EXPECT_EQ(r.image.At(1, 0) >> 24, 0u);
    EXPECT_EQ(r.image.At(2, 0), Argb(0xFF, 0, 200, 0));
    EXPECT_EQ(r.image.At(3, 0), Argb(0xFF, 10, 20, 30));
    EXPECT_EQ(r.image.At(4, 2), Argb(0xFF, 255, 128, 1));
}

TEST(CodecPng, PaletteFileRecordsItsDepth) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = 4;
    png.height = 2;
    png.format = PNG_FORMAT_RGB_COLORMAP;
    png.colormap_entries = 3;
    const std::uint8_t colours[9] = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    const std::uint8_t indices[8] = {0, 1, 2, 0, 2, 2, 1, 0};
    png_alloc_size_t size = 0;
    ASSERT_TRUE(png_image_write_to_memory(&png, nullptr, &size, 0, indices, 0, colours));
    std::vector<std::uint8_t> bytes(size);
    ASSERT_TRUE(png_image_write_to_memory(&png, bytes.data(), &size, 0, indices, 0, colours));
    DecodeResult r = DecodePng(bytes, "p.png");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.image.bitsPerPixel, 4);
    EXPECT_EQ(r.image.At(1, 0), Argb(0xFF, 0, 255, 0));
    EXPECT_EQ(r.image.At(1, 1), Argb(0xFF, 0, 0, 255));
}

TEST(CodecPng, DamagedFilesAreRefused) {
    Image src(40, 30, Argb(0xFF, 1, 2, 3));
    for (int i = 0; i < 40; ++i)
        src.At(i, i % 30) = Argb(0xFF, 255, i * 6, 0);
    std::vector<std::uint8_t> good = EncodePng(src);
    for (std::size_t n : {std::size_t{20}, std::size_t{40}, good.size() / 2, good.size() - 13})
        Refused(DecodePng({good.data(), n}, "cut.png"), "cut.png", "");
    auto withSize = [&](std::uint32_t w, std::uint32_t h) {
        std::vector<std::uint8_t> b = good;
        for (int i = 0; i < 4; ++i) {
            b[16 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(w >> (24 - 8 * i));
            b[20 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(h >> (24 - 8 * i));
        }
        return b;
    };
    Refused(DecodePng(withSize(20000, 30), "big.png"), "big.png", "exceeds 16384 pixels a side");
    Refused(DecodePng(withSize(0, 30), "zero.png"), "zero.png", "non-positive size");
    Refused(DecodePng(withSize(8192, 8192), "lie.png"), "lie.png", "truncated pixel data");
    std::vector<std::uint8_t> flipped = good;
    flipped[flipped.size() / 2] ^= 0x55; // inside the compressed data: the CRC no longer matches
    Refused(DecodePng(flipped, "crc.png"), "crc.png", "bad PNG data");
}

// ---- JPEG ----

std::vector<std::uint8_t> MakeJpeg(const Image& img, bool grey) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(img.width);
    info.image_height = static_cast<JDIMENSION>(img.height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(img.width) * 3);
    while (info.next_scanline < info.image_height) {
        int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < img.width; ++x) {
            std::uint32_t p = img.At(x, y);
            if (grey) {
                row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(p >> 8);
            } else {
                row[static_cast<std::size_t>(x) * 3] = static_cast<std::uint8_t>(p >> 16);
                row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<std::uint8_t>(p >> 8);
                row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<std::uint8_t>(p);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(out, out + size);
    std::free(out);
    return bytes;
}

Image TwoTone(int w, int h) {
    Image img(w, h, Argb(0xFF, 200, 40, 40));
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x)
            img.At(x, y) = Argb(0xFF, 40, 40, 200);
    return img;
}

int Distance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int s : {0, 8, 16})
        d = std::max(d, std::abs(int((a >> s) & 255) - int((b >> s) & 255)));
    return d;
}

TEST(CodecJpeg, ReadsColourAndGrey) {
    Image src = TwoTone(32, 16);
    DecodeResult r = DecodePicture(MakeJpeg(src, false), "c.jpg");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.image.width, 32);
    EXPECT_EQ(r.image.height, 16);
    EXPECT_EQ(r.image.bitsPerPixel, 24);
    EXPECT_LE(Distance(r.image.At(4, 8), src.At(4, 8)), 12);
    EXPECT_LE(Distance(r.image.At(28, 8), src.At(28, 8)), 12);
    EXPECT_EQ(r.image.At(4, 8) >> 24, 0xFFu);

    DecodeResult g = DecodeJpeg(MakeJpeg(src, true), "g.jpg");
    ASSERT_TRUE(g.ok()) << g.error;
    EXPECT_EQ(g.image.bitsPerPixel, 8);
    std::uint32_t p = g.image.At(4, 8);
    EXPECT_EQ((p >> 16) & 255, p & 255); // grey: equal channels
    EXPECT_NEAR(static_cast<int>(p & 255), 40, 12);
}

TEST(CodecJpeg, DamagedFilesAreRefusedWithoutEndingTheProcess) {
    Image busy = TwoTone(128, 128);
    for (int i = 0; i < 128 * 128; i += 7)
        busy.pixels[static_cast<std::size_t>(i)] ^= 0x00FFFFFFu;
    std::vector<std::uint8_t> good = MakeJpeg(busy, false);
    Refused(DecodeJpeg({good.data(), good.size() / 2}, "cut.jpg"), "cut.jpg", "truncated");
    Refused(DecodeJpeg({good.data(), 30}, "head.jpg"), "head.jpg", "bad JPEG data");
    std::vector<std::uint8_t> junk = {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3, 4, 5, 6, 7, 8};
    Refused(DecodeJpeg(junk, "junk.jpg"), "junk.jpg", "bad JPEG data");
    // Patch the frame header's size (baseline SOF0: FF C0, length, precision, h, w).
    std::vector<std::uint8_t> big = good;
    for (std::size_t i = 2; i + 8 < big.size(); ++i)
        if (big[i] == 0xFF && big[i + 1] == 0xC0) {
            big[i + 5] = 0x50; // height 0x5000 = 20480
            big[i + 6] = 0x00;
            break;
        }
    Refused(DecodeJpeg(big, "big.jpg"), "big.jpg", "exceeds 16384 pixels a side");
}

// ---- GIF ----

struct GifWriter {
    std::vector<std::uint8_t> bytes;
    static int Write(GifFileType* gif, const GifByteType* data, int n) {
        auto* self = static_cast<GifWriter*>(gif->UserData);
        self->bytes.insert(self->bytes.end(), data, data + n);
        return n;
    }
};

// A GIF of one frame with a four-colour table; index 2 is transparent when `transparent`.
std::vector<std::uint8_t> MakeGif(int screenW, int screenH, int left, int top, int w, int h,
                                  bool interlace, bool transparent,
                                  const std::vector<std::uint8_t>& indices) {
    GifWriter out;
    int err = 0;
    GifFileType* gif = EGifOpen(&out, GifWriter::Write, &err);
    EXPECT_TRUE(gif);
    GifColorType colours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, screenW, screenH, 2, 0, map);
    if (transparent) {
        GifByteType gce[4] = {1, 0, 0, 2};
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce);
    }
    EGifPutImageDesc(gif, left, top, w, h, interlace, nullptr);
    std::vector<int> order;
    if (interlace) {
        for (int y = 0; y < h; y += 8)
            order.push_back(y);
        for (int y = 4; y < h; y += 8)
            order.push_back(y);
        for (int y = 2; y < h; y += 4)
            order.push_back(y);
        for (int y = 1; y < h; y += 2)
            order.push_back(y);
    } else {
        for (int y = 0; y < h; ++y)
            order.push_back(y);
    }
    for (int y : order) {
        std::vector<GifPixelType> row(indices.begin() + y * w, indices.begin() + (y + 1) * w);
        EGifPutLine(gif, row.data(), w);
    }
    EGifCloseFile(gif, &err);
    GifFreeMapObject(map);
    return out.bytes;
}

TEST(CodecGif, FirstFrameWithTransparencyOnTheScreen) {
    std::vector<std::uint8_t> idx = {0, 1, 2, 3, 2, 1};
    std::vector<std::uint8_t> gif = MakeGif(5, 4, 1, 1, 3, 2, false, true, idx);
    DecodeResult r = DecodePicture(gif, "t.gif");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.image.width, 5);
    EXPECT_EQ(r.image.height, 4);
    EXPECT_EQ(r.image.bitsPerPixel, 8);
    EXPECT_EQ(r.image.At(1, 1), Argb(0xFF, 255, 0, 0));
    EXPECT_EQ(r.image.At(2, 1), Argb(0xFF, 0, 255, 0));
    EXPECT_EQ(r.image.At(3, 1) >> 24, 0u); // transparent index
    EXPECT_EQ(r.image.At(1, 2), Argb(0xFF, 255, 255, 255));
    EXPECT_EQ(r.image.At(2, 2) >> 24, 0u);
    EXPECT_EQ(r.image.At(0, 0) >> 24, 0u); // outside the frame
    EXPECT_EQ(r.image.At(4, 3) >> 24, 0u);
}

TEST(CodecGif, InterlacedRowsComeBackInPlace) {
    std::vector<std::uint8_t> idx;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 2; ++x)
            idx.push_back(static_cast<std::uint8_t>(y % 4));
    DecodeResult r = DecodeGif(MakeGif(2, 10, 0, 0, 2, 10, true, false, idx), "i.gif");
    ASSERT_TRUE(r.ok()) << r.error;
    const std::uint32_t expect[4] = {Argb(0xFF, 255, 0, 0), Argb(0xFF, 0, 255, 0),
                                     Argb(0xFF, 0, 0, 255), Argb(0xFF, 255, 255, 255)};
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(r.image.At(1, y), expect[y % 4]) << y;
}

TEST(CodecGif, DamagedFilesAreRefused) {
    std::vector<std::uint8_t> idx(64 * 64, 1);
    for (std::size_t i = 0; i < idx.size(); i += 3)
        idx[i] = 2;
    std::vector<std::uint8_t> good = MakeGif(64, 64, 0, 0, 64, 64, false, false, idx);
    Refused(DecodeGif({good.data(), good.size() / 2}, "cut.gif"), "cut.gif", "truncated");
    Refused(DecodeGif({good.data(), 10}, "head.gif"), "head.gif", "");
    std::vector<std::uint8_t> big = MakeGif(20000, 4, 0, 0, 2, 2, false, false, {0, 1, 2, 3});
    Refused(DecodeGif(big, "big.gif"), "big.gif", "exceeds 16384 pixels a side");
    std::vector<std::uint8_t> lie = MakeGif(8192, 8192, 0, 0, 2, 2, false, false, {0, 1, 2, 3});
    Refused(DecodeGif(lie, "lie.gif"), "lie.gif", "cannot hold");
    std::vector<std::uint8_t> none = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0, 0, 0, 0x3B};
    Refused(DecodeGif(none, "none.gif"), "none.gif", "");
}

// ---- Choosing a decoder, files ----

TEST(CodecFiles, SignatureChoosesTheDecoder) {
    Image src(3, 2, Argb(0xFF, 9, 8, 7));
    EXPECT_EQ(DecodePicture(EncodeBmp(src, 24), "x").image.bitsPerPixel, 24);
    EXPECT_TRUE(DecodePicture(EncodePng(src), "x").ok());
    Refused(DecodePicture(std::vector<std::uint8_t>{'%', 'P', 'D', 'F'}, "doc.pdf"), "doc.pdf",
            "unknown picture format");
    Refused(DecodePicture({}, "none.bmp"), "none.bmp", "empty file");
}

TEST(CodecFiles, WriteAndLoadGoThroughTheFileSystem) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "nk_codec_test";
    std::filesystem::create_directories(dir);
    Image src(7, 5, Argb(0xFF, 50, 100, 150));
    src.At(6, 4) = Argb(0, 0, 0, 0);
    std::string png = (dir / "pic.png").string();
    ASSERT_EQ(WritePng(src, png), "");
    DecodeResult r = LoadPictureFile(png);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.image.At(0, 0), src.At(0, 0));
    EXPECT_EQ(r.image.At(6, 4) >> 24, 0u);

    std::string bmp = (dir / "pic.bmp").string();
    ASSERT_EQ(WriteFile(bmp, EncodeBmp(src, 8)), "");
    EXPECT_EQ(LoadPictureFile(bmp).image.At(3, 3), src.At(3, 3));

    std::string missing = (dir / "missing.png").string();
    Refused(LoadPictureFile(missing), missing, "cannot open");
    std::string nowhere = (dir / "no" / "such" / "dir.png").string();
    EXPECT_EQ(WritePng(src, nowhere).rfind(nowhere + ": cannot open for writing", 0), 0u);
    EXPECT_NE(WritePng(Image(), png), "");
    std::filesystem::remove_all(dir);
}

// A PNG of grey pixels at `bitDepth` whose rows are all zero, Adam7-interlaced when asked;
// built directly, so that pictures of any claimed size cost only their compressed bytes.
std::vector<std::uint8_t> MakeGreyPng(std::uint32_t w, std::uint32_t h, int bitDepth,
                                      bool interlace) {
    auto rowBytes = [&](std::uint64_t pixels) { return 1 + (pixels * bitDepth + 7) / 8; };
    std::uint64_t raw = 0;
    if (!interlace) {
        raw = h * rowBytes(w);
    } else {
        static constexpr int kX0[7] = {0, 4, 0, 2, 0, 1, 0}, kDx[7] = {8, 8, 4, 4, 2, 2, 1};
        static constexpr int kY0[7] = {0, 0, 4, 0, 2, 0, 1}, kDy[7] = {8, 8, 8, 4, 4, 2, 2};
        for (int p = 0; p < 7; ++p) {
            const std::uint64_t pw =
                w > static_cast<std::uint32_t>(kX0[p]) ? (w - kX0[p] + kDx[p] - 1) / kDx[p] : 0;
            const std::uint64_t ph =
                h > static_cast<std::uint32_t>(kY0[p]) ? (h - kY0[p] + kDy[p] - 1) / kDy[p] : 0;
            if (pw && ph) raw += ph * rowBytes(pw);
        }
    }
    std::vector<std::uint8_t> rows(raw, 0);
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<std::uint8_t> packed(packedSize);
    EXPECT_EQ(
        compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), 9),
        Z_OK);
    packed.resize(packedSize);
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    auto put32 = [](std::vector<std::uint8_t>& v, std::uint32_t x) {
        for (int k = 3; k >= 0; --k)
            v.push_back(static_cast<std::uint8_t>(x >> (8 * k)));
    };
    auto chunk = [&](const char* type, const std::vector<std::uint8_t>& body) {
        put32(out, static_cast<std::uint32_t>(body.size()));
        std::vector<std::uint8_t> typed(type, type + 4);
        typed.insert(typed.end(), body.begin(), body.end());
        out.insert(out.end(), typed.begin(), typed.end());
        put32(out,
              static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
    };
    std::vector<std::uint8_t> header;
    put32(header, w);
    put32(header, h);
    header.insert(header.end(), {static_cast<std::uint8_t>(bitDepth), 0, 0, 0,
                                 static_cast<std::uint8_t>(interlace ? 1 : 0)});
    chunk("IHDR", header);
    chunk("IDAT", packed);
    chunk("IEND", {});
    return out;
}

// A BMP of the given size compressed with RLE8 whose stream is one end-of-bitmap mark.
std::vector<std::uint8_t> MakeRleBmp(std::uint32_t w, std::uint32_t h) {
    std::vector<std::uint8_t> b(14 + 40 + 8, 0);
    auto put = [&](std::size_t at, std::uint32_t v, int n) {
        for (int k = 0; k < n; ++k)
            b[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
    };
    b[0] = 'B';
    b[1] = 'M';
    put(10, 14 + 40 + 8, 4);
    put(14, 40, 4);
    put(18, w, 4);
    put(22, h, 4);
    put(26, 1, 2);
    put(28, 8, 2);
    put(30, 1, 4); // RLE8
    put(46, 2, 4); // two colours
    put(58, 0xFFFFFF, 4);
    for (int i = 0; i < 4096; ++i) // runs of 255 pixels, as a bomb would hold
        b.insert(b.end(), {255, 1});
    b.insert(b.end(), {0, 1});
    return b;
}

// Every cut of a good file, from nothing to one byte short, is refused with a message
// naming the source: a reader never takes a partial picture for a whole one.
TEST(CodecUntrusted, EveryTruncationOfEveryFormatIsRefused) {
    const Image busy = TwoTone(24, 17);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<std::uint8_t> indices(24 * 17);
    for (std::size_t i = 0; i < indices.size(); ++i)
        indices[i] = static_cast<std::uint8_t>((i * 7 + i / 24) % 4);
    const std::vector<Case> cases = {
        {"plain.png", EncodePng(busy)},
        {"interlaced.png", MakeGreyPng(24, 17, 8, true)},
        {"colour.jpg", MakeJpeg(busy, false)},
        {"grey.jpg", MakeJpeg(busy, true)},
        {"plain.gif", MakeGif(24, 17, 0, 0, 24, 17, false, false, indices)},
        {"interlaced.gif", MakeGif(24, 17, 0, 0, 24, 17, true, false, indices)},
        {"rgb24.bmp", EncodeBmp(busy, 24)},
        {"pal8.bmp", EncodeBmp(busy, 8)},
        {"mono.bmp", EncodeBmp(busy, 1)},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(DecodePicture(c.bytes, c.name).ok()) << c.name;
        // A GIF's image ends with its data; the one-byte trailer after it adds nothing.
        const std::size_t whole = c.bytes.size() - (c.bytes.back() == 0x3B ? 1 : 0);
        for (std::size_t n = 0; n < whole; ++n) {
            const std::span<const std::uint8_t> cut(c.bytes.data(), n);
            const DecodeResult r = DecodePicture(cut, c.name);
            ASSERT_FALSE(r.ok()) << c.name << " cut to " << n << " of " << c.bytes.size();
            ASSERT_GT(r.error.size(), std::string(c.name).size() + 2) << c.name << " at " << n;
            ASSERT_EQ(r.error.rfind(std::string(c.name) + ": ", 0), 0u) << r.error;
        }
    }
}

// Small files that claim huge pictures are refused before their pixels are allocated: a
// child process decodes them all and reports its peak memory.
TEST(CodecUntrusted, PictureBombsAreRefusedWithinAFewHundredMegabytes) {
    std::vector<std::uint8_t> jpeg = MakeJpeg(TwoTone(16, 16), false);
    for (std::size_t i = 2; i + 8 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) { // the frame header: height, then width
            jpeg[i + 5] = jpeg[i + 7] = 0x40;
            jpeg[i + 6] = jpeg[i + 8] = 0x00;
            break;
        }
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> bombs = {
        {"one-bit.png", MakeGreyPng(16384, 16384, 1, false)},
        {"interlaced.png", MakeGreyPng(16384, 16384, 1, true)},
        {"screen.gif", MakeGif(16384, 16384, 0, 0, 1, 1, false, false, {0})},
        {"huge.jpg", jpeg},
        {"rle.bmp", MakeRleBmp(16384, 16384)},
        {"wide.png", MakeGreyPng(16384, 8192, 1, false)},
    };
    for (const auto& [name, bytes] : bombs) {
        const DecodeResult r = DecodePicture(bytes, name);
        EXPECT_FALSE(r.ok()) << name << " (" << bytes.size() << " bytes) decoded";
        EXPECT_NE(r.error.find("pixels a picture may hold"), std::string::npos) << r.error;
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int refused = 0;
        for (const auto& [name, bytes] : bombs)
            refused += DecodePicture(bytes, name).ok() ? 0 : 1;
        _exit(refused == static_cast<int>(bombs.size()) ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    ASSERT_EQ(wait4(child, &status, 0, &usage), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_LT(usage.ru_maxrss, 300L * 1024) << "peak memory in kB";
}

// The budget itself is allowed; one row or column more is not.
TEST(CodecUntrusted, TheBudgetIsInclusive) {
    EXPECT_EQ(PictureSizeProblem(8192, 8192), "");
    EXPECT_EQ(PictureSizeProblem(16384, 4096), "");
    EXPECT_NE(PictureSizeProblem(8192, 8193), "");
    EXPECT_NE(PictureSizeProblem(16385, 1), "");
    EXPECT_NE(PictureSizeProblem(0, 5), "");
}

} // namespace
} // namespace nk
