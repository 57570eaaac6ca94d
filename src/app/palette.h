#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/ports.h"
#include "model/library_reader.h"
#include "model/model.h"
#include "window/app_state.h"
#include "window/controls.h"

namespace vantor {

// A library palette window as plain state: the entries of its library and
// their glyphs, reread every time the window is activated.
class Palette {
  public:
    Palette(std::string tag, std::string caption)
        : tag(std::move(tag)), caption(std::move(caption)) {}

    std::string tag;      // the library file's path
    std::string caption;  // its name
    std::vector<ObjRecord> objs = std::vector<ObjRecord>(kPaletteEntries + 1);
    std::vector<Glyph> image1 = std::vector<Glyph>(kPaletteEntries + 1);  // all hidden at first
    int left = 0, top = 0;  // where the main window last placed it (twips)

    // Form_GotFocus: reads the library again. A library that cannot be read
    // is reported once (not again at every activation while it stays so) and
    // the entries keep what they showed.
    void Form_GotFocus(AppState& app, Ports& ports);

    // Reads the library into the entries; when it cannot be read, says why
    // and leaves the entries as they were.
    std::optional<std::string> read_entries();

    // image1_DragOver: a drag over glyph i captures its entry into dragobj;
    // a port hands over its block.
    void image1_DragOver(AppState& app, int i);

    // Form_DragDrop: something dropped back on the palette.
    void Form_DragDrop(AppState& app);

    int entries() const { return n_; }

  private:
    int n_ = 0;
    std::string last_error_;
};

}  // namespace vantor
