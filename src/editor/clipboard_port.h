#pragma once

#include <vector>

#include "window/controls.h"

namespace vantor {

// What Copy shows of the selection on the system clipboard, in twips from the
// picture's top-left corner: the copied glyphs at their clipboard positions
// (captions in their own fonts, frames) and the copied bonds' lines shifted
// the same way, all in black. The platform paints it on white paper of
// `width` by `height`.
struct ClipboardPicture {
    float width = 0;
    float height = 0;
    std::vector<Glyph> glyphs;
    std::vector<LineControl> lines;
};

// The system clipboard as the edit commands use it.
class ClipboardPort {
  public:
    virtual ~ClipboardPort() = default;

    // Empties the system clipboard and puts the picture on it.
    virtual void put_picture(const ClipboardPicture& picture) = 0;
};

// Where there is no system clipboard (a replay): the picture is dropped.
class NoClipboard : public ClipboardPort {
  public:
    void put_picture(const ClipboardPicture&) override {}
};

}  // namespace vantor
