#include "window/model_window.h"

#include <algorithm>

namespace vantor {

void init_model_window(ModelWindow& window, std::int16_t winnum) {
    init_model_window(static_cast<ModelWindowState&>(window), winnum);
    window.mouse = MouseState{};
    std::fill(window.objlink.begin(), window.objlink.end(), std::int16_t{0});
    std::fill(window.image1.begin(), window.image1.end(), Glyph{});
    std::fill(window.linea.begin(), window.linea.end(), LineControl{});
    std::fill(window.linea2.begin(), window.linea2.end(), LineControl{});
    std::fill(window.Linea3.begin(), window.Linea3.end(), LineControl{});
    window.Line1 = LineControl{};
    window.sector = RectangleShape{};
    window.Text1 = TextBox{};
    window.viewport = Viewport{};
    window.MousePointer = kPointerArrow;
    window.menus = ModelMenus{};
    window.next_z = 0;
}

void load_glyph(ModelWindow& window, int i) {
    window.image1[static_cast<std::size_t>(i)] = Glyph{};
}

void load_bond_lines(ModelWindow& window, int j) {
    const auto k = static_cast<std::size_t>(j);
    window.linea[k] = LineControl{};
    window.linea2[k] = LineControl{};
    window.Linea3[k] = LineControl{};
}

}  // namespace vantor
