#include "equations/numeric_values.h"

#include <cmath>

namespace vantor::equations {

namespace {

// A double as the rational it is exactly: arithmetic on exact values does not
// depend on GiNaC's term order, which changes from run to run, so the numbers
// come out the same every time (and rounded once, at the end).
GiNaC::numeric exact(double value) {
    if (!std::isfinite(value)) return GiNaC::numeric(value);
    int exponent = 0;
    const double mantissa = std::frexp(value, &exponent);
    const auto whole = static_cast<long>(std::ldexp(mantissa, 53));
    return GiNaC::numeric(whole) * GiNaC::numeric(2).power(exponent - 53);
}

}  // namespace

ParameterValues::ParameterValues(const EquationSystem& system) {
    for (const Parameter& p : system.parameters) {
        if (p.value) {
            values_[p.symbol] = exact(*p.value);
        } else {
            missing_.push_back(&p);
        }
    }
}

GiNaC::ex ParameterValues::apply(const GiNaC::ex& e) const {
    if (GiNaC::is_a<GiNaC::numeric>(e)) return e;
    try {
        return e.subs(values_).evalf();
    } catch (const std::exception& error) {  // GiNaC's division by zero is a logic_error
        throw NumericError(std::string("the parameter values make an expression undefined: ") +
                           error.what());
    }
}

double ParameterValues::number(const GiNaC::ex& e, const std::string& what) const {
    GiNaC::ex value;
    try {
        value = apply(e);
    } catch (const std::exception& error) {
        throw NumericError(what + " has no value: " + error.what());
    }
    if (!GiNaC::is_a<GiNaC::numeric>(value)) {
        for (const Parameter* p : missing_) {
            if (e.has(p->symbol)) {
                throw NumericError("the parameter " + p->name + " of element " +
                                   std::to_string(p->element) + " has no value (\"" + p->text +
                                   "\")");
            }
        }
    }
    if (!GiNaC::is_a<GiNaC::numeric>(value) || !GiNaC::ex_to<GiNaC::numeric>(value).is_real())
        throw NumericError(what + " is not a real number");
    const double number = GiNaC::ex_to<GiNaC::numeric>(value).to_double();
    if (!std::isfinite(number)) throw NumericError(what + " is not finite");
    return number;
}

namespace {

Grid<double> numeric_grid(const ParameterValues& values, const Grid<GiNaC::ex>& grid,
                          const char* name) {
    Grid<double> out(grid.rows, grid.cols);
    for (std::size_t i = 0; i < grid.rows; ++i) {
        for (std::size_t j = 0; j < grid.cols; ++j) {
            out.at(i, j) =
                values.number(grid.at(i, j), std::string(name) + "(" + std::to_string(i + 1) + "," +
                                                 std::to_string(j + 1) + ")");
        }
    }
    return out;
}

}  // namespace

NumericMatrices numeric_matrices(const EquationSystem& system, const LinearSystem& linear) {
    if (!linear.linear) throw NumericError("no matrices: " + linear.reason);
    const ParameterValues values(system);
    return {numeric_grid(values, linear.A, "A"), numeric_grid(values, linear.B, "B"),
            numeric_grid(values, linear.C, "C"), numeric_grid(values, linear.D, "D")};
}

}  // namespace vantor::equations
