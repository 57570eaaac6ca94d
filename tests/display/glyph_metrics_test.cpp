#include "display/glyph_metrics.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

struct SizeCase {
    const char* caption;
    bool framed;
    int width;
    int height;
};

// 120 twips a character of the longest line, 225 a line, 15 more on each
// side for a frame.
TEST(GlyphSize, CaptionsInTheGlyphFont) {
    const SizeCase cases[] = {
        {"C1", false, 240, 225},        {"", false, 0, 225},
        {"R", true, 150, 255},          {"SUM", true, 390, 255},
        {"C\r:0.001", false, 720, 450},  // the longer second line decides
        {"AB\r\nC", false, 240, 450},    // CR LF is one break
        {"A\n\rB", false, 120, 675},     // LF then CR: two breaks
        {"A\r", false, 120, 450},        // a break at the end adds an empty line
        {"x\ry\rz", true, 150, 705},
    };
    for (const SizeCase& c : cases) {
        const GlyphSize size = glyph_size(c.caption, c.framed);
        EXPECT_EQ(size.width, c.width) << c.caption;
        EXPECT_EQ(size.height, c.height) << c.caption;
    }
}

}  // namespace
}  // namespace vantor
