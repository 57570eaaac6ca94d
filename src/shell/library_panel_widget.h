#pragma once

#include <QDockWidget>
#include <QString>
#include <vector>

#include "app/library_panel.h"

class QListWidget;
class QListWidgetItem;
class QMimeData;
class QTabWidget;

namespace vantor {
struct AppState;
class Ports;
}  // namespace vantor

namespace vantor::shell {

class PanelPlacement;

// The libraries of the program folder as a panel of the main window, a tab
// each, listing the entries by their glyph captions. An entry is dragged
// onto a model window as from its palette window; a click chooses it for
// the next click on a model window's empty canvas to place it there (see
// PanelPlacement), and a second click, Escape or a right click lets it go.
class LibraryPanelWidget : public QDockWidget {
    Q_OBJECT

  public:
    LibraryPanelWidget(AppState& app, Ports& ports, QWidget* parent = nullptr);
    ~LibraryPanelWidget() override;

    // Lists the main window's libraries, each read afresh; a tab is built
    // again only when what it lists changed.
    void list(const std::vector<LibraryLabel>& labels);

    LibraryPanel& core() { return panel_; }
    QTabWidget* tabs() const { return tabs_; }
    // The list of library i (1-based), or null.
    QListWidget* entry_list(int i) const;

    // A click on entry `entry` of library i, and the letting go of the
    // chosen entry.
    void click_entry(int i, int entry);
    void disarm();

    // What a drag of entry `entry` of library i carries, once the entry is
    // captured as its palette's drag captures it; null when nothing was.
    QMimeData* drag_data(int i, int entry);
    // The drag went nowhere: as a palette does, the next drag captures again.
    void drag_ignored(int i);

  Q_SIGNALS:
    // The text to show while an entry waits to be placed, empty once none does.
    void prompt_changed(const QString& text);

  private:
    void fill(int i, const std::vector<PanelEntry>& entries, const std::string& error);
    void show_armed();
    void drop_tab(int i);

    AppState& app_;
    Ports& ports_;
    LibraryPanel panel_;
    QTabWidget* tabs_;
    std::vector<std::vector<PanelEntry>> shown_;  // what each tab lists
    std::vector<std::string> errors_;             // why a tab's library could not be read
    PanelPlacement* placement_;
};

}  // namespace vantor::shell
