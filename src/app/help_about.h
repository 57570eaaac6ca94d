#pragma once

#include "app/ports.h"
#include "window/app_state.h"

namespace vantor {

// Help > Contents (F1) and Help > How to use Help, from any window.
void ayuda(const AppState& app, Ports& ports, HelpPage page);

// Help > About: About.txt beside the program, every byte as one character.
// A missing file shows an empty text; it is never created. One that cannot be
// read (not a regular file, over 1 MB) is named in a message instead.
void show_about(const AppState& app, Ports& ports);

}  // namespace vantor
