// Reading untrusted files safely and replacing files atomically.
#include "support/file_io.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace nk {
namespace {

namespace fs = std::filesystem;

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports the result of the close.
    int Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 ? 0 : ::close(fd);
    }

private:
    int fd_;
};

std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISREG(mode)) return {};
    return "not a regular file";
}

std::string Errno(int err) {
    return std::strerror(err);
}

// Opens for reading without waiting on a FIFO or a device, and checks what was opened.
// On failure returns -1 with `err` set and `kind` naming a file that is not regular.
int OpenRegular(const std::string& path, int& err, std::string& kind) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        kind = KindOf(st.st_mode);
        err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        err = errno;
        return -1;
    }
    // The name may have changed between the two looks: what was opened decides.
    if (::fstat(fd, &st) != 0) {
        err = errno;
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        kind = KindOf(st.st_mode);
        err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return -1;
    }
    return fd;
}

// The running program's start, in seconds since the epoch; 0 when unknown.
std::time_t ProgramStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) return 0;
    // The command name in parentheses may hold spaces: the fields start after the last ')'.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    unsigned long long ticks = 0;
    for (int i = 3; i <= 22 && fields >> field; ++i)
        if (i == 22) ticks = std::strtoull(field.c_str(), nullptr, 10);
    std::ifstream all("/proc/stat");
    std::string key;
    unsigned long long boot = 0;
    while (all >> key)
        if (key == "btime") {
            all >> boot;
            break;
        }
    const long hz = ::sysconf(_SC_CLK_TCK);
    if (boot == 0 || hz <= 0) return 0;
    return static_cast<std::time_t>(boot + ticks / static_cast<unsigned long long>(hz));
}

// The marker that makes a temporary file the kit's own: ".<name>" + kTemporaryMarker + six
// characters of mkstemp's alphabet. No other name is ever taken for one of the kit's files.
constexpr std::string_view kTemporaryMarker = ".nuvelkit-tmp-";

// True only for a name that carries the marker for `name`, ending in exactly six characters
// of mkstemp's alphabet.
bool IsTemporaryOf(std::string_view entry, std::string_view name) {
    const std::string prefix = "." + std::string(name) + std::string(kTemporaryMarker);
    if (entry.size() != prefix.size() + 6 || !entry.starts_with(prefix)) return false;
    const std::string_view suffix = entry.substr(prefix.size());
    return std::all_of(suffix.begin(), suffix.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// The file a save of `path` replaces: the end of a chain of symbolic links, else `path`.
std::string FollowLinks(const std::string& path, std::string& error) {
    fs::path current(path);
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(current, ec);
        if (ec || !fs::is_symlink(st)) return current.string();
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            error = path + ": cannot read the symbolic link: " + ec.message();
            return {};
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    error = path + ": too many levels of symbolic links";
    return {};
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Flushes a folder's entries (the rename) to the disk.
int SyncFolder(const fs::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int rc = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // Some file systems cannot sync a folder; the file itself is already on the disk.
    return rc == EINVAL || rc == EROFS ? 0 : rc;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The mode the new file takes, or an error when the old file must not be replaced.
std::string ModeFor(const std::string& target, const std::string& named, mode_t& mode, int& err) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT) return named + ": " + Errno(err = errno);
        mode = NewFileMode();
        return {};
    }
    if (!S_ISREG(st.st_mode)) {
        err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return named + ": is " + KindOf(st.st_mode) + ", not a file that can be replaced";
    }
    // The owner's write permission decides even for a user the system lets write anyway.
    if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
        err = EACCES;
        return named + ": the file is write-protected; it was not replaced";
    }
    mode = st.st_mode & 07777;
    return {};
}

