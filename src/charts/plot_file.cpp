#include "charts/plot_file.h"

#include <QBuffer>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "charts/simulation_chart.h"
#include "model/file_error.h"
#include "model/file_saving.h"
#include "model/text.h"

namespace vantor::charts {

namespace {

// The charts laid out in a scene, which owns them.
class StackedCharts {
  public:
    explicit StackedCharts(const SimulationRun& run) {
        qreal top = 0;
        for (const Plot& plot : run.plots) {
            QChart* chart = make_plot_chart(plot, run.time);
            scene_.addItem(chart);
            chart->setGeometry(QRectF(0, top, kPlotFileWidth, kPlotFileChartHeight));
            top += kPlotFileChartHeight;
        }
        size_ = QSize(kPlotFileWidth, static_cast<int>(top));
    }

    QSize size() const { return size_; }

    void paint(QPainter& painter) {
        const QRectF area(QPointF(0, 0), size_);
        scene_.render(&painter, area, area);
    }

  private:
    QGraphicsScene scene_;
    QSize size_;
};

QByteArray png_bytes(StackedCharts& charts) {
    QImage image(charts.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    charts.paint(painter);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svg_bytes(StackedCharts& charts) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(charts.size());
    svg.setViewBox(QRect(QPoint(0, 0), charts.size()));
    svg.setTitle(QStringLiteral("Vantor simulation"));
    QPainter painter(&svg);
    charts.paint(painter);
    painter.end();
    return bytes;
}

}  // namespace

std::optional<PlotFileFormat> plot_file_format_of(const std::string& path) {
    const std::string extension = extension_of(path);
    if (extension == "png") return PlotFileFormat::kPng;
    if (extension == "svg") return PlotFileFormat::kSvg;
    return std::nullopt;
}

std::string plot_file_bytes(const SimulationRun& run, PlotFileFormat format) {
    StackedCharts charts(run);
    const QByteArray bytes = format == PlotFileFormat::kPng ? png_bytes(charts) : svg_bytes(charts);
    return bytes.toStdString();
}

void write_plot_file(const SimulationRun& run, const std::string& path) {
    const std::optional<PlotFileFormat> format = plot_file_format_of(path);
    if (!format) throw FileError(path, "the name ends in neither .png nor .svg");
    if (run.plots.empty()) throw FileError(path, "the run has nothing to plot");
    const std::string bytes = plot_file_bytes(run, *format);
    if (bytes.empty()) throw FileError(path, "the picture could not be made");
    save_file(path, bytes);
}

}  // namespace vantor::charts
