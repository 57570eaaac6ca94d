#pragma once

#include <QCursor>

namespace vantor::shell {

// The pointer shape a model window's MousePointer asks for: the arrow (1),
// the cross where a bond may start (2), and the connect pointer (99) where
// releasing makes a bond. Any other value shows the arrow.
QCursor pointer_cursor(int mouse_pointer);

// The connect pointer: a cross whose centre is ringed, with a small bond
// half-arrow beside it, drawn here so that it looks the same everywhere.
QCursor connect_cursor();

}  // namespace vantor::shell
