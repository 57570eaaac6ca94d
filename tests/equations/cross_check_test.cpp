// The equations against the simulation of the generated diagram: two
// independent derivations of the same model, which must agree.
#include <algorithm>
#include <cmath>

#include "equations_fixtures.h"
#include "sim/simulator.h"
#include "simulink/simulation_generation.h"

namespace vantor {
namespace {

using GiNaC::ex;

// dx/dt and y with every parameter and input replaced by its value: functions
// of the states and t alone.
struct NumericSystem {
    std::vector<ex> f, g;
    std::vector<double> x0;
};

NumericSystem numeric(const equations::EquationSystem& s) {
    GiNaC::exmap values;
    for (const auto& p : s.parameters) {
        EXPECT_TRUE(p.value.has_value()) << p.name;
        values[p.symbol] = GiNaC::numeric(p.value.value_or(0));
    }
    GiNaC::exmap inputs;
    for (const auto& u : s.inputs) inputs[u.symbol] = u.expression.subs(values);
    NumericSystem n;
    for (const ex& e : s.derivatives) n.f.push_back(e.subs(inputs).subs(values));
    for (const ex& e : s.outputs_eq) n.g.push_back(e.subs(inputs).subs(values));
    for (const auto& x : s.states)
        n.x0.push_back(GiNaC::ex_to<GiNaC::numeric>(x.initial.subs(values).evalf()).to_double());
    return n;
}

std::vector<double> at(const std::vector<ex>& exprs, const equations::EquationSystem& s,
                       const std::vector<double>& x, double t) {
    GiNaC::exmap point{{s.t, t}};
    for (std::size_t i = 0; i < x.size(); ++i) point[s.states[i].symbol] = x[i];
    std::vector<double> out;
    for (const ex& e : exprs)
        out.push_back(GiNaC::ex_to<GiNaC::numeric>(e.subs(point).evalf()).to_double());
    return out;
}

// The outputs along the classic Runge-Kutta steps, one row per step.
std::vector<std::vector<double>> run(const equations::EquationSystem& s, double stop, int steps) {
    const NumericSystem n = numeric(s);
    const double h = stop / steps;
    std::vector<double> x = n.x0;
    std::vector<std::vector<double>> rows{at(n.g, s, x, 0)};
    const auto plus = [](std::vector<double> a, const std::vector<double>& b, double k) {
        for (std::size_t i = 0; i < a.size(); ++i) a[i] += k * b[i];
        return a;
    };
    for (int k = 0; k < steps; ++k) {
        const double t = k * h;
        const auto k1 = at(n.f, s, x, t);
        const auto k2 = at(n.f, s, plus(x, k1, h / 2), t + h / 2);
        const auto k3 = at(n.f, s, plus(x, k2, h / 2), t + h / 2);
        const auto k4 = at(n.f, s, plus(x, k3, h), t + h);
        for (std::size_t i = 0; i < x.size(); ++i)
            x[i] += h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
        rows.push_back(at(n.g, s, x, t + h));
    }
    return rows;
}

TEST(EquationsCrossCheck, AgreeWithTheDiagramSimulation) {
    const char* files[] = {"series_rlc.bgf",     "mass_spring_damper.bgf", "dc_motor.bgf",
                           "parallel_rc.bgf",    "quarter_car.bgf",        "two_tanks.bgf",
                           "two_capacitors.bgf", "coupled_masses.bgf"};
    constexpr int kSteps = 500;
    for (int version = 1; version <= 3; ++version) {
        for (const char* file : files) {
            SCOPED_TRACE(std::string(file) + " with templates " + std::to_string(version));
            ModelWindowState window = test::causal_example(file);
            const equations::EquationSystem s = equations::derive_equations(window.model);
            test::RecordingHost host;
            const SimulationGeneration generated =
                generate_for_simulation(window, {VANTOR_DATA_DIR, version, "check"}, host);
            ASSERT_EQ(generated.outcome, SimulationGenerationOutcome::kReady);
            sim::SimulationOptions options;
            options.solver = sim::SolverKind::kFixed;
            options.fixed_step = generated.diagram.stop_time / kSteps;
            const sim::SimulationResult diagram = sim::simulate(generated.diagram, options);
            const auto rows = run(s, generated.diagram.stop_time, kSteps);
            ASSERT_EQ(rows.size(), diagram.time.size());
            for (std::size_t k = 0; k < s.outputs.size(); ++k) {
                const auto& out = s.outputs[k];
                const auto& series = diagram.scopes.at(std::to_string(out.element) + "scope");
                const std::vector<double>& column =
                    series.at(static_cast<std::size_t>(out.port - 1));
                double peak = 0;
                for (double v : column) peak = std::max(peak, std::fabs(v));
                for (std::size_t r = 0; r < rows.size(); ++r)
                    ASSERT_NEAR(rows[r][k], column[r], 0.01 * peak) << out.name << " at row " << r;
            }
        }
    }
}

}  // namespace
}  // namespace vantor
