// The build-time checks of generated resources against the resource list, and the source
// that embeds each library's files.
#include "host/codec/codec.h"
#include "resources/resource_pack.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace nk::resgen {

namespace {

GeneratedBitmap Disc(int id, int size, int depth) {
    Image img(size, size, 0xFFFFFFFFu);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if ((x - size / 2) * (x - size / 2) + (y - size / 2) * (y - size / 2) < size * size / 4)
                img.At(x, y) = 0xFF000000u;
    return {"nuvset1", id, depth, img};
}

GeneratedSound Wave(int id, size_t bytes) {
    std::vector<std::uint8_t> w(bytes, 0);
    const std::string head = "RIFF....WAVE";
    std::copy(head.begin(), head.end(), w.begin());
    return {id, w};
}

bool Mentions(const std::vector<std::string>& errors, const std::string& what) {
    for (const std::string& e : errors)
        if (e.find(what) != std::string::npos) return true;
    return false;
}

// Reads back the body of a literal written by CppStringLiteral.
std::vector<std::uint8_t> Unescape(const std::string& s) {
    std::vector<std::uint8_t> out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s.compare(i, 7, "\"\n    \"") == 0) {
            i += 6;
            continue;
        }
        if (s[i] == '\\') {
            out.push_back(static_cast<std::uint8_t>(std::stoi(s.substr(i + 1, 3), nullptr, 8)));
            i += 3;
            continue;
        }
        out.push_back(static_cast<std::uint8_t>(s[i]));
    }
    return out;
}

} // namespace

TEST(ResourcePack, KeepsAListedBitmapAtItsDepth) {
    ResourcePack pack;
    pack.AddBitmap(Disc(705, 32, 1));
    ASSERT_TRUE(pack.errors().empty()) << pack.errors().front();
    ASSERT_EQ(pack.resources().size(), 1u);
    const DecodeResult d = DecodeBmp(pack.resources()[0].bytes, "705");
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.image.bitsPerPixel, 1);
    EXPECT_EQ(d.image.width, 32);
    EXPECT_EQ(d.image.At(16, 16) & 0xFFFFFFu, 0u);
}

TEST(ResourcePack, RefusesWhatDoesNotMatchTheList) {
    ResourcePack pack;
    pack.AddBitmap(Disc(705, 30, 1));                         // wrong size
    pack.AddBitmap(Disc(706, 16, 8));                         // wrong depth
    pack.AddBitmap(Disc(777, 16, 1));                         // not listed
    pack.AddBitmap({"nuvset3", 101, 8, Image(250, 100)});     // no such library
    pack.AddBitmap({"nuvset1", 707, 1, Image()});             // no pixels
    pack.AddBitmap(Disc(705, 32, 1));                         // right, but 705 came already
    pack.AddSound(Wave(401, 100));                            // wrong size
    pack.AddSound({402, std::vector<std::uint8_t>(3940, 0)}); // not RIFF
    pack.AddSound(Wave(403, 2464));                           // not listed
    EXPECT_TRUE(pack.resources().empty());
    const auto& e = pack.errors();
    EXPECT_EQ(e.size(), 9u);
    EXPECT_TRUE(Mentions(e, "nuvset1/705.bmp (sphere mask): size 30 x 30, expected 32 x 32"));
    EXPECT_TRUE(Mentions(e, "nuvset1/706.bmp (sphere mask, half size): depth 8 bits, expected 1"));
    EXPECT_TRUE(Mentions(e, "nuvset1: bitmap 777 is not in the resource list"));
    EXPECT_TRUE(Mentions(e, "nuvset3: bitmap 101 is not in the resource list"));
    EXPECT_TRUE(Mentions(e, "nuvset1/707.bmp: the drawing has no pixels"));
    EXPECT_TRUE(Mentions(e, "nuvset1/705.bmp: generated twice"));
    EXPECT_TRUE(Mentions(e, "nuvset1/401.wav (press sound): 100 bytes, expected 2464"));
    EXPECT_TRUE(Mentions(e, "nuvset1/402.wav: not a RIFF wave image"));
    EXPECT_TRUE(Mentions(e, "nuvset1: sound 403 is not in the resource list"));
}

TEST(ResourcePack, ReportsWhatNothingGenerated) {
    ResourcePack pack;
    EXPECT_EQ(pack.Missing().size(), ResourceList().size());
    pack.AddBitmap(Disc(706, 16, 1));
    pack.AddSound(Wave(402, 3940));
    ASSERT_TRUE(pack.errors().empty()) << pack.errors().front();
    const auto missing = pack.Missing();
    EXPECT_EQ(missing.size(), ResourceList().size() - 2);
    for (const ResourceSpec* s : missing) {
        EXPECT_FALSE(s->library == "nuvset1" && s->id == 706 && s->kind == ResourceKind::Bitmap);
        EXPECT_FALSE(s->library == "nuvset1" && s->id == 402 && s->kind == ResourceKind::Sound);
    }
}

TEST(ResourcePack, LiteralsCarryEveryByteValue) {
    std::vector<std::uint8_t> bytes;
    for (int rep = 0; rep < 3; ++rep)
        for (int b = 0; b < 256; ++b)
            bytes.push_back(static_cast<std::uint8_t>(b));
    // Escapes followed by digits, question marks that could form trigraphs, quotes.
    for (char c : std::string("\0017?\?=\"\\0\x7f"
                              "8"))
        bytes.push_back(static_cast<std::uint8_t>(c));
    const std::string lit = CppStringLiteral(bytes);
    EXPECT_EQ(Unescape(lit), bytes);
    EXPECT_EQ(lit.find('?'), std::string::npos);
    size_t start = 0;
    for (size_t nl = lit.find('\n'); nl != std::string::npos; nl = lit.find('\n', start)) {
        EXPECT_LE(nl - start, 110u);
        start = nl + 1;
    }
    EXPECT_EQ(CppStringLiteral({}), "");
}

