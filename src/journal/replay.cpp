#include "journal/replay.h"

#include <cstdio>
#include <vector>

#include "display/redraw.h"
#include "display/stored_int16.h"
#include "editor/command_handlers.h"
#include "editor/commands.h"
#include "editor/dispatch.h"
#include "editor/element_dblclick.h"
#include "editor/gesture_wait.h"
#include "editor/palette_drag.h"
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

// What the palette window hands over when entry `e.value` of library `e.name`
// is dragged; the entries are read from the library as the window reads them.
void drag_from_palette(AppState& app, const EditorEvent& e, const LineStop& stop) {
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
    const std::size_t n = entries.size();
    std::vector<ObjRecord> objs(n + 1);
    std::vector<Glyph> image1(n + 1);
    for (std::size_t k = 1; k <= n; ++k) {
        objs[k] = entries[k - 1];
        show_palette_entry(objs[k], image1[k]);
    }
    const PaletteDrag drag = drag_palette_entry(app, objs, image1, e.value);
    if (drag.outcome == PaletteDragOutcome::kNoEntry) {
        stop("the palette " + message_word(e.name) + " has no entry " + std::to_string(e.value) +
             " (it has " + std::to_string(n) + ")");
    }
    if (drag.outcome == PaletteDragOutcome::kNoBlock) {
        stop("entry " + std::to_string(e.value) + " of the palette " + message_word(e.name) +
             " is a port of entry " + std::to_string(drag.block) +
             ", which the palette does not have");
    }
}

// A menu line runs its row's handler. Generate and Simulate have the
// replay's own: every change to the model, but no file and no run.
void run_menu(ModelWindow& window, AppState& app, EditorHost& host, ActionHistory& history,
              const std::string& item, const LineStop& stop) {
    const Command* command = find_command(item);
    if (command == nullptr) stop.unsupported();
    std::string error;
    switch (command->id) {
        case CommandId::kGenerate:
        case CommandId::kGenerateCancelled:
            error =
                replay_generate(window, app, host, command->id == CommandId::kGenerateCancelled);
            break;
        case CommandId::kSimulate:
            error = replay_simulate(window, app, host);
            break;
        default: {
            if (command->run == nullptr) stop.unsupported();
            // No display, so no system clipboard: the internal one still fills.
            NoClipboard clipboard;
            ReplayCausalityHost causality(window, app, host);
            CommandContext context{window, app, host, clipboard, history, causality};
            if (!run_command(*command, context)) error = causality.error;
            break;
        }
    }
    if (!error.empty()) stop(error);
}

// No display, so never a MATLAB window; the parameter dialog stays open for
// the dialog lines that follow the double click.
class JournalDblClickPorts : public DblClickPorts {
  public:
    explicit JournalDblClickPorts(ReplaySession& session) : session_(session) {}
    MatlabLink& matlab() override { return matlab_; }
    bool show_dialog(ParameterDialog& dialog, AppState&, int i) override {
        session_.dialog = dialog;
        session_.element = i;
        return false;
    }

  private:
    ReplaySession& session_;
    AbsentMatlabLink matlab_;
};

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
            break;
        case EventKind::kDrop:
            drag_from_palette(app, e, stop);
            break;
        default:
            break;
    }
    JournalDblClickPorts ports(session);
    if (!dispatch_event(window, app, host, ports, e)) stop.unsupported();
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
