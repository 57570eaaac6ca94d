#include "shell/model_file_drop.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace vantor::shell {

namespace {

// Sees the window's drag events before the window does; the widgets under
// the pointer had theirs first, and pass on what they do not take.
class ModelFileDrop : public QObject {
  public:
    ModelFileDrop(QWidget& window, std::function<void(const QString&)> open)
        : QObject(&window), open_(std::move(open)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* drag = static_cast<QDragMoveEvent*>(event);
                if (dropped_model_files(drag->mimeData()).isEmpty()) break;
                drag->acceptProposedAction();
                return true;
            }
            case QEvent::Drop: {
                auto* drop = static_cast<QDropEvent*>(event);
                const QStringList files = dropped_model_files(drop->mimeData());
                if (files.isEmpty()) break;
                drop->acceptProposedAction();
                for (const QString& file : files) open_(file);
                return true;
            }
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void(const QString&)> open_;
};

}  // namespace

QStringList dropped_model_files(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (path.isEmpty() || !path.endsWith(QStringLiteral(".bgf"), Qt::CaseInsensitive))
            return {};
        files.push_back(path);
    }
    return files;
}

void accept_model_file_drops(QWidget& window, std::function<void(const QString&)> open) {
    window.setAcceptDrops(true);
    window.installEventFilter(new ModelFileDrop(window, std::move(open)));
}

}  // namespace vantor::shell
