#include <nuvelkit/nuvelkit.h>

void Use(nk::NuvelCommand button) {
    button.SetCaptoin("Go");
}
