// Feeds arbitrary text to the script runner with every control class: it must run it or
// stop with an error line and a status, never crash. Scripts that would write files are
// skipped, so that the fuzzer writes nothing outside its corpus.
#include "host/script/script.h"
#include "kit/classes.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool WritesFiles(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("png") != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const nk::InterfaceTable*> classes = nk::AllClasses();
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (WritesFiles(text)) return 0;
    std::istringstream in(text);
    std::ostringstream out, err;
    const int status = nk::RunScript(in, out, err, classes);
    if (status != nk::kScriptDone && status != nk::kScriptError &&
        status != nk::kScriptControlFault)
        std::abort();
    if (status != nk::kScriptDone && err.str().empty()) std::abort();
    return 0;
}
