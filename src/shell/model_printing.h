#pragma once

#include <QRectF>
#include <QString>

#include "app/model_document.h"
#include "app/ports.h"
#include "paint/page_fit.h"

class QPrinter;
class QSettings;
class QWidget;

namespace vantor::shell {

// Prints the printed picture of a model window (print_drawing) on `printer`
// as one page: at its actual size, one twip to a twip with the drawing's
// origin on the page's corner, or fitted to the page's printable area
// (fit_on_page). The printer's reason when it failed, else an empty text.
QString print_page(QPrinter& printer, const ModelWindow& window,
                   paint::PageFit fit = paint::PageFit::kActualSize);

// The printable area of a fitted page, in twips from the page's corner: the
// page less the printer's margins, each at least kFitMarginTwips.
QRectF printable_twips(const QPrinter& printer);
inline constexpr double kFitMarginTwips = 720;  // half an inch

// File > Print Model: the page on the default printer, laid out as `fit`
// says (the caller passes what Print Options last chose). Where no printer is
// installed, the window offers to write the page to a PDF file instead. A
// failure is reported with the printer's reason; the window stays as it was.
void print_Click(ModelDocument& document, Ports& ports, paint::PageFit fit);

// The same through the common print dialog: a printer of the user's choice,
// or a file, and on a tab of its own the page's layout, fit to page or
// actual size, which is remembered for the next print.
void print_with_dialog(ModelDocument& document, Ports& ports, QWidget* parent, QSettings& settings);

// File > Export Picture: the drawing as a PNG, SVG or PDF file of the user's
// choice (drawing_file). False when cancelled or the file could not be
// written, which is reported.
bool export_picture_Click(ModelDocument& document, Ports& ports);

}  // namespace vantor::shell
