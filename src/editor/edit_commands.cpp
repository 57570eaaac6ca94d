#include "editor/edit_commands.h"

#include "display/redraw.h"
#include "editor/clipboard.h"
#include "window/deletion.h"
#include "window/selection.h"

namespace vantor {

void ddelete_Click(ModelWindow& window, AppState& app) {
    Model& m = window.model;
    // Downwards: the record moved into a hole has been looked at already.
    for (int i = m.nobj; i >= 1; --i) {
        if (i <= m.nobj && m.objs[static_cast<std::size_t>(i)].selected != 0) {
            borrar_objeto(window, app, i);
        }
    }
    for (int j = m.nlin; j >= 1; --j) {
        if (j <= m.nlin && m.lines[static_cast<std::size_t>(j)].selected != 0) {
            borrar_linea(window, j);
        }
    }
    deselecciona(window, app);
    refresco(window, app);
}

void Cut_Click(ModelWindow& window, AppState& app, ClipboardPort& clipboard) {
    Copy_Click(window, app, clipboard);
    ddelete_Click(window, app);
}

void selectall_Click(ModelWindow& window, AppState& app) {
    Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) select_element(window, app, i);
    // The redraw colours the bonds.
    for (int j = 1; j <= m.nlin; ++j) m.lines[static_cast<std::size_t>(j)].selected = kTrue;
    habilita(window);
    refresco(window, app);
}

void edit_Click(ModelWindow& window) {
    window.Text1.visible = false;
}

}  // namespace vantor
