// nuvelkit: the kit's command-line program.
#include "tools/cli.h"
#include "tools/commands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

using nk::tools::kExitUsage;

constexpr const char* kProgram = "nuvelkit";

std::vector<CLI::App*> Subcommands(CLI::App& app) {
    return app.get_subcommands([](CLI::App*) { return true; });
}

std::string SubcommandList(CLI::App& app) {
    std::string list;
    for (CLI::App* sub : Subcommands(app))
        list += (list.empty() ? "" : ", ") + sub->get_name();
    return list;
}

// `nuvelkit help [SUBCOMMAND...]`: the help of the program or of a (nested) sub-command.
void RegisterHelp(CLI::App& app) {
    auto* help = app.add_subcommand("help", "Show the help of the program or of a sub-command");
    auto path = std::make_shared<std::vector<std::string>>();
    help->add_option("SUBCOMMAND", *path, "The sub-command (e.g. render, resources export)");
    help->callback([&app, path] {
        CLI::App* at = &app;
        std::string parents; // the usage line names the program and the sub-commands above
        for (const std::string& name : *path) {
            CLI::App* next = nullptr;
            for (CLI::App* sub : Subcommands(*at))
                if (sub->get_name() == name) next = sub;
            if (next == nullptr)
                nk::tools::Fail(kExitUsage, "unknown subcommand \"" + name + "\"; the subcommands" +
                                                (at == &app ? "" : " of " + at->get_name()) +
                                                " are: " + SubcommandList(*at));
            parents += (parents.empty() ? "" : " ") + at->get_name();
            at = next;
        }
        // The formatter directly: App::help would show the help of `help` itself.
        const std::string name = parents.empty() ? at->get_name() : parents + " " + at->get_name();
        std::cout << at->get_formatter()->make_help(at, name, CLI::AppFormatMode::Normal);
    });
}

// The first word that is not a switch must name a sub-command.
int CheckSubcommand(CLI::App& app, int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (!word.empty() && word[0] == '-') continue;
        for (CLI::App* sub : Subcommands(app))
            if (sub->get_name() == word) return 0;
        std::cerr << "error: unknown subcommand \"" << word
                  << "\"; the subcommands are: " << SubcommandList(app) << '\n';
        return kExitUsage;
    }
    return 0;
}

// The sub-command the command line reached, for the hint after a usage error.
std::string ReachedPath(CLI::App& app) {
    std::string path;
    for (CLI::App* at = &app;;) {
        std::vector<CLI::App*> parsed = at->get_subcommands();
        if (parsed.empty()) return path;
        at = parsed.front();
        path += " " + at->get_name();
    }
}

// The program's switches and sub-commands.
void RegisterProgram(CLI::App& app, nk::tools::CommonOptions& common) {
    app.set_version_flag("--version", std::string(kProgram) + " " + NK_VERSION);
    app.add_flag("-q,--quiet", common.quiet, "Do not say where files were written");
    app.fallthrough();
    app.require_subcommand(1);
    nk::tools::RegisterGallery(app, common);
    nk::tools::RegisterDemo(app, common);
    nk::tools::RegisterScript(app, common);
    nk::tools::RegisterResources(app, common);
    nk::tools::RegisterRegistration(app, common);
    nk::tools::RegisterRender(app, common);
    nk::tools::RegisterRun(app, common);
    RegisterHelp(app);
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"nuvelkit: glossy, skinned user-interface controls, and the tools to see them",
                 kProgram};
    nk::tools::CommonOptions common;
    RegisterProgram(app, common);
    const std::string exitHelp(nk::tools::kExitStatusHelp);
    app.footer(exitHelp);
    for (CLI::App* sub : Subcommands(app)) {
        const std::string own = sub->get_footer();
        sub->footer(own.empty() ? exitHelp : own + "\n\n" + exitHelp);
    }

    if (argc < 2) {
        std::cerr << "usage: " << kProgram << " [--quiet] SUBCOMMAND ...\n"
                  << "error: a subcommand is required; the subcommands are: " << SubcommandList(app)
                  << "\nRun \"" << kProgram << " --help\" for more.\n";
        return kExitUsage;
    }
    if (const int status = CheckSubcommand(app, argc, argv)) return status;
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& done) {
        // --help, --help-all and --version print to standard output and exit 0.
        return app.exit(done);
    } catch (const CLI::RuntimeError& e) {
        // The sub-commands stop with their status; their message is already out.
        return e.get_exit_code();
    } catch (const CLI::ParseError& e) {
        std::cerr << "error: " << e.what() << "\nRun \"" << kProgram << " help" << ReachedPath(app)
                  << "\" for the usage.\n";
        return kExitUsage;
    } catch (const std::bad_alloc&) {
        // The readers turn an allocation failure into a message naming the file; whatever
        // escapes them still ends with words, not "std::bad_alloc".
        std::cerr << "error: " << kProgram << ReachedPath(app) << ": not enough memory to finish\n";
        return nk::tools::kExitFailed;
    } catch (const std::exception& e) {
        std::cerr << "error: " << e.what() << '\n';
        return nk::tools::kExitFailed;
    }
    return nk::tools::kExitDone;
}
