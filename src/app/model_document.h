#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ports.h"
#include "app/simulation_run.h"
#include "display/stored_int16.h"
#include "editor/action_history.h"
#include "editor/clipboard_port.h"
#include "editor/commands.h"
#include "editor/editor_host.h"
#include "simulink/generate.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

inline constexpr const char* kModelFilter =
    "Bond Graf Files (*.bgf)|*.bgf|Library (*.lib)|*.lib|All Files (*.*)|*.*|";

// A model window's document: its file, caption, saving and closing, around
// the window's plain state. Every command and gesture runs through `run`,
// which marks the window for the shell to repaint.
class ModelDocument {
  public:
    // A new window, numbered app.nextnum, reading app.openpath unless empty.
    // Throws FileError when that file cannot be read: no window is made then.
    ModelDocument(AppState& app, Ports& ports);

    ModelWindow window;
    std::string tag;            // the model's full path
    std::string caption;        // its name without folder and extension
    std::string dialog_folder;  // where both of the window's file dialogs start

    // Runs a handler or command on the window and marks it changed.
    // A value that a 16-bit field cannot hold stops the gesture where it is,
    // as it would stop a replay; the window stays open and usable.
    template <typename Action>
    void run(Action&& action) {
        try {
            action(window, app_);
        } catch (const Int16Overflow&) {
        }
        dirty = true;
    }
    // Set by `run`; the shell repaints and clears it.
    bool dirty = true;
    // What the last command has to say in the status bar (the elements in
    // derivative causality, say); the shell shows it and clears it.
    std::string status_note;

    // Undo and redo of the window's actions. The shell reports each event it
    // ran and each command; saving keeps the history, closing drops it.
    ActionHistory history;

    // Runs a row of the command table that has a handler: `host` shows the
    // edit commands' messages, the window's ports the causality commands'.
    void run_command(const Command& command, EditorHost& host, ClipboardPort& clipboard);

    // A model read from a recovery copy stands for `path` (the user's file
    // when `named`, a new model's made-up name else): the window is named
    // after it, Save proposes it, and the model has changes to save.
    void take_recovered(const std::string& path, bool named);

    // Save Model: in place when the model has a name of the user's, else Save
    // As. True when the model was written.
    bool save_Click();
    bool saveas_Click();

    // The Simulink Version items: only item `version` carries the check mark.
    void simulink_Click(int version);

    // The question before a window with changes closes: false when cancelled.
    bool confirm_close();

    // The Run menu: message boxes through the window's ports; the element in
    // error is selected.
    void assign_Click();
    void extend_Click();
    void Undo_Click();
    GenerateResult generate_Click();

    // Run > Simulate with the window's settings: the messages through the
    // window's ports, the elements they are about selected. `progress` gets
    // the fraction done now and then; false cancels. `open_csv`, when given,
    // is where every row goes as CSV while the run computes it.
    SimulationRun simulate_Click(const std::function<bool(double)>& progress = {},
                                 const std::function<std::ostream*()>& open_csv = {});
    // The window's own; never saved with the model.
    SimulationSettings simulation_settings;

  private:
    bool write_to(const std::string& path);

    AppState& app_;
    Ports& ports_;
};

}  // namespace vantor
