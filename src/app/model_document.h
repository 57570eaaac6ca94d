#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/glyphs.h"
#include "app/ports.h"
#include "model/model.h"

namespace vantor {

// Enabled and checked states of a model window's menu items.
struct ModelMenus {
    bool show_parameters = false;  // "&Show Parameters" checked
    int simulink_version = 3;      // the checked "Simulink ..." item: 1, 2 or 3
    bool cut = false;              // "&Cut", "&Delete", "C&opy": on while something is selected
    bool del = false;
    bool copy = false;
};

inline constexpr const char* kModelFilter =
    "Bond Graf Files (*.bgf)|*.bgf|Library (*.lib)|*.lib|All Files (*.*)|*.*|";

// One model window as plain state: its model, path, caption, menus and the
// controls that show the model. The Qt window paints this and forwards events.
class ModelDocument {
  public:
    // A new window, numbered app.nextnum, reading app.openpath unless empty.
    // Throws FileError when that file cannot be read: no window is made then.
    ModelDocument(AppState& app, Ports& ports);

    ModelWindowState window;
    std::string tag;      // the model's full path
    std::string caption;  // its name without folder and extension
    ModelMenus menus;
    std::string dialog_folder;  // where both of the window's file dialogs start
    std::vector<Glyph> image1 = std::vector<Glyph>(kTableSlots);
    std::vector<LineControl> linea = std::vector<LineControl>(kTableSlots);
    std::vector<LineControl> linea2 = std::vector<LineControl>(kTableSlots);
    std::vector<LineControl> Linea3 = std::vector<LineControl>(kTableSlots);

    // Save Model: in place when the model has a name of the user's, else Save
    // As. True when the model was written.
    bool save_Click();
    bool saveas_Click();

    // Form_DragDrop: appends the dragged palette entry, centred on (x, y).
    void Form_DragDrop(float x, float y);

    // The Simulink Version items: only item `version` carries the check mark.
    void simulink_Click(int version);

    // The question before a window with changes closes: false when cancelled.
    bool confirm_close();

    // The Run menu: message boxes through the window's ports; the element in
    // error is selected.
    void assign_Click();
    void extend_Click();
    void Undo_Click();
    void generate_Click();

    // Set by the window that shows this document: repaint from the state.
    std::function<void()> repaint = [] {};

    // Glyphs of every element, after the records changed.
    void refresh_glyphs();

  private:
    bool write_to(const std::string& path);

    AppState& app_;
    Ports& ports_;
};

}  // namespace vantor