// One replacement; on failure `err` holds the errno value of the step that failed.
std::string ReplaceFileOnce(const std::string& path, std::string_view bytes, int& err) {
    std::string error;
    const std::string target = FollowLinks(path, error);
    if (target.empty()) return error;
    mode_t mode = 0;
    error = ModeFor(target, path, mode, err);
    if (!error.empty()) return error;

    const fs::path file(target);
    const fs::path dir = file.has_parent_path() ? file.parent_path() : fs::path(".");
    RemoveStaleTemporaries(target);
    std::string tmp = (dir / TemporaryPattern(file.filename().string())).string();
    Descriptor fd(::mkstemp(tmp.data()));
    if (fd.get() < 0) {
        err = errno;
        return path + ": cannot open for writing: no temporary file can be made in " +
               dir.string() + ": " + Errno(err);
    }
    // Every way out from here either renames the temporary file or removes it.
    auto fail = [&](const std::string& what) {
        err = errno;
        fd.Close();
        ::unlink(tmp.c_str());
        return path + ": " + what + ": " + Errno(err);
    };
    if (!WriteAll(fd.get(), bytes)) return fail("cannot write the temporary file");
    if (::fchmod(fd.get(), mode) != 0) return fail("cannot set the file's permissions");
    if (::fsync(fd.get()) != 0) return fail("cannot flush the temporary file");
    if (fd.Close() != 0) return fail("cannot close the temporary file");
    if (std::rename(tmp.c_str(), target.c_str()) != 0) return fail("cannot replace the file");
    if ((err = SyncFolder(dir)) != 0)
        return path + ": saved, but the folder could not be flushed: " + Errno(err);
    return {};
}

} // namespace

FileBytes ReadRegularFile(const std::string& path, std::uint64_t maxBytes, std::string_view what) {
    FileBytes out;
    auto fail = [&](const std::string& problem) {
        out.bytes.clear();
        out.error = path + ": " + problem;
        return std::move(out);
    };
    int err = 0;
    std::string kind;
    Descriptor fd(OpenRegular(path, err, kind));
    if (fd.get() < 0) {
        if (!kind.empty()) return fail("is " + kind + ", not a " + std::string(what));
        return fail("cannot open the " + std::string(what) + ": " + Errno(err));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return fail("cannot read the " + std::string(what) + ": " + Errno(errno));
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (size > maxBytes)
        return fail("the " + std::string(what) + " has " + std::to_string(size) +
                    " bytes, more than the " + std::to_string(maxBytes) + " bytes allowed");
    try {
        out.bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return fail("not enough memory to read the " + std::string(what) + " of " +
                    std::to_string(size) + " bytes");
    }
    std::size_t done = 0;
    while (done < out.bytes.size()) {
        const ssize_t n = ::read(fd.get(), out.bytes.data() + done, out.bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail("cannot read the " + std::string(what) + ": " + Errno(errno));
        if (n == 0) return fail("the " + std::string(what) + " shrank while it was read");
        done += static_cast<std::size_t>(n);
    }
    return out;
}

int ProbeRegularFile(const std::string& path) {
    int err = 0;
    std::string kind;
    const int fd = OpenRegular(path, err, kind);
    if (fd < 0) return err;
    ::close(fd);
    return 0;
}

std::string NonRegularKind(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return KindOf(st.st_mode);
}

std::string TemporaryPattern(std::string_view name) {
    return "." + std::string(name) + std::string(kTemporaryMarker) + "XXXXXX";
}

int RemoveStaleTemporaries(const std::string& target) {
    const fs::path file(target);
    const fs::path dir = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string name = file.filename().string();
    const std::time_t start = ProgramStart();
    if (start == 0) return 0;
    DIR* folder = ::opendir(dir.c_str());
    if (folder == nullptr) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (!IsTemporaryOf(entry->d_name, name)) continue;
        const fs::path tmp = dir / entry->d_name;
        struct stat st {};
        // Only a regular file of this user's: never a link, a folder or another user's file.
        if (::lstat(tmp.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        // A file written since the program started may belong to a save in progress.
        if (st.st_mtime >= start) continue;
        if (::unlink(tmp.c_str()) == 0) ++removed;
    }
    ::closedir(folder);
    return removed;
}

std::string WriteProblem(const std::string& path) {
    std::string error;
    const std::string target = FollowLinks(path, error);
    if (target.empty()) return error;
    mode_t mode = 0;
    int err = 0;
    error = ModeFor(target, path, mode, err);
    if (!error.empty()) return error;
    const fs::path file(target);
    const fs::path dir = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (::access(dir.c_str(), W_OK | X_OK) != 0)
        return path + ": cannot open for writing: " + Errno(errno);
    return {};
}

std::string ReplaceFile(const std::string& path, std::string_view bytes, int* cause) {
    int err = 0;
    std::string error = ReplaceFileOnce(path, bytes, err);
    if (cause) *cause = error.empty() ? 0 : err;
    return error;
}

} // namespace nk
