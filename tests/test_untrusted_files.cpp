// Files and text from outside: only regular files are read, and within their limits;
// saving keeps permissions, follows links and leaves nothing behind when it fails; JSON
// refusals say what is wrong and where; the registry keeps every entry under concurrent
// registration.
#include "host/codec/codec.h"
#include "host/forms/form.h"
#include "host/hosts/headless_host.h"
#include "host/script/script.h"
#include "kit/classes.h"
#include "registry/registry.h"
#include "support/file_io.h"
#include "support/json_text.h"
#include "tests/test_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace nk {
namespace {

namespace fs = std::filesystem;

class UntrustedFiles : public testing::Test {
protected:
    void SetUp() override { dir_ = FreshTestFolder("nk_untrusted_"); }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    // Names in the folder other than `keep`.
    std::vector<std::string> Others(const std::string& keep) const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            if (e.path().filename() != keep) names.push_back(e.path().filename().string());
        return names;
    }
    std::string MakeFifo(const std::string& name) const {
        const std::string path = Path(name);
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        return path;
    }
    fs::path dir_;
};

// Runs `body` in a child process that an alarm ends after five seconds: a read that
// would wait forever fails the test instead of hanging it.
void EndsPromptly(const std::function<bool()>& body, const char* what) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(5);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << what << " was stopped by signal " << WTERMSIG(status);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0) << what;
}

TEST_F(UntrustedFiles, OnlyRegularFilesAreReadAndAtOnce) {
    const std::string fifo = MakeFifo("pipe");
    const auto classes = AllClasses();
    struct Case {
        std::string path;
        std::string words;
    };
    const std::vector<Case> cases = {{"/dev/zero", "is a character device, not a form file"},
                                     {fifo, "is a FIFO (named pipe), not a form file"},
                                     {dir_.string(), "is a folder, not a form file"}};
    for (const Case& c : cases)
        EndsPromptly(
            [&] {
                std::string error;
                return !Form::Load(c.path, classes, error) && error == c.path + ": " + c.words;
            },
            c.path.c_str());
    EndsPromptly(
        [&] {
            const DecodeResult r = LoadPictureFile(fifo);
            return !r.ok() && r.error.find("FIFO") != std::string::npos;
        },
        "a picture file that is a FIFO");
    const InterfaceTable* screen = nullptr;
    for (const InterfaceTable* t : classes)
        if (std::string_view(t->className) == "NuvelScreen") screen = t;
    ASSERT_NE(screen, nullptr);
    EndsPromptly(
        [&] {
            ControlSite site(*screen);
            const Variant name = Variant::String(fifo);
            const MethodResult r = site.Call("LoadScreenDataFile", {&name, 1});
            return r.error == static_cast<int>(FileError::PathFileAccess);
        },
        "LoadScreenDataFile of a FIFO");
}

TEST_F(UntrustedFiles, FilesBeyondTheirLimitAreRefusedUnread) {
    Write("big", std::string(1000, 'x'));
    const FileBytes over = ReadRegularFile(Path("big"), 999, "form file");
    EXPECT_FALSE(over.ok());
    EXPECT_NE(over.error.find("has 1000 bytes, more than the 999 bytes allowed"), std::string::npos)
        << over.error;
    const FileBytes fits = ReadRegularFile(Path("big"), 1000, "form file");
    ASSERT_TRUE(fits.ok()) << fits.error;
    EXPECT_EQ(fits.bytes.size(), 1000u);
}

