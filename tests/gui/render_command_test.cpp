// The command line's render writes the window's drawing cropped to what it
// shows; its messages, exit codes and refusals are command cases.
#include "causality/causality_commands.h"
#include "cli/cli_run.h"
#include "editor/window_causality.h"
#include "gui/model_window_session.h"
#include "paint/drawing_file.h"
#include "paint/drawing_picture.h"
#include "paint/model_print.h"

namespace vantor::test {
namespace {

bool paper_only(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

// Every example, rendered after Assign & Check into the build's gui-renders
// folder for people to look at, is its window's drawing as the printed PNG
// has it, cropped: the margin is paper, and the drawing reaches into the
// pixels next to it on every side. Its SVG holds a line for every bond,
// barb and stroke shown, where the window has it less the crop, and names
// the captions' font with look-alike fallbacks.
TEST(RenderCommand, EveryExampleRendersItsWindowsDrawingCropped) {
    const QTemporaryDir dir;
    // Where the parameter lines go is the picture cases' business; here the
    // option has to reach the window.
    const std::string shown = dir.filePath(QStringLiteral("p.svg")).toStdString();
    run({"--program-dir", VANTOR_DATA_DIR, "render", "--showp", example("series_rlc.bgf"), "-o",
         shown});
    EXPECT_NE(file_text(shown).find(">:0.1</text>"), std::string::npos);
    const std::vector<std::filesystem::path> models = example_models();
    ASSERT_GE(models.size(), 10u);
    for (const std::filesystem::path& model : models) {
        SCOPED_TRACE(model.filename().string());
        const std::string out =
            render_path(QString::fromStdString(model.stem().string())).toStdString();
        const CliRun r = run(
            {"--program-dir", VANTOR_DATA_DIR, "render", model.string(), "--assign", "-o", out});
        ASSERT_NE(r.code, 2) << r.err;

        ModelWindow window;
        init_model_window(window, 1);
        window.model = read_model_file(model.string());
        AppState app;
        app.program_dir = VANTOR_DATA_DIR;
        show_loaded_model(window, app);
        ReplayMessages messages;
        WindowCausalityHost host(window, app, messages);
        assign_Click(window, read_priority_tables(app.program_dir), host);
        const std::string bytes = paint::picture_bytes(window, paint::PictureFormat::kPng);
        const QImage printed = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                                static_cast<int>(bytes.size()), "PNG");

        const QImage written(QString::fromStdString(out));
        ASSERT_FALSE(written.isNull());
        EXPECT_EQ(written.convertToFormat(QImage::Format_ARGB32),
                  printed.convertToFormat(QImage::Format_ARGB32));
        const int m = paint::kRenderMargin;
        const QRect inside = written.rect().adjusted(m, m, -m, -m);
        EXPECT_TRUE(paper_only(written, QRect(0, 0, written.width(), m)));
        EXPECT_TRUE(paper_only(written, QRect(0, 0, m, written.height())));
        for (const QMargins cut :
             {QMargins(0, 0, 0, inside.height() - 4), QMargins(0, 0, inside.width() - 4, 0),
              QMargins(0, inside.height() - 4, 0, 0), QMargins(inside.width() - 4, 0, 0, 0)}) {
            EXPECT_FALSE(paper_only(written, inside.marginsRemoved(cut)));
        }

        const std::string svg_path = dir.filePath(QStringLiteral("m.svg")).toStdString();
        ASSERT_EQ(run({"--program-dir", VANTOR_DATA_DIR, "render", model.string(), "--assign", "-o",
                       svg_path})
                      .code,
                  r.code);
        const QString svg = QString::fromStdString(file_text(svg_path));
        EXPECT_TRUE(svg.contains(
            QStringLiteral("font-family=\"'Courier New', 'Liberation Mono', monospace\"")));
        static const QRegularExpression kPolyline(QStringLiteral(
            "<polyline[^>]*points=\"([-0-9.e]+),([-0-9.e]+) ([-0-9.e]+),([-0-9.e]+) \""));
        std::vector<QLineF> drawn;
        for (auto it = kPolyline.globalMatch(svg); it.hasNext();) {
            const auto g = it.next();
            drawn.emplace_back(g.captured(1).toDouble(), g.captured(2).toDouble(),
                               g.captured(3).toDouble(), g.captured(4).toDouble());
        }
        const QRectF extent = paint::printed_extent(window);
        const QPointF crop(std::floor(extent.left() - 300), std::floor(extent.top() - 300));
        for (int j = 1; j <= window.model.nlin; ++j) {
            const auto k = static_cast<std::size_t>(j);
            for (const LineControl* line :
                 {&window.linea[k], &window.linea2[k], &window.Linea3[k]}) {
                const QLineF expected(QPointF(line->x1, line->y1) - crop,
                                      QPointF(line->x2, line->y2) - crop);
                EXPECT_TRUE(!line->visible ||
                            std::any_of(drawn.begin(), drawn.end(),
                                        [&](QLineF l) {
                                            return QLineF(l.p1(), expected.p1()).length() < 0.01 &&
                                                   QLineF(l.p2(), expected.p2()).length() < 0.01;
                                        }))
                    << "bond " << j << " at " << line->x1 << "," << line->y1;
            }
        }
    }
}

}  // namespace
}  // namespace vantor::test
