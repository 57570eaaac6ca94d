#include "editor/action_history.h"

#include "display/leeimagen.h"
#include "display/redraw.h"
#include "editor/commands.h"
#include "window/selection.h"

namespace vantor {

namespace {

// The controls of the restored records, as opening the model would make
// them, except that glyphs that stay keep their place in the z-order.
void show_restored(ModelWindow& window, AppState& app, int old_nobj, int old_nlin) {
    Model& m = window.model;
    for (int i = m.nobj + 1; i <= old_nobj; ++i) load_glyph(window, i);
    for (int j = m.nlin + 1; j <= old_nlin; ++j) load_bond_lines(window, j);
    bool any_selected = false;
    for (int i = 1; i <= m.nobj; ++i) {
        if (i > old_nobj) load_glyph(window, i);
        // Sized before the redraw places ports around their owners.
        leeimagen(window, i);
        const bool selected = m.objs[static_cast<std::size_t>(i)].selected != kFalse;
        window.image1[static_cast<std::size_t>(i)].color = selected ? app.colsel : app.colnorm;
        any_selected = any_selected || selected;
    }
    for (int j = 1; j <= m.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        if (j > old_nlin) load_bond_lines(window, j);
        window.linea[k].visible = true;
        window.linea2[k].visible = true;
        any_selected = any_selected || m.lines[k].selected != kFalse;
    }
    window.menus.copy = window.menus.Cut = window.menus.ddelete = window.menus.rotate =
        any_selected;
    refresco(window, app);  // ends with saved = 0: the model has changed
}

}  // namespace

ActionHistory::ActionHistory(std::size_t capacity) : history_(capacity) {}

void ActionHistory::start(const ModelWindow& window) {
    history_.reset(window.model);
    gesture_open_ = false;
    gesture_button_ = 0;
    caption_.clear();
}

void ActionHistory::after_event(const ModelWindow& window, const EditorEvent& event,
                                bool dialog_open) {
    switch (event.kind) {
        case EventKind::kFormMouseMove:
        case EventKind::kImageMouseMove:
            // The first move with a button held carries the press.
            if (event.button != 0 && !gesture_open_) gesture_button_ = event.button;
            gesture_open_ = event.button != 0;
            break;
        case EventKind::kFormMouseUp:
        case EventKind::kImageMouseUp:
        case EventKind::kFormLostFocus:
            gesture_open_ = false;
            break;
        case EventKind::kDrop:
            caption_ = "Drop";
            break;
        case EventKind::kImageDblClick:
            if (caption_.empty()) caption_ = "Parameters";
            break;
        case EventKind::kMenu: {
            // Undo and redo are not actions of their own; opening the menu
            // changes nothing. During a gesture the commands wait, and the
            // gesture keeps its own name. A word of no command names an edit.
            const Command* command = find_command(event.name);
            if (command != nullptr && command->step == Step::kNone) return;
            if (gesture_open_) return;
            if (command == nullptr) {
                caption_ = "Edit";
            } else if (command->step == Step::kNamed) {
                caption_ = command->step_name;
            }
            break;
        }
        default:
            break;
    }
    if (window.Text1.visible) caption_ = "Caption";
    if (!gesture_open_ && !dialog_open && !window.Text1.visible) commit(window);
}

void ActionHistory::after_command(const ModelWindow& window, const std::string& caption) {
    if (action_open(window)) return;
    caption_ = caption;
    commit(window);
}

void ActionHistory::commit(const ModelWindow& window) {
    std::string caption = caption_.empty() ? gesture_caption(window) : caption_;
    if (history_.commit(window.model, std::move(caption))) ++changes_;
    caption_.clear();
    gesture_button_ = 0;
}

std::string ActionHistory::gesture_caption(const ModelWindow& window) const {
    const Model& m = window.model;
    if (history_.only_moved(m)) return "Move";
    if (m.nobj > history_.nobj() && gesture_button_ == 2) return "Copy";
    if (m.nlin > history_.nlin()) {
        return m.lines[static_cast<std::size_t>(m.nlin)].causa == kSignalLink ? "Signal Link"
                                                                              : "Bond";
    }
    if (m.nobj > history_.nobj()) return "Add";
    if (m.nobj < history_.nobj() || m.nlin < history_.nlin()) return "Delete";
    return "Edit";
}

bool ActionHistory::action_open(const ModelWindow& window) const {
    return gesture_open_ || window.Text1.visible;
}

bool ActionHistory::can_undo(const ModelWindow& window) const {
    return history_.can_undo() && !action_open(window);
}

bool ActionHistory::can_redo(const ModelWindow& window) const {
    return history_.can_redo() && !action_open(window);
}

bool ActionHistory::undo(ModelWindow& window, AppState& app) {
    if (!can_undo(window)) return false;
    const int nobj = window.model.nobj;
    const int nlin = window.model.nlin;
    history_.undo(window.model);
    ++changes_;
    show_restored(window, app, nobj, nlin);
    return true;
}

bool ActionHistory::redo(ModelWindow& window, AppState& app) {
    if (!can_redo(window)) return false;
    const int nobj = window.model.nobj;
    const int nlin = window.model.nlin;
    history_.redo(window.model);
    ++changes_;
    show_restored(window, app, nobj, nlin);
    return true;
}

std::string ActionHistory::undo_text() const {
    const std::string& caption = history_.undo_caption();
    return caption.empty() ? "&Undo" : "&Undo " + caption;
}

std::string ActionHistory::redo_text() const {
    const std::string& caption = history_.redo_caption();
    return caption.empty() ? "&Redo" : "&Redo " + caption;
}

}  // namespace vantor
