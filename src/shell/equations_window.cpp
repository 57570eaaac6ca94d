#include "shell/equations_window.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRubberBand>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/equations_html.h"
#include "app/ports.h"
#include "charts/bode_chart.h"
#include "equations/expression_printer.h"
#include "equations/html_printer.h"
#include "equations/numeric_values.h"
#include "model/file_error.h"
#include "model/file_saving.h"
#include "model/model.h"

namespace vantor::shell {

namespace eq = equations;

namespace {

constexpr int kChartHeight = 260;
// A drag shorter than this is a click, not a zoom.
constexpr int kLeastZoomPixels = 4;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QString number(double value) {
    return QString::number(value, 'g', 6);
}

// A Bode chart with the simulation charts' habits: drag a rectangle to zoom,
// right click or double click to see all again; the pointer's frequency
// goes to the readout.
class BodeView : public QChartView {
  public:
    explicit BodeView(std::function<void(double)> pointer_at) : pointer_at_(std::move(pointer_at)) {
        setRubberBand(QChartView::RectangleRubberBand);
        setRenderHint(QPainter::Antialiasing);
        setMouseTracking(true);
        setMinimumHeight(kChartHeight);
    }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPointF at = chart()->mapFromScene(mapToScene(event->position().toPoint()));
        if (chart()->plotArea().contains(at)) pointer_at_(chart()->mapToValue(at).x());
        QChartView::mouseMoveEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override {
        pressed_at_ = event->position().toPoint();
        QChartView::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            chart()->zoomReset();
            event->accept();
            return;
        }
        if (event->button() == Qt::LeftButton) {
            const QPoint drag = event->position().toPoint() - pressed_at_;
            if (std::abs(drag.x()) < kLeastZoomPixels || std::abs(drag.y()) < kLeastZoomPixels) {
                // Hidden, the band is not zoomed into: a click is no zoom.
                if (auto* band = findChild<QRubberBand*>()) band->hide();
            }
        }
        QChartView::mouseReleaseEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        chart()->zoomReset();
        event->accept();
    }

  private:
    std::function<void(double)> pointer_at_;
    QPoint pressed_at_;
};

void replace_chart(QChartView& view, QChart* chart) {
    QChart* old = view.chart();
    view.setChart(chart);
    delete old;
}

std::string element_name(const Model& model, int n) {
    if (n < 1 || n > model.nobj) return std::to_string(n);
    // The type without the library's padding: "I__" is an I.
    std::string type = model.objs[static_cast<std::size_t>(n)].type.trimmed();
    while (type.size() > 1 && type.back() == '_') type.pop_back();
    return type + " (" + std::to_string(n) + ")";
}

// The format a file name's extension asks for; text for anything else.
eq::Format format_of(const std::string& path) {
    const auto ends = [&path](const char* tail) {
        const std::string t(tail);
        if (path.size() < t.size()) return false;
        std::string end = path.substr(path.size() - t.size());
        std::transform(end.begin(), end.end(), end.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return end == t;
    };
    if (ends(".tex")) return eq::Format::kLatex;
    if (ends(".m")) return eq::Format::kMatlab;
    if (ends(".json")) return eq::Format::kJson;
    return eq::Format::kText;
}

}  // namespace

EquationsWindow::EquationsWindow(Ports& ports, std::function<void(int)> select, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      ports_(ports),
      select_(std::move(select)),
      message_(new QLabel),
      numeric_(new QCheckBox(QStringLiteral("&Numeric"))),
      pages_(new QTabWidget),
      equations_(new QTextBrowser),
      variables_(new QTableWidget(0, 4)),
      linear_(new QTextBrowser),
      input_(new QComboBox),
      output_(new QComboBox),
      magnitude_(new BodeView([this](double w) { show_readout(w); })),
      phase_(new BodeView([this](double w) { show_readout(w); })),
      readout_(new QLabel) {
    message_->setWordWrap(true);
    message_->setObjectName(QStringLiteral("message"));
    numeric_->setToolTip(QStringLiteral("Put the parameters' values into the equations"));
    connect(numeric_, &QCheckBox::toggled, this, [this] { show_view(); });

    variables_->setHorizontalHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Name"),
                                           QStringLiteral("Element"), QStringLiteral("Value")});
    variables_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    variables_->setSelectionBehavior(QAbstractItemView::SelectRows);
    variables_->setSelectionMode(QAbstractItemView::SingleSelection);
    variables_->verticalHeader()->hide();
    variables_->horizontalHeader()->setStretchLastSection(true);
    connect(variables_, &QTableWidget::itemSelectionChanged, this, [this] {
        if (filling_) return;
        const QList<QTableWidgetItem*> chosen = variables_->selectedItems();
        if (chosen.isEmpty()) return;
        const int element = variables_->item(chosen.front()->row(), 0)->data(Qt::UserRole).toInt();
        if (element > 0 && select_) select_(element);
    });

