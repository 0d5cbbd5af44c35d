#include <nuvelkit/nuvelkit.h>

void Use(nk::NuvelCommand button) {
    button.SetCaption(42);
}
