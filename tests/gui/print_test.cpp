#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/model_document.h"
#include "cli/cli_run.h"
#include "display/redraw.h"
#include "display/window_load.h"
#include "gui/program_folder.h"
#include "model/model_reader.h"
#include "paint/model_print.h"
#include "paint/qt_text.h"
#include "shell/model_printing.h"
#include "shell/qt_ports.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

ModelWindow opened(const fs::path& model, AppState& app) {
    ModelWindow window;
    init_model_window(window, 1);
    window.model = read_model_file(model.string());
    app.program_dir = VANTOR_DATA_DIR;
    show_loaded_model(window, app);
    refresco(window, app);
    refresco(window, app);
    return window;
}

bool have_tool(const char* name) {
    return !QStandardPaths::findExecutable(QString::fromUtf8(name)).isEmpty();
}

QString tool_output(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Printing to a PDF file goes through the printer's own routine: the page
// holds every caption as text, and ink where every bond runs.
TEST(Printing, APdfPageHoldsEveryCaptionAndInkOnEveryBond) {
    if (!have_tool("pdftotext") || !have_tool("pdftoppm")) {
        GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are not installed";
    }
    const QTemporaryDir dir;
    for (const fs::path& model : example_models()) {
        SCOPED_TRACE(model.filename().string());
        AppState app;
        const ModelWindow window = opened(model, app);
        const QString pdf = dir.filePath(QString::fromStdString(model.stem().string()) + ".pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        ASSERT_EQ(shell::print_page(printer, window), QString());

        const QString text = tool_output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        for (int i = 1; i <= window.model.nobj; ++i) {
            for (const QString& line :
                 paint::caption_lines(window.image1[static_cast<std::size_t>(i)].caption)) {
                if (!line.trimmed().isEmpty()) {
                    EXPECT_TRUE(text.contains(line.trimmed())) << i;
                }
            }
        }

        // 96 dots an inch: 15 twips a dot, from the page's corner.
        const QString stem = dir.filePath(QStringLiteral("page"));
        tool_output(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-gray"),
                     QStringLiteral("-singlefile"), pdf, stem});
        const QImage page(stem + QStringLiteral(".pgm"));
        ASSERT_FALSE(page.isNull());
        for (int j = 1; j <= window.model.nlin; ++j) {
            const LineControl& bond = window.linea[static_cast<std::size_t>(j)];
            const QPoint middle(static_cast<int>((bond.x1 + bond.x2) / 2 / 15),
                                static_cast<int>((bond.y1 + bond.y2) / 2 / 15));
            bool ink = false;
            for (int dy = -1; dy <= 1 && !ink; ++dy) {
                for (int dx = -1; dx <= 1 && !ink; ++dx) {
                    const QPoint at = middle + QPoint(dx, dy);
                    ink = page.rect().contains(at) && qGray(page.pixel(at)) < 128;
                }
            }
            EXPECT_TRUE(ink) << "bond " << j;
        }
    }
}

struct SvgLine {
    double x1, y1, x2, y2;
    bool operator==(const SvgLine&) const = default;
};

std::vector<SvgLine> svg_lines(const QString& svg) {
    static const QRegularExpression kPolyline(QStringLiteral(
        "<polyline[^>]*points=\"([-0-9.e]+),([-0-9.e]+) ([-0-9.e]+),([-0-9.e]+) \""));
    std::vector<SvgLine> lines;
    for (auto it = kPolyline.globalMatch(svg); it.hasNext();) {
        const auto m = it.next();
        lines.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return lines;
}

bool near(const SvgLine& a, const SvgLine& b) {
    return std::abs(a.x1 - b.x1) < 0.01 && std::abs(a.y1 - b.y1) < 0.01 &&
           std::abs(a.x2 - b.x2) < 0.01 && std::abs(a.y2 - b.y2) < 0.01;
}

// The command line's SVG of every example holds a line for every bond, barb
// and stroke shown, where the window has it less the picture's crop.
TEST(Printing, TheRenderedSvgHoldsEveryShownBondLineAtItsPlace) {
    const QTemporaryDir dir;
    for (const fs::path& model : example_models()) {
        SCOPED_TRACE(model.filename().string());
        const std::string out = dir.filePath(QStringLiteral("m.svg")).toStdString();
        const CliRun result =
            run({"--program-dir", VANTOR_DATA_DIR, "render", model.string(), "-o", out});
        ASSERT_EQ(result.code, 0) << result.err;
        QFile file(QString::fromStdString(out));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        const std::vector<SvgLine> drawn = svg_lines(svg);
        // The captions' font with fallbacks that look alike where it is missing.
        EXPECT_FALSE(svg.contains(QStringLiteral("font-family=\"Courier New\"")));
        EXPECT_TRUE(svg.contains(
            QStringLiteral("font-family=\"'Courier New', 'Liberation Mono', monospace\"")));

        AppState app;
        const ModelWindow window = opened(model, app);
        const QRectF extent = paint::printed_extent(window);
        const double left = std::floor(extent.left() - 300);
        const double top = std::floor(extent.top() - 300);
        std::size_t shown = 0;
        for (int j = 1; j <= window.model.nlin; ++j) {
            const auto k = static_cast<std::size_t>(j);
            for (const LineControl* line :
                 {&window.linea[k], &window.linea2[k], &window.Linea3[k]}) {
                if (!line->visible) continue;
                ++shown;
                const SvgLine expected{line->x1 - left, line->y1 - top, line->x2 - left,
                                       line->y2 - top};
                EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(),
                                        [&](const SvgLine& l) { return near(l, expected); }))
                    << "bond " << j << " at " << line->x1 << "," << line->y1;
            }
        }
        EXPECT_GT(shown, 0u);
    }
}

// A name typed without an extension takes the one of the type chosen in
// the dialog, and the picture is written in that type.
TEST(Printing, ExportPictureAddsTheChosenTypesExtension) {
    const QTemporaryDir dir;
    AppState app;
    app.program_dir = VANTOR_DATA_DIR;
    app.openpath = example_models().front().string();
    app.nextnum = 1;
    shell::QtPorts ports;
    ModelDocument document(app, ports);
    document.dialog_folder = dir.path().toStdString();
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
        EXPECT_TRUE(shell::export_picture_Click(document, ports));
        QFile file(dir.filePath(QString::fromUtf8(c.written)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(c.starts));
    }
}

}  // namespace
}  // namespace vantor::test
