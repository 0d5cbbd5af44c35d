// nuvelkit: the kit's command-line program.
#include "tools/commands.h"

#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    CLI::App app{"nuvelkit: glossy, skinned user-interface controls, and the tools to see them"};
    app.require_subcommand(1);
    nk::tools::RegisterGallery(app);
    nk::tools::RegisterDemo(app);
    nk::tools::RegisterScript(app);
    nk::tools::RegisterResources(app);
    nk::tools::RegisterRegistration(app);
    nk::tools::RegisterRender(app);
    nk::tools::RegisterRun(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
