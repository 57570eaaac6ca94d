#include "shell/help_menu.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/help_about.h"

namespace vantor::shell {

void add_help_menu(QMenuBar& bar, const AppState& app, Ports& ports) {
    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    QAction* contents = help->addAction(QStringLiteral("&Contents"),
                                        [&app, &ports] { ayuda(app, ports, HelpPage::kContents); });
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    help->addAction(QStringLiteral("&How to use Help"),
                    [&app, &ports] { ayuda(app, ports, HelpPage::kHowToUseHelp); });
    help->addAction(QStringLiteral("&About"), [&app, &ports] { show_about(app, ports); });
}

}  // namespace vantor::shell
