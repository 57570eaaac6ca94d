#include "sim/expression_functions.h"

#include <cmath>

namespace vantor::sim {

namespace {

// 0 for 0 (either sign), NaN for NaN.
double sgn(double x) {
    if (x > 0) return 1;
    if (x < 0) return -1;
    return x == 0 ? 0.0 : x;
}

// clang-format off
const Function kFunctions[] = {
    {"abs", 1, [](double x) { return std::fabs(x); }, nullptr},
    {"acos", 1, [](double x) { return std::acos(x); }, nullptr},
    {"asin", 1, [](double x) { return std::asin(x); }, nullptr},
    {"atan", 1, [](double x) { return std::atan(x); }, nullptr},
    {"atan2", 2, nullptr, [](double y, double x) { return std::atan2(y, x); }},
    {"ceil", 1, [](double x) { return std::ceil(x); }, nullptr},
    {"cos", 1, [](double x) { return std::cos(x); }, nullptr},
    {"cosh", 1, [](double x) { return std::cosh(x); }, nullptr},
    {"exp", 1, [](double x) { return std::exp(x); }, nullptr},
    {"fabs", 1, [](double x) { return std::fabs(x); }, nullptr, true},
    {"floor", 1, [](double x) { return std::floor(x); }, nullptr},
    {"hypot", 2, nullptr, [](double x, double y) { return std::hypot(x, y); }},
    {"ln", 1, [](double x) { return std::log(x); }, nullptr, true},
    {"log", 1, [](double x) { return std::log(x); }, nullptr},
    {"log10", 1, [](double x) { return std::log10(x); }, nullptr},
    {"pow", 2, nullptr, [](double x, double y) { return std::pow(x, y); }, true},
    {"power", 2, nullptr, [](double x, double y) { return std::pow(x, y); }},
    // The remainder takes the sign of the dividend: rem(-7,3) is -1.
    {"rem", 2, nullptr, [](double x, double y) { return std::fmod(x, y); }},
    {"sgn", 1, sgn, nullptr, true},
    {"sin", 1, [](double x) { return std::sin(x); }, nullptr},
    {"sinh", 1, [](double x) { return std::sinh(x); }, nullptr},
    {"sqrt", 1, [](double x) { return std::sqrt(x); }, nullptr},
    {"tan", 1, [](double x) { return std::tan(x); }, nullptr},
    {"tanh", 1, [](double x) { return std::tanh(x); }, nullptr},
};
// clang-format on

}  // namespace

const Function* find_function(std::string_view name) {
    for (const Function& f : kFunctions) {
        if (f.name == name) return &f;
    }
    return nullptr;
}

std::string_view function_name(double (*unary)(double), double (*binary)(double, double)) {
    for (const Function& f : kFunctions) {
        if ((unary != nullptr && f.unary == unary) || (binary != nullptr && f.binary == binary))
            return f.name;
    }
    return {};
}

}  // namespace vantor::sim
