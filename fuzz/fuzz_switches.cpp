// Feeds arbitrary bytes to the program's command-line parsing as a command line, one word
// per line: every sub-command and switch is registered as the program registers them, but
// the sub-commands' work is replaced by nothing (only `help`, which writes nothing but its
// text, runs). The command line must parse or end as a usage error, never crash or escape
// as another error; a numeric switch that parsed must hold a value its checks allow.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The program's own set-up of its command line: the sub-command check, `help` and the path
// the usage hint names. Its main is renamed so that this target has only the fuzzer's.
#define main NuvelkitMain
#include "tools/main.cpp"
#undef main

namespace {

constexpr std::size_t kMostWords = 32;
constexpr std::size_t kLongestLine = 4096;

// The command line: the program's name, then one word per line of the input.
std::vector<std::string> Words(std::string_view input) {
    std::vector<std::string> words{kProgram};
    while (words.size() <= kMostWords) {
        const std::size_t end = input.find('\n');
        words.emplace_back(input.substr(0, end));
        if (end == std::string_view::npos) break;
        input.remove_prefix(end + 1);
    }
    return words;
}

// A sub-command's work is a callback that also owns the variables its switches write to, so
// it is moved aside, kept alive, rather than dropped. CLI11 keeps it in a protected member;
// a pointer to that member, taken in a derived class, reaches it in any App.
struct CallbackOf : CLI::App {
    static constexpr std::function<void()> CLI::App::*kFinal = &CallbackOf::final_callback_;
};
using Shelf = std::vector<std::function<void()>>;

// Every sub-command's work replaced by nothing, at every depth; `help` keeps its own.
void MakeInert(CLI::App& app, Shelf& shelf) {
    for (CLI::App* sub : Subcommands(app)) {
        if (sub->get_name() != "help") {
            shelf.push_back(std::exchange(sub->*CallbackOf::kFinal, [] {}));
            sub->parse_complete_callback({});
        }
        MakeInert(*sub, shelf);
    }
}

// The program's command line as main builds it.
void Register(CLI::App& app, nk::tools::CommonOptions& common, Shelf& shelf) {
    RegisterProgram(app, common);
    MakeInert(app, shelf);
}

// The numeric switches and the values their checks allow.
struct NumericSwitch {
    const char* name;
    double least, most;
    bool scale; // one of the device scales
};
constexpr NumericSwitch kNumeric[] = {
    {"--scale", 1, 3, true},
    {"--shrink", 0.1, 1, false},
    {"--ticks", 0, 100000, false},
    {"--frames", 0, 100000000, false},
};

bool Allowed(const NumericSwitch& s, const std::string& text) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(v) || v < s.least || v > s.most) return false;
    return !s.scale || v == 1.0 || v == 1.5 || v == 2.0 || v == 3.0;
}

// The numeric switches given to the sub-commands that parsed hold allowed values.
void CheckParsed(CLI::App& app) {
    for (CLI::App* sub : app.get_subcommands()) {
        for (const NumericSwitch& s : kNumeric) {
            const CLI::Option* opt = sub->get_option_no_throw(s.name);
            if (opt == nullptr || opt->count() == 0) continue;
            for (const std::string& r : opt->results())
                if (!Allowed(s, r)) std::abort();
        }
        CheckParsed(*sub);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // What the program says goes nowhere; a fault still reaches the fuzzer's report.
    std::cout.setstate(std::ios::badbit);
    std::cerr.setstate(std::ios::badbit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kLongestLine) return 0;
    std::vector<std::string> words =
        Words(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());

    Shelf shelf; // outlives the app, whose switches write into what it keeps
    CLI::App app{"nuvelkit", kProgram};
    nk::tools::CommonOptions common;
    Register(app, common, shelf);
    if (CheckSubcommand(app, argc, argv.data()) != 0) return 0;
    try {
        app.parse(argc, argv.data());
    } catch (const CLI::Success&) {
        return 0; // --help or --version
    } catch (const CLI::RuntimeError& e) {
        if (e.get_exit_code() != nk::tools::kExitUsage) std::abort();
        return 0;
    } catch (const CLI::ParseError&) {
        ReachedPath(app);
        return 0;
    } catch (...) {
        std::abort(); // anything else is a fault of the parsing, not of the command line
    }
    CheckParsed(app);
    return 0;
}
