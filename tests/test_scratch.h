#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace vantor::test {

// A folder of the running test's own, ending in "/": ctest runs the test
// cases of a program in parallel processes, and two builds may run the same
// test at once, so the folder is named after the test and the process.
inline std::string scratch_dir() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = info == nullptr
                                 ? std::string("global")
                                 : std::string(info->test_suite_name()) + "." + info->name();
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) /
                                      ("vantor_" + std::to_string(::getpid()) + "_" + name);
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

}  // namespace vantor::test
