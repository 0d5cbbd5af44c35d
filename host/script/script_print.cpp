#include "host/script/script_print.h"

#include <ostream>

namespace nk::script {

void Printer::Line(const std::string& line) {
    if (stopped_) return;
    out_ << line << '\n';
}

void Printer::Silence() {
    stopped_ = true;
    sink_.SetMuted(true);
}

void Printer::Hush(int change) {
    quiet_ += change;
    sink_.SetMuted(stopped_ || quiet_ > 0);
}

} // namespace nk::script
