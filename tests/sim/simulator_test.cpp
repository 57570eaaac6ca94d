#include "sim/simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <span>

#include "sim/element_numbers.h"
#include "sim/linear_response.h"
#include "sim/script_reader.h"
#include "sim/simulation_error.h"
#include "sim/test_scripts.h"
#include "sim/test_tables.h"

namespace vantor::sim {
namespace {

Diagram script(const std::string& body) {
    return read_script("sys = 'm'; new_system(sys)\n" + body, ScriptDialect::kCurrent);
}

Diagram diagram(const std::string& name) {
    return read_script(test::diagram_text(name), ScriptDialect::kCurrent);
}

const std::vector<double>& trace(const SimulationResult& r, const std::string& scope, int e = 0) {
    return r.scopes.at(scope).at(e);
}

SimulationOptions with(SolverKind solver, std::optional<double> step = {},
                       std::optional<double> stop = {}) {
    SimulationOptions options;
    options.solver = solver;
    options.fixed_step = step;
    options.stop_time = stop;
    return options;
}

SimulationResult fixed(const Diagram& d, double step, std::optional<double> stop = {}) {
    return simulate(d, with(SolverKind::kFixed, step, stop));
}

TEST(Simulator, IsFourthOrderOnExponentialDecay) {
    const Diagram d = diagram("decay");
    const SimulationResult coarse = fixed(d, 0.1, 1);
    ASSERT_EQ(coarse.time.size(), 11u);
    EXPECT_DOUBLE_EQ(coarse.time.back(), 1);
    EXPECT_DOUBLE_EQ(trace(coarse, "sc").front(), 1);
    const double e1 = trace(coarse, "sc").back() - std::exp(-1);
    const double e2 = trace(fixed(d, 0.05, 1), "sc").back() - std::exp(-1);
    EXPECT_LT(std::fabs(e1), 1e-6);
    EXPECT_NEAR(e1 / e2, 16, 2);  // halving the step divides the error by 2^4
}

// Each diagram's scope element against its exact value at every recorded row.
TEST(Simulator, FollowsTheExactSignalsOfSmallDiagrams) {
    using Exact = std::function<double(double)>;
    const double h = 1e-3;
    const Exact slide = [](double t) { return std::max(1 - 0.5 * t, 0.0); };
    const Exact sine = [](double t) { return 2 * std::sin(3 * t + 0.5) + 1; };
    const struct {
        const char* name;
        double step, stop;
        const char* scope;
        int element;
        Exact exact;
        double tolerance;
    } cases[] = {
        {"rc", 1e-2, 5, "scope", 0, [](double t) { return 1 - std::exp(-t); }, 1e-8},
        {"sources", 0.25, 1, "all", 0, [](double t) { return t >= 0.5 ? 3 : 1; }, 0},
        {"sources", 0.25, 1, "all", 1, sine, 1e-14},
        {"sources", 0.25, 1, "all", 2, [](double) { return -4; }, 0},
        {"sources", 0.25, 1, "second", 0, sine, 1e-14},
        {"arithmetic", 0.5, 0.5, "sf", 0, [](double) { return 5; }, 0},
        {"arithmetic", 0.5, 0.5, "ss", 0, [](double) { return 9; }, 0},
        // over the last accepted step, and 0 at the start
        {"derivative", h, 2, "sc", 0,
         [h](double t) { return t == 0 ? 0 : (std::sin(t) - std::sin(t - h)) / h; }, 1e-9},
        {"friction", 0.01, 1.99, "sv", 0, slide, 1e-12},
        {"friction", 0.01, 3, "sv", 0, slide, 0.005},  // at rest up to one step's slide
        {"friction", 0.01, 3, "sf", 0,
         [&](double t) { return std::tanh(slide(t)) * 2 + (slide(t) > 0.333 ? 1 : 0); }, 0.01},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.scope + " " + std::to_string(c.element));
        const SimulationResult r = fixed(diagram(c.name), c.step, c.stop);
        ASSERT_EQ(r.status, SimulationStatus::kCompleted);
        ASSERT_EQ(r.time.size(), static_cast<std::size_t>(std::lround(c.stop / c.step)) + 1);
        for (std::size_t k = 0; k < r.time.size(); ++k)
            ASSERT_NEAR(trace(r, c.scope, c.element)[k], c.exact(r.time[k]), c.tolerance)
                << r.time[k];
    }
}

class BothSolvers : public testing::TestWithParam<SolverKind> {};

TEST_P(BothSolvers, CarryADerivativeInsideAnIntegratorLoopAndEndStepsAtJumps) {
    SimulationResult r = simulate(diagram("derivative_in_loop"), with(GetParam()));
    EXPECT_EQ(r.status, SimulationStatus::kCompleted);
    EXPECT_NEAR(trace(r, "sc").back(), 2 / 1.5, 1e-3);

    r = simulate(diagram("step_jump"), with(GetParam(), 0.1));
    EXPECT_NEAR(trace(r, "sc").back(), 0.63, 1e-12);
    const bool jump_recorded = std::find(r.time.begin(), r.time.end(), 0.37) != r.time.end();
    // A fixed step keeps to its grid; the adaptive solver records the jump.
    EXPECT_EQ(jump_recorded, GetParam() == SolverKind::kAdaptive);
    if (GetParam() == SolverKind::kFixed) {
        EXPECT_EQ(r.time.size(), 11u);
    }
}

// A run stops at the first value that is not finite: a state, or the first
// block in the order of evaluation whose output is not. The row that shows a
// bad output is kept; a bad state's is not.
TEST_P(BothSolvers, StopAtTheFirstValueThatIsNotFinite) {
    const struct {
        const char *name, *block, *says;
        double end_time;  // -1: a state's, past the last row
    } cases[] = {
        {"one_over_zero", "3g", "the output of block '3g' became infinite at t = 0", 0},
        {"zero_over_zero", "3g", "the output of block '3g' became NaN at t = 0", 0},
        {"quotient_to_zero", "p", "the output of block 'p' became infinite at t = 0.5", 0.5},
        {"state_overflow", "7x", "the state of block '7x' became ", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SimulationResult r = simulate(diagram(c.name), with(GetParam(), 0.1));
        if (c.end_time < 0 && GetParam() == SolverKind::kAdaptive) {
            // The adaptive solver rejects the step instead: its error estimate is NaN.
            EXPECT_EQ(r.status, SimulationStatus::kStalled);
            EXPECT_EQ(r.message, "the step size vanished at t = 0 (block '7x')");
            continue;
        }
        EXPECT_EQ(r.status, SimulationStatus::kNonFinite);
        EXPECT_EQ(r.block, c.block);
        EXPECT_EQ(r.message.rfind(c.says, 0), 0u) << r.message;
        EXPECT_EQ(r.rows, static_cast<std::int64_t>(r.time.size()));
        ASSERT_FALSE(r.time.empty());
        if (c.end_time < 0) {
            EXPECT_GT(r.end_time, r.time.back());
        } else {
            EXPECT_DOUBLE_EQ(r.end_time, c.end_time);
            EXPECT_DOUBLE_EQ(r.time.back(), c.end_time);
        }
    }
}

// Keeps the rows it is given, as the result would.
struct KeptRows : RowSink {
    void begin(const std::vector<RecordedSignal>& given) override { signals = given; }
    void row(double t, std::span<const double> values) override {
        time.push_back(t);
        rows.emplace_back(values.begin(), values.end());
    }
    std::vector<RecordedSignal> signals;
    std::vector<double> time;
    std::vector<std::vector<double>> rows;
};

TEST_P(BothSolvers, SendTheRowsToASinkInsteadOfTheResult) {
    const Diagram d = diagram("sine_and_integral");
    SimulationOptions options = with(GetParam());
    const SimulationResult kept = simulate(d, options);
    KeptRows sink;
    options.sink = &sink;
    const SimulationResult streamed = simulate(d, options);
    EXPECT_TRUE(streamed.time.empty());
    EXPECT_TRUE(streamed.scopes.empty());
    EXPECT_EQ(streamed.rows, static_cast<std::int64_t>(kept.time.size()));
    ASSERT_EQ(sink.signals.size(), 2u);
    EXPECT_EQ(sink.signals[1].block, "sc");
    EXPECT_EQ(sink.signals[1].element, 1u);
    EXPECT_EQ(sink.time, kept.time);
    for (std::size_t k = 0; k < sink.rows.size(); ++k) {
        ASSERT_EQ(sink.rows[k],
                  (std::vector<double>{trace(kept, "sc", 0)[k], trace(kept, "sc", 1)[k]}));
    }
}

INSTANTIATE_TEST_SUITE_P(Solvers, BothSolvers,
                         testing::Values(SolverKind::kFixed, SolverKind::kAdaptive),
                         [](const auto& info) {
                             return info.param == SolverKind::kFixed ? "fixed" : "adaptive";
                         });

// Adaptive runs that cannot go on: a finite-time blow-up, whose steps shrink
// to nothing; a huge first step or a slope that overflows makes the error
// estimate NaN (infinity less infinity), so the step is rejected and shrinks,
// and the run goes on to its row limit or says that the step vanished.
TEST(Simulator, StopsAdaptiveRunsThatCannotGoOn) {
    const struct {
        const char* name;
        double stop;
        SimulationStatus status;
        const char* message;
    } cases[] = {
        // clang-format off
        {"blow_up", 2, SimulationStatus::kStalled, "the step size vanished at t = 1"},
        // A stable run over so long a time is as long as the rows allow.
        {"decay", 1e70, SimulationStatus::kRowLimit, "the run reached the limit of 1000 rows at t = "},
        {"huge_decay", 1, SimulationStatus::kStalled, "the step size vanished at t = 0 (block 'x')"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimulationOptions options;
        options.stop_time = c.stop;
        options.max_rows = 1000;
        const SimulationResult r = simulate(diagram(c.name), options);
        EXPECT_EQ(r.status, c.status) << r.message;
        EXPECT_EQ(r.message.rfind(c.message, 0), 0u) << r.message;
        EXPECT_EQ(r.rows, static_cast<std::int64_t>(r.time.size()));
        for (double v : trace(r, "sc")) ASSERT_TRUE(std::isfinite(v));
        if (c.status == SimulationStatus::kStalled) {
            EXPECT_EQ(r.time.back(), r.end_time);
        }
        if (c.stop == 2) {
            EXPECT_NEAR(r.end_time, 1, 1e-4);
            EXPECT_EQ(r.block, "3x");
        }
    }
}

TEST(Simulator, AdaptiveRunsFollowTheExactResponseWithinTheirTolerance) {
    const Diagram d = diagram("spring_damper");
    for (double tolerance : {1e-3, 1e-6}) {
        SCOPED_TRACE(tolerance);
        SimulationOptions options;
        options.relative_tolerance = tolerance;
        options.absolute_tolerance = tolerance * 1e-3;
        const SimulationResult r = simulate(d, options);
        EXPECT_LT(r.time.size(), 6000u);  // far fewer steps than a fixed step this fine
        EXPECT_DOUBLE_EQ(r.time.back(), 6);
        double worst = 0;
        for (std::size_t k = 0; k < r.time.size(); ++k) {
            const double exact = test::second_order_step(5, 0.04, 1, r.time[k])[0];
            worst = std::max(worst, std::fabs(trace(r, "sc")[k] - exact));
        }
        // The error control is local; the global error stays within two
        // tolerances of the peak (about 1.9).
        EXPECT_LT(worst, 4 * tolerance);
    }
}

TEST(Simulator, ReportsProgressAndStopsWhenCancelled) {
    SimulationOptions options = with(SolverKind::kFixed, 0.01, 1);
    options.progress_interval = 10;
    std::vector<double> fractions;
    options.progress = [&](double fraction) {
        fractions.push_back(fraction);
        return fractions.size() < 3;
    };
    const SimulationResult r = simulate(diagram("decay"), options);
    EXPECT_EQ(r.status, SimulationStatus::kCancelled);
    ASSERT_EQ(fractions.size(), 3u);
    EXPECT_NEAR(fractions[0], 0.1, 1e-12);
    EXPECT_NEAR(fractions[2], 0.3, 1e-12);
    EXPECT_EQ(r.time.size(), 31u);
    EXPECT_DOUBLE_EQ(r.end_time, r.time.back());
}

// Before it runs: each table case with its whole message, which names the
// template behind a block when one is known; and options it cannot count with.
TEST(Simulator, RefusesWhatItCannotRunOrCountWith) {
    const auto refusal = [](const Diagram& d, const SimulationOptions& options) -> std::string {
        try {
            simulate(d, options);
        } catch (const std::invalid_argument& e) {
            return std::string("settings: ") + e.what();
        } catch (const SimulationError& e) {
            return e.what();  // naming its block
        } catch (const std::runtime_error& e) {
            return std::string("error: ") + e.what();
        }
        return "ran";
    };
    SimulationOptions named;
    named.template_of = [](const Block& b) { return element_number(b.name) == 3 ? "C__.cod" : ""; };
    for (const auto& [body, message] : test::table("as2_simulator_refusals.txt")) {
        SCOPED_TRACE(body);
        EXPECT_EQ(refusal(script(body), named), message);
        std::string bare = message;  // no template to ask: no parenthesis
        if (const auto at = bare.find(" (template C__.cod)"); at != std::string::npos)
            bare.erase(at, 19);
        EXPECT_EQ(refusal(script(body), {}), bare);
    }
    const Diagram d = diagram("decay");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {0.0, -1.0, 1e-320, inf, nan}) {
        SCOPED_TRACE(bad);
        EXPECT_NE(refusal(d, with(SolverKind::kAdaptive, {}, bad)).find("is not a positive normal"),
                  std::string::npos);
        EXPECT_EQ(refusal(d, with(SolverKind::kFixed, bad, 1)).rfind("settings: the fixed step", 0),
                  0u);
    }
    SimulationOptions loose;
    loose.relative_tolerance = 0;
    EXPECT_EQ(refusal(d, loose), "settings: the tolerances and the maximum step must be positive");
}

}  // namespace
}  // namespace vantor::sim
