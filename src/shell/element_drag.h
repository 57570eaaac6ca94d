#pragma once

#include <QByteArray>
#include <QMimeData>
#include <QString>
#include <optional>

namespace vantor::shell {

// The drag of a palette entry. The entry itself travels in the shared
// application state (dragobj); the mime data says which entry of which
// library it is, so that the drop can be journaled and replayed.
inline const QString kElementMimeType = QStringLiteral("application/x-vantor-element");

struct ElementDrag {
    QString library;  // the library's name: library/NAME.lib
    int entry = 0;    // 1-based, in the palette's order
};

// "ENTRY LIBRARY": the number first, so a name with blanks stays whole.
inline QByteArray element_drag_bytes(const ElementDrag& drag) {
    return QByteArray::number(drag.entry) + ' ' + drag.library.toUtf8();
}

inline std::optional<ElementDrag> read_element_drag(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kElementMimeType)) return std::nullopt;
    const QByteArray bytes = data->data(kElementMimeType);
    const qsizetype blank = bytes.indexOf(' ');
    if (blank <= 0) return std::nullopt;
    bool number = false;
    ElementDrag drag;
    drag.entry = bytes.left(blank).toInt(&number);
    drag.library = QString::fromUtf8(bytes.mid(blank + 1));
    if (!number || drag.entry < 1 || drag.library.isEmpty()) return std::nullopt;
    return drag;
}

}  // namespace vantor::shell
