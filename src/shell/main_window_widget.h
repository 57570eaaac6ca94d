#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_commands.h"
#include "app/main_window.h"
#include "shell/qt_ports.h"
#include "shell/recent_models_store.h"
#include "window/app_state.h"

class QAction;
class QMenu;

namespace vantor::shell {

class JournalRecorder;
class LibraryLabelWidget;
class LibraryPanelWidget;
class ModelRecovery;
class WindowPlaces;
class ModelWindowWidget;
class PaletteWidget;

// The main window: the library labels, New/Open/Exit, the Window list and
// Help. It owns the application state and the main window's logic, and makes
// the model windows and palettes that logic asks for.
class MainWindowWidget : public QMainWindow, public Desktop {
    Q_OBJECT

  public:
    // `ports`, when given, replaces the Qt dialogs (tests); `journal`, when
    // given, receives the events of every model window. Both must outlive
    // the window.
    MainWindowWidget(std::string program_dir, std::string command_line, Ports* ports = nullptr,
                     JournalRecorder* journal = nullptr);
    ~MainWindowWidget() override;

    // The windows open where they were last, at sizes kept in `places`:
    // this window now, the others as they open. Without it they open at
    // their fixed sizes. `places` must outlive the window.
    void remember_windows(WindowPlaces& places);
    // The model windows keep recovery copies through `recovery`, which must
    // outlive the window.
    void keep_recovery_copies(ModelRecovery& recovery);

    // What activation does; the first one lists the libraries and opens the
    // command line's model.
    void activate();

    MainWindow& core() { return *core_; }
    AppState& app() { return app_; }
    ModelWindowWidget* model_window_widget(int k) const;
    PaletteWidget* palette_widget(int i) const;
    // Label i of the library list is library_labels()[i - 1].
    const std::vector<LibraryLabelWidget*>& library_labels() const { return labels_; }
    // The libraries again, as a panel beside the labels.
    LibraryPanelWidget* library_panel() const { return panel_; }

    void model_window_opened(int k) override;
    void model_window_closed(int k) override;
    void focus_model_window(int k) override;
    void show_palette(int i) override;
    void window_menu_changed() override;

    // Opens a model file named outside the dialog (Open Recent, a drop, the
    // command line's further models), and lists it in Open Recent.
    void open_model(const QString& path);
    // The main window's item of `id`.
    QAction* main_action(MainCommandId id) const {
        return main_actions_[static_cast<std::size_t>(id)];
    }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_menus();
    void main_command_chosen(MainCommandId id);
    void fill_recent_menu();
    void remember_model(const QString& path);
    // The keys of the main window's commands that work everywhere, and the
    // drop of model files, for another window of the program.
    void reach_from(QWidget& window);
    void sync_labels();
    // Shows what the panel's chosen entry waits for, here and on every model window.
    void show_placing(const QString& prompt);

    AppState app_;
    QtPorts qt_ports_;
    Ports& ports_;
    JournalRecorder* journal_;
    std::unique_ptr<MainWindow> core_;
    std::map<int, std::unique_ptr<ModelWindowWidget>> model_windows_;
    std::array<std::unique_ptr<PaletteWidget>, kMaxLibraries + 1> palettes_;
    std::vector<LibraryLabelWidget*> labels_;
    QWidget* desk_;
    LibraryPanelWidget* panel_;
    QString placing_;  // the prompt shown while a panel entry waits
    QMenu* window_menu_ = nullptr;
    QMenu* recent_menu_ = nullptr;
    std::array<QAction*, kMainCommandCount> main_actions_{};
    RecentModelsStore recent_;
    WindowPlaces* places_ = nullptr;
    ModelRecovery* recovery_ = nullptr;
};

}  // namespace vantor::shell
