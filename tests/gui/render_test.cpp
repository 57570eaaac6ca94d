#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QTextBrowser>
#include <fstream>
#include <sstream>

#include "app/app_fakes.h"
#include "gui/program_folder.h"
#include "gui/recording_painter.h"
#include "paint/glyph_painter.h"
#include "paint/qt_text.h"
#include "shell/about_dialog.h"
#include "shell/help_viewer.h"
#include "shell/library_label_widget.h"
#include "shell/main_window_widget.h"
#include "shell/model_canvas.h"
#include "shell/model_window_widget.h"
#include "shell/palette_widget.h"
#include "shell/qt_ports.h"
#include "shell/splash.h"
#include "vantor_version.h"

namespace vantor::test {
namespace {

using shell::MainWindowWidget;

// Saves the picture for people to look at and returns it.
QImage render(QWidget& widget, const QString& name) {
    const QImage image = widget.grab().toImage();
    image.save(render_path(name));
    return image;
}

// Some pixel of `area` is ink: clearly darker than the paper.
bool has_ink(const QImage& image, QRect area) {
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) return true;
        }
    }
    return false;
}

// What a widget's own paint event draws, without its children.
Drawing recorded(QWidget& widget) {
    RecordingDevice device(widget.size());
    widget.render(&device, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return device.drawing;
}

// Each glyph in `view` shows its caption once, its first line at the glyph's
// corner (inside the frame of a framed glyph), in the glyph's colour.
void expect_captions_at_glyphs(const Drawing& device, const std::vector<Glyph>& glyphs,
                               const QRect& view) {
    const int ascent = QFontMetrics(paint::glyph_font()).ascent();
    for (const Glyph& glyph : glyphs) {
        const QString first = paint::caption_lines(glyph.caption).front();
        const QRect at = paint::glyph_rect(glyph);
        if (!at.intersects(view)) continue;
        const int inset = glyph.border == 1 ? 1 : 0;
        const QPointF baseline(at.left() + inset, at.top() + inset + ascent);
        int found = 0;
        for (const DrawnText& text : device.texts) {
            if (text.text == first && text.baseline == baseline) {
                ++found;
                EXPECT_EQ(text.colour, paint::state_color(glyph.color)) << first.toStdString();
            }
        }
        EXPECT_EQ(found, 1) << first.toStdString() << " at " << baseline.x() << ", "
                            << baseline.y();
    }
}

TEST(Render, MainWindowPaletteAndModelWindowShowWhatTheirStateHolds) {
    // Seven libraries: five in the first row, two in the second.
    ProgramFolder folder(5);
    FakePorts ports;
    MainWindowWidget main(folder.path(), example("series_rlc.bgf"), &ports);
    main.show();
    main.activate();
    settle();

    const auto& labels = main.library_labels();
    ASSERT_EQ(labels.size(), 7u);
    for (std::size_t n = 0; n < labels.size(); ++n) {
        const int i = static_cast<int>(n) + 1;
        const int x = 360 + 1500 * (i - 1);
        EXPECT_EQ(labels[n]->pos(), QPoint(x % 7500 / 15, (240 + 1000 * (x / 7500)) / 15))
            << "label " << i;
        EXPECT_TRUE(labels[n]->isVisible());
    }
    EXPECT_EQ(labels[0]->text(), "bondgraph");
    EXPECT_EQ(labels[6]->text(), "signals");

    shell::ModelWindowWidget* model = main.model_window_widget(1);
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->windowTitle(), "series_rlc[*]");

    main.core().Label1_DblClick(1);
    shell::PaletteWidget* palette = main.palette_widget(1);
    ASSERT_NE(palette, nullptr);
    palette->reread();
    EXPECT_EQ(palette->windowTitle(), "bondgraph");
    settle();
    EXPECT_TRUE(ports.messages.empty()) << ports.messages.front();

    const QImage main_image = render(main, QStringLiteral("main_window"));
    for (const shell::LibraryLabelWidget* label : labels) {
        EXPECT_TRUE(has_ink(main_image, label->geometry().translated(main.centralWidget()->pos())))
            << label->text().toStdString();
    }

    // Every entry's glyph is drawn where its state puts it.
    render(*palette, QStringLiteral("palette_bondgraph"));
    const Palette& entries = *main.core().palette(1);
    ASSERT_GT(entries.entries(), 0);
    const std::vector<Glyph> entry_glyphs(entries.image1.begin() + 1,
                                          entries.image1.begin() + 1 + entries.entries());
    expect_captions_at_glyphs(recorded(*palette), entry_glyphs, palette->rect());

    render(*model, QStringLiteral("model_series_rlc"));
    const ModelWindow& window = main.core().model_window(1)->window;
    ASSERT_GT(window.model.nobj, 0);
    const std::vector<Glyph> glyphs(window.image1.begin() + 1,
                                    window.image1.begin() + 1 + window.model.nobj);
    const QRect view = model->canvas()->rect();
    const Drawing canvas = recorded(*model->canvas());
    expect_captions_at_glyphs(canvas, glyphs, view);
}

