// The window at a device scale, under SDL's dummy drivers (whose drawable is as large as the
// window): a form asked to draw at 1.5 or 2 gets a window of that many pixels per form pixel,
// shows exactly the headless composition at that scale, and its pointer input stays logical;
// a form scaled after its controls were placed draws as one placed at that scale.
#include "env_var.h"
#include "host/forms/form.h"
#include "host/window/window_host.h"
#include "kit/classes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace nk {
namespace {

TEST(WindowScale, AScaleTheScreenDoesNotGiveMakesTheWindowLarger) {
    struct Case {
        double asked, ratio, points;
    };
    for (const Case c :
         {Case{0, 1, 1}, Case{1, 1, 1}, Case{2, 1, 2}, Case{1.5, 1, 1.5}, Case{3, 1, 3},
          Case{2, 2, 1}, Case{1, 2, 1}, Case{3, 2, 1.5}, Case{2, 0, 2}, Case{2, 0.5, 2}}) {
        SCOPED_TRACE("scale " + std::to_string(c.asked) + " on ratio " + std::to_string(c.ratio));
        EXPECT_DOUBLE_EQ(PointsPerPixel(c.asked, c.ratio), c.points);
    }
}

// A form with a round button (see-through corners), a skinned button and a check box.
void Populate(Form& form) {
    ASSERT_NE(form.Add("NuvelSphere", "Sphere1", 10, 10), nullptr);
    ASSERT_NE(form.Add("NuvelCommand", "Command1", 60, 10, 120, 40), nullptr);
    ASSERT_NE(form.Add("NuvelCheck", "Check1", 10, 70, 150, 24), nullptr);
}

class ScaledWindow : public ::testing::TestWithParam<double> {
protected:
    EnvVar video_{"SDL_VIDEODRIVER", "dummy"};
    EnvVar audio_{"SDL_AUDIODRIVER", "dummy"};
    std::vector<const InterfaceTable*> classes_ = AllClasses();
};

TEST_P(ScaledWindow, ShowsTheHeadlessCompositionAtThatScale) {
    const double scale = GetParam();
    Form form(classes_, {.width = 200, .height = 110});
    Populate(form);
    Form reference(classes_, {.width = 200, .height = 110});
    reference.SetScale(scale);
    Populate(reference);

    WindowHost window(form, {.frames = 1, .startSound = false, .scale = scale});
    ASSERT_TRUE(window.ok()) << window.error();
    window.Frame(1000);
    EXPECT_DOUBLE_EQ(form.scale(), scale);
    EXPECT_DOUBLE_EQ(window.pointsPerPixel(), scale);
    const Image expected = reference.Compose();
    ASSERT_EQ(expected.width, std::lround(200 * scale));
    EXPECT_EQ(window.shown().width, expected.width);
    EXPECT_EQ(window.shown().height, expected.height);
    EXPECT_EQ(window.shown().pixels, expected.pixels);
    const Image pixels = window.WindowPixels();
    ASSERT_EQ(pixels.width, expected.width);
    ASSERT_EQ(pixels.height, expected.height);
    EXPECT_EQ(pixels.pixels, window.shown().pixels);
}

TEST_P(ScaledWindow, PointerInputReachesTheControlInLogicalPixels) {
    const double scale = GetParam();
    Form form(classes_, {.width = 200, .height = 110});
    Populate(form);
    std::vector<std::string> seen;
    form.SetObserver([&](FormControl& c, const EventInfo* info, int, auto args) {
        if (!info || info->name != "MouseDown") return;
        seen.push_back(c.name() + " " + std::to_string(std::lround(*std::get<float*>(args[2]))) +
                       " " + std::to_string(std::lround(*std::get<float*>(args[3]))));
    });
    WindowHost window(form, {.frames = 1, .startSound = false, .scale = scale});
    ASSERT_TRUE(window.ok()) << window.error();
    window.Frame(1000);
    struct Case {
        int x, y;          // form pixels
        const char* event; // what the control under it hears; "" for nothing
    };
    for (const Case c :
         {Case{100, 30, "Command1 40 20"}, Case{30, 30, "Sphere1 20 20"},
          Case{11, 11, ""} /* the sphere's see-through corner */, Case{20, 80, "Check1 10 10"}}) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        seen.clear();
        // The window's points: the form pixel times the points per pixel.
        const int px = static_cast<int>(std::lround(c.x * window.pointsPerPixel()));
        const int py = static_cast<int>(std::lround(c.y * window.pointsPerPixel()));
        window.PostMouseButton(true, 1, px, py);
        window.PostMouseButton(false, 1, px, py);
        window.Pump();
        window.Frame(1010);
        EXPECT_EQ(seen, std::string(c.event).empty() ? std::vector<std::string>{}
                                                     : std::vector<std::string>{c.event});
    }
    // What the presses changed was presented, at the scale.
    EXPECT_EQ(window.shown().pixels, form.Compose().pixels);
}

