#include "causality/derivative_causality.h"

#include <algorithm>

#include "causality/bond_lists.h"
#include "causality/priority_tables.h"

namespace vantor {

std::vector<int> derivative_causality_elements(const Model& model, const std::string& program_dir) {
    const BondLists lists(model);
    std::vector<int> found;
    for (int k = 3; k <= 4; ++k) {
        // Tables 3 wants the stroke away from the element, 4 at it.
        const bool away = k % 2 == 1;
        for (const std::string& item : read_priority_table(program_dir, k)) {
            for (int i = 1; i <= model.nobj; ++i) {
                if (!(model.objs[i].type == item)) continue;
                for (int j : lists.touching(i)) {
                    const int causa = model.lines[j].causa;
                    if (causa >= 3) continue;
                    const int wanted = (model.lines[j].obj1 == i) == away ? 1 : 2;
                    if (causa != 0 && causa != wanted) found.push_back(i);
                    break;
                }
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

}  // namespace vantor
