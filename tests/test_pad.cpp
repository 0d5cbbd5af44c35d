// NuvelPad through the headless host's C++ API: the direction table of every input path,
// single-precision steps, what an event handler sees, and the hot zones' index range.
#include "framework/pic_styles.h"
#include "host/forms/json_bag.h"
#include "host/hosts/compose.h"
#include "host/hosts/control_site.h"
#include "set2/pad/nuvel_pad.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace nk {
namespace {

class Pad : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(site.control(), nullptr);
        site.host().hooks().onEvent = [this](const EventInfo* info, int,
                                             std::span<const EventArg>) {
            events.push_back(info ? std::string(info->name) : "?");
            if (info && onEvent) onEvent(*info);
        };
        site.InitProperties();
        events.clear();
    }

    NuvelPad& Self() { return *static_cast<NuvelPad*>(site.control()); }
    // The position as one step moves it, and the direction events raised on the way.
    std::string Moves() {
        std::string moves;
        for (const std::string& e : events)
            if (e.rfind("Go", 0) == 0) moves += e.substr(2) + " ";
        return moves;
    }

    ControlSite site{NuvelPadInterface()};
    std::vector<std::string> events;
    std::function<void(const EventInfo&)> onEvent;
};

TEST_F(Pad, KeyCodesStepByTheDirectionTable) {
    struct Case {
        std::int16_t keyCode;
        float dx, dy;
        const char* event;
    };
    const Case cases[] = {{37, -1, 0, "Left "}, {76, -1, 0, "Left "}, {39, 1, 0, "Right "},
                          {82, 1, 0, "Right "}, {38, 0, -1, "Up "},   {85, 0, -1, "Up "},
                          {40, 0, 1, "Down "},  {68, 0, 1, "Down "},  {65, 0, 0, ""},
                          {108, 0, 0, ""},      {0, 0, 0, ""},        {-37, 0, 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keyCode);
        const float x = Self().XValue(), y = Self().YValue();
        events.clear();
        site.KeyDown(c.keyCode, 0);
        EXPECT_EQ(Self().XValue() - x, c.dx);
        EXPECT_EQ(Self().YValue() - y, c.dy);
        EXPECT_EQ(Moves(), c.event);
        EXPECT_EQ(events.back(), "KeyDown");
    }
}

TEST_F(Pad, CharactersStepByTheDirectionTableInKeyPressAndAccessKeys) {
    struct Case {
        char character;
        float dx, dy;
    };
    const Case cases[] = {{'L', -1, 0}, {'l', -1, 0}, {'R', 1, 0}, {'r', 1, 0},
                          {'U', 0, -1}, {'u', 0, -1}, {'D', 0, 1}, {'d', 0, 1},
                          {'x', 0, 0},  {'%', 0, 0},  {'&', 0, 0}, {'(', 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.character);
        for (bool access : {false, true}) {
            const float x = Self().XValue(), y = Self().YValue();
            if (access)
                site.AccessKeyPress(c.character);
            else
                site.KeyPress(c.character);
            EXPECT_EQ(Self().XValue() - x, c.dx);
            EXPECT_EQ(Self().YValue() - y, c.dy);
        }
    }
}

TEST_F(Pad, EachZoneStepsAndHoldsItsOwnDirection) {
    const char* expected[] = {"Left ", "Right ", "Up ", "Down "};
    for (int zone = 0; zone < 4; ++zone) {
        SCOPED_TRACE(zone);
        events.clear();
        site.ChildMouseDown({"Image1", zone}, 1, 0, 2, 2);
        site.Call("TimerInvoke", {});
        site.ChildMouseUp({"Image1", zone}, 1, 0, 2, 2);
        site.Call("TimerInvoke", {});
        EXPECT_EQ(Moves(), std::string(expected[zone]) + expected[zone]);
    }
    EXPECT_EQ(Self().XValue(), 0);
    EXPECT_EQ(Self().YValue(), 0);
}

