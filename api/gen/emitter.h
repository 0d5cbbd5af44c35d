// An emitter turns the model into files: the typed C++ API, its documentation, its checks.
// Each emitter is independent of the others and sees only the model.
#pragma once

#include "api/gen/model.h"

#include <memory>
#include <string>
#include <vector>

namespace nk::apigen {

struct OutputFile {
    std::string path; // relative to the output folder: "include/nuvelkit/NuvelCommand.h"
    std::string text;
};

class Emitter {
public:
    virtual ~Emitter() = default;
    virtual std::vector<OutputFile> Emit(const ApiModel& model) const = 0;
};

// include/nuvelkit/<Class>.h per class, include/nuvelkit/enums.h, include/nuvelkit/nuvelkit.h.
std::unique_ptr<Emitter> MakeTypedApiEmitter();
// api.md: every class, member, method, event and enumeration.
std::unique_ptr<Emitter> MakeDocsEmitter();
// api_checks.cpp: compile-time checks that every member is present with its C++ type.
std::unique_ptr<Emitter> MakeChecksEmitter();
// qt/widgets.h and qt/widgets.cpp: a Qt widget class per control on the Qt host.
std::unique_ptr<Emitter> MakeQtEmitter();
// python/nuvelkit.sip and python/members.json: the PyQt6 bindings of the Qt classes.
std::unique_ptr<Emitter> MakeSipEmitter();
// quick/items.h and quick/items.cpp: a Qt Quick item class per control on the item host.
std::unique_ptr<Emitter> MakeQuickEmitter();

} // namespace nk::apigen
