#pragma once

#include <functional>
#include <queue>
#include <vector>

#include "causality/bond_lists.h"
#include "causality/causality_host.h"
#include "model/model.h"

namespace vantor {

// Extend Causality on one model, any number of times.
//
// Each run sweeps the elements in number order, again and again, until a sweep
// changes nothing or finds a conflict, exactly as the command is defined. It
// is fast because an element whose bonds and strong bond have not changed since
// it was last looked at would do nothing again, so only the other elements are
// visited, still in number order; and strong bonds are recomputed only at the
// two ends of a bond whose stroke changed. Between runs it remembers which
// elements may have something to do, so Assign & Check can call it after every
// stroke it places.
class Propagator {
  public:
    Propagator(ModelWindowState& window, CausalityHost& host);

    // Extend Causality; a conflict is reported and sets causerr.
    void extend();

    // Sets a stroke from outside the propagation (a table pass).
    void set_stroke(int bond, int causa);

    const BondLists& lists() const { return lists_; }

  private:
    enum class Visit { kDone, kConflict };

    Visit visit(int element);
    Visit visit_junction(int element);
    Visit visit_two_port(int element, bool gyrator);
    void place(int bond, int causa);
    void mark_ends(int bond, bool this_sweep);
    void mark(int element, bool this_sweep);

    void start_sweep();
    int next_element();
    void forget_all();

    ModelWindowState& window_;
    Model& model_;
    CausalityHost& host_;
    BondLists lists_;

    bool strong_bonds_current_ = false;
    bool all_pending_ = true;    // every element must be visited at the next sweep
    bool sweeping_all_ = false;  // this sweep visits every element
    int current_ = 0;            // the element being visited
    bool changed_ = false;
    std::priority_queue<int, std::vector<int>, std::greater<int>> this_sweep_;
    std::vector<char> in_this_sweep_;
    std::vector<int> next_sweep_;
    std::vector<char> in_next_sweep_;
};

}  // namespace vantor
