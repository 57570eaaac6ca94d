// The equations against the simulation of the generated diagram: two
// independent derivations of the same model, which must agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "causality/causality_commands.h"
#include "causality/causality_fixtures.h"
#include "equations/equation_engine.h"
#include "equations/fcn_to_ginac.h"
#include "equations/numeric_program.h"
#include "model/model_reader.h"
#include "sim/expression.h"
#include "sim/simulator.h"
#include "simulink/simulation_generation.h"

namespace vantor {
namespace {

// An example model with its causality assigned as Assign & Check does.
ModelWindowState causal_example(const std::string& file) {
    ModelWindowState window;
    leerarchivo(window, std::string(VANTOR_EXAMPLES_DIR) + "/" + file);
    test::RecordingHost host;
    assign_Click(window, read_priority_tables(VANTOR_DATA_DIR), host);
    return window;
}

TEST(EquationsCrossCheck, AgreeWithTheDiagramSimulation) {
    const char* files[] = {"series_rlc.bgf",     "mass_spring_damper.bgf", "dc_motor.bgf",
                           "parallel_rc.bgf",    "quarter_car.bgf",        "two_tanks.bgf",
                           "two_capacitors.bgf", "coupled_masses.bgf"};
    constexpr int kSteps = 500;
    for (int version = 1; version <= 3; ++version) {
        for (const char* file : files) {
            SCOPED_TRACE(std::string(file) + " with templates " + std::to_string(version));
            ModelWindowState window = causal_example(file);
            const equations::EquationSystem s = equations::derive_equations(window.model);
            test::RecordingHost host;
            const SimulationGeneration generated =
                generate_for_simulation(window, {VANTOR_DATA_DIR, version, "check"}, host);
            ASSERT_EQ(generated.outcome, SimulationGenerationOutcome::kReady);
            sim::SimulationOptions options;
            options.solver = sim::SolverKind::kFixed;
            options.fixed_step = generated.diagram.stop_time / kSteps;
            const sim::SimulationResult diagram = sim::simulate(generated.diagram, options);
            const sim::SimulationResult by_equations =
                equations::simulate_equations(s, generated.diagram.stop_time, options);
            ASSERT_EQ(by_equations.status, sim::SimulationStatus::kCompleted);
            ASSERT_EQ(by_equations.time, diagram.time);
            for (std::size_t k = 0; k < s.outputs.size(); ++k) {
                const auto& out = s.outputs[k];
                const std::string scope = std::to_string(out.element) + "scope";
                const auto port = static_cast<std::size_t>(out.port - 1);
                const std::vector<double>& column = diagram.scopes.at(scope).at(port);
                const std::vector<double>& rows = by_equations.scopes.at(scope).at(port);
                double peak = 0;
                for (double v : column) peak = std::max(peak, std::fabs(v));
                for (std::size_t r = 0; r < rows.size(); ++r)
                    ASSERT_NEAR(rows[r], column[r], 0.01 * peak) << out.name << " at row " << r;
            }
        }
    }
}

// The equations' numeric program and the simulator's Fcn block evaluate
// every function and operator of the language alike, up to the order in
// which GiNaC keeps the terms of a sum.
TEST(EquationsEngine, EvaluatesTheFcnLanguageAsTheSimulatorDoes) {
    const char* const texts[] = {"sin(u(1))+cos(u(2))*tan(u(1))",
                                 "exp(u(1))-log(abs(u(2))+1)",
                                 "sqrt(abs(u(1)))",
                                 "asin(u(1)/4)+acos(u(2)/4)+atan(u(1))",
                                 "sinh(u(1))+cosh(u(2))*tanh(u(1))",
                                 "atan2(u(1),u(2))",
                                 "rem(u(1),u(2))+floor(u(1))+ceil(u(2))",
                                 "sgn(u(1))*u(2)^3",
                                 "(u(1)<u(2))+(u(1)<=u(2))*2+(u(1)>u(2))*4+(u(1)>=u(2))*8",
                                 "(u(1)==u(2))+(u(1)!=u(2))*2",
                                 "(u(1)&&u(2))+(u(1)||u(2))*2+!u(1)*4",
                                 "u(1)^u(2)/(1+u(2)^2)"};
    const double points[][2] = {{0.5, 2}, {-1.5, 3}, {0, -2}, {2, 2}, {-3, 0.25}};
    for (const char* text : texts) {
        const sim::Expression fcn = sim::Expression::parse(text, true);
        const GiNaC::symbol u1("u1"), u2("u2");
        const GiNaC::ex e = equations::fcn_expression(text, {u1, u2});
        const equations::NumericProgram program(e, {{u1, 0}, {u2, 1}},
                                                [](const GiNaC::ex&) { return std::string(); });
        for (const auto& u : points) {
            const double expected = fcn(u);
            const double got = program.run(u);
            if (!std::isfinite(expected)) {
                EXPECT_EQ(std::isnan(got), std::isnan(expected)) << text;
                if (!std::isnan(expected)) {
                    EXPECT_EQ(got, expected) << text;
                }
            } else {
                EXPECT_NEAR(got, expected, 1e-13 * (1 + std::abs(expected)))
                    << text << " at " << u[0] << ", " << u[1];
            }
        }
    }
}

}  // namespace
}  // namespace vantor
