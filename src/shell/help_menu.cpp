#include "shell/help_menu.h"

#include "app/help_about.h"
#include "shell/command_menus.h"

namespace vantor::shell {

void add_help_menu(QMenuBar& bar, QObject* context, const AppState& app, Ports& ports) {
    add_command_menus(bar, {MenuId::kHelp}, context,
                      [&app, &ports](const Command& row) { run_help_command(row.id, app, ports); });
}

void run_help_command(CommandId id, const AppState& app, Ports& ports) {
    switch (id) {
        case CommandId::kHelpContents:
            ayuda(app, ports, HelpPage::kContents);
            return;
        case CommandId::kHowToUseHelp:
            ayuda(app, ports, HelpPage::kHowToUseHelp);
            return;
        case CommandId::kAbout:
            show_about(app, ports);
            return;
        default:
            return;
    }
}

}  // namespace vantor::shell
