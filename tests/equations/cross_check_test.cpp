// The equations against the simulation of the generated diagram: two
// independent derivations of the same model, which must agree.
#include <algorithm>
#include <cmath>

#include "equations/equation_engine.h"
#include "equations_fixtures.h"
#include "sim/simulator.h"
#include "simulink/simulation_generation.h"

namespace vantor {
namespace {

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

}  // namespace
}  // namespace vantor
