#pragma once

#include <QString>

#include "app/model_document.h"
#include "app/ports.h"

class QPrinter;
class QWidget;

namespace vantor::shell {

// Prints the printed picture of a model window (print_drawing) on `printer`
// as one page, one twip to a twip, the drawing's origin on the page's corner.
// The printer's reason when it failed, else an empty text.
QString print_page(QPrinter& printer, const ModelWindow& window);

// File > Print Model: the page on the default printer. Where no printer is
// installed, the window offers to write the page to a PDF file instead. A
// failure is reported with the printer's reason; the window stays as it was.
void print_Click(ModelDocument& document, Ports& ports);

// The same through the common print dialog: a printer of the user's choice,
// or a file.
void print_with_dialog(ModelDocument& document, Ports& ports, QWidget* parent);

// File > Export Picture: the drawing as a PNG, SVG or PDF file of the user's
// choice (drawing_file). False when cancelled or the file could not be
// written, which is reported.
bool export_picture_Click(ModelDocument& document, Ports& ports);

}  // namespace vantor::shell