    auto* bode_page = new QWidget;
    auto* bode_layout = new QVBoxLayout(bode_page);
    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(QStringLiteral("From input")));
    choices->addWidget(input_, 1);
    choices->addWidget(new QLabel(QStringLiteral("to output")));
    choices->addWidget(output_, 1);
    bode_layout->addLayout(choices);
    bode_layout->addWidget(magnitude_);
    bode_layout->addWidget(phase_);
    const auto chosen = [this] {
        if (!filling_) update_bode();
    };
    connect(input_, &QComboBox::currentIndexChanged, this, chosen);
    connect(output_, &QComboBox::currentIndexChanged, this, chosen);

    pages_->addTab(equations_, QStringLiteral("&Equations"));
    pages_->addTab(variables_, QStringLiteral("&Variables"));
    pages_->addTab(linear_, QStringLiteral("&Linear"));
    pages_->addTab(bode_page, QStringLiteral("&Bode"));

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(message_);
    layout->addWidget(numeric_);
    layout->addWidget(pages_, 1);
    setCentralWidget(page);
    readout_->setObjectName(QStringLiteral("readout"));
    statusBar()->addWidget(readout_, 1);
    build_menu();
    resize(760, 620);
    fit_to_screen();
    update_bode();
    update_title();
}

void EquationsWindow::build_menu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(file->addAction(QStringLiteral("Copy as &LaTeX")), &QAction::triggered, this,
            [this] { copy_latex(); });
    connect(file->addAction(QStringLiteral("Copy as &MATLAB")), &QAction::triggered, this,
            [this] { copy_matlab(); });
    connect(file->addAction(QStringLiteral("Save &As...")), &QAction::triggered, this,
            [this] { save_as(); });
    file->addSeparator();
    connect(file->addAction(QStringLiteral("&Close")), &QAction::triggered, this,
            [this] { close(); });
}

void EquationsWindow::set_model(const std::string& caption, const std::string& folder) {
    caption_ = caption;
    folder_ = folder;
    update_title();
}

void EquationsWindow::update_title() {
    setWindowTitle(QStringLiteral("State Equations - ") + qt(caption_));
}

void EquationsWindow::fit_to_screen() {
    const QScreen* where = screen();
    if (where == nullptr) return;
    const QSize room = where->availableGeometry().size();
    if (width() > room.width() || height() > room.height()) resize(size().boundedTo(room));
}

void EquationsWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    fit_to_screen();
}

void EquationsWindow::follow(const Model& model) {
    const bool had = view_.has_equations();
    if (!view_.follow(model)) return;
    // The names of the elements of the equations shown: those of the model they came from.
    if (!view_.stale() || !had) {
        element_names_.assign(static_cast<std::size_t>(kTableSlots), std::string());
        for (int n = 1; n <= model.nobj; ++n)
            element_names_[static_cast<std::size_t>(n)] = element_name(model, n);
    }
    show_view();
    if (!view_.stale()) {
        fill_variables();
        fill_bode_choices();
        update_bode();
    }
}

void EquationsWindow::set_numeric(bool numeric) {
    numeric_->setChecked(numeric);
}

void EquationsWindow::show_view() {
    QStringList lines;
    if (view_.stale())
        lines << QStringLiteral("<b>%1</b>").arg(qt(eq::html_escaped(view_.problem())));
    for (const std::string& note : view_.notes()) lines << qt(eq::html_escaped(note));
    message_->setText(lines.join(QStringLiteral("<br>")));
    message_->setVisible(!lines.isEmpty());

    const bool numeric = numeric_->isChecked();
    if (view_.has_equations()) {
        equations_->setHtml(qt(equations_html(view_.system(), view_.analysis(), numeric)));
        linear_->setHtml(qt(linear_html(view_.system(), view_.analysis(), numeric)));
    } else {
        equations_->clear();
        linear_->clear();
    }
    // The last equations stay, greyed, while they are no longer the model's.
    const bool current = !view_.stale();
    for (QWidget* shown : std::initializer_list<QWidget*>{equations_, linear_, variables_,
                                                          magnitude_, phase_, input_, output_})
        shown->setEnabled(current);
}

