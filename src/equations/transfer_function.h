#pragma once

// The transfer function of one input to one output, Y(s)/U(s) = C (sI-A)^-1 B + D,
// as a ratio of polynomials in s.

#include <ginac/ginac.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "equations/linear_analysis.h"
#include "equations/numeric_values.h"

namespace vantor::equations {

// Coefficients from the highest power of s down; the denominator is
// det(sI - A), monic, of the order of the system. No pole-zero cancellation.
struct TransferFunction {
    std::vector<double> numerator;
    std::vector<double> denominator;
};

// Numerically as the characteristic polynomials of A and A - b c do:
// num(s) = det(sI - A + b c) + (d - 1) det(sI - A).
TransferFunction transfer_function(const NumericMatrices& m, std::size_t output, std::size_t input);

struct SymbolicTransferFunction {
    GiNaC::ex numerator;  // polynomials in s, collected by powers of s
    GiNaC::ex denominator;
};

// Symbolic systems grow fast with their order.
inline constexpr std::size_t kSymbolicTransferStates = 4;

// None beyond kSymbolicTransferStates states or for a system that is not linear.
std::optional<SymbolicTransferFunction> symbolic_transfer_function(const LinearSystem& linear,
                                                                   const GiNaC::symbol& s,
                                                                   std::size_t output,
                                                                   std::size_t input);

}  // namespace vantor::equations
