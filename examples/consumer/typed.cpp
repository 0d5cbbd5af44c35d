// An application built against the installed kit with the typed API: it opens both control
// libraries, places a button and a check box through their typed handles, toggles the check
// box from the keyboard and checks that the change notification enabled the button.
#include "host/loading/library_loader.h"

#include <nuvelkit/nuvelkit.h>

#include <cstdio>
#include <string>
#include <vector>

int main() {
    // The kit's classes, from the control libraries next to the installed libnuvelkit.
    std::string error;
    const nk::KitLibraries kit = nk::OpenKitLibraries(error);
    if (!error.empty()) {
        std::fprintf(stderr, "consumer-typed: %s\n", error.c_str());
        return 1;
    }
    const std::vector<const nk::InterfaceTable*> classes = kit.Tables();
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
