#include "equations/transfer_function.h"

#include <Eigen/Eigenvalues>
#include <complex>
#include <stdexcept>

namespace vantor::equations {
namespace {

// The monic characteristic polynomial det(sI - m), from its eigenvalues.
std::vector<double> characteristic(const Eigen::MatrixXd& m) {
    std::vector<std::complex<double>> c{1.0};
    if (m.rows() > 0) {
        const Eigen::EigenSolver<Eigen::MatrixXd> solver(m, false);
        for (const std::complex<double>& root : solver.eigenvalues()) {
            c.push_back(0.0);
            for (std::size_t k = c.size() - 1; k > 0; --k) c[k] -= root * c[k - 1];
        }
    }
    std::vector<double> out;
    for (const std::complex<double>& x : c) out.push_back(x.real());
    return out;
}

Eigen::MatrixXd eigen(const Grid<double>& g) {
    Eigen::MatrixXd m(static_cast<Eigen::Index>(g.rows), static_cast<Eigen::Index>(g.cols));
    for (std::size_t i = 0; i < g.rows; ++i) {
        for (std::size_t j = 0; j < g.cols; ++j) {
            m(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(j)) = g.at(i, j);
        }
    }
    return m;
}

}  // namespace

TransferFunction transfer_function(const NumericMatrices& m, std::size_t output,
                                   std::size_t input) {
    if (output >= m.C.rows || input >= m.B.cols)
        throw std::out_of_range("transfer function: no such input or output");
    const Eigen::MatrixXd a = eigen(m.A);
    const Eigen::MatrixXd b = eigen(m.B).col(static_cast<Eigen::Index>(input));
    const Eigen::MatrixXd c = eigen(m.C).row(static_cast<Eigen::Index>(output));
    const double d = m.D.at(output, input);
    TransferFunction tf;
    tf.denominator = characteristic(a);
    tf.numerator = characteristic(a - b * c);
    for (std::size_t k = 0; k < tf.numerator.size(); ++k)
        tf.numerator[k] += (d - 1) * tf.denominator[k];
    // The leading coefficient is d exactly; the rest of a strictly proper
    // numerator's leading zeros are rounding.
    tf.numerator[0] = d;
    return tf;
}

std::optional<SymbolicTransferFunction> symbolic_transfer_function(const LinearSystem& linear,
                                                                   const GiNaC::symbol& s,
                                                                   std::size_t output,
                                                                   std::size_t input) {
    const std::size_t n = linear.A.rows;
    if (!linear.linear || n > kSymbolicTransferStates) return std::nullopt;
    if (output >= linear.C.rows || input >= linear.B.cols)
        throw std::out_of_range("transfer function: no such input or output");
    const GiNaC::ex d = linear.D.at(output, input);
    if (n == 0) return SymbolicTransferFunction{d, 1};
    GiNaC::matrix m(static_cast<unsigned>(n), static_cast<unsigned>(n));
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            m(static_cast<unsigned>(i), static_cast<unsigned>(j)) =
                (i == j ? GiNaC::ex(s) : GiNaC::ex(0)) - linear.A.at(i, j);
        }
    }
    const GiNaC::matrix inverse = m.inverse();
    GiNaC::ex g = d;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            g += linear.C.at(output, i) *
                 inverse(static_cast<unsigned>(i), static_cast<unsigned>(j)) *
                 linear.B.at(j, input);
        }
    }
    const GiNaC::ex ratio = g.normal().numer_denom();
    return SymbolicTransferFunction{GiNaC::collect(ratio.op(0).expand(), s),
                                    GiNaC::collect(ratio.op(1).expand(), s)};
}

}  // namespace vantor::equations
