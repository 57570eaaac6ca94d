#pragma once

#include <string>
#include <vector>

#include "model/model.h"

namespace vantor {

// The state of one glyph label (member i of `image1`), which shows element i.
// Positions and sizes are twips; text is the model's Windows-1252.
struct Glyph {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string caption;
    int color = 0;  // colnorm or colsel
    bool visible = false;
    int border = 0;  // 1 draws a thin frame
};

// One line control (member j of `linea`, `linea2` or `Linea3`), of bond j.
struct LineControl {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int color = 0;
    bool visible = false;
    int width = 1;
};

// Makes glyph i agree with element i: caption trimmed (and stored back
// trimmed), position, frame, visible, size from the glyph font.
void leeimagen(Model& model, std::vector<Glyph>& image1, int i);

}  // namespace vantor
