#pragma once

// The poles of a linear system: the eigenvalues of its numeric A.

#include <vector>

#include "equations/linear_analysis.h"

namespace vantor::equations {

struct Pole {
    double re = 0;
    double im = 0;
    double wn = 0;    // natural frequency |lambda|, rad/s
    double zeta = 0;  // damping ratio -re/|lambda|; 0 for a pole at 0
    bool complex() const { return im != 0; }
};

// Sorted by real part, then by imaginary part, both ascending: the slowest
// modes come last and each complex pair is adjacent, its negative part first.
std::vector<Pole> poles(const Grid<double>& A);

}  // namespace vantor::equations
