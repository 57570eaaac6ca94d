#include "shell/caption_editor.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRectF>
#include <QTextCursor>

#include "model/cp1252.h"
#include "paint/qt_text.h"

namespace vantor::shell {

namespace {

// Pixels between the frame and the text, as little as the glyph's own.
constexpr int kTextInset = 1;

}  // namespace

CaptionEditor::CaptionEditor(Forward forward, QWidget* canvas)
    : QPlainTextEdit(canvas), forward_(std::move(forward)) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(kTextInset);
    setContextMenuPolicy(Qt::NoContextMenu);
    hide();
    connect(this, &QPlainTextEdit::textChanged, this, [this] { typed(); });
}

QString CaptionEditor::shown_text(const std::string& cp1252) {
    return paint::caption_lines(cp1252).join(QLatin1Char('\n'));
}

std::string CaptionEditor::box_text(const QString& shown) {
    QString text = shown;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return utf8_to_cp1252(text.toStdString());
}

void CaptionEditor::follow(const TextBox& box, paint::ViewOrigin origin, double zoom) {
    if (!box.visible || !forward_) {
        if (isVisible()) hide();
        return;
    }
    following_ = true;
    const QRect at(paint::to_pixels(box.left - origin.x), paint::to_pixels(box.top - origin.y),
                   paint::to_pixels(box.width), paint::to_pixels(box.height));
    setGeometry(
        zoom == 1
            ? at
            : QRectF(at.x() * zoom, at.y() * zoom, at.width() * zoom, at.height() * zoom).toRect());
    const QFont font =
        paint::control_font(box.font_name, static_cast<float>(box.font_size * zoom), box.bold);
    if (this->font() != font) setFont(font);
    // Text the user typed comes back unchanged: leave the cursor alone then.
    if (box_text(toPlainText()) != box.text) {
        setPlainText(shown_text(box.text));
        moveCursor(QTextCursor::End);
    }
    following_ = false;
    if (!isVisible()) show();
    if (box.focused && !hasFocus()) setFocus(Qt::OtherFocusReason);
}

void CaptionEditor::detach() {
    forward_ = nullptr;
    hide();
}

void CaptionEditor::typed() {
    if (following_ || !forward_ || !isVisible()) return;
    EditorEvent event;
    event.kind = EventKind::kText1Change;
    event.text = box_text(toPlainText());
    forward_(event);
}

void CaptionEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && parentWidget() != nullptr) {
        parentWidget()->setFocus(Qt::OtherFocusReason);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CaptionEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    // A menu or another window takes the keyboard for a while only: the box
    // keeps its text and gets the keys again when they are done.
    const Qt::FocusReason reason = event->reason();
    if (!forward_ || reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    EditorEvent lost;
    lost.kind = EventKind::kText1LostFocus;
    forward_(lost);
}

}  // namespace vantor::shell
