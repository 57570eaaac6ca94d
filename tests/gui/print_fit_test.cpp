// Printing that fits: the layout's arithmetic, the page the printer then
// holds, and the choice that Print Options remembers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

#include "app/app_fakes.h"
#include "app/model_document.h"
#include "display/redraw.h"
#include "display/window_load.h"
#include "gui/program_folder.h"
#include "model/model_reader.h"
#include "paint/model_print.h"
#include "paint/page_fit.h"
#include "shell/model_printing.h"
#include "shell/page_fit_choice.h"

namespace vantor::test {
namespace {

using paint::PageFit;

TEST(PageFit, TheDrawingIsScaledDownOnlyAndCentred) {
    const QRectF printable(720, 720, 10000, 14000);  // centre (5720, 7720)
    const struct {
        const char* name;
        QRectF drawing;
        double scale;
        QPointF offset;
    } cases[] = {
        {"smaller than the page", {100, 200, 2000, 1000}, 1, {4620, 7020}},
        {"exactly the page", {0, 0, 10000, 14000}, 1, {720, 720}},
        {"wider", {0, 0, 20000, 1000}, 0.5, {720, 7470}},
        {"taller", {0, 0, 1000, 28000}, 0.5, {5470, 720}},
        {"wider and taller, height limits", {0, 0, 40000, 70000}, 0.2, {1720, 720}},
        {"far from the origin", {20000, 30000, 20000, 1000}, 0.5, {-9280, -7530}},
        {"a line of no height", {0, 500, 20000, 0}, 0.5, {720, 7470}},
        {"no drawing", {}, 1, {5720, 7720}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const paint::PagePlacement placed = paint::fit_on_page(c.drawing, printable);
        EXPECT_DOUBLE_EQ(placed.scale, c.scale);
        EXPECT_NEAR(placed.offset.x(), c.offset.x(), 1e-9);
        EXPECT_NEAR(placed.offset.y(), c.offset.y(), 1e-9);
        // What is drawn lies inside the printable area, centred.
        const QRectF on_page(placed.offset + c.drawing.topLeft() * placed.scale,
                             c.drawing.size() * placed.scale);
        EXPECT_LE(printable.left() - 1e-6, on_page.left());
        EXPECT_LE(on_page.right(), printable.right() + 1e-6);
        EXPECT_LE(printable.top() - 1e-6, on_page.top());
        EXPECT_LE(on_page.bottom(), printable.bottom() + 1e-6);
        EXPECT_NEAR(on_page.center().x(), printable.center().x(), 1e-6);
        EXPECT_NEAR(on_page.center().y(), printable.center().y(), 1e-6);
    }
}

bool have_tool(const char* name) {
    return !QStandardPaths::findExecutable(QString::fromUtf8(name)).isEmpty();
}

// The inked pixels' bounds of a PDF's page at 96 dots an inch (15 twips a
// dot), and the page's size.
struct Ink {
    QRect bounds;
    QSize page;
};
Ink ink_of(const QString& pdf) {
    const QString stem = pdf + QStringLiteral(".page");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-gray"),
                       QStringLiteral("-singlefile"), pdf, stem});
    const QImage page(stem + QStringLiteral(".pgm"));
    Ink ink{{}, page.size()};
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 128) ink.bounds |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// The series RLC circuit, its source moved `source_left` twips right.
ModelWindow series_rlc(AppState& app, int source_left = -1) {
    ModelWindow window;
    init_model_window(window, 1);
    window.model = read_model_file(example("series_rlc.bgf"));
    if (source_left >= 0) window.model.objs[1].left = static_cast<std::int16_t>(source_left);
    app.program_dir = VANTOR_DATA_DIR;
    show_loaded_model(window, app);
    refresco(window, app);
    refresco(window, app);
    return window;
}

QString print_to_pdf(const QTemporaryDir& dir, const char* name, const ModelWindow& window,
                     PageFit fit) {
    const QString pdf = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    EXPECT_EQ(shell::print_page(printer, window, fit), QString());
    return pdf;
}

// Through the printing routine: a drawing wider than the page is cut off at
// its actual size, and fitted lies whole inside the margins, scaled down and
// centred.
TEST(PageFit, AWideDrawingFittedLiesWholeOnThePage) {
    if (!have_tool("pdftoppm")) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QTemporaryDir dir;
    AppState app;
    const ModelWindow wide = series_rlc(app, 30000);
    const Ink cut = ink_of(print_to_pdf(dir, "cut", wide, PageFit::kActualSize));
    EXPECT_GT(paint::printed_extent(wide).right() / 15, cut.page.width());
    const Ink whole = ink_of(print_to_pdf(dir, "whole", wide, PageFit::kFitToPage));
    ASSERT_FALSE(whole.bounds.isEmpty());
    const int margin = static_cast<int>(shell::kFitMarginTwips / 15);
    EXPECT_GE(whole.bounds.left(), margin - 2);
    EXPECT_LE(whole.bounds.right(), whole.page.width() - margin + 2);
    EXPECT_NEAR(whole.bounds.center().x(), whole.page.width() / 2, 4);
    EXPECT_NEAR(whole.bounds.center().y(), whole.page.height() / 2, 4);
    EXPECT_LT(whole.bounds.height(), cut.bounds.height());  // scaled down
}

// Print Options shows the remembered choice on a tab of the print dialog,
// prints by what is chosen there and remembers it.
TEST(PageFit, PrintOptionsPrintsAndRemembersTheChosenLayout) {
    if (!have_tool("pdftoppm")) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("vantor.ini")), QSettings::IniFormat);
    AppState app;
    app.program_dir = VANTOR_DATA_DIR;
    app.openpath = example("series_rlc.bgf");
    app.nextnum = 1;
    FakePorts ports;
    ModelDocument document(app, ports);
    document.dialog_folder = dir.path().toStdString();
    document.caption = "series_rlc";
    // The dialog proposes a file beside the model, named after it.
    const QString pdf = dir.filePath(QStringLiteral("series_rlc.pdf"));
    const QRectF extent = paint::printed_extent(document.window);
    const struct {
        const char* choose;
        PageFit was, chosen;
        bool centred;
    } cases[] = {
        {"actualSize", PageFit::kFitToPage, PageFit::kActualSize, false},
        {"fitToPage", PageFit::kActualSize, PageFit::kFitToPage, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choose);
        QFile::remove(pdf);
        bool shown_as_stored = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            auto* stored = dialog->findChild<QRadioButton*>(
                QString::fromLatin1(c.was == PageFit::kFitToPage ? "fitToPage" : "actualSize"));
            shown_as_stored = stored != nullptr && stored->isChecked();
            auto* choice = dialog->findChild<QRadioButton*>(QString::fromLatin1(c.choose));
            if (choice != nullptr) choice->click();
            dialog->accept();
        });
        shell::print_with_dialog(document, ports, nullptr, settings);
        EXPECT_TRUE(shown_as_stored);
        EXPECT_EQ(shell::stored_page_fit(settings), c.chosen);
        ASSERT_TRUE(QFile::exists(pdf));
        const Ink ink = ink_of(pdf);
        if (c.centred) {
            EXPECT_NEAR(ink.bounds.center().x(), ink.page.width() / 2, 4);
        } else {
            EXPECT_NEAR(ink.bounds.left(), extent.left() / 15, 3);
        }
    }
    EXPECT_TRUE(ports.messages.empty());
}

}  // namespace
}  // namespace vantor::test
