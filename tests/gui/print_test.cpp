// Printing and picture export through the printer and the file dialogs:
// the page fit's arithmetic, the pages a PDF printer gets, and the choices
// the dialogs pass on. What is drawn is pinned by the picture cases.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/app_fakes.h"
#include "app/model_document.h"
#include "display/redraw.h"
#include "gui/program_folder.h"
#include "paint/model_print.h"
#include "paint/page_fit.h"
#include "shell/model_printing.h"
#include "shell/page_fit_choice.h"
#include "shell/qt_ports.h"

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

bool have_poppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// A PDF's page at 96 dots an inch (15 twips a dot), and the bounds of its ink.
struct Page {
    QImage image;
    QRect ink;
};
Page page_of(const QString& pdf) {
    const QString stem = pdf + QStringLiteral(".page");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-gray"),
                       QStringLiteral("-singlefile"), pdf, stem});
    Page page{QImage(stem + QStringLiteral(".pgm")), {}};
    for (int y = 0; y < page.image.height(); ++y) {
        for (int x = 0; x < page.image.width(); ++x) {
            if (qGray(page.image.pixel(x, y)) < 128) page.ink |= QRect(x, y, 1, 1);
        }
    }
    return page;
}

// The series RLC example opened as a model document whose dialogs open in
// `dir`.
AppState series_rlc_app() {
    AppState app;
    app.program_dir = VANTOR_DATA_DIR;
    app.openpath = example("series_rlc.bgf");
    app.nextnum = 1;
    return app;
}
struct Document {
    Document(const QTemporaryDir& dir, Ports& ports) : document(app, ports) {
        document.dialog_folder = dir.path().toStdString();
        document.caption = "series_rlc";
    }
    AppState app = series_rlc_app();
    ModelDocument document;
};

// Print Options shows the remembered choice on a tab of the print dialog,
// prints by what is chosen there and remembers it. A drawing wider than the
// page is cut off at its actual size, and fitted lies whole inside the
// margins, scaled down and centred.
TEST(Printing, PrintOptionsPrintsAndRemembersTheChosenLayout) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils (pdftoppm) is not installed";
    const QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("vantor.ini")), QSettings::IniFormat);
    FakePorts ports;
    Document doc(dir, ports);
    doc.document.window.model.objs[1].left = 30000;
    refresco(doc.document.window, doc.app);
    refresco(doc.document.window, doc.app);
    // The dialog proposes a file beside the model, named after it.
    const QString pdf = dir.filePath(QStringLiteral("series_rlc.pdf"));
    const QRectF extent = paint::printed_extent(doc.document.window);
    const struct {
        const char* choose;
        PageFit was, chosen;
    } cases[] = {
        {"actualSize", PageFit::kFitToPage, PageFit::kActualSize},
        {"fitToPage", PageFit::kActualSize, PageFit::kFitToPage},
    };
    int cut_height = 0;
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
        shell::print_with_dialog(doc.document, ports, nullptr, settings);
        EXPECT_TRUE(shown_as_stored);
        EXPECT_EQ(shell::stored_page_fit(settings), c.chosen);
        ASSERT_TRUE(QFile::exists(pdf));
        const Page page = page_of(pdf);
        ASSERT_FALSE(page.ink.isEmpty());
        if (c.chosen == PageFit::kActualSize) {
            EXPECT_NEAR(page.ink.left(), extent.left() / 15, 3);
            EXPECT_GT(extent.right() / 15, page.image.width());
            cut_height = page.ink.height();
            continue;
        }
        const int margin = static_cast<int>(shell::kFitMarginTwips / 15);
        EXPECT_GE(page.ink.left(), margin - 2);
        EXPECT_LE(page.ink.right(), page.image.width() - margin + 2);
        EXPECT_NEAR(page.ink.center().x(), page.image.width() / 2, 4);
        EXPECT_NEAR(page.ink.center().y(), page.image.height() / 2, 4);
        EXPECT_LT(page.ink.height(), cut_height);  // scaled down
    }
    EXPECT_TRUE(ports.messages.empty());
}

// A name typed without an extension takes the one of the type chosen in
// the dialog, and the picture is written in that type.
TEST(Printing, ExportPictureAddsTheChosenTypesExtension) {
    const QTemporaryDir dir;
    shell::QtPorts ports;
    Document doc(dir, ports);
    const struct {
        int type;  // the dialog's filter entry: PNG, SVG, PDF
        const char* typed;
        const char* written;
        const char* starts;
    } cases[] = {{0, "pic", "pic.png", "\x89PNG"},
                 {1, "drawing", "drawing.svg", "<?xml"},
                 {2, "page", "page.pdf", "%PDF"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        QTimer::singleShot(0, [&c] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; i < c.type && types != nullptr; ++i) {
                QTest::keyClick(types, Qt::Key_Down);  // as the user picks it
            }
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QString::fromUtf8(c.typed));
            static_cast<QDialog*>(dialog)->accept();  // as its Save button does
        });
        EXPECT_TRUE(shell::export_picture_Click(doc.document, ports));
        QFile file(dir.filePath(QString::fromUtf8(c.written)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(c.starts));
    }
}

}  // namespace
}  // namespace vantor::test
