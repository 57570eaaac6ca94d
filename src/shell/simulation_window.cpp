#include "shell/simulation_window.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cstdlib>
#include <functional>

#include "app/ports.h"
#include "app/simulation_recorder.h"
#include "charts/plot_file.h"
#include "charts/simulation_chart.h"
#include "model/file_error.h"
#include "model/file_saving.h"
#include "shell/simulation_csv_file.h"
#include "shell/window_places.h"
#include "shell/zoom_chart_view.h"

namespace vantor::shell {

namespace {

constexpr int kChartHeight = 320;
// Zoomed out further, the charts' thinned copy serves: reading more rows back
// would hold up the window for seconds.
constexpr std::int64_t kMostRowsReadBack = 2'000'000;

QString number(double value) {
    return QString::number(value, 'g', 6);
}

}  // namespace

QString readout_text(const SimulationRun& run, std::size_t plot, double t) {
    if (plot >= run.plots.size() || run.time.empty()) return {};
    const std::size_t i = charts::nearest_sample(run.time, t);
    QString text = QStringLiteral("t = %1").arg(number(run.time[i]));
    for (const PlotSignal& signal : run.plots[plot].signals) {
        if (i >= signal.values.size()) continue;
        text += QStringLiteral("   %1 = %2")
                    .arg(QString::fromStdString(signal.legend), number(signal.values[i]));
    }
    return text;
}

SimulationWindow::SimulationWindow(Ports& ports, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      ports_(ports),
      run_(std::make_shared<SimulationRun>()),
      charts_(new QVBoxLayout),
      readout_(new QLabel) {
    auto* page = new QWidget;
    page->setLayout(charts_);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    setCentralWidget(scroll);
    readout_->setObjectName(QStringLiteral("readout"));
    statusBar()->addWidget(readout_, 1);
    build_menu();
    resize(900, 2 * kChartHeight + 80);
    shell::fit_to_screen(*this);
    update_title();
}

void SimulationWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Never larger than the screen it opens on, wherever it was kept.
    shell::fit_to_screen(*this);
}

void SimulationWindow::build_menu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(file->addAction(QStringLiteral("Export &CSV...")), &QAction::triggered, this,
            [this] { export_csv(); });
    connect(file->addAction(QStringLiteral("Export &PNG...")), &QAction::triggered, this,
            [this] { export_png(); });
    connect(file->addAction(QStringLiteral("Export &SVG...")), &QAction::triggered, this,
            [this] { export_svg(); });
    file->addSeparator();
    connect(file->addAction(QStringLiteral("&Close")), &QAction::triggered, this,
            [this] { close(); });
}

void SimulationWindow::set_model(const std::string& caption, const std::string& folder) {
    caption_ = caption;
    folder_ = folder;
    update_title();
}

void SimulationWindow::update_title() {
    QString title = QStringLiteral("Simulation - ") + QString::fromStdString(caption_);
    if (run_->outcome == SimulateOutcome::kStopped) {
        title += QStringLiteral(" (stopped at t = %1)").arg(number(run_->end_time));
    }
    setWindowTitle(title);
}

void SimulationWindow::show_run(const SimulationRun& run,
                                std::shared_ptr<const SimulationCsvFile> csv) {
    for (QChartView* view : chart_views()) delete view;
    run_ = std::make_shared<const SimulationRun>(run);
    csv_ = std::move(csv);
    for (std::size_t p = 0; p < run_->plots.size(); ++p) {
        QChart* chart = charts::make_plot_chart(run_->plots[p], run_->time);
        charts::refine_on_zoom(*chart, run_, p, row_reader());
        charts_->addWidget(
            new ZoomChartView(chart, kChartHeight, [this, p](double t) { show_readout(p, t); }));
    }
    readout_->clear();
    update_title();
}

charts::RowReader SimulationWindow::row_reader() const {
    if (csv_ == nullptr) return {};
    return [csv = csv_](double from, double to, std::vector<double>& time,
                        std::vector<std::vector<double>>& columns) {
        return csv->read_rows(from, to, kMostRowsReadBack, kDisplayStretches, time, columns);
    };
}

QList<QChartView*> SimulationWindow::chart_views() const {
    return centralWidget()->findChildren<QChartView*>();
}

void SimulationWindow::show_readout(std::size_t plot, double t) {
    readout_->setText(readout_text(*run_, plot, t));
}

QString SimulationWindow::readout() const {
    return readout_->text();
}

template <typename Write>
bool SimulationWindow::export_file(const char* title, const char* filter, const char* extension,
                                   Write write) {
    const std::string stem = caption_.empty() ? "model" : caption_;
    const std::optional<std::string> path =
        ports_.save_file({title, filter, folder_, stem + extension, false, true});
    if (!path) return false;
    try {
        write(*path);
        return true;
    } catch (const FileError& e) {
        ports_.message_box({std::string("The file could not be written: ") + e.what(),
                            MessageButtons::kOk, MessageKind::kError});
        return false;
    }
}

bool SimulationWindow::export_csv() {
    return export_file("Export CSV", "CSV Files (*.csv)|*.csv|", ".csv", [this](const auto& path) {
        // The charts hold a thinned copy of a long run; the file has every row.
        if (csv_ != nullptr && csv_->complete()) {
            csv_->copy_to(path);
        } else {
            save_file(path, simulation_csv(*run_));
        }
    });
}

bool SimulationWindow::export_png() {
    return export_file("Export PNG", "PNG Pictures (*.png)|*.png|", ".png",
                       [this](const auto& path) { charts::write_plot_file(*run_, path); });
}

bool SimulationWindow::export_svg() {
    return export_file("Export SVG", "SVG Pictures (*.svg)|*.svg|", ".svg",
                       [this](const auto& path) { charts::write_plot_file(*run_, path); });
}

}  // namespace vantor::shell
