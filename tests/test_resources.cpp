// The embedded resource libraries against the resource list, and the roles of the masks,
// faces and backgrounds as the controls use them.
#include "host/codec/codec.h"
#include "resources/generator.h"
#include "resources/resource_list.h"
#include "resources/resource_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>
#include <unistd.h>

namespace nk {

namespace {

using resgen::ResourceSpec;

const ResourceLibrary& LibraryOf(std::string_view name) {
    return name == "nuvset1" ? Nuvset1Resources() : Nuvset2Resources();
}

// The decoded bitmap of a library, or an image of size 0 with a test failure.
Image Load(std::string_view library, int id) {
    const ResourceEntry* e = LibraryOf(library).Find(id, ResourceKind::Bitmap);
    if (e == nullptr) {
        ADD_FAILURE() << library << " has no bitmap " << id;
        return {};
    }
    DecodeResult d = DecodeBmp(e->bytes, std::string(library) + " res:" + std::to_string(id));
    if (!d.ok()) ADD_FAILURE() << d.error;
    return d.image;
}

struct Rgb8 {
    int r, g, b;
};
Rgb8 Split(std::uint32_t px) {
    return {static_cast<int>((px >> 16) & 0xFF), static_cast<int>((px >> 8) & 0xFF),
            static_cast<int>(px & 0xFF)};
}
double Luma(std::uint32_t px) {
    const Rgb8 c = Split(px);
    return (0.299 * c.r + 0.587 * c.g + 0.114 * c.b) / 255.0;
}
bool IsBlack(std::uint32_t px) {
    return (px & 0xFFFFFFu) == 0;
}
bool IsWhite(std::uint32_t px) {
    return (px & 0xFFFFFFu) == 0xFFFFFFu;
}

// Mean and standard deviation of the luma over a rectangle [x0, x1) x [y0, y1).
std::pair<double, double> LumaStats(const Image& img, int x0, int y0, int x1, int y1) {
    double sum = 0, sum2 = 0;
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const double l = Luma(img.At(x, y));
            sum += l;
            sum2 += l * l;
            ++n;
        }
    const double mean = sum / n;
    return {mean, std::sqrt(std::max(0.0, sum2 / n - mean * mean))};
}

} // namespace

TEST(ResourceList, NumbersAreUniqueAndShapesAreSane) {
    std::set<std::tuple<std::string_view, int, ResourceKind>> seen;
    for (const ResourceSpec& s : resgen::ResourceList()) {
        EXPECT_TRUE(seen.insert({s.library, s.id, s.kind}).second)
            << s.library << " " << s.id << " listed twice";
        EXPECT_TRUE(s.library == "nuvset1" || s.library == "nuvset2");
        if (s.kind == ResourceKind::Bitmap) {
            EXPECT_GT(s.width, 0) << s.id;
            EXPECT_GT(s.height, 0) << s.id;
            EXPECT_TRUE(s.depth == 1 || s.depth == 8 || s.depth == 24) << s.id;
        } else {
            EXPECT_GT(s.bytes, 44) << s.id;
        }
    }
    // Both libraries have a bitmap 101, and they are different pictures.
    const ResourceSpec* a = resgen::FindResourceSpec("nuvset1", 101, ResourceKind::Bitmap);
    const ResourceSpec* b = resgen::FindResourceSpec("nuvset2", 101, ResourceKind::Bitmap);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->width, 250);
    EXPECT_EQ(b->width, 17);
    EXPECT_EQ(resgen::FindResourceSpec("nuvset2", 401, ResourceKind::Sound), nullptr);
}

TEST(ResourceList, ChecksNameTheResourceAndWhatDiffers) {
    const ResourceSpec* s = resgen::FindResourceSpec("nuvset1", 407, ResourceKind::Bitmap);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(resgen::CheckBitmap(*s, 32, 32, 24), "");
    const std::string e = resgen::CheckBitmap(*s, 31, 32, 8);
    EXPECT_NE(e.find("nuvset1/407.bmp"), std::string::npos) << e;
    EXPECT_NE(e.find("31 x 32, expected 32 x 32"), std::string::npos) << e;
    EXPECT_NE(e.find("depth 8 bits, expected 24"), std::string::npos) << e;
    const ResourceSpec* w = resgen::FindResourceSpec("nuvset1", 402, ResourceKind::Sound);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(resgen::CheckSound(*w, 3940), "");
    EXPECT_NE(resgen::CheckSound(*w, 3941).find("3941 bytes, expected 3940"), std::string::npos);
}

