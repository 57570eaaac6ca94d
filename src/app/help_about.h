#pragma once

#include "app/app_state.h"
#include "app/ports.h"

namespace vantor {

// Help > Contents (F1) and Help > How to use Help, from any window.
void ayuda(const AppState& app, Ports& ports, HelpPage page);

// Help > About: About.txt beside the program, every byte as one character.
// A missing file shows an empty text; it is never created.
void show_about(const AppState& app, Ports& ports);

}  // namespace vantor
