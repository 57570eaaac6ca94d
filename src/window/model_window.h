#pragma once

#include <cstdint>
#include <vector>

#include "model/model.h"
#include "window/controls.h"

namespace vantor {

// The editor's mouse state of a model window.
struct MouseState {
    std::int16_t dragging = 0;  // -1 from a glyph's press (its first held move) to the drag's end
    std::int16_t fromobj = 0;   // the element the last drop made
    std::int16_t linking = 0;   // -1 during a right-button copy-drag or signal-link drag
    std::int16_t overobj = 0;   // the element busca_objeto found under the pointer, 0 none
    float lastx = 0;            // pointer x at a glyph's press, in the glyph; right drags update it
    float lasty = 0;            // the same for y
    float bandx = 0;            // x of the corner where the selection rectangle started
    float bandy = 0;            // its y
    std::int16_t dblclick = 0;  // -1 after a double click on the background, until the mouse-up
};

// One model window as plain state: the records and flags, the mouse state,
// `objlink`, and every control. Every handler of the editor takes this; the
// Qt window only paints it and forwards events.
struct ModelWindow : ModelWindowState {
    MouseState mouse;
    std::vector<std::int16_t> objlink = std::vector<std::int16_t>(kTableSlots);

    std::vector<Glyph> image1 = std::vector<Glyph>(kTableSlots);
    std::vector<LineControl> linea = std::vector<LineControl>(kTableSlots);
    std::vector<LineControl> linea2 = std::vector<LineControl>(kTableSlots);
    std::vector<LineControl> Linea3 = std::vector<LineControl>(kTableSlots);
    LineControl Line1;
    RectangleShape sector;
    TextBox Text1;
    Viewport viewport;
    int MousePointer = kPointerArrow;
    ModelMenus menus;
    int next_z = 0;  // the z-order the next glyph brought to the front gets
};

// A window as New Model makes it: no model, numbered `winnum`, every control
// in its starting state.
void init_model_window(ModelWindow& window, std::int16_t winnum);

// Loads glyph i (hidden at 0, 0, empty caption) and the three line controls of
// bond j (hidden at 0, width 2), as a window loads a member of a control array.
void load_glyph(ModelWindow& window, int i);
void load_bond_lines(ModelWindow& window, int j);

}  // namespace vantor
