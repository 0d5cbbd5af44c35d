// The boundary between a control and its container. Every call across it, into the control
// or into a handler of the container, runs with each exception caught and reported, and no
// deeper than kMaxNesting calls inside one another: a handler that raises its own event
// again and again is stopped there instead of overflowing the stack. Either side goes on
// after a fault.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace nk {

inline constexpr int kMaxNesting = 64;

// What runs on the far side of a guarded call, which words its fault report.
enum class CallSide {
    Control,   // a notification or member of the control: "the control threw in Paint: ..."
    Container, // a handler of the container: "the container's handler of event 3 threw: ..."
    Creation,  // the class making an instance: "creating NuvelCommand threw: ..."
};

class CallGuard {
public:
    using FaultReport = std::function<void(const std::string& message)>;

    // `report` is told of every fault; it may be empty.
    explicit CallGuard(FaultReport report) : report_(std::move(report)) {}

    // Runs fn, `what` naming the call in a report; false when fn threw or the call would
    // nest deeper than kMaxNesting (then fn does not run).
    bool Run(CallSide side, std::string_view what, const std::function<void()>& fn);

    // How many guarded calls are running inside one another now.
    int depth() const { return depth_; }

private:
    void Report(const std::string& message) const;

    FaultReport report_;
    int depth_ = 0;
};

// The report of a call that threw; `detail` is the exception's text, nullptr when it has
// none.
std::string ThrewMessage(CallSide side, std::string_view what, const char* detail);

} // namespace nk
