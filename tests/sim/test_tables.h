#pragma once

// Tables of cases kept as data, in tests/data/tables.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace vantor::test {

struct TableCase {
    std::string input, expected;
};

// The cases of tests/data/tables/NAME. A line "@@ EXPECTED" starts a case
// whose input is the lines up to the next case, each with its "\n"; before
// the first, a line "INPUT<tab>EXPECTED" is a case. Lines that start with
// "#" are comments.
inline std::vector<TableCase> table(const std::string& name) {
    std::ifstream in(std::string(VANTOR_TABLES_DIR) + "/" + name, std::ios::binary);
    std::vector<TableCase> cases;
    bool blocks = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("#")) continue;
        if (line.starts_with("@@ ")) {
            cases.push_back({"", line.substr(3)});
            blocks = true;
        } else if (blocks) {
            cases.back().input += line + "\n";
        } else if (const auto tab = line.find('\t'); tab != std::string::npos) {
            cases.push_back({line.substr(0, tab), line.substr(tab + 1)});
        }
    }
    EXPECT_FALSE(cases.empty()) << "no cases in " << name;
    return cases;
}

// The numbers of a text, as strtod reads them ("nan" and "inf" too).
inline std::vector<double> numbers(const std::string& text) {
    std::vector<double> values;
    const char* at = text.c_str();
    for (char* end = nullptr;; at = end) {
        const double v = std::strtod(at, &end);
        if (end == at) return values;
        values.push_back(v);
    }
}

}  // namespace vantor::test

namespace vantor::sim::test {
using vantor::test::table;
}  // namespace vantor::sim::test
