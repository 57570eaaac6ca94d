#pragma once

#include "editor/editor_host.h"
#include "editor/parameter_dialog.h"
#include "simulink/matlab_link.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

inline constexpr const char* kBlockNeedsPort = "A block needs at least one port.";

// Shows the parameter dialog modally: returns once it is closed.
class ParameterDialogPort {
  public:
    virtual ~ParameterDialogPort() = default;
    virtual void show_modal(ParameterDialog& dialog, AppState& app) = 0;
};

// A double click on glyph i: a text note opens the caption box; "sys" types
// "simulink" and "subsist" into MATLAB; junctions and ports do nothing; any
// other element edits its parameters in the dialog and then, for sum, mux
// and demux blocks, gets the port count they give.
void image1_DblClick(ModelWindow& window, AppState& app, EditorHost& host,
                     ParameterDialogPort& dialog_port, MatlabLink& matlab, int i);

// The two halves around the modal dialog, for a driver that feeds the dialog
// itself (a journal). The first returns true when it left `dialog` open, and
// then the second runs once the dialog has closed.
bool start_element_dblclick(ModelWindow& window, AppState& app, EditorHost& host,
                            MatlabLink& matlab, ParameterDialog& dialog, int i);
void finish_element_dblclick(ModelWindow& window, AppState& app, EditorHost& host, int i);

// The Options menu: Show Parameters toggles the parameter preview and redraws;
// a Simulink version (1..3) becomes the checked one.
void Showp_Click(ModelWindow& window, AppState& app);
void simulink_Click(ModelWindow& window, int index);

}  // namespace vantor
