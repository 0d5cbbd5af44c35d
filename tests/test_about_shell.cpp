// The desktop opener: how its outcome maps onto the shell codes, and that the address
// reaches it as one untouched argument. Fake openers are small scripts in a temporary folder.
#include "host/desktop/shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>

namespace nk {
namespace {

namespace fs = std::filesystem;

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "nk_shell_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Writes an opener script with the given body and returns its path.
    std::string Opener(const std::string& name, const std::string& body, bool executable = true) {
        const fs::path path = dir_ / name;
        std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
        chmod(path.c_str(), executable ? 0755 : 0644);
        return path.string();
    }

    int Open(const std::string& address, const std::string& program,
             std::chrono::milliseconds wait = std::chrono::milliseconds(5000)) {
        return OpenWithDesktop(address, OpenerOptions{program, wait});
    }

    std::string Slurp(const fs::path& path) {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir_;
};

TEST_F(ShellTest, ExitCodesOfTheOpenerMapOntoShellResults) {
    const std::string address = "https://www.quillon.example/";
    EXPECT_EQ(Open(address, Opener("ok", "exit 0")), kShellStarted);
    EXPECT_EQ(Open(address, Opener("syntax", "exit 1")), kShellUnknownError);
    EXPECT_EQ(Open(address, Opener("missing", "exit 2")), kShellAddressNotFound);
    EXPECT_EQ(Open(address, Opener("notool", "exit 3")), kShellNoAssociation);
    EXPECT_EQ(Open(address, Opener("failed", "exit 4")), kShellUnknownError);
    EXPECT_EQ(Open(address, Opener("denied", "exit 5")), kShellAccessDenied);
    EXPECT_EQ(Open(address, Opener("killed", "kill -9 $$")), kShellUnknownError);
}

TEST_F(ShellTest, AMissingOrForbiddenOpenerIsReported) {
    EXPECT_EQ(Open("https://x.example/", (dir_ / "no-such-opener").string()), kShellNoAssociation);
    EXPECT_EQ(Open("https://x.example/", "nk-no-such-opener-in-path"), kShellNoAssociation);
    EXPECT_EQ(Open("https://x.example/", Opener("plain", "exit 0", false)), kShellAccessDenied);
}

TEST_F(ShellTest, TheAddressIsOneArgumentNeverSeenByAShell) {
    const fs::path record = dir_ / "record";
    const fs::path trap = dir_ / "trap";
    const std::string opener =
        Opener("recorder", "printf '%s|%s' \"$#\" \"$1\" > '" + record.string() + "'");
    const std::string address = "https://x.example/?a=1&b=2;touch '" + trap.string() +
                                "' $(touch " + trap.string() + ") \"q\" `id`";
    EXPECT_EQ(Open(address, opener), kShellStarted);
    EXPECT_EQ(Slurp(record), "1|" + address);
    EXPECT_FALSE(fs::exists(trap));
}

TEST_F(ShellTest, AnAddressThatLooksLikeAnOptionIsRefusedUnopened) {
    const fs::path record = dir_ / "record";
    const std::string opener = Opener("recorder", "echo run > '" + record.string() + "'");
    EXPECT_EQ(Open("--manual", opener), kShellAddressNotFound);
    EXPECT_FALSE(fs::exists(record));
}

TEST_F(ShellTest, AnOpenerStillRunningAfterTheWaitCountsAsStarted) {
    // It would fail later; the result must not wait for that.
    const std::string opener = Opener("slow", "sleep 1\nexit 4");
    EXPECT_EQ(Open("https://x.example/", opener, std::chrono::milliseconds(50)), kShellStarted);
}

} // namespace
} // namespace nk