TEST(ResourcePack, EachLibrarySourceHoldsOnlyItsOwnEntries) {
    ResourcePack pack;
    pack.AddBitmap(Disc(705, 32, 1));
    pack.AddSound(Wave(401, 2464));
    pack.AddBitmap({"nuvset2", 101, 8, Image(17, 42, 0xFF336699u)});
    ASSERT_TRUE(pack.errors().empty()) << pack.errors().front();
    const std::string one = TableSource("nuvset1", "Nuvset1Resources", pack);
    EXPECT_NE(one.find("const ResourceLibrary& Nuvset1Resources()"), std::string::npos);
    EXPECT_NE(one.find("{401, ResourceKind::Sound, {Bytes(kSound401), sizeof(kSound401) - 1}}"),
              std::string::npos);
    EXPECT_NE(one.find("{705, ResourceKind::Bitmap"), std::string::npos);
    EXPECT_EQ(one.find("{101,"), std::string::npos);
    // Entries in number order.
    EXPECT_LT(one.find("{401,"), one.find("{705,"));
    const std::string two = TableSource("nuvset2", "Nuvset2Resources", pack);
    EXPECT_NE(two.find("{101, ResourceKind::Bitmap"), std::string::npos);
    EXPECT_EQ(two.find("kSound401"), std::string::npos);
    const std::string none = TableSource("nuvset2", "Nuvset2Resources", ResourcePack());
    EXPECT_NE(none.find("static const ResourceLibrary lib{\"nuvset2\", {}};"), std::string::npos);
    EXPECT_EQ(none.find("Bytes("), std::string::npos);
}

TEST(ResourcePack, KeepsVariantsAndRefusesWhatIsNotTheScaledDrawing) {
    auto scaled = [](GeneratedBitmap b, float scale) {
        b.scale = scale;
        return b;
    };
    ResourcePack pack;
    pack.AddBitmap(scaled(Disc(705, 64, 1), 2.0f));                                  // kept
    pack.AddBitmap(scaled(Disc(706, 24, 1), 1.5f));                                  // kept
    pack.AddBitmap(scaled(Disc(705, 64, 1), 2.0f));                                  // twice
    pack.AddBitmap(scaled(Disc(705, 40, 1), 1.25f));                                 // not a scale
    pack.AddBitmap(scaled(Disc(706, 31, 1), 2.0f));                                  // wrong size
    pack.AddBitmap(scaled(Disc(777, 32, 1), 2.0f));                                  // not listed
    pack.AddBitmap(scaled({"nuvset1", 707, 1, Image(192, 192, 0xFF808080u)}, 3.0f)); // grey
    ASSERT_EQ(pack.variants().size(), 2u);
    EXPECT_TRUE(pack.resources().empty());
    const auto& e = pack.errors();
    EXPECT_EQ(e.size(), 5u);
    EXPECT_TRUE(Mentions(e, "nuvset1/705@2x.png: generated twice"));
    EXPECT_TRUE(Mentions(e, "nuvset1: bitmap 705 at 1.25x: not a scale the libraries carry"));
    EXPECT_TRUE(Mentions(e, "nuvset1/706@2x.png: 31x31 pixels, the scaled size is 32x32"));
    EXPECT_TRUE(Mentions(e, "nuvset1: bitmap 777 at 2x is not in the resource list"));
    EXPECT_TRUE(Mentions(e, "nuvset1/707@3x.png: a mask with pixels that are neither black"));
    // The variant is a PNG of the drawing, pixel for pixel.
    const DecodeResult d = DecodePng(pack.variants()[0].bytes, "705@2x");
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.image.pixels, Disc(705, 64, 1).image.pixels);
    // Every listed bitmap but these two still lacks a variant at each scale.
    const auto missing = pack.MissingVariants();
    EXPECT_EQ(std::count(missing.begin(), missing.end(), "nuvset1/705@2x.png"), 0);
    EXPECT_EQ(std::count(missing.begin(), missing.end(), "nuvset1/705@3x.png"), 1);
    EXPECT_EQ(std::count(missing.begin(), missing.end(), "nuvset1/706@1.5x.png"), 0);
}

TEST(ResourcePack, LibrarySourceListsTheVariantsByNumberAndScale) {
    ResourcePack pack;
    pack.AddBitmap(Disc(705, 32, 1));
    GeneratedBitmap fine = Disc(705, 48, 1);
    fine.scale = 1.5f;
    pack.AddBitmap(fine);
    ASSERT_TRUE(pack.errors().empty()) << pack.errors().front();
    const std::string one = TableSource("nuvset1", "Nuvset1Resources", pack);
    EXPECT_NE(one.find("{705, 1.5, {Bytes(kBitmap705At1_5), sizeof(kBitmap705At1_5) - 1}}"),
              std::string::npos);
    EXPECT_NE(one.find("lib{\"nuvset1\", entries, variants}"), std::string::npos);
    // A library without numbered bitmaps carries no variants either.
    ResourcePack onlyFine;
    onlyFine.AddBitmap(fine);
    const std::string none = TableSource("nuvset1", "Nuvset1Resources", onlyFine);
    EXPECT_EQ(none.find("kBitmap705At1_5"), std::string::npos);
}

} // namespace nk::resgen
