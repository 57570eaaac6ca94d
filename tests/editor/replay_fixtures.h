#pragma once

#include <string>

#include "display/window_load.h"
#include "editor_fixtures.h"
#include "journal/replay.h"
#include "journal/state_file.h"
#include "model/model_writer.h"

namespace vantor::test {

inline const std::string kData = VANTOR_DATA_DIR;
inline const std::string kExamples = VANTOR_EXAMPLES_DIR;

inline ObjRecord placed(ObjRecord o, int left, int top) {
    o.left = i16(left);
    o.top = i16(top);
    return o;
}

// A junction and a capacitor; a detector whose output port is at (3240,
// 1000); a scope whose input port is at (2880, 2500); a note.
inline Model small_model() {
    ObjRecord detector = placed(element("De_", "De", 1), 3000, 1000);
    detector.signout = 1;
    ObjRecord scope = placed(element("sco", "scope", 0), 3000, 2500);
    scope.maxsigninp = 1;
    const ObjRecord objs[] = {placed(element("111", "1", 10), 1000, 1000),
                              placed(element("C__", "C", 1), 1000, 2000),
                              detector,
                              lone_port(3, -1),
                              scope,
                              lone_port(5, 0),
                              placed(element("Tex", "note", 0), 5000, 500)};
    Model m;
    for (const ObjRecord& o : objs) m.objs[static_cast<std::size_t>(++m.nobj)] = o;
    return m;
}

// A bond drawn from beside the junction of small_model() to its capacitor.
inline constexpr const char* kBondGesture =
    "form_mousemove 0 0 1060 1112\nform_mousemove 1 0 1060 1112\n"
    "form_mousemove 1 0 1060 2112\nform_mouseup 1 0 1060 2112\n";

// A window as vantor-cli edit opens `model`, on the program folder
// `program_dir`.
struct Editor {
    Editor(const std::string& program_dir, const Model& model) {
        app.program_dir = program_dir;
        init_model_window(window, 1);
        window.model = model;
        show_loaded_model(window, app);
        window.saved = kTrue;
        session.history.start(window);
    }

    // A journal of its own, as vantor-cli edit replays one.
    void replay(const std::string& text) {
        replay_journal(window, app, host, parse_journal(text, "test.jnl"));
    }
    // Lines of the one session that goes on from call to call, undo history
    // included.
    void run(const std::string& text) {
        for (const JournalEntry& entry : parse_journal(text, "test.jnl").entries) {
            replay_event(window, app, host, session, entry, "test.jnl");
        }
    }
    std::string state() const { return format_state_file(window, app); }
    std::string file() const { return format_model(window.model); }
    const ActionHistory& history() const { return session.history; }

    AppState app;
    ModelWindow window;
    FakeHost host;
    ReplaySession session;
};

}  // namespace vantor::test
