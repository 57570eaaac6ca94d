#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "shell/qt_ports.h"
#include "window/app_state.h"

class QMenu;

namespace vantor::shell {

class JournalRecorder;
class LibraryLabelWidget;
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

    void model_window_opened(int k) override;
    void model_window_closed(int k) override;
    void focus_model_window(int k) override;
    void show_palette(int i) override;
    void window_menu_changed() override;

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_menus();
    void sync_labels();

    AppState app_;
    QtPorts qt_ports_;
    Ports& ports_;
    JournalRecorder* journal_;
    std::unique_ptr<MainWindow> core_;
    std::map<int, std::unique_ptr<ModelWindowWidget>> model_windows_;
    std::array<std::unique_ptr<PaletteWidget>, kMaxLibraries + 1> palettes_;
    std::vector<LibraryLabelWidget*> labels_;
    QWidget* desk_;
    QMenu* window_menu_ = nullptr;
    WindowPlaces* places_ = nullptr;
    ModelRecovery* recovery_ = nullptr;
};

}  // namespace vantor::shell
