#include "shell/view_menu.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "shell/model_canvas.h"

namespace vantor::shell {

void add_view_menu(QMenuBar& bar, ModelCanvas& canvas) {
    QMenu* view = bar.addMenu(QStringLiteral("&View"));
    QAction* in = view->addAction(QStringLiteral("Zoom &In"), &canvas, &ModelCanvas::zoom_in);
    in->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* out = view->addAction(QStringLiteral("Zoom &Out"), &canvas, &ModelCanvas::zoom_out);
    out->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    view->addSeparator();
    QAction* actual =
        view->addAction(QStringLiteral("&Actual Size"), &canvas, &ModelCanvas::actual_size);
    actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    QAction* fit =
        view->addAction(QStringLiteral("Zoom to &Fit"), &canvas, &ModelCanvas::zoom_to_fit);
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_9));
}

}  // namespace vantor::shell