TEST_F(Pad, StepsAreSinglePrecision) {
    ASSERT_TRUE(site.Set("XValue", Variant::Double(0.1)));
    site.Call("TweakLeft", {});
    volatile float tenth = 0.1f;
    const float expected = tenth - 1.0f;
    EXPECT_EQ(Self().XValue(), expected);
    // In double precision the same step would give another number.
    EXPECT_NE(static_cast<double>(Self().XValue()), static_cast<double>(0.1f) - 1.0);

    ASSERT_TRUE(site.Set("YValue", Variant::Double(-16777216)));
    events.clear();
    site.Call("TweakUp", {});
    EXPECT_EQ(Self().YValue(), -16777216.0f);
    EXPECT_EQ(Moves(), "Up ");
    ASSERT_TRUE(site.Set("YValue", Variant::Double(16777215)));
    site.Call("TweakDown", {});
    site.Call("TweakDown", {});
    EXPECT_EQ(Self().YValue(), 16777216.0f);
    const std::optional<Variant> got = site.Get("YValue");
    ASSERT_TRUE(got);
    EXPECT_EQ(got->kind(), VariantKind::Single);
}

TEST_F(Pad, AHandlerSeesTheStepAlreadyMade) {
    std::vector<float> seen;
    onEvent = [&](const EventInfo& info) {
        if (info.name == "GoRight" || info.name == "GoDown") {
            seen.push_back(Self().XValue());
            seen.push_back(Self().YValue());
        }
    };
    site.Call("ForceRight", {});
    site.KeyDown(40, 0);
    EXPECT_EQ(seen, (std::vector<float>{1, 0, 1, 1}));
}

TEST_F(Pad, AHandlerCanMoveThePointBeforeTheRaisingMemberGoesOn) {
    // A GoUp handler that puts the point back: the step's XYRefresh follows the handler's.
    onEvent = [&](const EventInfo& info) {
        if (info.name == "GoUp") site.Set("YValue", Variant::Single(10));
    };
    site.Call("TweakUp", {});
    EXPECT_EQ(Self().YValue(), 10);
    EXPECT_EQ(events, (std::vector<std::string>{"GoUp", "XYRefresh", "XYRefresh"}));
}

TEST_F(Pad, ZoneNotificationsOutsideTheArrayAreIgnored) {
    site.Call("ForceLeft", {});
    site.ChildMouseDown({"Image1", 4}, 1, 0, 0, 0);
    site.ChildMouseUp({"Image1", -1}, 1, 0, 0, 0);
    site.Call("TimerInvoke", {});
    EXPECT_EQ(Moves(), "Left Left ") << "the held direction stays";
}

