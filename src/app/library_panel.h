#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/palette.h"
#include "app/ports.h"
#include "window/app_state.h"

namespace vantor {

// One entry as the panel lists it: its glyph's caption, what kind of element
// it is, and the first line of its description file (empty without one).
// Texts are Windows-1252, as the library's.
struct PanelEntry {
    std::string caption;
    std::string type;
    std::string summary;

    bool operator==(const PanelEntry&) const = default;
};

// An entry chosen to be placed by the next click on a model window.
struct ArmedEntry {
    int library = 0;  // 1-based, in the main window's order
    int entry = 0;    // 1-based, in the palette's order

    bool operator==(const ArmedEntry&) const = default;
};

// The libraries of the program folder side by side, as plain state. Each
// library is held as a palette of its own: an entry dragged or placed from
// here is captured by the palette's rule, after the activation a palette
// window gets before its drag, so its drop is a palette drop in every way.
class LibraryPanel {
  public:
    // The libraries the main window lists, in its order. Libraries already
    // held and still listed keep their entries; call read() to refresh them.
    void list(const std::vector<LibraryLabel>& labels);

    int libraries() const { return static_cast<int>(palettes_.size()); }
    const Palette& library(int i) const { return *palettes_[static_cast<std::size_t>(i) - 1]; }

    // Reads library i again; the reason when it cannot be read, the entries
    // then showing what they showed before.
    std::optional<std::string> read(int i);

    // What library i lists, entry 1 first.
    std::vector<PanelEntry> entries(const AppState& app, int i) const;

    // The name a drop journals for library i: library/NAME.lib.
    std::string drop_name(int i) const;

    // A click on entry `entry` of library i chooses it; a click on the
    // chosen entry, Escape or a right click lets go of it.
    void click(int i, int entry);
    void disarm() { armed_.reset(); }
    const std::optional<ArmedEntry>& armed() const { return armed_; }

    // What the user reads while an entry waits: "click in a model window to
    // place CAPTION". Empty while none waits.
    std::string prompt() const;

    // Entry `entry` of library i goes into app.dragobj, as a drag from its
    // palette window captures it: the palette is activated (it rereads its
    // library, saying once if it cannot), then the entry is dragged over.
    // False when the palette took nothing, or the entry is no longer in the
    // library.
    bool capture(AppState& app, Ports& ports, int i, int entry);
    // A drag from library i that nobody took falls back on its palette.
    void dropped_back(AppState& app, int i);

  private:
    bool holds(int i) const { return i >= 1 && i <= libraries(); }
    Palette& palette(int i) { return *palettes_[static_cast<std::size_t>(i) - 1]; }

    std::vector<std::unique_ptr<Palette>> palettes_;
    std::optional<ArmedEntry> armed_;
};

}  // namespace vantor
