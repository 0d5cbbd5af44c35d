#include "host/hosts/call_guard.h"

#include <exception>

namespace nk {

namespace {

// Counts a call in for as long as it runs, however it ends.
class DepthScope {
public:
    explicit DepthScope(int& depth) : depth_(depth) { ++depth_; }
    ~DepthScope() { --depth_; }
    DepthScope(const DepthScope&) = delete;
    DepthScope& operator=(const DepthScope&) = delete;

private:
    int& depth_;
};

} // namespace

std::string ThrewMessage(CallSide side, std::string_view what, const char* detail) {
    std::string message;
    switch (side) {
    case CallSide::Control:
        message = "the control threw in " + std::string(what);
        break;
    case CallSide::Container:
        message = "the container's handler of " + std::string(what) + " threw";
        break;
    case CallSide::Creation:
        message = "creating " + std::string(what) + " threw";
        break;
    }
    if (detail) message += std::string(": ") + detail;
    return message;
}

bool CallGuard::Run(CallSide side, std::string_view what, const std::function<void()>& fn) {
    if (depth_ >= kMaxNesting) {
        Report("calls nested more than " + std::to_string(kMaxNesting) + " deep at " +
               std::string(what) +
               " (does an event handler call back into the control without end?)");
        return false;
    }
    DepthScope scope(depth_);
    try {
        fn();
        return true;
    } catch (const std::exception& e) {
        Report(ThrewMessage(side, what, e.what()));
    } catch (...) {
        Report(ThrewMessage(side, what, nullptr));
    }
    return false;
}

void CallGuard::Report(const std::string& message) const {
    if (report_) report_(message);
}

} // namespace nk
