#pragma once

#include <string>

#include "window/model_window.h"

// No Qt here: the command line calls this.

namespace vantor::shell {

// Writes the picture of a model window's drawing (see drawing_image) to
// `path` as a PNG, whole or not at all. With no application running, Qt's
// GUI is started on the offscreen platform for the time it takes. Throws
// FileError when the file cannot be written.
void write_drawing_png(const ModelWindow& window, const std::string& path);

}  // namespace vantor::shell
