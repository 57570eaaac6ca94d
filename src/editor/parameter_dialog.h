#pragma once

#include <string>

#include "window/app_state.h"

namespace vantor {

// The parameter dialog `parametros` as plain state: what its controls show,
// and its handlers. A window shows it (the shell's QDialog) or a journal
// drives it; both go through these handlers. Texts are Windows-1252.

struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct DialogControl {
    TwipsRect place;
    std::string caption;  // labels and buttons
    std::string text;     // text boxes
    bool visible = true;
};

struct ParameterDialog {
    bool open = false;
    std::string caption;
    DialogControl description{{240, 120, 4455, 2055}, "Description", {}, true};
    DialogControl Parameter1{{240, 2400, 2295, 495}, {}, {}, false};
    DialogControl value1{{2640, 2520, 2175, 285}, {}, {}, false};
    DialogControl Parameter2{{240, 3360, 2295, 495}, {}, {}, false};
    DialogControl value2{{2640, 3480, 2175, 285}, {}, {}, false};
    DialogControl Apply{{480, 4560, 855, 375}, "Apply", {}, true};
    DialogControl Cancel{{1920, 4560, 975, 375}, "Cancel", {}, true};
    DialogControl Close{{3480, 4560, 855, 375}, "Close", {}, true};
};

inline constexpr const char* kDescriptionUnreadable =
    "The description file of this element cannot be read.";

// The description file of element type `type` (3 characters, blanks kept),
// or an empty path when the type cannot name a file.
std::string description_path(const AppState& app, const std::string& type);

// Loads a fresh dialog from the exchange values and the description file of
// `app.partype`. A missing or unreadable file still opens it, with both
// boxes holding the element's values.
void Form_Load(ParameterDialog& dialog, const AppState& app);

// Apply copies the boxes to the exchange values and stays open; Close does
// the same and closes; Cancel first restores the boxes from the exchange
// values (dropping edits since the last Apply), then closes. The close box
// closes without copying.
void Apply_Click(ParameterDialog& dialog, AppState& app);
void Cancel_Click(ParameterDialog& dialog, AppState& app);
void close_Click(ParameterDialog& dialog, AppState& app);
void close_box(ParameterDialog& dialog);

}  // namespace vantor
