#include "shell/model_canvas.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>

#include "app/model_document.h"
#include "shell/element_drag.h"
#include "shell/glyph_painter.h"

namespace vantor::shell {

namespace {

const QColor kPaper = Qt::white;

bool carries_element(const QMimeData* data) {
    return data != nullptr && data->hasFormat(kElementMimeType);
}

}  // namespace

ModelCanvas::ModelCanvas(const ModelDocument& document, std::function<void(float, float)> dropped,
                         QWidget* parent)
    : QWidget(parent), document_(document), dropped_(std::move(dropped)) {
    const int side = (kExtentTwips + kTwipsPerPixel - 1) / kTwipsPerPixel;
    setFixedSize(side, side);
    setAcceptDrops(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kPaper);
    setPalette(colours);
}

void ModelCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    const int nlin = document_.window.model.nlin;
    for (int j = 1; j <= nlin; ++j) {
        paint_line(painter, document_.window.linea[j]);
        paint_line(painter, document_.window.linea2[j]);
        paint_line(painter, document_.window.Linea3[j]);
    }
    const int nobj = document_.window.model.nobj;
    for (int i = 1; i <= nobj; ++i) {
        const Glyph& glyph = document_.window.image1[i];
        if (glyph.visible && glyph_rect(glyph).intersects(exposed)) {
            paint_glyph(painter, glyph, kPaper);
        }
    }
}

void ModelCanvas::dragEnterEvent(QDragEnterEvent* event) {
    if (carries_element(event->mimeData())) event->acceptProposedAction();
}

void ModelCanvas::dragMoveEvent(QDragMoveEvent* event) {
    if (carries_element(event->mimeData())) event->acceptProposedAction();
}

void ModelCanvas::dropEvent(QDropEvent* event) {
    if (!carries_element(event->mimeData())) return;
    event->acceptProposedAction();
    const QPointF at = event->position();
    dropped_(static_cast<float>(at.x() * kTwipsPerPixel),
             static_cast<float>(at.y() * kTwipsPerPixel));
}

}  // namespace vantor::shell
