#include "paint/drawing_file.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "model/file_error.h"
#include "model/file_saving.h"
#include "model/text.h"
#include "paint/drawing_picture.h"
#include "paint/glyph_painter.h"
#include "paint/model_print.h"

namespace vantor::paint {

namespace {

// The twips the printed picture takes, with the margin around the drawing;
// an empty drawing gives a blank square of twice the margin.
QRectF framed_twips(const ModelWindow& window) {
    constexpr double kMargin = kRenderMargin * kTwipsPerPixel;
    QRectF extent = printed_extent(window);
    if (extent.isNull()) extent = QRectF(0, 0, 0, 0);
    const QRectF framed = extent.adjusted(-kMargin, -kMargin, kMargin, kMargin);
    // Whole twips, so the picture's size and the drawing's offset are exact.
    return QRectF(QPointF(std::floor(framed.left()), std::floor(framed.top())),
                  QPointF(std::ceil(framed.right()), std::ceil(framed.bottom())));
}

// The printed picture at the screen's scale, 15 twips a pixel.
QByteArray png_bytes(const ModelWindow& window) {
    const QRectF framed = framed_twips(window);
    QImage image(static_cast<int>(std::ceil(framed.width() / kTwipsPerPixel)),
                 static_cast<int>(std::ceil(framed.height() / kTwipsPerPixel)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    print_drawing(painter, window, framed.topLeft());
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Qt names the one font the drawing uses; where that font is missing, a
// viewer falls back to its default, often proportional, and the captions no
// longer fit their glyphs. Metric-compatible and generic monospace fonts are
// named after it.
QByteArray with_monospace_fallbacks(QByteArray svg) {
    return svg.replace(
        QByteArrayLiteral("font-family=\"Courier New\""),
        QByteArrayLiteral("font-family=\"'Courier New', 'Liberation Mono', monospace\""));
}

QByteArray svg_bytes(const ModelWindow& window) {
    const QRectF framed = framed_twips(window);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    // One unit a twip: the file's coordinates are the drawing's, less the crop.
    svg.setResolution(static_cast<int>(kTwipsPerInch));
    svg.setSize(framed.size().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), framed.size()));
    svg.setTitle(QStringLiteral("Vantor model"));
    QPainter painter(&svg);
    print_drawing(painter, window, framed.topLeft());
    painter.end();
    return with_monospace_fallbacks(bytes);
}

QByteArray pdf_bytes(const ModelWindow& window) {
    const QRectF framed = framed_twips(window);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(static_cast<int>(kTwipsPerInch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    // A point is 20 twips.
    pdf.setPageSize(
        QPageSize(framed.size() / 20, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setTitle(QStringLiteral("Vantor model"));
    pdf.setCreator(QStringLiteral("Vantor"));
    QPainter painter(&pdf);
    use_twips(painter);
    print_drawing(painter, window, framed.topLeft());
    painter.end();
    return bytes;
}

}  // namespace

std::optional<PictureFormat> picture_format_of(const std::string& path) {
    const std::string extension = extension_of(path);
    if (extension == "png") return PictureFormat::kPng;
    if (extension == "svg") return PictureFormat::kSvg;
    if (extension == "pdf") return PictureFormat::kPdf;
    return std::nullopt;
}

std::string picture_bytes(const ModelWindow& window, PictureFormat format) {
    QByteArray bytes;
    switch (format) {
        case PictureFormat::kPng:
            bytes = png_bytes(window);
            break;
        case PictureFormat::kSvg:
            bytes = svg_bytes(window);
            break;
        case PictureFormat::kPdf:
            bytes = pdf_bytes(window);
            break;
    }
    return bytes.toStdString();
}

void write_drawing(const ModelWindow& window, const std::string& path) {
    const std::optional<PictureFormat> format = picture_format_of(path);
    if (!format) throw FileError(path, "the name ends in none of .png, .svg and .pdf");
    const std::string bytes = picture_bytes(window, *format);
    if (bytes.empty()) throw FileError(path, "the picture could not be made");
    save_file(path, bytes);
}

}  // namespace vantor::paint
