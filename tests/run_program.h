// Runs the `nuvelkit` program of the build as a user would and collects what it printed.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace nk::testing_program {

// A name in the temporary folder that no other test run, of this or another build, uses.
inline std::string TempName(const std::string& what) {
    return ::testing::TempDir() + "nk_prog_" + std::to_string(getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + what;
}

inline std::string Program() {
    return std::string(NK_BINARY_DIR) + "/bin/nuvelkit";
}

// Runs the program with `args` (a shell command line), returning its exit status (or -1
// when it did not exit normally) and what it printed on both streams, through a log file
// of the test's own, since tests may run side by side.
inline int RunProgram(const std::string& args, std::string& printed) {
    const std::string log = TempName(".log");
    const int status = std::system((Program() + " " + args + " >" + log + " 2>&1").c_str());
    std::ifstream in(log);
    std::ostringstream text;
    text << in.rdbuf();
    printed = text.str();
    std::remove(log.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace nk::testing_program
