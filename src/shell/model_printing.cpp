#include "shell/model_printing.h"

#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <algorithm>

#include "display/redraw.h"
#include "model/file_error.h"
#include "model/file_saving.h"
#include "paint/drawing_file.h"
#include "paint/model_print.h"
#include "shell/page_fit_choice.h"

namespace vantor::shell {

namespace {

constexpr double kTwipsPerPoint = 20;

// Captions, ports and bonds brought up to date before anything is printed.
void bring_drawing_up_to_date(ModelDocument& document) {
    document.run([](ModelWindow& window, AppState& app) {
        refresco(window, app);
        refresco(window, app);
    });
}

// The reason a printer gives, or a plain one where it gives none.
QString printer_reason(const QPrinter& printer) {
    const QString name =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    return QStringLiteral("The printer \"%1\" could not print the page.").arg(name);
}

void report_failure(Ports& ports, const QString& reason) {
    ports.message_box({("The model could not be printed.\n" + reason).toStdString(),
                       MessageButtons::kOk, MessageKind::kError});
}

void print_and_report(QPrinter& printer, ModelDocument& document, Ports& ports,
                      paint::PageFit fit) {
    bring_drawing_up_to_date(document);
    const QString reason = print_page(printer, document.window, fit);
    if (!reason.isEmpty()) report_failure(ports, reason);
}

std::string pdf_name_for(const ModelDocument& document) {
    const std::string stem = document.caption.empty() ? "model" : document.caption;
    return stem + ".pdf";
}

}  // namespace

QRectF printable_twips(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QRectF page = layout.fullRect(QPageLayout::Point);
    const QMarginsF margins = layout.margins(QPageLayout::Point);
    const auto twips = [](double points) { return points * kTwipsPerPoint; };
    const auto margin = [&twips](double points) {
        return std::max(twips(points), kFitMarginTwips);
    };
    return QRectF(QPointF(twips(page.left()) + margin(margins.left()),
                          twips(page.top()) + margin(margins.top())),
                  QPointF(twips(page.right()) - margin(margins.right()),
                          twips(page.bottom()) - margin(margins.bottom())));
}

QString print_page(QPrinter& printer, const ModelWindow& window, paint::PageFit fit) {
    // The painter's origin is the page's corner. At the actual size it is
    // the drawing's too: no margins, nothing centred.
    printer.setFullPage(true);
    if (fit == paint::PageFit::kActualSize) {
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    }
    printer.setFromTo(0, 0);
    printer.setCopyCount(1);
    const QRectF printable = printable_twips(printer);
    QPainter painter;
    if (!painter.begin(&printer)) return printer_reason(printer);
    paint::use_twips(painter);
    if (fit == paint::PageFit::kFitToPage) {
        const paint::PagePlacement placed =
            paint::fit_on_page(paint::printed_extent(window), printable);
        painter.translate(placed.offset);
        painter.scale(placed.scale, placed.scale);
    }
    paint::print_drawing(painter, window);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return printer_reason(printer);
    }
    return {};
}

void print_Click(ModelDocument& document, Ports& ports, paint::PageFit fit) {
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    if (!installed.isNull()) {
        QPrinter printer(installed, QPrinter::HighResolution);
        print_and_report(printer, document, ports, fit);
        return;
    }
    const MessageAnswer answer = ports.message_box(
        {"No printer is installed. Save the page as a PDF file instead?",
         MessageButtons::kYesNoCancel, MessageKind::kWarning, MessageAnswer::kYes});
    if (answer != MessageAnswer::kYes) return;
    const std::optional<std::string> path =
        ports.save_file({"Print Model to PDF", "PDF Files (*.pdf)|*.pdf|", document.dialog_folder,
                         pdf_name_for(document), false, true});
    if (!path) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*path));
    print_and_report(printer, document, ports, fit);
}

void print_with_dialog(ModelDocument& document, Ports& ports, QWidget* parent,
                       QSettings& settings) {
    QPrinter printer(QPrinter::HighResolution);
    if (!document.dialog_folder.empty()) {
        printer.setOutputFileName(QFileInfo(QString::fromStdString(document.dialog_folder) +
                                            QLatin1Char('/') +
                                            QString::fromStdString(pdf_name_for(document)))
                                      .absoluteFilePath());
        printer.setOutputFormat(QPrinter::NativeFormat);
    }
    QPrintDialog dialog(&printer, parent);
    // One page: nothing to choose but the printer or a file, and how the
    // drawing lies on the page.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    dialog.setWindowTitle(QStringLiteral("Print Model"));
    auto* layout = new PageFitTab(stored_page_fit(settings));
    dialog.setOptionTabs({layout});
    if (dialog.exec() != QDialog::Accepted) return;
    const paint::PageFit fit = layout->fit();
    store_page_fit(settings, fit);
    print_and_report(printer, document, ports, fit);
}

bool export_picture_Click(ModelDocument& document, Ports& ports) {
    const std::string stem = document.caption.empty() ? "model" : document.caption;
    const std::optional<std::string> path = ports.save_file(
        {"Export Picture",
         "PNG Pictures (*.png)|*.png|SVG Pictures (*.svg)|*.svg|PDF Documents (*.pdf)|*.pdf|",
         document.dialog_folder, stem + ".png", false, true});
    if (!path) return false;
    bring_drawing_up_to_date(document);
    const std::optional<paint::PictureFormat> format = paint::picture_format_of(*path);
    try {
        if (!format) throw FileError(*path, "the name ends in none of .png, .svg and .pdf");
        save_file(*path, paint::picture_bytes(document.window, *format));
        return true;
    } catch (const FileError& e) {
        ports.message_box({std::string("The picture could not be written: ") + e.what(),
                           MessageButtons::kOk, MessageKind::kError});
        return false;
    }
}

}  // namespace vantor::shell