TEST(ResourceLibraries, EveryListedResourceIsEmbeddedWithItsSizeAndDepth) {
    for (const ResourceSpec& s : resgen::ResourceList()) {
        SCOPED_TRACE(resgen::ResourcePath(s));
        const ResourceEntry* e = LibraryOf(s.library).Find(s.id, s.kind);
        ASSERT_NE(e, nullptr) << "missing from its library";
        if (s.kind == ResourceKind::Sound) {
            EXPECT_EQ(e->bytes.size(), static_cast<size_t>(s.bytes));
            ASSERT_GE(e->bytes.size(), 12u);
            EXPECT_TRUE(std::equal(e->bytes.begin(), e->bytes.begin() + 4, "RIFF"));
            continue;
        }
        const DecodeResult d = DecodeBmp(e->bytes, resgen::ResourcePath(s));
        ASSERT_TRUE(d.ok()) << d.error;
        EXPECT_EQ(d.image.width, s.width);
        EXPECT_EQ(d.image.height, s.height);
        EXPECT_EQ(d.image.bitsPerPixel, s.depth);
    }
}

TEST(ResourceLibraries, EachCarriesOnlyItsOwnResources) {
    for (const ResourceLibrary* lib : {&Nuvset1Resources(), &Nuvset2Resources()}) {
        for (const ResourceEntry& e : lib->entries)
            EXPECT_NE(resgen::FindResourceSpec(lib->name, e.id, e.kind), nullptr)
                << lib->name << " carries " << e.id << ", which is not listed for it";
    }
    EXPECT_EQ(Nuvset2Resources().Find(401, ResourceKind::Sound), nullptr);
    EXPECT_EQ(Nuvset2Resources().Find(550, ResourceKind::Bitmap), nullptr);
    const Image set1 = Load("nuvset1", 101);
    const Image set2 = Load("nuvset2", 101);
    EXPECT_NE(set1.width, set2.width);
}

TEST(ResourceLibraries, DepthsAreReal) {
    for (const ResourceSpec& s : resgen::ResourceList()) {
        if (s.kind != ResourceKind::Bitmap) continue;
        SCOPED_TRACE(resgen::ResourcePath(s));
        const Image img = Load(s.library, s.id);
        std::set<std::uint32_t> colours(img.pixels.begin(), img.pixels.end());
        if (s.depth == 1) {
            for (std::uint32_t c : colours)
                EXPECT_TRUE(IsBlack(c) || IsWhite(c)) << std::hex << c;
        } else if (s.depth == 8) {
            EXPECT_LE(colours.size(), 256u);
        }
        // Every drawing has something in it: no flat single-colour bitmaps.
        if (s.width * s.height >= 16) {
            EXPECT_GT(colours.size(), 1u);
        }
    }
}

TEST(ResourceRoles, SphereMasksAreDiscsTouchingAllFourEdges) {
    for (int id : {705, 706, 707}) {
        SCOPED_TRACE(id);
        const Image m = Load("nuvset1", id);
        ASSERT_GT(m.width, 0);
        const int n = m.width;
        ASSERT_EQ(m.height, n);
        const double r = n / 2.0;
        auto rowHasBlack = [&](int y) {
            for (int x = 0; x < n; ++x)
                if (IsBlack(m.At(x, y))) return true;
            return false;
        };
        auto colHasBlack = [&](int x) {
            for (int y = 0; y < n; ++y)
                if (IsBlack(m.At(x, y))) return true;
            return false;
        };
        EXPECT_TRUE(rowHasBlack(0) && rowHasBlack(n - 1) && colHasBlack(0) && colHasBlack(n - 1));
        EXPECT_TRUE(IsWhite(m.At(0, 0)) && IsWhite(m.At(n - 1, 0)) && IsWhite(m.At(0, n - 1)) &&
                    IsWhite(m.At(n - 1, n - 1)));
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const double d = std::hypot(x + 0.5 - r, y + 0.5 - r);
                if (d < r - 1.0) {
                    EXPECT_TRUE(IsBlack(m.At(x, y))) << x << "," << y;
                }
                if (d > r + 0.5) {
                    EXPECT_TRUE(IsWhite(m.At(x, y))) << x << "," << y;
                }
            }
    }
}

