// Files the kit reads from and writes for the user. Reading takes only regular files of a
// bounded size (a folder, a FIFO or a device is refused at once, never waited on or read
// without end); writing replaces a file atomically through a temporary file in the same
// folder, keeps the old file's permissions, follows a symbolic link to the file it names,
// refuses a write-protected file and leaves no temporary file behind on any failure.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

// Form files beyond this size are refused before they are read.
inline constexpr std::uint64_t kMaxFormFileBytes = std::uint64_t{64} << 20;

struct FileBytes {
    std::vector<std::uint8_t> bytes;
    std::string error; // "<path>: <problem>"; empty on success
    bool ok() const { return error.empty(); }
};

// Reads the whole file at `path`. `what` names the kind of file in messages ("form file",
// "picture file"); a file of more than `maxBytes` bytes is refused unread.
FileBytes ReadRegularFile(const std::string& path, std::uint64_t maxBytes, std::string_view what);

// Opens `path` for reading without blocking and closes it again: 0 when it is a regular
// file that can be read, else an errno value (EISDIR for a folder, EINVAL for a FIFO,
// a device or a socket, or the error of the open).
int ProbeRegularFile(const std::string& path);

// What a file that is not regular is, in words ("a folder", "a FIFO (named pipe)", ...);
// empty for a regular file or a name that does not exist.
std::string NonRegularKind(const std::string& path);

// Replaces the file at `path` with `bytes`. A new file gets the mode 0666 less the umask,
// a replaced file keeps its mode. Returns an error message naming the file, empty on
// success; on failure the old file is as it was and no temporary file remains.
// When `cause` is given it receives the errno value of a failure (0 when the failure has
// no system cause, such as a write-protected file).
std::string ReplaceFile(const std::string& path, std::string_view bytes, int* cause = nullptr);

// Why ReplaceFile could not write `path`, found without writing anything (so that a long
// work can be refused before it starts): a folder, a write-protected file, a folder that
// cannot be written; "" when nothing stands in the way.
std::string WriteProblem(const std::string& path);

// The temporary name pattern ReplaceFile uses beside `name`: ".<name>.nuvelkit-tmp-XXXXXX".
std::string TemporaryPattern(std::string_view name);

// Removes temporary files of ReplaceFile beside `target` that are older than the running
// program: what an earlier, interrupted save left behind. Only regular files of the user's
// that carry the kit's marker are touched; any other name (a user's "<name>.tmp2") is never
// removed. Returns how many it removed.
int RemoveStaleTemporaries(const std::string& target);

} // namespace nk
