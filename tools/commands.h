// The sub-commands of `nuvelkit`. Each file tools/cmd_*.cpp registers one or more.
#pragma once

namespace CLI {
class App;
}

namespace nk::tools {

void RegisterDemo(CLI::App& app);      // nuvelkit demo
void RegisterScript(CLI::App& app);    // nuvelkit script
void RegisterResources(CLI::App& app); // nuvelkit resources export
void RegisterGallery(CLI::App& app);   // nuvelkit gallery
void RegisterRegistration(CLI::App& app); // nuvelkit register, unregister, classes
void RegisterRender(CLI::App& app);    // nuvelkit render
void RegisterRun(CLI::App& app);       // nuvelkit run

} // namespace nk::tools
