#pragma once

#include <QPoint>
#include <QWidget>

namespace vantor {
struct AppState;
class Palette;
class Ports;
}  // namespace vantor

namespace vantor::shell {

// The window of one library palette: shows the entries' glyphs, rereads the
// library whenever it is activated, and starts the drag of an entry. Closing
// only hides it.
class PaletteWidget : public QWidget {
    Q_OBJECT

  public:
    PaletteWidget(Palette& palette, AppState& app, Ports& ports, QWidget* parent = nullptr);

    // What activation does: reread the library and show it.
    void reread();

    // The entry whose glyph lies under `pos` (pixels), or 0.
    int glyph_at(QPoint pos) const;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void start_drag(int entry);
    void fit_to_entries();

    Palette& palette_;
    AppState& app_;
    Ports& ports_;
    int pressed_ = 0;  // the entry pressed on, while the button is down
    QPoint press_pos_;
    bool fitted_ = false;
};

}  // namespace vantor::shell