TEST_P(ScaledWindow, AHoverPresentsOnlyTheButtonAndTheFrameFollowsIt) {
    const double scale = GetParam();
    Form form(classes_, {.width = 300, .height = 100});
    FormControl* a = form.Add("NuvelCommand", "A", 10, 10, 120, 40);
    ASSERT_NE(form.Add("NuvelCommand", "B", 150, 10, 120, 40), nullptr);
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->Set("CoolButton", Variant::Boolean(kTrue)));
    WindowHost window(form, {.frames = 1, .startSound = false, .scale = scale});
    ASSERT_TRUE(window.ok()) << window.error();
    window.Frame(1000);
    // The window's growth to the scale's size arrives as an event and presents all again.
    window.Pump();
    window.Frame(1010);
    const int before = window.presented().count;
    const int px = static_cast<int>(std::lround(50 * window.pointsPerPixel()));
    window.PostMouseMotion(px, px / 2);
    window.Pump();
    window.Frame(1050);
    ASSERT_EQ(window.presented().count, before + 1) << "the hover look changed";
    for (const PixelBox& area : window.presented().last)
        EXPECT_EQ(Intersect(area, {10, 10, 130, 50}), area) << "outside the hovered button";
    EXPECT_EQ(window.shown().pixels, form.Compose().pixels);
    EXPECT_EQ(window.WindowPixels().pixels, window.shown().pixels);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledWindow, ::testing::Values(1.0, 1.5, 2.0));

TEST(WindowScale, AScaleAskedForThatIsNoDeviceScaleTakesTheNearest) {
    EnvVar video("SDL_VIDEODRIVER", "dummy");
    EnvVar audio("SDL_AUDIODRIVER", "dummy");
    const auto classes = AllClasses();
    for (const auto& [asked, taken] :
         {std::pair{2.2, 2.0}, std::pair{1.3, 1.5}, std::pair{7.0, 3.0}, std::pair{0.5, 1.0}}) {
        SCOPED_TRACE(asked);
        Form form(classes, {.width = 50, .height = 40});
        WindowHost window(form, {.frames = 1, .startSound = false, .scale = asked});
        ASSERT_TRUE(window.ok()) << window.error();
        window.Frame(1000);
        EXPECT_DOUBLE_EQ(form.scale(), taken);
        EXPECT_EQ(window.WindowPixels().width, std::lround(50 * taken));
    }
}

// Where two images of one size differ: how many pixels and the first ("" when none).
std::string Differences(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height) return "another size";
    int count = 0;
    std::string first;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.At(x, y) != b.At(x, y) && count++ == 0)
                first = std::to_string(x) + "," + std::to_string(y);
    return count == 0 ? "" : std::to_string(count) + " pixels, the first at " + first;
}

// A form placed at 1 and scaled afterwards (the window's screen changed) draws what a form
// placed at the new scale draws, every class; and back at 1 it is as it was.
TEST(FormScale, ControlsPlacedAlreadyDrawAgainAtTheNewScale) {
    const auto classes = AllClasses();
    const auto build = [&](Form& form) {
        int x = 0;
        for (const InterfaceTable* table : classes) {
            ASSERT_NE(form.Add(table->className, std::string(table->className) + "1", x, 0),
                      nullptr);
            x += 10 + form.controls().back()->width();
        }
        form.settings().width = x;
        form.settings().height = 200;
    };
    Form form(classes);
    build(form);
    const Image atOne = form.Compose();
    for (const double scale : {2.0, 1.5, 3.0}) {
        SCOPED_TRACE(scale);
        form.SetScale(scale);
        Form placed(classes);
        placed.SetScale(scale);
        build(placed);
        const Image want = placed.Compose();
        const Image got = form.Compose();
        ASSERT_EQ(got.width, want.width);
        ASSERT_EQ(got.height, want.height);
        EXPECT_EQ(got.pixels, want.pixels);
        for (size_t i = 0; i < form.controls().size(); ++i) {
            const HeadlessHost& host = form.controls()[i]->host();
            EXPECT_DOUBLE_EQ(host.surface().scale(), scale) << host.table().className;
            EXPECT_EQ(Differences(host.surface().pixels(),
                                  placed.controls()[i]->host().surface().pixels()),
                      "")
                << host.table().className;
        }
    }
    form.SetScale(1.0);
    EXPECT_EQ(form.Compose().pixels, atOne.pixels);
}

} // namespace
} // namespace nk
