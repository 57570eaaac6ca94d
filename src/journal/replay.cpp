#include "journal/replay.h"

#include <cstdio>
#include <vector>

#include "causality/causality_commands.h"
#include "display/leeimagen.h"
#include "display/redraw.h"
#include "display/stored_int16.h"
#include "editor/dispatch.h"
#include "editor/edit_menu.h"
#include "editor/element_dblclick.h"
#include "editor/gesture_wait.h"
#include "editor/window_causality.h"
#include "journal/journal_writer.h"
#include "journal/replay_generation.h"
#include "model/element_kinds.h"
#include "model/file_error.h"
#include "model/library_reader.h"
#include "model/message_word.h"

namespace vantor {
namespace {

// Stops the replay at the line being replayed.
class LineStop {
  public:
    LineStop(const JournalEntry& entry, const std::string& journal)
        : entry_(entry), journal_(journal) {}

    [[noreturn]] void operator()(const std::string& problem) const {
        throw JournalError(journal_, entry_.line, problem);
    }
    [[noreturn]] void unsupported() const {
        (*this)("the event \"" + format_journal_line(entry_.event) + "\" is not supported yet");
    }

  private:
    const JournalEntry& entry_;
    const std::string& journal_;
};

// What the palette hands over when entry `e.value` of library `e.name` is
// dragged: the entry (a port's block instead of the port) with the caption
// its palette glyph shows, and no new selection rectangle until the drop.
void drag_palette_entry(AppState& app, const EditorEvent& e, const LineStop& stop) {
    const std::string path = library_folder(app) + "/" + e.name + ".lib";
    std::vector<ObjRecord> entries;
    try {
        entries = read_library(path);
    } catch (const FileError& error) {
        // The name comes from the journal: quoted as a message quotes a word.
        stop("the library cannot be read: " + library_folder(app) + "/" + message_word(e.name) +
             ".lib" +
             (error.line() > 0 ? ", line " + std::to_string(error.line()) : std::string()) + ": " +
             error.problem());
    }
    const int n = static_cast<int>(entries.size());
    if (e.value < 1 || e.value > n) {
        stop("the palette " + message_word(e.name) + " has no entry " + std::to_string(e.value) +
             " (it has " + std::to_string(n) + ")");
    }
    int k = e.value;
    if (is_con(entries[static_cast<std::size_t>(k) - 1])) {
        k = entries[static_cast<std::size_t>(k) - 1].auxil2;
        if (k < 1 || k > n) {
            stop("entry " + std::to_string(e.value) + " of the palette " + message_word(e.name) +
                 " is a port of entry " + std::to_string(k) + ", which the palette does not have");
        }
    }
    ObjRecord entry = entries[static_cast<std::size_t>(k) - 1];
    entry.selected = kFalse;
    Glyph glyph;
    leeimagen(entry, glyph, nullptr);
    app.dragobj = entry;
    app.dragobj.caption = glyph.caption;
    app.selready = kFalse;
}

void run_menu(ModelWindow& window, AppState& app, EditorHost& host, ActionHistory& history,
              const std::string& item, const LineStop& stop) {
    if (item == kEditUndoItem) {
        history.undo(window, app);  // as a disabled item, nothing when it cannot
    } else if (item == kEditRedoItem) {
        history.redo(window, app);
    } else if (item == "showp") {
        Showp_Click(window, app);
    } else if (item == "simulink1" || item == "simulink2" || item == "simulink3") {
        simulink_Click(window, item.back() - '0');
    } else if (item == "assign") {
        ReplayCausalityHost causality(window, app, host);
        if (assign_Click(window, read_priority_tables(app.program_dir), causality) ==
            AssignOutcome::kTableUnreadable) {
            stop(causality.error);
        }
    } else if (item == "generate" || item == "generate_cancelled") {
        const std::string error = replay_generate(window, app, host, item == "generate_cancelled");
        if (!error.empty()) stop(error);
    } else if (item == "simulate") {
        const std::string error = replay_simulate(window, app, host);
        if (!error.empty()) stop(error);
    } else if (item == "extend") {
        WindowCausalityHost causality(window, app, host);
        extend_Click(window, causality);
    } else if (item == "undo") {
        WindowCausalityHost causality(window, app, host);
        Undo_Click(window, causality);
    } else {
        // No display, so no system clipboard: the internal one still fills.
        NoClipboard clipboard;
        if (!run_edit_menu(window, app, host, clipboard, item)) stop.unsupported();
    }
}

// A dialog line: types into a box or presses a button of the open dialog;
// the double click that opened it finishes once the dialog closes.
void run_dialog_line(ModelWindow& window, AppState& app, EditorHost& host, ReplaySession& session,
                     const EditorEvent& e, const LineStop& stop) {
    ParameterDialog& dialog = session.dialog;
    if (!dialog.open) stop("no parameter dialog is open");
    if (e.name == "value1" || e.name == "value2") {
        DialogControl& box = e.name == "value1" ? dialog.value1 : dialog.value2;
        if (!box.visible) stop("nothing can be typed into " + e.name + ": it is hidden");
        box.text = e.text;
        return;
    }
    if (e.name == "Apply") {
        Apply_Click(dialog, app);
        return;
    }
    if (e.name == "Cancel") {
        Cancel_Click(dialog, app);
    } else if (e.name == "Close") {
        close_Click(dialog, app);
    } else {
        close_box(dialog);
    }
    finish_element_dblclick(window, app, host, session.element);
}

void run_event(ModelWindow& window, AppState& app, EditorHost& host, ReplaySession& session,
               const EditorEvent& e, const LineStop& stop) {
    if (e.kind == EventKind::kDialog) {
        run_dialog_line(window, app, host, session, e, stop);
        return;
    }
    if (session.dialog.open) stop("the parameter dialog is open: only dialog lines can follow");
    switch (e.kind) {
        case EventKind::kMenu:
            // As on the display, where a key while a button is held does nothing.
            if (command_waits(session.history, e.name)) return;
            run_menu(window, app, host, session.history, e.name, stop);
            return;
        case EventKind::kImageMouseMove:
        case EventKind::kImageMouseUp:
        case EventKind::kImageClick:
        case EventKind::kImageDblClick:
            if (!in_model(window.model, e.index)) {
                stop("glyph " + std::to_string(e.index) + " is not in the model, which has " +
                     std::to_string(window.model.nobj) + " elements");
            }
            if (e.kind == EventKind::kImageDblClick) {
                // No display, so never a MATLAB window.
                AbsentMatlabLink matlab;
                session.element = e.index;
                start_element_dblclick(window, app, host, matlab, session.dialog, e.index);
                return;
            }
            break;
        case EventKind::kDrop:
            drag_palette_entry(app, e, stop);
            break;
        default:
            break;
    }
    if (!dispatch_pointer_event(window, app, host, e)) stop.unsupported();
}

}  // namespace

void close_open_dialog(ModelWindow& window, AppState& app, EditorHost& host,
                       ReplaySession& session) {
    if (!session.dialog.open) return;
    close_box(session.dialog);
    finish_element_dblclick(window, app, host, session.element);
}

void replay_event(ModelWindow& window, AppState& app, EditorHost& host, ReplaySession& session,
                  const JournalEntry& entry, const std::string& journal_name) {
    const LineStop stop(entry, journal_name);
    try {
        run_event(window, app, host, session, entry.event, stop);
        session.history.after_event(window, entry.event, session.dialog.open);
    } catch (const Int16Overflow& overflow) {
        char value[32];
        std::snprintf(value, sizeof value, "%.9g", overflow.value());
        stop(std::string("the value ") + value + " overflows a 16-bit field");
    }
}

void replay_journal(ModelWindow& window, AppState& app, EditorHost& host, const Journal& journal) {
    ReplaySession session;
    session.history.start(window);
    for (const JournalEntry& entry : journal.entries) {
        replay_event(window, app, host, session, entry, journal.name);
    }
    close_open_dialog(window, app, host, session);
}

}  // namespace vantor
