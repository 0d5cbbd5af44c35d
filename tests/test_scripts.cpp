// Runs every tests/scripts/**/*.nks through the script runner in-process and compares what
// it prints with <name>.out beside it: standard output, then the error line if any, then
// "exit <n>" when the run does not end with status 0. One test case per script.
//
// NK_UPDATE_SCRIPTS=1 writes the actual output to the .out files instead, for review.
#include "host/script/script.h"
#include "kit/classes.h"
#include "tests/probe_control.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace nk {

namespace {

namespace fs = std::filesystem;

fs::path ScriptRoot() {
    return fs::path(NK_SOURCE_DIR) / "tests" / "scripts";
}

std::vector<std::string> FindScripts() {
    std::vector<std::string> found;
    std::error_code ec;
    if (!fs::exists(ScriptRoot(), ec)) return found;
    for (const auto& entry : fs::recursive_directory_iterator(ScriptRoot(), ec))
        if (entry.is_regular_file() && entry.path().extension() == ".nks")
            found.push_back(fs::relative(entry.path(), ScriptRoot()).generic_string());
    std::sort(found.begin(), found.end());
    return found;
}

// The kit's classes and the probe class that the scripts use to watch the host.
std::vector<const InterfaceTable*> ScriptClasses() {
    std::vector<const InterfaceTable*> classes = AllClasses();
    classes.push_back(&probe::ProbeClass());
    return classes;
}

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream ss(text);
    std::string line;
    while (std::getline(ss, line))
        lines.push_back(line);
    return lines;
}

// A line-by-line diff: the expected and actual lines from the first difference on.
std::string Diff(const std::string& expected, const std::string& actual) {
    const auto e = Lines(expected);
    const auto a = Lines(actual);
    size_t first = 0;
    while (first < e.size() && first < a.size() && e[first] == a[first])
        ++first;
    std::ostringstream out;
    out << "first difference at line " << first + 1 << "\n";
    const size_t from = first > 3 ? first - 3 : 0;
    for (size_t i = from; i < first; ++i)
        out << "    " << e[i] << "\n";
    for (size_t i = first; i < std::min(e.size(), first + 12); ++i)
        out << "  - " << e[i] << "\n";
    for (size_t i = first; i < std::min(a.size(), first + 12); ++i)
        out << "  + " << a[i] << "\n";
    return out.str();
}

class ScriptTest : public testing::TestWithParam<std::string> {};

TEST_P(ScriptTest, PrintsTheExpectedLines) {
    const fs::path script = ScriptRoot() / GetParam();
    fs::path expectedPath = script;
    expectedPath.replace_extension(".out");

    std::ifstream in(script);
    ASSERT_TRUE(in) << "cannot open " << script;
    std::ostringstream out, err;
    ScriptOptions options;
    options.baseDir = script.parent_path().string();
    const auto classes = ScriptClasses();
    const int status = RunScript(in, out, err, classes, options);
    std::string actual = out.str() + err.str();
    if (status != 0) actual += "exit " + std::to_string(status) + "\n";

    if (const char* update = std::getenv("NK_UPDATE_SCRIPTS"); update && *update == '1') {
        std::ofstream(expectedPath, std::ios::binary) << actual;
        GTEST_SKIP() << "wrote " << expectedPath;
    }
    ASSERT_TRUE(fs::exists(expectedPath))
        << "no expected output " << expectedPath << "; the script printed:\n"
        << actual;
    const std::string expected = ReadFile(expectedPath);
    EXPECT_TRUE(expected == actual) << GetParam() << ":\n" << Diff(expected, actual);
}

std::string CaseName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    if (name.size() > 4) name.resize(name.size() - 4); // ".nks"
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptTest, testing::ValuesIn(FindScripts()), CaseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ScriptTest);

} // namespace

} // namespace nk
