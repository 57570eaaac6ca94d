#include "editor/drop.h"

#include <algorithm>
#include <string>

#include "display/leeimagen.h"
#include "display/redraw.h"
#include "display/stored_int16.h"
#include "model/text.h"
#include "window/selection.h"

namespace vantor {

namespace {

// The element itself and every port it carries.
int elements_of_entry(const ObjRecord& entry) {
    return 1 + std::max<int>(entry.maxsigninp, 0) + std::max<int>(entry.signout, 0);
}

// The caption is kept left-trimmed in the record and shown trimmed.
void show_new_glyph(ModelWindow& window, int i) {
    ObjRecord& obj = window.model.objs[static_cast<std::size_t>(i)];
    Glyph& glyph = window.image1[static_cast<std::size_t>(i)];
    obj.caption = std::string(ltrim_blanks(obj.caption.raw()));
    glyph.visible = true;
    glyph.border = obj.auxil1;
    set_glyph_caption(glyph, obj.caption.trimmed());
}

void append_port(ModelWindow& window, int owner, int number, std::int16_t signout) {
    Model& m = window.model;
    const int p = ++m.nobj;
    load_glyph(window, p);
    window.image1[static_cast<std::size_t>(p)].visible = true;
    ObjRecord& port = m.objs[static_cast<std::size_t>(p)];
    port = ObjRecord{};
    port.type = "con";
    port.caption = ">";
    port.auxil2 = static_cast<std::int16_t>(owner);
    port.auxil3 = static_cast<std::int16_t>(number);
    port.signout = signout;
    leeimagen(window, p);
}

}  // namespace

void nueva_imagen(ModelWindow& window, AppState&, int i) {
    show_new_glyph(window, i);
    const ObjRecord& obj = window.model.objs[static_cast<std::size_t>(i)];
    const int inputs = obj.maxsigninp;
    const int outputs = obj.signout;
    for (int k = 1; k <= inputs && window.model.nobj < kMaxElements; ++k) {
        append_port(window, i, k, kFalse);
    }
    for (int k = 1; k <= outputs && window.model.nobj < kMaxElements; ++k) {
        append_port(window, i, k, kTrue);
    }
}

void Form_DragDrop(ModelWindow& window, AppState& app, EditorHost& host, float x, float y) {
    Model& m = window.model;
    if (m.nobj + elements_of_entry(app.dragobj) > kMaxElements) {
        host.show_message(kTooManyElements);
        return;
    }
    window.Text1.visible = false;
    const int n = ++m.nobj;
    m.objs[static_cast<std::size_t>(n)] = app.dragobj;
    load_glyph(window, n);
    show_new_glyph(window, n);
    window.mouse.fromobj = static_cast<std::int16_t>(n);
    nueva_imagen(window, app, n);

    deselecciona(window, app);
    select_element(window, app, window.mouse.fromobj);
    habilita(window);

    ObjRecord& obj = m.objs[static_cast<std::size_t>(n)];
    Glyph& glyph = window.image1[static_cast<std::size_t>(n)];
    glyph.top = static_cast<float>(static_cast<double>(y) - glyph.height / 2.0);
    glyph.left = static_cast<float>(static_cast<double>(x) - glyph.width / 2.0);
    obj.top = store_int16(glyph.top);
    obj.left = store_int16(glyph.left);
    glyph.z = ++window.next_z;

    window.mouse.dragging = kFalse;
    app.selready = kTrue;
    window.Text1.focused = false;
    host.request_focus();
    refresco(window, app);
    refresco(window, app);
}

}  // namespace vantor
