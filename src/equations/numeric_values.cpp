#include "equations/numeric_values.h"

#include <cmath>

namespace vantor::equations {

GiNaC::ex with_values(const EquationSystem& system, const GiNaC::ex& e) {
    GiNaC::exmap values;
    for (const Parameter& p : system.parameters) {
        if (p.value) values[p.symbol] = GiNaC::numeric(*p.value);
    }
    return e.subs(values).evalf();
}

double numeric_value(const EquationSystem& system, const GiNaC::ex& e, const std::string& what) {
    for (const Parameter& p : system.parameters) {
        if (!p.value && e.has(p.symbol)) {
            throw NumericError("the parameter " + p.name + " of element " +
                               std::to_string(p.element) + " has no value (\"" + p.text + "\")");
        }
    }
    GiNaC::ex value;
    try {
        value = with_values(system, e);
    } catch (const std::exception& error) {
        throw NumericError(what + " has no value: " + error.what());
    }
    if (!GiNaC::is_a<GiNaC::numeric>(value) || !GiNaC::ex_to<GiNaC::numeric>(value).is_real())
        throw NumericError(what + " is not a real number");
    const double number = GiNaC::ex_to<GiNaC::numeric>(value).to_double();
    if (!std::isfinite(number)) throw NumericError(what + " is not finite");
    return number;
}

namespace {

Grid<double> numeric_grid(const EquationSystem& system, const Grid<GiNaC::ex>& grid,
                          const char* name) {
    Grid<double> out(grid.rows, grid.cols);
    for (std::size_t i = 0; i < grid.rows; ++i) {
        for (std::size_t j = 0; j < grid.cols; ++j) {
            out.at(i, j) = numeric_value(system, grid.at(i, j),
                                         std::string(name) + "(" + std::to_string(i + 1) + "," +
                                             std::to_string(j + 1) + ")");
        }
    }
    return out;
}

}  // namespace

NumericMatrices numeric_matrices(const EquationSystem& system, const LinearSystem& linear) {
    if (!linear.linear) throw NumericError("no matrices: " + linear.reason);
    return {numeric_grid(system, linear.A, "A"), numeric_grid(system, linear.B, "B"),
            numeric_grid(system, linear.C, "C"), numeric_grid(system, linear.D, "D")};
}

}  // namespace vantor::equations
