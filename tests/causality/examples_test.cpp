// Each example model, analysed with the shipped priority tables, ends as a
// textbook says: which storage elements are in integral causality, which in
// derivative causality, and which warnings Assign & Check gives.
#include <gtest/gtest.h>

#include "causality/causality_commands.h"
#include "causality/causality_fixtures.h"
#include "model/model_reader.h"

namespace vantor {
namespace {

using Numbers = std::vector<int>;

// A C is integral when it gives effort to its bond (stroke away from it), an I
// when it receives effort (stroke at it).
bool integral(const Model& m, int element) {
    for (int j = 1; j <= m.nlin; ++j) {
        const LineRecord& b = m.lines[j];
        if (b.obj1 != element && b.obj2 != element) continue;
        const bool stroke_at_element = (b.causa == 1) == (b.obj2 == element);
        return m.objs[element].type == "I__" ? stroke_at_element : !stroke_at_element;
    }
    return false;
}

struct Outcome {
    const char* file;
    Numbers integral;
    Numbers derivative;
    std::vector<std::string> messages;
};

TEST(ExampleModels, EndInTheirTextbookCausality) {
    const Outcome outcomes[] = {
        {"series_rlc.bgf", {3, 6}, {}, {}},
        {"parallel_rc.bgf", {3}, {}, {}},
        {"mass_spring_damper.bgf", {3, 4}, {}, {}},
        {"two_capacitors.bgf", {5}, {6}, {kDerivativeMessage}},
        {"coupled_masses.bgf", {3}, {4}, {kDerivativeMessage}},
        {"dc_motor.bgf", {4, 7}, {}, {}},
        {"quarter_car.bgf", {3, 5, 8, 11}, {}, {}},
        {"two_tanks.bgf", {3, 7}, {}, {}},
        {"algebraic_loop.bgf", {10}, {}, {kAlgebraicLoopMessage}},
    };
    for (const Outcome& expected : outcomes) {
        SCOPED_TRACE(expected.file);
        ModelWindowState window;
        leerarchivo(window, std::string(VANTOR_EXAMPLES_DIR) + "/" + expected.file);
        test::RecordingHost host;
        EXPECT_EQ(assign_Click(window, read_priority_tables(VANTOR_DATA_DIR), host),
                  AssignOutcome::kCompleted);
        EXPECT_EQ(host.messages(), expected.messages);

        Numbers integral_found, derivative_found;
        const Model& m = window.model;
        for (int i = 1; i <= m.nobj; ++i) {
            if (!(m.objs[i].type == "C__") && !(m.objs[i].type == "I__")) continue;
            (integral(m, i) ? integral_found : derivative_found).push_back(i);
        }
        EXPECT_EQ(integral_found, expected.integral);
        EXPECT_EQ(derivative_found, expected.derivative);
        for (int j = 1; j <= m.nlin; ++j) EXPECT_NE(m.lines[j].causa, 0) << "bond " << j;
    }
}

}  // namespace
}  // namespace vantor
