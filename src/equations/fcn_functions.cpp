#include "equations/fcn_functions.h"

#include <cmath>

namespace vantor::equations {

using GiNaC::ex;
using GiNaC::numeric;
using GiNaC::print_context;

namespace {

bool real_number(const ex& a) {
    return GiNaC::is_a<numeric>(a) && GiNaC::ex_to<numeric>(a).is_real();
}
double value(const ex& a) {
    return GiNaC::ex_to<numeric>(a).to_double();
}
ex truth(bool b) {
    return b ? 1 : 0;
}

void infix(const ex& a, const ex& b, const print_context& c, const char* op) {
    c.s << '(';
    a.print(c);
    c.s << op;
    b.print(c);
    c.s << ')';
}

}  // namespace

// One comparison or logical operator: its value for two numbers, its text.
#define VANTOR_FCN_BINARY(name, test, text, latex)                               \
    static ex name##_eval(const ex& a, const ex& b) {                            \
        if (real_number(a) && real_number(b)) {                                  \
            const double x = value(a), y = value(b);                             \
            return truth(test);                                                  \
        }                                                                        \
        return name(a, b).hold();                                                \
    }                                                                            \
    static ex name##_evalf(const ex& a, const ex& b) {                           \
        return name##_eval(a.evalf(), b.evalf());                                \
    }                                                                            \
    static ex name##_deriv(const ex&, const ex&, unsigned) {                     \
        return 0;                                                                \
    }                                                                            \
    static void name##_print(const ex& a, const ex& b, const print_context& c) { \
        infix(a, b, c, text);                                                    \
    }                                                                            \
    static void name##_latex(const ex& a, const ex& b, const print_context& c) { \
        infix(a, b, c, latex);                                                   \
    }                                                                            \
    REGISTER_FUNCTION(name, eval_func(name##_eval)                               \
                                .evalf_func(name##_evalf)                        \
                                .derivative_func(name##_deriv)                   \
                                .print_func<GiNaC::print_dflt>(name##_print)     \
                                .print_func<GiNaC::print_latex>(name##_latex))

VANTOR_FCN_BINARY(fcn_lt, x < y, "<", " < ")
VANTOR_FCN_BINARY(fcn_le, x <= y, "<=", " \\leq ")
VANTOR_FCN_BINARY(fcn_gt, x > y, ">", " > ")
VANTOR_FCN_BINARY(fcn_ge, x >= y, ">=", " \\geq ")
VANTOR_FCN_BINARY(fcn_eq, x == y, "==", " = ")
VANTOR_FCN_BINARY(fcn_ne, x != y, "!=", " \\neq ")
VANTOR_FCN_BINARY(fcn_and, x != 0 && y != 0, "&&", " \\land ")
VANTOR_FCN_BINARY(fcn_or, x != 0 || y != 0, "||", " \\lor ")

#undef VANTOR_FCN_BINARY

// One function of one argument, printed by its Fcn name.
#define VANTOR_FCN_UNARY(name, compute, text)                       \
    static ex name##_eval(const ex& a) {                            \
        if (real_number(a)) {                                       \
            const double x = value(a);                              \
            return numeric(compute);                                \
        }                                                           \
        return name(a).hold();                                      \
    }                                                               \
    static ex name##_evalf(const ex& a) {                           \
        return name##_eval(a.evalf());                              \
    }                                                               \
    static ex name##_deriv(const ex&, unsigned) {                   \
        return 0;                                                   \
    }                                                               \
    static void name##_print(const ex& a, const print_context& c) { \
        c.s << text << '(';                                         \
        a.print(c);                                                 \
        c.s << ')';                                                 \
    }                                                               \
    REGISTER_FUNCTION(name, eval_func(name##_eval)                  \
                                .evalf_func(name##_evalf)           \
                                .derivative_func(name##_deriv)      \
                                .print_func<GiNaC::print_dflt>(name##_print))

VANTOR_FCN_UNARY(fcn_floor, std::floor(x), "floor")
VANTOR_FCN_UNARY(fcn_ceil, std::ceil(x), "ceil")
VANTOR_FCN_UNARY(fcn_sgn, static_cast<double>((x > 0) - (x < 0)), "sgn")

#undef VANTOR_FCN_UNARY

// !a prints as the Fcn language writes it.
static ex fcn_not_eval(const ex& a) {
    return real_number(a) ? truth(value(a) == 0) : fcn_not(a).hold();
}
static ex fcn_not_evalf(const ex& a) {
    return fcn_not_eval(a.evalf());
}
static ex fcn_not_deriv(const ex&, unsigned) {
    return 0;
}
static void fcn_not_print(const ex& a, const print_context& c) {
    c.s << "(!";
    a.print(c);
    c.s << ')';
}
REGISTER_FUNCTION(fcn_not, eval_func(fcn_not_eval)
                               .evalf_func(fcn_not_evalf)
                               .derivative_func(fcn_not_deriv)
                               .print_func<GiNaC::print_dflt>(fcn_not_print))

// rem(x, y) = x - fix(x/y)*y: 1 along x and -fix(x/y) along y.
static ex fcn_rem_eval(const ex& a, const ex& b) {
    if (real_number(a) && real_number(b)) return numeric(std::fmod(value(a), value(b)));
    return fcn_rem(a, b).hold();
}
static ex fcn_rem_evalf(const ex& a, const ex& b) {
    return fcn_rem_eval(a.evalf(), b.evalf());
}
static ex fcn_rem_deriv(const ex& a, const ex& b, unsigned which) {
    return which == 0 ? ex(1) : -(a - fcn_rem(a, b)) / b;
}
static void fcn_rem_print(const ex& a, const ex& b, const print_context& c) {
    c.s << "rem(";
    a.print(c);
    c.s << ',';
    b.print(c);
    c.s << ')';
}
REGISTER_FUNCTION(fcn_rem, eval_func(fcn_rem_eval)
                               .evalf_func(fcn_rem_evalf)
                               .derivative_func(fcn_rem_deriv)
                               .print_func<GiNaC::print_dflt>(fcn_rem_print))

}  // namespace vantor::equations
