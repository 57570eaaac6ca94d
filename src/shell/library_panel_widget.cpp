#include "shell/library_panel_widget.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>

#include "paint/glyph_painter.h"
#include "paint/qt_text.h"
#include "shell/element_drag.h"
#include "shell/panel_placement.h"

namespace vantor::shell {

namespace {

constexpr int kEntryRole = Qt::UserRole;

// A library's entries: dragged as from its palette window; a right click
// lets the chosen entry go.
class EntryList : public QListWidget {
  public:
    EntryList(LibraryPanelWidget& panel, int library, QWidget* parent)
        : QListWidget(parent), panel_(panel), library_(library) {
        setFlow(QListView::LeftToRight);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
        setSpacing(4);
        // Only the chosen entry shows selected; the panel sets it.
        setSelectionMode(QAbstractItemView::SingleSelection);
        setFont(paint::glyph_font());
        connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            panel_.click_entry(library_, item->data(kEntryRole).toInt());
        });
    }

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex&,
                                                         const QEvent*) const override {
        return QItemSelectionModel::NoUpdate;
    }

    void mousePressEvent(QMouseEvent* event) override {
        pressed_ = nullptr;
        if (event->button() == Qt::RightButton) {
            panel_.disarm();
            return;
        }
        if (event->button() == Qt::LeftButton) {
            pressed_ = itemAt(event->position().toPoint());
            press_pos_ = event->position().toPoint();
        }
        QListWidget::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (pressed_ == nullptr || !(event->buttons() & Qt::LeftButton) ||
            (event->position().toPoint() - press_pos_).manhattanLength() <
                QApplication::startDragDistance()) {
            QListWidget::mouseMoveEvent(event);
            return;
        }
        QListWidgetItem* item = pressed_;
        pressed_ = nullptr;
        drag(*item);
    }

    void keyPressEvent(QKeyEvent* event) override {
        // The keyboard chooses the current entry as a click does.
        const int key = event->key();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
            currentItem() != nullptr) {
            panel_.click_entry(library_, currentItem()->data(kEntryRole).toInt());
            return;
        }
        QListWidget::keyPressEvent(event);
    }

  private:
    void drag(const QListWidgetItem& item) {
        const int entry = item.data(kEntryRole).toInt();
        // A drag is a placement of its own.
        panel_.disarm();
        QMimeData* data = panel_.drag_data(library_, entry);
        if (data == nullptr) return;
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const QPixmap shown = picture(entry);
        drag->setPixmap(shown);
        drag->setHotSpot(shown.rect().center());
        if (drag->exec(Qt::CopyAction) == Qt::IgnoreAction) panel_.drag_ignored(library_);
    }

  private:
    // The glyph as the palette paints it.
    QPixmap picture(int entry) const {
        const Palette& library = panel_.core().library(library_);
        Glyph glyph = library.image1[static_cast<std::size_t>(entry)];
        const QRect rect = paint::glyph_rect(glyph);
        glyph.left = 0;
        glyph.top = 0;
        QPixmap pixmap(rect.size().expandedTo(QSize(1, 1)));
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint::paint_glyph(painter, glyph, palette().color(QPalette::Base));
        return pixmap;
    }

    LibraryPanelWidget& panel_;
    int library_;
    QListWidgetItem* pressed_ = nullptr;  // the entry pressed on, while the button is down
    QPoint press_pos_;
};

QString tooltip_of(const PanelEntry& entry) {
    QString text = paint::caption_lines(entry.caption).join(QLatin1Char(' ')) +
                   QStringLiteral(" (") + paint::caption_lines(entry.type).join(QLatin1Char(' ')) +
                   QLatin1Char(')');
    // The description files are Windows-1252, as the libraries are.
    if (!entry.summary.empty()) {
        text += QLatin1Char('\n') + paint::caption_lines(entry.summary).join(QLatin1Char(' '));
    }
    return text;
}

}  // namespace

