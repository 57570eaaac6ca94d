#pragma once

// The expressions that generated diagrams carry, compiled once into a postfix
// program that runs at every step.
//
// Block parameters are MATLAB arithmetic: numbers, + - * / ^ (and the
// element-wise .* ./ .^ of scalars), unary signs, parentheses, pi, and the
// functions whose meaning MATLAB shares with Fcn blocks.
//
// A Fcn block's expression is the Fcn language (docs/fcn-language.md): the
// input u and its elements u(i), comparisons and logical operators that give
// 1 or 0, its functions, and workspace names, with Simulink's precedence.

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::sim {

// Scalar values an expression may name, fixed for a whole run.
using Workspace = std::map<std::string, double, std::less<>>;

class Expression {
  public:
    // Deeper nesting of parentheses and argument lists is refused.
    static constexpr int kMaxNesting = 256;

    // Reads `text` as a block parameter or, with `fcn`, as a Fcn block's
    // expression. Throws std::runtime_error "expression 'TEXT': PROBLEM"
    // naming what could not be read: an unknown name or function, a wrong
    // count of arguments, a missing or extra parenthesis, u outside a Fcn.
    static Expression parse(std::string_view text, bool fcn = false,
                            const Workspace* workspace = nullptr);

    // The elements of u the expression reads: i for u(i) at most, 1 for a
    // bare u, 0 without u.
    std::size_t inputs_read() const { return inputs_read_; }

    // Throw std::out_of_range when u has fewer elements than inputs_read().
    double operator()(std::span<const double> u) const;
    double operator()(double u = 0) const { return (*this)(std::span<const double>(&u, 1)); }

    // The compiled program in postfix order, for readers that rebuild the
    // expression in another form (the symbolic state equations). Constant
    // parts are already folded into numbers.
    enum class Op : std::uint8_t {
        kNumber,
        kInput,
        kNegate,
        kNot,
        kAdd,
        kSubtract,
        kMultiply,
        kDivide,
        kPower,
        kSquare,  // ^2, the commonest power, without a call to pow
        kLess,
        kLessEqual,
        kGreater,
        kGreaterEqual,
        kEqual,
        kNotEqual,
        kAnd,
        kOr,
        kCall1,
        kCall2,
    };
    struct Token {
        Op op;
        std::uint32_t index = 0;    // kInput: 0 for u(1)
        double value = 0;           // kNumber
        std::string_view function;  // kCall1, kCall2: its name
    };
    std::vector<Token> postfix() const;

  private:
    struct Step {
        Op op;
        std::uint32_t index = 0;                     // kInput: 0 for u(1)
        double value = 0;                            // kNumber
        double (*unary)(double) = nullptr;           // kCall1
        double (*binary)(double, double) = nullptr;  // kCall2
    };
    friend class ExpressionParser;

    double run(const double* u) const;
    // How many values step `op` takes from the stack.
    static int operands(Op op);

    std::vector<Step> program_;
    std::size_t stack_size_ = 0;  // the most values the program holds at once
    std::size_t inputs_read_ = 0;
};

// The value of a parameter text without input.
double evaluate(std::string_view text);

}  // namespace vantor::sim
