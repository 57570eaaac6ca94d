// The windows drawn as their state says; the splash, help and about windows.
#include <sys/stat.h>

#include "gui/model_window_session.h"
#include "gui/recording_painter.h"
#include "paint/glyph_painter.h"
#include "paint/qt_text.h"
#include "shell/about_dialog.h"
#include "shell/help_viewer.h"
#include "shell/library_label_widget.h"
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
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

// Each glyph of `glyphs` (from 1 on) in the widget's view shows its caption
// once, its first line at the glyph's corner (inside the frame of a framed
// glyph), in the glyph's colour.
void expect_captions_at_glyphs(QWidget& widget, const std::vector<Glyph>& glyphs, int count) {
    RecordingDevice device(widget.size());
    widget.render(&device, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const int ascent = QFontMetrics(paint::glyph_font()).ascent();
    ASSERT_GT(count, 0);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(count); ++i) {
        const Glyph& glyph = glyphs[i];
        const QString first = paint::caption_lines(glyph.caption).front();
        const QRect at = paint::glyph_rect(glyph);
        if (!at.intersects(widget.rect())) continue;
        const int inset = glyph.border == 1 ? 1 : 0;
        const QPointF baseline(at.left() + inset, at.top() + inset + ascent);
        const auto found = std::count_if(device.drawing.texts.begin(), device.drawing.texts.end(),
                                         [&](const DrawnText& t) {
                                             return t.text == first && t.baseline == baseline &&
                                                    t.colour == paint::state_color(glyph.color);
                                         });
        EXPECT_EQ(found, 1) << first.toStdString() << " at " << baseline.x() << ", "
                            << baseline.y();
    }
}

