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
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <cmath>
#include <filesystem>
#include <limits>

#include "app/simulation_csv.h"
#include "app/thinned_rows.h"
#include "charts/plot_file.h"
#include "charts/simulation_chart.h"
#include "gui/model_window_session.h"
#include "shell/simulation_csv_file.h"
#include "shell/simulation_window.h"

namespace vantor::test {
namespace {

using shell::SimulationWindow;

// Two charts: two signals on the first, one on the second, over t = 0..2.
SimulationRun two_plot_run() {
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
    return run;
}

std::vector<std::string> legend_names(const QChartView& view) {
    std::vector<std::string> names;
    for (QLegendMarker* marker : view.chart()->legend()->markers()) {
        names.push_back(marker->label().toStdString());
    }
    return names;
}

QValueAxis* time_axis(const QChartView& view) {
    return static_cast<QValueAxis*>(view.chart()->axes(Qt::Horizontal).front());
}

TEST(PlotPoints, KeepsEveryFiniteSampleOrThinsWithoutLosingPeaks) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> time = {0, 1, 2, 3};
    const QList<QPointF> kept = charts::plot_points(time, std::vector<double>{1, nan, 3, inf}, 10);
    EXPECT_EQ(kept, (QList<QPointF>{{0, 1}, {2, 3}}));

    std::vector<double> long_time(100000);
    std::vector<double> wave(long_time.size());
    for (std::size_t i = 0; i < long_time.size(); ++i) {
        long_time[i] = static_cast<double>(i) * 1e-3;
        wave[i] = std::sin(static_cast<double>(i) * 0.05);
    }
    wave[31337] = 7;  // a single-sample spike
    const QList<QPointF> thin = charts::plot_points(long_time, wave, 800);
    ASSERT_LE(thin.size(), 800);
    EXPECT_EQ(thin.front(), QPointF(0, 0));
    EXPECT_EQ(thin.back().x(), long_time.back());
    EXPECT_TRUE(std::any_of(thin.begin(), thin.end(), [](QPointF p) { return p.y() == 7; }));
    EXPECT_TRUE(std::is_sorted(thin.begin(), thin.end(),
                               [](QPointF a, QPointF b) { return a.x() < b.x(); }));
}

TEST(PlotPoints, NearestSampleSplitsTheGapsBetweenTimes) {
    const std::vector<double> time = {0.0, 1.0, 3.0};
    const std::pair<double, std::size_t> cases[] = {{-5, 0},  {0.4, 0}, {0.6, 1},
                                                    {1.9, 1}, {2.1, 2}, {9, 2}};
    for (const auto& [t, expected] : cases)
        EXPECT_EQ(charts::nearest_sample(time, t), expected) << t;
    EXPECT_EQ(charts::nearest_sample({}, 1.0), 0u);
}

TEST(SimulationWindow, ShowsAChartPerPlotWithTheSignalsLegends) {
    FakePorts ports;
    SimulationWindow window(ports);
    window.set_model("rlc", "");
    window.show_run(two_plot_run());
    const QList<QChartView*> views = window.chart_views();
    ASSERT_EQ(views.size(), 2);
    EXPECT_EQ(legend_names(*views[0]), (std::vector<std::string>{"De (3)", "Se (1)"}));
    EXPECT_EQ(legend_names(*views[1]), (std::vector<std::string>{"I (4)"}));
    EXPECT_EQ(views[1]->chart()->title(), "States");
    EXPECT_EQ(window.windowTitle(), "Simulation - rlc");

    window.show_readout(0, 0.7);
    EXPECT_EQ(window.readout(), "t = 0.5   De (3) = 1   Se (1) = 5");

    // A run that stopped early replaces the charts and says where it stopped.
    SimulationRun stopped = two_plot_run();
    stopped.outcome = SimulateOutcome::kStopped;
    stopped.end_time = 1.25;
    stopped.plots.pop_back();
    stopped.plots[0].signals[0].values.back() = std::numeric_limits<double>::infinity();
    window.show_run(stopped);
    EXPECT_EQ(window.chart_views().size(), 1);
    EXPECT_EQ(window.windowTitle(), "Simulation - rlc (stopped at t = 1.25)");
}

TEST(SimulationWindow, DraggingZoomsAndARightClickShowsTheWholeRunAgain) {
    FakePorts ports;
    SimulationWindow window(ports);
    window.show_run(two_plot_run());
    window.show();
    QChartView* view = window.chart_views().front();
    QWidget* surface = view->viewport();
    const QRect area = view->chart()->plotArea().toRect();

    const QPoint from = area.topLeft() + QPoint(area.width() / 4, 10);
    const QPoint to = area.topLeft() + QPoint(area.width() / 2, area.height() - 10);
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(surface, to);
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_NEAR(time_axis(*view)->min(), 0.5, 0.05);
    EXPECT_NEAR(time_axis(*view)->max(), 1.0, 0.05);

    // A click is no zoom.
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_NEAR(time_axis(*view)->max(), 1.0, 0.05);

    QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, to);
    EXPECT_EQ(time_axis(*view)->min(), 0.0);
    EXPECT_EQ(time_axis(*view)->max(), 2.0);
}

