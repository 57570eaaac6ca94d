// Fcn blocks in a run: the nonlinear laws models use, and vector inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sim/script_reader.h"
#include "sim/simulation_error.h"
#include "sim/simulator.h"

namespace vantor::sim {
namespace {

Diagram script(const std::string& body) {
    return read_script("sys = 'm'; new_system(sys)\n" + body, ScriptDialect::kCurrent);
}

SimulationResult fixed(const Diagram& d, double step, double stop) {
    SimulationOptions options;
    options.solver = SolverKind::kFixed;
    options.fixed_step = step;
    options.stop_time = stop;
    return simulate(d, options);
}

// A sliding mass under Coulomb friction, v' = -0.5 sgn(v) from v = 1: it
// slows down linearly and stops at t = 2. A second Fcn reads the velocity and
// a constant 2 through a mux.
TEST(FcnBlock, SimulatesCoulombFrictionAndReadsAMuxByElement) {
    const Diagram d = script(
        "add_block('built-in/Integrator',[sys '/v'],'InitialCondition','1')\n"
        "add_block('built-in/Fcn',[sys '/friction'],'Expr','-0.5*sgn(u)')\n"
        "add_block('built-in/Constant',[sys '/two'],'Value','2')\n"
        "add_block('built-in/Mux',[sys '/mx'],'Inputs','2')\n"
        "add_block('built-in/Fcn',[sys '/f'],'Expr','tanh(u(1))*u(2) + (u(1) > 0.25)')\n"
        "add_block('built-in/Scope',[sys '/sv']); add_block('built-in/Scope',[sys '/sf'])\n"
        "add_line(sys,'v/1','friction/1'); add_line(sys,'friction/1','v/1')\n"
        "add_line(sys,'v/1','mx/1'); add_line(sys,'two/1','mx/2'); add_line(sys,'mx/1','f/1')\n"
        "add_line(sys,'v/1','sv/1'); add_line(sys,'f/1','sf/1')\n");
    const double h = 0.01;
    const SimulationResult r = fixed(d, h, 3);
    ASSERT_EQ(r.status, SimulationStatus::kCompleted);
    const auto& v = r.scopes.at("sv").at(0);
    const auto& f = r.scopes.at("sf").at(0);
    for (std::size_t k = 0; k < r.time.size(); ++k) {
        const double t = r.time[k];
        SCOPED_TRACE(t);
        if (t <= 2 - h)
            ASSERT_NEAR(v[k], 1 - 0.5 * t, 1e-12);
        else
            ASSERT_LE(std::fabs(v[k]), 0.5 * h);  // at rest, up to one step's slide
        ASSERT_DOUBLE_EQ(f[k], std::tanh(v[k]) * 2 + (v[k] > 0.25 ? 1 : 0));
    }
}

TEST(FcnBlock, NamesTheBlockAndTemplateOfAnExpressionItCannotRun) {
    const std::pair<const char*, const char*> cases[] = {
        {"sgn(u)*mu", "expression 'sgn(u)*mu': unknown name 'mu'"},
        {"hypot(u)", "expression 'hypot(u)': 'hypot' takes 2 arguments, not 1"},
        {"u(1)-u(3)", "its expression reads u(3) but its input has 2 elements"},
    };
    for (const auto& [expr, problem] : cases) {
        const Diagram d = script(
            "add_block('built-in/Constant',[sys '/c'])\n"
            "add_block('built-in/Mux',[sys '/mx'],'Inputs','2')\n"
            "add_block('built-in/Fcn',[sys '/3f'],'Expr','" +
            std::string(expr) +
            "')\n"
            "add_line(sys,'c/1','mx/1'); add_line(sys,'c/1','mx/2'); "
            "add_line(sys,'mx/1','3f/1')\n");
        SimulationOptions options;
        options.template_of = [](const Block& b) { return b.name == "3f" ? "fcn.cod" : ""; };
        try {
            simulate(d, options);
            ADD_FAILURE() << expr << " ran";
        } catch (const SimulationError& e) {
            EXPECT_EQ(e.what(),
                      "block '3f' of type 'Fcn' (template fcn.cod): " + std::string(problem));
        }
    }
}

}  // namespace
}  // namespace vantor::sim
