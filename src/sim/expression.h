#pragma once

// The MATLAB expressions that generated diagrams carry in their parameters:
// numbers, + - * / ^ (and the element-wise .* ./ .^ of scalars), unary signs,
// parentheses, pi, and for Fcn blocks the input u and sin cos exp sqrt abs.

#include <string>
#include <string_view>
#include <vector>

namespace vantor::sim {

class Expression {
  public:
    // Throws std::runtime_error naming the text and what could not be read,
    // also for u when `allow_u` is false.
    static Expression parse(std::string_view text, bool allow_u = false);

    double operator()(double u = 0) const;

  private:
    enum class Op { kNumber, kInput, kNegate, kAdd, kSubtract, kMultiply, kDivide, kPower, kCall };
    struct Step {
        Op op;
        double value = 0;                      // kNumber
        double (*function)(double) = nullptr;  // kCall
    };
    friend class ExpressionParser;

    std::vector<Step> program_;  // postfix
};

// The value of a parameter text without input.
double evaluate(std::string_view text);

}  // namespace vantor::sim