// A long run's charts hold a thinned copy; zooming in reads the rows in
// view back from the run's file, and the export copies that file whole.
TEST(SimulationWindow, ZoomingInReadsTheRowsBackFromTheRunsFile) {
    auto csv = std::make_shared<shell::SimulationCsvFile>();
    CsvRowWriter writer(csv->stream(), {"sc/1 (sc)"});
    ThinnedRows thinned(1, 50);
    const int rows = 200001;
    for (int k = 0; k < rows; ++k) {
        const double t = 1e-5 * k;
        const double v[] = {std::sin(1000 * t)};
        writer.row(t, v);
        thinned.add(t, v);
    }
    ASSERT_TRUE(csv->finish());
    SimulationRun run;
    run.outcome = SimulateOutcome::kCompleted;
    run.rows = rows;
    run.end_time = 2;
    std::vector<std::vector<double>> columns;
    thinned.take(run.time, columns);
    run.plots = {{"sc (sc)", {{"sc/1 (sc)", "x (1)", 1, columns[0]}}}};

    FakePorts ports;
    SimulationWindow window(ports);
    window.show_run(run, csv);
    QChartView* view = window.chart_views().at(0);
    auto* line = static_cast<QLineSeries*>(view->chart()->series().at(0));
    const auto points_in = [&](double from, double to) {
        int n = 0;
        for (const QPointF& p : line->points()) n += p.x() >= from && p.x() <= to;
        return n;
    };
    time_axis(*view)->setRange(1.0, 1.01);
    EXPECT_GE(points_in(1.0, 1.01), 1000);  // every step of 1e-5 s
    time_axis(*view)->setRange(0, 2);       // the whole run, read back, is thinned for display
    EXPECT_GT(line->count(), static_cast<int>(run.time.size()));
    EXPECT_LE(line->count(), 8000);

    QTemporaryDir dir;
    const std::string out = dir.filePath("all.csv").toStdString();
    ports.files = {out};
    ASSERT_TRUE(window.export_csv());
    const std::string text = file_text(out);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), rows + 1);
}

TEST(SimulationWindow, ExportsThroughTheFileDialogsAndReportsFailures) {
    QTemporaryDir dir;
    FakePorts ports;
    SimulationWindow window(ports);
    window.set_model("rlc", "/models");
    const SimulationRun run = two_plot_run();
    window.show_run(run);
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
}

using RunSimulate = ModelWindowSession;

TEST_F(RunSimulate, ChartsEveryScopeOfTheModel) {
    std::filesystem::copy(std::filesystem::path(VANTOR_DATA_DIR) / "code3",
                          std::filesystem::path(folder.path()) / "code3",
                          std::filesystem::copy_options::recursive);
    open("", example("series_rlc.bgf"));
    EXPECT_EQ(window->simulation_window(), nullptr);

    item("&Run > &Assign && Check Causality")->trigger();
    item("&Run > &Simulate")->trigger();
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

    // The export copies every row of the run, not the charts' thinned copy.
    main->core().model_window(1)->simulation_settings.solver = sim::SolverKind::kFixed;
    main->core().model_window(1)->simulation_settings.fixed_step = 1e-4;
    item("&Run > &Simulate")->trigger();
    EXPECT_EQ(charts->run().rows, 100001);
    EXPECT_LT(charts->run().time.size(), 20000u);
    const std::string csv = dir.filePath("all.csv").toStdString();
    ports.files = {csv};
    ASSERT_TRUE(charts->export_csv());
    const std::string text = file_text(csv);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 100002);
}

// A run refused before it starts shows its message alone: no progress
// dialog exists then, to appear over it a few seconds later.
struct RefusedSimulate : ModelWindowSession {
    void expect_message_alone(const char* model, bool assign, const char* says) {
        std::filesystem::copy(std::filesystem::path(VANTOR_DATA_DIR) / "code3",
                              std::filesystem::path(folder.path()) / "code3",
                              std::filesystem::copy_options::recursive);
        open("", example(model));
        if (assign) item("&Run > &Assign && Check Causality")->trigger();
        ports.messages.clear();
        int progress_dialogs = 0;
        ports.on_message = [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                progress_dialogs += static_cast<int>(top->findChildren<QProgressDialog*>().size());
                if (qobject_cast<QProgressDialog*>(top) != nullptr) ++progress_dialogs;
            }
        };
        item("&Run > &Simulate")->trigger();
        ports.on_message = nullptr;
        ASSERT_FALSE(ports.messages.empty());
        EXPECT_NE(ports.messages.back().find(says), std::string::npos) << ports.messages.back();
        EXPECT_EQ(progress_dialogs, 0);
        EXPECT_EQ(window->simulation_window(), nullptr);
    }
};

TEST_F(RefusedSimulate, WithoutCausality) {
    expect_message_alone("series_rlc.bgf", false, "You must assign causality");
}

TEST_F(RefusedSimulate, ForAnAlgebraicLoop) {
    expect_message_alone("algebraic_loop.bgf", true, "algebraic loop");
}

}  // namespace
}  // namespace vantor::test
