#include "equations/fcn_to_ginac.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "equations/fcn_functions.h"
#include "sim/expression.h"

namespace vantor::equations {

using GiNaC::ex;
using Op = sim::Expression::Op;

ex number(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return GiNaC::numeric(static_cast<long>(value));
    return GiNaC::numeric(value);
}

namespace {

ex call1(std::string_view f, const ex& x) {
    if (f == "abs" || f == "fabs") return GiNaC::abs(x);
    if (f == "acos") return GiNaC::acos(x);
    if (f == "asin") return GiNaC::asin(x);
    if (f == "atan") return GiNaC::atan(x);
    if (f == "ceil") return fcn_ceil(x);
    if (f == "cos") return GiNaC::cos(x);
    if (f == "cosh") return GiNaC::cosh(x);
    if (f == "exp") return GiNaC::exp(x);
    if (f == "floor") return fcn_floor(x);
    if (f == "ln" || f == "log") return GiNaC::log(x);
    if (f == "log10") return GiNaC::log(x) / GiNaC::log(ex(10));
    if (f == "sgn") return fcn_sgn(x);
    if (f == "sin") return GiNaC::sin(x);
    if (f == "sinh") return GiNaC::sinh(x);
    if (f == "sqrt") return GiNaC::sqrt(x);
    if (f == "tan") return GiNaC::tan(x);
    if (f == "tanh") return GiNaC::tanh(x);
    throw std::runtime_error("the function '" + std::string(f) + "' has no symbolic form");
}

ex call2(std::string_view f, const ex& x, const ex& y) {
    if (f == "atan2") return GiNaC::atan2(x, y);
    if (f == "hypot") return GiNaC::sqrt(GiNaC::pow(x, 2) + GiNaC::pow(y, 2));
    if (f == "pow" || f == "power") return GiNaC::pow(x, y);
    if (f == "rem") return fcn_rem(x, y);
    throw std::runtime_error("the function '" + std::string(f) + "' has no symbolic form");
}

ex binary(Op op, const ex& a, const ex& b) {
    switch (op) {
        case Op::kAdd:
            return a + b;
        case Op::kSubtract:
            return a - b;
        case Op::kMultiply:
            return a * b;
        case Op::kDivide:
            return a / b;
        case Op::kPower:
            return GiNaC::pow(a, b);
        case Op::kLess:
            return fcn_lt(a, b);
        case Op::kLessEqual:
            return fcn_le(a, b);
        case Op::kGreater:
            return fcn_gt(a, b);
        case Op::kGreaterEqual:
            return fcn_ge(a, b);
        case Op::kEqual:
            return fcn_eq(a, b);
        case Op::kNotEqual:
            return fcn_ne(a, b);
        case Op::kAnd:
            return fcn_and(a, b);
        case Op::kOr:
            return fcn_or(a, b);
        default:
            throw std::logic_error("not a binary operator");
    }
}

}  // namespace

ex fcn_expression(std::string_view text, const std::vector<ex>& u) {
    const sim::Expression parsed = sim::Expression::parse(text, true);
    if (parsed.inputs_read() > u.size())
        throw std::runtime_error("its expression reads u(" + std::to_string(parsed.inputs_read()) +
                                 ") but its input has " + std::to_string(u.size()) +
                                 (u.size() == 1 ? " element" : " elements"));
    std::vector<ex> stack;
    const auto pop = [&stack] {
        ex top = stack.back();
        stack.pop_back();
        return top;
    };
    for (const sim::Expression::Token& token : parsed.postfix()) {
        switch (token.op) {
            case Op::kNumber:
                stack.push_back(number(token.value));
                break;
            case Op::kInput:
                stack.push_back(u[token.index]);
                break;
            case Op::kNegate:
                stack.push_back(-pop());
                break;
            case Op::kNot:
                stack.push_back(fcn_not(pop()));
                break;
            case Op::kSquare:
                stack.push_back(GiNaC::pow(pop(), 2));
                break;
            case Op::kCall1:
                stack.push_back(call1(token.function, pop()));
                break;
            case Op::kCall2: {
                const ex y = pop();
                const ex x = pop();
                stack.push_back(call2(token.function, x, y));
                break;
            }
            default: {
                const ex b = pop();
                const ex a = pop();
                stack.push_back(binary(token.op, a, b));
            }
        }
    }
    return stack.back();
}

}  // namespace vantor::equations
