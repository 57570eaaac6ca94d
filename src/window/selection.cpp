#include "window/selection.h"

#include "model/element_kinds.h"

namespace vantor {

void deselecciona(ModelWindow& window, const AppState& app) {
    Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) {
        m.objs[static_cast<std::size_t>(i)].selected = kFalse;
        window.image1[static_cast<std::size_t>(i)].color = app.colnorm;
    }
    for (int j = 1; j <= m.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        m.lines[k].selected = kFalse;
        window.linea[k].color = window.linea2[k].color = window.Linea3[k].color = app.colnorm;
    }
    window.menus.copy = window.menus.Cut = window.menus.ddelete = window.menus.rotate = false;
}

void select_elements(ModelWindow& window, const AppState& app, const std::vector<int>& elements) {
    deselecciona(window, app);
    for (int element : elements) {
        if (in_model(window.model, element)) select_element(window, app, element);
    }
    habilita(window);
}

void habilita(ModelWindow& window) {
    window.menus.copy = window.menus.Cut = window.menus.ddelete = window.menus.rotate = true;
}

void select_element(ModelWindow& window, const AppState& app, int i) {
    window.model.objs[static_cast<std::size_t>(i)].selected = kTrue;
    window.image1[static_cast<std::size_t>(i)].color = app.colsel;
}

void select_bond(ModelWindow& window, const AppState& app, int j) {
    const auto k = static_cast<std::size_t>(j);
    window.model.lines[k].selected = kTrue;
    window.linea[k].color = window.linea2[k].color = window.Linea3[k].color = app.colsel;
}

}  // namespace vantor
