#include "shell/palette_widget.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>

#include "app/element_summary.h"
#include "app/palette.h"
#include "model/text.h"
#include "paint/glyph_painter.h"
#include "paint/qt_text.h"
#include "shell/element_drag.h"

namespace vantor::shell {

namespace {

// Room around the entries when the window first fits them.
constexpr int kMarginPixels = 16;

}  // namespace

PaletteWidget::PaletteWidget(Palette& palette, AppState& app, Ports& ports, QWidget* parent)
    : QWidget(parent, Qt::Window), palette_(palette), app_(app), ports_(ports) {
    setWindowTitle(QString::fromStdString(palette_.caption));
    setAcceptDrops(true);
    setAutoFillBackground(true);
    resize(320, 160);
}

void PaletteWidget::reread() {
    palette_.Form_GotFocus(app_, ports_);
    setWindowTitle(QString::fromStdString(palette_.caption));
    if (!fitted_) fit_to_entries();
    update();
}

void PaletteWidget::fit_to_entries() {
    QRect extent;
    for (int i = 1; i <= kPaletteEntries; ++i) {
        const Glyph& glyph = palette_.image1[static_cast<std::size_t>(i)];
        if (glyph.visible) extent |= paint::glyph_rect(glyph);
    }
    if (extent.isEmpty()) return;
    fitted_ = true;
    resize(std::max(width(), extent.right() + kMarginPixels),
           std::max(height(), extent.bottom() + kMarginPixels));
}

int PaletteWidget::glyph_at(QPoint pos) const {
    // The glyph painted last lies on top.
    for (int i = kPaletteEntries; i >= 1; --i) {
        const Glyph& glyph = palette_.image1[static_cast<std::size_t>(i)];
        if (glyph.visible && paint::glyph_rect(glyph).contains(pos)) return i;
    }
    return 0;
}

bool PaletteWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) reread();
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int entry = glyph_at(help->pos());
        const std::string summary =
            entry == 0
                ? std::string()
                : element_summary(
                      app_, std::string(palette_.objs[static_cast<std::size_t>(entry)].type.raw()));
        if (summary.empty()) {
            QToolTip::hideText();
        } else {
            // The description files are Windows-1252, as the models are.
            QToolTip::showText(help->globalPos(),
                               paint::caption_lines(summary).join(QLatin1Char(' ')), this);
        }
        return true;
    }
    return QWidget::event(event);
}

void PaletteWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor paper = palette().color(QPalette::Window);
    // Entries past the library's end keep what they showed before, so every
    // visible glyph is painted, not only the first entries().
    for (int i = 1; i <= kPaletteEntries; ++i) {
        paint::paint_glyph(painter, palette_.image1[static_cast<std::size_t>(i)], paper);
    }
}

void PaletteWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton ? glyph_at(event->position().toPoint()) : 0;
    press_pos_ = event->position().toPoint();
}

void PaletteWidget::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ == 0 || !(event->buttons() & Qt::LeftButton)) return;
    if ((event->position().toPoint() - press_pos_).manhattanLength() <
        QApplication::startDragDistance()) {
        return;
    }
    const int entry = pressed_;
    pressed_ = 0;
    start_drag(entry);
}

void PaletteWidget::start_drag(int entry) {
    // A drag starts over the glyph it drags, which captures that entry.
    palette_.image1_DragOver(app_, entry);

    const Glyph& glyph = palette_.image1[static_cast<std::size_t>(entry)];
    const QRect rect = paint::glyph_rect(glyph);
    QPixmap picture(rect.size().expandedTo(QSize(1, 1)));
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.translate(-rect.topLeft());
        paint::paint_glyph(painter, glyph, palette().color(QPalette::Window));
    }

    auto* data = new QMimeData;
    data->setData(kElementMimeType,
                  element_drag_bytes({QString::fromStdString(nombrecorto(palette_.tag)), entry}));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(picture);
    drag->setHotSpot(press_pos_ - rect.topLeft());
    // A drag that nobody takes falls back on the palette, so the next drag
    // captures its own entry again.
    if (drag->exec(Qt::CopyAction) == Qt::IgnoreAction) palette_.Form_DragDrop(app_);
}

void PaletteWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kElementMimeType)) event->acceptProposedAction();
}

void PaletteWidget::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    palette_.Form_DragDrop(app_);
    activateWindow();
}

void PaletteWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace vantor::shell
