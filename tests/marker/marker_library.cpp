// A library that must not be loaded: its constructor leaves a file at the path the
// environment variable NK_MARKER_FILE names, so a test can tell whether any code of it ran.
#include <cstdio>
#include <cstdlib>

namespace {

__attribute__((constructor)) void LeaveMarker() {
    if (const char* path = std::getenv("NK_MARKER_FILE")) {
        if (std::FILE* f = std::fopen(path, "w")) {
            std::fputs("loaded\n", f);
            std::fclose(f);
        }
    }
}

} // namespace
