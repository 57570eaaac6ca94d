#include "shell/model_window_widget.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>

#include "app/main_window.h"
#include "app/model_document.h"
#include "editor/drop.h"
#include "shell/help_menu.h"
#include "shell/model_canvas.h"

namespace vantor::shell {

namespace {

QAction* add_item(QMenu* menu, const char* caption, QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setShortcut(shortcut);
    return action;
}

QAction* add_disabled(QMenu* menu, const char* caption, QKeySequence shortcut = {}) {
    QAction* action = add_item(menu, caption, shortcut);
    action->setEnabled(false);
    return action;
}

}  // namespace

ModelWindowWidget::ModelWindowWidget(ModelDocument& document, AppState& app, Ports& ports,
                                     MainWindow& main, QWidget* parent)
    : QMainWindow(parent),
      document_(&document),
      app_(app),
      ports_(ports),
      main_(main),
      canvas_(new ModelCanvas(document,
                              [this](float x, float y) {
                                  run([x, y](ModelDocument& d) {
                                      d.run([x, y](ModelWindow& w, AppState& a) {
                                          Form_DragDrop(w, a, x, y);
                                      });
                                  });
                              })),
      scroll_(new QScrollArea(this)) {
    scroll_->setWidget(canvas_);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setCentralWidget(scroll_);
    build_menus();
    resize(640, 420);
    sync();
}

ModelWindowWidget::~ModelWindowWidget() {
    detach();
}

void ModelWindowWidget::detach() {
    if (document_ == nullptr) return;
    // The document may be gone already: it is not touched again.
    document_ = nullptr;
    // The canvas paints the document; it goes with it, once any event that
    // led here is over.
    if (QWidget* canvas = scroll_->takeWidget()) canvas->deleteLater();
    canvas_ = nullptr;
}

template <typename Handler>
void ModelWindowWidget::run(Handler handler) {
    if (document_ == nullptr) return;
    handler(*document_);
    sync();
}

void ModelWindowWidget::build_menus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    connect(add_item(file, "&Save Model"), &QAction::triggered, this,
            [this] { run([](ModelDocument& d) { d.save_Click(); }); });
    connect(add_item(file, "Save Model &As..."), &QAction::triggered, this,
            [this] { run([](ModelDocument& d) { d.saveas_Click(); }); });
    add_disabled(file, "&Print Model");
    connect(add_item(file, "&Close"), &QAction::triggered, this, [this] { request_close(); });

    // The editing commands arrive with the editor; until then their items
    // only show the states the document gives them.
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    delete_ = add_disabled(edit, "&Delete", QKeySequence(Qt::Key_Delete));
    cut_ = add_disabled(edit, "&Cut", QKeySequence(Qt::CTRL | Qt::Key_X));
    copy_ = add_disabled(edit, "C&opy", QKeySequence(Qt::CTRL | Qt::Key_C));
    add_disabled(edit, "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V));
    add_disabled(edit, "&Rotate", QKeySequence(Qt::CTRL | Qt::Key_R));
    edit->addSeparator();
    add_disabled(edit, "&Select All");

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    show_parameters_ = add_disabled(options, "&Show Parameters");
    show_parameters_->setCheckable(true);
    options->addSeparator();
    QMenu* version = options->addMenu(QStringLiteral("&Simulink Version"));
    auto* versions = new QActionGroup(this);
    versions->setExclusive(true);
    const char* captions[] = {"Simulink 1.3", "Simulink 2.09", "Simulink 2.2"};
    for (int v = 1; v <= 3; ++v) {
        QAction* item = add_item(version, captions[v - 1]);
        item->setCheckable(true);
        versions->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, v] { run([v](ModelDocument& d) { d.simulink_Click(v); }); });
        simulink_[static_cast<std::size_t>(v - 1)] = item;
    }

    QMenu* running = bar->addMenu(QStringLiteral("&Run"));
    connect(add_item(running, "&Generate Simulink File", QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this,
            [this] { run([](ModelDocument& d) { d.generate_Click(); }); });
    running->addSeparator();
    connect(add_item(running, "&Assign && Check Causality", QKeySequence(Qt::Key_F7)),
            &QAction::triggered, this, [this] { run([](ModelDocument& d) { d.assign_Click(); }); });
    connect(add_item(running, "&Extend Causality", QKeySequence(Qt::Key_F8)), &QAction::triggered,
            this, [this] { run([](ModelDocument& d) { d.extend_Click(); }); });
    connect(add_item(running, "&Undo Causality ", QKeySequence(Qt::Key_F12)), &QAction::triggered,
            this, [this] { run([](ModelDocument& d) { d.Undo_Click(); }); });

    add_help_menu(*bar, app_, ports_);
}

void ModelWindowWidget::sync() {
    if (document_ == nullptr) return;
    // Qt shows "*" where the title holds "[*]" while the window is modified.
    setWindowTitle(QString::fromStdString(document_->caption) + QStringLiteral("[*]"));
    setWindowModified(document_->window.saved == kFalse);
    const ModelMenus& menus = document_->window.menus;
    delete_->setEnabled(menus.ddelete);
    cut_->setEnabled(menus.Cut);
    copy_->setEnabled(menus.copy);
    show_parameters_->setChecked(menus.showp);
    for (std::size_t v = 0; v < simulink_.size(); ++v) {
        simulink_[v]->setChecked(menus.simulink_version == static_cast<int>(v) + 1);
    }
    document_->dirty = false;
    canvas_->update();
}

void ModelWindowWidget::request_close() {
    // The main window's logic asks the closing question and, when the window
    // really goes, destroys it through the desktop.
    if (document_ != nullptr) main_.close_requested(document_->window.winnum);
}

void ModelWindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    request_close();
}

void ModelWindowWidget::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    sync();
}

}  // namespace vantor::shell
