#include "editor/replay.h"

#include <cstdio>
#include <vector>

#include "causality/causality_commands.h"
#include "display/leeimagen.h"
#include "display/redraw.h"
#include "display/stored_int16.h"
#include "editor/dispatch.h"
#include "editor/edit_menu.h"
#include "editor/journal_writer.h"
#include "editor/window_causality.h"
#include "model/element_kinds.h"
#include "model/file_error.h"
#include "model/library_reader.h"

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

// An unreadable priority table stops Assign & Check; the replay stops with
// its message instead of showing it.
class ReplayCausalityHost : public WindowCausalityHost {
  public:
    using WindowCausalityHost::WindowCausalityHost;
    void show_error(const std::string& text) override { error = text; }
    std::string error;
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
        stop(std::string("the library cannot be read: ") + error.what());
    }
    const int n = static_cast<int>(entries.size());
    if (e.value < 1 || e.value > n) {
        stop("the palette " + e.name + " has no entry " + std::to_string(e.value) + " (it has " +
             std::to_string(n) + ")");
    }
    int k = e.value;
    if (is_con(entries[static_cast<std::size_t>(k) - 1])) {
        k = entries[static_cast<std::size_t>(k) - 1].auxil2;
        if (k < 1 || k > n) {
            stop("entry " + std::to_string(e.value) + " of the palette " + e.name +
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

void run_menu(ModelWindow& window, AppState& app, EditorHost& host, const std::string& item,
              const LineStop& stop) {
    if (item == "showp") {
        window.menus.showp = !window.menus.showp;
        for (int pass = 0; pass < 3; ++pass) refresco(window, app);
    } else if (item == "simulink1" || item == "simulink2" || item == "simulink3") {
        window.menus.simulink_version = item.back() - '0';
    } else if (item == "assign") {
        ReplayCausalityHost causality(window, app, host);
        if (assign_Click(window, app.program_dir, causality) == AssignOutcome::kTableUnreadable) {
            stop(causality.error);
        }
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

void run_event(ModelWindow& window, AppState& app, EditorHost& host, const EditorEvent& e,
               const LineStop& stop) {
    switch (e.kind) {
        case EventKind::kMenu:
            run_menu(window, app, host, e.name, stop);
            return;
        case EventKind::kImageMouseMove:
        case EventKind::kImageMouseUp:
        case EventKind::kImageClick:
        case EventKind::kImageDblClick:
            if (!in_model(window.model, e.index)) {
                stop("glyph " + std::to_string(e.index) + " is not in the model, which has " +
                     std::to_string(window.model.nobj) + " elements");
            }
            // The element double click (parameters, MATLAB link) comes later;
            // a text note's opens the caption box.
            if (e.kind == EventKind::kImageDblClick &&
                !is_text_note(window.model.objs[static_cast<std::size_t>(e.index)])) {
                stop.unsupported();
            }
            break;
        case EventKind::kText1Change:
            if (!window.Text1.visible)
                stop("nothing can be typed into the caption box: it is hidden");
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

void replay_event(ModelWindow& window, AppState& app, EditorHost& host, const JournalEntry& entry,
                  const std::string& journal_name) {
    const LineStop stop(entry, journal_name);
    try {
        run_event(window, app, host, entry.event, stop);
    } catch (const Int16Overflow& overflow) {
        char value[32];
        std::snprintf(value, sizeof value, "%.9g", overflow.value());
        stop(std::string("the value ") + value + " overflows a 16-bit field");
    }
}

void replay_journal(ModelWindow& window, AppState& app, EditorHost& host, const Journal& journal) {
    for (const JournalEntry& entry : journal.entries) {
        replay_event(window, app, host, entry, journal.name);
    }
}

}  // namespace vantor