TEST(ResourceRoles, PillMasksAreRectanglesEndingInHalfDiscs) {
    for (int id : {700, 701, 702}) {
        SCOPED_TRACE(id);
        const Image m = Load("nuvset1", id);
        ASSERT_GT(m.width, 0);
        const int w = m.width, h = m.height;
        const double r = h / 2.0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                // Distance from the capsule's spine, the segment from (r, r) to (w - r, r).
                const double cx = std::clamp(x + 0.5, r, w - r);
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - r);
                if (d < r - 1.0) {
                    EXPECT_TRUE(IsBlack(m.At(x, y))) << x << "," << y;
                }
                if (d > r + 0.5) {
                    EXPECT_TRUE(IsWhite(m.At(x, y))) << x << "," << y;
                }
            }
        // The straight middle is black from the top edge to the bottom edge.
        for (int y = 0; y < h; ++y)
            EXPECT_TRUE(IsBlack(m.At(w / 2, y))) << y;
        EXPECT_TRUE(IsWhite(m.At(0, 0)) && IsWhite(m.At(w - 1, h - 1)));
    }
}

TEST(ResourceRoles, PadMasksAreSeeThroughOnlyAtTheTopLeft) {
    for (int id : {137, 149, 157}) {
        SCOPED_TRACE(id);
        const Image m = Load("nuvset2", id);
        ASSERT_GT(m.width, 0);
        EXPECT_TRUE(IsWhite(m.At(0, 0))) << "the top-left corner is see-through";
        int white = 0;
        for (int y = 0; y < m.height; ++y)
            for (int x = 0; x < m.width; ++x) {
                if (!IsWhite(m.At(x, y))) continue;
                ++white;
                EXPECT_TRUE(x < m.width / 4 && y < m.height / 4)
                    << "see-through at " << x << "," << y;
            }
        EXPECT_LT(white, m.width * m.height / 16) << "the see-through region is small";
    }
}

TEST(ResourceRoles, SphereFacesAreLitFromTheUpperLeft) {
    for (int id = 300; id <= 309; ++id) {
        SCOPED_TRACE(id);
        const Image f = Load("nuvset1", id);
        ASSERT_EQ(f.width, 32);
        // The specular highlight: the brightest pixel of the ball is up and to the left.
        int bx = 0, by = 0;
        double best = -1;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                if (std::hypot(x + 0.5 - 16, y + 0.5 - 16) > 15) continue;
                if (Luma(f.At(x, y)) > best) best = Luma(f.At(x, y)), bx = x, by = y;
            }
        EXPECT_LT(bx, 16);
        EXPECT_LT(by, 16);
        EXPECT_GT(best, 0.85);
        // The pressed face is a different, darker picture of the same ball.
        const Image p = Load("nuvset1", id + 100);
        EXPECT_LT(LumaStats(p, 4, 4, 28, 28).first, LumaStats(f, 4, 4, 28, 28).first);
    }
}

TEST(ResourceRoles, PillFacesAreGlossyAndPressingThemDarkens) {
    for (int style = 0; style < 8; ++style) {
        SCOPED_TRACE(550 + style);
        const Image rest = Load("nuvset1", 550 + style);
        const Image pressed = Load("nuvset1", 560 + style);
        ASSERT_EQ(rest.width, 175);
        // The gloss: the band under the top edge is light, and lighter than the band below.
        const double top = LumaStats(rest, 30, 3, 145, 9).first;
        EXPECT_GT(top, 0.75);
        EXPECT_GT(top, LumaStats(rest, 30, 16, 145, 22).first + 0.03);
        EXPECT_LT(LumaStats(pressed, 20, 4, 155, 28).first, LumaStats(rest, 20, 4, 155, 28).first);
    }
}

