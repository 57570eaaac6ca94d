#include <gtest/gtest.h>

#include <fstream>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>

#include "causality/causality_commands.h"
#include "cli/cli_run.h"
#include "display/window_load.h"
#include "editor/window_causality.h"
#include "gui/program_folder.h"
#include "model/model_reader.h"
#include "paint/control_bounds.h"
#include "paint/drawing_file.h"
#include "paint/drawing_picture.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

CliRun cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--program-dir", VANTOR_DATA_DIR});
    return run(args);
}

class Messages : public EditorHost {
  public:
    void show_message(const std::string& text) override { printed += "message: " + text + "\n"; }
    std::string printed;
};

// The window as Open Model and then Assign & Check leave it.
AssignOutcome open_and_assign(ModelWindow& window, AppState& app, const std::string& path,
                              Messages& messages) {
    init_model_window(window, 1);
    window.model = read_model_file(path);
    app.program_dir = VANTOR_DATA_DIR;
    show_loaded_model(window, app);
    WindowCausalityHost host(window, app, messages);
    return assign_Click(window, read_priority_tables(app.program_dir), host);
}

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool paper_only(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
        }
    }
    return true;
}

// A PNG is the printed picture at the screen's scale.
QImage printed_png(const ModelWindow& window) {
    const std::string bytes = paint::picture_bytes(window, paint::PictureFormat::kPng);
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()), "PNG");
}

// Every example, rendered after Assign & Check into the build's gui-renders
// folder for people to look at, is its window's drawing with the messages
// the window would show, cropped to the drawing.
TEST(RenderCommand, EveryExampleRendersItsWindowsDrawingAfterAssignAndCheck) {
    const std::vector<fs::path> models = example_models();
    ASSERT_GE(models.size(), 10u);
    for (const fs::path& model : models) {
        SCOPED_TRACE(model.filename().string());
        const std::string out =
            render_path(QString::fromStdString(model.stem().string())).toStdString();
        const CliRun r = cli({"render", model.string(), "--assign", "-o", out});

        ModelWindow window;
        AppState app;
        Messages messages;
        const AssignOutcome outcome = open_and_assign(window, app, model.string(), messages);
        EXPECT_EQ(r.code, outcome == AssignOutcome::kCausalityError ? 1 : 0) << r.err;
        EXPECT_EQ(r.out, messages.printed);
        EXPECT_EQ(r.err, "");

        const QImage written(QString::fromStdString(out));
        ASSERT_FALSE(written.isNull());
        EXPECT_EQ(argb(written), argb(printed_png(window)));
        // Cropped: the margin is paper, and the drawing reaches into the
        // pixels next to it on every side.
        const QRect inside = written.rect().adjusted(paint::kRenderMargin, paint::kRenderMargin,
                                                     -paint::kRenderMargin, -paint::kRenderMargin);
        EXPECT_TRUE(paper_only(written, QRect(0, 0, written.width(), paint::kRenderMargin)));
        EXPECT_TRUE(paper_only(written, QRect(0, 0, paint::kRenderMargin, written.height())));
        EXPECT_FALSE(paper_only(written, inside.adjusted(0, 0, 0, 4 - inside.height())));
        EXPECT_FALSE(paper_only(written, inside.adjusted(0, 0, 4 - inside.width(), 0)));
        EXPECT_FALSE(paper_only(written, inside.adjusted(0, inside.height() - 4, 0, 0)));
        EXPECT_FALSE(paper_only(written, inside.adjusted(inside.width() - 4, 0, 0, 0)));
    }
}

// Where the parameter line goes is the redraw's and the painter's business;
// here the option has to reach the window.
TEST(RenderCommand, ShowParametersAddsTheParameterLines) {
    const std::string model = (fs::path(VANTOR_EXAMPLES_DIR) / "series_rlc.bgf").string();
    QTemporaryDir dir;
    const std::string plain = dir.filePath("plain.png").toStdString();
    const std::string shown = dir.filePath("shown.png").toStdString();
    ASSERT_EQ(cli({"render", model, "-o", plain}).code, 0);
    ASSERT_EQ(cli({"render", "--showp", model, "-o", shown}).code, 0);
    const QImage without(QString::fromStdString(plain));
    const QImage with(QString::fromStdString(shown));
    ASSERT_FALSE(with.isNull());
    EXPECT_NE(argb(with), argb(without));
}

struct BadRender {
    const char* name;
    std::vector<std::string> args;
    const char* says;
};

TEST(RenderCommand, UsageAndFileErrorsWriteNoPicture) {
    QTemporaryDir dir;
    const std::string model = (fs::path(VANTOR_EXAMPLES_DIR) / "series_rlc.bgf").string();
    const std::string out = dir.filePath("out.png").toStdString();
    const std::string notes = dir.filePath("notes.txt").toStdString();
    std::ofstream(notes) << "Things to draw tomorrow\n";
    const BadRender cases[] = {
        {"no model in the file", {"render", notes, "-o", out}, "no model found in this file"},
        {"no output", {"render", model}, "render needs -o OUT.png"},
        {"no model", {"render", "-o", out}, "render needs a MODEL"},
        {"missing model",
         {"render", dir.filePath("none.bgf").toStdString(), "-o", out},
         "none.bgf"},
        {"folder missing",
         {"render", model, "-o", dir.filePath("no/out.png").toStdString()},
         "no/out.png"},
    };
    for (const BadRender& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(out));
    }
}

// The program itself, with no display and no application of its own.
TEST(RenderCommand, TheProgramRendersOffscreenOnItsOwn) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("rlc.png"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program.setProcessEnvironment(environment);
    program.start(
        QStringLiteral(VANTOR_CLI_PATH),
        {QStringLiteral("--program-dir"), QStringLiteral(VANTOR_DATA_DIR), QStringLiteral("render"),
         QString::fromStdString((fs::path(VANTOR_EXAMPLES_DIR) / "series_rlc.bgf").string()),
         QStringLiteral("--assign"), QStringLiteral("-o"), out});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardError().toStdString(), "");

    ModelWindow window;
    AppState app;
    Messages messages;
    open_and_assign(window, app, (fs::path(VANTOR_EXAMPLES_DIR) / "series_rlc.bgf").string(),
                    messages);
    EXPECT_EQ(program.readAllStandardOutput().toStdString(), messages.printed);
    EXPECT_EQ(argb(QImage(out)), argb(printed_png(window)));
}

}  // namespace
}  // namespace vantor::test
