#pragma once

// The functions an expression may call, by name.

#include <string_view>

namespace vantor::sim {

struct Function {
    std::string_view name;
    int arity;
    double (*unary)(double);
    double (*binary)(double, double);
    // Not a MATLAB function of the same meaning, so not for block parameters.
    bool fcn_only = false;
};

// The function called `name`; nothing when there is none.
const Function* find_function(std::string_view name);

// The name of the function with this code, one argument or two; empty when
// none has it. Functions of one meaning may share their code.
std::string_view function_name(double (*unary)(double), double (*binary)(double, double));

}  // namespace vantor::sim
