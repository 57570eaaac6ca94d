#include <algorithm>

#include "causality/causality_commands.h"
#include "causality/causality_report.h"
#include "causality/priority_tables.h"
#include "causality/propagator.h"

namespace vantor {
namespace {

struct PassFindings {
    int conflict = 0;             // last element whose mandatory causality conflicts
    std::vector<int> derivative;  // elements whose first bond has the other stroke
    bool loop = false;
};

// Leaves the elements in derivative causality alone selected, so the user sees
// which they are.
void select_derivative(ModelWindowState& window, CausalityHost& host, std::vector<int> elements) {
    Model& m = window.model;
    std::sort(elements.begin(), elements.end());
    elements.erase(std::unique(elements.begin(), elements.end()), elements.end());
    for (int i = 1; i <= m.nobj; ++i) m.objs[i].selected = kFalse;
    for (int j = 1; j <= m.nlin; ++j) m.lines[j].selected = kFalse;
    for (int i : elements) m.objs[i].selected = kTrue;
    host.derivative_causality_selected(elements);
}

// Applies table k to the first bond of each listed element. Tables 1, 3 and 5
// want the stroke away from the element, 2 and 4 at it.
void table_pass(int k, const std::vector<std::string>& items, Model& m, Propagator& propagator,
                PassFindings& found) {
    const bool away = k % 2 == 1;
    for (const std::string& item : items) {
        for (int i = 1; i <= m.nobj; ++i) {
            if (!(m.objs[i].type == item)) continue;
            int j = 0;
            for (int candidate : propagator.lists().touching(i)) {
                if (m.lines[candidate].causa < 3) {
                    j = candidate;
                    break;
                }
            }
            if (j == 0) continue;
            const int causa = m.lines[j].causa;
            const int dir = (m.lines[j].obj1 == i) == away ? 1 : 2;
            if (k <= 2) {
                if (causa == dir || causa == 0) {
                    propagator.set_stroke(j, dir);
                    propagator.extend();
                } else {
                    found.conflict = i;
                }
            } else if (k <= 4) {
                if (causa == 0) {
                    propagator.set_stroke(j, dir);
                    propagator.extend();
                } else if (causa != dir) {
                    found.derivative.push_back(i);
                }
            } else if (causa == 0) {
                found.loop = true;
                propagator.set_stroke(j, dir);
                propagator.extend();
            }
        }
    }
}

}  // namespace

AssignOutcome assign_Click(ModelWindowState& window, const PriorityTables& tables,
                           CausalityHost& host) {
    Model& m = window.model;
    Propagator propagator(window, host);
    PassFindings found;
    // A table's faults are told when its pass begins; an unreadable one stops the command.
    auto pass = [&](int k) {
        const PriorityTable& table = tables.table(k);
        if (!table.error.empty()) {
            host.show_error("Priority table " + table.error);
            host.redraw();
            window.causerr = kTrue;
            return false;
        }
        if (!table.ended) host.show_warning(missing_end_warning(table));
        table_pass(k, table.items, m, propagator, found);
        return true;
    };

    if (!pass(1) || !pass(2)) return AssignOutcome::kTableUnreadable;
    if (found.conflict != 0) {
        report_causality_error(window, host, found.conflict);
        return AssignOutcome::kCausalityError;
    }
    window.causerr = kFalse;
    propagator.extend();
    if (window.causerr != kFalse) return AssignOutcome::kCausalityError;

    if (!pass(3) || !pass(4)) return AssignOutcome::kTableUnreadable;
    if (!found.derivative.empty()) {
        select_derivative(window, host, std::move(found.derivative));
        host.show_message(kDerivativeMessage);
    }
    if (!pass(5)) return AssignOutcome::kTableUnreadable;
    if (found.loop) host.show_message(kAlgebraicLoopMessage);
    host.redraw();
    return AssignOutcome::kCompleted;
}

}  // namespace vantor
