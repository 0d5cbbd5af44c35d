// NuvelPad through the headless host's C++ API: the direction table of every input path,
// single-precision steps, what an event handler sees, and the hot zones' index range.
#include "host/headless_host.h"
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

} // namespace
} // namespace nk
