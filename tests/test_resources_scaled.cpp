// The built-in bitmaps painted finer for device scales above 1: each is the same picture as
// its numbered 1x bitmap, masks keep their shape, the drawings repeat byte for byte, and the
// host hands the finer images out with the picture.
#include "host/codec/codec.h"
#include "host/hosts/control_site.h"
#include "kit/classes.h"
#include "probe_control.h"
#include "resources/generator.h"
#include "resources/paint.h"
#include "resources/resource_list.h"
#include "resources/resource_pack.h"
#include "resources/resource_tables.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nk {

namespace {

using resgen::ResourceSpec;

const ResourceLibrary& LibraryOf(std::string_view name) {
    return name == "nuvset1" ? Nuvset1Resources() : Nuvset2Resources();
}

Image Decoded(const DecodeResult& d) {
    if (!d.ok()) ADD_FAILURE() << d.error;
    return d.image;
}

Image OneX(const ResourceSpec& s) {
    const ResourceEntry* e = LibraryOf(s.library).Find(s.id, ResourceKind::Bitmap);
    if (e == nullptr) return {};
    return Decoded(DecodeBmp(e->bytes, resgen::ResourcePath(s)));
}

Image VariantOf(const ResourceSpec& s, float scale) {
    const ResourceVariant* v = LibraryOf(s.library).FindVariant(s.id, scale);
    if (v == nullptr) return {};
    return Decoded(DecodePng(v->bytes, resgen::VariantPath(s, scale)));
}

int Channel(std::uint32_t px, int c) {
    return static_cast<int>((px >> (8 * c)) & 0xFF);
}

// The box average of each n x n block, per channel (n a whole number).
Image Reduce(const Image& big, int n) {
    Image out(big.width / n, big.height / n);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            std::uint32_t px = 0xFF000000u;
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int j = 0; j < n; ++j)
                    for (int i = 0; i < n; ++i)
                        sum += Channel(big.At(x * n + i, y * n + j), c);
                px |= static_cast<std::uint32_t>((sum + n * n / 2) / (n * n)) << (8 * c);
            }
            out.At(x, y) = px;
        }
    return out;
}

// The mean absolute difference per channel, 0..255.
double MeanDifference(const Image& a, const Image& b) {
    double sum = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        for (int c = 0; c < 3; ++c)
            sum += std::abs(Channel(a.pixels[i], c) - Channel(b.pixels[i], c));
    return sum / (3.0 * static_cast<double>(a.pixels.size()));
}

bool Opaque(std::uint32_t px) {
    return (px & 0xFFFFFFu) == 0;
}

} // namespace

TEST(ScaledResources, EveryBitmapHasItsVariantsAtTheScaledSizes) {
    for (const ResourceSpec& s : resgen::ResourceList()) {
        if (s.kind != ResourceKind::Bitmap) continue;
        for (float scale : resgen::kVariantScales) {
            SCOPED_TRACE(resgen::VariantPath(s, scale));
            const Image v = VariantOf(s, scale);
            ASSERT_GT(v.width, 0) << "missing from its library";
            EXPECT_EQ(v.width, paint::DeviceSize(s.width, scale));
            EXPECT_EQ(v.height, paint::DeviceSize(s.height, scale));
        }
    }
}

// The same picture painted finer: at 2x reduced by 2 it is the 1x bitmap, up to the 1x
// palette's dithering and the anti-aliasing of edges one device pixel wide.
TEST(ScaledResources, EveryBitmapAtTwiceReducedByTwoMatchesItsOneX) {
    for (const ResourceSpec& s : resgen::ResourceList()) {
        if (s.kind != ResourceKind::Bitmap) continue;
        SCOPED_TRACE(resgen::ResourcePath(s));
        const Image one = OneX(s);
        const Image two = VariantOf(s, 2.0f);
        ASSERT_EQ(two.width, 2 * one.width);
        ASSERT_EQ(two.height, 2 * one.height);
        const double mean = MeanDifference(Reduce(two, 2), one);
        // Within about 3% of full scale: the finest textures (the mosaic's grout lines, thinner
        // than a pixel at 1x) differ most. A mask's pixels are black or white, so a differing
        // pixel counts 255: this allows one pixel in 20 to flip along the outline.
        EXPECT_LT(mean, s.depth == 1 ? 12.75 : 8.0);
    }
}

