// The printing of a run's lines: the `> ` echoes, the command results and, through the same
// sink, every request the recording host sees. Nothing prints once the run has stopped.
#pragma once

#include "host/hosts/recording_host.h"

#include <iosfwd>
#include <string>

namespace nk::script {

class Printer {
public:
    explicit Printer(std::ostream& out) : sink_(out) {}
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The sink the recording host prints the control's requests to.
    TraceSink& sink() { return sink_; }
    void Line(const std::string& line) { sink_.Line(line); }

    // Nothing prints from now on: the run has stopped.
    void Silence() { sink_.SetMuted(true); }

private:
    TraceSink sink_;
};

} // namespace nk::script