// The JSON readers' refusals: what is wrong, in words, at its line and column.
TEST(UntrustedJson, RefusalsSayWhatAndWhere) {
    const std::string deep =
        "{\"a\":" + std::string(1000000, '[') + std::string(1000000, ']') + "}";
    const std::string longKey(100000, 'k');
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"{\"a\":\"Bad \xFF\"}", "line 1, column 11: invalid UTF-8 byte 0xFF"},
        {"{\n \"a\":\"x\ty\"}", "line 2, column 8: control character U+0009 in a string"},
        {"{\"a\":\n  1e400}", "line 2, column 3: number 1e400 out of range"},
        {deep, "line 1, column 517: nesting deeper than 512 levels"},
        {"{\"a\" 1}", "line 1, column 6: unexpected number literal; expected ':'"},
        {"[1,", "line 1, column 4: the text ends early; expected '[', '{', or a literal"},
        // An earlier fault comes before a later depth problem.
        {"{\"a\":x" + std::string(600, '['), "line 1, column 6: invalid literal"},
    };
    for (const Case& c : cases) {
        nlohmann::ordered_json doc;
        EXPECT_EQ(ParseJsonText(c.text, doc), c.message) << c.text.substr(0, 40);
    }
    nlohmann::ordered_json doc;
    EXPECT_EQ(ParseJsonText("{\"a\":[[1e300]]}", doc), "");
    const std::string quoted = QuoteCut(longKey);
    EXPECT_EQ(quoted, "\"" + std::string(80, 'k') + "\u2026\"");
    EXPECT_EQ(QuoteCut("short"), "\"short\"");
}

TEST(UntrustedJson, ADeepBagInAScriptOrAFormIsRefusedWithItsPlace) {
    const std::string deep = std::string(1000000, '[') + std::string(1000000, ']');
    const auto classes = AllClasses();
    std::istringstream script("new NuvelCommand Command1 100 30\nread {\"Caption\":" + deep +
                              "}\n");
    std::ostringstream out, err;
    EXPECT_EQ(RunScript(script, out, err, classes), kScriptError);
    EXPECT_NE(err.str().find("nesting deeper than 512 levels"), std::string::npos) << err.str();
    EXPECT_LT(err.str().size(), 400u);

    const std::string form = "{\"format\":\"nuvelkit-form\",\"version\":1,\"controls\":[{\"class\":"
                             "\"NuvelCheck\",\"name\":\"c\",\"left\":0,\"top\":0,\"width\":900,"
                             "\"height\":300,\"bag\":{\"Caption\":" +
                             deep + "}}]}";
    std::string error;
    EXPECT_FALSE(Form::FromJson(form, "deep.nkform", classes, error));
    EXPECT_EQ(error.rfind("deep.nkform: line 1, column ", 0), 0u) << error;
    EXPECT_NE(error.find("nesting deeper than 512 levels"), std::string::npos) << error;
}

TEST(UntrustedScript, MessagesNameTheActualProblem) {
    const auto classes = AllClasses();
    struct Case {
        const char* line;
        const char* words;
    };
    for (const Case& c :
         {Case{"set PictureNormal res:0",
               "error: line 2: the control's library holds no bitmap resource 0"},
          Case{"set PictureNormal res:x", "error: line 2: bad resource number in res:x"},
          Case{"set PictureNormal nosuch", "error: line 2: cannot understand the value nosuch"},
          Case{"picture P file \"/dev/zero\"",
               "/dev/zero: is a character device, not a picture file"}}) {
        std::istringstream script(std::string("new NuvelCommand Command1 100 30\n") + c.line +
                                  "\n");
        std::ostringstream out, err;
        EXPECT_EQ(RunScript(script, out, err, classes), kScriptError) << c.line;
        EXPECT_NE(err.str().find(c.words), std::string::npos) << err.str();
    }
}

