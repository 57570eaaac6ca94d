// The simulation window, its charts and the files it writes.

#include <QtCharts>

#include "app/simulation_csv.h"
#include "charts/plot_file.h"
#include "charts/simulation_chart.h"
#include "gui/model_window_session.h"
#include "shell/simulation_window.h"

namespace vantor::test {
namespace {

using shell::SimulationWindow;

QValueAxis* time_axis(const QChartView& view) {
    return static_cast<QValueAxis*>(view.chart()->axes(Qt::Horizontal).front());
}

TEST(PlotPoints, KeepsEveryFiniteSampleOrThinsWithoutLosingPeaks) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(charts::plot_points(std::vector<double>{0, 1, 2, 3},
                                  std::vector<double>{1, nan, 3, inf}, 10),
              (QList<QPointF>{{0, 1}, {2, 3}}));
    std::vector<double> time(100000), wave(time.size());
    for (std::size_t i = 0; i < time.size(); ++i) {
        time[i] = static_cast<double>(i) * 1e-3;
        wave[i] = std::sin(static_cast<double>(i) * 0.05);
    }
    wave[31337] = 7;  // a single-sample spike
    const QList<QPointF> thin = charts::plot_points(time, wave, 800);
    ASSERT_LE(thin.size(), 800);
    EXPECT_EQ(thin.front(), QPointF(0, 0));
    EXPECT_EQ(thin.back().x(), time.back());
    EXPECT_TRUE(std::any_of(thin.begin(), thin.end(), [](QPointF p) { return p.y() == 7; }));
    EXPECT_TRUE(std::is_sorted(thin.begin(), thin.end(),
                               [](QPointF a, QPointF b) { return a.x() < b.x(); }));
    // The nearest sample splits the gaps between times.
    for (const auto& [t, expected] :
         {std::pair{-5.0, 0u}, {0.4, 0u}, {0.6, 1u}, {1.9, 1u}, {2.1, 2u}, {9.0, 2u}})
        EXPECT_EQ(charts::nearest_sample({0.0, 1.0, 3.0}, t), expected) << t;
    EXPECT_EQ(charts::nearest_sample({}, 1.0), 0u);
}

// Two charts, two signals on the first and one on the second, over t = 0..2:
// a chart per plot with its signals' legends, the readout, the exports
// through the file dialogs with their failures, zooming by dragging, and a
// run that stopped early.
TEST(SimulationWindow, ChartsExportsAndZoomsARun) {
    SimulationRun run;
    run.outcome = SimulateOutcome::kCompleted;
    run.time = {0.0, 0.5, 1.0, 1.5, 2.0};
    run.end_time = 2.0;
    run.plots = {
        {"11scope (scope)",
         {{"11scope/1 (scope)", "De (3)", 3, {0, 1, 2, 3, 4}},
          {"11scope/2 (scope)", "Se (1)", 1, {5, 5, 5, 5, 5}}}},
        {"States", {{"4int (I)", "I (4)", 4, {0, -1, -2, -1, 0}}}},
    };
    FakePorts ports;
    SimulationWindow window(ports);
    window.set_model("rlc", "/models");
    window.show_run(run);
    const QList<QChartView*> views = window.chart_views();
    QString shown = window.windowTitle();
    for (QChartView* view : views) {
        shown += " | " + view->chart()->title() + ":";
        for (QLegendMarker* marker : view->chart()->legend()->markers())
            shown += " " + marker->label();
    }
    EXPECT_EQ(shown, "Simulation - rlc | 11scope (scope): De (3) Se (1) | States: I (4)");
    window.show_readout(0, 0.7);
    EXPECT_EQ(window.readout(), "t = 0.5   De (3) = 1   Se (1) = 5");

    // The extension in any case; then a cancel, and a name PNG cannot write.
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(name).toStdString(); };
    ports.files = {path("out.csv"), path("OUT.PNG"), path("out.svg"), std::nullopt,
                   path("out.jpg")};
    std::string done;
    for (const auto save : {&SimulationWindow::export_csv, &SimulationWindow::export_png,
                            &SimulationWindow::export_svg, &SimulationWindow::export_png,
                            &SimulationWindow::export_png})
        done += (window.*save)() ? 'y' : 'n';
    EXPECT_EQ(done, "yyynn");
    EXPECT_EQ(file_text(path("out.csv")), simulation_csv(run));
    EXPECT_EQ(ports.dialogs.front().proposed_name + " in " + ports.dialogs.front().folder,
              "rlc.csv in /models");
    EXPECT_EQ(QImage(QString::fromStdString(path("OUT.PNG"))).size(),
              QSize(charts::kPlotFileWidth, 2 * charts::kPlotFileChartHeight));
    EXPECT_EQ(file_text(path("out.svg")).rfind("<?xml", 0), 0u);
    // The cancel says nothing; the name PNG cannot write is said.
    ASSERT_EQ(ports.messages.size(), 1u);
    EXPECT_NE(ports.messages[0].find("out.jpg"), std::string::npos) << ports.messages[0];
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.jpg")));

