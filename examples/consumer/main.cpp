// An application built against the installed kit: it gets the kit's classes with
// nk::OpenKitLibraries (the control libraries next to the installed libnuvelkit, or those the
// component registry records), prints the interface of NuvelCommand, places a button on a
// form and draws the form headless. Usage: consumer
#include "host/forms/form.h"
#include "host/loading/library_loader.h"

#include <cstdio>
#include <string>

int main() {
    std::string error;
    nk::KitLibraries kit = nk::OpenKitLibraries(error);
    if (!error.empty()) {
        std::fprintf(stderr, "consumer: %s\n", error.c_str());
        return 1;
    }
    nk::Form form(kit.Tables(), {.caption = "Consumer", .width = 200, .height = 80});
    const nk::InterfaceTable* table = form.FindClass("NuvelCommand");
    if (table == nullptr) {
        std::fprintf(stderr, "consumer: the kit has no NuvelCommand\n");
        return 1;
    }
    std::printf("%s.%s from %s\n", std::string(table->typeLibrary).c_str(),
                std::string(table->className).c_str(),
                kit.libraries.front()->path().string().c_str());
    std::printf("  %zu properties, %zu methods, %zu events\n", table->properties.size(),
                table->methods.size(), table->events.size());
    for (const nk::EventInfo& e : table->events)
        std::printf("  event %d %s\n", e.number, std::string(e.name).c_str());

    nk::FormControl* button = form.Add("NuvelCommand", "Command1", 10, 10, 120, 40, &error);
    if (button == nullptr) {
        std::fprintf(stderr, "consumer: %s\n", error.c_str());
        return 1;
    }
    button->Set("Caption", nk::Variant::String("Hello"));
    const nk::Image shown = form.Compose();
    int painted = 0;
    for (std::uint32_t px : shown.pixels)
        if (px != shown.pixels.front()) ++painted;
    std::printf("rendered %d x %d, %d pixels differ from the corner\n", shown.width, shown.height,
                painted);
    return painted > 0 ? 0 : 1;
}
