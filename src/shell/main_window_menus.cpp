// The main window's menu bar, laid out by its command table, and Open Recent.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "shell/help_menu.h"
#include "shell/main_window_widget.h"
#include "shell/model_file_drop.h"

namespace vantor::shell {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void MainWindowWidget::build_menus() {
    QMenuBar* bar = menuBar();
    QMenu* menu = nullptr;
    std::string_view caption;
    for (const MainCommand& row : main_commands()) {
        if (menu == nullptr || row.menu != caption) {
            caption = row.menu;
            menu = bar->addMenu(text(caption));
        }
        QAction* action = nullptr;
        if (row.submenu) {
            recent_menu_ = menu->addMenu(text(row.caption));
            action = recent_menu_->menuAction();
            connect(recent_menu_, &QMenu::aboutToShow, this, [this] { fill_recent_menu(); });
        } else {
            const MainCommandId id = row.id;
            action =
                menu->addAction(text(row.caption), this, [this, id] { main_command_chosen(id); });
            action->setShortcuts(
                QKeySequence::listFromString(text(row.keys), QKeySequence::PortableText));
        }
        action->setEnabled(row.enabled);
        main_actions_[static_cast<std::size_t>(row.id)] = action;
    }
    fill_recent_menu();

    window_menu_ = bar->addMenu(QStringLiteral("&Window"));

    add_help_menu(*bar, this, app_, ports_);
}

void MainWindowWidget::main_command_chosen(MainCommandId id) {
    switch (id) {
        case MainCommandId::kNewModel:
            core_->new_Click();
            return;
        case MainCommandId::kOpenModel:
            core_->open_Click();
            return;
        case MainCommandId::kExit:
            // Through the close box's path, with its questions.
            close();
            return;
        default:
            return;
    }
}

void MainWindowWidget::fill_recent_menu() {
    for (QAction* action : recent_menu_->actions()) {
        recent_menu_->removeAction(action);
        action->deleteLater();
    }
    const QStringList models = recent_.models();
    int n = 0;
    for (const QString& path : models) {
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        recent_menu_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(shown), this,
                                [this, path] { open_model(path); });
    }
    recent_menu_->menuAction()->setEnabled(!models.isEmpty());
}

void MainWindowWidget::open_model(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        // A model listed but gone leaves the list, so it is offered no more.
        recent_.remove(path);
        fill_recent_menu();
        tell(ports_,
             "The model " + QDir::toNativeSeparators(path).toStdString() +
                 " cannot be found; it is removed from Open Recent.",
             MessageKind::kWarning);
        return;
    }
    core_->open_model(path.toStdString());
    // One open already came to the front: asked for, it moves up the list too.
    for (const WindowMenuItem& item : core_->window_menu) {
        const ModelDocument* document = core_->model_window(item.k);
        if (document->window.hasname == kTrue && document->tag == path.toStdString())
            remember_model(path);
    }
}

void MainWindowWidget::remember_model(const QString& path) {
    recent_.add(path);
    fill_recent_menu();
}

void MainWindowWidget::reach_from(QWidget& window) {
    for (const MainCommand& row : main_commands()) {
        if (row.everywhere) window.addAction(main_action(row.id));
    }
    accept_model_file_drops(window, [this](const QString& path) { open_model(path); });
}

}  // namespace vantor::shell
