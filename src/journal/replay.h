#pragma once

#include <string>

#include "editor/action_history.h"
#include "editor/editor_host.h"
#include "editor/parameter_dialog.h"
#include "journal/journal_reader.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Runs journal events on a model window with no display, through the same
// handlers the editor's gestures reach. `app.program_dir` is the program
// folder: its library/ feeds the drop lines, its priority tables the
// causality commands. Messages go to `host`.
//
// A line that must stop the replay throws JournalError naming the journal
// and the line: an event whose handler does not exist yet, a dialog line with no dialog
// open or another line while it is open, a glyph index
// outside 1..nobj, a palette entry that is not there or a library that
// cannot be read, a value that overflows a 16-bit field, an unreadable
// priority table. The window is then left as far as the replay got.
// What lasts from one line to the next: the parameter dialog a double click
// left open and that element (the following dialog lines drive it), and the
// window's undo history, started by replay_journal.
struct ReplaySession {
    ParameterDialog dialog;
    int element = 0;
    ActionHistory history;
};

void replay_event(ModelWindow& window, AppState& app, EditorHost& host, ReplaySession& session,
                  const JournalEntry& entry, const std::string& journal_name);

// A journal that ends with the dialog open closes it with its close box.
void close_open_dialog(ModelWindow& window, AppState& app, EditorHost& host,
                       ReplaySession& session);

void replay_journal(ModelWindow& window, AppState& app, EditorHost& host, const Journal& journal);

}  // namespace vantor
