// A third-party container: it opens a control library with dlopen, asks DllGetClassObject
// for the class object of NuvelCommand, creates a control for its own headless host,
// prints the class's interface and renders the control, then checks that the library can
// be unloaded. Usage: consumer [CONTROLDIR]
#include "framework/com.h"
#include "framework/control.h"
#include "framework/identity.h"
#include "framework/interface_table.h"
#include "host/headless_host.h"

#include <dlfcn.h>

#include <cstdio>
#include <string>

#ifndef NK_CONTROL_DIR
#define NK_CONTROL_DIR "."
#endif

int main(int argc, char** argv) {
    std::string dir = argc > 1 ? argv[1] : NK_CONTROL_DIR;
    std::string file = dir + "/libnuvset1.so";
    void* lib = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) {
        std::fprintf(stderr, "consumer: %s\n", dlerror());
        return 1;
    }
    auto getClassObject =
        reinterpret_cast<nk::GetClassObjectFn>(dlsym(lib, "DllGetClassObject"));
    auto canUnloadNow = reinterpret_cast<nk::CanUnloadNowFn>(dlsym(lib, "DllCanUnloadNow"));
    if (getClassObject == nullptr || canUnloadNow == nullptr) {
        std::fprintf(stderr, "consumer: %s is not a control library\n", file.c_str());
        return 1;
    }

    const nk::ClassIdentity* id = nk::FindClass("NuvelCommand");
    nk::ClassFactory* factory = nullptr;
    nk::HResult hr = getClassObject(&id->classId, &nk::kIID_ClassFactory,
                                    reinterpret_cast<void**>(&factory));
    if (hr != nk::S_OK) {
        std::fprintf(stderr, "consumer: no class object (0x%08X)\n", static_cast<unsigned>(hr));
        return 1;
    }
    const nk::InterfaceTable& table = factory->ClassInterface();
    std::printf("%s (%s.%s)\n", nk::ToString(id->classId).c_str(),
                std::string(table.typeLibrary).c_str(), std::string(table.className).c_str());
    std::printf("  %zu properties, %zu methods, %zu events\n", table.properties.size(),
                table.methods.size(), table.events.size());
    for (const nk::EventInfo& e : table.events)
        std::printf("  event %d %s\n", e.number, std::string(e.name).c_str());

    int painted = 0;
    {
        nk::HeadlessHost host(table);
        nk::ControlObject* obj = nullptr;
        hr = factory->CreateInstance(nullptr, &host, nk::kIID_ControlObject,
                                     reinterpret_cast<void**>(&obj));
        if (hr != nk::S_OK) {
            std::fprintf(stderr, "consumer: CreateInstance failed (0x%08X)\n",
                         static_cast<unsigned>(hr));
            return 1;
        }
        host.Attach(&obj->GetControl());
        host.Deliver("InitProperties", [](nk::Control& c) { c.InitProperties(); });
        host.Deliver("Paint", [](nk::Control& c) { c.Paint(); });
        const nk::Image& img = host.surface().pixels();
        for (std::uint32_t px : img.pixels)
            if (px != img.pixels.front()) ++painted;
        std::printf("rendered %d x %d, %d pixels differ from the corner\n", img.width, img.height,
                    painted);
        host.Attach(nullptr);
        obj->Release();
    }
    factory->Release();
    hr = canUnloadNow();
    std::printf("can unload: %s\n", hr == nk::S_OK ? "yes" : "no");
    if (hr == nk::S_OK) dlclose(lib);
    return painted > 0 && hr == nk::S_OK ? 0 : 1;
}
