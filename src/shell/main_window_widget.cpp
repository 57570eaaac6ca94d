#include "shell/main_window_widget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "paint/glyph_painter.h"
#include "shell/library_label_widget.h"
#include "shell/library_panel_widget.h"
#include "shell/model_file_drop.h"
#include "shell/model_recovery.h"
#include "shell/model_window_widget.h"
#include "shell/palette_widget.h"
#include "shell/window_places.h"

namespace vantor::shell {

namespace {

// The library panel's height when the main window first opens.
constexpr int kPanelPixels = 160;
// The model windows share one size, kept from window 1, the first one opened.
const QString kModelKey = QStringLiteral("model");
constexpr int kModelSizeWindow = 1;

QString palette_key(const Palette& palette) {
    return QStringLiteral("palette/") + QString::fromStdString(palette.caption);
}

}  // namespace

MainWindowWidget::MainWindowWidget(std::string program_dir, std::string command_line, Ports* ports,
                                   JournalRecorder* journal)
    : ports_(ports != nullptr ? *ports : qt_ports_),
      journal_(journal),
      desk_(new QWidget(this)),
      panel_(new LibraryPanelWidget(app_, ports_, this)) {
    app_.program_dir = std::move(program_dir);
    core_ = std::make_unique<MainWindow>(app_, ports_, *this, std::move(command_line));
    setWindowTitle(QStringLiteral("Vantor"));
    setCentralWidget(desk_);
    build_menus();
    addDockWidget(Qt::BottomDockWidgetArea, panel_);
    connect(panel_, &LibraryPanelWidget::prompt_changed, this,
            [this](const QString& prompt) { show_placing(prompt); });
    accept_model_file_drops(*this, [this](const QString& path) { open_model(path); });
    // Room for a row of five labels, 7500 twips, and the panel below them.
    resize(520, 200 + kPanelPixels + statusBar()->sizeHint().height());
    resizeDocks({panel_}, {kPanelPixels}, Qt::Vertical);
}

MainWindowWidget::~MainWindowWidget() {
    // The windows show the logic's documents and palettes: they go first.
    model_windows_.clear();
    for (auto& palette : palettes_) palette.reset();
}

void MainWindowWidget::remember_windows(WindowPlaces& places) {
    places_ = &places;
    places.follow(*this, QStringLiteral("main"));
}

void MainWindowWidget::keep_recovery_copies(ModelRecovery& recovery) {
    recovery_ = &recovery;
    // Said where the user looks, without stopping the work.
    recovery.report_failures([this](int k, const std::string& why) {
        if (ModelWindowWidget* window = model_window_widget(k)) {
            window->statusBar()->showMessage(
                QStringLiteral("The recovery copy could not be written: ") +
                QString::fromStdString(why));
        }
    });
}

void MainWindowWidget::activate() {
    core_->Form_Activate();
    sync_labels();
    panel_->list(core_->labels);
}

void MainWindowWidget::show_placing(const QString& prompt) {
    std::vector<QStatusBar*> bars{statusBar()};
    for (auto& [k, window] : model_windows_) bars.push_back(window->statusBar());
    for (QStatusBar* bar : bars) {
        if (!prompt.isEmpty()) {
            bar->showMessage(prompt);
        } else if (bar->currentMessage() == placing_) {
            // Only the prompt goes: another message since then stays.
            bar->clearMessage();
        }
    }
    placing_ = prompt;
}

void MainWindowWidget::sync_labels() {
    const std::vector<LibraryLabel>& wanted = core_->labels;
    for (std::size_t i = labels_.size(); i < wanted.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        auto* label = new LibraryLabelWidget(
            QString::fromStdString(wanted[i].caption),
            [this, number] { core_->Label1_DblClick(number); }, desk_);
        labels_.push_back(label);
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        LibraryLabelWidget* label = labels_[i];
        const bool listed = i < wanted.size();
        label->setVisible(listed);
        if (!listed) continue;
        label->setText(QString::fromStdString(wanted[i].caption));
        label->adjustSize();
        label->move(paint::to_pixels(wanted[i].left), paint::to_pixels(wanted[i].top));
    }
}

ModelWindowWidget* MainWindowWidget::model_window_widget(int k) const {
    const auto it = model_windows_.find(k);
    return it == model_windows_.end() ? nullptr : it->second.get();
}

PaletteWidget* MainWindowWidget::palette_widget(int i) const {
    if (i < 1 || i > kMaxLibraries) return nullptr;
    return palettes_[static_cast<std::size_t>(i)].get();
}

void MainWindowWidget::model_window_opened(int k) {
    ModelDocument* document = core_->model_window(k);
    if (document == nullptr) return;
    model_window_closed(k);
    if (recovery_ != nullptr) recovery_->opened(k);
    auto window = std::make_unique<ModelWindowWidget>(*document, app_, ports_, *core_, journal_);
    reach_from(*window);
    connect(window.get(), &ModelWindowWidget::saved_as, this,
            [this](const QString& path) { remember_model(path); });
    if (recovery_ != nullptr) window->set_after_change([this, k] { recovery_->changed(k); });
    if (places_ != nullptr) {
        // Its canvas takes the size when the window shows; the journal then
        // records it as the window's first resize.
        const QRect room = available_room(*window);
        const QSize size = places_->size(kModelKey).value_or(comfortable_size(room));
        window->resize(size.boundedTo(room.size()));
        window->remember_in(places_);
    }
    window->show();
    window->raise();
    window->activateWindow();
    model_windows_[k] = std::move(window);
    if (document->window.hasname == kTrue) remember_model(QString::fromStdString(document->tag));
}

void MainWindowWidget::model_window_closed(int k) {
    const auto it = model_windows_.find(k);
    if (it == model_windows_.end()) return;
    // This may run inside one of the window's own handlers, so it is only
    // cut off from its document here and deleted once the handler is done.
    ModelWindowWidget* window = it->second.release();
    model_windows_.erase(it);
    if (places_ != nullptr && k == kModelSizeWindow) places_->keep_size(kModelKey, window->size());
    // A clean close: saved, or its changes discarded at the closing question.
    if (recovery_ != nullptr) recovery_->closed(k);
    window->detach();
    window->hide();
    window->deleteLater();
}

void MainWindowWidget::focus_model_window(int k) {
    if (ModelWindowWidget* window = model_window_widget(k)) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void MainWindowWidget::show_palette(int i) {
    Palette* palette = core_->palette(i);
    if (palette == nullptr || i < 1 || i > kMaxLibraries) return;
    auto& widget = palettes_[static_cast<std::size_t>(i)];
    if (!widget) {
        widget = std::make_unique<PaletteWidget>(*palette, app_, ports_);
        reach_from(*widget);
        if (places_ != nullptr) places_->watch(*widget, palette_key(*palette));
    }
    widget->setWindowTitle(QString::fromStdString(palette->caption));
    if (places_ == nullptr || !places_->restore(*widget, palette_key(*palette))) {
        widget->move(paint::to_pixels(palette->left), paint::to_pixels(palette->top));
    }
    widget->show();
    widget->raise();
    widget->activateWindow();
}

void MainWindowWidget::window_menu_changed() {
    // The list may change from inside one of its own items, whose action must
    // outlive its handler.
    for (QAction* action : window_menu_->actions()) {
        window_menu_->removeAction(action);
        action->deleteLater();
    }
    for (const WindowMenuItem& item : core_->window_menu) {
        const int k = item.k;
        window_menu_->addAction(QString::fromStdString(item.caption), this,
                                [this, k] { core_->window_Click(k); });
    }
    // A Save As may have renamed a window.
    for (auto& [k, window] : model_windows_) window->sync();
}

bool MainWindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) activate();
    return QMainWindow::event(event);
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
    if (!core_->exit_Click()) {
        event->ignore();
        return;
    }
    event->accept();
    // Palettes and help only hide when closed, so the program ends here.
    QCoreApplication::exit(0);
}

}  // namespace vantor::shell
