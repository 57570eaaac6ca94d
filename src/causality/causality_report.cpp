#include "causality/causality_report.h"

namespace vantor {

void report_causality_error(ModelWindowState& window, CausalityHost& host, int element) {
    Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) m.objs[i].selected = kFalse;
    for (int j = 1; j <= m.nlin; ++j) m.lines[j].selected = kFalse;
    if (element > 0) m.objs[element].selected = kTrue;
    host.selection_changed(element);
    host.show_message(kCausalityErrorMessage);
    host.redraw();
}

}  // namespace vantor
