#include <nuvelkit/nuvelkit.h>

#include <string>

void Use(nk::NuvelCommand button) {
    button.OnMouseMove([](std::string&) {});
}
