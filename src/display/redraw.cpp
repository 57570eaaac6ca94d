#include "display/redraw.h"

#include "display/leeimagen.h"

namespace vantor {

void leeimagen(ModelWindow& window, int i) {
    leeimagen(window.model.objs[static_cast<std::size_t>(i)],
              window.image1[static_cast<std::size_t>(i)], &window.Text1);
}

// Placeholder until the bond geometry lands: glyphs only.
void refresco(ModelWindow& window, AppState& app) {
    for (int i = window.model.nobj; i >= 1; --i) {
        leeimagen(window, i);
        window.image1[static_cast<std::size_t>(i)].color =
            window.model.objs[static_cast<std::size_t>(i)].selected != 0 ? app.colsel : app.colnorm;
    }
    window.saved = kFalse;
}

void qrefresco(ModelWindow& window, AppState& app) {
    refresco(window, app);
}

}  // namespace vantor
