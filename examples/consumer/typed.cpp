// An application built against the installed kit with the typed API: it opens both control
// libraries, places a button and a check box through their typed handles, toggles the check
// box from the keyboard and checks that the change notification enabled the button.
// Usage: consumer-typed [CONTROLDIR]
#include "host/library_loader.h"

#include <nuvelkit/nuvelkit.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#ifndef NK_CONTROL_DIR
#define NK_CONTROL_DIR "."
#endif

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : NK_CONTROL_DIR;
    std::vector<std::unique_ptr<nk::LoadedLibrary>> libraries;
    std::vector<const nk::InterfaceTable*> classes;
    for (const char* name : {"libnuvset1.so", "libnuvset2.so"}) {
        std::string error;
        auto lib = nk::LoadedLibrary::Open(dir + "/" + name, error);
        if (!lib) {
            std::fprintf(stderr, "consumer-typed: %s\n", error.c_str());
            return 1;
        }
        for (const nk::InterfaceTable* t : lib->ClassTables())
            classes.push_back(t);
        libraries.push_back(std::move(lib));
    }
    try {
        nk::Form form(classes, {.caption = "Typed consumer"});
        auto go = form.Add<nk::NuvelCommand>("Go", 10, 10, 120, 40);
        auto allow = form.Add<nk::NuvelCheck>("Allow", 10, 60);
        auto fill = form.Add<nk::NuvelFill>("Progress", 10, 100, 200, 24);
        go.SetCaption("&Go");
        go.SetEnabled(false);
        allow.SetCaption("Allow");
        allow.OnValueChanged(
            [go](nk::NKBiState value) { go.SetEnabled(value == nk::NKBiState::NKChecked); });
        go.OnClick([fill] { fill.SetValue(nk::Variant::Long(50)); });
        // The space bar toggles the check box on its release.
        allow.control().site().KeyDown(32, 0);
        allow.control().site().KeyUp(32, 0);
        go.control().site().Click();
        std::printf("Allow = %d, Go enabled: %s, Progress = %s\n", static_cast<int>(allow.Value()),
                    go.Enabled() ? "yes" : "no", nk::VariantToString(fill.Value()).c_str());
        return allow.Value() == nk::NKBiState::NKChecked && go.Enabled() ? 0 : 1;
    } catch (const nk::FormError& e) {
        std::fprintf(stderr, "consumer-typed: %s\n", e.what());
        return 1;
    }
}
