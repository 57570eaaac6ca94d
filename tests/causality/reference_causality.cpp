#include "causality/reference_causality.h"

#include <algorithm>

#include "causality/priority_tables.h"
#include "model/element_kinds.h"

namespace vantor::reference {
namespace {

bool touches(const LineRecord& b, int i) {
    return b.obj1 == i || b.obj2 == i;
}

void select_only(Model& m, const std::vector<int>& elements) {
    for (int i = 1; i <= m.nobj; ++i) m.objs[i].selected = 0;
    for (int j = 1; j <= m.nlin; ++j) m.lines[j].selected = 0;
    for (int i : elements) m.objs[i].selected = -1;
}

void show_conflict(ModelWindowState& w, CausalityHost& host, int err_elem) {
    select_only(w.model, err_elem > 0 ? std::vector<int>{err_elem} : std::vector<int>{});
    host.selection_changed(err_elem);
    host.show_message(kCausalityErrorMessage);
    host.redraw();
}

void make_strong(ObjRecord& o, int other, int end, int first) {
    o.strongobj = static_cast<std::int16_t>(other);
    o.strongend = static_cast<std::int16_t>(end);
    o.strongfirst = static_cast<std::int16_t>(first);
}

}  // namespace

void causalizar(Model& m) {
    for (int i = 1; i <= m.nobj; ++i) m.objs[i].strongobj = 0;
    for (int j = 1; j <= m.nlin; ++j) {
        const LineRecord& b = m.lines[j];
        if (in_model(m, b.obj1)) {
            ObjRecord& o = m.objs[b.obj1];
            if ((o.type == "111" && b.causa == 1) || (o.type == "000" && b.causa == 2))
                make_strong(o, b.obj2, 2, -1);
        }
        if (in_model(m, b.obj2)) {
            ObjRecord& o = m.objs[b.obj2];
            if (o.type == "111" && b.causa == 2) make_strong(o, b.obj1, 1, 0);
            if (o.type == "000" && b.causa == 1) make_strong(o, b.obj1, 2, 0);
        }
    }
}

void extend_Click(ModelWindowState& w, CausalityHost& host) {
    Model& m = w.model;
    bool changed = false, any_change = false, err = false;
    int err_elem = 0;
    // Sets a stroke and recomputes the strong bonds in full.
    const auto stroke = [&](LineRecord& b, int value) {
        b.causa = static_cast<std::int16_t>(value);
        changed = true;
        causalizar(m);
    };
    const auto fail = [&](int i) {
        err = true;
        err_elem = i;
    };
    do {
        changed = false;
        causalizar(m);
        for (int i = 1; i <= m.nobj && !err; ++i) {
            ObjRecord& o = m.objs[i];
            const bool zero = o.type == "000";
            const bool junction = zero || o.type == "111";
            if (junction && o.strongobj > 0) {
                for (int j = 1; j <= m.nlin; ++j) {
                    LineRecord& b = m.lines[j];
                    if (b.causa >= 3) continue;
                    const bool weak = (b.obj1 == i && b.obj2 != o.strongobj) ||
                                      (b.obj2 == i && b.obj1 != o.strongobj);
                    if (!weak) continue;
                    const int d = (b.obj1 == i) == zero ? 1 : 2;
                    if (b.causa != 0 && b.causa != d) {
                        fail(i);
                        break;
                    }
                    if (b.causa == 0) stroke(b, d);
                }
            } else if (junction) {
                int free = 0, last_free = 0;
                for (int j = 1; j <= m.nlin; ++j) {
                    const LineRecord& b = m.lines[j];
                    if (b.causa < 3 && touches(b, i) && b.causa <= 0) ++free, last_free = j;
                }
                if (free == 0) {
                    fail(i);
                    break;
                }
                if (free == 1) {
                    LineRecord& b = m.lines[last_free];
                    stroke(b, (zero && b.obj2 == i) || (!zero && b.obj1 == i) ? 1 : 2);
                }
            } else if (is_transformer(o) || is_gyrator(o)) {
                const bool gyrator = is_gyrator(o);
                int d = 0, r = 0;
                for (int sweep = 1; sweep <= 2 && !err; ++sweep) {
                    for (int j = 1; j <= m.nlin; ++j) {
                        LineRecord& b = m.lines[j];
                        if (b.causa >= 3 || !touches(b, i) || (sweep == 2 && j == r)) continue;
                        if (d == 0) {
                            d = b.causa;
                            r = j;
                        } else if (b.causa == 0) {
                            const int value = gyrator ? (d + 1 == 3 ? 1 : d + 1) : d;
                            if (value == 0) {  // the guard against a corrupt stroke
                                fail(i);
                                break;
                            }
                            stroke(b, value);
                        } else if ((!gyrator && b.causa != d) || (gyrator && b.causa == d)) {
                            fail(i);
                            break;
                        }
                    }
                }
            }
        }
        any_change = any_change || changed;
    } while (changed && !err);
    if (any_change) host.redraw();
    if (err) {
        show_conflict(w, host, err_elem);
        w.causerr = -1;
    }
}

void Undo_Click(ModelWindowState& w, CausalityHost& host) {
    for (int j = 1; j <= w.model.nlin; ++j) {
        if (w.model.lines[j].causa < 3) w.model.lines[j].causa = 0;
    }
    host.redraw();
}

AssignOutcome assign_Click(ModelWindowState& w, const PriorityTables& tables, CausalityHost& host) {
    Model& m = w.model;
    bool err = false, loop = false;
    int err_elem = 0;
    std::vector<int> deriv;

    auto pass = [&](int k) {
        const PriorityTable& table = tables.table(k);
        if (!table.error.empty()) {
            host.show_message("Priority table " + table.error);
            host.redraw();
            w.causerr = -1;
            return false;
        }
        for (const std::string& item : table.items) {
            for (int i = 1; i <= m.nobj; ++i) {
                if (!(m.objs[i].type == item)) continue;
                int j = 1;
                while (j <= m.nlin && !(m.lines[j].causa < 3 && touches(m.lines[j], i))) ++j;
                if (j > m.nlin) continue;
                LineRecord& b = m.lines[j];
                const int dir = (b.obj1 == i) != (k % 2 == 0) ? 1 : 2;
                if (k == 5 && b.causa == 0) loop = true;
                if (b.causa == 0 || (k <= 2 && b.causa == dir)) {
                    b.causa = static_cast<std::int16_t>(dir);
                    reference::extend_Click(w, host);
                } else if (k <= 2) {
                    err = true;
                    err_elem = i;
                } else if (k <= 4 && b.causa != dir) {
                    deriv.push_back(i);
                }
            }
        }
        return true;
    };

    if (!pass(1) || !pass(2)) return AssignOutcome::kTableUnreadable;
    if (err) {
        show_conflict(w, host, err_elem);
        return AssignOutcome::kCausalityError;
    }
    w.causerr = 0;
    reference::extend_Click(w, host);
    if (w.causerr == -1) return AssignOutcome::kCausalityError;
    if (!pass(3) || !pass(4)) return AssignOutcome::kTableUnreadable;
    if (!deriv.empty()) {
        std::sort(deriv.begin(), deriv.end());
        deriv.erase(std::unique(deriv.begin(), deriv.end()), deriv.end());
        select_only(m, deriv);
        host.derivative_causality_selected(deriv);
        host.show_message(kDerivativeMessage);
    }
    if (!pass(5)) return AssignOutcome::kTableUnreadable;
    if (loop) host.show_message(kAlgebraicLoopMessage);
    host.redraw();
    return AssignOutcome::kCompleted;
}

}  // namespace vantor::reference
