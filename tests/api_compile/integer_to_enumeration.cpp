#include <nuvelkit/nuvelkit.h>

void Use(nk::NuvelSphere sphere) {
    sphere.SetSphereType(1);
}
