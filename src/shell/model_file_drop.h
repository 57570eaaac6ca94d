#pragma once

#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

namespace vantor::shell {

// The local model files (".bgf", in any case) a drag from the file manager
// carries, in its order; empty when it carries anything else as well.
QStringList dropped_model_files(const QMimeData* data);

// Makes `window` take such a drag anywhere on it, and hand each of its
// files to `open`. A drag its widgets take themselves (a palette entry)
// stays theirs.
void accept_model_file_drops(QWidget& window, std::function<void(const QString&)> open);

}  // namespace vantor::shell
