#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/model_document.h"
#include "app/palette.h"
#include "app/ports.h"
#include "app/recovery_folder.h"
#include "window/app_state.h"

namespace vantor {

inline constexpr int kMaxModelWindows = 50;
inline constexpr int kMaxLibraries = 20;

// What the main window's logic asks of the windowing layer.
class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual void model_window_opened(int k) = 0;  // make and show the window of model k
    virtual void model_window_closed(int k) = 0;  // destroy it
    virtual void focus_model_window(int k) = 0;
    virtual void show_palette(int i) = 0;
    virtual void window_menu_changed() = 0;
};

struct LibraryLabel {
    std::string caption;
    std::string tag;        // the library's path
    int left = 0, top = 0;  // twips
};

struct WindowMenuItem {
    int k = 0;            // the window number it shows
    std::string caption;  // "&1 MODEL1"
};

// The main window as plain state: libraries, palettes, the registry of model
// windows and the Window list.
class MainWindow {
  public:
    MainWindow(AppState& app, Ports& ports, Desktop& desktop, std::string command_line);

    // Form_Activate: the first activation runs inicio; every one runs ventana.
    void Form_Activate();
    void inicio();
    void cargar(const std::string& path, int i);

    void new_Click();
    void open_Click();
    // Opens the model file `path` as Open Model does once its dialog has
    // answered: an open one comes to the front instead.
    void open_model(const std::string& path);
    // Models the start opens after the command line's one, in order.
    void open_at_start(std::vector<std::string> paths) { more_models_ = std::move(paths); }
    // Exit: asks each model window with changes whether to save it, then
    // closes them all; false, with every window left open, on a Cancel.
    bool exit_Click();
    void window_Click(int k);
    void Label1_DblClick(int i);

    // Closes model window k through its closing question; false when cancelled.
    bool descargar(int k);

    // Opens the recovery copy `copy` in a new window that stands for
    // `origin`. The window's number, or 0 when none was opened.
    int open_recovered(const std::string& copy, const RecoveryOrigin& origin);
    void ventana();

    // The model window's own close box (or its Close command).
    bool close_requested(int k);

    ModelDocument* model_window(int k) { return modelwins_[static_cast<std::size_t>(k)].get(); }
    Palette* palette(int i) { return palettes_[static_cast<std::size_t>(i)].get(); }
    bool is_open(int k) const { return winopen_[static_cast<std::size_t>(k)] != 0; }

    std::vector<LibraryLabel> labels;         // Label1(1..), in library order
    std::vector<WindowMenuItem> window_menu;  // the Window list after the blank item

  private:
    int find_window_number();
    // Closes window k, asking its closing question first when `ask`.
    bool unload(int k, bool ask);

    AppState& app_;
    Ports& ports_;
    Desktop& desktop_;
    std::string cmdline_;
    std::vector<std::string> more_models_;
    std::int16_t firstact_ = kTrue;
    std::array<std::unique_ptr<ModelDocument>, kMaxModelWindows + 1> modelwins_;
    std::array<std::int16_t, kMaxModelWindows + 1> winopen_{};
    std::array<std::unique_ptr<Palette>, kMaxLibraries + 1> palettes_;
};

}  // namespace vantor
