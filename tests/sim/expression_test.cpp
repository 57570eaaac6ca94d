#include "sim/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace vantor::sim {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(Expression, ReadsTheNumberFormsUsersType) {
    EXPECT_DOUBLE_EQ(evaluate("1e-3"), 1e-3);
    EXPECT_DOUBLE_EQ(evaluate(".5"), 0.5);
    EXPECT_DOUBLE_EQ(evaluate("2."), 2);
    EXPECT_DOUBLE_EQ(evaluate(" 2E+2 "), 200);
    EXPECT_DOUBLE_EQ(evaluate("2*pi"), 2 * kPi);
    EXPECT_DOUBLE_EQ(evaluate("1/(1000*9.81)"), 1 / 9810.0);
    EXPECT_DOUBLE_EQ(evaluate("1e999"), HUGE_VAL);
}

// A Fcn fed by a mux of three signals, with two workspace values.
TEST(Expression, ComputesTheFcnLanguage) {
    const double u[] = {0.5, -2, 3};
    const Workspace workspace = {{"k", 4}, {"m_2", 0.25}};
    const std::pair<const char*, double> cases[] = {
        // precedence: ^, then the prefixes, then * /, + -, < > <= >=, == !=, &&, ||
        {"-2^2", -4},
        {"2^3^2", 64},  // ^ is left-associative
        {"2^-1", 0.5},  // an exponent may carry its sign
        {"2*-3", -6},
        {"1-2-3", -4},
        {"8/2/2", 2},
        {"1+2*3^2", 19},
        {"-(1-3)", 2},
        {"--1", 1},
        {"2.*3./4.^2", 0.375},
        {"!0*5", 5},  // ! binds tighter than *
        {"!2-1", -1},
        {"!-2^2", 0},
        {"-!0", -1},
        {"!!3", 1},
        {"1+2 < 4", 1},
        {"2 == 2 < 3", 0},  // == is looser than <: 2 == 1
        {"1 < 2 == 1", 1},
        {"3 > 2 > 1", 0},  // comparisons chain from the left: 1 > 1
        {"1 || 0 && 0", 1},
        {"0 && 1 || 1", 1},
        {"1 == 1 && 2 != 2", 0},
        {"2 != 2 || 1 == 1", 1},
        // comparisons and logic give 1 or 0; any non-zero value is true
        {"1 <= 1", 1},
        {"1 >= 2", 0},
        {"1 < 1", 0},
        {"2 > 1", 1},
        {"1 != 1", 0},
        {"-3 && 0.5", 1},
        {"0 || -0.1", 1},
        {"0 || 0", 0},
        {"!u", 0},
        // every function
        {"abs(-2)", 2},
        {"acos(1)", 0},
        {"asin(1)", kPi / 2},
        {"atan(1)", kPi / 4},
        {"atan2(1, -1)", 3 * kPi / 4},  // atan2(y, x)
        {"ceil(-1.5)", -1},
        {"cos(pi)", -1},
        {"cosh(0)", 1},
        {"exp(1)", std::numbers::e},
        {"fabs(-3)", 3},
        {"floor(-1.5)", -2},
        {"hypot(3, 4)", 5},
        {"ln(exp(2))", 2},
        {"log(exp(3))", 3},  // the natural logarithm
        {"log10(1000)", 3},
        {"pow(2, 10)", 1024},
        {"power(9, 0.5)", 3},
        {"rem(-7, 3)", -1},  // the sign of the dividend
        {"rem(7, -3)", 1},
        {"rem(5.5, 2)", 1.5},
        {"sgn(-4)", -1},
        {"sgn(0)", 0},
        {"sgn(0.1)", 1},
        {"sin(pi/2)", 1},
        {"sinh(0)", 0},
        {"sqrt(16)", 4},
        {"tan(pi/4)", std::tan(kPi / 4)},
        {"tanh(1e3)", 1},
        {"sin (0)", 0},
        // the input: u is u(1)
        {"u", 0.5},
        {"u(1)", 0.5},
        {"u(2)", -2},
        {"u(3)^2", 9},
        {"u( 2 )*u", -1},
        {"sgn(u(2))", -1},
        {"hypot(u(2), u(3) - 3)", 2},
        {"u(3) > u(1) && u(2) < 0", 1},
        // workspace names and pi
        {"k*u", 2},
        {"m_2 + k", 4.25},
        {"-k^2", -16},
        {" pi ", kPi},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(Expression::parse(text, true, &workspace)(u), value);
    }
}

TEST(Expression, NamesWhatItCannotRead) {
    const Workspace workspace = {{"k", 4}};
    const std::pair<const char*, const char*> cases[] = {
        {"k2*u", "unknown name 'k2'"},
        {"inf", "unknown name 'inf'"},
        {"sign(u)", "unknown function 'sign'"},
        {"k(1)", "'k' is a workspace value, not a function"},
        {"atan2(u)", "'atan2' takes 2 arguments, not 1"},
        {"sin(u, 1)", "'sin' takes 1 argument, not 2"},
        {"sin()", "'sin' takes 1 argument, not 0"},
        {"sin u", "'sin' needs its arguments in parentheses"},
        {"(u+1", "')' is missing"},
        {"sin(u", "')' is missing after the arguments of 'sin'"},
        {"u+1)", "unexpected ')'"},
        {"u(0)", "u(i) needs a whole number i from 1"},
        {"u(1.5)", "u(i) needs a whole number i from 1"},
        {"u(k)", "u(i) needs a whole number i from 1"},
        {"", "empty expression"},
        {"1+", "an operand is missing"},
        {"1 2", "unexpected '2'"},
        {"2**3", "unexpected '*'"},
        {"u = 1", "unexpected '='"},
        {"u ~= 1", "unexpected '~'"},
        {"1e", "an exponent is missing its digits"},
        {"u·2", "unexpected '·'"},
    };
    for (const auto& [text, problem] : cases) {
        try {
            Expression::parse(text, true, &workspace);
            ADD_FAILURE() << text << " was read";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), "expression '" + std::string(text) + "': " + problem);
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
