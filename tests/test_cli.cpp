// The program's conventions, the same for every sub-command: the exit statuses (0 done,
// 1 the work failed, 2 bad usage or input, 3 no display), usage lines with the program's
// name, the output format chosen by the file's extension, and "wrote FILE" unless --quiet.
#include "host/codec/codec.h"
#include "tests/run_program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace nk {
namespace {

using testing_program::RunProgram;
using testing_program::TempName;

const std::string kDemoForm = std::string(NK_SOURCE_DIR) + "/examples/demo/demo.nkform";

struct CliCase {
    std::string args;
    int status;
    std::string printed; // a part of what the program must print
};

TEST(Cli, UsageErrorsAndFailuresGiveTheSameStatusInEverySubcommand) {
    const std::vector<CliCase> cases = {
        {"--version", 0, "nuvelkit 1."},
        {"--help", 0, "Exit status: 0 done, 1 the work failed"},
        {"", 2, "a subcommand is required; the subcommands are: gallery, demo"},
        {"bogus", 2, "unknown subcommand \"bogus\"; the subcommands are: gallery"},
        {"--quiet bogus", 2, "unknown subcommand \"bogus\""},
        {"help", 0, "Usage: nuvelkit [OPTIONS] SUBCOMMAND"},
        {"help render", 0, "Usage: nuvelkit render [OPTIONS] FORM"},
        {"help resources export", 0, "Usage: nuvelkit resources export [OPTIONS] DIR"},
        {"help bogus", 2, "unknown subcommand \"bogus\""},
        {"help resources bogus", 2, "the subcommands of resources are: export"},
        {"render --help", 0, "Exit status: 0 done"},
        {"render", 2, "FORM is required\nRun \"nuvelkit help render\" for the usage."},
        {"render " + kDemoForm + " -o x.png --no-such-switch", 2, "--no-such-switch"},
        {"render " + kDemoForm + " -o x.png --ticks -1", 2, "--ticks"},
        {"render " + kDemoForm + " -o out.gif", 2,
         "out.gif: cannot write .gif files; the supported formats are .png, .bmp"},
        {"render " + kDemoForm + " -o out", 2, "out: the file name has no extension"},
        {"render /no/such.nkform -o x.png", 2, "error: /no/such.nkform: cannot open"},
        {"render " + kDemoForm + " -o /no-such-folder/x.png", 1, "error: /no-such-folder/x.png"},
        {"gallery -o /no-such-folder/x.png", 1, "error: /no-such-folder/x.png"},
        {"gallery -o sheet.jpeg", 2, "cannot write .jpeg files"},
        {"gallery --shrink 5", 2, "--shrink"},
        {"gallery --scale 2.5", 2, "--scale"},
        {"render " + kDemoForm + " -o x.png --scale 4", 2, "--scale"},
        {"script --scale 0", 2, "--scale"},
        {"run " + kDemoForm + " --scale 2.5", 2, "--scale"},
        {"demo -o /no-such-folder/x.png", 1, "error: /no-such-folder/x.png"},
        {"demo -o demo.tiff", 2, "the supported formats are .png, .bmp"},
        {"script /no/such.script", 2, "error: /no/such.script: cannot open the script"},
        {"script /", 2, "error: /: is a folder, not a script"},
        {"script /dev/zero", 2, "error: /dev/zero: is a character device, not a script"},
        {"script < /dev/zero", 2, "error: standard input: the script is longer than 16 MB"},
        {"run /no/such.nkform", 2, "error: /no/such.nkform"},
        {"resources", 2, "nuvelkit help resources"},
        {"resources export", 2, "DIR is required"},
        {"resources export /proc/no-such", 1, "cannot create the folder"},
        {"classes NuvelCommand", 0, "String = \"NuvelCommand1\""},
        {"classes nuvelkit3.nuvelcommand", 0,
         "   1 Click()  Occurs when the user presses and releases a mouse button over the "
         "control.\n   2 DblClick()"},
        {"classes NuvelPad", 0, "MouseMove(Button As Integer, Shift As Integer, X As Single"},
        {"classes NuvelComand", 2, "unknown class NuvelComand; did you mean NuvelCommand?"},
        {"classes Zzz", 2, "unknown class Zzz (the classes are NuvelCommand, "},
    };
    for (const CliCase& c : cases) {
        std::string printed;
        EXPECT_EQ(RunProgram(c.args, printed), c.status) << "nuvelkit " << c.args << "\n"
                                                         << printed;
        EXPECT_NE(printed.find(c.printed), std::string::npos) << "nuvelkit " << c.args << "\n"
                                                              << printed;
        // The argument library's own statuses and the program's full path never show.
        EXPECT_EQ(printed.find(NK_BINARY_DIR), std::string::npos) << printed;
    }
}

// Every numeric switch takes its whole text as one finite number: what a lenient conversion
// would turn into 0 or a partial value is bad usage, not work done at a nonsense value.
TEST(Cli, NumericSwitchesRefuseAnythingButOneWholeFiniteNumber) {
    const std::string render = "render " + kDemoForm + " -o " + TempName(".png");
    const std::vector<std::string> commands = {
        render + " --scale", "gallery --only NuvelFill --shrink", render + " --ticks",
        "run " + kDemoForm + " --frames", "run " + kDemoForm + " --scale"};
    for (const std::string& command : commands)
        for (const char* value : {"''", "2x", "' 2'", "nan", "-inf", "1e400", "0x", "-1"}) {
            std::string printed;
            const std::string args = command + " " + value;
            EXPECT_EQ(RunProgram(args, printed), 2) << "nuvelkit " << args << "\n" << printed;
            EXPECT_NE(printed.find("Run \"nuvelkit help "), std::string::npos) << printed;
        }
}

// A picture the format cannot hold is a failed work that keeps the file it would replace.
TEST(Cli, AFailedWriteKeepsTheOldFile) {
    const std::string form = TempName(".nkform");
    {
        std::ofstream out(form);
        out << R"({"format":"nuvelkit-form","version":1,"form":{"width":8000,"height":20,)"
               R"("units":"pixels"},"controls":[]})";
    }
    const std::string picture = TempName(".bmp");
    {
        std::ofstream out(picture);
        out << "old picture";
    }
    std::string printed;
    EXPECT_EQ(RunProgram("render " + form + " -o " + picture + " --scale 3", printed), 1);
    EXPECT_NE(printed.find("error: " + picture + ": cannot encode a picture of 24000 x 60"),
              std::string::npos)
        << printed;
    EXPECT_EQ(printed.find("wrote"), std::string::npos) << printed;
    std::ifstream in(picture);
    std::string kept((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(kept, "old picture");
    std::remove(form.c_str());
    std::remove(picture.c_str());
}

TEST(Cli, WritesTheFormatTheExtensionNamesAndSaysWhere) {
    struct Case {
        std::string extension;
        std::string options;
        bool bmp;
        bool quiet;
    };
    const std::vector<Case> cases = {
        {".png", "", false, false},
        {".BMP", "", true, false},
        {".bmp", "--quiet", true, true},
        {".png", "-q", false, true},
    };
    for (const Case& c : cases) {
        const std::string file = TempName(c.extension);
        std::remove(file.c_str());
        std::string printed;
        // --quiet is a switch of the program, accepted after the sub-command too.
        ASSERT_EQ(RunProgram("render " + kDemoForm + " -o " + file + " " + c.options, printed), 0)
            << printed;
        if (c.quiet)
            EXPECT_EQ(printed, "");
        else
            EXPECT_NE(printed.find("wrote " + file + " ("), std::string::npos) << printed;
        const DecodeResult picture = LoadPictureFile(file);
        ASSERT_TRUE(picture.ok()) << picture.error;
        EXPECT_GT(picture.image.width, 100);
        std::FILE* f = std::fopen(file.c_str(), "rb");
        ASSERT_NE(f, nullptr);
        char magic[2] = {};
        ASSERT_EQ(std::fread(magic, 1, 2, f), 2u);
        std::fclose(f);
        EXPECT_EQ(std::string(magic, 2) == "BM", c.bmp) << file;
        std::remove(file.c_str());
    }
}

TEST(Cli, FormFileWarningsAndStrict) {
    const std::string form = TempName(".nkform");
    {
        std::ofstream out(form);
        out << R"({"format":"nuvelkit-form","version":1,"controls":[{"class":"NuvelCommand",)"
               R"("name":"C1","left":0,"top":0,"width":1500,"height":600,"bag":{"Capton":"Go"}}]})";
    }
    const std::string picture = TempName(".png");
    const std::string warning = "warning: " + form +
                                ": /controls/0/bag/Capton: unknown member Capton of "
                                "NuvelCommand; did you mean Caption?";
    std::string printed;
    EXPECT_EQ(RunProgram("render " + form + " -o " + picture, printed), 0) << printed;
    EXPECT_NE(printed.find(warning), std::string::npos) << printed;
    EXPECT_EQ(RunProgram("render --strict " + form + " -o " + picture, printed), 2) << printed;
    EXPECT_NE(printed.find("error: " + form + ": /controls/0/bag/Capton: unknown member"),
              std::string::npos)
        << printed;
    EXPECT_EQ(RunProgram("run --strict " + form + " --frames 1", printed), 2) << printed;
    std::remove(form.c_str());
    std::remove(picture.c_str());
}

// The words of the lines under `heading` in a help text, up to the next blank line: the
// sub-commands' names or the options' spellings.
std::vector<std::string> Listed(const std::string& help, const std::string& heading,
                                const std::regex& word) {
    std::vector<std::string> found;
    std::istringstream in(help);
    bool under = false;
    for (std::string line; std::getline(in, line);) {
        if (line == heading) {
            under = true;
            continue;
        }
        if (!under) continue;
        if (line.empty()) break;
        for (std::sregex_iterator m(line.begin(), line.end(), word), end; m != end; ++m)
            found.push_back((*m)[1]);
    }
    return found;
}

TEST(Cli, TheManualPageNamesEverySubcommandAndEverySwitchTheHelpShows) {
    std::ifstream file(std::string(NK_SOURCE_DIR) + "/docs/nuvelkit.1");
    const std::string manual{std::istreambuf_iterator<char>(file), {}};
    ASSERT_FALSE(manual.empty());
    const std::regex subcommand(R"re(^  ([a-z]+) )re");
    const std::regex option(R"re(((?:-[a-z],)?--[a-z][a-z-]*))re");
    std::vector<std::string> paths = {""};
    int switches = 0;
    for (size_t i = 0; i < paths.size(); ++i) {
        std::string help;
        ASSERT_EQ(RunProgram("help " + paths[i], help), 0) << paths[i];
        for (const std::string& sub : Listed(help, "Subcommands:", subcommand))
            if (sub != "help") paths.push_back(paths[i].empty() ? sub : paths[i] + " " + sub);
        if (paths[i].empty()) continue;
        SCOPED_TRACE(paths[i]);
        // The entry: the sub-command's words at the start of a line of the page.
        const std::string last = paths[i].substr(paths[i].rfind(' ') + 1);
        EXPECT_NE(manual.find(last), std::string::npos);
        for (const std::string& spelling : Listed(help, "Options:", option)) {
            // "-o,--output": the page may name the switch by either spelling.
            const std::string name = spelling.substr(spelling.rfind("--") + 2);
            if (name == "help" || name == "help-all") continue;
            const bool named = manual.find("\\-\\-" + name) != std::string::npos ||
                               (spelling[1] != '-' && manual.find("\\-" + spelling.substr(1, 1) +
                                                                  "\\fR") != std::string::npos);
            EXPECT_TRUE(named) << spelling;
            ++switches;
        }
    }
    EXPECT_GT(paths.size(), 9u);
    EXPECT_GT(switches, 10);
}

} // namespace
} // namespace nk

namespace nk {
namespace {

using testing_program::RunProgram;
using testing_program::TempName;

TEST(Cli, ScriptsThatAskTooMuchStopWithTheirFileLineAndAShortMessage) {
    std::string pictures;
    for (int i = 0; i <= 1024; ++i)
        pictures += "picture P" + std::to_string(i) + " 1 1\n";
    const std::string huge(4 << 20, 'w');
    const std::string cut = "\"" + std::string(80, 'w') + "\u2026\"";
    struct Case {
        std::string script;
        bool fromStandardInput;
        std::string printed; // a part of what the program must print; "@" stands for the file
    };
    const std::vector<Case> cases = {
        {pictures, false, "error: line 1025: @ already holds 1024 pictures"},
        {pictures, true, "error: line 1025: standard input already holds 1024 pictures"},
        {"new NuvelCommand\nset " + huge + " 1\n", false,
         "error: line 2: NuvelCommand has no property or field " + cut},
    };
    for (const Case& c : cases) {
        const std::string file = TempName(".nks");
        std::ofstream(file, std::ios::binary) << c.script;
        std::string printed;
        const std::string args = "script " + std::string(c.fromStandardInput ? "< " : "") + file;
        EXPECT_EQ(RunProgram(args, printed), 2) << printed.substr(0, 300);
        std::string expected = c.printed;
        if (const auto at = expected.find('@'); at != std::string::npos)
            expected.replace(at, 1, file);
        EXPECT_NE(printed.find(expected), std::string::npos)
            << printed.substr(printed.size() > 300 ? printed.size() - 300 : 0);
        // The echo of the huge line and the message quote excerpts only.
        EXPECT_LT(printed.size(), 64u << 10);
        std::remove(file.c_str());
    }
}

} // namespace
} // namespace nk
