#include "equations/parameters.h"

#include <stdexcept>

#include "equations/naming.h"
#include "sim/expression.h"

namespace vantor::equations {

GiNaC::ex add_parameter(EquationSystem& system, const Model& model, int element, int index,
                        const std::string& name, bool initial) {
    const ObjRecord& o = model.objs[element];
    const std::string text = field_text(index == 1 ? o.parameters : o.parameter2);
    if (text.empty() && initial) return 0;
    Parameter p;
    p.name = name;
    p.element = element;
    p.index = index;
    p.text = text;
    p.symbol = GiNaC::symbol(name);
    const std::string which = "Parameter " + name + " of element " + element_label(model, element);
    if (text.empty()) {
        system.notes.push_back(which + " is empty: it has no value");
    } else {
        try {
            p.value = sim::evaluate(text);
        } catch (const std::runtime_error& e) {
            system.notes.push_back(which + " has no value: " + e.what());
        }
    }
    system.parameters.push_back(p);
    return p.symbol;
}

}  // namespace vantor::equations
