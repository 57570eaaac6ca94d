#include "editor/drop.h"

namespace vantor {

void Form_DragDrop(ModelWindow&, AppState&, float, float) {}
void nueva_imagen(ModelWindow&, AppState&, int) {}

}  // namespace vantor
