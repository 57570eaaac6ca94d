#pragma once

#include <string>

namespace vantor {

// One event that a model window receives, in the vocabulary of its handlers:
// what the pointer router produces from the platform's events, what a journal
// line holds, and what replay feeds back to the handlers. Coordinates are
// twips: background events in the window's scrolled coordinates, glyph events
// relative to the glyph's top-left corner.
enum class EventKind {
    kResize,          // resize W H: outer size, then Form_Resize
    kHScroll,         // hscroll V
    kVScroll,         // vscroll V
    kDrop,            // drop LIBRARY ENTRY X Y
    kFormMouseMove,   // form_mousemove B S X Y
    kFormMouseUp,     // form_mouseup B S X Y
    kFormDblClick,    // form_dblclick
    kFormLostFocus,   // form_lostfocus
    kImageMouseMove,  // image1_mousemove I B S X Y
    kImageMouseUp,    // image1_mouseup I B S X Y
    kImageClick,      // image1_click I
    kImageDblClick,   // image1_dblclick I
    kText1Change,     // text1_change "TEXT"
    kText1LostFocus,  // text1_lostfocus
    kMenu,            // menu ITEM
    kDialog,          // dialog value1 "TEXT" | dialog value2 "TEXT" | dialog BUTTON
};

struct EditorEvent {
    EventKind kind = EventKind::kFormLostFocus;
    int index = 0;   // glyph I
    int button = 0;  // 1 left, 2 right, 0 none
    int shift = 0;
    float x = 0;       // also W of resize
    float y = 0;       // also H of resize
    int value = 0;     // scroll value; drop ENTRY
    std::string name;  // drop LIBRARY; menu ITEM; dialog value1/value2/button
    std::string text;  // text of text1_change and dialog values, in the model's Windows-1252
};

}  // namespace vantor
