#pragma once

class QMenuBar;

namespace vantor {
struct AppState;
class Ports;
}  // namespace vantor

namespace vantor::shell {

// The "&Help" menu that the main window and every model window share:
// Contents (F1), How to use Help and About.
void add_help_menu(QMenuBar& bar, const AppState& app, Ports& ports);

}  // namespace vantor::shell
