#include "model/model.h"

namespace vantor {

void init_model_window(ModelWindowState& window, std::int16_t winnum) {
    window.model.nobj = 0;
    window.model.nlin = 0;
    window.hasname = 0;
    window.saved = 0;
    window.winnum = winnum;
}

}  // namespace vantor
