#include "shell/model_canvas.h"

// The outline and the status text that tell, while the pointer is about, what
// the bond-drawing handlers would do: they read the state and never change it.

#include <QPainter>
#include <QPen>

#include "editor/bond_feedback.h"
#include "paint/window_painter.h"
#include "shell/zoomed_view.h"

namespace vantor::shell {

namespace {

constexpr int kOutlineGap = 3;    // pixels between the glyph and its outline
constexpr int kOutlineWidth = 2;  // pixels
const QColor kOutlineColour = QColor::fromRgb(0, 120, 215);

}  // namespace

QRect ModelCanvas::highlight_rect(int element) const {
    if (window_ == nullptr || element < 1 || element > window_->model.nobj) return {};
    const Glyph& g = window_->image1[static_cast<std::size_t>(element)];
    if (!g.visible) return {};
    const paint::ViewOrigin origin = paint::scroll_origin(*window_);
    const QRect glyph(paint::to_pixels(g.left - origin.x), paint::to_pixels(g.top - origin.y),
                      paint::to_pixels(g.width), paint::to_pixels(g.height));
    return glyph.adjusted(-kOutlineGap, -kOutlineGap, kOutlineGap, kOutlineGap);
}

void ModelCanvas::update_bond_feedback() {
    BondFeedback feedback;
    if (window_ != nullptr && (pointer_inside_ || window_->Line1.visible)) {
        feedback = bond_feedback(*window_, pixel_to_twips_x(*window_, pointer_.x(), zoom()),
                                 pixel_to_twips_y(*window_, pointer_.y(), zoom()),
                                 router_.held_buttons() != 0);
    }
    const QRect rect = highlight_rect(feedback.highlight);
    if (feedback.highlight != highlighted_ || rect != highlighted_rect_) {
        const int pen = kOutlineWidth;
        for (const QRect& area : {highlighted_rect_, rect}) {
            if (!area.isNull()) update(to_screen(area.adjusted(-pen, -pen, pen, pen), zoom()));
        }
        highlighted_ = feedback.highlight;
        highlighted_rect_ = rect;
    }
    const QString hint = QString::fromStdString(feedback.status);
    if (hint != hint_) {
        hint_ = hint;
        Q_EMIT bond_hint(hint_);
    }
}

void ModelCanvas::paint_bond_feedback(QPainter& painter) const {
    if (highlighted_rect_.isNull()) return;
    painter.save();
    QPen pen(kOutlineColour, kOutlineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(highlighted_rect_);
    painter.restore();
}

void ModelCanvas::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    pointer_inside_ = false;
    update_bond_feedback();
}

}  // namespace vantor::shell
