// Where libraries may be loaded from: a marker library, whose constructor leaves a file,
// must not run from a relative registry path, a folder other users may write, a FIFO, or a
// program folder guessed from the current folder.
#include "host/loading/library_loader.h"
#include "tests/env_var.h"
#include "tests/test_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace nk {
namespace {

namespace fs = std::filesystem;

class LibraryTrust : public testing::Test {
protected:
    void SetUp() override {
        dir_ = FreshTestFolder("nk_trust_");
        fs::create_directories(dir_ / "lib");
        ::chmod(dir_.c_str(), 0755);
        ::chmod((dir_ / "lib").c_str(), 0755);
        fs::copy_file(NK_MARKER_LIBRARY, dir_ / "lib" / "libacme.so");
        marker_ = dir_ / "marker";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    bool MarkerLeft() const { return fs::exists(marker_); }

    fs::path dir_;
    fs::path marker_;
    EnvVar markerVar_{"NK_MARKER_FILE", std::nullopt};
};

TEST_F(LibraryTrust, TheMarkerRunsFromASafeFolderAndNeverFromAnUnsafeOne) {
    EnvVar marker("NK_MARKER_FILE", marker_.string());
    const fs::path library = dir_ / "lib" / "libacme.so";
    ASSERT_EQ(::mkfifo((dir_ / "lib" / "pipe.so").c_str(), 0600), 0);
    struct Case {
        const char* what;
        mode_t folderMode;
        fs::path file;
        const char* refusal; // "" when the library may be opened
    };
    const Case cases[] = {
        {"a world-writable folder", 0777, library, "can be changed by other users"},
        {"a FIFO", 0755, dir_ / "lib" / "pipe.so", "is a FIFO"},
        // Last, as the control: the marker does run when nothing forbids it (the library
        // is then refused for lack of exports, after its constructor).
        {"a safe folder", 0755, library, ""},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(::chmod((dir_ / "lib").c_str(), c.folderMode), 0);
        std::string error;
        EXPECT_FALSE(LoadedLibrary::Open(c.file, error)) << c.what;
        if (*c.refusal) {
            EXPECT_NE(error.find(c.refusal), std::string::npos) << c.what << ": " << error;
            EXPECT_FALSE(MarkerLeft()) << c.what;
        } else {
            EXPECT_NE(error.find("DllGetClassObject"), std::string::npos) << error;
            EXPECT_TRUE(MarkerLeft()) << c.what;
        }
    }
}

TEST_F(LibraryTrust, ARelativeRegistryPathIsRefusedInEveryFolder) {
    EnvVar marker("NK_MARKER_FILE", marker_.string());
    EnvVar data("XDG_DATA_HOME", dir_.string());
    fs::create_directories(dir_ / "nuvelkit");
    {
        std::ofstream f(dir_ / "nuvelkit" / "registry.json");
        f << R"({"format":"nuvelkit-registry","version":1,"libraries":{"acme":)"
             R"({"path":"lib/libacme.so","classes":[]}}})";
    }
    const fs::path before = fs::current_path();
    fs::current_path(dir_); // where the relative path would find the marker
    std::string error;
    const auto file = FindLibraryFile("acme", error);
    fs::current_path(before);
    EXPECT_FALSE(file) << file->string();
    EXPECT_NE(error.find("lib/libacme.so: the component registry"), std::string::npos) << error;
    EXPECT_NE(error.find("not absolute"), std::string::npos) << error;
    EXPECT_FALSE(MarkerLeft());
}

TEST_F(LibraryTrust, TheProgramFolderIsNeverGuessedFromTheCurrentFolder) {
    EXPECT_EQ(ProgramFolder(dir_ / "no-such-link"), fs::path());
    EXPECT_TRUE(ProgramFolder().is_absolute());
    EXPECT_EQ(ProgramFolder().filename(), "bin");
}

} // namespace
} // namespace nk
