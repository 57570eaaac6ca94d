#include "editor/window_causality.h"

#include "display/redraw.h"
#include "model/element_kinds.h"
#include "window/selection.h"

namespace vantor {

void WindowCausalityHost::show_message(const std::string& text) {
    host_.show_message(text);
}

void WindowCausalityHost::selection_changed(int element) {
    deselecciona(window_, app_);
    // A redraw may have deleted elements since the error was found.
    if (in_model(window_.model, element)) select_element(window_, app_, element);
    habilita(window_);
}

void WindowCausalityHost::derivative_causality_selected(const std::vector<int>& elements) {
    select_elements(window_, app_, elements);
}

void WindowCausalityHost::redraw() {
    refresco(window_, app_);
}

}  // namespace vantor
