#include "equations/poles.h"

#include <Eigen/Eigenvalues>
#include <algorithm>
#include <cmath>

namespace vantor::equations {

std::vector<Pole> poles(const Grid<double>& A) {
    std::vector<Pole> out;
    if (A.rows == 0) return out;
    Eigen::MatrixXd m(static_cast<Eigen::Index>(A.rows), static_cast<Eigen::Index>(A.cols));
    for (std::size_t i = 0; i < A.rows; ++i) {
        for (std::size_t j = 0; j < A.cols; ++j) {
            m(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(j)) = A.at(i, j);
        }
    }
    const Eigen::EigenSolver<Eigen::MatrixXd> solver(m, false);
    for (const std::complex<double>& lambda : solver.eigenvalues()) {
        Pole p;
        p.re = lambda.real();
        p.im = lambda.imag();
        p.wn = std::abs(lambda);
        p.zeta = p.wn > 0 ? -p.re / p.wn : 0;
        out.push_back(p);
    }
    std::sort(out.begin(), out.end(), [](const Pole& a, const Pole& b) {
        return a.re != b.re ? a.re < b.re : a.im < b.im;
    });
    return out;
}

}  // namespace vantor::equations
