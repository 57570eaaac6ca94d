#pragma once

#include <string>

namespace vantor {

// The controls of a model window as plain state. Coordinates and sizes are
// twips in the window's scrolled coordinate system, held as single-precision
// floats as the controls hold them. Text is the model's Windows-1252.

// A glyph label: member i of `image1` shows element i.
struct Glyph {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    std::string caption;
    int color = 0;  // colnorm or colsel
    bool visible = false;
    int border = 0;  // 1 draws a thin frame
    std::string font_name = "Courier New";
    float font_size = 9.75f;
    bool bold = true;
    // While set, the label takes the size of the caption it shows; cleared, it
    // keeps the size it was given (a new text note, a caption being edited).
    bool autosize = true;
    int z = 0;  // z-order: higher is in front
};

// A line control: members j of `linea`, `linea2` and `Linea3` draw bond j;
// `Line1` is the rubber band of a bond being drawn.
struct LineControl {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int color = 0;
    bool visible = false;
    float width = 2;
};

// `sector`, the selection rectangle.
struct RectangleShape {
    float left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
};

// `Text1`, the caption edit box.
struct TextBox {
    float left = 0, top = 0, width = 0, height = 0;
    std::string text;
    bool visible = false;
    bool focused = false;
    std::string font_name = "Courier New";
    float font_size = 9.75f;
    bool bold = true;
};

// A scroll bar: its value and its place (Form_Resize lays both bars out).
struct ScrollBar {
    int value = 0;
    float left = 0, top = 0, width = 0, height = 0;
};

inline constexpr int kScrollMax = 20000;
inline constexpr int kScrollSmallChange = 100;
inline constexpr int kScrollLargeChange = 500;

// The window's outer size and its scroll bars; the scroll values are the
// coordinates shown at the window's left and top edges.
struct Viewport {
    float width = 7335;
    float height = 3810;
    ScrollBar HScroll1{0, 0, 2880, 6975, 255};
    ScrollBar VScroll1{0, 6960, 0, 255, 2895};
    float label1_left = 6975, label1_top = 2895;  // the filler between the bars
};

// Pointer shapes of the model window.
inline constexpr int kPointerArrow = 1;
inline constexpr int kPointerCross = 2;     // a bond may start here
inline constexpr int kPointerConnect = 99;  // releasing here makes a valid bond

// The Edit and Options menu items' states.
struct ModelMenus {
    bool copy = false;  // enabled states: on while something is selected
    bool Cut = false;
    bool ddelete = false;
    bool rotate = false;
    bool showp = false;        // "&Show Parameters" checked
    int simulink_version = 3;  // the checked "Simulink ..." item: 1, 2 or 3
};

}  // namespace vantor
