#include "sim/expression.h"
#include "sim/expression_functions.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

// Running a parsed expression: it runs at every stage of every step.

namespace vantor::sim {

int Expression::operands(Op op) {
    switch (op) {
        case Op::kNumber:
        case Op::kInput:
            return 0;
        case Op::kNegate:
        case Op::kNot:
        case Op::kSquare:
        case Op::kCall1:
            return 1;
        default:
            return 2;
    }
}

std::vector<Expression::Token> Expression::postfix() const {
    std::vector<Token> tokens;
    tokens.reserve(program_.size());
    for (const Step& step : program_) {
        tokens.push_back({step.op, step.index, step.value,
                          step.op == Op::kCall1 || step.op == Op::kCall2
                              ? function_name(step.unary, step.binary)
                              : std::string_view()});
    }
    return tokens;
}

double Expression::operator()(std::span<const double> u) const {
    if (u.size() < inputs_read_)
        throw std::out_of_range("the expression reads u(" + std::to_string(inputs_read_) +
                                ") of an input of " + std::to_string(u.size()) + " elements");
    return run(u.data());
}

double Expression::run(const double* u) const {
    // Fcn blocks run at every stage of every step: the usual program keeps
    // its values on the machine stack.
    std::array<double, 32> small;
    std::vector<double> large;
    double* stack = small.data();
    if (stack_size_ > small.size()) {
        large.resize(stack_size_);
        stack = large.data();
    }
    double* top = stack;  // the next free slot
    auto truth = [](bool b) { return b ? 1.0 : 0.0; };
    for (const Step& s : program_) {
        switch (s.op) {
            case Op::kNumber:
                *top++ = s.value;
                break;
            case Op::kInput:
                *top++ = u[s.index];
                break;
            case Op::kNegate:
                top[-1] = -top[-1];
                break;
            case Op::kNot:
                top[-1] = truth(top[-1] == 0);
                break;
            case Op::kSquare:
                top[-1] *= top[-1];
                break;
            case Op::kCall1:
                top[-1] = s.unary(top[-1]);
                break;
            case Op::kCall2:
                --top;
                top[-1] = s.binary(top[-1], top[0]);
                break;
            case Op::kAdd:
                --top;
                top[-1] += top[0];
                break;
            case Op::kSubtract:
                --top;
                top[-1] -= top[0];
                break;
            case Op::kMultiply:
                --top;
                top[-1] *= top[0];
                break;
            case Op::kDivide:
                --top;
                top[-1] /= top[0];
                break;
            case Op::kPower:
                --top;
                top[-1] = std::pow(top[-1], top[0]);
                break;
            case Op::kLess:
                --top;
                top[-1] = truth(top[-1] < top[0]);
                break;
            case Op::kLessEqual:
                --top;
                top[-1] = truth(top[-1] <= top[0]);
                break;
            case Op::kGreater:
                --top;
                top[-1] = truth(top[-1] > top[0]);
                break;
            case Op::kGreaterEqual:
                --top;
                top[-1] = truth(top[-1] >= top[0]);
                break;
            case Op::kEqual:
                --top;
                top[-1] = truth(top[-1] == top[0]);
                break;
            case Op::kNotEqual:
                --top;
                top[-1] = truth(top[-1] != top[0]);
                break;
            // Any value other than 0, NaN too, is true.
            case Op::kAnd:
                --top;
                top[-1] = truth(top[-1] != 0 && top[0] != 0);
                break;
            case Op::kOr:
                --top;
                top[-1] = truth(top[-1] != 0 || top[0] != 0);
                break;
        }
    }
    return top[-1];
}

}  // namespace vantor::sim
