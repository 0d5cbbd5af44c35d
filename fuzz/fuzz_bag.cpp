// Feeds arbitrary text to the JSON bag: it must parse or refuse it without crashing, a
// refusal must say why, and a parsed bag must write JSON that reads back to the same text.
#include "host/forms/json_bag.h"
// The reader is compiled into this target, not only linked from nk_host, so that the
// fuzzer's coverage instrumentation sees its branches (the libraries are built without it).
#include "host/forms/json_bag.cpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

nk::Picture Resolve(const std::string& name) {
    static const nk::Picture logo = nk::MakePicture(nk::Image(2, 2), "logo");
    return name == "logo" ? logo : nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    nk::JsonBag bag;
    std::string error;
    if (!bag.Parse(text, Resolve, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    // Writing and reading back must be stable: the second write equals the first.
    const std::string once = bag.ToJson();
    nk::JsonBag again;
    if (!again.Parse(once, Resolve, error)) std::abort();
    if (again.ToJson() != once) std::abort();
    return 0;
}
