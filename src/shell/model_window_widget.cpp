#include "shell/model_window_widget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "app/main_window.h"
#include "app/model_document.h"
#include "editor/dispatch.h"
#include "editor/gesture_wait.h"
#include "model/file_error.h"
#include "shell/equations_window.h"
#include "shell/journal_recorder.h"
#include "shell/model_canvas.h"
#include "shell/model_status.h"
#include "shell/model_window_run.h"
#include "shell/parameter_dialog_widget.h"
#include "shell/qt_process_runner.h"
#include "shell/simulation_csv_file.h"
#include "shell/simulation_progress.h"
#include "shell/simulation_window.h"
#include "shell/window_places.h"
#include "window/selection.h"

namespace vantor::shell {

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
    status_->show_counts(drawn_counts(document.window.model));
    status_->show_zoom(canvas_->zoom_percent());
    connect(canvas_, &ModelCanvas::pointer_moved, this,
            [this](float x, float y) { status_->show_pointer(x, y); });
    connect(canvas_, &ModelCanvas::zoom_changed, this,
            [this](int percent) { status_->show_zoom(percent); });
    connect(canvas_, &ModelCanvas::bond_hint, this,
            [this](const QString& text) { status_->show_hint(text); });
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
    // A value that overflows a 16-bit field stops the gesture inside `run`,
    // which leaves the window as far as the handler got, as a replay does.
    document_->run([this, &event](ModelWindow& window, AppState& app) {
        // The dialog's lines follow the double click in the journal.
        QtParameterDialogPort dialog(this, [this](const EditorEvent& e) { journal(e); });
        QtProcessRunner runner;
        XdotoolMatlabLink matlab(runner);
        ModalDblClickPorts ports(dialog, matlab);
        dispatch_event(window, app, host_, ports, event);
    });
    if (document_ != nullptr) document_->history.after_event(document_->window, event);
    sync();
}

void ModelWindowWidget::journal(const EditorEvent& event) {
    if (journal_ != nullptr && document_ != nullptr) {
        journal_->record(journal_writer_, document_->caption, event);
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

bool ModelWindowWidget::commands_wait(const Command& row) const {
    return document_ != nullptr &&
           command_waits(document_->history, row.word, canvas_->held_buttons());
}

void ModelWindowWidget::simulate() {
    const Command& row = command(CommandId::kSimulate);
    if (simulating_ || commands_wait(row)) return;
    simulating_ = true;
    SimulationProgress progress(this);
    auto report = [&progress](double fraction) { return progress.report(fraction); };
    // Every row goes to a file as it is computed; the charts keep a thinned copy.
    std::shared_ptr<SimulationCsvFile> csv;
    try {
        csv = std::make_shared<SimulationCsvFile>();
    } catch (const FileError&) {
        // Without it the charts still show; the export writes their copy.
    }
    std::function<std::ostream*()> open_csv;
    if (csv != nullptr) open_csv = [&csv]() -> std::ostream* { return &csv->stream(); };
    run([this, &row, &report, &csv, &open_csv](ModelDocument& d) {
        journal(menu_event(row));
        const SimulationRun result = d.simulate_Click(report, open_csv);
        if (csv != nullptr && !csv->finish()) csv.reset();
        d.history.after_command(d.window, std::string(row.step_name));
        if (result.outcome == SimulateOutcome::kCompleted ||
            result.outcome == SimulateOutcome::kStopped) {
            show_simulation(result, csv);
        }
    });
    simulating_ = false;
}

void ModelWindowWidget::show_simulation(const SimulationRun& result,
                                        std::shared_ptr<const SimulationCsvFile> csv) {
    if (simulation_ == nullptr) {
        simulation_ = new SimulationWindow(ports_, this);
        if (places_ != nullptr) places_->follow(*simulation_, QStringLiteral("simulation"));
    }
    simulation_->set_model(document_->caption, document_->dialog_folder);
    simulation_->show_run(result, std::move(csv));
    simulation_->show();
    simulation_->raise();
    simulation_->activateWindow();
}

void ModelWindowWidget::show_equations() {
    if (document_ == nullptr) return;
    if (equations_ == nullptr) {
        equations_ = new EquationsWindow(
            ports_, [this](int n) { select_from_equations(n); }, this);
        if (places_ != nullptr) places_->follow(*equations_, QStringLiteral("equations"));
    }
    equations_->set_model(document_->caption, document_->dialog_folder);
    equations_->follow(document_->window.model);
    equations_->show();
    equations_->raise();
    equations_->activateWindow();
}

void ModelWindowWidget::select_from_equations(int n) {
    run([n](ModelDocument& d) {
        d.run([n](ModelWindow& window, AppState& app) { select_elements(window, app, {n}); });
    });
}

void ModelWindowWidget::sync() {
    if (document_ == nullptr) return;
    // Qt shows "*" where the title holds "[*]" while the window is modified.
    setWindowTitle(QString::fromStdString(document_->caption) + QStringLiteral("[*]"));
    setWindowModified(document_->window.saved == kFalse);
    const ModelWindow& window = document_->window;
    const ActionHistory& history = document_->history;
    for (const Command& row : commands()) {
        QAction* action = commands_.action(row.id);
        if (action == nullptr) continue;
        action->setText(QString::fromStdString(command_caption(row, history)));
        action->setEnabled(command_enabled(row, window, history));
        if (row.check != Check::kNone) action->setChecked(command_checked(row, window));
    }
    status_->show_counts(drawn_counts(document_->window.model));
    if (simulation_ != nullptr) {
        simulation_->set_model(document_->caption, document_->dialog_folder);
    }
    // The equations follow the model once an action is over: its undo step
    // is committed then, and a gesture under way is no model yet. Closed,
    // they wait: opening them again follows the model.
    if (equations_ != nullptr) {
        equations_->set_model(document_->caption, document_->dialog_folder);
        if (equations_->isVisible() && !history.action_open(window))
            equations_->follow(window.model);
    }
    if (!document_->status_note.empty()) {
        statusBar()->showMessage(QString::fromStdString(document_->status_note));
        document_->status_note.clear();
    }
    if (document_->dirty) {
        canvas_->refresh();
        document_->dirty = false;
    }
    if (after_change_) after_change_();
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
