#include "editor/mouse_handlers.h"

namespace vantor {

int busca_objeto(const ModelWindow&, float, float) {
    return 0;
}
int busca_linea(const ModelWindow&, float, float) {
    return 0;
}
void form_mousemove(ModelWindow&, AppState&, int, int, float, float) {}
void Form_MouseUp(ModelWindow&, AppState&, int, int, float, float) {}
void Form_DblClick(ModelWindow&) {}
void Form_LostFocus(ModelWindow&) {}
void image1_MouseMove(ModelWindow&, AppState&, int, int, int, float, float) {}
void image1_Click(ModelWindow&, AppState&, int) {}

}  // namespace vantor
