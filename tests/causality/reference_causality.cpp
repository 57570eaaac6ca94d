#include "causality/reference_causality.h"

#include <algorithm>

#include "causality/priority_tables.h"
#include "model/element_kinds.h"

namespace vantor::reference {
namespace {

bool touches(const LineRecord& b, int i) {
    return b.obj1 == i || b.obj2 == i;
}

void show_conflict(ModelWindowState& w, CausalityHost& host, int err_elem) {
    Model& m = w.model;
    for (int i = 1; i <= m.nobj; ++i) m.objs[i].selected = 0;
    for (int j = 1; j <= m.nlin; ++j) m.lines[j].selected = 0;
    if (err_elem > 0) m.objs[err_elem].selected = -1;
    host.selection_changed(err_elem);
    host.show_message(kCausalityErrorMessage);
    host.redraw();
}

}  // namespace

void causalizar(Model& m) {
    for (int i = 1; i <= m.nobj; ++i) m.objs[i].strongobj = 0;
    for (int j = 1; j <= m.nlin; ++j) {
        const LineRecord& b = m.lines[j];
        if (in_model(m, b.obj1)) {
            ObjRecord& o = m.objs[b.obj1];
            if ((o.type == "111" && b.causa == 1) || (o.type == "000" && b.causa == 2)) {
                o.strongobj = b.obj2;
                o.strongend = 2;
                o.strongfirst = -1;
            }
        }
        if (in_model(m, b.obj2)) {
            ObjRecord& o = m.objs[b.obj2];
            if (o.type == "111" && b.causa == 2) {
                o.strongobj = b.obj1;
                o.strongend = 1;
                o.strongfirst = 0;
            }
            if (o.type == "000" && b.causa == 1) {
                o.strongobj = b.obj1;
                o.strongend = 2;
                o.strongfirst = 0;
            }
        }
    }
}

void extend_Click(ModelWindowState& w, CausalityHost& host) {
    Model& m = w.model;
    bool changed = false;
    bool any_change = false;
    bool err = false;
    int err_elem = 0;
    do {
        changed = false;
        causalizar(m);
        for (int i = 1; i <= m.nobj && !err; ++i) {
            ObjRecord& o = m.objs[i];
            const bool junction = o.type == "000" || o.type == "111";
            if (junction && o.strongobj > 0) {
                for (int j = 1; j <= m.nlin; ++j) {
                    LineRecord& b = m.lines[j];
                    if (b.causa >= 3) continue;
                    const bool weak = (b.obj1 == i && b.obj2 != o.strongobj) ||
                                      (b.obj2 == i && b.obj1 != o.strongobj);
                    if (!weak) continue;
                    int d;
                    if (o.type == "000")
                        d = b.obj1 == i ? 1 : 2;
                    else
                        d = b.obj1 == i ? 2 : 1;
                    if (b.causa != 0 && b.causa != d) {
                        err = true;
                        err_elem = i;
                        break;
                    }
                    if (b.causa == 0) {
                        b.causa = static_cast<std::int16_t>(d);
                        changed = true;
                        causalizar(m);
                    }
                }
            } else if (junction) {
                int total = 0;
                int with_stroke = 0;
                int last_free = 0;
                for (int j = 1; j <= m.nlin; ++j) {
                    const LineRecord& b = m.lines[j];
                    if (b.causa >= 3 || !touches(b, i)) continue;
                    ++total;
                    if (b.causa > 0)
                        ++with_stroke;
                    else
                        last_free = j;
                }
                if (total - with_stroke == 0) {
                    err = true;
                    err_elem = i;
                    break;
                }
                if (total - with_stroke == 1) {
                    LineRecord& b = m.lines[last_free];
                    changed = true;
                    if ((o.type == "000" && b.obj2 == i) || (o.type == "111" && b.obj1 == i)) {
                        b.causa = 1;
                    } else {
                        b.causa = 2;
                    }
                    causalizar(m);
                }
            } else if (is_transformer(o) || is_gyrator(o)) {
                const bool gyrator = is_gyrator(o);
                int d = 0;
                int r = 0;
                for (int sweep = 1; sweep <= 2 && !err; ++sweep) {
                    for (int j = 1; j <= m.nlin; ++j) {
                        LineRecord& b = m.lines[j];
                        if (b.causa >= 3 || !touches(b, i)) continue;
                        if (sweep == 2 && j == r) continue;
                        if (d == 0) {
                            d = b.causa;
                            r = j;
                        } else if (b.causa == 0) {
                            int value = d;
                            if (gyrator) {
                                value = d + 1;
                                if (value == 3) value = 1;
                            }
                            if (value == 0) {  // the guard against a corrupt stroke
                                err = true;
                                err_elem = i;
                                break;
                            }
                            b.causa = static_cast<std::int16_t>(value);
                            changed = true;
                            causalizar(m);
                        } else if ((!gyrator && b.causa != d) || (gyrator && b.causa == d)) {
                            err = true;
                            err_elem = i;
                            break;
                        }
                    }
                }
            }
        }
        if (changed) any_change = true;
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
    bool err = false;
    int err_elem = 0;
    std::vector<int> deriv;
    bool loop = false;

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
                int j = 0;
                for (int jj = 1; jj <= m.nlin; ++jj) {
                    if (m.lines[jj].causa < 3 && touches(m.lines[jj], i)) {
                        j = jj;
                        break;
                    }
                }
                if (j == 0) continue;
                LineRecord& b = m.lines[j];
                int dir;
                if (k == 1 || k == 3 || k == 5)
                    dir = b.obj1 == i ? 1 : 2;
                else
                    dir = b.obj1 == i ? 2 : 1;
                if (k == 1 || k == 2) {
                    if (b.causa == dir) {
                        b.causa = static_cast<std::int16_t>(dir);
                        reference::extend_Click(w, host);
                    } else if (b.causa == 0) {
                        b.causa = static_cast<std::int16_t>(dir);
                        reference::extend_Click(w, host);
                    } else {
                        err = true;
                        err_elem = i;
                    }
                } else if (k == 3 || k == 4) {
                    if (b.causa == dir) {
                    } else if (b.causa == 0) {
                        b.causa = static_cast<std::int16_t>(dir);
                        reference::extend_Click(w, host);
                    } else {
                        deriv.push_back(i);
                    }
                } else if (b.causa == 0) {
                    loop = true;
                    b.causa = static_cast<std::int16_t>(dir);
                    reference::extend_Click(w, host);
                }
            }
        }
        return true;
    };

    if (!pass(1)) return AssignOutcome::kTableUnreadable;
    if (!pass(2)) return AssignOutcome::kTableUnreadable;
    if (err) {
        show_conflict(w, host, err_elem);
        return AssignOutcome::kCausalityError;
    }
    w.causerr = 0;
    reference::extend_Click(w, host);
    if (w.causerr == -1) return AssignOutcome::kCausalityError;
    if (!pass(3)) return AssignOutcome::kTableUnreadable;
    if (!pass(4)) return AssignOutcome::kTableUnreadable;
    if (!deriv.empty()) {
        std::sort(deriv.begin(), deriv.end());
        deriv.erase(std::unique(deriv.begin(), deriv.end()), deriv.end());
        for (int i = 1; i <= m.nobj; ++i) m.objs[i].selected = 0;
        for (int j = 1; j <= m.nlin; ++j) m.lines[j].selected = 0;
        for (int i : deriv) m.objs[i].selected = -1;
        host.derivative_causality_selected(deriv);
        host.show_message(kDerivativeMessage);
    }
    if (!pass(5)) return AssignOutcome::kTableUnreadable;
    if (loop) host.show_message(kAlgebraicLoopMessage);
    host.redraw();
    return AssignOutcome::kCompleted;
}

}  // namespace vantor::reference
