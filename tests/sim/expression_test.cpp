#include "sim/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "sim/test_tables.h"

namespace vantor::sim {
namespace {

// A Fcn fed by a mux of three signals, with two workspace values.
TEST(Expression, ComputesTheFcnLanguage) {
    const double u[] = {0.5, -2, 3};
    const Workspace workspace = {{"k", 4}, {"m_2", 0.25}};
    for (const auto& [text, value] : test::table("as2_fcn_values.txt")) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(Expression::parse(text, true, &workspace)(u), std::stod(value));
    }
}

TEST(Expression, NamesWhatItCannotRead) {
    const Workspace workspace = {{"k", 4}};
    for (const auto& [text, problem] : test::table("as2_fcn_refusals.txt")) {
        try {
            Expression::parse(text, true, &workspace);
            ADD_FAILURE() << text << " was read";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), "expression '" + text + "': " + problem);
        }
    }
}

// Parameters are MATLAB: the Fcn block's own operators and names mean
// something else there or nothing.
TEST(Expression, KeepsParametersToWhatMatlabReadsAlike) {
    EXPECT_DOUBLE_EQ(evaluate("log(2)+hypot(3,4)"), std::log(2.0) + 5);
    for (const char* text : {"u", "u(2)", "1<2", "!0", "sgn(1)", "ln(2)", "1,2", "'1'", "x"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(Expression::parse(text), std::runtime_error);
    }
    try {
        evaluate("2 == 2");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "expression '2 == 2': '==' is only known in a Fcn block");
    }
}

TEST(Expression, BoundsNestingButNotLength) {
    auto nested = [](int depth) { return std::string(depth, '(') + "u" + std::string(depth, ')'); };
    EXPECT_DOUBLE_EQ(Expression::parse(nested(256), true)(2), 2);
    EXPECT_DOUBLE_EQ(Expression::parse("sin(" + nested(255) + ")", true)(0), 0);
    try {
        Expression::parse("sin(" + nested(256) + ")", true);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("more than 256 nested parentheses"),
                  std::string::npos);
    }
    // Long flat texts need no depth: a million signs, a sum of 100,000 terms.
    EXPECT_DOUBLE_EQ(Expression::parse(std::string(1'000'000, '-') + "u", true)(3), 3);
    std::string sum = "u";
    for (int i = 0; i < 100'000; ++i) sum += "+u*(u+1)";
    EXPECT_DOUBLE_EQ(Expression::parse(sum, true)(1), 200'001);
}

TEST(Expression, RefusesToReadPastItsInput) {
    const Expression f = Expression::parse("u(1) + u(3)", true);
    EXPECT_EQ(f.inputs_read(), 3u);
    const double two[] = {1, 2};
    EXPECT_THROW(f(two), std::out_of_range);
    EXPECT_EQ(Expression::parse("2*pi", true).inputs_read(), 0u);
    EXPECT_EQ(Expression::parse("u", true).inputs_read(), 1u);
}

}  // namespace
}  // namespace vantor::sim