TEST(ResourceRoles, BackgroundsHaveAGlossyTopAndACalmMiddle) {
    for (int id = 101; id <= 108; ++id) {
        SCOPED_TRACE(id);
        const Image bg = Load("nuvset1", id);
        ASSERT_EQ(bg.width, 250);
        const double topMean = LumaStats(bg, 20, 4, 230, 30).first;
        const double lowMean = LumaStats(bg, 20, 70, 230, 96).first;
        EXPECT_GT(topMean, lowMean) << "the highlight lies across the upper part";
        // Where the caption goes, the picture varies less than a busy texture would.
        const auto [midMean, midDev] = LumaStats(bg, 80, 42, 170, 58);
        EXPECT_LT(midDev, 0.08) << "mean " << midMean;
    }
}

TEST(ResourceRoles, DisabledLooksAreGrey) {
    for (int id : {204, 600, 601, 602}) {
        SCOPED_TRACE(id);
        const Image img = Load("nuvset1", id);
        int worst = 0;
        for (std::uint32_t px : img.pixels) {
            const Rgb8 c = Split(px);
            worst =
                std::max({worst, std::abs(c.r - c.g), std::abs(c.g - c.b), std::abs(c.r - c.b)});
        }
        EXPECT_LE(worst, 16); // the check glyph sits on the warm grey of the button face
    }
}

TEST(ResourceRoles, OnlyTheCheckedGlyphShowsATick) {
    auto greenPixels = [](const Image& img) {
        int n = 0;
        for (std::uint32_t px : img.pixels) {
            const Rgb8 c = Split(px);
            if (c.g > c.r + 40 && c.g > c.b + 20) ++n;
        }
        return n;
    };
    EXPECT_GT(greenPixels(Load("nuvset1", 202)), 25);
    for (int id : {201, 203, 204})
        EXPECT_EQ(greenPixels(Load("nuvset1", id)), 0) << id;
}

TEST(ResourceLibraries, EmbeddedBytesAreWhatTheGeneratorDraws) {
    // Drawing again gives the same bytes (nothing depends on time or chance), and the
    // embedding carries them unchanged.
    std::vector<resgen::GeneratedBitmap> drawn;
    resgen::GenerateSet1Bitmaps(drawn);
    ASSERT_FALSE(drawn.empty());
    for (const resgen::GeneratedBitmap& b : drawn) {
        const ResourceEntry* e = Nuvset1Resources().Find(b.id, ResourceKind::Bitmap);
        ASSERT_NE(e, nullptr) << b.id;
        const std::vector<std::uint8_t> bytes = EncodeBmp(b.image, b.bitsPerPixel);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), e->bytes.begin(), e->bytes.end()))
            << "bitmap " << b.id << " differs from its embedded file";
    }
}

TEST(ResourceExport, WritesEveryFileAndTheContactSheet) {
    const std::filesystem::path tool = std::filesystem::path(NK_BINARY_DIR) / "bin" / "nuvelkit";
    ASSERT_TRUE(std::filesystem::exists(tool)) << tool;
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("nk_export_test_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    const std::string cmd = tool.string() + " resources export '" + dir.string() + "' > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    for (const ResourceSpec& s : resgen::ResourceList()) {
        const std::filesystem::path f = dir / resgen::ResourcePath(s);
        ASSERT_TRUE(std::filesystem::exists(f)) << f;
        const ResourceEntry* e = LibraryOf(s.library).Find(s.id, s.kind);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(std::filesystem::file_size(f), e->bytes.size()) << f;
    }
    const DecodeResult sheet = LoadPictureFile((dir / "resources.png").string());
    ASSERT_TRUE(sheet.ok()) << sheet.error;
    // Wide and tall enough to hold the largest pieces at their real size.
    EXPECT_GE(sheet.image.width, 400);
    EXPECT_GE(sheet.image.height, 197 + 120 + 100);
    std::filesystem::remove_all(dir);
}

} // namespace nk