void EquationsWindow::fill_variables() {
    filling_ = true;
    variables_->setRowCount(0);
    if (view_.has_equations()) {
        const eq::EquationSystem& system = view_.system();
        const auto add = [this](const QString& kind, const std::string& name, int element,
                                const std::string& value) {
            const int row = variables_->rowCount();
            variables_->insertRow(row);
            auto* first = new QTableWidgetItem(kind);
            first->setData(Qt::UserRole, element);
            variables_->setItem(row, 0, first);
            variables_->setItem(row, 1, new QTableWidgetItem(qt(name)));
            const std::size_t n = static_cast<std::size_t>(element);
            variables_->setItem(
                row, 2,
                new QTableWidgetItem(qt(n < element_names_.size() ? element_names_[n] : "")));
            variables_->setItem(row, 3, new QTableWidgetItem(qt(value)));
        };
        for (const eq::State& x : system.states) {
            add(QStringLiteral("state"), x.name, x.element,
                std::string(eq::kind_name(x.kind)) + ", initially " +
                    eq::print_expression(x.initial));
        }
        for (const eq::Input& u : system.inputs)
            add(QStringLiteral("input"), u.name, u.element, u.value);
        for (std::size_t i = 0; i < system.outputs.size(); ++i) {
            const eq::Output& y = system.outputs[i];
            add(QStringLiteral("output"), "y" + std::to_string(i + 1), y.element, y.name);
        }
        for (const eq::Parameter& p : system.parameters) {
            std::string value = p.text + ", no value";
            if (p.value) {
                const std::string number = eq::format_number(*p.value);
                value = p.text == number ? number : p.text + " = " + number;
            }
            add(QStringLiteral("parameter"), p.name, p.element, value);
        }
    }
    variables_->resizeColumnsToContents();
    filling_ = false;
}

void EquationsWindow::fill_bode_choices() {
    filling_ = true;
    const int input = input_->currentIndex();
    const int output = output_->currentIndex();
    input_->clear();
    output_->clear();
    if (view_.has_equations()) {
        for (const eq::Input& u : view_.system().inputs) input_->addItem(qt(u.name));
        for (const eq::Output& y : view_.system().outputs) output_->addItem(qt(y.name));
    }
    // The choice stays while the lists still reach it.
    if (input >= 0 && input < input_->count()) input_->setCurrentIndex(input);
    if (output >= 0 && output < output_->count()) output_->setCurrentIndex(output);
    filling_ = false;
}

void EquationsWindow::choose_bode(int input, int output) {
    filling_ = true;
    input_->setCurrentIndex(input);
    output_->setCurrentIndex(output);
    filling_ = false;
    update_bode();
}

void EquationsWindow::update_bode() {
    bode_.clear();
    QString title;
    if (input_->currentIndex() >= 0 && output_->currentIndex() >= 0) {
        if (auto points = view_.bode(static_cast<std::size_t>(input_->currentIndex()),
                                     static_cast<std::size_t>(output_->currentIndex()))) {
            bode_ = std::move(*points);
            title = output_->currentText() + QStringLiteral(" / ") + input_->currentText();
        }
    }
    if (title.isEmpty() && view_.has_equations()) {
        title = view_.analysis().linear.linear ? qt(view_.analysis().numeric_problem)
                                               : QStringLiteral("Not linear: no Bode plot");
    }
    replace_chart(*magnitude_, charts::make_bode_chart(bode_, charts::BodePart::kMagnitude, title));
    replace_chart(*phase_, charts::make_bode_chart(bode_, charts::BodePart::kPhase, QString()));
    readout_->clear();
}

void EquationsWindow::show_readout(double w) {
    if (bode_.empty()) return;
    const auto nearest =
        std::min_element(bode_.begin(), bode_.end(), [w](const auto& a, const auto& b) {
            return std::abs(std::log(a.w / w)) < std::abs(std::log(b.w / w));
        });
    readout_->setText(QStringLiteral("w = %1 rad/s   |H| = %2 dB   phase = %3 deg")
                          .arg(number(nearest->w), number(nearest->db), number(nearest->degrees)));
}

QString EquationsWindow::readout() const {
    return readout_->text();
}

bool EquationsWindow::copy(eq::Format format) {
    if (!view_.has_equations()) return false;
    try {
        QApplication::clipboard()->setText(
            qt(view_.format(format, numeric_->isChecked(), caption_)));
        return true;
    } catch (const eq::NumericError& e) {
        ports_.message_box({e.what(), MessageButtons::kOk, MessageKind::kError});
        return false;
    }
}

bool EquationsWindow::copy_latex() {
    return copy(eq::Format::kLatex);
}

bool EquationsWindow::copy_matlab() {
    return copy(eq::Format::kMatlab);
}

bool EquationsWindow::save_as() {
    if (!view_.has_equations()) return false;
    const std::string stem = caption_.empty() ? "model" : caption_;
    const std::optional<std::string> path = ports_.save_file(
        {"Save Equations As",
         "Text (*.txt)|*.txt|LaTeX (*.tex)|*.tex|MATLAB (*.m)|*.m|JSON (*.json)|*.json|", folder_,
         stem + ".txt", false, true});
    if (!path) return false;
    try {
        save_file(*path, view_.format(format_of(*path), numeric_->isChecked(), caption_));
        return true;
    } catch (const eq::NumericError& e) {
        ports_.message_box({e.what(), MessageButtons::kOk, MessageKind::kError});
    } catch (const FileError& e) {
        ports_.message_box({std::string("The file could not be written: ") + e.what(),
                            MessageButtons::kOk, MessageKind::kError});
    }
    return false;
}

}  // namespace vantor::shell
