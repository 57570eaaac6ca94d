#include "causality/causality_commands.h"
#include "causality/propagator.h"

namespace vantor {

void extend_Click(ModelWindowState& window, CausalityHost& host) {
    Propagator(window, host).extend();
}

void Undo_Click(ModelWindowState& window, CausalityHost& host) {
    Model& m = window.model;
    for (int j = 1; j <= m.nlin; ++j) {
        if (m.lines[j].causa < 3) m.lines[j].causa = 0;
    }
    host.redraw();
}

}  // namespace vantor
