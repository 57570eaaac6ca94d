// The shipped examples give the textbook state equations.
#include <functional>

#include "equations_fixtures.h"

namespace vantor {
namespace {

using equations::EquationSystem;
using GiNaC::ex;
using test::sym;

struct Expected {
    const char* file;
    std::vector<std::string> states;
    // dx/dt per state, then y per output, from the system's own symbols.
    std::function<std::vector<ex>(const EquationSystem&)> f, g;
};

TEST(ExampleEquations, AreTheTextbookOnes) {
    const Expected cases[] = {
        // L di/dt = V - R i - q/C; dq/dt = i; the scope reads the capacitor's voltage.
        {"series_rlc.bgf",
         {"p3", "q6"},
         [](const EquationSystem& s) {
             const ex p = sym(s, "p3"), q = sym(s, "q6"), L = sym(s, "I"), C = sym(s, "C");
             return std::vector<ex>{sym(s, "Se") - sym(s, "R") * p / L - q / C, p / L};
         },
         [](const EquationSystem& s) { return std::vector<ex>{sym(s, "q6") / sym(s, "C")}; }},
        // m dv/dt = F - k x - b v; the scope reads the velocity.
        {"mass_spring_damper.bgf",
         {"p3", "q4"},
         [](const EquationSystem& s) {
             const ex p = sym(s, "p3"), m = sym(s, "I");
             return std::vector<ex>{sym(s, "Se") - sym(s, "q4") / sym(s, "C") - sym(s, "R") * p / m,
                                    p / m};
         },
         [](const EquationSystem& s) { return std::vector<ex>{sym(s, "p3") / sym(s, "I")}; }},
        // Armature and rotor coupled by the gyrator's torque constant.
        {"dc_motor.bgf",
         {"p4", "p7"},
         [](const EquationSystem& s) {
             const ex i = sym(s, "p4") / sym(s, "La"), w = sym(s, "p7") / sym(s, "J");
             const ex r = sym(s, "GY");
             return std::vector<ex>{sym(s, "Se") - sym(s, "Ra") * i - r * w,
                                    r * i - sym(s, "B") * w};
         },
         [](const EquationSystem& s) { return std::vector<ex>{sym(s, "p7") / sym(s, "J")}; }},
        // A current source into C parallel to R.
        {"parallel_rc.bgf",
         {"q3"},
         [](const EquationSystem& s) {
             return std::vector<ex>{sym(s, "Sf") - sym(s, "q3") / (sym(s, "C") * sym(s, "R"))};
         },
         [](const EquationSystem& s) { return std::vector<ex>{sym(s, "q3") / sym(s, "C")}; }},
        // C2 on the same junction as C1 is in derivative causality: the two
        // act as one capacitor C1 + C2 charged through R.
        {"two_capacitors.bgf",
         {"q5"},
         [](const EquationSystem& s) {
             const ex C1 = sym(s, "C1"), C2 = sym(s, "C2");
             return std::vector<ex>{(C1 * sym(s, "Se") - sym(s, "q5")) / (sym(s, "R") * (C1 + C2))};
         },
         [](const EquationSystem& s) { return std::vector<ex>{sym(s, "q5") / sym(s, "C1")}; }},
        // The node voltage v between R1, R2 and the R3-C branch solves the loop:
        // (V - v)/R1 = v/R2 + (v - q/C)/R3.
        {"algebraic_loop.bgf",
         {"q10"},
         [](const EquationSystem& s) {
             const ex R1 = sym(s, "R1"), R2 = sym(s, "R2"), R3 = sym(s, "R3");
             const ex vc = sym(s, "q10") / sym(s, "C");
             const ex v = (sym(s, "Se") / R1 + vc / R3) / (1 / R1 + 1 / R2 + 1 / R3);
             return std::vector<ex>{(v - vc) / R3};
         },
         [](const EquationSystem& s) {
             const ex R1 = sym(s, "R1"), R2 = sym(s, "R2"), R3 = sym(s, "R3");
             const ex vc = sym(s, "q10") / sym(s, "C");
             return std::vector<ex>{(sym(s, "Se") / R1 + vc / R3) / (1 / R1 + 1 / R2 + 1 / R3)};
         }},
    };
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.file);
        const ModelWindowState window = test::causal_example(c.file);
        const EquationSystem s = equations::derive_equations(window.model);
        std::vector<std::string> states;
        for (const auto& x : s.states) states.push_back(x.name);
        ASSERT_EQ(states, c.states);
        const std::vector<ex> f = c.f(s), g = c.g(s);
        ASSERT_EQ(s.derivatives.size(), f.size());
        for (std::size_t i = 0; i < f.size(); ++i) EXPECT_TRUE(test::same(s.derivatives[i], f[i]));
        ASSERT_EQ(s.outputs_eq.size(), g.size());
        for (std::size_t i = 0; i < g.size(); ++i) EXPECT_TRUE(test::same(s.outputs_eq[i], g[i]));
        EXPECT_TRUE(s.implicit.empty());
    }
}

TEST(ExampleEquations, NameTheirOutputsAsTheSimulationColumns) {
    const EquationSystem s =
        equations::derive_equations(test::causal_example("series_rlc.bgf").model);
    ASSERT_EQ(s.outputs.size(), 1u);
    EXPECT_EQ(s.outputs[0].name, "9scope/1 (scope)");
    EXPECT_EQ(s.outputs[0].element, 9);
    ASSERT_EQ(s.inputs.size(), 1u);
    EXPECT_EQ(s.inputs[0].name, "Se");
    EXPECT_EQ(s.inputs[0].value, "1");
}

TEST(ExampleEquations, ReportDerivativeCausalityAndLoopsAsInformation) {
    const auto notes = [](const char* file) {
        return equations::derive_equations(test::causal_example(file).model).notes;
    };
    EXPECT_EQ(notes("two_capacitors.bgf"),
              std::vector<std::string>{"Derivative causality: element 6 (C2) has a dependent "
                                       "state; the equations are solved for it exactly"});
    const std::vector<std::string> loop = notes("algebraic_loop.bgf");
    ASSERT_EQ(loop.size(), 1u);
    EXPECT_EQ(loop[0].rfind("Algebraic loop through elements ", 0), 0u) << loop[0];
    EXPECT_NE(loop[0].find("solved exactly"), std::string::npos) << loop[0];
}

TEST(ExampleEquations, EveryExampleDerives) {
    for (const char* file : {"coupled_masses.bgf", "quarter_car.bgf", "two_tanks.bgf"}) {
        SCOPED_TRACE(file);
        const EquationSystem s = equations::derive_equations(test::causal_example(file).model);
        EXPECT_EQ(s.derivatives.size(), s.states.size());
        EXPECT_TRUE(s.implicit.empty());
    }
}

}  // namespace
}  // namespace vantor
