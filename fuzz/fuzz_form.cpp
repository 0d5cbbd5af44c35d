// Feeds arbitrary text to form loading with every control class: it must load or refuse
// it with a message naming the source, and a loaded form must save to text that loads
// again.
#include "host/forms/form.h"
#include "kit/classes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const nk::InterfaceTable*> classes = nk::AllClasses();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    std::unique_ptr<nk::Form> form = nk::Form::FromJson(text, "fuzz.nkform", classes, error);
    if (!form) {
        if (error.rfind("fuzz.nkform: ", 0) != 0 || error.size() <= 13) std::abort();
        return 0;
    }
    const std::string saved = form->ToJson();
    if (!nk::Form::FromJson(saved, "saved.nkform", classes, error)) std::abort();
    return 0;
}
