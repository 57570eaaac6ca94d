#pragma once

#include <QtWidgets>
#include <string>
#include <utility>
#include <vector>

namespace vantor::test {

// A menu as "Menu: Item [Keys] | - | Item ( )", a separator as "-", a check
// mark as "(x)", a disabled item with "(off)", each of its submenus after it
// as "Menu > Submenu: ...".
inline void walk_menu(const QMenu& menu, const std::string& path, std::vector<std::string>& out) {
    std::string line = path + ":";
    std::vector<std::pair<const QMenu*, std::string>> submenus;
    for (QAction* action : menu.actions()) {
        const std::string name = action->isSeparator() ? "-" : action->text().toStdString();
        const QString keys =
            QKeySequence::listToString(action->shortcuts(), QKeySequence::PortableText);
        line += (line.back() == ':' ? " " : " | ") + name;
        if (!keys.isEmpty()) line += " [" + keys.toStdString() + "]";
        if (action->isCheckable()) line += action->isChecked() ? " (x)" : " ( )";
        if (!action->isEnabled()) line += " (off)";
        if (action->menu() != nullptr) submenus.emplace_back(action->menu(), path + " > " + name);
    }
    out.push_back(line);
    for (const auto& [submenu, name] : submenus) walk_menu(*submenu, name, out);
}

// Every menu of a menu bar, in order.
inline std::vector<std::string> menu_items(const QMenuBar& bar) {
    std::vector<std::string> out;
    for (QAction* action : bar.actions()) {
        if (action->menu() != nullptr)
            walk_menu(*action->menu(), action->text().toStdString(), out);
    }
    return out;
}

// The item reached by `path` ("&Options > &Simulink Version > Simulink 1.3"), or null.
inline QAction* find_item(const QMenuBar& bar, const std::string& path) {
    QList<QAction*> level = bar.actions();
    QAction* found = nullptr;
    for (const QString& name : QString::fromStdString(path).split(QStringLiteral(" > "))) {
        if (found != nullptr) level = found->menu() ? found->menu()->actions() : QList<QAction*>();
        found = nullptr;
        for (QAction* action : level)
            if (action->text() == name) found = action;
        if (found == nullptr) return nullptr;
    }
    return found;
}

}  // namespace vantor::test
