// Printing and picture export through the printer and the file dialogs:
// the page fit's arithmetic, the pages a PDF printer gets, and the choices
// the dialogs pass on. What is drawn is pinned by the picture cases.
#include <QPrintDialog>

#include "app/model_document.h"
#include "display/redraw.h"
#include "gui/model_window_session.h"
#include "paint/model_print.h"
#include "paint/page_fit.h"
#include "shell/model_printing.h"
#include "shell/page_fit_choice.h"
#include "shell/qt_ports.h"

namespace vantor::test {
namespace {

using paint::PageFit;

TEST(PageFit, TheDrawingIsScaledDownOnlyAndCentred) {
    // Inside the printable area, centred (on 5720, 7720).
    const QRectF printable(720, 720, 10000, 14000);
    const std::tuple<const char*, QRectF, double, QPointF> cases[] = {
        {"smaller than the page", {100, 200, 2000, 1000}, 1, {4620, 7020}},
        {"exactly the page", {0, 0, 10000, 14000}, 1, {720, 720}},
        {"wider", {0, 0, 20000, 1000}, 0.5, {720, 7470}},
        {"taller", {0, 0, 1000, 28000}, 0.5, {5470, 720}},
        {"wider and taller, height limits", {0, 0, 40000, 70000}, 0.2, {1720, 720}},
        {"far from the origin", {20000, 30000, 20000, 1000}, 0.5, {-9280, -7530}},
        {"a line of no height", {0, 500, 20000, 0}, 0.5, {720, 7470}},
        {"no drawing", {}, 1, {5720, 7720}},
    };
    for (const auto& [name, drawing, scale, offset] : cases) {
        SCOPED_TRACE(name);
        const paint::PagePlacement placed = paint::fit_on_page(drawing, printable);
        EXPECT_DOUBLE_EQ(placed.scale, scale);
        EXPECT_NEAR(QLineF(placed.offset, offset).length(), 0, 1e-9);
    }
}

// The ink of a PDF's page at 96 dots an inch (15 twips a dot).
QRect ink_of(const QString& pdf, QSize* page) {
    const QString stem = pdf + QStringLiteral(".page");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-gray"),
                       QStringLiteral("-singlefile"), pdf, stem});
    const QImage image(stem + QStringLiteral(".pgm"));
    *page = image.size();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    return ink;
}

// The series RLC example opened as a model document whose dialogs open in
// `dir`.
struct Document {
    Document(const QTemporaryDir& dir, Ports& ports) : document(app, ports) {
        document.dialog_folder = dir.path().toStdString();
        document.caption = "series_rlc";
    }
    AppState app = [] {
        AppState app;
        app.program_dir = VANTOR_DATA_DIR;
        app.openpath = example("series_rlc.bgf");
        app.nextnum = 1;
        return app;
    }();
    ModelDocument document;
};

// Print Options shows the remembered choice on a tab of the print dialog,
// prints by what is chosen there and remembers it. A drawing wider than the
// page is cut off at its actual size, and fitted lies whole inside the
// margins, scaled down and centred.
TEST(Printing, PrintOptionsPrintsAndRemembersTheChosenLayout) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "poppler-utils (pdftoppm) is not installed";
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
    int cut_height = 0;
    for (const PageFit chosen : {PageFit::kActualSize, PageFit::kFitToPage}) {
        const bool fit = chosen == PageFit::kFitToPage;
        SCOPED_TRACE(fit);
        QFile::remove(pdf);
        bool shown_as_stored = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            const auto button = [dialog](bool fit) {
                return dialog->findChild<QRadioButton*>(
                    QString::fromLatin1(fit ? "fitToPage" : "actualSize"));
            };
            shown_as_stored = button(!fit) != nullptr && button(!fit)->isChecked();
            if (button(fit) != nullptr) button(fit)->click();
            dialog->accept();
        });
        shell::print_with_dialog(doc.document, ports, nullptr, settings);
        EXPECT_TRUE(shown_as_stored);
        EXPECT_EQ(shell::stored_page_fit(settings), chosen);
        QSize page;
        const QRect ink = ink_of(pdf, &page);
        ASSERT_FALSE(ink.isEmpty());
        if (!fit) {
            EXPECT_NEAR(ink.left(), extent.left() / 15, 3);
            EXPECT_GT(extent.right() / 15, page.width());
            cut_height = ink.height();
            continue;
        }
        const int margin = static_cast<int>(shell::kFitMarginTwips / 15);
        EXPECT_GE(ink.left(), margin - 2);
        EXPECT_LE(ink.right(), page.width() - margin + 2);
        EXPECT_NEAR(ink.center().x(), page.width() / 2, 4);
        EXPECT_NEAR(ink.center().y(), page.height() / 2, 4);
        EXPECT_LT(ink.height(), cut_height);  // scaled down
    }
    EXPECT_TRUE(ports.messages.empty());
}

// A name typed without an extension takes the one of the type chosen in
// the dialog, and the picture is written in that type.
TEST(Printing, ExportPictureAddsTheChosenTypesExtension) {
    const QTemporaryDir dir;
    shell::QtPorts ports;
    Document doc(dir, ports);
    // The dialog's filter entries, in order, and how their files start.
    const std::tuple<const char*, const char*> types[] = {
        {"png", "\x89PNG"}, {"svg", "<?xml"}, {"pdf", "%PDF"}};
    for (int type = 0; type < 3; ++type) {
        const auto& [extension, starts] = types[type];
        SCOPED_TRACE(extension);
        const QString typed = QStringLiteral("picture%1").arg(type);
        QTimer::singleShot(0, [&typed, type] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; i < type && types != nullptr; ++i)
                QTest::keyClick(types, Qt::Key_Down);  // as the user picks it
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            static_cast<QDialog*>(dialog)->accept();  // as its Save button does
        });
        EXPECT_TRUE(shell::export_picture_Click(doc.document, ports));
        const QString written = dir.filePath(typed + u'.' + QString::fromLatin1(extension));
        EXPECT_EQ(file_text(written.toStdString()).rfind(starts, 0), 0u);
    }
}

}  // namespace
}  // namespace vantor::test
