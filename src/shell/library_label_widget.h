#pragma once

#include <QLabel>
#include <functional>

namespace vantor::shell {

// A library's label on the main window; a double click opens its palette.
class LibraryLabelWidget : public QLabel {
    Q_OBJECT

  public:
    LibraryLabelWidget(const QString& caption, std::function<void()> double_clicked,
                       QWidget* parent = nullptr);

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    std::function<void()> double_clicked_;
};

}  // namespace vantor::shell
