#pragma once

#include <QImage>

#include "editor/clipboard_port.h"

namespace vantor::shell {

// The picture of a copy as an image: white paper, then the bond lines, then
// the glyphs, painted as the canvas paints them.
QImage clipboard_image(const ClipboardPicture& picture);

// The system clipboard through Qt: the picture goes on it as an image.
class QtClipboard : public ClipboardPort {
  public:
    void put_picture(const ClipboardPicture& picture) override;
};

}  // namespace vantor::shell
