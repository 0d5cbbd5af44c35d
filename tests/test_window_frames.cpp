// What the window presents, under SDL's dummy drivers: the whole form at first, nothing while
// the form is at rest, only the hovered button's area on a hover, the form's back colour
// beyond the form in a larger window; and the window that cannot open without a display.
#include "env_var.h"
#include "host/forms/form.h"
#include "host/window/window_host.h"
#include "kit/classes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace nk {
namespace {

class WindowFrames : public ::testing::Test {
protected:
    EnvVar video_{"SDL_VIDEODRIVER", "dummy"};
    EnvVar audio_{"SDL_AUDIODRIVER", "dummy"};
    std::vector<const InterfaceTable*> classes_ = AllClasses();
};

bool Inside(const PixelBox& inner, const PixelBox& outer) {
    return inner.Empty() || Intersect(inner, outer) == inner;
}

TEST_F(WindowFrames, TheDemoFormAtRestPresentsNothingAfterTheFirstFrame) {
    std::string error;
    auto form =
        Form::Load(std::string(NK_SOURCE_DIR) + "/examples/demo/demo.nkform", classes_, error);
    ASSERT_TRUE(form) << error;
    WindowHost window(*form, {.frames = 1, .startSound = false});
    ASSERT_TRUE(window.ok()) << window.error();
    window.Frame(1000);
    const FormSettings& s = form->settings();
    ASSERT_EQ(window.presented().count, 1);
    EXPECT_EQ(window.presented().last, (std::vector<PixelBox>{{0, 0, s.width, s.height}}));
    // Two seconds of timer steps, and a pointer that moves over the bare form.
    for (int t = 1050; t <= 3000; t += 50) {
        window.PostMouseMotion(s.width - 1 - t % 7, s.height - 2);
        window.Pump();
        window.Frame(static_cast<std::uint64_t>(t));
    }
    EXPECT_EQ(window.presented().count, 1);
    EXPECT_EQ(window.shown().pixels, form->Compose().pixels);
}

TEST_F(WindowFrames, AHoverPresentsNoMoreThanTheHoveredButton) {
    Form form(classes_, {.width = 800, .height = 400});
    for (int i = 0; i < 200; ++i) {
        const std::string name = "Command" + std::to_string(i);
        ASSERT_NE(form.Add("NuvelCommand", name, (i % 20) * 40, (i / 20) * 40, 38, 38), nullptr);
    }
    WindowHost window(form, {.frames = 1, .startSound = false});
    ASSERT_TRUE(window.ok()) << window.error();
    window.Frame(1000);
    const FormControl& hovered = *form.Find("Command47");
    const PixelBox place{hovered.left(), hovered.top(), hovered.left() + hovered.width(),
                         hovered.top() + hovered.height()};
    std::uint64_t now = 1000;
    for (const bool over : {true, false, true}) {
        SCOPED_TRACE(over ? "onto the button" : "off it, onto the gap beside it");
        const int before = window.presented().count;
        window.PostMouseMotion(over ? place.left + 10 : place.right + 1, place.top + 10);
        window.Pump();
        window.Frame(now += 50);
        ASSERT_EQ(window.presented().count, before + 1) << "the hover look changed";
        for (const PixelBox& area : window.presented().last)
            EXPECT_TRUE(Inside(area, place));
        EXPECT_EQ(window.shown().pixels, form.Compose().pixels);
        EXPECT_EQ(window.WindowPixels().pixels, window.shown().pixels);
    }
}

TEST_F(WindowFrames, ALargerWindowShowsTheFormsBackColourBeyondTheForm) {
    Form form(classes_, {.width = 100, .height = 60, .backColor = 0x0000FF}); // red
    ASSERT_NE(form.Add("NuvelCommand", "A", 0, 0, 100, 60), nullptr);
    WindowHost window(form, {.frames = 1, .startSound = false});
    ASSERT_TRUE(window.ok()) << window.error();
    window.Frame(1000);
    struct Case {
        int w, h;
        int expectW, expectH; // what the window gets
    };
    for (const Case c : {Case{160, 90, 160, 90}, Case{100, 200, 100, 200}, Case{40, 30, 100, 60}}) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        window.SetWindowSize(c.w, c.h);
        window.Pump();
        window.Frame(1010);
        const Image shown = window.WindowPixels();
        ASSERT_EQ(shown.width, c.expectW);
        ASSERT_EQ(shown.height, c.expectH);
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x) {
                const std::uint32_t want =
                    x < 100 && y < 60 ? window.shown().At(x, y) : 0xFFFF0000u;
                ASSERT_EQ(shown.At(x, y), want) << x << "," << y;
            }
    }
}

TEST(WindowScale, TheFormDrawsAtTheDrawablesScaleSnappedToASupportedOne) {
    struct Case {
        int dw, dh, ww, wh;
        double scale;
    };
    for (const Case c :
         {Case{200, 100, 200, 100, 1}, Case{400, 200, 200, 100, 2}, Case{480, 300, 200, 100, 2},
          Case{500, 250, 200, 100, 3}, Case{600, 200, 200, 100, 2}, Case{100, 50, 200, 100, 1},
          Case{300, 300, 0, 0, 1}, Case{300, 150, 200, 100, 1.5}, Case{250, 125, 200, 100, 1.5},
          Case{248, 124, 200, 100, 1}, Case{350, 175, 200, 100, 2}, Case{600, 300, 200, 100, 3},
          Case{1000, 500, 200, 100, 3}, Case{0, 0, 200, 100, 1}}) {
        SCOPED_TRACE(std::to_string(c.dw) + "x" + std::to_string(c.dh) + " in " +
                     std::to_string(c.ww) + "x" + std::to_string(c.wh));
        EXPECT_EQ(DrawableScale(c.dw, c.dh, c.ww, c.wh), c.scale);
    }
}

// Without a display and without a driver asked for, no window opens, and `nuvelkit run`
// says so in one line and exits with status 3. A headless driver asked for still opens one.
TEST(WindowWithoutDisplay, SaysSoAndExitsWithStatusThree) {
    const std::vector<const InterfaceTable*> classes = AllClasses();
    EnvVar display("DISPLAY", std::nullopt);
    EnvVar wayland("WAYLAND_DISPLAY", std::nullopt);
    EnvVar audio("SDL_AUDIODRIVER", "dummy");
    {
        EnvVar video("SDL_VIDEODRIVER", std::nullopt);
        Form form(classes, {.width = 50, .height = 50});
        WindowHost window(form, {.frames = 1, .startSound = false});
        EXPECT_FALSE(window.ok());
        EXPECT_EQ(window.error(), kNoDisplayMessage);

        const std::string log =
            ::testing::TempDir() + "nk_nodisplay_" + std::to_string(getpid()) + ".log";
        const std::string command = std::string(NK_BINARY_DIR) + "/bin/nuvelkit run " +
                                    NK_SOURCE_DIR + "/examples/demo/demo.nkform 2>" + log;
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 3);
        std::ifstream in(log);
        std::string line, ours;
        while (std::getline(in, line))
            if (line.find("no display") != std::string::npos) ours += line + "\n";
        EXPECT_EQ(ours, "error: " + std::string(kNoDisplayMessage) + "\n");
        std::remove(log.c_str());
    }
    for (const char* driver : {"dummy", "offscreen"}) {
        EnvVar video("SDL_VIDEODRIVER", driver);
        Form form(classes, {.width = 50, .height = 50});
        WindowHost window(form, {.frames = 1, .startSound = false});
        EXPECT_TRUE(window.ok()) << driver << ": " << window.error();
    }
}

} // namespace
} // namespace nk