TEST(UntrustedJson, AFormsPicturesTogetherStayWithinTheirBudget) {
    // Seventeen pictures claiming 4096 x 4096 pixels each: more than the form may hold,
    // refused from their headers alone (the data behind them is not even a picture).
    const std::string header = "iVBORw0KGgoAAAANSUhEUgAAEAAAABAAAQAAAAA=";
    std::string pictures;
    for (int i = 0; i < 17; ++i)
        pictures += std::string(i ? "," : "") + "{\"id\":\"p" + std::to_string(i) +
                    "\",\"png\":\"" + header + "\"}";
    const std::string form =
        "{\"format\":\"nuvelkit-form\",\"version\":1,\"pictures\":[" + pictures + "]}";
    std::string error;
    EXPECT_FALSE(Form::FromJson(form, "many.nkform", AllClasses(), error));
    EXPECT_NE(error.find("many.nkform: /pictures/16: "), std::string::npos) << error;
    EXPECT_NE(error.find("pictures of one form may hold together"), std::string::npos) << error;
}

struct SaveCase {
    const char* name;
    mode_t mode;
};

TEST_F(UntrustedFiles, SavingKeepsPermissionsAndReplacesALinksTarget) {
    for (const SaveCase& c : {SaveCase{"private", 0600}, SaveCase{"shared", 0664}}) {
        Write(c.name, "old");
        ASSERT_EQ(::chmod(Path(c.name).c_str(), c.mode), 0);
        ASSERT_EQ(ReplaceFile(Path(c.name), "new"), "");
        struct stat st {};
        ASSERT_EQ(::stat(Path(c.name).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode) << c.name;
        EXPECT_EQ(Read(c.name), "new");
    }
    Write("target", "old");
    fs::create_symlink("target", dir_ / "link");
    ASSERT_EQ(ReplaceFile(Path("link"), "through the link"), "");
    EXPECT_TRUE(fs::is_symlink(dir_ / "link"));
    EXPECT_EQ(Read("target"), "through the link");

    Write("locked", "keep me");
    ASSERT_EQ(::chmod(Path("locked").c_str(), 0444), 0);
    const std::string refused = ReplaceFile(Path("locked"), "lost");
    EXPECT_NE(refused.find("write-protected"), std::string::npos) << refused;
    EXPECT_EQ(Read("locked"), "keep me");
    EXPECT_EQ(Others("").size(), 5u) << "a temporary file stayed behind";
}

TEST_F(UntrustedFiles, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    Write("form", "old contents");
    // A file-size limit makes the write of the temporary file fail.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4, 4};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string error = ReplaceFile(Path("form"), std::string(100, 'n'));
        _exit(error.find("cannot write the temporary file") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Read("form"), "old contents");
    EXPECT_TRUE(Others("form").empty());

    // A folder that does not exist: no temporary file can be made.
    const std::string nowhere = Path("missing") + "/form";
    EXPECT_NE(ReplaceFile(nowhere, "x").find("no temporary file can be made"), std::string::npos);

    if (::geteuid() == 0) return; // the system lets its administrator write anywhere
    ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
    EXPECT_NE(ReplaceFile(Path("form"), "new").find("Permission denied"), std::string::npos);
    ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    EXPECT_EQ(Read("form"), "old contents");
    EXPECT_TRUE(Others("form").empty());
}

TEST_F(UntrustedFiles, OnlyTheKitsOwnStaleTemporaryFilesAreRemoved) {
    struct Case {
        const char* name;
        bool old;
        bool removed;
    };
    const Case cases[] = {
        {".doc.nkform.nuvelkit-tmp-AbC123", true, true},   // left by a killed save
        {".doc.nkform.nuvelkit-tmp-Fresh1", false, false}, // a save in progress
        {".doc.nkform.nuvelkit-tmp-toolong7", true, false},
        {".other.nuvelkit-tmp-AbC123", true, false}, // another file's
        {".doc.nkform.tmp-AbC123", true, false},     // no marker: not provably the kit's
        {"doc.nkform.tmp4242", true, false},
        {"doc.nkform.tmp2", true, false}, // a user's notes
    };
    Write("doc.nkform", "{}");
    const timeval old[2] = {{946684800, 0}, {946684800, 0}}; // 2000-01-01
    for (const Case& c : cases) {
        Write(c.name, "my notes");
        if (c.old) {
            ASSERT_EQ(::utimes(Path(c.name).c_str(), old), 0);
        }
    }
    ASSERT_EQ(ReplaceFile(Path("doc.nkform"), "{\"a\":1}"), "");
    for (const Case& c : cases) {
        EXPECT_EQ(!fs::exists(dir_ / c.name), c.removed) << c.name;
        if (!c.removed) {
            EXPECT_EQ(Read(c.name), "my notes") << c.name;
        }
    }
    EXPECT_EQ(Read("doc.nkform"), "{\"a\":1}");
}

TEST_F(UntrustedFiles, ConcurrentRegistrationsLoseNoEntry) {
    const fs::path file = dir_ / "nuvelkit" / "registry.json";
    for (int round = 0; round < 20; ++round) {
        fs::remove(file);
        std::vector<pid_t> children;
        for (int i = 0; i < 10; ++i) {
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                RegisteredLibrary lib;
                lib.name = (i % 2 ? "nuvset1-" : "nuvset2-") + std::to_string(i);
                lib.path = "/lib/" + lib.name + ".so";
                std::string error;
                _exit(WriteRegistryEntry(file, lib, error) ? 0 : 1);
            }
            children.push_back(child);
        }
        for (pid_t child : children) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        std::string error;
        const auto libs = ReadRegistry(file, error);
        ASSERT_TRUE(libs) << error;
        ASSERT_EQ(libs->size(), 10u) << "round " << round;
    }
}

