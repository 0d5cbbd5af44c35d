// The process's picture cache: hosts share one decoded bitmap and variant, a variant is
// decoded only when drawn at its scale, entries go with their last user, first uses from two
// threads at once decode once, and a file loaded twice is one image until it changes.
#include "host/codec/codec.h"
#include "host/codec/picture_cache.h"
#include "host/hosts/control_site.h"
#include "host/surface/surface_canvas.h"
#include "probe_control.h"

#include <gtest/gtest.h>

#include <barrier>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace nk {

namespace {

// A library of its own for each test, so that no other user holds its pictures: bitmap 7
// (4 x 3, red) with variants at 1.5, 2 and 3 painted in colours of their own.
struct OwnLibrary {
    std::vector<std::uint8_t> fine15 = EncodePng(Image(6, 5, 0xFF00FF00u));
    std::vector<std::uint8_t> fine2 = EncodePng(Image(8, 6, 0xFF0000FFu));
    std::vector<std::uint8_t> fine3 = EncodePng(Image(12, 9, 0xFFFFFF00u));
    ResourceEntry entries[1] = {*probe::ProbeResources().Find(7, ResourceKind::Bitmap)};
    ResourceVariant variants[3] = {{7, 1.5, fine15}, {7, 2.0, fine2}, {7, 3.0, fine3}};
    ResourceLibrary library{"own", entries, variants};
    InterfaceTable table = [this] {
        InterfaceTable t = probe::ProbeClass();
        t.resources = &library;
        return t;
    }();
};

std::uint64_t Decoded() {
    return PictureCache::Shared().Decoded();
}

} // namespace

TEST(PictureCache, HostsShareOneDecodedPictureAndEachVariantIsDecodedAtItsScaleOnly) {
    OwnLibrary own;
    ControlSite first(own.table), second(own.table);
    const std::uint64_t before = Decoded();
    const Picture a = first.host().LoadResPicture(7);
    const Picture b = second.host().LoadResPicture(7);
    ASSERT_TRUE(HasImage(a));
    ASSERT_TRUE(HasImage(b));
    EXPECT_EQ(a->image(), b->image());
    EXPECT_EQ(Decoded() - before, 1u) << "the bitmap, once for both hosts, and no variant";
    ASSERT_EQ(a->variants().size(), 3u);
    EXPECT_EQ(a->variants()[2].width(), 12);
    EXPECT_EQ(a->variants()[2].height(), 9);

    // Drawn at its own size at scale 2: the 2x variant is decoded, and only that one.
    SurfaceCanvas canvas(4, 3, 0xFFFFFF, 0, Font{}, 2.0);
    canvas.PaintPicture(a, 0, 0, 4, 3);
    EXPECT_EQ(Decoded() - before, 2u);
    EXPECT_EQ(canvas.pixels().At(7, 5), 0xFF0000FFu);
    // The other host's picture has it already: the same image, not decoded again.
    EXPECT_EQ(b->VariantAt(2.0), a->VariantAt(2.0));
    EXPECT_EQ(Decoded() - before, 2u);
    // Stretched at scale 1, the picture's own image is the source: nothing is decoded.
    SurfaceCanvas plain(8, 8, 0xFFFFFF, 0, Font{}, 1.0);
    plain.PaintPicture(a, 0, 0, 8, 8);
    EXPECT_EQ(Decoded() - before, 2u);
    EXPECT_EQ(plain.pixels().At(4, 4), 0xFFFF0000u);
    // Stretched at a device scale, the finest is; the 1.5x variant is never asked for.
    SurfaceCanvas stretched(8, 8, 0xFFFFFF, 0, Font{}, 2.0);
    stretched.PaintPicture(a, 0, 0, 8, 8);
    EXPECT_EQ(Decoded() - before, 3u);
    EXPECT_EQ(stretched.pixels().At(8, 8), 0xFFFFFF00u);
}

TEST(PictureCache, AnEntryIsReleasedWithItsLastUser) {
    const std::size_t live = PictureCache::Shared().Live();
    std::weak_ptr<const Image> image, variant;
    {
        OwnLibrary own;
        Picture kept;
        {
            ControlSite site(own.table);
            kept = site.host().LoadResPicture(7);
            image = kept->shared_image();
            variant = kept->VariantAt(2.0);
            EXPECT_EQ(PictureCache::Shared().Live(), live + 1);
        }
        // The host is gone; the picture still holds the entry, and a new host finds it.
        ControlSite again(own.table);
        const std::uint64_t before = Decoded();
        EXPECT_EQ(again.host().LoadResPicture(7)->image(), kept->image());
        EXPECT_EQ(Decoded(), before);
        kept.reset();
    }
    EXPECT_TRUE(image.expired());
    EXPECT_TRUE(variant.expired());
    EXPECT_EQ(PictureCache::Shared().Live(), live);
}

