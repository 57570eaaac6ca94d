#include "shell/model_window_widget.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "app/main_window.h"
#include "app/model_document.h"
#include "display/stored_int16.h"
#include "editor/dispatch.h"
#include "editor/edit_menu.h"
#include "editor/element_dblclick.h"
#include "shell/help_menu.h"
#include "shell/journal_recorder.h"
#include "shell/model_canvas.h"
#include "shell/model_printing.h"
#include "shell/model_status.h"
#include "shell/parameter_dialog_widget.h"
#include "shell/qt_process_runner.h"
#include "shell/simulation_settings_dialog.h"
#include "shell/simulation_window.h"
#include "shell/view_menu.h"

namespace vantor::shell {

namespace {

QAction* add_item(QMenu* menu, const char* caption, QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setShortcut(shortcut);
    return action;
}

EditorEvent menu_event(const char* item) {
    EditorEvent event;
    event.kind = EventKind::kMenu;
    event.name = item;
    return event;
}

}  // namespace

ModelWindowWidget::ModelWindowWidget(ModelDocument& document, AppState& app, Ports& ports,
                                     MainWindow& main, JournalRecorder* journal, QWidget* parent)
    : QMainWindow(parent),
      document_(&document),
      app_(app),
      ports_(ports),
      main_(main),
      journal_(journal),
      host_(ports, [this] { take_focus(); }),
      canvas_(
          new ModelCanvas(document.window, [this](const EditorEvent& event) { forward(event); })) {
    if (journal_ != nullptr) journal_writer_ = journal_->new_writer();
    setCentralWidget(canvas_);
    build_menus();
    statusBar()->setSizeGripEnabled(true);
    // The fields hold text before the size is taken, so the status bar keeps its height.
    status_ = std::make_unique<ModelStatus>(*statusBar());
    status_->show_pointer(0, 0);
    status_->show_counts(document.window.model.nobj, document.window.model.nlin);
    status_->show_zoom(canvas_->zoom_percent());
    connect(canvas_, &ModelCanvas::pointer_moved, this,
            [this](float x, float y) { status_->show_pointer(x, y); });
    connect(canvas_, &ModelCanvas::zoom_changed, this,
            [this](int percent) { status_->show_zoom(percent); });
    // The client area the document's window size stands for.
    const QSize client = ModelCanvas::client_pixels(document.window.viewport);
    resize(client.width(),
           client.height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    sync();
}

ModelWindowWidget::~ModelWindowWidget() {
    detach();
}

void ModelWindowWidget::detach() {
    if (document_ == nullptr) return;
    // The document may be gone already: it is not touched again.
    document_ = nullptr;
    waiting_.clear();
    canvas_->detach();
}

void ModelWindowWidget::forward(const EditorEvent& event) {
    if (document_ == nullptr) return;
    if (running_event_) {
        waiting_.push_back(event);
        return;
    }
    running_event_ = true;
    run_event(event);
    while (!waiting_.empty() && document_ != nullptr) {
        const EditorEvent next = waiting_.front();
        waiting_.pop_front();
        run_event(next);
    }
    running_event_ = false;
    host_.give_requested_focus();
}

void ModelWindowWidget::run_event(const EditorEvent& event) {
    // Journaled first: a journal of a gesture that stops in its handler
    // replays up to the same stop.
    journal(event);
    try {
        document_->run([this, &event](ModelWindow& window, AppState& app) {
            if (event.kind == EventKind::kImageDblClick) {
                // The dialog's lines follow the double click in the journal.
                QtParameterDialogPort dialog(this, [this](const EditorEvent& e) { journal(e); });
                QtProcessRunner runner;
                XdotoolMatlabLink matlab(runner);
                image1_DblClick(window, app, host_, dialog, matlab, event.index);
                return;
            }
            dispatch_pointer_event(window, app, host_, event);
        });
    } catch (const Int16Overflow&) {
        // The window stays as far as the handler got, as a replay leaves it.
        document_->dirty = true;
        tell(ports_, "A value overflows a 16-bit field; the gesture stopped there.");
    }
    if (document_ != nullptr) document_->history.after_event(document_->window, event);
    sync();
}

void ModelWindowWidget::journal(const EditorEvent& event) {
    if (journal_ != nullptr && document_ != nullptr) {
        journal_->record(journal_writer_, document_->window.winnum, document_->caption, event);
    }
}

void ModelWindowWidget::take_focus() {
    // Once the drop (and any drag loop around it) is over.
    QTimer::singleShot(0, this, [this] {
        show();
        raise();
        activateWindow();
        canvas_->setFocus(Qt::OtherFocusReason);
    });
}

template <typename Handler>
void ModelWindowWidget::run(Handler handler) {
    if (document_ == nullptr) return;
    handler(*document_);
    sync();
}

template <typename Handler>
void ModelWindowWidget::run_menu(const char* item, Handler handler) {
    if (document_ == nullptr) return;
    journal(menu_event(item));
    handler(*document_);
    if (document_ != nullptr) document_->history.after_event(document_->window, menu_event(item));
    sync();
}

void ModelWindowWidget::run_edit(const char* item) {
    run_menu(item, [this, item](ModelDocument& d) {
        d.run([this, item](ModelWindow& window, AppState& app) {
            run_edit_menu(window, app, host_, clipboard_, item);
        });
    });
}

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
                run([this](ModelDocument& d) {
                    const GenerateResult result = d.generate_Click();
                    d.history.after_command(d.window, "Generate");
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

void ModelWindowWidget::simulate() {
    if (simulating_) return;
    simulating_ = true;
    QProgressDialog progress(QStringLiteral("Simulating..."), QStringLiteral("Cancel"), 0, 1000,
                             this);
    // Nothing else may reach the model or close its window while it runs.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    auto report = [&progress](double fraction) {
        progress.setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 1000));
        // Until the dialog shows, input waits: it would act on a model in mid-run.
        QCoreApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
        return !progress.wasCanceled();
    };
    run([this, &report](ModelDocument& d) {
        const SimulationRun result = d.simulate_Click(report);
        d.history.after_command(d.window, "Simulate");
        if (result.outcome == SimulateOutcome::kCompleted ||
            result.outcome == SimulateOutcome::kStopped) {
            show_simulation(result);
        }
    });
    progress.close();
    simulating_ = false;
}

void ModelWindowWidget::show_simulation(const SimulationRun& result) {
    if (simulation_ == nullptr) simulation_ = new SimulationWindow(ports_, this);
    simulation_->set_model(document_->caption, document_->dialog_folder);
    simulation_->show_run(result);
    simulation_->show();
    simulation_->raise();
}

void ModelWindowWidget::sync() {
    if (document_ == nullptr) return;
    // Qt shows "*" where the title holds "[*]" while the window is modified.
    setWindowTitle(QString::fromStdString(document_->caption) + QStringLiteral("[*]"));
    setWindowModified(document_->window.saved == kFalse);
    const ModelMenus& menus = document_->window.menus;
    delete_->setEnabled(menus.ddelete);
    cut_->setEnabled(menus.Cut);
    copy_->setEnabled(menus.copy);
    rotate_->setEnabled(menus.rotate);
    // A caption with "&" shows it only when doubled.
    const ActionHistory& history = document_->history;
    undo_->setText(QString::fromStdString(history.undo_text())
                       .replace(QStringLiteral(" & "), QStringLiteral(" && ")));
    undo_->setEnabled(history.can_undo(document_->window));
    redo_->setText(QString::fromStdString(history.redo_text())
                       .replace(QStringLiteral(" & "), QStringLiteral(" && ")));
    redo_->setEnabled(history.can_redo(document_->window));
    show_parameters_->setChecked(menus.showp);
    status_->show_counts(document_->window.model.nobj, document_->window.model.nlin);
    for (std::size_t v = 0; v < simulink_.size(); ++v) {
        simulink_[v]->setChecked(menus.simulink_version == static_cast<int>(v) + 1);
    }
    if (simulation_ != nullptr) {
        simulation_->set_model(document_->caption, document_->dialog_folder);
    }
    if (document_->dirty) {
        canvas_->refresh();
        document_->dirty = false;
    }
}

void ModelWindowWidget::request_close() {
    // The main window's logic asks the closing question and, when the window
    // really goes, destroys it through the desktop.
    if (document_ != nullptr) main_.close_requested(document_->window.winnum);
}

void ModelWindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    request_close();
}

void ModelWindowWidget::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    sync();
}

}  // namespace vantor::shell