TEST_F(UntrustedFiles, TheRegistryRefusesWhatItCannotRead) {
    const fs::path file = dir_ / "registry.json";
    struct Case {
        std::string text;
        std::string words;
    };
    const std::vector<Case> cases = {
        {R"({"format":"nuvelkit-registry","version":99,"libraries":{}})",
         "\"version\": version 99 is newer than this program reads (1)"},
        {R"({"format":"nuvelkit-registry","version":"1","libraries":{}})",
         "\"version\": expected a whole number, found \"1\""},
        {"{\"format\":\"nuvelkit-registry\",\"libraries\":{\"a\":1e999}}",
         "line 1, column 48: number 1e999 out of range"},
    };
    for (const Case& c : cases) {
        Write("registry.json", c.text);
        std::string error;
        EXPECT_FALSE(ReadRegistry(file, error));
        EXPECT_EQ(error, file.string() + ": " + c.words);
        RegisteredLibrary lib{"x", "/x.so", {}, {}, {}, {}};
        int cause = -1;
        EXPECT_FALSE(WriteRegistryEntry(file, lib, error, &cause));
        EXPECT_EQ(cause, 0);
        EXPECT_EQ(Read("registry.json"), c.text) << "a registry it cannot read was replaced";
    }
    fs::remove(file);
    fs::create_directory(file);
    std::string error;
    EXPECT_FALSE(ReadRegistry(file, error));
    EXPECT_EQ(error, file.string() + ": is a folder, not a component registry");
}

TEST(UntrustedRegistry, AFailedRegistrationKeepsItsReason) {
    struct Case {
        int cause;
        std::uint32_t result;
        const char* words;
    };
    for (const Case& c :
         {Case{EACCES, 0x80070005u, "access denied"}, Case{EROFS, 0x80070005u, "access denied"},
          Case{ENOSPC, 0x80070070u, "disk"}, Case{ENOMEM, 0x8007000Eu, "memory"},
          Case{0, 0x80040201u, "could not be recorded"}}) {
        const HResult hr = RegistrationFailure(c.cause);
        EXPECT_EQ(static_cast<std::uint32_t>(hr), c.result) << c.cause;
        EXPECT_NE(DescribeRegistrationResult(hr).find(c.words), std::string::npos) << c.cause;
    }
    EXPECT_EQ(DescribeRegistrationResult(S_OK), "");
}

} // namespace
} // namespace nk