TEST(PictureCache, FirstUsesFromTwoThreadsAtOnceDecodeOnce) {
    for (int round = 0; round < 20; ++round) {
        OwnLibrary own;
        const std::uint64_t before = Decoded();
        std::barrier start(2);
        std::shared_ptr<const BuiltInPicture> seen[2];
        std::shared_ptr<const Image> fine[2];
        auto use = [&](int i) {
            std::string error;
            start.arrive_and_wait();
            seen[i] = PictureCache::Shared().BuiltIn(own.library, 7, error);
            if (seen[i] && seen[i]->variants.size() == 3) fine[i] = seen[i]->variants[2].image();
        };
        std::thread one(use, 0), two(use, 1);
        one.join();
        two.join();
        ASSERT_TRUE(seen[0] && seen[1]);
        EXPECT_EQ(seen[0], seen[1]);
        ASSERT_NE(fine[0], nullptr);
        EXPECT_EQ(fine[0], fine[1]);
        EXPECT_EQ(Decoded() - before, 2u) << "round " << round;
    }
}

TEST(PictureCache, AFileLoadedTwiceIsOneImageUntilItChanges) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("nk_cache_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "p.png").string();
    ASSERT_EQ(WritePng(Image(4, 3, 0xFF112233u), path), "");
    ASSERT_EQ(WritePng(Image(8, 6, 0xFF445566u), (dir / "p@2x.png").string()), "");
    std::string error;
    const Picture a = PictureCache::Shared().File(path, "a", error);
    const Picture b = PictureCache::Shared().File(path, "b", error);
    ASSERT_TRUE(a && b) << error;
    EXPECT_EQ(a->image(), b->image());
    EXPECT_EQ(a->VariantAt(2.0), b->VariantAt(2.0));
    EXPECT_EQ(a->label(), "a");
    EXPECT_EQ(b->label(), "b");

    // A new picture under the same name is loaded anew: here the 2x image beside it no longer
    // fits it, and the file that does not is named.
    ASSERT_EQ(WritePng(Image(5, 3, 0xFF778899u), path), "");
    EXPECT_EQ(PictureCache::Shared().File(path, "c", error), nullptr);
    EXPECT_NE(error.find("p@2x.png"), std::string::npos) << error;
    std::filesystem::remove(dir / "p@2x.png");
    const Picture d = PictureCache::Shared().File(path, "d", error);
    ASSERT_TRUE(d) << error;
    EXPECT_EQ(d->Width(), 5);
    EXPECT_TRUE(d->variants().empty());
    EXPECT_EQ(b->image()->At(0, 0), 0xFF112233u) << "what was handed out stays as it was";
    std::filesystem::remove_all(dir);
}

// A variant is checked whole when its bitmap is loaded, though its pixels wait: a damaged or
// cut one is left out then and named.
TEST(PictureCache, CheckPngFindsWhatDecodingWould) {
    const std::vector<std::uint8_t> good = EncodePng(Image(8, 6, 0xFF0000FFu));
    std::vector<std::uint8_t> damaged = good;
    damaged[good.size() - 20] ^= 0x55; // inside the pixel data
    const std::vector<std::uint8_t> cut(good.begin(), good.end() - 16);
    std::vector<std::uint8_t> huge = good;
    huge[16] = 0x7F; // a width beyond every limit
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* error;
    };
    const Case cases[] = {
        {"whole", good, ""},
        {"damaged", damaged, "fails its checksum"},
        {"cut", cut, "truncated"},
        {"too wide", huge, "pixels a side"},
        {"not a PNG", {1, 2, 3}, "truncated PNG header"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PngShape shape = CheckPng(c.bytes, "res:7@2x");
        if (*c.error == '\0') {
            EXPECT_TRUE(shape.ok()) << shape.error;
            EXPECT_EQ(shape.width, 8);
            EXPECT_EQ(shape.height, 6);
            continue;
        }
        EXPECT_NE(shape.error.find(c.error), std::string::npos) << shape.error;
        EXPECT_EQ(shape.error.rfind("res:7@2x: ", 0), 0u) << shape.error;
    }
}

} // namespace nk
