// Symbol names and parameter values.
#include "equations_fixtures.h"

namespace vantor {
namespace {

TEST(EquationParameters, NamesAndValues) {
    ModelWindowState window = test::causal_example("series_rlc.bgf");
    Model& m = window.model;
    m.objs[4].caption = "C";  // the resistor repeats the capacitor's caption
    m.objs[4].parameters = "Rx*2";
    m.objs[6].parameters = "0.2/(1000*9.81)";
    m.objs[3].caption = "t";  // time's own name
    const equations::EquationSystem s = equations::derive_equations(m);
    std::vector<std::string> names;
    for (const auto& p : s.parameters) names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Se_val", "I3", "I3_0", "R4", "C6", "C6_0"}));
    ASSERT_EQ(s.parameters.size(), 6u);
    EXPECT_FALSE(s.parameters[3].value.has_value());
    EXPECT_EQ(s.parameters[3].text, "Rx*2");
    ASSERT_TRUE(s.parameters[4].value.has_value());
    EXPECT_DOUBLE_EQ(*s.parameters[4].value, 0.2 / (1000 * 9.81));
    ASSERT_EQ(s.notes.size(), 1u);
    EXPECT_EQ(s.notes[0],
              "Parameter R4 of element 4 (C) has no value: expression 'Rx*2': unknown name 'Rx'");
    // The symbolic result does not need the value.
    EXPECT_TRUE(s.derivatives[0].has(test::sym(s, "R4")));
}

// Fields never typed in hold NULs: an empty caption and an empty initial value.
TEST(EquationParameters, FieldsNeverTypedInAreEmpty) {
    test::ModelBuilder b;
    const int se = b.add("Se_"), zero = b.add("000"), c = b.add("C__");
    b.window.model.objs[se].parameters = "1";
    b.window.model.objs[c].parameters = "2";
    b.bond(se, zero, 1), b.bond(zero, c, 1);
    const equations::EquationSystem s = equations::derive_equations(b.window.model);
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
