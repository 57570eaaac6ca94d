#pragma once

#include "causality/causality_host.h"
#include "editor/editor_host.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// The causality commands run in a model window: an error leaves the element
// in error alone selected (flag and colour) with the edit commands enabled,
// the redraw is `refresco`, and messages go to the window's host.
class WindowCausalityHost : public CausalityHost {
  public:
    WindowCausalityHost(ModelWindow& window, AppState& app, EditorHost& host)
        : window_(window), app_(app), host_(host) {}

    void show_message(const std::string& text) override;
    void selection_changed(int element) override;
    void derivative_causality_selected(const std::vector<int>& elements) override;
    void redraw() override;

  private:
    ModelWindow& window_;
    AppState& app_;
    EditorHost& host_;
};

}  // namespace vantor
