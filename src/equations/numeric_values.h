#pragma once

// The parameters' values put into the equations and matrices.

#include <ginac/ginac.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "equations/equation_system.h"
#include "equations/linear_analysis.h"

namespace vantor::equations {

// A numeric form that cannot be had: a parameter without a value, an entry
// that is not a finite real number, an implicit loop.
class NumericError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The parameters' values as a substitution, made once for many expressions.
class ParameterValues {
  public:
    ParameterValues() = default;
    explicit ParameterValues(const EquationSystem& system);

    // `e` with every parameter that has a value replaced by it; parameters
    // without one stay symbols. Throws NumericError where that divides by zero.
    GiNaC::ex apply(const GiNaC::ex& e) const;

    // `e` as a number. Throws NumericError naming the first parameter without
    // a value that `e` holds, or saying what else keeps `what` from being a number.
    double number(const GiNaC::ex& e, const std::string& what) const;

  private:
    GiNaC::exmap values_;
    std::vector<const Parameter*> missing_;
};

struct NumericMatrices {
    Grid<double> A, B, C, D;
};

// Throws NumericError when the system is not linear or a matrix is not numeric.
NumericMatrices numeric_matrices(const EquationSystem& system, const LinearSystem& linear);

}  // namespace vantor::equations
