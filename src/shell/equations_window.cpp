#include "shell/equations_window.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/equations_html.h"
#include "app/ports.h"
#include "equations/expression_printer.h"
#include "equations/html_printer.h"
#include "model/model.h"
#include "shell/bode_view.h"
#include "shell/window_places.h"

namespace vantor::shell {

namespace eq = equations;

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

std::string element_name(const Model& model, int n) {
    if (n < 1 || n > model.nobj) return std::to_string(n);
    // The type without the library's padding: "I__" is an I.
    std::string type = model.objs[static_cast<std::size_t>(n)].type.trimmed();
    while (type.size() > 1 && type.back() == '_') type.pop_back();
    return type + " (" + std::to_string(n) + ")";
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
    shell::fit_to_screen(*this);
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

void EquationsWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    shell::fit_to_screen(*this);
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

}  // namespace vantor::shell
