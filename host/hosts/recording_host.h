// The recording host: wraps a headless host so that every request a control makes of its
// host prints one line, at the moment it is made, in the trace formats of
// `nuvelkit script` ("PropertyChanged Caption", "Line 0 0 10 10 0x00000000 BF",
// "Picture1.Move 16 0 167 42", "RaiseEvent 1 Click()"). Reads print nothing.
#pragma once

#include "host/hosts/headless_host.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace nk {

// Where trace lines go. A muted sink drops them (a script run that has stopped).
class TraceSink {
public:
    explicit TraceSink(std::ostream& out) : out_(&out) {}
    void Line(const std::string& line);
    void SetMuted(bool muted) { muted_ = muted; }
    bool muted() const { return muted_; }

private:
    std::ostream* out_;
    bool muted_ = false;
};

// A Host that prints each request to `sink` and forwards it to `inner`. Children are
// wrapped too, their lines prefixed with the child's name ("Image1(3).Move ...").
std::unique_ptr<Host> MakeRecordingHost(HeadlessHost& inner, TraceSink& sink);

// The RaiseEvent line: "RaiseEvent 3 MouseMove(Button=1, Shift=0, X=5, Y=5)".
std::string FormatRaiseEvent(const EventInfo* info, int number, std::span<const EventArg> args);

} // namespace nk
