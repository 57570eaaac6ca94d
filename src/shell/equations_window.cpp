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

#include "app/ports.h"
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

}  // namespace

EquationsWindow::EquationsWindow(Ports& ports, std::function<void(int)> select, QWidget* parent,
                                 int background_elements)
    : QMainWindow(parent, Qt::Window),
      ports_(ports),
      select_(std::move(select)),
      // Posted to this window's thread; dropped with the window if it closes first.
      follower_(
          [this] {
              QMetaObject::invokeMethod(
                  this, [this] { collected(); }, Qt::QueuedConnection);
          },
          background_elements),
      message_(new QLabel),
      numeric_(new QCheckBox(QStringLiteral("&Numeric"))),
      pages_(new QTabWidget),
      equations_(new QTextBrowser),
      variables_(new QTableWidget(0, 4)),
      linear_(new QTextBrowser),
      input_(new QComboBox),
      output_(new QComboBox),
      transfer_(new QLabel),
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
    transfer_->setTextFormat(Qt::RichText);
    transfer_->setObjectName(QStringLiteral("transfer"));
    bode_layout->addWidget(transfer_);
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
    switch (follower_.follow(model)) {
        case EquationsFollower::Followed::kUnchanged:
            return;
        case EquationsFollower::Followed::kChanged:
            show_snapshot();
            return;
        case EquationsFollower::Followed::kDeriving:
            show_view();  // says so, over the last equations
            return;
    }
}

void EquationsWindow::collected() {
    if (follower_.collect()) show_snapshot();
}

void EquationsWindow::show_snapshot() {
    show_view();
    if (!snapshot().stale) {
        fill_variables();
        fill_bode_choices();
        update_bode();
    }
}

void EquationsWindow::set_numeric(bool numeric) {
    numeric_->setChecked(numeric);
}

void EquationsWindow::show_view() {
    const EquationsSnapshot& shown = snapshot();
    QStringList lines;
    if (follower_.deriving()) lines << QStringLiteral("<i>Deriving the equations...</i>");
    if (shown.stale) lines << QStringLiteral("<b>%1</b>").arg(qt(eq::html_escaped(shown.problem)));
    for (const std::string& note : shown.notes) lines << qt(eq::html_escaped(note));
    message_->setText(lines.join(QStringLiteral("<br>")));
    message_->setVisible(!lines.isEmpty());

    const bool numeric = numeric_->isChecked();
    if (shown.has_equations) {
        equations_->setHtml(qt(shown.equations_html[numeric]));
        linear_->setHtml(qt(shown.linear_html[numeric]));
    } else {
        equations_->clear();
        linear_->clear();
    }
    // The last equations stay, greyed, while they are no longer the model's.
    const bool current = !shown.stale;
    for (QWidget* part : std::initializer_list<QWidget*>{
             equations_, linear_, variables_, magnitude_, phase_, input_, output_, transfer_})
        part->setEnabled(current);
}

void EquationsWindow::fill_variables() {
    filling_ = true;
    variables_->setRowCount(0);
    const EquationsSnapshot& shown = snapshot();
    for (const EquationsRow& r : shown.rows) {
        const int row = variables_->rowCount();
        variables_->insertRow(row);
        auto* first = new QTableWidgetItem(qt(r.kind));
        first->setData(Qt::UserRole, r.element);
        variables_->setItem(row, 0, first);
        variables_->setItem(row, 1, new QTableWidgetItem(qt(r.name)));
        const std::size_t n = static_cast<std::size_t>(r.element);
        const std::string element =
            n < shown.element_names.size() ? shown.element_names[n] : std::string();
        variables_->setItem(row, 2, new QTableWidgetItem(qt(element)));
        variables_->setItem(row, 3, new QTableWidgetItem(qt(r.value)));
    }
    variables_->resizeColumnsToContents();
    filling_ = false;
}

}  // namespace vantor::shell
