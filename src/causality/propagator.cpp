#include "causality/propagator.h"

#include "causality/causality_report.h"
#include "causality/strong_bonds.h"
#include "model/element_kinds.h"

namespace vantor {

Propagator::Propagator(ModelWindowState& window, CausalityHost& host)
    : window_(window),
      model_(window.model),
      host_(host),
      lists_(window.model),
      in_this_sweep_(static_cast<std::size_t>(window.model.nobj) + 1, 0),
      in_next_sweep_(static_cast<std::size_t>(window.model.nobj) + 1, 0) {}

void Propagator::extend() {
    if (!strong_bonds_current_) {
        causalizar(model_);
        strong_bonds_current_ = true;
    }
    bool any_change = false;
    int conflict = 0;
    do {
        changed_ = false;
        start_sweep();
        for (int i = next_element(); i != 0; i = next_element()) {
            if (visit(i) == Visit::kConflict) {
                conflict = i;
                break;
            }
        }
        if (changed_) any_change = true;
    } while (changed_ && conflict == 0);

    if (any_change) host_.redraw();
    if (conflict != 0) {
        // The sweep stopped half way: nothing is known to be settled any more.
        forget_all();
        report_causality_error(window_, host_, conflict);
        window_.causerr = kTrue;
    }
}

void Propagator::set_stroke(int bond, int causa) {
    if (model_.lines[bond].causa == causa) return;
    model_.lines[bond].causa = static_cast<std::int16_t>(causa);
    if (strong_bonds_current_) {
        update_strong_bond(model_, lists_, model_.lines[bond].obj1);
        update_strong_bond(model_, lists_, model_.lines[bond].obj2);
    }
    mark_ends(bond, false);
}

Propagator::Visit Propagator::visit(int element) {
    const ObjRecord& obj = model_.objs[element];
    if (is_junction(obj)) return visit_junction(element);
    if (is_transformer(obj)) return visit_two_port(element, false);
    if (is_gyrator(obj)) return visit_two_port(element, true);
    return Visit::kDone;
}

Propagator::Visit Propagator::visit_junction(int i) {
    const bool zero = is_zero_junction(model_.objs[i]);
    if (model_.objs[i].strongobj > 0) {
        // Every weak bond takes the stroke the strong bond leaves for it.
        for (int j : lists_.touching(i)) {
            const LineRecord& b = model_.lines[j];
            const int strong = model_.objs[i].strongobj;
            if (b.causa >= 3) continue;
            if (!((b.obj1 == i && b.obj2 != strong) || (b.obj2 == i && b.obj1 != strong))) continue;
            const int wanted = (b.obj1 == i) == zero ? 1 : 2;
            if (b.causa != 0 && b.causa != wanted) return Visit::kConflict;
            if (b.causa == 0) place(j, wanted);
        }
        return Visit::kDone;
    }
    // No strong bond yet: the one bond left free must become it.
    int total = 0;
    int stroked = 0;
    int last_free = 0;
    for (int j : lists_.touching(i)) {
        const LineRecord& b = model_.lines[j];
        if (b.causa >= 3) continue;
        ++total;
        if (b.causa > 0)
            ++stroked;
        else
            last_free = j;
    }
    if (total == stroked) return Visit::kConflict;
    if (total - stroked == 1) {
        const LineRecord& b = model_.lines[last_free];
        place(last_free, (zero && b.obj2 == i) || (!zero && b.obj1 == i) ? 1 : 2);
    }
    return Visit::kDone;
}

Propagator::Visit Propagator::visit_two_port(int i, bool gyrator) {
    // Transformers pass the stroke on unchanged, gyrators turn it round. The
    // second sweep carries a stroke found on a later bond back to earlier ones.
    int d = 0;
    int r = 0;
    for (int round = 0; round < 2; ++round) {
        for (int j : lists_.touching(i)) {
            const LineRecord& b = model_.lines[j];
            if (b.causa >= 3 || (round == 1 && j == r)) continue;
            if (d == 0) {
                d = b.causa;
                r = j;
            } else if (b.causa == 0) {
                const int value = gyrator ? (d + 1 == 3 ? 1 : d + 1) : d;
                // Only a corrupt stroke (-1) gives no stroke; placing it would never end.
                if (value == 0) return Visit::kConflict;
                place(j, value);
            } else if (gyrator ? b.causa == d : b.causa != d) {
                return Visit::kConflict;
            }
        }
    }
    return Visit::kDone;
}

void Propagator::place(int bond, int causa) {
    model_.lines[bond].causa = static_cast<std::int16_t>(causa);
    changed_ = true;
    update_strong_bond(model_, lists_, model_.lines[bond].obj1);
    update_strong_bond(model_, lists_, model_.lines[bond].obj2);
    mark_ends(bond, true);
}

void Propagator::mark_ends(int bond, bool this_sweep) {
    mark(model_.lines[bond].obj1, this_sweep);
    mark(model_.lines[bond].obj2, this_sweep);
}

void Propagator::mark(int element, bool this_sweep) {
    if (!in_model(model_, element)) return;
    const auto e = static_cast<std::size_t>(element);
    if (this_sweep && element > current_) {
        // Still ahead in the running sweep.
        if (!sweeping_all_ && !in_this_sweep_[e]) {
            in_this_sweep_[e] = 1;
            this_sweep_.push(element);
        }
    } else if (!in_next_sweep_[e]) {
        in_next_sweep_[e] = 1;
        next_sweep_.push_back(element);
    }
}

void Propagator::start_sweep() {
    current_ = 0;
    sweeping_all_ = all_pending_;
    all_pending_ = false;
    for (int element : next_sweep_) {
        in_next_sweep_[static_cast<std::size_t>(element)] = 0;
        if (!sweeping_all_) {
            in_this_sweep_[static_cast<std::size_t>(element)] = 1;
            this_sweep_.push(element);
        }
    }
    next_sweep_.clear();
}

int Propagator::next_element() {
    if (sweeping_all_) {
        current_ = current_ < model_.nobj ? current_ + 1 : 0;
        if (current_ == 0) sweeping_all_ = false;
        return current_;
    }
    if (this_sweep_.empty()) return 0;
    current_ = this_sweep_.top();
    this_sweep_.pop();
    in_this_sweep_[static_cast<std::size_t>(current_)] = 0;
    return current_;
}

void Propagator::forget_all() {
    all_pending_ = true;
    sweeping_all_ = false;
    while (!this_sweep_.empty()) {
        in_this_sweep_[static_cast<std::size_t>(this_sweep_.top())] = 0;
        this_sweep_.pop();
    }
    for (int element : next_sweep_) in_next_sweep_[static_cast<std::size_t>(element)] = 0;
    next_sweep_.clear();
}

}  // namespace vantor
