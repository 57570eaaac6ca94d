#include "shell/model_status.h"

#include <QLabel>
#include <QStatusBar>
#include <cmath>

namespace vantor::shell {

namespace {

QLabel* add_field(QStatusBar& bar, const char* name) {
    auto* label = new QLabel(&bar);
    label->setObjectName(QString::fromLatin1(name));
    bar.addPermanentWidget(label);
    return label;
}

QString counted(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

}  // namespace

ModelStatus::ModelStatus(QStatusBar& bar)
    : bar_(&bar),
      pointer_(add_field(bar, "pointer")),
      counts_(add_field(bar, "counts")),
      zoom_(add_field(bar, "zoom")) {}

QString ModelStatus::pointer_text(float x, float y) {
    return QStringLiteral("X %1  Y %2").arg(std::lround(x)).arg(std::lround(y));
}

QString ModelStatus::counts_text(const DrawnCounts& counts) {
    return counted(counts.elements, "element", "elements") + QStringLiteral(", ") +
           counted(counts.bonds, "bond", "bonds") + QStringLiteral(", ") +
           counted(counts.links, "signal link", "signal links");
}

QString ModelStatus::zoom_text(int percent) {
    return QStringLiteral("%1 %").arg(percent);
}

void ModelStatus::show_pointer(float x, float y) {
    pointer_->setText(pointer_text(x, y));
}

void ModelStatus::show_counts(const DrawnCounts& counts) {
    const QString text = counts_text(counts);
    if (counts_->text() != text) counts_->setText(text);
}

void ModelStatus::show_zoom(int percent) {
    zoom_->setText(zoom_text(percent));
}

void ModelStatus::show_hint(const QString& text) {
    if (!text.isEmpty()) {
        bar_->showMessage(text);
    } else if (!hint_.isEmpty() && bar_->currentMessage() == hint_) {
        bar_->clearMessage();
    }
    hint_ = text;
}

}  // namespace vantor::shell