TEST(ScaledResources, RoundMasksStayRoundAndSeeThroughAtTheCorners) {
    struct Case {
        int id;
        int scale;
    };
    const Case cases[] = {{705, 2}, {705, 3}, {706, 2}, {706, 3}, {707, 2}, {707, 3}};
    for (const Case& c : cases) {
        const ResourceSpec* s = resgen::FindResourceSpec("nuvset1", c.id, ResourceKind::Bitmap);
        ASSERT_NE(s, nullptr);
        SCOPED_TRACE(resgen::VariantPath(*s, static_cast<float>(c.scale)));
        const Image one = OneX(*s);
        const Image big = VariantOf(*s, static_cast<float>(c.scale));
        ASSERT_EQ(big.width, one.width * c.scale);
        const int n = big.width;
        // See-through corners (and the pixels beside them), an opaque centre.
        for (int x : {0, 1, n - 2, n - 1})
            for (int y : {0, 1, n - 2, n - 1})
                EXPECT_FALSE(Opaque(big.At(x, y))) << x << "," << y;
        EXPECT_TRUE(Opaque(big.At(n / 2, n / 2)));
        // Every device pixel is opaque exactly when its centre is inside the disc, but for
        // those within a device pixel of the outline.
        const double r = n / 2.0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const double d = std::hypot(x + 0.5 - r, y + 0.5 - r) - r;
                if (std::abs(d) > 1.0) {
                    EXPECT_EQ(Opaque(big.At(x, y)), d < 0) << x << "," << y;
                }
            }
        // Reduced by the scale, it is the 1x mask away from the edge's anti-aliasing.
        const Image reduced = Reduce(big, c.scale);
        const double r1 = one.width / 2.0;
        for (int y = 0; y < one.height; ++y)
            for (int x = 0; x < one.width; ++x) {
                if (std::abs(std::hypot(x + 0.5 - r1, y + 0.5 - r1) - r1) <= 1.0) continue;
                EXPECT_EQ(reduced.At(x, y), one.At(x, y)) << x << "," << y;
            }
    }
}

// The build painted the embedded variants; painting them again gives the same files.
TEST(ScaledResources, PaintingAgainGivesTheSameBytes) {
    using Group = void (*)(std::vector<resgen::GeneratedBitmap>&, float);
    struct Case {
        Group paint;
        float scale;
        const ResourceLibrary& library;
    };
    const Case cases[] = {{resgen::GenerateSet1Bitmaps, 2.0f, Nuvset1Resources()},
                          {resgen::GenerateSet2Bitmaps, 1.5f, Nuvset2Resources()}};
    for (const Case& c : cases) {
        std::vector<resgen::GeneratedBitmap> bitmaps;
        c.paint(bitmaps, c.scale);
        resgen::ResourcePack pack;
        for (const auto& b : bitmaps)
            pack.AddBitmap(b);
        ASSERT_TRUE(pack.errors().empty()) << pack.errors().front();
        ASSERT_EQ(pack.variants().size(), bitmaps.size());
        for (const resgen::PackedVariant& v : pack.variants()) {
            SCOPED_TRACE(resgen::VariantPath(*v.listed, c.scale));
            const ResourceVariant* embedded = c.library.FindVariant(v.listed->id, c.scale);
            ASSERT_NE(embedded, nullptr);
            EXPECT_TRUE(std::equal(v.bytes.begin(), v.bytes.end(), embedded->bytes.begin(),
                                   embedded->bytes.end()));
        }
    }
}

