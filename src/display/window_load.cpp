#include "display/window_load.h"

#include "display/redraw.h"

namespace vantor {

void show_loaded_model(ModelWindow& window, AppState& app) {
    Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) {
        m.objs[static_cast<std::size_t>(i)].selected = kFalse;
        load_glyph(window, i);
        leeimagen(window, i);
    }
    for (int j = 1; j <= m.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        m.lines[k].selected = kFalse;
        load_bond_lines(window, j);
        window.linea[k].visible = true;
        window.linea2[k].visible = true;
    }
    refresco(window, app);
}

}  // namespace vantor
