#pragma once

// Whether dx/dt = f(x, u, t) and y = g(x, u, t) are linear in x and u, and
// then their matrices: dx/dt = A x + B u, y = C x + D u.

#include <ginac/ginac.h>

#include <cstddef>
#include <string>
#include <vector>

#include "equations/equation_system.h"

namespace vantor::equations {

// A rows x cols matrix of any cell type, row by row; rows or cols may be 0
// (a system without inputs has a B with no columns).
template <class T>
struct Grid {
    std::size_t rows = 0;
    std::size_t cols = 0;
    std::vector<T> cells;

    Grid() = default;
    Grid(std::size_t r, std::size_t c, T fill = T()) : rows(r), cols(c), cells(r * c, fill) {}
    T& at(std::size_t i, std::size_t j) { return cells[i * cols + j]; }
    const T& at(std::size_t i, std::size_t j) const { return cells[i * cols + j]; }
};

struct LinearSystem {
    bool linear = false;
    std::string reason;  // why not, when not linear
    Grid<GiNaC::ex> A, B, C, D;
};

LinearSystem analyse_linear(const EquationSystem& system);

}  // namespace vantor::equations
