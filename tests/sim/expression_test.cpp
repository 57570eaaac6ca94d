#include "sim/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vantor::sim {
namespace {

TEST(Expression, ReadsTheNumberFormsUsersType) {
    EXPECT_DOUBLE_EQ(evaluate("1e-3"), 1e-3);
    EXPECT_DOUBLE_EQ(evaluate(".5"), 0.5);
    EXPECT_DOUBLE_EQ(evaluate("2."), 2);
    EXPECT_DOUBLE_EQ(evaluate(" 2E+2 "), 200);
    EXPECT_DOUBLE_EQ(evaluate("2*pi"), 2 * std::numbers::pi);
    EXPECT_DOUBLE_EQ(evaluate("1/(1000*9.81)"), 1 / 9810.0);
    EXPECT_DOUBLE_EQ(evaluate("1/(1/50)"), 50);
}

TEST(Expression, FollowsMatlabPrecedence) {
    EXPECT_DOUBLE_EQ(evaluate("-2^2"), -4);   // the power binds tighter than the sign
    EXPECT_DOUBLE_EQ(evaluate("2^3^2"), 64);  // and is left-associative
    EXPECT_DOUBLE_EQ(evaluate("2^-1"), 0.5);  // an exponent may carry a sign
    EXPECT_DOUBLE_EQ(evaluate("2*-3"), -6);
    EXPECT_DOUBLE_EQ(evaluate("1-2-3"), -4);
    EXPECT_DOUBLE_EQ(evaluate("8/2/2"), 2);
    EXPECT_DOUBLE_EQ(evaluate("1+2*3^2"), 19);
    EXPECT_DOUBLE_EQ(evaluate("-(1-3)"), 2);
    EXPECT_DOUBLE_EQ(evaluate("2.*3./4.^2"), 0.375);
    EXPECT_DOUBLE_EQ(evaluate("--1"), 1);
}

TEST(Expression, EvaluatesFcnExpressionsOfTheInput) {
    const Expression f = Expression::parse("sin(u)+cos(u)^2-exp(-u)/sqrt(abs(u))", true);
    const double u = -0.7;
    EXPECT_DOUBLE_EQ(f(u), std::sin(u) + std::pow(std::cos(u), 2) - std::exp(-u) / std::sqrt(0.7));
    EXPECT_DOUBLE_EQ(Expression::parse("1/(1+u(1)^2)", true)(2), 0.2);
}

TEST(Expression, RefusesWhatMatlabWouldNotMeanTheSame) {
    for (const char* text : {"", "1+", "(1", "1)", "1 2", "2**3", "1e", "x", "sin 1", "sin()",
                             "'1'", "1,2", "u", "inf", "log(2)", "u(2)"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(Expression::parse(text), std::runtime_error);
    }
    EXPECT_THROW(Expression::parse("u(2)", true), std::runtime_error);
    try {
        evaluate("2*zeta");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("zeta"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace vantor::sim
