#include "shell/command_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace vantor::shell {

namespace {

std::size_t at(MenuId id) {
    return static_cast<std::size_t>(id);
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

CommandMenus add_command_menus(QMenuBar& bar, std::initializer_list<MenuId> which, QObject* context,
                               std::function<void(const Command&)> chosen) {
    CommandMenus made;
    std::array<QActionGroup*, kMenuCount> groups{};
    // A menu is made where its first row comes, a submenu in its parent.
    auto menu_of = [&](MenuId id, bool separated) {
        QMenu*& menu = made.menus[at(id)];
        if (menu != nullptr) return menu;
        const MenuInfo& info = menu_info(id);
        if (info.submenu) {
            QMenu* parent = made.menus[at(info.parent)];
            if (separated) parent->addSeparator();
            menu = parent->addMenu(text(info.caption));
        } else {
            menu = bar.addMenu(text(info.caption));
        }
        return menu;
    };
    for (const Command& row : commands()) {
        if (row.placement == Placement::kNone ||
            std::find(which.begin(), which.end(), row.menu) == which.end()) {
            continue;
        }
        const bool first = made.menus[at(row.menu)] == nullptr;
        QMenu* menu = menu_of(row.menu, row.separated);
        if (row.placement == Placement::kOpening) {
            QObject::connect(menu, &QMenu::aboutToShow, context, [chosen, &row] { chosen(row); });
            continue;
        }
        if (row.separated && !first) menu->addSeparator();
        QAction* action = menu->addAction(text(row.caption));
        action->setShortcuts(
            QKeySequence::listFromString(text(row.keys), QKeySequence::PortableText));
        if (row.check != Check::kNone) action->setCheckable(true);
        if (row.check == Check::kVersion) {
            QActionGroup*& group = groups[at(row.menu)];
            if (group == nullptr) {
                group = new QActionGroup(context);
                group->setExclusive(true);
            }
            group->addAction(action);
        }
        QObject::connect(action, &QAction::triggered, context, [chosen, &row] { chosen(row); });
        made.actions[static_cast<std::size_t>(row.id)] = action;
    }
    return made;
}

}  // namespace vantor::shell
