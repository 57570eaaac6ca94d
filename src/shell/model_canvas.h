#pragma once

#include <QWidget>
#include <functional>

namespace vantor {
class ModelDocument;
}

namespace vantor::shell {

// The drawing area of a model window: 20000 × 20000 twips showing the
// document's line controls and glyphs, and the drop target for palette
// entries. It lives in a scroll area, so its own coordinates are already the
// scrolled ones.
class ModelCanvas : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kExtentTwips = 20000;

    // `dropped` receives the drop point in twips.
    ModelCanvas(const ModelDocument& document, std::function<void(float, float)> dropped,
                QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    const ModelDocument& document_;
    std::function<void(float, float)> dropped_;
};

}  // namespace vantor::shell
