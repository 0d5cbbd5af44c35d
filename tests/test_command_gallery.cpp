// `nuvelkit gallery` from end to end: every cell of every registered control
// draws, and the sheet is written as a PNG file; a file that cannot be written
// is an error naming it.
#include "host/codec/codec.h"
#include "tests/run_program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace nk {
namespace {

using testing_program::RunProgram;
using testing_program::TempName;

TEST(Gallery, DrawsEveryCellAndWritesTheSheet) {
    const std::string file = TempName(".png");
    std::remove(file.c_str());
    std::string printed;
    ASSERT_EQ(RunProgram("gallery -o " + file, printed), 0) << printed;
    EXPECT_NE(printed.find("wrote " + file), std::string::npos) << printed;
    // A cell that failed is reported on its own line and counted in a warning.
    EXPECT_EQ(printed.find("warning"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("gallery: "), std::string::npos) << printed;

    const DecodeResult sheet = LoadPictureFile(file);
    ASSERT_TRUE(sheet.ok()) << sheet.error;
    EXPECT_EQ(sheet.image.width, 1400);
    EXPECT_GT(sheet.image.height, 500);
    std::remove(file.c_str());
}

TEST(Gallery, NamesTheFileItCannotWrite) {
    std::string printed;
    const std::string file = TempName("/no-such-folder/sheet.png");
    EXPECT_NE(RunProgram("gallery -o " + file, printed), 0);
    EXPECT_NE(printed.find("error: " + file), std::string::npos) << printed;
}

} // namespace
} // namespace nk
