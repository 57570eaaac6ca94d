#pragma once

#include <QString>

namespace vantor::shell {

// The drag of a palette entry. The entry itself travels in the shared
// application state (dragobj); the mime data only says what is being dragged.
inline const QString kElementMimeType = QStringLiteral("application/x-vantor-element");

}  // namespace vantor::shell