LibraryPanelWidget::LibraryPanelWidget(AppState& app, Ports& ports, QWidget* parent)
    : QDockWidget(QStringLiteral("Libraries"), parent),
      app_(app),
      ports_(ports),
      tabs_(new QTabWidget(this)),
      placement_(new PanelPlacement(*this, app, ports)) {
    setObjectName(QStringLiteral("libraryPanel"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setWidget(tabs_);
    qApp->installEventFilter(placement_);
}

LibraryPanelWidget::~LibraryPanelWidget() {
    qApp->removeEventFilter(placement_);
}

void LibraryPanelWidget::list(const std::vector<LibraryLabel>& labels) {
    panel_.list(labels);
    const int count = panel_.libraries();
    while (tabs_->count() > count) drop_tab(tabs_->count());
    shown_.resize(static_cast<std::size_t>(count));
    errors_.resize(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        const std::string error = panel_.read(i).value_or(std::string());
        std::vector<PanelEntry> entries = panel_.entries(app_, i);
        const auto at = static_cast<std::size_t>(i) - 1;
        const QString title = QString::fromStdString(panel_.library(i).caption);
        if (i <= tabs_->count() && shown_[at] == entries && errors_[at] == error) {
            tabs_->setTabText(i - 1, title);
            continue;
        }
        if (i <= tabs_->count()) drop_tab(i);
        fill(i, entries, error);
        shown_[at] = std::move(entries);
        errors_[at] = error;
    }
    show_armed();
}

void LibraryPanelWidget::fill(int i, const std::vector<PanelEntry>& entries,
                              const std::string& error) {
    auto* list = new EntryList(*this, i, nullptr);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        auto* item = new QListWidgetItem(paint::caption_lines(entries[k].caption).join('\n'), list);
        item->setData(kEntryRole, static_cast<int>(k) + 1);
        item->setToolTip(tooltip_of(entries[k]));
    }
    QWidget* page = list;
    if (!error.empty()) {
        // What the palette would say in a message box, in the tab itself.
        auto* label = new QLabel(QStringLiteral("The library cannot be read: ") +
                                 paint::to_display_text(error));
        label->setWordWrap(true);
        delete list;
        page = label;
    }
    tabs_->insertTab(i - 1, page, QString::fromStdString(panel_.library(i).caption));
}

void LibraryPanelWidget::drop_tab(int i) {
    // The activation that rereads may come with a press on this very tab.
    QWidget* page = tabs_->widget(i - 1);
    tabs_->removeTab(i - 1);
    page->hide();
    page->deleteLater();
}

QListWidget* LibraryPanelWidget::entry_list(int i) const {
    if (i < 1 || i > tabs_->count()) return nullptr;
    return qobject_cast<QListWidget*>(tabs_->widget(i - 1));
}

void LibraryPanelWidget::click_entry(int i, int entry) {
    panel_.click(i, entry);
    show_armed();
}

void LibraryPanelWidget::disarm() {
    if (!panel_.armed()) return;
    panel_.disarm();
    show_armed();
}

void LibraryPanelWidget::show_armed() {
    const std::optional<ArmedEntry>& armed = panel_.armed();
    for (int i = 1; i <= tabs_->count(); ++i) {
        QListWidget* list = entry_list(i);
        if (list == nullptr) continue;
        for (int row = 0; row < list->count(); ++row) {
            QListWidgetItem* item = list->item(row);
            item->setSelected(armed && armed->library == i &&
                              armed->entry == item->data(kEntryRole).toInt());
        }
    }
    // The prompt names the entry as its glyph shows it.
    Q_EMIT prompt_changed(paint::caption_lines(panel_.prompt()).join(QLatin1Char(' ')));
}

QMimeData* LibraryPanelWidget::drag_data(int i, int entry) {
    if (!panel_.capture(app_, ports_, i, entry)) return nullptr;
    auto* data = new QMimeData;
    data->setData(kElementMimeType,
                  element_drag_bytes({QString::fromStdString(panel_.drop_name(i)), entry}));
    return data;
}

void LibraryPanelWidget::drag_ignored(int i) {
    panel_.dropped_back(app_, i);
}

}  // namespace vantor::shell
