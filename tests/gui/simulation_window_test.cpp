// The simulation window, its charts and the files it writes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QProgressDialog>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <tuple>

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
    const std::pair<double, std::size_t> nearest[] = {{-5, 0},  {0.4, 0}, {0.6, 1},
                                                      {1.9, 1}, {2.1, 2}, {9, 2}};
    for (const auto& [t, expected] : nearest)
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
    ASSERT_EQ(views.size(), 2);
    std::vector<std::string> legends;
    for (QChartView* view : views) {
        for (QLegendMarker* marker : view->chart()->legend()->markers())
            legends.push_back(marker->label().toStdString());
    }
    EXPECT_EQ(legends, (std::vector<std::string>{"De (3)", "Se (1)", "I (4)"}));
    EXPECT_EQ(views[1]->chart()->title(), "States");
    EXPECT_EQ(window.windowTitle(), "Simulation - rlc");
    window.show_readout(0, 0.7);
    EXPECT_EQ(window.readout(), "t = 0.5   De (3) = 1   Se (1) = 5");

    QTemporaryDir dir;
    const std::string csv = dir.filePath("out.csv").toStdString();
    const std::string png = dir.filePath("OUT.PNG").toStdString();  // the extension in any case
    const std::string svg = dir.filePath("out.svg").toStdString();
    const std::string jpg = dir.filePath("out.jpg").toStdString();
    ports.files = {csv, png, svg, std::nullopt, jpg};
    ASSERT_TRUE(window.export_csv());
    EXPECT_EQ(file_text(csv), simulation_csv(run));
    EXPECT_EQ(ports.dialogs.back().proposed_name, "rlc.csv");
    EXPECT_EQ(ports.dialogs.back().folder, "/models");
    ASSERT_TRUE(window.export_png());
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(),
              QSize(charts::kPlotFileWidth, 2 * charts::kPlotFileChartHeight));
    ASSERT_TRUE(window.export_svg());
    EXPECT_EQ(file_text(svg).rfind("<?xml", 0), 0u);
    EXPECT_EQ(ports.dialogs.back().title, "Export SVG");
    EXPECT_FALSE(window.export_png());  // cancelled
    EXPECT_TRUE(ports.messages.empty());
    EXPECT_FALSE(window.export_png());  // a name the PNG export cannot write
    ASSERT_EQ(ports.messages.size(), 1u);
    EXPECT_NE(ports.messages[0].find("out.jpg"), std::string::npos) << ports.messages[0];
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(jpg)));

    window.show();
    QWidget* surface = views[0]->viewport();
    const QRect area = views[0]->chart()->plotArea().toRect();
    const QPoint from = area.topLeft() + QPoint(area.width() / 4, 10);
    const QPoint to = area.topLeft() + QPoint(area.width() / 2, area.height() - 10);
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(surface, to);
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_NEAR(time_axis(*views[0])->min(), 0.5, 0.05);
    EXPECT_NEAR(time_axis(*views[0])->max(), 1.0, 0.05);
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, to);  // a click is no zoom
    EXPECT_NEAR(time_axis(*views[0])->max(), 1.0, 0.05);
    QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, to);  // the whole run again
    EXPECT_EQ(time_axis(*views[0])->min(), 0.0);
    EXPECT_EQ(time_axis(*views[0])->max(), 2.0);

    run.outcome = SimulateOutcome::kStopped;
    run.end_time = 1.25;
    run.plots.pop_back();
    run.plots[0].signals[0].values.back() = std::numeric_limits<double>::infinity();
    window.show_run(run);
    EXPECT_EQ(window.chart_views().size(), 1);
    EXPECT_EQ(window.windowTitle(), "Simulation - rlc (stopped at t = 1.25)");
}

struct RunSimulate : ModelWindowSession {
    // Simulate, noting the progress dialogs that exist when a message shows.
    int simulate() {
        int progress_dialogs = 0;
        ports.on_message = [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                progress_dialogs += static_cast<int>(top->findChildren<QProgressDialog*>().size());
                if (qobject_cast<QProgressDialog*>(top) != nullptr) ++progress_dialogs;
            }
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
    EXPECT_EQ(charts->run().outcome, SimulateOutcome::kCompleted);
    ASSERT_EQ(charts->chart_views().size(), 1);
    EXPECT_NE(charts->chart_views()[0]->chart()->title().indexOf("scope"), -1);
    EXPECT_GT(charts->run().time.size(), 10u);
    EXPECT_EQ(charts->windowTitle(), "Simulation - series_rlc");
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
    EXPECT_EQ(charts->run().rows, 100001);
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
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 100002);
}

}  // namespace
}  // namespace vantor::test
