// The layers of the source tree: each folder may include the headers of the folders below
// it and of none above. framework/ sees only itself; the controls (and nuvset1's about dialog
// in set1/about/) see only framework/ (and the declaration of their embedded resource tables); the
// registry sits beside the framework; host/ and the programs sit above. The check reads every
// #include line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace nk {
namespace {

namespace fs = std::filesystem;

// A folder and what it may include: a prefix ending in '/' stands for a folder, anything
// else for one file. Includes that name no folder of this tree (a file beside the includer,
// a system header) are not the layers' business.
struct Layer {
    std::string_view folder;
    std::vector<std::string_view> sees;
};

const std::vector<Layer>& Layers() {
    static const std::vector<Layer> layers = {
        {"support", {"support/"}},
        {"framework", {"framework/"}},
        {"registry", {"framework/", "support/", "registry/"}},
        {"set1", {"framework/", "set1/", "resources/resource_tables.h"}},
        {"set2", {"framework/", "set2/", "resources/resource_tables.h"}},
        {"kit", {"framework/", "set1/", "set2/", "kit/"}},
        {"host/surface", {"framework/", "host/surface/"}},
        {"host/codec", {"framework/", "support/", "host/codec/"}},
        {"host/sound", {"host/sound/"}},
        {"host/desktop", {"host/desktop/"}},
        {"host/hosts", {"framework/", "support/", "host/surface/", "host/codec/", "host/hosts/"}},
        {"host/forms",
         {"framework/", "support/", "host/surface/", "host/codec/", "host/hosts/", "host/forms/"}},
        {"host/input",
         {"framework/", "host/surface/", "host/hosts/", "host/forms/", "host/input/"}},
        {"host/loading", {"framework/", "support/", "registry/", "host/loading/"}},
        {"host/script",
         {"framework/", "support/", "host/surface/", "host/codec/", "host/hosts/", "host/forms/",
          "host/script/"}},
        {"host/window",
         {"framework/", "support/", "host/surface/", "host/codec/", "host/sound/", "host/desktop/",
          "host/hosts/", "host/forms/", "host/input/", "host/window/"}},
        // The generator draws the controls' resources under the numbers the controls name.
        {"resources",
         {"framework/", "support/", "host/codec/", "host/sound/", "resources/",
          "set1/resource_ids.h", "set2/resource_ids.h"}},
        {"api", {"framework/", "support/", "registry/", "host/", "set1/", "set2/", "kit/", "api/"}},
        // The Qt widgets take no SDL window: the input rules, hosts and forms, and no more.
        {"qt",
         {"framework/", "support/", "registry/", "host/surface/", "host/codec/", "host/sound/",
          "host/desktop/", "host/hosts/", "host/forms/", "host/input/", "host/loading/", "set1/",
          "set2/", "kit/", "api/", "qt/"}},
        {"tools",
         {"framework/", "support/", "registry/", "host/", "set1/", "set2/", "kit/", "resources/",
          "tools/"}},
    };
    return layers;
}

// The folders at the top, which may include anything.
constexpr std::string_view kTopFolders[] = {"tests", "bench", "fuzz", "examples"};

// Whether `included` starts with a folder of this tree (and not a system or third-party
// library's, such as <nlohmann/json.hpp>).
bool NamesOwnFolder(std::string_view included) {
    const std::string_view first = included.substr(0, included.find('/'));
    if (first.size() == included.size()) return false;
    return std::any_of(
               Layers().begin(), Layers().end(),
               [&](const Layer& l) { return l.folder.substr(0, l.folder.find('/')) == first; }) ||
           std::find(std::begin(kTopFolders), std::end(kTopFolders), first) !=
               std::end(kTopFolders);
}

bool Sees(const Layer& layer, std::string_view included) {
    if (!NamesOwnFolder(included)) return true;
    return std::any_of(layer.sees.begin(), layer.sees.end(), [&](std::string_view allowed) {
        return allowed.ends_with('/') ? included.starts_with(allowed) : included == allowed;
    });
}

bool IsSource(const fs::path& p) {
    const std::string ext = p.extension().string();
    return ext == ".h" || ext == ".hpp" || ext == ".cpp" || ext == ".cc";
}

std::string Rules(const Layer& layer) {
    std::string text;
    for (std::string_view s : layer.sees)
        text += (text.empty() ? "" : ", ") + std::string(s);
    return text;
}

// Every include of `root`'s layered folders that reaches above its layer, as
// "set1/x.cpp:4: includes \"host/surface/raster.h\"; set1/ sees only framework/, ...".
std::vector<std::string> LayerViolations(const fs::path& root) {
    static const std::regex include(R"(^\s*#\s*include\s*["<]([^">]+)[">])");
    std::vector<std::string> found;
    for (const Layer& layer : Layers()) {
        const fs::path folder = root / layer.folder;
        if (!fs::is_directory(folder)) continue;
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file() && IsSource(entry.path())) files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            std::ifstream in(file);
            std::string line;
            for (int number = 1; std::getline(in, line); ++number) {
                std::smatch m;
                if (!std::regex_search(line, m, include) || Sees(layer, m[1].str())) continue;
                found.push_back(fs::relative(file, root).generic_string() + ":" +
                                std::to_string(number) + ": includes \"" + m[1].str() + "\"; " +
                                std::string(layer.folder) + "/ sees only " + Rules(layer));
            }
        }
    }
    return found;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    return text;
}