TEST(MessageIcon, EachKindHasItsIconAndAPlainQuestionItsMark) {
    const struct {
        MessageButtons buttons;
        MessageKind kind;
        QMessageBox::Icon icon;
    } cases[] = {
        {MessageButtons::kOk, MessageKind::kInformation, QMessageBox::Information},
        {MessageButtons::kOk, MessageKind::kWarning, QMessageBox::Warning},
        {MessageButtons::kOk, MessageKind::kError, QMessageBox::Critical},
        {MessageButtons::kYesNoCancel, MessageKind::kInformation, QMessageBox::Question},
        {MessageButtons::kYesNoCancel, MessageKind::kWarning, QMessageBox::Warning},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shell::message_icon({"text", c.buttons, c.kind}), c.icon)
            << static_cast<int>(c.kind);
    }
}

TEST(Render, SplashHelpAndAboutShowTheProgramFoldersFiles) {
    const QString shipped = QStringLiteral(VANTOR_DATA_DIR);
    const QPixmap splash = shell::splash_picture(shipped);
    EXPECT_EQ(splash.size(), QSize(shell::kSplashWidth, shell::kSplashHeight));
    QImage image = splash.toImage();
    image.save(render_path(QStringLiteral("splash")));
    // The shipped picture, with the build's version written in its free corner.
    QImage file = QImage(QDir(shipped).filePath(QStringLiteral("splash.png")))
                      .convertToFormat(QImage::Format_ARGB32);
    image = image.convertToFormat(QImage::Format_ARGB32);
    // The file's corner is plain background, so no version is baked in.
    QImage corner(shell::kVersionCorner.size(), QImage::Format_ARGB32);
    corner.fill(file.pixel(shell::kVersionCorner.topLeft()));
    EXPECT_EQ(file.copy(shell::kVersionCorner), corner);
    EXPECT_NE(image.copy(shell::kVersionCorner), corner);
    QPainter blank(&image);
    blank.drawImage(shell::kVersionCorner.topLeft(), file.copy(shell::kVersionCorner));
    blank.end();
    EXPECT_EQ(image, file);
    EXPECT_EQ(shell::splash_version_text(), QStringLiteral("Version ") + kVersion);

    // Without the picture the splash keeps its size and says the name.
    ProgramFolder bare;
    const QImage plain = shell::splash_picture(QString::fromStdString(bare.path())).toImage();
    EXPECT_EQ(plain.size(), QSize(shell::kSplashWidth, shell::kSplashHeight));
    EXPECT_TRUE(has_ink(plain, plain.rect().adjusted(100, 100, -100, -100)));

    shell::QtPorts ports;
    ports.show_help(QDir(shipped).filePath(QStringLiteral("bndgph.html")).toStdString(),
                    HelpPage::kContents);
    const QString manual = ports.help_viewer()->browser()->toPlainText();
    EXPECT_FALSE(manual.contains(QStringLiteral("is missing"))) << manual.toStdString();
    render(*ports.help_viewer(), QStringLiteral("help_contents"));

    // A FIFO in place of the manual is named, not waited on.
    const std::string fifo = bare.path() + "/bndgph.html";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ports.show_help(fifo, HelpPage::kContents);
    EXPECT_TRUE(ports.help_viewer()->browser()->toPlainText().contains(
        QString::fromStdString(fifo + ": not a regular file")))
        << ports.help_viewer()->browser()->toPlainText().toStdString();

    std::ifstream about_file(VANTOR_ABOUT_FILE, std::ios::binary);
    std::stringstream bytes;
    bytes << about_file.rdbuf();
    shell::AboutDialog about(paint::to_display_text(bytes.str()));
    about.adjustSize();
    render(about, QStringLiteral("about"));
    // CR LF shows as one line break.
    EXPECT_TRUE(about.findChild<QLabel*>()->text().startsWith(
        QStringLiteral("Vantor\nBond-graph editor with causality analysis and Simulink "
                       "generation\nVersion ") +
        kVersion +
        QStringLiteral("\nCopyright (C) the Vantor developers\n"
                       "Licence: GNU General Public License, version 3 or later\n")))
        << about.findChild<QLabel*>()->text().toStdString();
}

}  // namespace
}  // namespace vantor::test