    // Dragging zooms in on the time axis, a click does not, a right click zooms out.
    window.show();
    QWidget* surface = views[0]->viewport();
    const QRect area = views[0]->chart()->plotArea().toRect();
    const QPoint from = area.topLeft() + QPoint(area.width() / 4, 10);
    const QPoint to = area.topLeft() + QPoint(area.width() / 2, area.height() - 10);
    const auto range = [&] {
        return std::pair{time_axis(*views[0])->min(), time_axis(*views[0])->max()};
    };
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(surface, to);
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
    const auto zoomed = range();
    EXPECT_NEAR(zoomed.first, 0.5, 0.05);
    EXPECT_NEAR(zoomed.second, 1.0, 0.05);
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(range(), zoomed);
    QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, to);
    EXPECT_EQ(range(), std::pair(0.0, 2.0));

    run.outcome = SimulateOutcome::kStopped;
    run.end_time = 1.25;
    run.plots.pop_back();
    run.plots[0].signals[0].values.back() = std::numeric_limits<double>::infinity();
    window.show_run(run);
    EXPECT_EQ(window.windowTitle() + QString::number(window.chart_views().size()),
              "Simulation - rlc (stopped at t = 1.25)1");
}

struct RunSimulate : ModelWindowSession {
    // Simulate, noting the progress dialogs that exist when a message shows.
    int simulate() {
        // A dialog is always a window of its own, shown yet or not.
        int progress_dialogs = 0;
        ports.on_message = [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                progress_dialogs += qobject_cast<QProgressDialog*>(top) != nullptr;
        };
        item("&Run > &Simulate")->trigger();
        settle();
        ports.on_message = nullptr;
        return progress_dialogs;
    }
};

// A run refused before it starts shows its message alone: no progress dialog
// exists then, to appear over it a few seconds later. A run charts every
// scope; a run that changes no record leaves the model as saved as it was.
TEST_F(RunSimulate, ChartsEveryScopeOrSaysWhyNot) {
    std::filesystem::copy(std::filesystem::path(VANTOR_DATA_DIR) / "code3",
                          std::filesystem::path(folder.path()) / "code3",
                          std::filesystem::copy_options::recursive);
    const std::tuple<const char*, bool, const char*> refused[] = {
        {"series_rlc.bgf", false, "You must assign causality"},
        {"algebraic_loop.bgf", true, "algebraic loop"},
        {"", false, "The model has no elements"},
    };
    for (const auto& [model, assign, says] : refused) {
        SCOPED_TRACE(says);
        open("", *model ? example(model) : "");
        if (assign) item("&Run > &Assign && Check Causality")->trigger();
        ports.messages.clear();
        EXPECT_EQ(simulate(), 0);
        ASSERT_FALSE(ports.messages.empty());
        EXPECT_NE(ports.messages.back().find(says), std::string::npos) << ports.messages.back();
        EXPECT_EQ(window->simulation_window(), nullptr);
    }
    EXPECT_FALSE(window->isWindowModified());

    open("", example("series_rlc.bgf"));
    item("&Run > &Assign && Check Causality")->trigger();
    simulate();
    SimulationWindow* charts = window->simulation_window();
    ASSERT_NE(charts, nullptr) << (ports.messages.empty() ? "" : ports.messages.back());
    EXPECT_TRUE(charts->isVisible());
    EXPECT_EQ(charts->chart_views().size(), 1);
    charts->grab().save(render_path(QStringLiteral("simulation")));
    EXPECT_EQ(main->core().model_window(1)->history.undo_text(), "&Undo Simulate");
    ASSERT_TRUE(window->isWindowModified());  // the first run writes the sign lists
    ports.files = {dir.filePath("rlc.bgf").toStdString()};
    item("&File > Save Model &As...")->trigger();
    ASSERT_FALSE(window->isWindowModified());

    // A long run's charts hold a thinned copy; zooming in reads the rows in
    // view back from the run's file, and the export copies that file whole.
    main->core().model_window(1)->simulation_settings.solver = sim::SolverKind::kFixed;
    main->core().model_window(1)->simulation_settings.fixed_step = 1e-4;
    simulate();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_LT(charts->run().time.size(), 20000u);
    QChartView* view = charts->chart_views().at(0);
    auto* line = static_cast<QLineSeries*>(view->chart()->series().at(0));
    time_axis(*view)->setRange(1.0, 1.1);
    const QList<QPointF> points = line->points();
    EXPECT_GE(std::count_if(points.begin(), points.end(),
                            [](QPointF p) { return p.x() >= 1.0 && p.x() <= 1.1; }),
              1000);                                        // every step of 1e-4 s
    time_axis(*view)->setRange(0, charts->run().end_time);  // thinned for display again
    EXPECT_LE(line->count(), 8000);
    const std::string csv = dir.filePath("all.csv").toStdString();
    ports.files = {csv};
    ASSERT_TRUE(charts->export_csv());
    const std::string text = file_text(csv);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 100002);  // the head and 100001 rows
}

}  // namespace
}  // namespace vantor::test
