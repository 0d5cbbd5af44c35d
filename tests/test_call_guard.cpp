// The boundary every call between a control and its container crosses: the wording of each
// fault, the result, and the nesting limit with its count kept right however a call ends.
#include "host/hosts/call_guard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace nk {
namespace {

TEST(CallGuard, EachFaultIsWordedForTheSideThatThrew) {
    struct Case {
        CallSide side;
        std::string what;
        std::function<void()> fn;
        bool completes;
        std::string report; // "" when nothing is reported
    };
    const std::vector<Case> cases = {
        {CallSide::Control, "Paint", [] {}, true, ""},
        {CallSide::Control, "Paint", [] { throw std::runtime_error("no pen"); }, false,
         "the control threw in Paint: no pen"},
        {CallSide::Control, "KeyDown", [] { throw 7; }, false, "the control threw in KeyDown"},
        {CallSide::Container, "event 3", [] { throw std::logic_error("bad"); }, false,
         "the container's handler of event 3 threw: bad"},
        {CallSide::Container, "the change of Caption", [] { throw 'x'; }, false,
         "the container's handler of the change of Caption threw"},
        {CallSide::Creation, "NuvelCommand", [] { throw std::runtime_error(""); }, false,
         "creating NuvelCommand threw: "},
    };
    for (const Case& c : cases) {
        std::vector<std::string> reports;
        CallGuard guard([&](const std::string& m) { reports.push_back(m); });
        EXPECT_EQ(guard.Run(c.side, c.what, c.fn), c.completes) << c.report;
        EXPECT_EQ(reports, c.report.empty() ? std::vector<std::string>{}
                                            : std::vector<std::string>{c.report});
        EXPECT_EQ(guard.depth(), 0) << c.report;
    }
}

TEST(CallGuard, CallsNestOnlyUpToTheLimit) {
    std::vector<std::string> reports;
    CallGuard guard([&](const std::string& m) { reports.push_back(m); });
    int deepest = 0;
    std::function<void()> dive = [&] {
        deepest = std::max(deepest, guard.depth());
        guard.Run(CallSide::Control, "Ping", dive);
    };
    EXPECT_TRUE(guard.Run(CallSide::Control, "Ping", dive));
    EXPECT_EQ(deepest, kMaxNesting);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "calls nested more than 64 deep at Ping (does an event handler call "
                          "back into the control without end?)");
    EXPECT_EQ(guard.depth(), 0);

    // A call that throws from deep inside is counted out on its way up as well.
    int levels = 0;
    std::function<void()> throwAtTen = [&] {
        if (++levels == 10) throw std::runtime_error("deep");
        guard.Run(CallSide::Container, "event 1", throwAtTen);
    };
    EXPECT_TRUE(guard.Run(CallSide::Container, "event 1", throwAtTen));
    EXPECT_EQ(guard.depth(), 0);
}

TEST(CallGuard, AnEmptyReportStillGuards) {
    CallGuard guard({});
    EXPECT_FALSE(guard.Run(CallSide::Control, "Click", [] { throw 1; }));
    EXPECT_EQ(guard.depth(), 0);
}

} // namespace
} // namespace nk
