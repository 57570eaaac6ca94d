#pragma once

#include <string>

#include "editor/editor_host.h"
#include "editor/window_causality.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// The causality commands of a replay: an unreadable priority table stops the
// replay with its message instead of showing it; any other error is kept
// for the caller to show.
class ReplayCausalityHost : public WindowCausalityHost {
  public:
    using WindowCausalityHost::WindowCausalityHost;
    void show_error(const std::string& text) override { error = text; }
    std::string error;
};

// Generate Simulink File as a journal replays it: every change it makes to
// the model in the window's Simulink version, with its messages, writing no
// file. `dialog_cancelled` stops it at the save dialog. Returns the message
// of a priority table that cannot be read, which stops the replay; else "".
std::string replay_generate(ModelWindow& window, AppState& app, EditorHost& host,
                            bool dialog_cancelled);

// Simulate as a journal replays it: Generate's changes as above, then the
// check of the generated diagram; a refusal shows its message and selects
// the elements it names. No window, no numerical run. Returns as above.
std::string replay_simulate(ModelWindow& window, AppState& app, EditorHost& host);

}  // namespace vantor
