#pragma once

#include <array>
#include <functional>
#include <initializer_list>

#include "editor/commands.h"

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace vantor::shell {

// The items a walk of the command table made, by id; null where a row has
// no item or its menu was not asked for.
struct CommandMenus {
    std::array<QAction*, kCommandCount> actions{};
    std::array<QMenu*, kMenuCount> menus{};

    QAction* action(CommandId id) const { return actions[static_cast<std::size_t>(id)]; }
};

// Adds the menus `which` to `bar` as the command table lays them out: the
// rows in order, their captions, separators, shortcuts and check marks (the
// Simulink versions an exclusive group). Choosing an item, or opening the
// menu of an opening row, calls `chosen` with the row; `context` owns the
// connections and the groups.
CommandMenus add_command_menus(QMenuBar& bar, std::initializer_list<MenuId> which, QObject* context,
                               std::function<void(const Command&)> chosen);

}  // namespace vantor::shell
