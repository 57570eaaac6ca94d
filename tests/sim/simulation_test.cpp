// The proof that generation is right: every example model, generated with
// each shipped template set, is read back from the generated file, checked
// and simulated, and its scope must show the physics of the model, computed
// here independently from the model's parameters, within 1 % of the signal's
// peak.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "sim/element_numbers.h"
#include "sim/generated_check.h"
#include "sim/generated_example.h"
#include "sim/linear_response.h"
#include "sim/simulation_error.h"
#include "sim/simulator.h"

namespace vantor::sim {
namespace {

using test::element_parameter;
using Exact = std::function<double(double)>;

struct Trace {
    const std::vector<double>& time;
    const std::vector<double>& signal;
};

// The worst deviation over all samples, against 1 % of the exact peak.
void expect_follows(const Trace& got, const Exact& exact) {
    double peak = 0, worst = 0;
    std::size_t at = 0;
    for (double t : got.time) peak = std::max(peak, std::fabs(exact(t)));
    for (std::size_t k = 0; k < got.time.size(); ++k) {
        const double d = std::fabs(got.signal[k] - exact(got.time[k]));
        if (!(d <= worst)) {  // a NaN counts as the worst
            worst = d;
            at = k;
        }
    }
    EXPECT_LE(worst, 0.01 * peak) << "worst at t = " << got.time[at] << ": simulated "
                                  << got.signal[at] << ", exact " << exact(got.time[at])
                                  << " (peak " << peak << ")";
}

void expect_settles_at(const Trace& got, double value) {
    // Over the last tenth of the run the signal stays within 1 % of it.
    for (std::size_t k = got.time.size() * 9 / 10; k < got.time.size(); ++k)
        ASSERT_NEAR(got.signal[k], value, 0.01 * std::fabs(value)) << "t = " << got.time[k];
}

// Series RLC on a voltage step, the capacitor voltage.
void series_rlc(const Model& m, const Trace& got) {
    const double v = element_parameter(m, "Se"), l = element_parameter(m, "I");
    const double r = element_parameter(m, "R"), c = element_parameter(m, "C");
    const double w0 = 1 / std::sqrt(l * c), zeta = r / 2 * std::sqrt(c / l);
    expect_follows(got, [&](double t) { return test::second_order_step(w0, zeta, v, t)[0]; });
}

// A current source into C parallel to R, the voltage.
void parallel_rc(const Model& m, const Trace& got) {
    const double i = element_parameter(m, "Sf"), r = element_parameter(m, "R");
    const double c = element_parameter(m, "C");
    expect_follows(got, [&](double t) { return test::first_order_step(r * c, i * r, t); });
}

// m x'' + b x' + k x = F from rest, the velocity.
void mass_spring_damper(const Model& m, const Trace& got) {
    const double f = element_parameter(m, "Se"), mass = element_parameter(m, "I");
    const double k = 1 / element_parameter(m, "C"), b = element_parameter(m, "R");
    const double w0 = std::sqrt(k / mass), zeta = b / (2 * std::sqrt(k * mass));
    expect_follows(got, [&](double t) { return test::second_order_step(w0, zeta, f / k, t)[1]; });
}

// La i' = V - Ra i - K w, J w' = K i - B w: the shaft speed.
void dc_motor(const Model& m, const Trace& got) {
    const double v = element_parameter(m, "Se"), ra = element_parameter(m, "Ra");
    const double la = element_parameter(m, "La"), k = element_parameter(m, "GY");
    const double j = element_parameter(m, "J"), b = element_parameter(m, "B");
    const test::Matrix2 a{{{-ra / la, -k / la}, {k / j, -b / j}}};
    expect_follows(got, [&](double t) { return test::linear_response(a, {v / la, 0}, t)[1]; });
    expect_settles_at(got, k * v / (ra * b + k * k));
}

// Inflow Q into tank 1, through the pipe Rp into tank 2, out through the
// valve Rv: C1 p1' = Q - (p1 - p2)/Rp, C2 p2' = (p1 - p2)/Rp - p2/Rv; the
// pressure of tank 2.
void two_tanks(const Model& m, const Trace& got) {
    const double q = element_parameter(m, "Sf"), c1 = element_parameter(m, "C1");
    const double c2 = element_parameter(m, "C2"), rp = element_parameter(m, "Rp");
    const double rv = element_parameter(m, "Rv");
    const test::Matrix2 a{
        {{-1 / (rp * c1), 1 / (rp * c1)}, {1 / (rp * c2), -(1 / rp + 1 / rv) / c2}}};
    expect_follows(got, [&](double t) { return test::linear_response(a, {q / c1, 0}, t)[1]; });
}

// Two capacitors on one voltage are one of C1 + C2, charged through R.
void two_capacitors(const Model& m, const Trace& got) {
    const double v = element_parameter(m, "Se"), r = element_parameter(m, "R");
    const double c = element_parameter(m, "C1") + element_parameter(m, "C2");
    expect_follows(got, [&](double t) { return test::first_order_step(r * c, v, t); });
}

// Two masses on one velocity are one of m1 + m2, pushed against the damper R.
void coupled_masses(const Model& m, const Trace& got) {
    const double f = element_parameter(m, "Se"), r = element_parameter(m, "R");
    const double mass = element_parameter(m, "I1") + element_parameter(m, "I2");
    expect_follows(got, [&](double t) { return test::first_order_step(mass / r, f / r, t); });
}

// Driven at a constant road velocity, the body ends up moving with it.
void quarter_car(const Model& m, const Trace& got) {
    expect_settles_at(got, element_parameter(m, "Sf"));
}

// The load, larger than the motor once reflected through the gear, is in
// derivative causality: its Derivative block, in a loop through the motor's
// integrator, grows at every step, and the run cannot complete.
void diverges(const Model&, const Trace&) {}

struct Case {
    const char* example;
    double step;
    double stop;
    void (*check)(const Model&, const Trace&);  // nullptr: an algebraic loop must be reported
};

// Steps resolve the fastest mode finely; runs last several slow time constants.
const Case kCases[] = {
    {"series_rlc", 1e-4, 0.15, series_rlc},               // w0 100/s, 1/(zeta w0) 20 ms
    {"parallel_rc", 1e-3, 6, parallel_rc},                // RC 1 s
    {"mass_spring_damper", 1e-3, 6, mass_spring_damper},  // w0 5/s, 1/(zeta w0) 1 s
    {"dc_motor", 1e-3, 4, dc_motor},                      // modes 0.1 s and 0.5 s
    {"two_tanks", 0.25, 2500, two_tanks},                 // modes 27 s and 380 s
    {"two_capacitors", 1e-3, 2, two_capacitors},          // R (C1 + C2) 0.3 s
    {"coupled_masses", 1e-2, 50, coupled_masses},         // (m1 + m2)/R 8 s
    {"quarter_car", 1e-4, 15, quarter_car},               // wheel hop 63/s, body 0.5 s
    {"algebraic_loop", 1e-3, 1, nullptr},
    {"geared_inertias", 1e-2, 10, diverges},
};

// The scope a line feeds: each example shows one signal.
std::string fed_scope(const Diagram& d) {
    std::vector<std::string> scopes;
    for (const Block& b : d.blocks) {
        const bool fed = std::any_of(d.lines.begin(), d.lines.end(),
                                     [&](const Line& l) { return l.dst == b.name; });
        if (b.type == "Scope" && fed) scopes.push_back(b.name);
    }
    EXPECT_EQ(scopes.size(), 1u) << testing::PrintToString(scopes);
    return scopes.empty() ? "" : scopes.front();
}

// The elements of the algebraic_loop example that form its loop: the three
// resistors and the junctions between them.
const std::vector<int> kLoopElements = {2, 3, 4, 5, 8, 9};

class Simulation : public testing::TestWithParam<std::tuple<int, Case, SolverKind>> {};

TEST_P(Simulation, ShowsThePhysicsOfTheModel) {
    const auto& [version, c, solver] = GetParam();
    if (!test::has_templates(version))
        GTEST_SKIP() << "data/code" << version << " ships no templates (no sta.cod)";
    const std::string text = test::generate_example(c.example, version);
    const GeneratedForm form = generated_form(version);
    const std::vector<Problem> problems = check_generated(text, form);
    SimulationOptions options;
    options.solver = solver;
    options.fixed_step = c.step;
    options.stop_time = c.stop;

    if (c.check == nullptr) {
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(element_numbers(problems[0].blocks), kLoopElements) << problems[0].message;
        try {
            simulate(text, form, options);
            ADD_FAILURE() << "no loop reported";
        } catch (const AlgebraicLoop& loop) {
            EXPECT_EQ(loop.elements(), kLoopElements) << loop.what();
        }
        return;
    }
    for (const Problem& problem : problems) ADD_FAILURE() << problem.message;
    const Diagram diagram = read_generated(text, form);
    const std::string scope = fed_scope(diagram);
    if (scope.empty()) return;
    SimulationResult result;
    try {
        result = simulate(diagram, options);
    } catch (const std::runtime_error& e) {
        FAIL() << "the diagram does not run: " << e.what();
    }
    if (c.check == diverges) {
        EXPECT_NE(result.status, SimulationStatus::kCompleted);
        EXPECT_LT(result.end_time, c.stop);
        return;
    }
    ASSERT_EQ(result.status, SimulationStatus::kCompleted) << result.message;
    c.check(test::example_model(c.example), {result.time, result.scopes.at(scope).at(0)});
}

std::string case_name(const testing::TestParamInfo<Simulation::ParamType>& info) {
    return std::string(std::get<1>(info.param).example) + "_code" +
           std::to_string(std::get<0>(info.param)) +
           (std::get<2>(info.param) == SolverKind::kFixed ? "_fixed" : "_adaptive");
}

INSTANTIATE_TEST_SUITE_P(Examples, Simulation,
                         testing::Combine(testing::Values(1, 2, 3), testing::ValuesIn(kCases),
                                          testing::Values(SolverKind::kAdaptive,
                                                          SolverKind::kFixed)),
                         case_name);

}  // namespace
}  // namespace vantor::sim
