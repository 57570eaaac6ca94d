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

// What the drivers of a double click differ in: the MATLAB link, and how the
// parameter dialog is shown.
class DblClickPorts {
  public:
    virtual ~DblClickPorts() = default;
    virtual MatlabLink& matlab() = 0;
    // Shows `dialog`, just opened for element i. True once it has closed (a
    // window's modal dialog): the double click then finishes at once. False
    // when it stays open for the driver to feed (a journal's dialog lines);
    // the driver calls finish_element_dblclick once it has closed.
    virtual bool show_dialog(ParameterDialog& dialog, AppState& app, int i) = 0;
};

// A window's ports: the dialog is modal.
class ModalDblClickPorts : public DblClickPorts {
  public:
    ModalDblClickPorts(ParameterDialogPort& dialog, MatlabLink& matlab)
        : dialog_(dialog), matlab_(matlab) {}
    MatlabLink& matlab() override { return matlab_; }
    bool show_dialog(ParameterDialog& dialog, AppState& app, int) override {
        dialog_.show_modal(dialog, app);
        return true;
    }

  private:
    ParameterDialogPort& dialog_;
    MatlabLink& matlab_;
};

// A double click on glyph i: a text note opens the caption box; "sys" types
// "simulink" and "subsist" into MATLAB; junctions and ports do nothing; any
// other element edits its parameters in the dialog and then, for sum, mux
// and demux blocks, gets the port count they give.
void image1_DblClick(ModelWindow& window, AppState& app, EditorHost& host, DblClickPorts& ports,
                     int i);
// The same with a modal dialog.
void image1_DblClick(ModelWindow& window, AppState& app, EditorHost& host,
                     ParameterDialogPort& dialog_port, MatlabLink& matlab, int i);

// The end of a double click whose dialog has closed: stores the dialog's
// values in element i and rebuilds a block's ports.
void finish_element_dblclick(ModelWindow& window, AppState& app, EditorHost& host, int i);

// The Options menu: Show Parameters toggles the parameter preview and redraws;
// a Simulink version (1..3) becomes the checked one.
void Showp_Click(ModelWindow& window, AppState& app);
void simulink_Click(ModelWindow& window, int index);

}  // namespace vantor