TEST(Layers, NoFolderIncludesAHigherLayer) {
    const std::vector<std::string> found = LayerViolations(NK_SOURCE_DIR);
    EXPECT_TRUE(found.empty()) << Joined(found);
}

// A folder of the build that is neither layered nor at the top would escape the check; a
// folder that only gathers layers (host/) has each of its built folders checked instead.
void ExpectLayered(const fs::path& folder, const std::string& name) {
    const bool layered = std::any_of(Layers().begin(), Layers().end(),
                                     [&](const Layer& l) { return l.folder == name; });
    const bool gathers = std::any_of(Layers().begin(), Layers().end(), [&](const Layer& l) {
        return l.folder.starts_with(name + "/");
    });
    const bool top =
        std::find(std::begin(kTopFolders), std::end(kTopFolders), name) != std::end(kTopFolders);
    if (gathers) {
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_directory() && fs::exists(entry.path() / "CMakeLists.txt"))
                ExpectLayered(entry.path(), name + "/" + entry.path().filename().string());
        return;
    }
    EXPECT_TRUE(layered || top) << name << "/ is built but has no layer";
}

TEST(Layers, EveryBuiltFolderHasALayer) {
    for (const auto& entry : fs::directory_iterator(NK_SOURCE_DIR))
        if (entry.is_directory() && fs::exists(entry.path() / "CMakeLists.txt"))
            ExpectLayered(entry.path(), entry.path().filename().string());
}

// The include cycles of `root`'s layered folders, each as "a -> b -> a". A header and its
// source are one unit (host/x.h and host/x.cpp are "host/x"), so that x.cpp including y.h
// while y.cpp includes x.h counts as the cycle it is.
std::vector<std::string> IncludeCycles(const fs::path& root) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    auto unitOf = [](const fs::path& relative) {
        return (relative.parent_path() / relative.stem()).generic_string();
    };
    std::map<std::string, std::set<std::string>> edges;
    for (const Layer& layer : Layers()) {
        const fs::path folder = root / layer.folder;
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file() || !IsSource(entry.path())) continue;
            const std::string unit = unitOf(fs::relative(entry.path(), root));
            std::ifstream in(entry.path());
            std::string line;
            while (std::getline(in, line)) {
                std::smatch m;
                if (!std::regex_search(line, m, include) || !fs::exists(root / m[1].str()))
                    continue;
                const std::string to = unitOf(fs::path(m[1].str()));
                if (to != unit) edges[unit].insert(to);
            }
        }
    }
    std::vector<std::string> cycles;
    std::map<std::string, int> state; // 1 on the path, 2 done
    std::vector<std::string> path;
    std::function<void(const std::string&)> visit = [&](const std::string& unit) {
        state[unit] = 1;
        path.push_back(unit);
        for (const std::string& next : edges[unit]) {
            if (state[next] == 1) {
                std::string text;
                for (auto it = std::find(path.begin(), path.end(), next); it != path.end(); ++it)
                    text += *it + " -> ";
                cycles.push_back(text + next);
            } else if (state[next] == 0) {
                visit(next);
            }
        }
        path.pop_back();
        state[unit] = 2;
    };
    std::vector<std::string> units;
    for (const auto& [unit, to] : edges)
        units.push_back(unit);
    for (const std::string& unit : units)
        if (state[unit] == 0) visit(unit);
    return cycles;
}

// The one cycle kept on purpose: a Qt widget installs the accessibility factory, which makes
// the accessible interfaces over the widgets (a widget a program derives itself must be
// accessible too, so the install cannot move up into the generated classes).
constexpr std::string_view kKnownCycles[] = {
    "qt/accessibility -> qt/control_widget -> qt/accessibility"};

TEST(Layers, NoFileIncludesItselfThroughOthers) {
    std::vector<std::string> found = IncludeCycles(NK_SOURCE_DIR);
    std::erase_if(found, [](const std::string& cycle) {
        return std::find(std::begin(kKnownCycles), std::end(kKnownCycles), cycle) !=
               std::end(kKnownCycles);
    });
    EXPECT_TRUE(found.empty()) << Joined(found);
}

// A tree of one file each, so that every case is the only possible report.
class LayerTree : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::path(::testing::TempDir()) / ("nk_layers_" + std::to_string(getpid()));
        fs::remove_all(root_);
    }
    void TearDown() override { fs::remove_all(root_); }
    void Write(const std::string& file, const std::string& text) {
        fs::create_directories((root_ / file).parent_path());
        std::ofstream(root_ / file) << text;
    }
    fs::path root_;
};

