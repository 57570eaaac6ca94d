#include "causality/bond_lists.h"

#include "model/element_kinds.h"

namespace vantor {

BondLists::BondLists(const Model& model) : start_(static_cast<std::size_t>(model.nobj) + 2, 0) {
    // Counting first, then filling, keeps every list in bond order in one array.
    auto each_end = [&](auto&& visit) {
        for (int j = 1; j <= model.nlin; ++j) {
            const LineRecord& b = model.lines[j];
            if (in_model(model, b.obj1)) visit(b.obj1, j);
            if (in_model(model, b.obj2) && b.obj2 != b.obj1) visit(b.obj2, j);
        }
    };
    each_end([&](int element, int) { ++start_[element + 1]; });
    for (std::size_t i = 1; i < start_.size(); ++i) start_[i] += start_[i - 1];
    bonds_.resize(static_cast<std::size_t>(start_.back()));
    std::vector<int> next(start_.begin(), start_.end() - 1);
    each_end([&](int element, int j) { bonds_[static_cast<std::size_t>(next[element]++)] = j; });
}

}  // namespace vantor