// The access keys follow the stored value through every path that applies them: only
// True (-1) gives "udlr"; 1, 2 and False give none. Each case is applied by the typed
// setter, then again by a save and by a load of what was saved.
TEST_F(Pad, AccessKeysAreOnlyForTrueOnEveryPathThatAppliesThem) {
    struct Case {
        VBool stored;
        const char* keys;
    };
    const Case cases[] = {{kTrue, "udlr"}, {1, ""}, {2, ""}, {kFalse, ""}, {-2, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        site.host().SetAccessKeys("?");
        Self().SetUseDirectionShortKeys(c.stored);
        EXPECT_EQ(site.host().accessKeys(), c.keys) << "setter";
        EXPECT_EQ(Self().UseDirectionShortKeys(), c.stored);

        JsonBag bag;
        site.host().SetAccessKeys("?");
        ASSERT_TRUE(site.WriteProperties(bag));
        EXPECT_EQ(site.host().accessKeys(), c.keys) << "save";

        Self().SetUseDirectionShortKeys(c.stored == kTrue ? kFalse : kTrue);
        site.host().SetAccessKeys("?");
        ASSERT_TRUE(site.ReadProperties(bag));
        EXPECT_EQ(site.host().accessKeys(), c.keys) << "load";
        EXPECT_EQ(Self().UseDirectionShortKeys(), c.stored) << "the load keeps the value";
    }
}

// The pixels the pad shows: each picture at its own size and place, over what was there.
class PadPixels : public Pad {
protected:
    // True when the surface shows bitmap `id` at its own size with its top-left at (x, y).
    ::testing::AssertionResult Shows(int id, int x, int y) {
        const Picture bitmap = site.host().LoadResPicture(id);
        if (!HasImage(bitmap)) return ::testing::AssertionFailure() << "no bitmap " << id;
        const Image& want = *bitmap->image();
        const Image& surface = site.host().surface().pixels();
        for (int j = 0; j < want.height; ++j)
            for (int i = 0; i < want.width; ++i)
                if (surface.At(x + i, y + j) != want.At(i, j))
                    return ::testing::AssertionFailure()
                           << "bitmap " << id << " differs at (" << i << ", " << j << ")";
        return ::testing::AssertionSuccess();
    }
};

TEST_F(PadPixels, HeldArrowsSitAtTheirPlacesOnEachSkin) {
    struct Arrow {
        const char* method;
        int id, x, y;
    };
    const Arrow military[] = {{"ForceLeft", 131, 31, 44},
                              {"ForceRight", 132, 87, 46},
                              {"ForceUp", 133, 52, 26},
                              {"ForceDown", 134, 51, 81}};
    const Arrow aquaish[] = {{"ForceLeft", 141, 13, 43},
                             {"ForceRight", 142, 90, 43},
                             {"ForceUp", 143, 45, 13},
                             {"ForceDown", 144, 45, 87}};
    const Arrow electronic[] = {{"ForceLeft", 151, 20, 35},
                                {"ForceRight", 152, 60, 35},
                                {"ForceUp", 153, 32, 22},
                                {"ForceDown", 154, 32, 63}};
    const Arrow* styles[] = {military, aquaish, electronic};
    for (int style = 0; style < 3; ++style) {
        ASSERT_TRUE(site.Set("NuvelStyle", Variant::Long(style)));
        for (int a = 0; a < 4; ++a) {
            const Arrow& arrow = styles[style][a];
            SCOPED_TRACE(arrow.id);
            site.Call(arrow.method, {});
            EXPECT_TRUE(Shows(arrow.id, arrow.x, arrow.y));
            site.Call("ForceNeutral", {});
            EXPECT_FALSE(Shows(arrow.id, arrow.x, arrow.y)) << "the skin shows again";
        }
    }
}

TEST_F(PadPixels, LightsShowTheirLitPictureOnlyForOne) {
    ASSERT_TRUE(site.Set("NuvelStyle", Variant::Long(NuvlAquaishDir)));
    EXPECT_TRUE(Shows(145, 113, 15));
    EXPECT_TRUE(Shows(147, 113, 44));
    ASSERT_TRUE(site.Set("StatusLight2", Variant::Integer(1)));
    EXPECT_TRUE(Shows(145, 113, 15));
    EXPECT_TRUE(Shows(148, 113, 44));
    ASSERT_TRUE(site.Set("StatusLight1", Variant::Integer(2)));
    EXPECT_TRUE(Shows(145, 113, 15));
    ASSERT_TRUE(site.Set("StatusLight1", Variant::Integer(1)));
    EXPECT_TRUE(Shows(146, 113, 15));
}

TEST_F(PadPixels, TheMaskCutsTheTopLeftCornerAndSurvivesAnUnknownStyle) {
    const Image shown = Compose(site.host());
    EXPECT_FALSE(ComposedPixel(shown, 0, 0)) << "the corner is see-through";
    EXPECT_TRUE(ComposedPixel(shown, 75, 60));
    ASSERT_TRUE(site.Set("NuvelStyle", Variant::Long(NuvlElectronicDir)));
    const Picture mask = site.host().maskPicture();
    ASSERT_TRUE(site.Set("NuvelStyle", Variant::Long(3)));
    EXPECT_EQ(site.host().maskPicture(), mask);
    const HeadlessZone* down = site.host().ZoneChild("Image1", 3);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(down->top(), 73) << "the electronic pad's down zone stays";
}

TEST_F(PadPixels, NothingIsPaintedOutsideTheTables) {
    const Image before = site.host().surface().pixels();
    ASSERT_TRUE(site.Set("PictureMode", Variant::Long(6)));
    site.Call("ForceDown", {});
    ASSERT_TRUE(site.Set("StatusLight1", Variant::Integer(1)));
    site.Paint();
    EXPECT_EQ(site.host().surface().pixels().pixels, before.pixels);
    ASSERT_TRUE(site.Set("PictureMode", Variant::Long(DoubleSize)));
    EXPECT_TRUE(Shows(134, 51, 81));
    EXPECT_TRUE(Shows(136, 123, 41));
}

TEST_F(PadPixels, HalfSizeShowsTheUpperHalfOfTheSkinAtFullSize) {
    ASSERT_TRUE(site.Set("PictureMode", Variant::Long(HalfSize)));
    EXPECT_EQ(site.host().ExtentWidth(), 150);
    EXPECT_EQ(site.host().ExtentHeight(), 60);
    const Picture skin = site.host().LoadResPicture(130);
    ASSERT_TRUE(HasImage(skin));
    const Image& surface = site.host().surface().pixels();
    for (int y : {20, 59})
        for (int x : {30, 100})
            EXPECT_EQ(surface.At(x, y), skin->image()->At(x, y)) << x << "," << y;
}

} // namespace
} // namespace nk