TEST_F(LayerTree, ReportsIncludesAboveTheLayerWithFileAndLine) {
    struct Case {
        const char* file;
        const char* text;
        const char* report; // "" when the include is allowed
    } cases[] = {
        {"framework/a.h", "#pragma once\n#include \"host/surface/raster.h\"\n",
         "framework/a.h:2: includes \"host/surface/raster.h\"; framework/ sees only framework/"},
        {"framework/b.cpp", "#  include   \"registry/registry.h\"\n",
         "framework/b.cpp:1: includes \"registry/registry.h\"; framework/ sees only framework/"},
        {"framework/c.cpp", "// #include \"host/surface/raster.h\" was here\n#include \"c.h\"\n",
         ""},
        {"set1/command/x.cpp", "#include \"framework/host.h\"\n#include \"set2/classes.h\"\n",
         "set1/command/x.cpp:2: includes \"set2/classes.h\"; set1/ sees only framework/, set1/, "
         "resources/resource_tables.h"},
        {"set1/about/about.cpp",
         "#include \"framework/modal_form.h\"\n#include \"set1/about/about_layout.h\"\n", ""},
        {"framework/host.h", "#include \"set1/about/about.h\"\n",
         "framework/host.h:1: includes \"set1/about/about.h\"; framework/ sees only framework/"},
        {"host/hosts/headless_host.cpp", "#include \"set1/about/about.h\"\n",
         "host/hosts/headless_host.cpp:1: includes \"set1/about/about.h\"; host/hosts/ sees only "
         "framework/, support/, host/surface/, host/codec/, host/hosts/"},
        {"host/window/window_host.cpp", "#include \"set1/about/about_layout.h\"\n",
         "host/window/window_host.cpp:1: includes \"set1/about/about_layout.h\"; host/window/ "
         "sees only framework/, support/, host/surface/, host/codec/, host/sound/, "
         "host/desktop/, host/hosts/, host/forms/, host/input/, host/window/"},
        {"set2/y.cpp", "#include \"resources/resource_tables.h\"\n", ""},
        {"set2/z.cpp", "#include \"resources/paint.h\"\n",
         "set2/z.cpp:1: includes \"resources/paint.h\"; set2/ sees only framework/, set2/, "
         "resources/resource_tables.h"},
        {"registry/r.cpp", "#include \"host/file_io.h\"\n",
         "registry/r.cpp:1: includes \"host/file_io.h\"; registry/ sees only framework/, "
         "support/, registry/"},
        {"host/loading/h.cpp", "#include \"registry/registry.h\"\n#include <nlohmann/json.hpp>\n",
         ""},
        {"host/loading/i.cpp", "#include <set1/classes.h>\n",
         "host/loading/i.cpp:1: includes \"set1/classes.h\"; host/loading/ sees only "
         "framework/, support/, registry/, host/loading/"},
        {"qt/w.cpp", "#include \"host/window/window_host.h\"\n",
         "qt/w.cpp:1: includes \"host/window/window_host.h\"; qt/ sees only framework/, "
         "support/, registry/, host/surface/, host/codec/, host/sound/, host/desktop/, "
         "host/hosts/, host/forms/, host/input/, host/loading/, set1/, set2/, kit/, api/, qt/"},
        {"tools/t.cpp", "#include \"tests/probe_control.h\"\n",
         "tools/t.cpp:1: includes \"tests/probe_control.h\"; tools/ sees only framework/, "
         "support/, registry/, host/, set1/, set2/, kit/, resources/, tools/"},
        {"tests/anything.cpp", "#include \"tools/cli.h\"\n", ""},
        {"framework/notes.txt", "#include \"host/surface/raster.h\"\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        fs::remove_all(root_);
        Write(c.file, c.text);
        const std::vector<std::string> found = LayerViolations(root_);
        if (*c.report == '\0') {
            EXPECT_TRUE(found.empty()) << Joined(found);
        } else {
            EXPECT_EQ(found, std::vector<std::string>{c.report});
        }
    }
}

TEST_F(LayerTree, FindsIncludeCyclesBetweenUnitsOfHeaderAndSource) {
    Write("host/forms/form.h", "#pragma once\n");
    Write("host/forms/form.cpp",
          "#include \"host/forms/form.h\"\n#include \"host/hosts/compose.h\"\n");
    Write("host/hosts/compose.h", "#pragma once\n");
    Write("host/hosts/compose.cpp", "#include \"host/hosts/compose.h\"\n");
    EXPECT_TRUE(IncludeCycles(root_).empty());
    Write("host/hosts/compose.cpp",
          "#include \"host/hosts/compose.h\"\n#include \"host/forms/form.h\"\n");
    EXPECT_EQ(IncludeCycles(root_),
              std::vector<std::string>{"host/forms/form -> host/hosts/compose -> host/forms/form"});
}

} // namespace
} // namespace nk
