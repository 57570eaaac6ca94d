#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <vector>

namespace vantor::test {

// Every item of a menu bar as "Menu > Item [Shortcut]", separators as
// "Menu > -", submenus followed by their own items.
inline void walk_menu(const QMenu& menu, const std::string& path, std::vector<std::string>& out) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            out.push_back(path + " > -");
            continue;
        }
        std::string item = path + " > " + action->text().toStdString();
        const QString keys = action->shortcut().toString(QKeySequence::PortableText);
        out.push_back(keys.isEmpty() ? item : item + " [" + keys.toStdString() + "]");
        if (action->menu() != nullptr) walk_menu(*action->menu(), item, out);
    }
}

inline std::vector<std::string> menu_items(const QMenuBar& bar) {
    std::vector<std::string> out;
    for (QAction* action : bar.actions()) {
        const std::string name = action->text().toStdString();
        out.push_back(name);
        if (action->menu() != nullptr) walk_menu(*action->menu(), name, out);
    }
    return out;
}

// The item reached by `path` ("&Options > &Simulink Version > Simulink 1.3"), or null.
inline QAction* find_item(const QMenuBar& bar, const std::string& path) {
    QList<QAction*> level = bar.actions();
    std::string rest = path;
    for (;;) {
        const std::size_t cut = rest.find(" > ");
        const std::string name = rest.substr(0, cut);
        QAction* found = nullptr;
        for (QAction* action : level) {
            if (action->text().toStdString() == name) found = action;
        }
        if (found == nullptr || cut == std::string::npos) return found;
        if (found->menu() == nullptr) return nullptr;
        level = found->menu()->actions();
        rest = rest.substr(cut + 3);
    }
}

}  // namespace vantor::test
