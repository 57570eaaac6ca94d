#pragma once

#include <QMainWindow>
#include <array>
#include <deque>
#include <functional>
#include <memory>

#include "editor/commands.h"
#include "editor/events.h"
#include "shell/command_menus.h"
#include "shell/qt_clipboard.h"
#include "shell/qt_editor_host.h"

class QAction;

namespace vantor {
struct AppState;
struct SimulationRun;
class MainWindow;
class ModelDocument;
class Ports;
}  // namespace vantor

namespace vantor::shell {

class JournalRecorder;
class ModelCanvas;
class ModelStatus;
class SimulationCsvFile;
class SimulationWindow;
class EquationsWindow;
class WindowPlaces;

// The window of one model: its canvas paints the document and turns Qt's
// events into the window's events, which this window runs on the document
// (and journals, when asked to); its menus run the document's commands.
// Closing always goes through the main window's logic, which decides and
// then destroys this window.
class ModelWindowWidget : public QMainWindow {
    Q_OBJECT

  public:
    // `journal`, when given, receives every event the window runs; it must
    // outlive the window.
    ModelWindowWidget(ModelDocument& document, AppState& app, Ports& ports, MainWindow& main,
                      JournalRecorder* journal = nullptr, QWidget* parent = nullptr);
    ~ModelWindowWidget() override;

    // Caption, menu states and drawing brought in line with the document.
    void sync();

    // The document is gone: nothing may reach it any more.
    void detach();

    ModelCanvas* canvas() const { return canvas_; }

    // Runs after every event and command has been shown (the recovery copies follow).
    void set_after_change(std::function<void()> after) { after_change_ = std::move(after); }
    // The charts and equations windows open where they were last.
    void remember_in(WindowPlaces* places) { places_ = places; }

    // The charts of the last run; null before the first.
    SimulationWindow* simulation_window() const { return simulation_; }
    // The state equations; null until Run > State Equations first opens them.
    EquationsWindow* equations_window() const { return equations_; }

    // Runs one of the window's events on the document, as the canvas does.
    void forward(const EditorEvent& event);

  Q_SIGNALS:
    // The model was written under a name it did not have: a new model's
    // first save, or Save As.
    void saved_as(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void build_menus();
    // Save or Save As, telling when the model took a new name.
    template <typename Save>
    void save(Save save);
    void request_close();
    void run_event(const EditorEvent& event);
    void journal(const EditorEvent& event);
    void take_focus();
    // Runs a command of the document, then shows what it changed.
    template <typename Handler>
    void run(Handler handler);
    // The same for a command that a journal records as `menu WORD`.
    template <typename Handler>
    void run_menu(const Command& row, Handler handler);
    // What choosing the command of `row` runs.
    void command_chosen(const Command& row);
    // Run > Generate Simulink File, journaled once its save dialog answered.
    void generate();
    // Run > Simulate, with a progress dialog on long runs.
    void simulate();
    // Whether the command waits for the gesture under way to end.
    bool commands_wait(const Command& row) const;
    // Run > State Equations: opens the window, or brings it to the front.
    void show_equations();
    // Selects element `n` alone, as the equations window's table asks.
    void select_from_equations(int n);
    void show_simulation(const SimulationRun& run, std::shared_ptr<const SimulationCsvFile> csv);

    ModelDocument* document_;
    AppState& app_;
    Ports& ports_;
    MainWindow& main_;
    JournalRecorder* journal_;
    int journal_writer_ = 0;
    QtEditorHost host_;
    QtClipboard clipboard_;
    ModelCanvas* canvas_;
    // Events that arrive while another runs (a message box lets focus
    // events through) wait for it to end.
    std::deque<EditorEvent> waiting_;
    bool running_event_ = false;
    // The menus' items, by command.
    CommandMenus commands_;
    std::unique_ptr<ModelStatus> status_;
    // A child of this window, so it closes with it.
    SimulationWindow* simulation_ = nullptr;
    EquationsWindow* equations_ = nullptr;
    bool simulating_ = false;
    std::function<void()> after_change_;
    WindowPlaces* places_ = nullptr;
};

}  // namespace vantor::shell