// The main window, a palette, a model window, the splash, help and about
// windows show what their state and the program folder hold.
TEST(Render, EveryWindowShowsWhatItsStateAndTheProgramFolderHold) {
    // Seven libraries: five in the first row, two in the second.
    ProgramFolder folder(5);
    FakePorts ports;
    MainWindowWidget main(folder.path(), example("series_rlc.bgf"), &ports);
    main.show();
    main.activate();
    settle();
    const auto& labels = main.library_labels();
    ASSERT_EQ(labels.size(), 7u);
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

    // The pictures hold only where the font keeps the cells the glyph metrics
    // count: 120 twips a character and 225 a line, 8 and 15 pixels.
    const QFont font = paint::glyph_font();
    EXPECT_EQ(QFontMetrics(font).horizontalAdvance(QStringLiteral("MMMMMMMMMM")), 80)
        << QFontInfo(font).family().toStdString();
    EXPECT_LE(QFontMetrics(font).height(), 15);

    const QImage main_image = render(main, QStringLiteral("main_window"));
    for (std::size_t n = 0; n < labels.size(); ++n) {
        const int x = 360 + 1500 * static_cast<int>(n);
        EXPECT_EQ(labels[n]->pos(), QPoint(x % 7500 / 15, (240 + 1000 * (x / 7500)) / 15)) << n;
        EXPECT_TRUE(
            has_ink(main_image, labels[n]->geometry().translated(main.centralWidget()->pos())))
            << n;
    }
    // Every entry's and element's glyph is drawn where its state puts it.
    render(*palette, QStringLiteral("palette_bondgraph"));
    const Palette& entries = *main.core().palette(1);
    expect_captions_at_glyphs(*palette, entries.image1, entries.entries());
    render(*model, QStringLiteral("model_series_rlc"));
    const ModelWindow& window = main.core().model_window(1)->window;
    expect_captions_at_glyphs(*model->canvas(), window.image1, window.model.nobj);

    // Each kind of message has its icon, and a plain question its mark.
    using Case = std::tuple<MessageButtons, MessageKind, QMessageBox::Icon>;
    for (const auto& [buttons, kind, icon] :
         {Case{MessageButtons::kOk, MessageKind::kInformation, QMessageBox::Information},
          Case{MessageButtons::kOk, MessageKind::kWarning, QMessageBox::Warning},
          Case{MessageButtons::kOk, MessageKind::kError, QMessageBox::Critical},
          Case{MessageButtons::kYesNoCancel, MessageKind::kInformation, QMessageBox::Question},
          Case{MessageButtons::kYesNoCancel, MessageKind::kWarning, QMessageBox::Warning}}) {
        EXPECT_EQ(shell::message_icon({"text", buttons, kind}), icon) << static_cast<int>(kind);
    }

    const QString shipped = QStringLiteral(VANTOR_DATA_DIR);
    const auto splash = shell::splash_picture(shipped);
    EXPECT_EQ(splash.size(), QSize(shell::kSplashWidth, shell::kSplashHeight));
    QImage image = splash.toImage();
    image.save(render_path(QStringLiteral("splash")));
    // The shipped picture, whose corner is plain background, with the
    // build's version written there.
    const QImage file = QImage(QDir(shipped).filePath(QStringLiteral("splash.png")))
                            .convertToFormat(QImage::Format_ARGB32);
    image = image.convertToFormat(QImage::Format_ARGB32);
    QImage corner(shell::kVersionCorner.size(), QImage::Format_ARGB32);
    corner.fill(file.pixel(shell::kVersionCorner.topLeft()));
    EXPECT_EQ(file.copy(shell::kVersionCorner), corner);
    EXPECT_NE(image.copy(shell::kVersionCorner), corner);
    QPainter(&image).drawImage(shell::kVersionCorner.topLeft(), corner);
    EXPECT_EQ(image, file);
    EXPECT_EQ(shell::splash_version_text(), QStringLiteral("Version ") + kVersion);

    // Without the picture the splash keeps its size and says the name.
    ProgramFolder bare;
    const QImage plain = shell::splash_picture(QString::fromStdString(bare.path())).toImage();
    EXPECT_EQ(plain.size(), QSize(shell::kSplashWidth, shell::kSplashHeight));
    EXPECT_TRUE(has_ink(plain, plain.rect().adjusted(100, 100, -100, -100)));

    shell::QtPorts help;
    help.show_help(QDir(shipped).filePath(QStringLiteral("bndgph.html")).toStdString(),
                   HelpPage::kContents);
    const QString manual = help.help_viewer()->browser()->toPlainText();
    EXPECT_FALSE(manual.contains(QStringLiteral("is missing"))) << manual.toStdString();
    render(*help.help_viewer(), QStringLiteral("help_contents"));

    // A FIFO in place of the manual is named, not waited on.
    const std::string fifo = bare.path() + "/bndgph.html";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    help.show_help(fifo, HelpPage::kContents);
    EXPECT_TRUE(help.help_viewer()->browser()->toPlainText().contains(
        QString::fromStdString(fifo + ": not a regular file")))
        << help.help_viewer()->browser()->toPlainText().toStdString();
    // A missing manual is named, and the help on the help is a page beside it.
    for (const auto& [page, named] : {std::pair{HelpPage::kContents, "/nowhere/bndgph.html"},
                                      {HelpPage::kHowToUseHelp, "/nowhere/help_viewer.html"}}) {
        help.show_help("/nowhere/bndgph.html", page);
        EXPECT_TRUE(help.help_viewer()->browser()->toPlainText().contains(named)) << named;
    }
    EXPECT_EQ(help.help_viewer()->windowTitle(), "Vantor Help");

    shell::AboutDialog about(paint::to_display_text(file_text(VANTOR_ABOUT_FILE)));
    about.adjustSize();
    render(about, QStringLiteral("about"));
    // CR LF shows as one line break.
    const QString text = about.findChild<QLabel*>()->text();
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("Vantor\nBond-graph editor with causality "
                       "analysis and Simulink generation\nVersion ") +
        kVersion +
        QStringLiteral("\nCopyright (C) the Vantor developers\nLicence: GNU General "
                       "Public License, version 3 or later\n")))
        << text.toStdString();
}

}  // namespace
}  // namespace vantor::test
