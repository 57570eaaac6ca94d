#include "display/viewport.h"

namespace vantor {

void mrefresco(ModelWindow&) {}
void Form_Resize(ModelWindow&) {}
void set_hscroll(ModelWindow& window, int value) {
    window.viewport.HScroll1.value = value;
}
void set_vscroll(ModelWindow& window, int value) {
    window.viewport.VScroll1.value = value;
}
void mover(ModelWindow&, AppState&, int, float, float) {}
bool existe_linea(const ModelWindow&, int, int) {
    return false;
}

}  // namespace vantor
