// A fresh, empty folder for the running test, named after the process and the test so that
// tests run side by side never share one.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace nk {

inline std::filesystem::path FreshTestFolder(std::string_view prefix) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        (std::string(prefix) + std::to_string(::getpid()) + "_" +
         testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace nk
