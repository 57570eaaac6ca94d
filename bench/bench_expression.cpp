// Fcn expressions: one evaluation of a compiled expression, as every stage of
// every step runs it, for a short law, Coulomb friction, a law of a muxed
// input with comparisons and logic, and a long polynomial; and compiling one.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "sim/expression.h"

namespace {

using vantor::sim::Expression;

const char* const kExpressions[] = {
    "u^2+1",
    "-0.5*sgn(u) - 0.1*u",
    "tanh(u(1))*u(2) + hypot(u(1), u(2)) * (u(1) > 0.25 && u(2) != 0)",
    "1 + u*(2 + u*(3 + u*(4 + u*(5 + u*(6 + u*(7 + u*(8 + u*(9 + u*10))))))))",
};

void BM_EvaluateFcn(benchmark::State& state) {
    const Expression f = Expression::parse(kExpressions[state.range(0)], true);
    std::vector<double> u = {0.3, 2};
    for (auto _ : state) {
        benchmark::DoNotOptimize(u.data());
        benchmark::DoNotOptimize(f(u));
        u[0] += 1e-9;
    }
    state.SetLabel(kExpressions[state.range(0)]);
}
BENCHMARK(BM_EvaluateFcn)->DenseRange(0, 3);

void BM_CompileFcn(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Expression::parse(kExpressions[2], true));
}
BENCHMARK(BM_CompileFcn);

}  // namespace

BENCHMARK_MAIN();
