#include "display/redraw.h"

#include "display/leeimagen.h"
#include "display/redraw_passes.h"

namespace vantor {

void leeimagen(ModelWindow& window, int i) {
    leeimagen(window.model.objs[static_cast<std::size_t>(i)],
              window.image1[static_cast<std::size_t>(i)], &window.Text1);
}

// The window state has no drawing surface of its own to clear: the shell
// paints the controls afresh.
void refresco(ModelWindow& window, AppState& app) {
    redraw_bonds(window, app, RedrawScope::kFull);
    redraw_elements(window, app, RedrawScope::kFull);
    window.saved = kFalse;
}

void qrefresco(ModelWindow& window, AppState& app) {
    redraw_bonds(window, app, RedrawScope::kSelection);
    redraw_elements(window, app, RedrawScope::kSelection);
    window.saved = kFalse;
}

}  // namespace vantor
