#pragma once

#include <string>
#include <vector>

namespace vantor {

// The message texts of the causality commands.
inline constexpr const char* kCausalityErrorMessage = "Causality error in the selected element";
inline constexpr const char* kDerivativeMessage =
    "There is at least an element with derivative causality";
inline constexpr const char* kAlgebraicLoopMessage = "There is an algebraical loop";

// What the causality commands need from the window they run in. The commands
// change the records themselves (strokes and `selected` flags); the host shows
// the result. A window shows message boxes and repaints; the command line
// prints the messages; tests record everything.
class CausalityHost {
  public:
    virtual ~CausalityHost() = default;

    // An OK-only message box titled with the application's title.
    virtual void show_message(const std::string& text) = 0;

    // A message about a file that could not be read or written, which stops
    // the command. A window shows it like any other; the command line prints
    // it as an error.
    virtual void show_error(const std::string& text) { show_message(text); }

    // A fault of a support file that the command works around (a priority
    // table without its end line). A window shows it like any other message;
    // the command line prints it as a warning.
    virtual void show_warning(const std::string& text) { show_message(text); }

    // The `selected` flags were just cleared everywhere and, when `element` > 0,
    // set on that element: colour the glyphs and enable the selection commands.
    virtual void selection_changed(int element) = 0;

    // Assign & Check found `elements` (ascending) in derivative causality and
    // left their `selected` flags the only ones set: colour them and name
    // them where the window shows a status. Records alone need nothing.
    virtual void derivative_causality_selected(const std::vector<int>& elements) {
        static_cast<void>(elements);
    }

    // The full redraw of the model window.
    virtual void redraw() = 0;
};

}  // namespace vantor
