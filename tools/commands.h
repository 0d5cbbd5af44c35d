// The sub-commands of `nuvelkit`. Each file tools/cmd_*.cpp registers one or more.
#pragma once

namespace CLI {
class App;
}

namespace nk::tools {

struct CommonOptions;

void RegisterDemo(CLI::App& app, const CommonOptions& common);      // nuvelkit demo
void RegisterScript(CLI::App& app, const CommonOptions& common);    // nuvelkit script
void RegisterResources(CLI::App& app, const CommonOptions& common); // nuvelkit resources export
void RegisterGallery(CLI::App& app, const CommonOptions& common);   // nuvelkit gallery
void RegisterRegistration(CLI::App& app,
                          const CommonOptions& common); // nuvelkit register, unregister, classes
void RegisterRender(CLI::App& app, const CommonOptions& common); // nuvelkit render
void RegisterRun(CLI::App& app, const CommonOptions& common);    // nuvelkit run

} // namespace nk::tools
