#include "app/main_window.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "model/file_error.h"
#include "model/text.h"

namespace vantor {
namespace {

std::string to_upper_ascii(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

// The "*.lib" files of a folder, in alphabetical order.
std::vector<std::string> library_files(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.path().extension() == ".lib") names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

MainWindow::MainWindow(AppState& app, Ports& ports, Desktop& desktop, std::string command_line)
    : app_(app), ports_(ports), desktop_(desktop), cmdline_(trim_blanks(command_line)) {}

void MainWindow::Form_Activate() {
    if (firstact_ != kFalse) {
        firstact_ = kFalse;
        inicio();
    }
    ventana();
}

void MainWindow::inicio() {
    app_.helpfile = help_file_path(app_.program_dir);
    ports_.set_busy_pointer(true);
    const std::vector<std::string> files = library_files(library_folder(app_));
    app_.colnorm = 0;
    app_.colsel = 255;
    const int count = std::min<int>(static_cast<int>(files.size()), kMaxLibraries);
    for (int i = 1; i <= count; ++i) cargar(library_folder(app_) + "/" + files[i - 1], i);
    ports_.set_busy_pointer(false);
    if (files.size() > kMaxLibraries) {
        tell(ports_,
             "Only 20 libraries can be listed: the other " +
                 std::to_string(files.size() - kMaxLibraries) + " in " + library_folder(app_) +
                 " are left out.",
             MessageKind::kWarning);
    }
    if (!cmdline_.empty()) open_Click();
    for (const std::string& path : std::exchange(more_models_, {})) open_model(path);
}

void MainWindow::cargar(const std::string& path, int i) {
    int left = 360 + 1500 * (i - 1);
    int top = 240;
    while (left >= 7500) {
        left -= 7500;
        top += 1000;
    }
    labels.push_back({nombrecorto(path), path, left, top});
    palettes_[static_cast<std::size_t>(i)] = std::make_unique<Palette>(path, nombrecorto(path));
}

void MainWindow::Label1_DblClick(int i) {
    Palette* p = palette(i);
    if (p == nullptr) return;
    const LibraryLabel& label = labels[static_cast<std::size_t>(i) - 1];
    p->caption = label.caption;
    p->tag = label.tag;
    p->left = 300 + 200 * i;
    p->top = 2000 + 200 * i;
    desktop_.show_palette(i);
}

int MainWindow::find_window_number() {
    int k = 0;
    for (int n = 1; n <= app_.nwin && k == 0; ++n) {
        if (winopen_[static_cast<std::size_t>(n)] == 0) k = n;
    }
    if (k == 0) {
        if (app_.nwin == kMaxModelWindows) return 0;
        k = ++app_.nwin;
    }
    app_.nextnum = static_cast<std::int16_t>(k);
    return k;
}

void MainWindow::new_Click() {
    app_.openpath.clear();
    const int k = find_window_number();
    if (k == 0) {
        tell(ports_, "No more than 50 model windows can be open at once.", MessageKind::kWarning);
        return;
    }
    auto doc = std::make_unique<ModelDocument>(app_, ports_);
    doc->tag = to_upper_ascii(app_.program_dir + "/model" + std::to_string(k) + ".bgf");
    doc->caption = nombrecorto(doc->tag);
    winopen_[static_cast<std::size_t>(k)] = kTrue;
    modelwins_[static_cast<std::size_t>(k)] = std::move(doc);
    desktop_.model_window_opened(k);
    ventana();
}

void MainWindow::open_Click() {
    std::string chosen;
    if (cmdline_.empty()) {
        const auto picked =
            ports_.open_file({"Load Model", kModelFilter, app_.program_dir, "", true, false});
        if (picked) chosen = trim_blanks(*picked);
    } else {
        chosen = cmdline_;
        cmdline_.clear();
    }
    app_.openpath.clear();
    if (chosen.empty()) return;
    open_model(chosen);
}

void MainWindow::open_model(const std::string& chosen) {
    int duplicate = 0;
    for (int k = 1; k <= app_.nwin; ++k) {
        if (is_open(k) && model_window(k)->tag == chosen) {
            tell(ports_, "File has been already opened");
            duplicate = k;
        }
    }
    if (duplicate != 0) {
        // The window that has the file comes to the front, where the user
        // looks for it.
        desktop_.focus_model_window(duplicate);
        return;
    }

    const int k = find_window_number();
    if (k == 0) {
        tell(ports_, "No more than 50 model windows can be open at once.", MessageKind::kWarning);
        return;
    }
    app_.openpath = chosen;
    std::unique_ptr<ModelDocument> doc;
    try {
        doc = std::make_unique<ModelDocument>(app_, ports_);
    } catch (const FileError& e) {
        // Nothing is opened: the number stays free for the next window.
        app_.openpath.clear();
        tell(ports_, std::string("The model cannot be opened: ") + e.what(), MessageKind::kError);
        return;
    }
    app_.openpath.clear();
    doc->tag = chosen;
    doc->caption = nombrecorto(chosen);
    winopen_[static_cast<std::size_t>(k)] = kTrue;
    modelwins_[static_cast<std::size_t>(k)] = std::move(doc);
    desktop_.model_window_opened(k);
    ventana();
}

int MainWindow::open_recovered(const std::string& copy, const RecoveryOrigin& origin) {
    const int k = find_window_number();
    if (k == 0) {
        tell(ports_, "No more than 50 model windows can be open at once.", MessageKind::kWarning);
        return 0;
    }
    app_.openpath = copy;
    std::unique_ptr<ModelDocument> doc;
    try {
        doc = std::make_unique<ModelDocument>(app_, ports_);
    } catch (const FileError& e) {
        app_.openpath.clear();
        tell(ports_, std::string("The model cannot be recovered: ") + e.what(),
             MessageKind::kError);
        return 0;
    }
    app_.openpath.clear();
    // A new model's copy takes the made-up name of the window it opens in.
    doc->take_recovered(
        origin.named && !origin.path.empty()
            ? origin.path
            : to_upper_ascii(app_.program_dir + "/model" + std::to_string(k) + ".bgf"),
        origin.named);
    winopen_[static_cast<std::size_t>(k)] = kTrue;
    modelwins_[static_cast<std::size_t>(k)] = std::move(doc);
    desktop_.model_window_opened(k);
    ventana();
    return k;
}

bool MainWindow::descargar(int k) {
    return unload(k, true);
}

bool MainWindow::unload(int k, bool ask) {
    if (!is_open(k)) return true;
    app_.closecancel = kFalse;
    app_.closing = kTrue;
    if (ask && !model_window(k)->confirm_close()) app_.closecancel = kTrue;
    const bool closed = app_.closecancel != kTrue;
    if (closed) {
        winopen_[static_cast<std::size_t>(k)] = kFalse;
        desktop_.model_window_closed(k);
        modelwins_[static_cast<std::size_t>(k)].reset();
    }
    app_.closing = kFalse;
    ventana();
    return closed;
}

bool MainWindow::close_requested(int k) {
    // Every closing goes through descargar, whoever asked for it.
    return app_.closing == kTrue ? true : descargar(k);
}

bool MainWindow::exit_Click() {
    // Every question is asked before any window closes, so that a Cancel
    // leaves all of them open as they were.
    for (int k = 1; k <= app_.nwin; ++k) {
        if (!is_open(k)) continue;
        if (!model_window(k)->confirm_close()) {
            app_.closecancel = kTrue;
            return false;
        }
    }
    for (int k = 1; k <= app_.nwin; ++k) unload(k, false);
    return true;
}

void MainWindow::window_Click(int k) {
    if (is_open(k)) desktop_.focus_model_window(k);
}

void MainWindow::ventana() {
    window_menu.clear();
    int c = 0;
    for (int k = 1; k <= app_.nwin; ++k) {
        if (is_open(k)) {
            window_menu.push_back({k, "&" + std::to_string(++c) + " " + model_window(k)->caption});
        }
    }
    desktop_.window_menu_changed();
}

}  // namespace vantor
