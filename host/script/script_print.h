// The printing of a run's lines: the `> ` echoes and the command results go straight out,
// every request the recording host sees goes through the trace sink. `quiet` mutes the trace
// sink for one command; nothing prints once the run has stopped.
#pragma once

#include "host/hosts/recording_host.h"

#include <iosfwd>
#include <string>

namespace nk::script {

class Printer {
public:
    explicit Printer(std::ostream& out) : out_(out), sink_(out) {}
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The sink the recording host prints the control's requests to.
    TraceSink& sink() { return sink_; }
    // A line of the script's own: an echo, a value, a bag, a method's error. A quiet command
    // still prints these.
    void Line(const std::string& line);

    // Nothing prints from now on: the run has stopped.
    void Silence();

    // While one lives, the control's requests print nothing; scopes nest, and the requests
    // print again when the outermost one ends.
    class Quiet {
    public:
        explicit Quiet(Printer& p) : p_(p) { p_.Hush(1); }
        ~Quiet() { p_.Hush(-1); }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

    private:
        Printer& p_;
    };

private:
    void Hush(int change);

    std::ostream& out_;
    TraceSink sink_;
    int quiet_ = 0;
    bool stopped_ = false;
};

} // namespace nk::script
