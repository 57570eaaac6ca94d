// The model window's menu bar: what each item runs on the document.
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "editor/edit_menu.h"
#include "editor/element_dblclick.h"
#include "shell/help_menu.h"
#include "shell/model_printing.h"
#include "shell/model_window_run.h"
#include "shell/model_window_widget.h"
#include "shell/simulation_settings_dialog.h"
#include "shell/view_menu.h"

namespace vantor::shell {

namespace {

QAction* add_item(QMenu* menu, const char* caption, QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

void ModelWindowWidget::build_menus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    connect(add_item(file, "&Save Model"), &QAction::triggered, this,
            [this] { run([](ModelDocument& d) { d.save_Click(); }); });
    connect(add_item(file, "Save Model &As..."), &QAction::triggered, this,
            [this] { run([](ModelDocument& d) { d.saveas_Click(); }); });
    file->addSeparator();
    connect(add_item(file, "&Print Model"), &QAction::triggered, this,
            [this] { run([this](ModelDocument& d) { print_Click(d, ports_); }); });
    connect(add_item(file, "Print &Options..."), &QAction::triggered, this,
            [this] { run([this](ModelDocument& d) { print_with_dialog(d, ports_, this); }); });
    connect(add_item(file, "&Export Picture..."), &QAction::triggered, this,
            [this] { run([this](ModelDocument& d) { export_picture_Click(d, ports_); }); });
    file->addSeparator();
    connect(add_item(file, "&Close"), &QAction::triggered, this, [this] { request_close(); });

    // Delete, Cut, Copy and Rotate take their enabled states from the
    // document after every event; Paste and Select All are always there.
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    connect(edit, &QMenu::aboutToShow, this, [this] { run_edit("edit"); });
    undo_ = add_item(edit, "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo_, &QAction::triggered, this,
            [this] { run_menu(kEditUndoItem, [](ModelDocument& d) { d.undo_Click(); }); });
    redo_ = add_item(edit, "&Redo");
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redo_, &QAction::triggered, this,
            [this] { run_menu(kEditRedoItem, [](ModelDocument& d) { d.redo_Click(); }); });
    edit->addSeparator();
    auto edit_item = [this, edit](const char* caption, const char* item, QKeySequence shortcut) {
        QAction* action = add_item(edit, caption, shortcut);
        connect(action, &QAction::triggered, this, [this, item] { run_edit(item); });
        return action;
    };
    delete_ = edit_item("&Delete", "ddelete", QKeySequence(Qt::Key_Delete));
    cut_ = edit_item("&Cut", "Cut", QKeySequence(Qt::CTRL | Qt::Key_X));
    copy_ = edit_item("C&opy", "copy", QKeySequence(Qt::CTRL | Qt::Key_C));
    edit_item("&Paste", "paste", QKeySequence(Qt::CTRL | Qt::Key_V));
    rotate_ = edit_item("&Rotate", "rotate", QKeySequence(Qt::CTRL | Qt::Key_R));
    edit->addSeparator();
    edit_item("&Select All", "selectall", {});

    add_view_menu(*bar, *canvas_);

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    show_parameters_ = add_item(options, "&Show Parameters");
    show_parameters_->setCheckable(true);
    connect(show_parameters_, &QAction::triggered, this, [this] {
        run_menu("showp", [](ModelDocument& d) {
            d.run([](ModelWindow& window, AppState& app) { Showp_Click(window, app); });
        });
    });
    options->addSeparator();
    QMenu* version = options->addMenu(QStringLiteral("&Simulink Version"));
    auto* versions = new QActionGroup(this);
    versions->setExclusive(true);
    static const char* const kCaptions[] = {"Simulink 1.3", "Simulink 2.09", "Simulink 2.2"};
    static const char* const kItems[] = {"simulink1", "simulink2", "simulink3"};
    for (int v = 1; v <= 3; ++v) {
        QAction* item = add_item(version, kCaptions[v - 1]);
        item->setCheckable(true);
        versions->addAction(item);
        connect(item, &QAction::triggered, this, [this, v] {
            run_menu(kItems[v - 1], [v](ModelDocument& d) { d.simulink_Click(v); });
        });
        simulink_[static_cast<std::size_t>(v - 1)] = item;
    }

    QMenu* running = bar->addMenu(QStringLiteral("&Run"));
    connect(add_item(running, "&Generate Simulink File", QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, [this] {
                if (commands_wait("generate")) return;
                run([this](ModelDocument& d) {
                    const GenerateResult result = d.generate_Click();
                    // Journaled once the save dialog has answered: a replay
                    // goes as far as the command went.
                    const EditorEvent line =
                        menu_event(result.stopped_at_dialog ? "generate_cancelled" : "generate");
                    journal(line);
                    d.history.after_event(d.window, line);
                    if (result.outcome == GenerateOutcome::kWritten) {
                        statusBar()->showMessage(
                            QStringLiteral("Wrote %1").arg(QString::fromStdString(result.path)));
                    }
                });
            });
    running->addSeparator();
    connect(add_item(running, "&Assign && Check Causality", QKeySequence(Qt::Key_F7)),
            &QAction::triggered, this,
            [this] { run_menu("assign", [](ModelDocument& d) { d.assign_Click(); }); });
    connect(add_item(running, "&Extend Causality", QKeySequence(Qt::Key_F8)), &QAction::triggered,
            this, [this] { run_menu("extend", [](ModelDocument& d) { d.extend_Click(); }); });
    connect(add_item(running, "&Undo Causality ", QKeySequence(Qt::Key_F12)), &QAction::triggered,
            this, [this] { run_menu("undo", [](ModelDocument& d) { d.Undo_Click(); }); });
    running->addSeparator();
    connect(add_item(running, "&Simulate", QKeySequence(Qt::Key_F9)), &QAction::triggered, this,
            [this] { simulate(); });
    connect(add_item(running, "Simulation &Settings..."), &QAction::triggered, this, [this] {
        if (document_ != nullptr) edit_simulation_settings(this, document_->simulation_settings);
    });

    add_help_menu(*bar, app_, ports_);
}

}  // namespace vantor::shell
