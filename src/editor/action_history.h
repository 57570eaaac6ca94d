#pragma once

#include <string>

#include "editor/events.h"
#include "editor/history.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Undo and redo for one model window, around its handlers: after every event
// the window ran, the records become a step once the user's action is over.
// An action is a gesture from press to release, a drop, one menu command, a
// parameter dialog from the double click to its closing, or a caption edit
// from opening the box to closing it. An action that changed no record adds
// no step.
class ActionHistory {
  public:
    explicit ActionHistory(std::size_t capacity = History::kDefaultCapacity);

    // Starts over from the window's model as it stands (a model opened or made).
    void start(const ModelWindow& window);

    // After the window ran `event`. `dialog_open` while a parameter dialog
    // that the event opened still waits for its closing line.
    void after_event(const ModelWindow& window, const EditorEvent& event, bool dialog_open = false);

    // After a command no event stands for, such as Generate.
    void after_command(const ModelWindow& window, const std::string& caption);

    // Whether an action has begun and not ended: undo waits for its end.
    bool action_open(const ModelWindow& window) const;
    // Whether a mouse button is held, as the events have shown it.
    bool gesture_open() const { return gesture_open_; }

    bool can_undo(const ModelWindow& window) const;
    bool can_redo(const ModelWindow& window) const;

    // Puts the records back as they were before the last step (or after the
    // next one) and redraws: the restored selection only, and the model
    // counts as changed. False, with nothing done, when it cannot.
    bool undo(ModelWindow& window, AppState& app);
    bool redo(ModelWindow& window, AppState& app);

    // The menu items' captions, naming the step: "&Undo Move", or "&Undo".
    std::string undo_text() const;
    std::string redo_text() const;

    const History& history() const { return history_; }

    // How many steps were taken, undone or redone since the window opened:
    // a count that only grows, unlike the history, which drops its oldest.
    std::size_t changes() const { return changes_; }

  private:
    void commit(const ModelWindow& window);
    std::string gesture_caption(const ModelWindow& window) const;

    History history_;
    bool gesture_open_ = false;
    int gesture_button_ = 0;
    std::string caption_;  // the open action's name, when its first event tells
    std::size_t changes_ = 0;
};

}  // namespace vantor
