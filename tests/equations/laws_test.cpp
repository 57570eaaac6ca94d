// Element laws the examples do not show: transformers and gyrators in both
// causal forms, the signal blocks, loops through signals, and refusals.
#include "equations/fcn_functions.h"
#include "equations_fixtures.h"
#include "simulink/generate.h"

namespace vantor {
namespace {

using equations::EquationSystem;
using GiNaC::ex;
using test::sym;

EquationSystem assigned(test::ModelBuilder& b) {
    test::RecordingHost host;
    assign_Click(b.window, read_priority_tables(VANTOR_DATA_DIR), host);
    return equations::derive_equations(b.window.model);
}

int element(test::ModelBuilder& b, std::string_view type, const std::string& caption,
            const std::string& parameter = "") {
    const int n = b.add(type);
    b.window.model.objs[n].caption = caption;
    b.window.model.objs[n].parameters = parameter;
    return n;
}

// Two inertias through a gear: the second is in derivative causality, and
// the gear reflects it as n^2 J2 onto the first.
TEST(ElementLaws, TransformerReflectsADependentInertia) {
    test::ModelBuilder b;
    const int se = element(b, "Se_", "V", "2"), j1 = b.add("111");
    element(b, "I__", "J1", "3");
    const int tf = element(b, "TRF", "n", "4"), j2 = b.add("111");
    element(b, "I__", "J2", "1");
    b.bond(se, j1), b.bond(j1, 3), b.bond(j1, tf), b.bond(tf, j2), b.bond(j2, 6);
    const EquationSystem s = assigned(b);
    ASSERT_EQ(s.states.size(), 1u);
    EXPECT_EQ(s.states[0].name, "p3");
    const ex n = sym(s, "n"), J1 = sym(s, "J1"), J2 = sym(s, "J2");
    EXPECT_TRUE(test::same(s.derivatives[0], sym(s, "V") * J1 / (J1 + n * n * J2)));
}

// A gyrator between two capacitors takes effort from both sides.
TEST(ElementLaws, GyratorTakingEffortOnBothBonds) {
    test::ModelBuilder b;
    const int sf = element(b, "Sf_", "Is", "1"), z1 = b.add("000");
    element(b, "C__", "Ca", "1");
    const int gy = element(b, "GYR", "r", "2"), z2 = b.add("000");
    element(b, "C__", "Cb", "1");
    b.bond(sf, z1), b.bond(z1, 3), b.bond(z1, gy), b.bond(gy, z2), b.bond(z2, 6);
    const EquationSystem s = assigned(b);
    ASSERT_EQ(s.states.size(), 2u);
    const ex r = sym(s, "r");
    EXPECT_TRUE(test::same(s.derivatives[0], sym(s, "Is") - sym(s, "q6") / (sym(s, "Cb") * r)));
    EXPECT_TRUE(test::same(s.derivatives[1], sym(s, "q3") / (sym(s, "Ca") * r)));
}

// A first-order lag built of signal blocks: dx/dt = K*(step - x), and a mux
// that puts x and a Fcn of a sine on one Scope.
TEST(ElementLaws, SignalBlocks) {
    test::SignalBuilder b;
    const int step = b.block("stp", "1", "2e0"), sum = b.block("sum", "+-");
    const int gain = b.block("gai", "3"), in = b.block("int", "0.5");
    const int sine = b.block("sin", "1", "2*5"), fcn = b.block("fcn", "u^2+(u>0.5)");
    const int mux = b.block("mux", "2"), scope = b.block("sco");
    b.link(step, 1, sum, 1), b.link(in, 1, sum, 2), b.link(sum, 1, gain, 1);
    b.link(gain, 1, in, 1), b.link(sine, 1, fcn, 1);
    b.link(in, 1, mux, 1), b.link(fcn, 1, mux, 2), b.link(mux, 1, scope, 1);
    const EquationSystem s = equations::derive_equations(b.window.model);
    ASSERT_EQ(s.states.size(), 1u);
    const ex x = s.states[0].symbol, u = sym(s, "stp"), w = sym(s, "sine5");
    EXPECT_TRUE(test::same(s.derivatives[0], sym(s, "gai") * (u - x)));
    EXPECT_TRUE(test::same(s.states[0].initial, sym(s, "int_0")));
    ASSERT_EQ(s.outputs.size(), 2u);
    EXPECT_EQ(s.outputs[1].name, std::to_string(scope) + "scope/2 (sco)");
    EXPECT_TRUE(test::same(s.outputs_eq[0], x));
    EXPECT_TRUE(test::same(s.outputs_eq[1], w * w + equations::fcn_gt(w, GiNaC::numeric(0.5))));
    // The step is 0 before its time and its final value from it on.
    const equations::Input& input = s.inputs[0];
    EXPECT_EQ(input.value, "(t>=1)*2e0");
    GiNaC::exmap values{{sym(s, "stp_time"), 1}, {sym(s, "stp_final"), 2}};
    for (const auto& [t, expected] : {std::pair{0.5, 0}, {1.0, 2}, {3.0, 2}}) {
        values[s.t] = GiNaC::numeric(t);
        EXPECT_EQ(input.expression.subs(values), ex(expected)) << "t = " << t;
    }
    EXPECT_EQ(s.inputs[1].value, "1*sin((2*5)*t)");
}

// A capacitor driven straight by a sine source is in derivative causality:
// its current is C times the source's rate, A*w*cos(w*t).
TEST(ElementLaws, DerivativeCausalityDifferentiatesTheInputs) {
    test::SignalBuilder b;
    const int sine = b.block("sin", "2", "3"), source = b.block("MSe");
    const int one = b.block("111"), c = b.block("C__", "5"), sensor = b.block("Df_");
    const int scope = b.block("sco");
    b.bond(source, one), b.bond(one, c), b.bond(one, sensor);
    b.link(sine, 1, source, 1), b.link(sensor, 1, scope, 1);
    test::RecordingHost host;
    assign_Click(b.window, read_priority_tables(VANTOR_DATA_DIR), host);
    const EquationSystem s = equations::derive_equations(b.window.model);
    EXPECT_TRUE(s.states.empty());
    ASSERT_EQ(s.outputs_eq.size(), 1u);
    const ex w = sym(s, "sine1_freq");
    EXPECT_TRUE(
        test::same(s.outputs_eq[0], sym(s, "C__") * sym(s, "sine1_amp") * w * GiNaC::cos(w * s.t)));
}

// A loop through a Fcn: solved when it is linear, kept implicit otherwise.
TEST(ElementLaws, LoopsThroughAFcn) {
    for (const char* expression : {"2*u", "u^3"}) {
        SCOPED_TRACE(expression);
        test::SignalBuilder b;
        const int c = b.block("cst", "1"), sum = b.block("sum", "+-");
        const int fcn = b.block("fcn", expression), scope = b.block("sco");
        b.link(c, 1, sum, 1), b.link(fcn, 1, sum, 2), b.link(sum, 1, fcn, 1);
        b.link(sum, 1, scope, 1);
        const EquationSystem s = equations::derive_equations(b.window.model);
        ASSERT_EQ(s.notes.size(), 1u);
        EXPECT_EQ(s.notes[0].rfind("Algebraic loop through elements 2 (sum), 3 (fcn)", 0), 0u)
            << s.notes[0];
        if (std::string(expression) == "2*u") {
            EXPECT_TRUE(s.implicit.empty());
            EXPECT_TRUE(test::same(s.outputs_eq[0], sym(s, "cst") / 3));
        } else {
            EXPECT_EQ(s.implicit.size(), 2u);
            EXPECT_NE(s.notes[0].find("not linear"), std::string::npos);
        }
    }
}

TEST(ElementLaws, WhatCannotBeDerivedIsRefusedWithItsReason) {
    struct Case {
        std::string type;
        int causa;
        std::string message;
    };
    const Case cases[] = {
        {"R__", 0, kNotCausalMessage},
        {"XYZ", 1, "Element 2 (x) is of type XYZ, whose law the equations do not know"},
        // The source's stroke at its own end: it would have to take effort.
        {"R__", 2, "Causality error: element 1 (V) has a causality its law does not allow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        test::ModelBuilder b;
        element(b, "Se_", "V", "1");
        element(b, c.type, "x", "1");
        b.bond(1, 2, c.causa);
        try {
            equations::derive_equations(b.window.model);
            ADD_FAILURE() << "derived";
        } catch (const equations::EquationError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
}

// A modulated element fed by a constant is its plain twin with that modulus.
TEST(ElementLaws, ModulatedElementsTakeTheirSignal) {
    struct Case {
        const char* plain;
        const char* modulated;
        const char* source;  // the one-port at the left end
    };
    for (const Case& c : {Case{"TRF", "MTF", "Se_"}, Case{"GYR", "MGY", "Se_"},
                          Case{"Se_", "MSe", nullptr}, Case{"Sf_", "MSf", nullptr}}) {
        SCOPED_TRACE(c.modulated);
        GiNaC::ex results[2];  // dx/dt at x = 1/3
        for (int modulated = 0; modulated < 2; ++modulated) {
            test::SignalBuilder b;
            // source (or the element itself) -> 1 -> R, and on through the two-port to 1 -> I.
            const int left =
                b.block(c.source != nullptr ? c.source : (modulated ? c.modulated : c.plain), "2");
            // A flow source drives a 0-junction with a C, the others a 1-junction with an I.
            const bool flow = std::string(c.plain) == "Sf_";
            const int j1 = b.block(flow ? "000" : "111"), r = b.block("R__", "5");
            b.bond(left, j1), b.bond(j1, r);
            int end = j1;
            if (c.source != nullptr) {
                const int two = b.block(modulated ? c.modulated : c.plain, "3");
                const int j2 = b.block("111");
                b.bond(j1, two), b.bond(two, j2);
                end = j2;
                if (modulated) b.link(b.block("cst", "3"), 1, two, 1);
            } else if (modulated) {
                b.link(b.block("cst", "2"), 1, left, 1);
            }
            const int inertia = b.block(flow ? "C__" : "I__", "7");
            b.window.model.objs[inertia].parameter2 = "0";
            b.bond(end, inertia);
            test::RecordingHost host;
            assign_Click(b.window, read_priority_tables(VANTOR_DATA_DIR), host);
            const equations::EquationSystem s = equations::derive_equations(b.window.model);
            GiNaC::exmap values;
            for (const auto& p : s.parameters) values[p.symbol] = GiNaC::numeric(*p.value);
            for (const auto& u : s.inputs) values[u.symbol] = u.expression.subs(values);
            ASSERT_EQ(s.derivatives.size(), 1u);
            values[s.states[0].symbol] = GiNaC::numeric(1, 3);
            results[modulated] = s.derivatives[0].subs(values).evalf();
        }
        ASSERT_TRUE(GiNaC::is_a<GiNaC::numeric>(results[0])) << results[0];
        EXPECT_NEAR(GiNaC::ex_to<GiNaC::numeric>(results[0]).to_double(),
                    GiNaC::ex_to<GiNaC::numeric>(results[1]).to_double(), 1e-12)
            << results[0] << " and " << results[1];
    }
}

// Fields never typed in hold NULs: an empty caption and an empty initial value.
TEST(ElementLaws, FieldsNeverTypedInAreEmpty) {
    test::ModelBuilder b;
    const int se = b.add("Se_"), zero = b.add("000"), c = b.add("C__");
    b.window.model.objs[se].parameters = "1";
    b.window.model.objs[c].parameters = "2";
    b.bond(se, zero, 1), b.bond(zero, c, 1);
    const EquationSystem s = equations::derive_equations(b.window.model);
    std::vector<std::string> names;
    for (const auto& p : s.parameters) names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Se1_val", "C3"}));
    ASSERT_EQ(s.states.size(), 0u);  // the source fixes the capacitor's effort
    EXPECT_EQ(s.inputs.at(0).name, "Se1");
    ASSERT_EQ(s.notes.size(), 1u);
    EXPECT_EQ(s.notes[0].rfind("Derivative causality: element 3 () has", 0), 0u) << s.notes[0];
}

}  // namespace
}  // namespace vantor
