// The interface of NuvelScreen as its containers see it: its members in interface order,
// its events by number (double click and click first) and its design-time settings.
#include "framework/class_table.h"
#include "framework/shared_rows.h"
#include "resources/resource_tables.h"
#include "set1/screen/nuvel_screen.h"

#include <optional>
#include <utility>

namespace nk {

namespace {

MethodResult FileErrorResult(FileError error) {
    switch (error) {
    case FileError::None:
        return {};
    case FileError::FileNotFound:
        return {53, "File not found", {}};
    case FileError::PathNotFound:
        return {76, "Path not found", {}};
    case FileError::PathFileAccess:
        break;
    }
    return {75, "Path/File access error", {}};
}

} // namespace

// Each row gives its place in InitProperties (Init), and in ReadProperties and
// WriteProperties (Kept).
std::vector<PropertyInfo> NuvelScreen::Rows() {
    using C = NuvelScreen;
    return {
        NK_OWN_ROW(C, Long, ScreenType, screenType_)
            .Help("The frame's colour scheme: green, cyan, blue, or custom (no frame).")
            .Takes(kScreenTypesEnum)
            .Saved(Variant::Long(NKGreenScreen))
            .Init(1)
            .Kept(4, 4),
        NK_SURFACE_ROW(C, Integer, BorderStyle)
            .Help("0 no border, 1 a single line around the panel.")
            .Saved(Variant::Integer(0))
            .Kept(1, 1),
        SharedRows<C>::MousePointer("The pointer shown over the panel.").Kept(3, 3),
        SharedRows<C>::MouseIcon("A custom pointer picture.").Kept(2, 2, Via::Setter),
    };
}

namespace {

std::vector<MethodInfo> Methods() {
    return {
        SharedRows<NuvelScreen>::AboutMe("Shows the about dialog."),
        SharedRows<NuvelScreen>::InertTimerInvoke(
            "The kit's timer entry point; the panel has nothing to animate."),
        {"LoadScreenDataFile",
         {{"GFilename", ValueType::String}},
         [](Control& c, std::span<const Variant> args) {
             const auto name = args.empty() ? std::optional<std::string>{} : args[0].ToText();
             if (!name) return MethodResult{13, "Type mismatch", {}};
             return FileErrorResult(static_cast<NuvelScreen&>(c).LoadScreenDataFile(*name));
         },
         "Opens the named file and closes it again; a file error reaches the caller."},
    };
}

std::vector<EventInfo> Events() {
    // The screen's event interface lists DblClick before Click.
    std::vector<EventInfo> events = KeyMouseEvents<NuvelScreen::Event>(MouseArgs("x", "y"));
    std::swap(events[0], events[1]);
    return events;
}

} // namespace

const InterfaceTable& NuvelScreenInterface() {
    static const InterfaceTable table = MakeInterfaceTable<NuvelScreen>(
        {.className = "NuvelScreen",
         .library = "nuvset1",
         .typeLibrary = "Nuvelkit3",
         .designWidth = 320,
         .designHeight = 256},
        NuvelScreen::Rows(), Methods(), Events(), {}, Nuvset1Resources());
    return table;
}

} // namespace nk
