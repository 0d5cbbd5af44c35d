#include <nuvelkit/nuvelkit.h>

void Use(nk::NuvelCheck check) {
    check.SetValue("1");
}