TEST(ScaledResources, LoadResPictureHandsOutTheVariantsOfBothLibraries) {
    struct Case {
        const InterfaceTable* cls;
        int id;
    };
    const Case cases[] = {
        {Nuvset1Classes().front(), 101}, // a background
        {Nuvset1Classes().front(), 705}, // a round mask
        {Nuvset2Classes().front(), 130}, // a pad's skin
        {Nuvset2Classes().front(), 30000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cls->resources->name) + " res:" + std::to_string(c.id));
        ControlSite site(*c.cls);
        const Picture p = site.host().LoadResPicture(c.id);
        ASSERT_TRUE(HasImage(p));
        ASSERT_EQ(p->variants().size(), 3u);
        const double scales[] = {1.5, 2.0, 3.0};
        for (size_t i = 0; i < 3; ++i) {
            const ScaledImage& v = p->variants()[i];
            EXPECT_EQ(v.scale(), scales[i]);
            const std::shared_ptr<const Image> image = v.image();
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(image->width, std::lround(p->Width() * v.scale()));
            EXPECT_EQ(image->height, std::lround(p->Height() * v.scale()));
            EXPECT_EQ(v.width(), image->width);
            EXPECT_EQ(v.height(), image->height);
            EXPECT_EQ(image->IsMonochrome(), p->image()->IsMonochrome());
        }
        EXPECT_EQ(p->Finest(), p->variants().back().image());
        EXPECT_EQ(p->VariantAt(2.0), p->variants()[1].image());
        // A second load shares the decoded variants.
        EXPECT_EQ(site.host().LoadResPicture(c.id)->variants()[2].image(),
                  p->variants()[2].image());
    }
}

// A library with damaged or mis-sized variants still loads its bitmaps: the bad variants are
// left out and named; a library without variants gives pictures without them.
TEST(ScaledResources, BadVariantsAreLeftOutAndNamed) {
    const ResourceEntry* red = probe::ProbeResources().Find(7, ResourceKind::Bitmap); // 4 x 3
    ASSERT_NE(red, nullptr);
    const DecodeResult redImage = DecodeBmp(red->bytes, "res:7");
    ASSERT_TRUE(redImage.ok());
    const std::vector<std::uint8_t> good = EncodePng(Image(8, 6, 0xFFFF0000u));
    const std::vector<std::uint8_t> small = EncodePng(Image(7, 6, 0xFFFF0000u));
    const std::vector<std::uint8_t> junk = {0x89, 'P', 'N', 'G', 1, 2, 3};
    struct Case {
        const char* what;
        ResourceVariant variant;
        size_t expected;
        const char* error;
    };
    const Case cases[] = {
        {"good", {7, 2.0, good}, 1, ""},
        {"not the scaled size", {7, 2.0, small}, 0, "res:7@2x: 7x6 pixels, expected 8x6"},
        {"not a PNG", {7, 2.0, junk}, 0, "res:7@2x"},
        {"scale 1", {7, 1.0, good}, 0, "a variant needs a scale above 1"},
        {"another bitmap's", {8, 2.0, good}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ResourceEntry entries[] = {*red};
        const ResourceVariant variants[] = {c.variant};
        const ResourceLibrary lib{"scaled", entries, variants};
        InterfaceTable table = probe::ProbeClass();
        table.resources = &lib;
        std::vector<std::string> faults;
        ControlSite::Options o;
        o.hooks.onFault = [&](const std::string& m) { faults.push_back(m); };
        ControlSite site(table, o);
        const Picture p = site.host().LoadResPicture(7);
        ASSERT_TRUE(HasImage(p));
        EXPECT_EQ(p->image()->pixels, redImage.image.pixels);
        EXPECT_EQ(p->variants().size(), c.expected);
        // A left-out variant is told to the container once, by its name and its problem.
        if (*c.error == '\0') {
            EXPECT_EQ(faults, std::vector<std::string>{});
        } else {
            ASSERT_EQ(faults.size(), 1u);
            EXPECT_NE(faults[0].find(c.error), std::string::npos) << faults[0];
        }
    }
    ControlSite old(probe::ProbeClass());
    const Picture p = old.host().LoadResPicture(7);
    ASSERT_TRUE(HasImage(p));
    EXPECT_TRUE(p->variants().empty());
    EXPECT_EQ(p->Finest(), p->shared_image());
}

} // namespace nk
