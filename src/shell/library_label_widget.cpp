#include "shell/library_label_widget.h"

#include <QMouseEvent>

namespace vantor::shell {

LibraryLabelWidget::LibraryLabelWidget(const QString& caption, std::function<void()> double_clicked,
                                       QWidget* parent)
    : QLabel(caption, parent), double_clicked_(std::move(double_clicked)) {
    setTextFormat(Qt::PlainText);
    setToolTip(QStringLiteral("Double-click to show this library"));
}

void LibraryLabelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) double_clicked_();
}

}  // namespace vantor::shell
