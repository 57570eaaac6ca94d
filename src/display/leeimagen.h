#pragma once

#include <string_view>

#include "model/records.h"
#include "window/controls.h"

namespace vantor {

// Makes a glyph agree with its record: visible, caption trimmed (and stored
// back trimmed), position, frame, and for a text note the font of the caption
// edit box `text1` (when there is one). Colour and z-order are left alone.
void leeimagen(ObjRecord& obj, Glyph& glyph, const TextBox* text1);

// Sets the caption a glyph shows; a glyph that sizes itself takes the size of
// the caption in the glyph font.
void set_glyph_caption(Glyph& glyph, std::string_view caption);

// Sizes a glyph to the caption it shows from now on (the sizing flag set).
void set_glyph_autosize(Glyph& glyph);

}  // namespace vantor
