#include "simulink/sim/simulator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulink/sim/script_reader.h"
#include "simulink/sim/test_scripts.h"

namespace vantor::sim {
namespace {

Diagram script(const std::string& body) {
    return read_script("sys = 'm'; new_system(sys)\n" + body, ScriptDialect::kCurrent);
}

const std::vector<double>& trace(const SimulationResult& r, const std::string& scope, int e = 0) {
    return r.scopes.at(scope).at(e);
}

// x' = -x, x(0) = 1
const char* kDecay =
    "add_block('built-in/Integrator',[sys '/x'],'InitialCondition','1')\n"
    "add_block('built-in/Gain',[sys '/k'],'Gain','-1')\n"
    "add_block('built-in/Scope',[sys '/sc'])\n"
    "add_line(sys,'x/1','k/1'); add_line(sys,'k/1','x/1'); add_line(sys,'x/1','sc/1')\n";

TEST(Simulator, IsFourthOrderOnExponentialDecay) {
    const Diagram d = script(kDecay);
    const SimulationResult coarse = simulate(d, 0.1, 1);
    ASSERT_EQ(coarse.time.size(), 11u);
    EXPECT_DOUBLE_EQ(coarse.time.back(), 1);
    EXPECT_DOUBLE_EQ(trace(coarse, "sc").front(), 1);
    const double e1 = trace(coarse, "sc").back() - std::exp(-1);
    const double e2 = trace(simulate(d, 0.05, 1), "sc").back() - std::exp(-1);
    EXPECT_LT(std::fabs(e1), 1e-6);
    EXPECT_NEAR(e1 / e2, 16, 2);  // halving the step divides the error by 2^4
}

TEST(Simulator, FollowsAnRcCircuitToItsOwnStopTime) {
    const SimulationResult r =
        simulate(read_script(test::kRcScript, ScriptDialect::kCurrent), 1e-2);
    ASSERT_EQ(r.time.size(), 501u);
    for (std::size_t k = 0; k < r.time.size(); ++k)
        ASSERT_NEAR(trace(r, "scope")[k], 1 - std::exp(-r.time[k]), 1e-8) << r.time[k];
}

TEST(Simulator, ReportsAlgebraicLoopsInsteadOfRunning) {
    // Sum -> Gain -> Sum, and a Derivative fed by its own output: both need
    // their input at the same instant; the scope downstream is not part of it.
    const Diagram d = script(
        "add_block('built-in/Constant',[sys '/c'])\n"
        "add_block('built-in/Sum',[sys '/s'],'Inputs','+-')\n"
        "add_block('built-in/Gain',[sys '/g'])\n"
        "add_block('built-in/Derivative',[sys '/d'])\n"
        "add_block('built-in/Gain',[sys '/h'])\n"
        "add_block('built-in/Scope',[sys '/sc'])\n"
        "add_line(sys,'c/1','s/1'); add_line(sys,'s/1','g/1'); add_line(sys,'g/1','s/2')\n"
        "add_line(sys,'d/1','h/1'); add_line(sys,'h/1','d/1')\n"
        "add_line(sys,'g/1','sc/1')\n");
    try {
        simulate(d, 0.1, 1);
        FAIL() << "no loop reported";
    } catch (const AlgebraicLoop& loop) {
        EXPECT_EQ(loop.blocks(), (std::vector<std::string>{"s", "g", "d", "h"}));
    }
}

TEST(Simulator, GivesTheSourcesAndRoutesMuxedSignals) {
    const Diagram d = script(
        "add_block('built-in/Step',[sys '/st'],'Time','0.5','Before','1','After','3')\n"
        "add_block('built-in/Sin',[sys '/w'],'Amplitude','2','Frequency','3','Phase','0.5',"
        "'Bias','1')\n"
        "add_block('built-in/Constant',[sys '/c'],'Value','-4')\n"
        "add_block('built-in/Mux',[sys '/mx'],'Inputs','3')\n"
        "add_block('built-in/Scope',[sys '/all'])\n"
        "add_block('built-in/Demux',[sys '/dm'],'Outputs','3')\n"
        "add_block('built-in/Scope',[sys '/second'])\n"
        "add_block('built-in/Terminator',[sys '/t1']); add_block('built-in/Terminator',[sys "
        "'/t3'])\n"
        "add_line(sys,'st/1','mx/1'); add_line(sys,'w/1','mx/2'); add_line(sys,'c/1','mx/3')\n"
        "add_line(sys,'mx/1','all/1'); add_line(sys,'mx/1','dm/1')\n"
        "add_line(sys,'dm/1','t1/1'); add_line(sys,'dm/2','second/1'); "
        "add_line(sys,'dm/3','t3/1')\n");
    const SimulationResult r = simulate(d, 0.25, 1);
    ASSERT_EQ(r.scopes.at("all").size(), 3u);
    EXPECT_EQ(trace(r, "all", 0), (std::vector<double>{1, 1, 3, 3, 3}));
    EXPECT_EQ(trace(r, "all", 2), (std::vector<double>(5, -4)));
    for (std::size_t k = 0; k < r.time.size(); ++k) {
        EXPECT_DOUBLE_EQ(trace(r, "all", 1)[k], 2 * std::sin(3 * r.time[k] + 0.5) + 1);
        EXPECT_DOUBLE_EQ(trace(r, "second")[k], trace(r, "all", 1)[k]);
    }
}

TEST(Simulator, ComputesProductsFunctionsAndReadsUnfedInputsAsZero) {
    const Diagram d = script(
        "add_block('built-in/Constant',[sys '/a'],'Value','6')\n"
        "add_block('built-in/Constant',[sys '/b'],'Value','1.5*2')\n"
        "add_block('built-in/Product',[sys '/p'],'Inputs','*/')\n"
        "add_block('built-in/Fcn',[sys '/f'],'Expr','u^2+1')\n"
        "add_block('built-in/Sum',[sys '/s'],'Inputs','+-+')\n"
        "add_block('built-in/Scope',[sys '/sf']); add_block('built-in/Scope',[sys '/ss'])\n"
        "add_line(sys,'a/1','p/1'); add_line(sys,'b/1','p/2'); add_line(sys,'p/1','f/1')\n"
        "add_line(sys,'f/1','sf/1'); add_line(sys,'a/1','s/1'); add_line(sys,'b/1','s/3')\n"
        "add_line(sys,'s/1','ss/1')\n");
    const SimulationResult r = simulate(d, 0.5, 0.5);
    EXPECT_DOUBLE_EQ(trace(r, "sf").back(), 5);
    EXPECT_DOUBLE_EQ(trace(r, "ss").back(), 9);
}

TEST(Simulator, DifferentiatesOverTheLastAcceptedStep) {
    const double h = 1e-3;
    const Diagram d = script(
        "add_block('built-in/Sin',[sys '/w'])\n"
        "add_block('built-in/Derivative',[sys '/d'])\n"
        "add_block('built-in/Scope',[sys '/sc'])\n"
        "add_line(sys,'w/1','d/1'); add_line(sys,'d/1','sc/1')\n");
    const SimulationResult r = simulate(d, h, 2);
    EXPECT_EQ(trace(r, "sc").front(), 0);
    for (std::size_t k = 1; k < r.time.size(); ++k) {
        const double t = r.time[k];
        ASSERT_NEAR(trace(r, "sc")[k], (std::sin(t) - std::sin(t - h)) / h, 1e-9) << t;
    }
}

TEST(Simulator, CarriesADerivativeInsideAnIntegratorLoop) {
    // x' = 1 - 0.5 x'  (a derivative-causality element beside an integral
    // one of twice its size) gives x = t / 1.5.
    const Diagram d = script(
        "add_block('built-in/Constant',[sys '/one'])\n"
        "add_block('built-in/Sum',[sys '/s'],'Inputs','+-')\n"
        "add_block('built-in/Integrator',[sys '/x'])\n"
        "add_block('built-in/Derivative',[sys '/d'])\n"
        "add_block('built-in/Gain',[sys '/g'],'Gain','0.5')\n"
        "add_block('built-in/Scope',[sys '/sc'])\n"
        "add_line(sys,'one/1','s/1'); add_line(sys,'s/1','x/1'); add_line(sys,'x/1','d/1')\n"
        "add_line(sys,'d/1','g/1'); add_line(sys,'g/1','s/2'); add_line(sys,'x/1','sc/1')\n");
    const SimulationResult r = simulate(d, 1e-3, 2);
    EXPECT_NEAR(trace(r, "sc").back(), 2 / 1.5, 1e-3);
}

TEST(Simulator, RefusesDiagramsItCannotRun) {
    EXPECT_THROW(simulate(script("add_line(sys,'a/1','b/1')"), 0.1, 1), std::runtime_error);
    EXPECT_THROW(simulate(script("add_block('built-in/Mux',[sys '/m'])\n"
                                 "add_block('built-in/Gain',[sys '/g'])\n"
                                 "add_line(sys,'m/1','g/1')"),
                          0.1, 1),
                 std::runtime_error);
    EXPECT_THROW(simulate(script("add_block('built-in/Gain',[sys '/g'],'Gain','k')"), 0.1, 1),
                 std::runtime_error);
    EXPECT_THROW(simulate(script(kDecay), 0, 1), std::runtime_error);
}

}  // namespace
}  // namespace vantor::sim
