#include "display/glyph_metrics.h"

#include <algorithm>

namespace vantor {

GlyphSize glyph_size(std::string_view caption, bool framed) {
    int lines = 1;
    int longest = 0;
    int current = 0;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n') ++i;
            ++lines;
            current = 0;
            continue;
        }
        longest = std::max(longest, ++current);
    }
    const int frame = framed ? 2 * kGlyphFrame : 0;
    return {longest * kGlyphCharWidth + frame, lines * kGlyphLineHeight + frame};
}

}  // namespace vantor
