#pragma once

#include <span>
#include <vector>

#include "model/model.h"

namespace vantor {

// For every element, the bonds that touch it, in bond order. A bond joining an
// element to itself is listed once. Ends outside the model are left out.
class BondLists {
  public:
    explicit BondLists(const Model& model);

    std::span<const int> touching(int element) const {
        return {bonds_.data() + start_[element], bonds_.data() + start_[element + 1]};
    }

  private:
    std::vector<int> start_;  // element i's bonds are bonds_[start_[i] .. start_[i + 1])
    std::vector<int> bonds_;
};

}  // namespace vantor
