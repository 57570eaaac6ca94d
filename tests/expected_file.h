#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "model/file_reading.h"

namespace vantor::test {

// A file's whole text; empty when there is no such file.
inline std::string file_text(const std::string& path) {
    return read_file_if_present(path, std::size_t{1} << 26).value_or("");
}

// VANTOR_UPDATE_CASES=1: expected files are written from what the tests
// give, to be read like code before they are committed.
inline bool updating_cases() {
    const char* update = std::getenv("VANTOR_UPDATE_CASES");
    return update != nullptr && std::string(update) == "1";
}

inline void write_text(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Short texts show gtest's line diff (- expected, + got); long ones, such as
// a simulation's CSV, the first line that differs.
inline void expect_same_text(const std::string& expected, const std::string& got,
                             const std::string& what) {
    if (expected == got) return;
    const auto lines = [](const std::string& text) {
        return std::count(text.begin(), text.end(), '\n');
    };
    if (lines(expected) < 400 && lines(got) < 400) {
        EXPECT_EQ(expected, got) << what;
        return;
    }
    std::istringstream want_lines(expected), got_lines(got);
    std::string want_line, got_line;
    int n = 1;
    while (std::getline(want_lines, want_line) && std::getline(got_lines, got_line) &&
           want_line == got_line)
        ++n;
    ADD_FAILURE() << what << " differs first at line " << n << ":\n- " << want_line << "\n+ "
                  << got_line;
}

// An output compared whole with its expected file, or written there when
// updating.
inline void expect_file_text(const std::string& path, const std::string& text,
                             const std::string& what) {
    if (updating_cases()) write_text(path, text);
    expect_same_text(file_text(path), text, what + " (expected in " + path + ")");
}

}  // namespace vantor::test
