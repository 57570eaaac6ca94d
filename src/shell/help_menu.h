#pragma once

#include "editor/commands.h"

class QMenuBar;
class QObject;

namespace vantor {
struct AppState;
class Ports;
}  // namespace vantor

namespace vantor::shell {

// The "&Help" menu that the main window and every model window share, as
// the command table has it: Contents (F1), How to use Help and About.
void add_help_menu(QMenuBar& bar, QObject* context, const AppState& app, Ports& ports);

// Runs the Help menu's command `id`.
void run_help_command(CommandId id, const AppState& app, Ports& ports);

}  // namespace vantor::shell
