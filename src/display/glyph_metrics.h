#pragma once

#include <string_view>

namespace vantor {

// The size in twips of an element's glyph: its caption in the glyph font
// (Courier New bold 9.75 pt, a monospaced font: 8 pixels a character and 15 a
// line at 15 twips a pixel), with a one-pixel frame on every side when framed.
// The GUI and headless code both use it, so a model lays out and generates the
// same everywhere.
struct GlyphSize {
    int width = 0;
    int height = 0;
};

inline constexpr int kGlyphCharWidth = 120;
inline constexpr int kGlyphLineHeight = 225;
inline constexpr int kGlyphFrame = 15;

// `caption` as shown: trimmed; CR LF, CR and LF each break a line.
GlyphSize glyph_size(std::string_view caption, bool framed);

}  // namespace vantor
