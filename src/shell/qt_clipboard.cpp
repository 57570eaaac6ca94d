#include "shell/qt_clipboard.h"

#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

#include "paint/glyph_painter.h"
#include "paint/window_painter.h"

namespace vantor::shell {

QImage clipboard_image(const ClipboardPicture& picture) {
    const QSize size(std::max(1, paint::to_pixels(picture.width)),
                     std::max(1, paint::to_pixels(picture.height)));
    QImage image(size, QImage::Format_RGB32);
    const QColor paper = QColor::fromRgb(paint::kPaperRgb);
    image.fill(paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const LineControl& line : picture.lines) paint::paint_line(painter, line);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paint::FontBook fonts;
    for (const Glyph& glyph : picture.glyphs) paint::paint_glyph(painter, glyph, paper, {}, fonts);
    return image;
}

void QtClipboard::put_picture(const ClipboardPicture& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(clipboard_image(picture));
}

}  // namespace vantor::shell
