#pragma once

#include <QMainWindow>
#include <array>

class QAction;
class QScrollArea;

namespace vantor {
struct AppState;
class MainWindow;
class ModelDocument;
class Ports;
}  // namespace vantor

namespace vantor::shell {

class ModelCanvas;

// The window of one model: paints its document and forwards its menus and
// drops to the document's handlers. Closing always goes through the main
// window's logic, which decides and then destroys this window.
class ModelWindowWidget : public QMainWindow {
    Q_OBJECT

  public:
    ModelWindowWidget(ModelDocument& document, AppState& app, Ports& ports, MainWindow& main,
                      QWidget* parent = nullptr);
    ~ModelWindowWidget() override;

    // Caption, menu states and drawing brought in line with the document.
    void sync();

    // The document is gone: nothing may reach it any more.
    void detach();

    ModelCanvas* canvas() const { return canvas_; }
    QScrollArea* scroll_area() const { return scroll_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void build_menus();
    void request_close();
    // Runs a handler of the document, then shows what it changed.
    template <typename Handler>
    void run(Handler handler);

    ModelDocument* document_;
    AppState& app_;
    Ports& ports_;
    MainWindow& main_;
    ModelCanvas* canvas_;
    QScrollArea* scroll_;
    QAction* delete_ = nullptr;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* show_parameters_ = nullptr;
    std::array<QAction*, 3> simulink_{};
};

}  // namespace vantor::shell
