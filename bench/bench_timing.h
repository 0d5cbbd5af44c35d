// The clock of the benchmarks that compare operations in one run: CPU time of this thread,
// so that other work on a busy machine does not blur the ratios.
#pragma once

#include <ctime>

namespace nk::bench {

inline double ThreadNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// CPU nanoseconds per call of fn, timed over a batch to keep the clock's own cost out.
template <typename Fn> double TimeBatch(Fn&& fn, int batch = 16) {
    const double start = ThreadNanoseconds();
    for (int i = 0; i < batch; ++i)
        fn();
    return (ThreadNanoseconds() - start) / batch;
}

} // namespace nk::bench
