#include "host/desktop/shell.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace nk {

namespace {

// The opener's own exit codes.
enum OpenerExit : int {
    kOpenerSuccess = 0,
    kOpenerFileMissing = 2,
    kOpenerToolMissing = 3,
    kOpenerNoPermission = 5,
};

int FromSpawnError(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return kShellNoAssociation;
    case EACCES:
    case EPERM:
        return kShellAccessDenied;
    case ENOMEM:
    case EAGAIN:
        return kShellOutOfResources;
    default:
        return kShellUnknownError;
    }
}

int FromExitStatus(int status) {
    if (!WIFEXITED(status)) return kShellUnknownError;
    switch (WEXITSTATUS(status)) {
    case kOpenerSuccess:
        return kShellStarted;
    case kOpenerFileMissing:
        return kShellAddressNotFound;
    case kOpenerToolMissing:
        return kShellNoAssociation;
    case kOpenerNoPermission:
        return kShellAccessDenied;
    default:
        return kShellUnknownError;
    }
}

// The opener's standard streams go nowhere: it must not read the container's input, and
// what it or the program it starts prints is not ours to show.
class SilentStreams {
public:
    SilentStreams() {
        ok_ = posix_spawn_file_actions_init(&actions_) == 0;
        if (!ok_) return;
        ok_ = posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0) == 0 &&
              posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0) == 0 &&
              posix_spawn_file_actions_adddup2(&actions_, 1, 2) == 0;
    }
    ~SilentStreams() { posix_spawn_file_actions_destroy(&actions_); }
    SilentStreams(const SilentStreams&) = delete;
    SilentStreams& operator=(const SilentStreams&) = delete;
    const posix_spawn_file_actions_t* get() const { return ok_ ? &actions_ : nullptr; }

private:
    posix_spawn_file_actions_t actions_{};
    bool ok_ = false;
};

// Waits up to `wait` for the child; the status when it ended, nothing when it still runs.
std::optional<int> WaitBriefly(pid_t pid, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return status;
        if (done < 0 && errno != EINTR) return 0; // reaped elsewhere: it did start
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

int OpenWithDesktop(const std::string& address, const OpenerOptions& options) {
    if (!address.empty() && address.front() == '-') return kShellAddressNotFound;

    std::string program = options.program;
    std::string argument = address;
    std::vector<char*> argv = {program.data(), argument.data(), nullptr};
    SilentStreams streams;
    pid_t pid = 0;
    const int error =
        posix_spawnp(&pid, program.c_str(), streams.get(), nullptr, argv.data(), environ);
    if (error != 0) return FromSpawnError(error);

    if (auto status = WaitBriefly(pid, options.wait)) return FromExitStatus(*status);
    // Still running: the opener has started something and is waiting for it. Reap it in
    // the background so that it leaves no zombie, and report the start.
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return kShellStarted;
}

} // namespace nk
