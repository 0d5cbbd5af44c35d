// The uses the wrong-type snippets vary: these must compile.
#include <nuvelkit/nuvelkit.h>

void Use(nk::NuvelCheck check, nk::NuvelCommand button) {
    check.SetValue(nk::NKBiState::NKChecked);
    check.SetFocusType(check.FocusType());
    check.SetCaption("Allow");
    button.SetCaption(std::string("Go"));
    button.SetForeColor(nk::kButtonText);
    button.OnMouseMove([](std::int16_t&, std::int16_t&, float& x, float&) { x = -1; });
}
