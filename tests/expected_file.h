#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace vantor::test {

// An output compared whole with its expected file. With VANTOR_UPDATE_CASES=1
// the output is written there instead, as the case runners do, to be read like
// code before it is committed.
inline void expect_file_text(const std::string& path, const std::string& text,
                             const std::string& what) {
    const char* update = std::getenv("VANTOR_UPDATE_CASES");
    if (update != nullptr && std::string(update) == "1")
        std::ofstream(path, std::ios::binary) << text;
    std::ifstream file(path, std::ios::binary);
    const std::string expected(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(text, expected) << what << " (expected in " << path << ")";
}

}  // namespace vantor::test
