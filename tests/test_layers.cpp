// The layers of the source tree: each folder may include the headers of the folders below
// it and of none above. framework/ sees only itself; the controls see only framework/ (and
// the declaration of their embedded resource tables); the registry sits beside the
// framework; host/ and the programs sit above. The check reads every #include line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
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
        {"framework", {"framework/"}},
        {"registry", {"framework/", "registry/"}},
        {"cmake", {"framework/", "registry/"}},
        {"set1", {"framework/", "set1/", "resources/resource_tables.h"}},
        {"set2", {"framework/", "set2/", "resources/resource_tables.h"}},
        {"kit", {"framework/", "set1/", "set2/", "kit/"}},
        {"host", {"framework/", "registry/", "host/"}},
        {"resources", {"framework/", "registry/", "host/", "resources/"}},
        {"api", {"framework/", "registry/", "host/", "set1/", "set2/", "kit/", "api/"}},
        {"qt", {"framework/", "registry/", "host/", "set1/", "set2/", "kit/", "api/", "qt/"}},
        {"tools",
         {"framework/", "registry/", "host/", "set1/", "set2/", "kit/", "resources/", "tools/"}},
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
    return std::any_of(Layers().begin(), Layers().end(),
                       [&](const Layer& l) { return l.folder == first; }) ||
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
// "set1/x.cpp:4: includes \"host/raster.h\"; set1/ sees only framework/, ...".
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

// A folder of the build that is neither layered nor at the top would escape the check.
TEST(Layers, EveryBuiltFolderHasALayer) {
    for (const auto& entry : fs::directory_iterator(NK_SOURCE_DIR)) {
        if (!entry.is_directory() || !fs::exists(entry.path() / "CMakeLists.txt")) continue;
        const std::string name = entry.path().filename().string();
        const bool layered = std::any_of(Layers().begin(), Layers().end(),
                                         [&](const Layer& l) { return l.folder == name; });
        const bool top = std::find(std::begin(kTopFolders), std::end(kTopFolders), name) !=
                         std::end(kTopFolders);
        EXPECT_TRUE(layered || top) << name << "/ is built but has no layer";
    }
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
        {"framework/a.h", "#pragma once\n#include \"host/raster.h\"\n",
         "framework/a.h:2: includes \"host/raster.h\"; framework/ sees only framework/"},
        {"framework/b.cpp", "#  include   \"registry/registry.h\"\n",
         "framework/b.cpp:1: includes \"registry/registry.h\"; framework/ sees only framework/"},
        {"framework/c.cpp", "// #include \"host/raster.h\" was here\n#include \"c.h\"\n", ""},
        {"set1/command/x.cpp", "#include \"framework/host.h\"\n#include \"set2/classes.h\"\n",
         "set1/command/x.cpp:2: includes \"set2/classes.h\"; set1/ sees only framework/, set1/, "
         "resources/resource_tables.h"},
        {"set2/y.cpp", "#include \"resources/resource_tables.h\"\n", ""},
        {"set2/z.cpp", "#include \"resources/paint.h\"\n",
         "set2/z.cpp:1: includes \"resources/paint.h\"; set2/ sees only framework/, set2/, "
         "resources/resource_tables.h"},
        {"registry/r.cpp", "#include \"host/file_io.h\"\n",
         "registry/r.cpp:1: includes \"host/file_io.h\"; registry/ sees only framework/, "
         "registry/"},
        {"host/h.cpp", "#include \"registry/registry.h\"\n#include <nlohmann/json.hpp>\n", ""},
        {"host/i.cpp", "#include <set1/classes.h>\n",
         "host/i.cpp:1: includes \"set1/classes.h\"; host/ sees only framework/, registry/, "
         "host/"},
        {"tools/t.cpp", "#include \"tests/probe_control.h\"\n",
         "tools/t.cpp:1: includes \"tests/probe_control.h\"; tools/ sees only framework/, "
         "registry/, host/, set1/, set2/, kit/, resources/, tools/"},
        {"tests/anything.cpp", "#include \"tools/cli.h\"\n", ""},
        {"framework/notes.txt", "#include \"host/raster.h\"\n", ""},
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

} // namespace
} // namespace nk
