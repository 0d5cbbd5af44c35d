// PassedInput: each click, key and mouse notification raises the event of the same name,
// under the number the control's own enumeration gives it, with the notification's
// arguments in order.
#include "framework/passed_input.h"
#include "host/hosts/headless_host.h"
#include "tests/probe_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace nk {
namespace {

// A control that passes everything on, numbered in the reverse of the usual order so that
// a notification raising a neighbour's number shows.
class Relay final : public PassedInput<Relay> {
public:
    enum class Event : int {
        Click = 8,
        DblClick = 7,
        KeyDown = 6,
        KeyPress = 5,
        KeyUp = 4,
        MouseDown = 3,
        MouseMove = 2,
        MouseUp = 1,
    };
    explicit Relay(Host& host) : host_(host) {}
    const InterfaceTable& Interface() const override { return probe::ProbeClass(); }

private:
    friend PassedInput<Relay>;
    Host& host_;
};

// "number:arg,arg,...", the arguments as the handler reads them through their references.
std::string Describe(int number, std::span<const EventArg> args) {
    std::string text = std::to_string(number) + ":";
    for (const EventArg& arg : args) {
        std::visit([&](auto* p) { text += std::to_string(*p) + ","; }, arg);
    }
    return text;
}

struct Case {
    const char* name;
    std::function<void(Relay&)> notify;
    std::string raised;
};

TEST(PassedInput, EachNotificationRaisesItsOwnEventWithItsArguments) {
    const Case cases[] = {
        {"Click", [](Relay& r) { r.Click(); }, "8:"},
        {"DblClick", [](Relay& r) { r.DblClick(); }, "7:"},
        {"KeyDown", [](Relay& r) { r.KeyDown(65, 1); }, "6:65,1,"},
        {"KeyPress", [](Relay& r) { r.KeyPress(97); }, "5:97,"},
        {"KeyUp", [](Relay& r) { r.KeyUp(66, 2); }, "4:66,2,"},
        {"MouseDown", [](Relay& r) { r.MouseDown(1, 0, 5.5f, 6); }, "3:1,0,5.500000,6.000000,"},
        {"MouseMove", [](Relay& r) { r.MouseMove(0, 4, 7, 8.25f); }, "2:0,4,7.000000,8.250000,"},
        {"MouseUp", [](Relay& r) { r.MouseUp(2, 1, 9, 10); }, "1:2,1,9.000000,10.000000,"},
    };
    for (const Case& c : cases) {
        HeadlessHost host(probe::ProbeClass());
        std::vector<std::string> raised;
        host.hooks().onEvent = [&](const EventInfo*, int number, std::span<const EventArg> args) {
            raised.push_back(Describe(number, args));
        };
        Relay relay(host);
        c.notify(relay);
        EXPECT_EQ(raised, std::vector<std::string>{c.raised}) << c.name;
    }
}

} // namespace
} // namespace nk
